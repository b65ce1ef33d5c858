#include "shell/Form.h"

#include "core/Pause.h"
#include "shell/FormRegistry.h"

#include <QCloseEvent>

Form::Form(QWidget *parent) : QWidget(parent)
{
    FormRegistry::instance();
}

Form::~Form() = default;

bool Form::pause(double seconds)
{
    ::pause(seconds);
    return !m_unloaded;
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    // A close request is an unload; the window only disappears when the unload goes through.
    event->ignore();
    FormRegistry::instance().unload(this, FromControlMenu);
}
