#include "dictionary/vodozaduda1.h"

#include "app/ClickLabel.h"
#include "app/ControlActions.h"
#include "app/ControlFactory.h"
#include "app/FontList.h"
#include "app/FormRegistry.h"
#include "app/Twips.h"
#include "dictionary/DictionaryCatalogue.h"
#include "dictionary/DictionaryLoading.h"
#include "dictionary/FileListBox.h"
#include "dictionary/ListBrowsing.h"
#include "dictionary/PartList.h"
#include "dictionary/WordLookup.h"
#include "localisation/Form2.h"
#include "speech/Logox4.h"
#include "speech/hilfe1.h"
#include "workspace/FontChoice.h"
#include "workspace/Form1.h"
#include "workspace/LetterOutput.h"
#include "workspace/LetterWorkspace.h"
#include "workspace/MouseOverHelp.h"
#include "workspace/UnsavedLetter.h"
#include "workspace/WindowHiding.h"

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
}

vodozaduda1::vodozaduda1(QWidget *parent) : Form(parent)
{
    setWindowTitle(QStringLiteral("HX-Tolkarin"));
    buildControls();

    LookupControls c;
    c.text2 = m_Text2;
    c.text3 = m_Text3;
    c.text1 = m_Text1;
    c.text4 = m_Text4;
    c.text5 = m_Text5;
    c.lists = m_Lists;
    c.list5 = m_List5;
    c.list6 = m_List6;
    c.check1 = m_Check1;
    c.check2 = m_Check2;
    c.check4 = m_Check4;
    c.label10 = m_Label10;
    c.label11 = m_Label11;
    c.label4 = m_Label4;
    m_lookup = new WordLookup(*this, c, this);
    m_loading = new DictionaryLoading(m_Text2, m_Lists, m_ProgressBar1, this);
    connect(m_loading, &DictionaryLoading::wordFormsLoaded, m_lookup, &WordLookup::setWordForms);
    m_browsing = new ListBrowsing(*this, *m_lookup, m_Text3, m_Lists, this);

    CatalogueControls cc;
    cc.text2 = m_Text2;
    cc.label3 = m_Label3;
    cc.frame1 = m_Frame1;
    cc.file1 = m_File1;
    cc.command14 = m_Command14;
    cc.command17 = m_Command17;
    cc.command18 = m_Command18;
    cc.command44 = m_Command44;
    cc.progressBar1 = m_ProgressBar1;
    cc.text3 = m_Text3;
    m_catalogue = new DictionaryCatalogue(*this, cc, *m_loading, this);

    LetterControls lc;
    lc.text6 = m_Text6;
    lc.check2 = m_Check2;
    lc.check3 = m_Check3;
    lc.check4 = m_Check4;
    lc.text3 = m_Text3;
    lc.text4 = m_Text4;
    lc.text5 = m_Text5;
    lc.list5 = m_List5;
    lc.list6 = m_List6;
    lc.label4 = m_Label4;
    lc.timer4 = m_Timer4;
    m_letter = new LetterWorkspace(*this, lc, *m_lookup, this);
    connect(m_Command32, &QPushButton::clicked, m_letter, &LetterWorkspace::Command32_Click);
    connect(m_Command47, &QPushButton::clicked, m_letter, &LetterWorkspace::Command47_Click);
    connect(m_Command33, &QPushButton::clicked, m_letter, &LetterWorkspace::Command33_Click);
    connect(m_Command22, &QPushButton::clicked, m_letter, &LetterWorkspace::Command22_Click);
    connect(m_Command24, &QPushButton::clicked, m_letter, &LetterWorkspace::Command24_Click);
    connect(m_Command26, &QPushButton::clicked, m_letter, &LetterWorkspace::Command26_Click);
    connect(m_Command27, &QPushButton::clicked, m_letter, &LetterWorkspace::Command27_Click);
    connect(m_Command23, &QPushButton::clicked, m_letter, &LetterWorkspace::Command23_Click);
    connect(m_Label4, &ClickLabel::doubleClicked, m_letter, &LetterWorkspace::Label4_DblClick);
    connect(m_Command41, &QPushButton::clicked, this, [] {
        if (Form1 *speaker = form<Form1>())
            speaker->show();
    });
    connect(m_Command28, &QPushButton::clicked, this, [] {
        if (Logox4 *settings = form<Logox4>()) {
            settings->show();
            settings->activateWindow();
        }
    });
    connect(m_Command46, &QPushButton::clicked, this, [] {
        if (hilfe1 *help = form<hilfe1>())
            help->showPlaced();
    });

    connect(m_Command45, &QPushButton::clicked, this, [] {
        if (Form2 *country = form<Form2>())
            country->open(Form2::Opening::FromWindow);
    });
    connect(m_Command29, &QPushButton::clicked, m_lookup, &WordLookup::Command29_Click);
    connect(m_Label9, &ClickLabel::clicked, m_browsing, &ListBrowsing::Label9_Click);
    connect(m_Command19, &QPushButton::clicked, m_browsing, &ListBrowsing::Command19_Click);
    connect(m_Command20, &QPushButton::clicked, m_browsing, &ListBrowsing::Command20_Click);
    LetterOutputControls oc;
    oc.window = this;
    oc.text6 = m_Text6;
    oc.text7 = m_Text7;
    oc.text3 = m_Text3;
    oc.command36 = m_Command36;
    oc.command37 = m_Command37;
    oc.command31 = m_Command31;
    m_output = new LetterOutput(oc, this);
    m_unsaved = new UnsavedLetter(m_Text6, m_Check2, this);
    connect(m_output, &LetterOutput::saved, m_unsaved, &UnsavedLetter::saved);
    connect(m_Command33, &QPushButton::clicked, m_unsaved, &UnsavedLetter::dropped);

    FontChoiceControls fc;
    fc.combo1 = m_Combo1;
    fc.check5 = m_Check5;
    fc.check6 = m_Check6;
    fc.command48 = m_Command48;
    fc.text3 = m_Text3;
    fc.text1 = m_Text1;
    fc.text6 = m_Text6;
    m_fonts = new FontChoice(fc, this);

    m_hover = new MouseOverHelp(*this, *m_browsing, this);
    connect(m_Command38, &QPushButton::clicked, m_hover, &MouseOverHelp::Command38_Click);

    connect(m_Command2, &QPushButton::clicked, this, &vodozaduda1::Command2);
    connect(m_Command43, &QPushButton::clicked, this, [this] { WindowHiding::hide(*this); });
    connect(m_Timer4, &QTimer::timeout, this, [this] {
        focusControl(m_Text3);
        m_Timer4->stop();
    });
}

vodozaduda1::~vodozaduda1() = default;

void vodozaduda1::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));

    // The input field first: it is first in the tab order, so a word typed as soon as the
    // window appears goes into it.
    m_Label10 = F::label(this, "Label10", QStringLiteral("1"), 0, 3480, 255, 375);
    m_Text3 = F::make<QLineEdit>(this, "Text3", 120, 3480, 4335, 375);
    m_Text3->setToolTip(QStringLiteral("Mit Enter übersetzen"));
    // The names the help texts give the fields, for screen readers.
    m_Text3->setAccessibleName(QStringLiteral("Textfeld 1"));
    Twips::setBackColor(m_Text3, Twips::color(VbColor::kYellow));
    m_Check1 = F::make<QCheckBox>(this, "Check1", 4560, 3480, 1215, 375);
    m_Check1->setText(QStringLiteral("< Focus"));
    m_Check1->setToolTip(QStringLiteral(
        "Den Fokus auf Textfeld 1 setzen nach Übersetzen mit Enter oder auf Textfeld 2 ! Unteres Textfeld 2 eignet "
        "sich um ganze Sätze im Wörterbuch zu finden! Geben Sie einfach die ersten Buchstaben ein, und schon wird "
        "eine alphabetische Liste verwandter und ähnlich geschriebener Wörter angezeigt."));
    m_Check1->setChecked(true);
    m_Label11 = F::label(this, "Label11", QStringLiteral("2"), 0, 3960, 255, 375);
    m_Text1 = F::make<QLineEdit>(this, "Text1", 120, 3960, 4335, 375);
    m_Text1->setToolTip(QStringLiteral("Mit Enter übersetzen"));
    m_Text1->setAccessibleName(QStringLiteral("Textfeld 2"));
    Twips::setBackColor(m_Text1, Twips::color(VbColor::kLightGrey));

    m_Label3 = F::label(this, "Label3", QStringLiteral("Land"), 240, 0, 2415, 255);
    m_Text2 = F::make<QLineEdit>(this, "Text2", 240, 180, 2415, 255);
    m_Text2->setText(QStringLiteral("Woerterbuch-Muster"));
    m_Text2->setToolTip(QStringLiteral("Geladenes Woerterbuch-Anzeige"));
    m_Command17 = F::button(this, "Command17", QStringLiteral("Wörterbuch.."), 2880, 120, 1575, 375);
    m_Command17->setToolTip(QStringLiteral("Land:.. Neues Wörterbuch laden  klicken Sie."));
    m_Command18 = F::button(this, "Command18", QStringLiteral("&Auswahl zu"), 2760, 120, 1695, 375);
    m_Command18->setToolTip(QStringLiteral("Auswahl zu"));
    m_Command18->hide();
    m_ProgressBar1 = F::make<QProgressBar>(this, "ProgressBar1", 240, 480, 2880, 210);
    m_ProgressBar1->setRange(0, 100);
    m_ProgressBar1->setValue(0);
    m_ProgressBar1->setTextVisible(false);
    m_ProgressBar1->setToolTip(QStringLiteral("Lade Balken"));
    m_ProgressBar1->hide();
    m_Label9 = F::clickLabel(this, "Label9", QStringLiteral("X"), 3240, 480, 255, 255);
    m_Label9->setAlignment(Qt::AlignCenter);
    m_Check4 = F::make<QCheckBox>(this, "Check4", 3600, 480, 855, 255);
    m_Check4->setText(QStringLiteral("Ton"));

    m_Label4 = F::clickLabel(this, "Label4", QString(), 120, 840, 4335, 2415);
    m_Label4->setWordWrap(true);
    m_Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Label4->setToolTip(QStringLiteral("Mit Doppelklick Hilfetext vorlesen lassen"));
    // Under the description; the part lists, made later, lie over them.
    m_Label6 = F::clickLabel(this, "Label6", QStringLiteral("Beschreibung:"), 120, 3255, 1215, 225);
    m_Label7 = F::clickLabel(this, "Label7", QStringLiteral("2."), 1395, 3255, 255, 225);
    m_Label8 = F::clickLabel(this, "Label8", QStringLiteral("3."), 1710, 3255, 255, 225);
    m_Label5 = F::clickLabel(this, "Label5", QStringLiteral("mehr>>"), 2025, 3255, 735, 225);
    for (int k = 0; k < 4; ++k) {
        m_Lists[k] = F::make<PartList>(this, "", 120, 720, 4335, 2790);
        m_Lists[k]->setObjectName(QStringLiteral("List%1").arg(k + 1));
    }
    m_Frame1 = F::make<QGroupBox>(this, "Frame1", 120, 720, 4335, 2775);
    m_Frame1->setTitle(QStringLiteral("Wörterbuch - Länder Auswahl"));
    // The panel lies over the part lists and must hide them.
    m_Frame1->setAutoFillBackground(true);
    m_Frame1->hide();
    m_File1 = F::make<FileListBox>(m_Frame1, "File1", 120, 240, 2535, 2250);
    m_File1->setPattern(QStringLiteral("*.txt"));
    m_Label2 = F::label(
        m_Frame1, "Label2",
        QStringLiteral("Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !"),
        2760, 240, 1455, 1335);
    m_Label2->setWordWrap(true);
    m_Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Command44 = F::button(m_Frame1, "Command44", QStringLiteral("<< [ öffnen ]"), 2760, 1600, 1455, 300);
    m_Command14 = F::button(m_Frame1, "Command14", QStringLiteral("< < <  OK ]"), 2760, 1920, 1455, 375);
    m_Command14->setToolTip(QStringLiteral("lade...OK"));
    m_Command14->hide();
    m_Command45 = F::button(m_Frame1, "Command45", QStringLiteral("Land-Einstellung"), 2760, 2280, 1455, 255);

    m_Command2 = F::button(this, "Command2", QStringLiteral("&EXIT"), 4560, 3960, 1215, 375);
    m_Command2->setToolTip(QStringLiteral("[EXIT].. Fenster schließen"));
    m_Text5 = F::make<QLineEdit>(this, "Text5", 120, 4440, 4335, 375);
    m_Text5->setReadOnly(true);
    // An entry of any length, so that the whole of it is split and spoken.
    m_Text5->setMaxLength(std::numeric_limits<int>::max());
    m_Command43 = F::button(this, "Command43", QStringLiteral("verstecken"), 4560, 4440, 1215, 375);

    // The letter side, seen only in the wide window.
    m_Command29 = F::button(this, "Command29", QStringLiteral("< &Auswahl aufnehmen"), 5880, 4440, 2295, 375);
    m_Command29->setToolTip(QStringLiteral("Liste Auswahl in Brief-Textfeld übernehmen"));
    m_Check2 = F::make<QCheckBox>(this, "Check2", 4560, 120, 1215, 255);
    m_Check2->setText(QStringLiteral("schreiben"));
    m_Check2->setToolTip(QStringLiteral("Übersetzte Worte sammeln um einen Brief zu schreiben"));
    m_Check3 = F::make<QCheckBox>(this, "Check3", 4560, 480, 1215, 255);
    m_Check3->setText(QStringLiteral("&Stimme   "));
    m_Command28 = F::button(this, "Command28", QStringLiteral("S&timme     "), 4560, 840, 1215, 315);
    m_Command28->setToolTip(QStringLiteral("Neues Stimmuster erstellen "));
    m_Command41 = F::button(this, "Command41", QStringLiteral("Sprecher   "), 4560, 1200, 1215, 315);
    m_Command41->setToolTip(QStringLiteral("Sprecher"));
    m_Command46 = F::button(this, "Command46", QStringLiteral("Hilfe"), 4560, 1560, 1215, 315);
    m_Combo1 = F::make<QComboBox>(this, "Combo1", 4560, 3000, 1215, 315);
    m_Combo1->setEditable(true);
    m_Combo1->setToolTip(QStringLiteral("Schrift Type auswählen"));
    Twips::setBackColor(m_Combo1, Twips::color(VbColor::kLightYellow));
    // Toggle buttons: "<" gives the chosen face to the input fields, "^" to the letter above.
    m_Check5 = F::button(this, "Check5", QStringLiteral("<"), 10425, 4440, 480, 375);
    m_Check6 = F::button(this, "Check6", QStringLiteral("^"), 10935, 4440, 480, 375);
    for (QPushButton *target : {m_Check5, m_Check6}) {
        target->setCheckable(true);
        Twips::setBackColor(target, Twips::color(VbColor::kLightYellow));
    }

    // The letter side, right half of the wide window.
    m_Text6 = F::make<QPlainTextEdit>(this, "Text6", 5880, 480, 5535, 3975);
    m_Text6->setAccessibleName(QStringLiteral("Brief"));
    m_Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Text6->setFont(FontList::withFace(QFont(QString(), 12), FontChoice::kDesignFace));
    Twips::setBackColor(m_Text6, Twips::color(VbColor::kYellow));
    m_Command22 = F::button(this, "Command22", QStringLiteral("&1;"), 5880, 60, 495, 375);
    m_Command22->setToolTip(QStringLiteral("Liest erstes Wort der Auswahl. "));
    m_Command24 = F::button(this, "Command24", QStringLiteral("&2;"), 6435, 60, 495, 375);
    m_Command24->setToolTip(QStringLiteral("Liest zweites Wort der Auswahl. Oder Pfeiltaste rechts."));
    m_Command26 = F::button(this, "Command26", QStringLiteral("&3"), 6990, 60, 495, 375);
    m_Command26->setToolTip(QStringLiteral("Liest drittes Wort"));
    m_Command27 = F::button(this, "Command27", QStringLiteral("< 1&+2"), 7545, 60, 855, 375);
    m_Command27->setToolTip(QStringLiteral("Liest erstes und zweites Wort der Auswahl"));
    m_Command23 = F::button(this, "Command23", QStringLiteral("< lese"), 8460, 60, 855, 375);
    m_Command23->setToolTip(QStringLiteral("Liest gesamte Auswahl"));
    m_Command33 = F::button(this, "Command33", QString(), 9375, 60, 375, 375);
    m_Command33->setToolTip(QStringLiteral("Lösche Brief-Textfeld"));
    Twips::setBackColor(m_Command33, Twips::color(VbColor::kRed));
    m_Command36 = F::button(this, "Command36", QString(), 9795, 60, 345, 375);
    m_Command36->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_Command36->setToolTip(QStringLiteral("Text speichern unter..?"));
    m_Command37 = F::button(this, "Command37", QStringLiteral("Speichern"), 10155, 60, 915, 375);
    m_Command37->setToolTip(QStringLiteral("Text speichern"));
    m_Command31 = F::button(this, "Command31", QString(), 11085, 60, 330, 375);
    m_Command31->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    m_Command31->setToolTip(QStringLiteral("Text ausdrucken"));
    for (QPushButton *picture : {m_Command36, m_Command31})
        Twips::setBackColor(picture, Twips::color(VbColor::kWhite));
    m_Command32 = F::button(this, "Command32", QStringLiteral("Lesen"), 8235, 4440, 1095, 375);
    m_Command32->setToolTip(QStringLiteral("Brief-Textfeld vorlesen lassen [F7]."));
    m_Command47 = F::button(this, "Command47", QStringLiteral("Stop"), 9390, 4440, 975, 375);
    m_Command19 = F::button(this, "Command19", QStringLiteral("<< hoch"), 4560, 2040, 1215, 375);
    m_Command19->setToolTip(QStringLiteral("Auswahl hoch. Oder Pfeiltaste hoch."));
    m_Command20 = F::button(this, "Command20", QStringLiteral("<< runter"), 4560, 2520, 1215, 375);
    m_Command20->setToolTip(QStringLiteral("Auswahl runter. Oder Pfeiltaste runter."));

    // Stores below the visible area: they exist and can take the focus, the user never sees them.
    const int below = kClientHeight + 600;
    m_Text4 = F::make<QLineEdit>(this, "Text4", 120, below, 2000, 285);
    m_Text4->setMaxLength(std::numeric_limits<int>::max());
    m_List5 = F::make<QListWidget>(this, "List5", 2200, below, 1500, 600);
    m_List6 = F::make<QListWidget>(this, "List6", 3800, below, 1500, 600);
    m_Text7 = F::make<QLineEdit>(this, "Text7", 5400, below, 2000, 285);
    m_Command38 = F::button(this, "Command38", QStringLiteral("Beschreibung :>"), 7500, below, 1200, 375);
    m_Command48 = F::button(this, "Command48", QStringLiteral("schrift"), 8800, below, 900, 375);

    m_Timer4 = new QTimer(this);
    m_Timer4->setObjectName(QStringLiteral("Timer4"));
    m_Timer4->setInterval(1000);
    m_Timer4->setSingleShot(true);

    setTabOrder(m_Text3, m_Text1);
}

void vodozaduda1::load()
{
    m_fonts->fill();
    m_loading->Command5_Click();
    for (PartList *list : m_Lists)
        list->hide();
    m_File1->setPath(DictionaryCatalogue::folder());
    m_Frame1->hide();
    m_Command37->setEnabled(false);
    m_List6->addItem(QStringLiteral("#Standard Sprecher#"));
    m_Command38->click();
    m_unsaved->restore();
    if (Form1 *speaker = form<Form1>())
        speaker->show();
    m_Timer4->start();
}

void vodozaduda1::unloadStep()
{
    // Before any window goes: a letter not saved yet is kept for the next start.
    m_unsaved->keep();
    // Closing the main window ends the program, through the speaker window's end button.
    if (Form1 *speaker = form<Form1>())
        speaker->Command2_Click();
    endProgram();
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

void vodozaduda1::Command42()
{
    m_letter->Command42_Click();
}

void vodozaduda1::Command2()
{
    close();
}

bool vodozaduda1::isMuted() const
{
    return m_Check4->isChecked();
}

void vodozaduda1::setMuted(bool muted)
{
    m_Check4->setChecked(muted);
}

bool vodozaduda1::arrowsStayWithTheControl() const
{
    // The letter moves its caret, the open dictionary panel marks its files.
    const QWidget *focus = focusWidget();
    return focus && (focus == m_Text6 || m_Frame1->isAncestorOf(focus));
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
