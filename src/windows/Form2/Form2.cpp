#include "windows/Form2/Form2.h"

#include "localisation/StoredCountry.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FileListBox.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/Form2/CountryChoice.h"
#include "windows/Form2/CountryHover.h"
#include "windows/Form2/IniTestPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
using F = ControlFactory;
}

Form2::Form2(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Länderauswahl"));
    buildControls();
    buildPanel();
    buildMaintenance();

    CountryChoiceControls cc;
    cc.File1 = m_File1;
    cc.List1 = m_List1;
    cc.Frame1 = m_Frame1;
    cc.Text1 = m_Text1;
    cc.Command7 = m_Command7;
    cc.Command22 = m_Command22;
    cc.Command24 = m_Command24;
    cc.openHeight = Twips::toPixels(kOpenHeight - kFrameHeight);
    m_choice = new CountryChoice(*this, cc, state, this);
    connect(m_Command7, &QPushButton::clicked, m_choice, &CountryChoice::Command7_Click);
    connect(m_Command22, &QPushButton::clicked, m_choice, &CountryChoice::Command22_Click);
    connect(m_Command8, &QPushButton::clicked, this, [] { unload<Form2>(); });
    connect(m_Command24, &QPushButton::clicked, this, [this] { m_state.endProgram(); });

    CountryHoverControls hc;
    hc.start = m_Command7;
    hc.quit = m_Command8;
    hc.apply = m_Command22;
    hc.exit = m_Command24;
    hc.frame = m_Frame2;
    hc.files = m_File1;
    hc.stored = m_List1;
    new CountryHover(hc, state, this);

    wireMaintenance();
}

Form2::~Form2() = default;

void Form2::wireMaintenance()
{
    // Outside the visible area: the INI test panel and the maintenance buttons.
    IniPanelControls pc;
    pc.section = m_Text1;
    pc.values = {m_Text2, m_Text3, m_Text4, m_Text6, m_Text5};
    pc.write = m_Command1;
    pc.read = m_Command2;
    pc.deleteKey = m_Command3;
    pc.deleteSection = m_Command4;
    new IniTestPanel(
        pc, [this] { return m_choice->countryFile(); }, this);

    connect(m_Command23, &QPushButton::clicked, m_choice, &CountryChoice::Command23_Click);
    connect(m_Command16, &QPushButton::clicked, m_choice, &CountryChoice::Command16_Click);
    connect(m_Command17, &QPushButton::clicked, m_choice, &CountryChoice::Command17_Click);
    connect(m_Command6, &QPushButton::clicked, m_choice, &CountryChoice::Command6_Click);
    connect(m_Command18, &QPushButton::clicked, m_choice, &CountryChoice::Command18_Click);
    connect(m_Command12, &QPushButton::clicked, m_choice, &CountryChoice::Command12_Click);
    connect(m_Command11, &QPushButton::clicked, m_choice, &CountryChoice::Command11_Click);
    connect(m_Command20, &QPushButton::clicked, m_choice, &CountryChoice::Command20_Click);
    connect(m_Command10, &QPushButton::clicked, m_choice, &CountryChoice::Command10_Click);
    connect(m_Command21, &QPushButton::clicked, m_choice, &CountryChoice::Command21_Click);
    // The maintenance buttons that show a window by its name.
    const std::pair<QPushButton *, const char *> shows[] = {{m_Command15, WindowNames::kTray},
                                                            {m_Command14, WindowNames::kStarter},
                                                            {m_Command13, WindowNames::kHelp},
                                                            {m_Command9, WindowNames::kMain}};
    for (const auto &[button, name] : shows)
        connect(button, &QPushButton::clicked, this, [this, name] { m_state.openWindow(QLatin1String(name)); });
}

void Form2::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));

    m_Frame2 = F::make<QGroupBox>(this, "Frame2", 0, 0, 2775, 2895);
    m_Frame2->setTitle(QStringLiteral("Ihr Land wählen"));
    m_File1 = F::make<FileListBox>(m_Frame2, "File1", 120, 240, 2535, 1215);
    ControlText::set(m_File1, ControlText::Property::AccessibleName, m_state.text(CountryTexts::NameLaender));
    m_List1 = F::list(m_Frame2, "List1", 120, 1500, 2535, 285);
    ControlText::set(m_List1, ControlText::Property::AccessibleName, m_state.text(CountryTexts::NameGespeichertesLand));
    m_List1->addItem(StoredCountry::kDefaultCountry);

    m_Command7 = F::button(this, "Command7", QStringLiteral("Start >>"), 120, 1860, 1215, 375);
    Twips::setBackColor(m_Command7, Twips::color(VbColor::kGreen));
    m_Command8 = F::button(this, "Command8", QStringLiteral("Beenden X"), 1440, 1860, 1215, 375);
    Twips::setBackColor(m_Command8, Twips::color(VbColor::kWhite));
    // Lies over "Beenden X": hiding it uncovers that button.
    m_Command24 = F::button(this, "Command24", QString(), 1440, 1860, 1215, 375);
    ControlText::setCaption(m_Command24, m_state.text(CountryTexts::Exit));
    Twips::setBackColor(m_Command24, Twips::color(VbColor::kRed));
    m_Command22 = F::button(this, "Command22", QStringLiteral("Übernehmen ?"), 120, 2280, 2535, 375);
    Twips::setBackColor(m_Command22, Twips::color(VbColor::kWhite));
    m_Command22->hide();
}

void Form2::buildPanel()
{
    // Right of the visible area: the window is never wide enough to show it.
    m_Frame1 = F::make<QGroupBox>(this, "Frame1", 3000, 0, 3600, 2895);
    m_Frame1->setTitle(QStringLiteral("Ini Dateien"));
    m_Label3 = F::label(m_Frame1, "Label3", QStringLiteral("Section"), 120, 240, 900, 285);
    m_Text1 = F::field(m_Frame1, "Text1", QString(), 1080, 240, 2400, 285);
    m_Text2 = F::field(m_Frame1, "Text2", QString(), 120, 600, 1600, 285);
    m_Text3 = F::field(m_Frame1, "Text3", QString(), 120, 960, 1600, 285);
    m_Text4 = F::field(m_Frame1, "Text4", QString(), 120, 1320, 1600, 285);
    m_Text6 = F::field(m_Frame1, "Text6", QString(), 120, 1680, 1600, 285);
    m_Text5 = F::field(m_Frame1, "Text5", QString(), 120, 2040, 1600, 285);
    m_Text7 = F::field(m_Frame1, "Text7", QString(), 1880, 600, 1600, 285);
    m_Text9 = F::field(m_Frame1, "Text9", QString(), 1880, 960, 1600, 285);
    m_Text11 = F::field(m_Frame1, "Text11", QString(), 1880, 1320, 1600, 285);
    m_Text13 = F::field(m_Frame1, "Text13", QString(), 1880, 1680, 1600, 285);
    m_Text15 = F::field(m_Frame1, "Text15", QString(), 1880, 2040, 1600, 285);
    m_Command1 = F::button(m_Frame1, "Command1", QStringLiteral("Schreiben"), 120, 2400, 780, 375);
    m_Command2 = F::button(m_Frame1, "Command2", QStringLiteral("Lesen"), 960, 2400, 780, 375);
    m_Command3 = F::button(m_Frame1, "Command3", QStringLiteral("Key Löschen"), 1800, 2400, 780, 375);
    m_Command4 = F::button(m_Frame1, "Command4", QStringLiteral("Section löschen"), 2640, 2400, 840, 375);
}

void Form2::buildMaintenance()
{
    // Below the visible area, even when the window shows "Übernehmen ?".
    const int row1 = kOpenHeight + 300;
    const int row2 = row1 + 480;
    m_Command23 = F::button(this, "Command23", QStringLiteral("land einlesen"), 0, row1, 1200, 375);
    m_Command16 = F::button(this, "Command16", QStringLiteral("öffnen"), 1260, row1, 900, 375);
    m_Command17 = F::button(this, "Command17", QStringLiteral("speichern"), 2220, row1, 900, 375);
    m_Command6 = F::button(this, "Command6", QStringLiteral(">>"), 3180, row1, 600, 375);
    m_Command18 = F::button(this, "Command18", QStringLiteral("SendKeys"), 3840, row1, 900, 375);
    m_Command12 = F::button(this, "Command12", QStringLiteral("land-laden..."), 4800, row1, 1200, 375);
    m_Command11 = F::button(this, "Command11", QStringLiteral("laden"), 6060, row1, 900, 375);
    m_Command20 = F::button(this, "Command20", QStringLiteral("test laden"), 7020, row1, 1000, 375);
    m_Command10 = F::button(this, "Command10", QStringLiteral("refresch"), 0, row2, 900, 375);
    m_Command21 = F::button(this, "Command21", QStringLiteral("Command21"), 960, row2, 1000, 375);
    m_Command15 = F::button(this, "Command15", QStringLiteral("halmorix"), 2020, row2, 900, 375);
    m_Command14 = F::button(this, "Command14", QStringLiteral("starter"), 2980, row2, 900, 375);
    m_Command13 = F::button(this, "Command13", QStringLiteral("hilfe1"), 3940, row2, 900, 375);
    m_Command9 = F::button(this, "Command9", QStringLiteral("vodozaduda1"), 4900, row2, 1100, 375);
    m_Command5 = F::button(this, "Command5", QStringLiteral("sprecher"), 6060, row2, 900, 375);
    m_Command19 = F::button(this, "Command19", QStringLiteral("<<<"), 7020, row2, 600, 375);
}

void Form2::load()
{
    m_choice->load();
}

void Form2::keyDown(int key)
{
    if (key == Qt::Key_Escape)
        m_state.endProgram();
}

void Form2::open(Opening opening)
{
    show();
    raise();
    activateWindow();
    switch (opening) {
    case Opening::Start:
        break;
    case Opening::FromWindow:
        m_Command24->hide();
        break;
    case Opening::FirstRun:
        m_Command7->hide();
        m_Command24->hide();
        m_Command22->setEnabled(false);
        break;
    }
}

QString Form2::countryFile() const
{
    return m_choice->countryFile();
}

void Form2::Command12()
{
    m_choice->Command12_Click();
}
