#include "windows/Form1/Form1.h"

#include "core/ProgramState.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FormRegistry.h"
#include "shell/MouseOver.h"
#include "shell/PageView.h"
#include "shell/Twips.h"
#include "speech/SpeechHandOff.h"

#include <QGroupBox>
#include <QHash>
#include <QPushButton>
#include <QScreen>

Form1::Form1(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    ControlText::set(this, ControlText::Property::WindowCaption, m_state.text(CountryTexts::SprecherTitel));
    buildControls();

    connect(m_Command1, &QPushButton::clicked, this, [] { SpeechHandOff::click(QStringLiteral("Hilfe")); });
    connect(m_Command3, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    const QColor white = Twips::color(VbColor::kWhite);
    const QColor highlight = Twips::color(VbColor::kYellow);
    MouseOver::watch(m_Command1, [this, white, highlight] {
        Twips::setBackColor(m_Command1, highlight);
        Twips::setBackColor(m_Command3, white);
        m_state.showHelpText(ControlText::toolTip(m_Command1));
    });
    MouseOver::watch(m_Command3, [this, white, highlight] {
        Twips::setBackColor(m_Command1, white);
        m_state.showHelpText(ControlText::toolTip(m_Command3));
        Twips::setBackColor(m_Command3, highlight);
    });
    // Leaving a button through its frame resets it, as the main window's frames do.
    MouseOver::watchEmptyArea(m_Frame1, [this, white] {
        Twips::setBackColor(m_Command1, white);
        Twips::setBackColor(m_Command3, white);
    });
    MouseOver::watchEmptyArea(m_Frame2, [this, white] { Twips::setBackColor(m_Command3, white); });
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    Twips::setBackColor(this, Twips::color(VbColor::kBlack));

    m_Browser = new PageView(SpeechHandOff::Page::Speaker, this);
    m_Browser->setObjectName(QStringLiteral("Browser"));
    // The page's buttons in the interface language, where the country file names them.
    m_Browser->setCaptions([this](const QString &element, const QString &caption) {
        using T = CountryTexts;
        static const QHash<QString, T::Id> kTexts{{QString(), T::SeiteFehlt},
                                                  {QStringLiteral("Hilfe"), T::SeiteSprechen},
                                                  {QStringLiteral("Hilfex"), T::SeiteWort},
                                                  {QStringLiteral("stop"), T::SeiteStop},
                                                  {QStringLiteral("pause"), T::SeitePause},
                                                  {QStringLiteral("Weiter"), T::SeiteWeiter},
                                                  {QStringLiteral("Nochmal"), T::SeiteNochmal}};
        const auto id = kTexts.constFind(element);
        return id != kTexts.cend() && m_state.texts().given(*id) ? m_state.text(*id).text : caption;
    });
    m_Browser->refresh();
    connect(&m_state, &ProgramState::textsChanged, m_Browser, &PageView::refresh);
    Twips::place(m_Browser, 0, 0, kClientWidth, 1320);
    m_Browser->setProperty("holdsControls", true);

    m_Frame1 = ControlFactory::make<QGroupBox>(this, "Frame1", 60, 1320, 1020, 555);
    m_Command1 = ControlFactory::button(m_Frame1, "Command1", QStringLiteral("Sprechenx"), 60, 90, 900, 405);
    m_Command1->setToolTip(QStringLiteral("xxx"));
    Twips::setBackColor(m_Command1, Twips::color(VbColor::kWhite));

    m_Frame2 = ControlFactory::make<QGroupBox>(this, "Frame2", 1095, 1320, 420, 555);
    m_Command3 = ControlFactory::button(m_Frame2, "Command3", QStringLiteral("[X]"), 30, 90, 360, 405);
    Twips::setBackColor(m_Command3, Twips::color(VbColor::kWhite));

    // Pressed only by the main window's exit.
    m_Command2 = ControlFactory::button(this, "Command2", QStringLiteral("beende"), 0, kClientHeight + 600, 900, 375);
}

void Form1::load()
{
    m_Browser->refresh();
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
}

void Form1::unloadStep()
{
    SpeechHandOff::click(QStringLiteral("stop"));
    // The speaker window's end is the program's end.
    m_state.endProgram();
}

void Form1::Command2_Click()
{
    unload<Form1>();
}
