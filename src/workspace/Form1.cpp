#include "workspace/Form1.h"

#include "app/FormRegistry.h"
#include "app/MouseOver.h"
#include "app/ProgramDirectory.h"
#include "app/Twips.h"
#include "speech/PageView.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"
#include "speech/hilfe1.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

Form1::Form1(QWidget *parent)
    : Form(parent),
      m_engine(new SpeechEngine(this)),
      m_page(new SpeechPage(m_engine, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sprecher"));
    buildControls();

    connect(Command1, &QPushButton::clicked, this, [this] { clickPageElement(QStringLiteral("Hilfe")); });
    connect(Command3, &QPushButton::clicked, this, &QWidget::hide);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    const QColor white = Twips::color(VbColor::White);
    const QColor highlight = Twips::color(VbColor::Yellow);
    MouseOver::watch(Command1, [this, white, highlight] {
        Twips::setBackColor(Command1, highlight);
        Twips::setBackColor(Command3, white);
        form<hilfe1>().setHelpText(Command1->toolTip());
    });
    MouseOver::watch(Command3, [this, white, highlight] {
        Twips::setBackColor(Command1, white);
        form<hilfe1>().setHelpText(Command3->toolTip());
        Twips::setBackColor(Command3, highlight);
    });
    MouseOver::watch(Frame1, [this, white] {
        Twips::setBackColor(Command1, white);
        Twips::setBackColor(Command3, white);
    });
    MouseOver::watch(Frame2, [this, white] { Twips::setBackColor(Command3, white); });
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    Twips::setBackColor(this, Twips::color(VbColor::Black));

    Browser = new PageView(m_page, this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Twips::place(Browser, 0, 0, kClientWidth, 1320);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Twips::place(Frame1, 60, 1320, 1020, 555);
    Command1 = new QPushButton(QStringLiteral("Sprechenx"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("xxx"));
    Twips::place(Command1, 60, 90, 900, 405);
    Twips::setBackColor(Command1, Twips::color(VbColor::White));

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Twips::place(Frame2, 1095, 1320, 420, 555);
    Command3 = new QPushButton(QStringLiteral("[X]"), Frame2);
    Command3->setObjectName(QStringLiteral("Command3"));
    Twips::place(Command3, 30, 90, 360, 405);
    Twips::setBackColor(Command3, Twips::color(VbColor::White));

    // Pressed only by the main window's exit.
    Command2 = new QPushButton(QStringLiteral("beende"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Twips::place(Command2, 0, kClientHeight + 600, 900, 375);
}

void Form1::load()
{
    m_page->load(ProgramDirectory::file(u"/sp"));
    Browser->refresh();
    // Beside the main window rather than under it: top right of the screen.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.right() - frameGeometry().width() - 20, area.top() + 40);
    }
}

void Form1::keyDown(int key)
{
    if (key == Qt::Key_Escape)
        unload<Form1>();
    else
        hilfe1::commonKey(key);
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
