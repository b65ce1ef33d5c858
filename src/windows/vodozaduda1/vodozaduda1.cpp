#include "windows/vodozaduda1/vodozaduda1.h"

#include "core/ProgramState.h"
#include "dictionary/DictionaryLanguages.h"
#include "shell/ClickLabel.h"
#include "shell/ControlActions.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FileListBox.h"
#include "shell/FontList.h"
#include "shell/Twips.h"
#include "shell/WindowHiding.h"
#include "windows/vodozaduda1/DictionaryCatalogue.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/FontChoice.h"
#include "windows/vodozaduda1/LetterOutput.h"
#include "windows/vodozaduda1/LetterWorkspace.h"
#include "windows/vodozaduda1/ListBrowsing.h"
#include "windows/vodozaduda1/MouseOverHelp.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/UnsavedLetter.h"
#include "windows/vodozaduda1/WordLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <limits>

namespace {
using F = ControlFactory;
using T = CountryTexts;
}

vodozaduda1::vodozaduda1(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("HX-Tolkarin"));
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    buildInputs();
    buildDictionaryPanel();
    buildButtons();
    buildLetterSide();
    buildStores();
    setTabOrder(m_c.Text3, m_c.Text1);

    wireDictionarySide();
    wireLetterSide();
    wireOtherWindows();
    m_hover = new MouseOverHelp(*this, m_c, {*m_browsing, *m_output}, state, this);
    connect(m_c.Command38, &QPushButton::clicked, m_hover, &MouseOverHelp::Command38_Click);
}

vodozaduda1::~vodozaduda1() = default;

void vodozaduda1::buildInputs()
{
    auto &c = m_c;
    // The input field first: it is first in the tab order, so a word typed as soon as the
    // window appears goes into it.
    c.Label10 = F::label(this, "Label10", QStringLiteral("1"), 0, 3480, 255, 375);
    c.Text3 = F::make<QLineEdit>(this, "Text3", 120, 3480, 4335, 375);
    ControlText::setToolTip(c.Text3, m_state.text(T::EingabeM));
    // The names the help texts give the fields, for screen readers.
    ControlText::set(c.Text3, ControlText::Property::AccessibleName, m_state.text(T::NameTextfeld1));
    Twips::setBackColor(c.Text3, Twips::color(VbColor::kYellow));
    c.Check1 = F::make<QCheckBox>(this, "Check1", 4560, 3480, 1215, 375);
    c.Check1->setText(QStringLiteral("< Focus"));
    c.Check1->setToolTip(QStringLiteral(
        "Den Fokus auf Textfeld 1 setzen nach Übersetzen mit Enter oder auf Textfeld 2 ! Unteres Textfeld 2 eignet "
        "sich um ganze Sätze im Wörterbuch zu finden! Geben Sie einfach die ersten Buchstaben ein, und schon wird "
        "eine alphabetische Liste verwandter und ähnlich geschriebener Wörter angezeigt."));
    c.Check1->setChecked(true);
    c.Label11 = F::label(this, "Label11", QStringLiteral("2"), 0, 3960, 255, 375);
    c.Text1 = F::make<QLineEdit>(this, "Text1", 120, 3960, 4335, 375);
    ControlText::setToolTip(c.Text1, m_state.text(T::EingabeM));
    ControlText::set(c.Text1, ControlText::Property::AccessibleName, m_state.text(T::NameTextfeld2));
    Twips::setBackColor(c.Text1, Twips::color(VbColor::kLightGrey));

    c.Label3 = F::label(this, "Label3", QStringLiteral("Land"), 240, 0, 2415, 255);
    c.Text2 = F::make<QLineEdit>(this, "Text2", 240, 180, 2415, 255);
    c.Text2->setText(QStringLiteral("Woerterbuch-Muster"));
    ControlText::setToolTip(c.Text2, m_state.text(T::WoerterbuchM));
    c.Command17 = F::button(this, "Command17", QStringLiteral("Wörterbuch.."), 2880, 120, 1575, 375);
    c.Command17->setToolTip(QStringLiteral("Land:.. Neues Wörterbuch laden  klicken Sie."));
    c.Command18 = F::button(this, "Command18", QStringLiteral("&Auswahl zu"), 2760, 120, 1695, 375);
    c.Command18->setToolTip(QStringLiteral("Auswahl zu"));
    c.Command18->hide();
    c.ProgressBar1 = F::make<QProgressBar>(this, "ProgressBar1", 240, 480, 2880, 210);
    c.ProgressBar1->setRange(0, 100);
    c.ProgressBar1->setValue(0);
    c.ProgressBar1->setTextVisible(false);
    ControlText::setToolTip(c.ProgressBar1, m_state.text(T::LadebalkenM));
    c.ProgressBar1->hide();
    c.Label9 = F::clickLabel(this, "Label9", QStringLiteral("X"), 3240, 480, 255, 255);
    c.Label9->setAlignment(Qt::AlignCenter);
    c.Check4 = F::make<QCheckBox>(this, "Check4", 3600, 480, 855, 255);
    c.Check4->setText(QStringLiteral("Ton"));
}

void vodozaduda1::buildDictionaryPanel()
{
    auto &c = m_c;
    c.Label4 = F::clickLabel(this, "Label4", QString(), 120, 840, 4335, 2415);
    c.Label4->setWordWrap(true);
    c.Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ControlText::setToolTip(c.Label4, m_state.text(T::BeschreibungM));
    // Under the description; the part lists, made later, lie over them.
    c.Label6 = F::clickLabel(this, "Label6", QStringLiteral("Beschreibung:"), 120, 3255, 1215, 225);
    c.Label7 = F::clickLabel(this, "Label7", QStringLiteral("2."), 1395, 3255, 255, 225);
    c.Label8 = F::clickLabel(this, "Label8", QStringLiteral("3."), 1710, 3255, 255, 225);
    c.Label5 = F::clickLabel(this, "Label5", QString(), 2025, 3255, 735, 225);
    ControlText::setCaption(c.Label5, m_state.text(T::Mehr));
    for (int k = 0; k < 4; ++k) {
        c.Lists[k] = F::make<PartList>(this, "", 120, 720, 4335, 2790);
        c.Lists[k]->setObjectName(QStringLiteral("List%1").arg(k + 1));
        ControlText::set(c.Lists[k], ControlText::Property::AccessibleName,
                         m_state.text(T::Id(T::NameTeil1 + k)));
    }
    c.Frame1 = F::make<QGroupBox>(this, "Frame1", 120, 720, 4335, 2775);
    c.Frame1->setTitle(QStringLiteral("Wörterbuch - Länder Auswahl"));
    // The panel lies over the part lists and must hide them.
    c.Frame1->setAutoFillBackground(true);
    c.Frame1->hide();
    c.File1 = F::make<FileListBox>(c.Frame1, "File1", 120, 240, 2535, 2250);
    c.File1->setPattern(QStringLiteral("*.txt"));
    ControlText::set(c.File1, ControlText::Property::AccessibleName, m_state.text(T::NameWoerterbuecher));
    c.Label2 = F::label(
        c.Frame1, "Label2",
        QStringLiteral("Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !"),
        2760, 240, 1455, 1335);
    c.Label2->setWordWrap(true);
    c.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.Command44 = F::button(c.Frame1, "Command44", QStringLiteral("<< [ öffnen ]"), 2760, 1600, 1455, 300);
    c.Command14 = F::button(c.Frame1, "Command14", QStringLiteral("< < <  OK ]"), 2760, 1920, 1455, 375);
    c.Command14->setToolTip(QStringLiteral("lade...OK"));
    c.Command14->hide();
    c.Command45 = F::button(c.Frame1, "Command45", QStringLiteral("Land-Einstellung"), 2760, 2280, 1455, 255);
}

void vodozaduda1::buildButtons()
{
    auto &c = m_c;
    c.Command2 = F::button(this, "Command2", QStringLiteral("&EXIT"), 4560, 3960, 1215, 375);
    c.Command2->setToolTip(QStringLiteral("[EXIT].. Fenster schließen"));
    c.Text5 = F::make<QLineEdit>(this, "Text5", 120, 4440, 4335, 375);
    c.Text5->setReadOnly(true);
    ControlText::set(c.Text5, ControlText::Property::AccessibleName, m_state.text(T::NameEintrag));
    // An entry of any length, so that the whole of it is split and spoken.
    c.Text5->setMaxLength(std::numeric_limits<int>::max());
    c.Command43 = F::button(this, "Command43", QStringLiteral("verstecken"), 4560, 4440, 1215, 375);

    // The letter side, seen only in the wide window.
    c.Command29 = F::button(this, "Command29", QStringLiteral("< &Auswahl aufnehmen"), 5880, 4440, 2295, 375);
    c.Command29->setToolTip(QStringLiteral("Liste Auswahl in Brief-Textfeld übernehmen"));

    c.Check2 = F::make<QCheckBox>(this, "Check2", 4560, 120, 1215, 255);
    c.Check2->setText(QStringLiteral("schreiben"));
    c.Check2->setToolTip(QStringLiteral("Übersetzte Worte sammeln um einen Brief zu schreiben"));
    c.Check3 = F::make<QCheckBox>(this, "Check3", 4560, 480, 1215, 255);
    c.Check3->setText(QStringLiteral("&Stimme   "));
    c.Command28 = F::button(this, "Command28", QStringLiteral("S&timme     "), 4560, 840, 1215, 315);
    c.Command28->setToolTip(QStringLiteral("Neues Stimmuster erstellen "));
    c.Command41 = F::button(this, "Command41", QStringLiteral("Sprecher   "), 4560, 1200, 1215, 315);
    c.Command41->setToolTip(QStringLiteral("Sprecher"));
    c.Command46 = F::button(this, "Command46", QStringLiteral("Hilfe"), 4560, 1560, 1215, 315);
    c.Combo1 = F::make<QComboBox>(this, "Combo1", 4560, 3000, 1215, 315);
    c.Combo1->setEditable(true);
    c.Combo1->setToolTip(QStringLiteral("Schrift Type auswählen"));
    Twips::setBackColor(c.Combo1, Twips::color(VbColor::kLightYellow));
    // Toggle buttons: "<" gives the chosen face to the input fields, "^" to the letter above.
    c.Check5 = F::button(this, "Check5", QStringLiteral("<"), 10425, 4440, 480, 375);
    c.Check6 = F::button(this, "Check6", QStringLiteral("^"), 10935, 4440, 480, 375);
    // Their captions are arrows; a screen reader says what they point at.
    ControlText::set(c.Check5, ControlText::Property::AccessibleName, m_state.text(T::NameSchriftEingabe));
    ControlText::set(c.Check6, ControlText::Property::AccessibleName, m_state.text(T::NameSchriftBrief));
    for (QPushButton *target : {c.Check5, c.Check6}) {
        target->setCheckable(true);
        Twips::setBackColor(target, Twips::color(VbColor::kLightYellow));
    }
}

void vodozaduda1::buildLetterSide()
{
    // The right half of the wide window.
    auto &c = m_c;
    c.Text6 = F::make<QPlainTextEdit>(this, "Text6", 5880, 480, 5535, 3975);
    ControlText::set(c.Text6, ControlText::Property::AccessibleName, m_state.text(T::NameBrief));
    c.Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the letter for the next control instead of writing a tab into it.
    c.Text6->setTabChangesFocus(true);
    c.Text6->setFont(FontList::withFace(QFont(QString(), 12), FontList::kDesignFace));
    Twips::setBackColor(c.Text6, Twips::color(VbColor::kYellow));
    c.Command22 = F::button(this, "Command22", QStringLiteral("&1;"), 5880, 60, 495, 375);
    c.Command22->setToolTip(QStringLiteral("Liest erstes Wort der Auswahl. "));
    c.Command24 = F::button(this, "Command24", QStringLiteral("&2;"), 6435, 60, 495, 375);
    c.Command24->setToolTip(QStringLiteral("Liest zweites Wort der Auswahl. Oder Pfeiltaste rechts."));
    c.Command26 = F::button(this, "Command26", QStringLiteral("&3"), 6990, 60, 495, 375);
    c.Command26->setToolTip(QStringLiteral("Liest drittes Wort"));
    c.Command27 = F::button(this, "Command27", QStringLiteral("< 1&+2"), 7545, 60, 855, 375);
    c.Command27->setToolTip(QStringLiteral("Liest erstes und zweites Wort der Auswahl"));
    c.Command23 = F::button(this, "Command23", QStringLiteral("< lese"), 8460, 60, 855, 375);
    c.Command23->setToolTip(QStringLiteral("Liest gesamte Auswahl"));
    c.Command33 = F::button(this, "Command33", QString(), 9375, 60, 375, 375);
    // A picture button: without a picture it would stand empty.
    c.Command33->setIcon(QIcon::fromTheme(QStringLiteral("edit-clear"), style()->standardIcon(QStyle::SP_TrashIcon)));
    c.Command33->setToolTip(QStringLiteral("Lösche Brief-Textfeld"));
    Twips::setBackColor(c.Command33, Twips::color(VbColor::kRed));
    c.Command36 = F::button(this, "Command36", QString(), 9795, 60, 345, 375);
    c.Command36->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    c.Command36->setToolTip(QStringLiteral("Text speichern unter..?"));
    c.Command37 = F::button(this, "Command37", QStringLiteral("Speichern"), 10155, 60, 915, 375);
    c.Command37->setToolTip(QStringLiteral("Text speichern"));
    c.Command31 = F::button(this, "Command31", QString(), 11085, 60, 330, 375);
    c.Command31->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    c.Command31->setToolTip(QStringLiteral("Text ausdrucken"));
    for (QPushButton *picture : {c.Command36, c.Command31})
        Twips::setBackColor(picture, Twips::color(VbColor::kWhite));
    c.Command32 = F::button(this, "Command32", QStringLiteral("Lesen"), 8235, 4440, 1095, 375);
    c.Command32->setToolTip(QStringLiteral("Brief-Textfeld vorlesen lassen [F7]."));
    c.Command47 = F::button(this, "Command47", QStringLiteral("Stop"), 9390, 4440, 975, 375);
    c.Command19 = F::button(this, "Command19", QString(), 4560, 2040, 1215, 375);
    ControlText::setCaption(c.Command19, m_state.text(T::Hoch));
    ControlText::setToolTip(c.Command19, m_state.text(T::HochM));
    c.Command20 = F::button(this, "Command20", QString(), 4560, 2520, 1215, 375);
    ControlText::setCaption(c.Command20, m_state.text(T::Runter));
    ControlText::setToolTip(c.Command20, m_state.text(T::RunterM));
}

void vodozaduda1::buildStores()
{
    // Below the visible area: the user never sees them, but the field list and the voice list
    // take the focus in the middle of a translation, as the design has it.
    auto &c = m_c;
    const int below = kClientHeight + 600;
    c.List5 = F::make<QListWidget>(this, "List5", 2200, below, 1500, 600);
    c.List6 = F::make<QListWidget>(this, "List6", 3800, below, 1500, 600);
    c.Command38 = F::button(this, "Command38", QString(), 7500, below, 1200, 375);
    ControlText::setCaption(c.Command38, m_state.text(T::Beispiel));
    c.Command48 = F::button(this, "Command48", QStringLiteral("schrift"), 8800, below, 900, 375);

    c.Timer4 = new QTimer(this);
    c.Timer4->setObjectName(QStringLiteral("Timer4"));
    c.Timer4->setInterval(1000);
    c.Timer4->setSingleShot(true);
}

void vodozaduda1::wireDictionarySide()
{
    const auto &c = m_c;
    m_lookup = new WordLookup(*this,
                              {.text3 = c.Text3,
                               .text1 = c.Text1,
                               .text5 = c.Text5,
                               .lists = c.Lists,
                               .list5 = c.List5,
                               .list6 = c.List6,
                               .check1 = c.Check1,
                               .check2 = c.Check2,
                               .label10 = c.Label10,
                               .label11 = c.Label11,
                               .label4 = c.Label4},
                              m_state, this);
    m_loading = new DictionaryLoading(c.Text2, c.Lists, c.ProgressBar1, m_state, this);
    connect(m_loading, &DictionaryLoading::wordFormsLoaded, m_lookup, &WordLookup::setWordForms);
    m_browsing = new ListBrowsing(*this, *m_lookup, c.Text3, c.Lists, this);
    m_catalogue = new DictionaryCatalogue(*this,
                                          {.text2 = c.Text2,
                                           .label3 = c.Label3,
                                           .frame1 = c.Frame1,
                                           .file1 = c.File1,
                                           .command14 = c.Command14,
                                           .command17 = c.Command17,
                                           .command18 = c.Command18,
                                           .command44 = c.Command44,
                                           .progressBar1 = c.ProgressBar1,
                                           .text3 = c.Text3},
                                          *m_loading, m_state, this);
    connect(c.Command29, &QPushButton::clicked, m_lookup, &WordLookup::Command29_Click);
    connect(c.Label9, &ClickLabel::clicked, m_browsing, &ListBrowsing::Label9_Click);
    connect(c.Command19, &QPushButton::clicked, m_browsing, &ListBrowsing::Command19_Click);
    connect(c.Command20, &QPushButton::clicked, m_browsing, &ListBrowsing::Command20_Click);

    // The name field says which dictionary is loaded; the languages of its sides follow it.
    const auto named = [this] {
        const QString name = m_c.Text2->text();
        const DictionaryLanguages pair = DictionaryLanguages::of(name);
        m_state.setDictionary(name, pair.source, pair.target);
    };
    connect(c.Text2, &QLineEdit::textChanged, this, named);
    named();

    // "Ton" shows the sound switch every window shares.
    c.Check4->setChecked(m_state.isMuted());
    connect(c.Check4, &QCheckBox::toggled, &m_state, &ProgramState::setMuted);
    connect(&m_state, &ProgramState::mutedChanged, c.Check4, &QCheckBox::setChecked);
}

void vodozaduda1::wireLetterSide()
{
    const auto &c = m_c;
    m_letter = new LetterWorkspace(*this,
                                   {.text6 = c.Text6,
                                    .check2 = c.Check2,
                                    .check3 = c.Check3,
                                    .text3 = c.Text3,
                                    .text5 = c.Text5,
                                    .list5 = c.List5,
                                    .list6 = c.List6,
                                    .label4 = c.Label4,
                                    .timer4 = c.Timer4},
                                   *m_lookup, m_state, this);
    connect(c.Command32, &QPushButton::clicked, m_letter, &LetterWorkspace::Command32_Click);
    connect(c.Command47, &QPushButton::clicked, m_letter, &LetterWorkspace::Command47_Click);
    connect(c.Command33, &QPushButton::clicked, m_letter, &LetterWorkspace::Command33_Click);
    connect(c.Command22, &QPushButton::clicked, m_letter, &LetterWorkspace::Command22_Click);
    connect(c.Command24, &QPushButton::clicked, m_letter, &LetterWorkspace::Command24_Click);
    connect(c.Command26, &QPushButton::clicked, m_letter, &LetterWorkspace::Command26_Click);
    connect(c.Command27, &QPushButton::clicked, m_letter, &LetterWorkspace::Command27_Click);
    connect(c.Command23, &QPushButton::clicked, m_letter, &LetterWorkspace::Command23_Click);
    connect(c.Label4, &ClickLabel::doubleClicked, m_letter, &LetterWorkspace::Label4_DblClick);

    m_output = new LetterOutput({.window = this,
                                 .text6 = c.Text6,
                                 .text3 = c.Text3,
                                 .command36 = c.Command36,
                                 .command37 = c.Command37,
                                 .command31 = c.Command31},
                                m_state, this);
    m_unsaved = new UnsavedLetter(c.Text6, c.Check2, m_state, this);
    connect(m_output, &LetterOutput::saved, m_unsaved, &UnsavedLetter::saved);
    connect(c.Command33, &QPushButton::clicked, m_unsaved, &UnsavedLetter::dropped);

    m_fonts = new FontChoice({.combo1 = c.Combo1,
                              .check5 = c.Check5,
                              .check6 = c.Check6,
                              .command48 = c.Command48,
                              .text3 = c.Text3,
                              .text1 = c.Text1,
                              .text6 = c.Text6},
                             m_state, this);
}

void vodozaduda1::wireOtherWindows()
{
    using Opening = ProgramState::Opening;
    const auto &c = m_c;
    connect(c.Command41, &QPushButton::clicked, this, [this] { m_state.openWindow(WindowNames::kSpeaker); });
    connect(c.Command28, &QPushButton::clicked, this,
            [this] { m_state.openWindow(WindowNames::kSettings, Opening::BringBack); });
    connect(c.Command46, &QPushButton::clicked, this, [this] { m_state.showHelpWindow(); });
    connect(c.Command45, &QPushButton::clicked, this,
            [this] { m_state.openCountryWindow(ProgramState::CountryOpening::FromWindow); });
    connect(c.Command2, &QPushButton::clicked, this, &vodozaduda1::Command2);
    connect(c.Command43, &QPushButton::clicked, this, [this] { WindowHiding::hide(*this, m_state.hasTrayIcon()); });
    connect(c.Timer4, &QTimer::timeout, this, [this] {
        focusControl(m_c.Text3);
        m_c.Timer4->stop();
    });
}

void vodozaduda1::load()
{
    m_fonts->fill();
    m_loading->Command5_Click();
    for (PartList *list : m_c.Lists)
        list->hide();
    m_c.File1->setPath(DictionaryCatalogue::folder());
    m_c.Frame1->hide();
    m_c.Command37->setEnabled(false);
    m_c.List6->addItem(QStringLiteral("#Standard Sprecher#"));
    m_c.Command38->click();
    m_unsaved->restore();
    // Shown so that its speech page is loaded.
    m_state.openWindow(WindowNames::kSpeaker);
    m_c.Timer4->start();
}

void vodozaduda1::unloadStep()
{
    // Before any window goes: a letter not saved yet is kept for the next start.
    m_unsaved->keep();
    // Closing the main window ends the program, through the speaker window's end button.
    m_state.endProgram(ProgramState::Ending::SpeakerWindowFirst);
}

void vodozaduda1::programEnds()
{
    // Ended from another window (the speaker window, the country window, the tray).
    m_unsaved->keep();
}

void vodozaduda1::Command5()
{
    m_loading->Command5_Click();
}

void vodozaduda1::Command42(const QStringList &pattern)
{
    m_letter->takeOverVoices(pattern);
}

void vodozaduda1::Command2()
{
    close();
}

bool vodozaduda1::arrowsStayWithTheControl() const
{
    // The letter moves its caret, the open dictionary panel marks its files.
    const QWidget *focus = focusWidget();
    return focus && (focus == m_c.Text6 || m_c.Frame1->isAncestorOf(focus));
}

void vodozaduda1::keyDown(int key)
{
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && arrowsStayWithTheControl())
        return;
    switch (key) {
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_F7:
        m_letter->readLetterKey();
        break;
    case Qt::Key_Left:
        m_letter->Command22_Click();
        if (!pause(0.4))
            return;
        m_browsing->ListenFokussieren();
        sendKey(this, Qt::Key_Down);
        break;
    case Qt::Key_Right:
        m_letter->Command24_Click();
        if (!pause(0.4))
            return;
        m_browsing->ListenFokussieren();
        sendKey(this, Qt::Key_Up);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_browsing->ListenFokussieren();
        break;
    default:
        break;
    }
}
