#include "windows/Logox4/Logox4.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "localisation/HelpPage.h"
#include "shell/ClickLabel.h"
#include "shell/ControlActions.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FocusNotice.h"
#include "shell/FormRegistry.h"
#include "shell/MouseOver.h"
#include "shell/PageView.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "speech/SpeechControl.h"
#include "speech/VoiceMarkup.h"
#include "speech/VoicePattern.h"
#include "windows/Logox4/PatternEntryList.h"
#include "windows/Logox4/VoiceChoice.h"
#include "windows/Logox4/VoiceSliders.h"
#include "windows/Logox4/WorkingPattern.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace {
using F = ControlFactory;

constexpr quint32 kDarkBlue = 0x00C00000;
constexpr quint32 kBlue = 0x00FF0000;
// Operations, slots and lists lie below the visible area, in a grid of their own.
constexpr int kBelow = Logox4::kClientHeight + 600;
constexpr int kCellWidth = 1320;
constexpr int kCellHeight = 400;
constexpr int kCellsPerRow = 5;

int cellLeft(int cell)
{
    return 120 + (cell % kCellsPerRow) * kCellWidth;
}

int cellTop(int cell)
{
    return kBelow + (cell / kCellsPerRow) * kCellHeight;
}

QPushButton *whiteButton(QWidget *parent, const char *name, const QString &caption, int left, int top, int width)
{
    QPushButton *b = F::button(parent, name, caption, left, top, width, 315);
    Twips::setBackColor(b, Twips::color(VbColor::kWhite));
    return b;
}

// The next button of the grid the presets and operations stand in; cell moves on.
QPushButton *gridButton(QWidget *parent, int &cell, const char *name, const QString &caption)
{
    QPushButton *b = whiteButton(parent, name, caption, cellLeft(cell), cellTop(cell), kCellWidth - 60);
    ++cell;
    return b;
}
}

Logox4::Logox4(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Individuelle stimm Muster Einstellung !"));
    buildControls();
    wire();
    // The standard speaker's caption follows the interface language until a preset replaces it.
    connect(&m_state, &ProgramState::textsChanged, this, [this] {
        if (m_Sp1->text() == m_standardSpeaker)
            showStandardSpeaker();
    });
}

Logox4::~Logox4() = default;

void Logox4::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    Twips::setBackColor(this, Twips::color(kDarkBlue));

    // First in the tab order, so that the window opens with the focus on "Bill".
    int cell = 0;
    const auto operation = [this, &cell](const char *name, const QString &caption) {
        return gridButton(this, cell, name, caption);
    };
    m_bill = operation("bill", QStringLiteral("&Bill"));
    m_silke = operation("silke", QStringLiteral("&Silke"));
    m_johanna = operation("johanna", QStringLiteral("&Johanna"));
    m_martin = operation("martin", QStringLiteral("&Martin"));
    m_alles = operation("alles", QStringLiteral("<  Sprecher Test]"));
    m_alles->setToolTip(QStringLiteral("Ohne Sprecher"));

    m_Frame2 = F::make<QGroupBox>(this, "Frame2", 120, 0, 6255, 3495);
    m_Frame2->setTitle(QStringLiteral("Stimm Muster einstellen:"));
    Twips::setBackColor(m_Frame2, Twips::color(kBlue));
    Twips::setForeColor(m_Frame2, Twips::color(VbColor::kWhite));
    m_Sp1 = F::label(m_Frame2, "Sp1", QString(), 1320, 240, 2655, 255);
    showStandardSpeaker();
    buildRows();
    m_Label19 = F::clickLabel(m_Frame2, "Label19", kProjectAddress, 1200, 3240, 3495, 255);
    m_Label19->setToolTip(QStringLiteral("Stimme Downloaden Englische Stimme: bei ") + kVoicesAddress
                          + QStringLiteral(" oder ") + kProjectAddress);
    m_Label19->setCursor(Qt::PointingHandCursor);

    // The entry field of the pattern list, at its design place.
    m_Text2 = F::field(this, "Text2", QString(), 120, 3600, 6255, 315);
    m_Text1 = F::field(this, "Text1", QStringLiteral("Test"), 120, 3960, 2655, 315);
    ControlText::set(m_Text1, ControlText::Property::AccessibleName, m_state.text(CountryTexts::NameTestsatz));
    m_Command9 = whiteButton(this, "Command9", QStringLiteral("Stimm -  &Muster uebernehmen"), 2880, 3960, 3495);
    m_Command9->setToolTip(QStringLiteral("Muster übernehmen"));
    m_SpeechFontCombo = F::make<QComboBox>(this, "SpeechFontCombo", 120, 4320, 2655, 315);
    // Lies over the list, leaving its arrow free, until a voice is picked.
    m_Text3 = F::field(this, "Text3", QStringLiteral("Stimm Auswahl       >  > >"), 120, 4320, 2415, 315);
    m_Text3->setReadOnly(true);
    m_Text3->raise();
    m_Command11 = whiteButton(this, "Command11", QStringLiteral("<  [Sprecher &Test]"), 2880, 4320, 2055);
    m_CloseButton = F::button(this, "CloseButton", QStringLiteral("beende &X"), 5040, 4320, 1335, 315);
    m_CloseButton->setToolTip(QStringLiteral("Abbrechen"));
    Twips::setBackColor(m_CloseButton, Twips::color(VbColor::kLightRed));

    buildOperations();
    buildStores();

    // Last in the tab order: tabbing on from here leads back to "Bill".
    m_TabHilfe = F::button(this, "TabHilfe", QStringLiteral("TabHilfe"), cellLeft(0), cellTop(40), 900, 315);
}

void Logox4::buildOperations()
{
    // The buttons that are operations, in the grid below the visible area after the presets.
    int cell = 5;
    const auto operation = [this, &cell](const char *name, const QString &caption) {
        return gridButton(this, cell, name, caption);
    };
    m_Command6 = operation("Command6", QStringLiteral("Letzter Eintrag"));
    m_hinzu1 = operation("hinzu1", QStringLiteral("hinzu1"));
    m_Command1 = operation("Command1", QStringLiteral("hinzu"));
    m_loesch = operation("loesch", QStringLiteral("loesch"));
    m_loesch2 = operation("loesch2", QStringLiteral("loeschen"));
    m_uebernehme = operation("uebernehme", QStringLiteral("übernehme"));
    m_Command3 = operation("Command3", QStringLiteral("Eintrag hinzufügen"));
    m_Command4 = operation("Command4", QStringLiteral("öffne"));
    m_offne = operation("offne", QStringLiteral("Datei öffnen"));
    m_speichernUE = operation("speichernUE", QStringLiteral("speichern"));
    m_loese1 = operation("loese1", QStringLiteral("loese1"));
    m_Command7 = operation("Command7", QStringLiteral("Muster übernehmen"));
    m_Command10 = operation("Command10", QStringLiteral("Eigenes Muster"));
    m_Command10->setToolTip(QStringLiteral("Eigenes Muster übernehmen !"));
    m_Command2 = operation("Command2", QStringLiteral("speicher"));
    m_Command5 = operation("Command5", QStringLiteral("Eintragxxx"));
    m_sprech = operation("sprech", QStringLiteral("sprech"));
}

void Logox4::buildRows()
{
    struct Row
    {
        ClickLabel *&value;
        const char *valueName;
        QScrollBar *&slider;
        const char *sliderName;
        QLabel *&caption;
        const char *captionName;
        QString captionText;
    };
    const Row rows[] = {
        {m_Label6, "Label6", m_PitchScroll, "PitchScroll", m_Label8, "Label8", QStringLiteral("Höhe - Tiefe")},
        {m_Label7, "Label7", m_SpeedScroll, "SpeedScroll", m_Label9, "Label9", QStringLiteral("Geschwindichkeit:")},
        {m_Label15, "Label15", m_IntonationScroll, "IntonationScroll", m_Label10, "Label10",
         QStringLiteral("Basistonhöhe:")},
        {m_Label16, "Label16", m_RoughnessScroll, "RoughnessScroll", m_Label11, "Label11", QStringLiteral("Rauheit")},
        {m_Label17, "Label17", m_VolumeScroll, "VolumeScroll", m_Label12, "Label12", QStringLiteral("Volume:")},
        {m_Label18, "Label18", m_EchoScroll, "EchoScroll", m_Label14, "Label14", QStringLiteral("Echo:")},
    };
    int top = 480;
    for (const Row &row : rows) {
        row.value = F::clickLabel(m_Frame2, row.valueName, QString(), 360, top, 855, 255);
        row.slider = F::make<QScrollBar>(m_Frame2, row.sliderName, 1320, top, 3135, 255);
        row.slider->setOrientation(Qt::Horizontal);
        // A scroll bar takes no focus by default; these are reached with the keyboard too.
        row.slider->setFocusPolicy(Qt::StrongFocus);
        // Scroll bars run their arrow keys backwards; here Right means more.
        row.slider->setInvertedControls(false);
        row.slider->setPageStep(10);
        Twips::useDesktopColors(row.slider);
        row.caption = F::label(m_Frame2, row.captionName, row.captionText, 4680, top, 1455, 255);
        // Names the slider for screen readers, whatever caption a country file gives.
        row.caption->setBuddy(row.slider);
        top += 480;
    }
}

void Logox4::buildStores()
{
    m_List1 = F::list(this, "List1", 120, cellTop(50), 3000, 1200);
    m_WebBrowser1 = new PageView(SpeechHandOff::Page::VoiceTest, this);
    m_WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    m_WebBrowser1->setProperty("holdsControls", true);
    Twips::place(m_WebBrowser1, 120, cellTop(65), 3000, 1200);

    m_Logox4Control1 = new SpeechControl(this);
    m_Logox4Control1->setObjectName(QStringLiteral("Logox4Control1"));
    m_Timer2 = new QTimer(this);
    m_Timer2->setObjectName(QStringLiteral("Timer2"));
    m_Timer2->setInterval(kTakeOverMilliseconds);
}

void Logox4::wire()
{
    using S = VoiceMarkup::Slot;
    m_sliders = new VoiceSliders(
        {{{S::BasePitch, m_PitchScroll, m_Label6, m_Label8},
          {S::Speed, m_SpeedScroll, m_Label7, m_Label9},
          {S::Intonation, m_IntonationScroll, m_Label15, m_Label10},
          {S::Roughness, m_RoughnessScroll, m_Label16, m_Label11},
          {S::Volume, m_VolumeScroll, m_Label17, m_Label12},
          {S::Echo, m_EchoScroll, m_Label18, m_Label14}}},
        [this](const QLabel *caption, const QString &value) {
            showHelp(m_state.text(CountryTexts::StimmeMit) + (u' ' + caption->text() + u' ' + value));
        },
        this);
    // The try-out is a voice tag and a test; the tag decides how it is spoken.
    m_choice = new VoiceChoice(
        *m_Logox4Control1, m_SpeechFontCombo, m_Text3, [this](const QString &text) { showHelp({text}); }, this);
    m_pattern = new WorkingPattern({m_List1, m_Text1, m_Sp1}, *m_choice, *m_sliders, this);
    m_entries = new PatternEntryList(m_Text2, m_List1, m_state, this);

    WorkingPattern *p = m_pattern;
    connect(m_Command11, &QPushButton::clicked, p, &WorkingPattern::Command11_Click);
    connect(m_alles, &QPushButton::clicked, p, &WorkingPattern::alles_Click);
    for (auto [button, preset] :
         {std::pair{m_bill, VoiceMarkup::billPreset()}, std::pair{m_silke, VoiceMarkup::silkePreset()},
          std::pair{m_johanna, VoiceMarkup::johannaPreset()}, std::pair{m_martin, VoiceMarkup::martinPreset()}})
        connect(button, &QPushButton::clicked, p, [p, preset] { p->presetTest(preset); });
    connect(m_Command9, &QPushButton::clicked, this, &Logox4::Command9_Click);
    connect(m_Timer2, &QTimer::timeout, this, &Logox4::Timer2_Timer);
    connect(m_CloseButton, &QPushButton::clicked, this, [] { unload<Logox4>(); });
    // The address comes from a country file: only a web address is opened.
    connect(m_Label19, &ClickLabel::clicked, this, [this] {
        if (const QUrl address = HelpPage::webAddress(m_Label19->text()); !address.isEmpty())
            Shell::openUrl(address);
    });

    connect(m_Command6, &QPushButton::clicked, p, &WorkingPattern::Command6);
    connect(m_hinzu1, &QPushButton::clicked, p, &WorkingPattern::hinzu1);
    connect(m_Command1, &QPushButton::clicked, p, [p] { p->Command1(VoiceMarkup::silkePreset()); });
    connect(m_loesch, &QPushButton::clicked, p, &WorkingPattern::loesch);
    connect(m_loesch2, &QPushButton::clicked, m_sliders, &VoiceSliders::clearAll);
    connect(m_Command2, &QPushButton::clicked, p, [p] { (void)p->Command2(); });
    connect(m_Command5, &QPushButton::clicked, p, &WorkingPattern::Command5);
    connect(m_sprech, &QPushButton::clicked, p, &WorkingPattern::sprech);

    PatternEntryList *e = m_entries;
    connect(m_uebernehme, &QPushButton::clicked, e, &PatternEntryList::uebernehme);
    connect(m_Command3, &QPushButton::clicked, e, &PatternEntryList::Command3);
    connect(m_Command4, &QPushButton::clicked, e, &PatternEntryList::Command4);
    connect(m_offne, &QPushButton::clicked, e, &PatternEntryList::offne);
    connect(m_speichernUE, &QPushButton::clicked, e, [e] { (void)e->speichernUE(); });
    connect(m_loese1, &QPushButton::clicked, e, &PatternEntryList::loese1);
    connect(m_Command7, &QPushButton::clicked, e, &PatternEntryList::focusEntry);
    connect(m_Command10, &QPushButton::clicked, e, &PatternEntryList::focusEntry);

    for (QWidget *control : {static_cast<QWidget *>(m_Command11), static_cast<QWidget *>(m_CloseButton),
                             static_cast<QWidget *>(m_Command9), static_cast<QWidget *>(m_Label19),
                             static_cast<QWidget *>(m_Label8), static_cast<QWidget *>(m_Text3)})
        MouseOver::watch(control, [this, control] { showHelp(ControlText::toolTip(control)); });
    MouseOver::watch(m_Text1, [this] { showHelp({m_Text1->text()}); });
    FocusNotice::watch(m_TabHilfe, [this] { m_bill->setFocus(Qt::TabFocusReason); });
}

void Logox4::load()
{
    m_WebBrowser1->refresh();
    m_choice->fill();
    m_bill->setFocus();
}

void Logox4::keyDown(int key)
{
    if (key == Qt::Key_Escape)
        unload<Logox4>();
}

void Logox4::unloadStep()
{
    m_Timer2->stop();
}

void Logox4::showStandardSpeaker()
{
    const LocalText caption = m_state.text(CountryTexts::StandardSprecher);
    ControlText::setCaption(m_Sp1, caption);
    m_standardSpeaker = caption.text;
}

void Logox4::showHelp(const LocalText &text)
{
    m_state.showHelpText(text);
}

void Logox4::Command9_Click()
{
    m_pattern->takeOver();
    m_Timer2->start();
}

void Logox4::Timer2_Timer()
{
    if (isUnloaded())
        return;
    focusControl(m_Text2);
    m_Timer2->stop();
    hide();
    // The main window puts the pattern in front of its translations.
    m_state.takeOverVoicePattern(
        VoicePattern::read(ProgramDirectory::file(VoicePattern::fileName())).value_or(QStringList()));
}
