#include "workspace/Form1.h"

#include "app/FormRegistry.h"
#include "app/ProgramDirectory.h"
#include "app/Twips.h"
#include "speech/PageView.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"

Form1::Form1(QWidget *parent)
    : Form(parent),
      m_engine(new SpeechEngine(this)),
      m_page(new SpeechPage(m_engine, this))
{
    setWindowTitle(QStringLiteral("Sprecher"));
    setObjectName(QStringLiteral("Form1"));
    Twips::setBackColor(this, Twips::color(VbColor::Black));
    resize(Twips::toPixels(1575), Twips::toPixels(1935));
    m_browser = new PageView(m_page, this);
    m_browser->setObjectName(QStringLiteral("Browser"));
    Twips::place(m_browser, 0, 0, 1575, 1935);
}

Form1::~Form1() = default;

void Form1::load()
{
    m_page->load(ProgramDirectory::file(u"/sp"));
    m_browser->refresh();
}

void Form1::unloadStep()
{
    m_engine->stop();
    // The speaker window's end is the program's end.
    endProgram();
}

bool Form1::clickPageElement(const QString &name)
{
    return m_page->click(name);
}

void Form1::Command2_Click()
{
    unload<Form1>();
}
