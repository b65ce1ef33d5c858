#include "app/FormRegistry.h"

#include "app/KeyPreview.h"
#include "app/Pause.h"

#include <QCoreApplication>
#include <QTimer>

FormRegistry &FormRegistry::instance()
{
    static FormRegistry *registry = new FormRegistry(QCoreApplication::instance());
    return *registry;
}

FormRegistry::FormRegistry(QObject *parent)
    : QObject(parent), m_quit([] { QCoreApplication::quit(); })
{
    if (auto *app = QCoreApplication::instance())
        app->installEventFilter(new KeyPreview(this));
}

Form *FormRegistry::find(std::type_index type) const
{
    const auto it = m_forms.find(type);
    return it == m_forms.end() ? nullptr : it->second.data();
}

void FormRegistry::add(std::type_index type, Form *form)
{
    m_forms[type] = form;
}

bool FormRegistry::unload(Form *form, int unloadMode)
{
    if (!form || form->m_unloaded)
        return true;
    if (!form->queryUnload(unloadMode))
        return false;
    form->m_unloaded = true;
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it->second == form) {
            m_forms.erase(it);
            break;
        }
    }
    form->unloadStep();
    form->hide();
    bury(form);
    return true;
}

void FormRegistry::endProgram()
{
    auto forms = std::move(m_forms);
    m_forms.clear();
    for (auto &[type, form] : forms) {
        if (!form)
            continue;
        form->m_unloaded = true;
        form->hide();
        bury(form);
    }
    if (!m_ended) {
        m_ended = true;
        if (m_quit)
            m_quit();
    }
}

void FormRegistry::setQuitHandler(std::function<void()> handler)
{
    m_quit = std::move(handler);
}

void FormRegistry::reset()
{
    auto forms = std::move(m_forms);
    m_forms.clear();
    for (auto &[type, form] : forms)
        delete form.data();
    for (auto &form : m_graveyard)
        delete form.data();
    m_graveyard.clear();
    m_ended = false;
}

void FormRegistry::bury(Form *form)
{
    m_graveyard.emplace_back(form);
    if (!m_reapScheduled) {
        m_reapScheduled = true;
        QTimer::singleShot(0, this, &FormRegistry::reap);
    }
}

void FormRegistry::reap()
{
    // A handler of a buried window may still wait in a nested loop; try again once it returned.
    if (NestedLoopGuard::depth() > 0) {
        QTimer::singleShot(10, this, &FormRegistry::reap);
        return;
    }
    m_reapScheduled = false;
    auto graves = std::move(m_graveyard);
    m_graveyard.clear();
    for (auto &form : graves)
        delete form.data();
}
