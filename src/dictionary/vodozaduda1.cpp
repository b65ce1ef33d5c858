#include "dictionary/vodozaduda1.h"

#include "app/ClickLabel.h"
#include "app/ControlActions.h"
#include "app/FormRegistry.h"
#include "app/Twips.h"
#include "dictionary/DictionaryCatalogue.h"
#include "dictionary/DictionaryLoading.h"
#include "dictionary/FileListBox.h"
#include "dictionary/ListBrowsing.h"
#include "dictionary/PartList.h"
#include "dictionary/WordLookup.h"
#include "speech/hilfe1.h"
#include "workspace/LetterWorkspace.h"
#include "workspace/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
template <class W>
W *make(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    Twips::place(w, left, top, width, height);
    return w;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                    int height)
{
    auto *b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *l = make<QLabel>(parent, name, left, top, width, height);
    l->setText(caption);
    return l;
}

ClickLabel *clickLabel(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                       int height)
{
    auto *l = make<ClickLabel>(parent, name, left, top, width, height);
    l->setText(caption);
    return l;
}
}

vodozaduda1::vodozaduda1(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("vodozaduda1"));
    setWindowTitle(QStringLiteral("HX-Tolkarin"));
    buildControls();

    LookupControls c;
    c.text3 = Text3;
    c.text1 = Text1;
    c.text4 = Text4;
    c.text5 = Text5;
    c.lists = Lists;
    c.list5 = List5;
    c.list6 = List6;
    c.check1 = Check1;
    c.check2 = Check2;
    c.check4 = Check4;
    c.label10 = Label10;
    c.label11 = Label11;
    m_lookup = new WordLookup(*this, c, this);
    m_loading = new DictionaryLoading(Text2, Lists, ProgressBar1, this);
    m_browsing = new ListBrowsing(*this, *m_lookup, Text3, Lists, this);

    CatalogueControls cc;
    cc.text2 = Text2;
    cc.label3 = Label3;
    cc.frame1 = Frame1;
    cc.file1 = File1;
    cc.command14 = Command14;
    cc.command17 = Command17;
    cc.command18 = Command18;
    cc.command44 = Command44;
    cc.progressBar1 = ProgressBar1;
    cc.text3 = Text3;
    m_catalogue = new DictionaryCatalogue(*this, cc, *m_loading, this);

    LetterControls lc;
    lc.text6 = Text6;
    lc.check2 = Check2;
    lc.check3 = Check3;
    lc.check4 = Check4;
    lc.text3 = Text3;
    lc.text4 = Text4;
    lc.text5 = Text5;
    lc.list5 = List5;
    lc.list6 = List6;
    lc.label4 = Label4;
    lc.timer4 = Timer4;
    m_letter = new LetterWorkspace(*this, lc, *m_lookup, this);
    connect(Command32, &QPushButton::clicked, m_letter, &LetterWorkspace::Command32_Click);
    connect(Command47, &QPushButton::clicked, m_letter, &LetterWorkspace::Command47_Click);
    connect(Command33, &QPushButton::clicked, m_letter, &LetterWorkspace::Command33_Click);
    connect(Command22, &QPushButton::clicked, m_letter, &LetterWorkspace::Command22_Click);
    connect(Command24, &QPushButton::clicked, m_letter, &LetterWorkspace::Command24_Click);
    connect(Command26, &QPushButton::clicked, m_letter, &LetterWorkspace::Command26_Click);
    connect(Command27, &QPushButton::clicked, m_letter, &LetterWorkspace::Command27_Click);
    connect(Command23, &QPushButton::clicked, m_letter, &LetterWorkspace::Command23_Click);
    connect(Label4, &ClickLabel::doubleClicked, m_letter, &LetterWorkspace::Label4_DblClick);
    connect(Command41, &QPushButton::clicked, this, [] { form<Form1>().show(); });
    connect(Command46, &QPushButton::clicked, this, [] { form<hilfe1>().showPlaced(); });

    connect(Command29, &QPushButton::clicked, m_lookup, &WordLookup::Command29_Click);
    connect(Label9, &ClickLabel::clicked, m_browsing, &ListBrowsing::Label9_Click);
    connect(Command19, &QPushButton::clicked, m_browsing, &ListBrowsing::Command19_Click);
    connect(Command20, &QPushButton::clicked, m_browsing, &ListBrowsing::Command20_Click);
    for (PartList *list : Lists)
        connect(list, &PartList::hovered, this, [this] { showHelpText(Text5->text()); });
    connect(File1, &FileListBox::hovered, this, [this] {
        showHelpText(QStringLiteral("Mit Doppelklick markiertes Wörterbuch laden..") + File1->fileName());
    });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
    connect(Command43, &QPushButton::clicked, this, [this] { hide(); });
    connect(Timer4, &QTimer::timeout, this, [this] {
        focusControl(Text3);
        Timer4->stop();
    });
}

vodozaduda1::~vodozaduda1() = default;

void vodozaduda1::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));

    Label3 = label(this, "Label3", QStringLiteral("Land"), 240, 0, 2415, 255);
    Text2 = make<QLineEdit>(this, "Text2", 240, 180, 2415, 255);
    Text2->setText(QStringLiteral("Woerterbuch-Muster"));
    Text2->setToolTip(QStringLiteral("Geladenes Woerterbuch-Anzeige"));
    Command17 = button(this, "Command17", QStringLiteral("Wörterbuch.."), 2880, 120, 1575, 375);
    Command17->setToolTip(QStringLiteral("Land:.. Neues Wörterbuch laden  klicken Sie."));
    Command18 = button(this, "Command18", QStringLiteral("&Auswahl zu"), 2760, 120, 1695, 375);
    Command18->setToolTip(QStringLiteral("Auswahl zu"));
    Command18->hide();
    ProgressBar1 = make<QProgressBar>(this, "ProgressBar1", 240, 480, 2880, 210);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setToolTip(QStringLiteral("Lade Balken"));
    ProgressBar1->hide();
    Label9 = clickLabel(this, "Label9", QStringLiteral("X"), 3240, 480, 255, 255);
    Label9->setAlignment(Qt::AlignCenter);
    Check4 = make<QCheckBox>(this, "Check4", 3600, 480, 855, 255);
    Check4->setText(QStringLiteral("Ton"));

    Label4 = clickLabel(this, "Label4", QString(), 120, 840, 4335, 2415);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setToolTip(QStringLiteral("Mit Doppelklick Hilfetext vorlesen lassen"));
    for (int k = 0; k < 4; ++k) {
        Lists[k] = make<PartList>(this, "", 120, 720, 4335, 2790);
        Lists[k]->setObjectName(QStringLiteral("List%1").arg(k + 1));
    }
    Frame1 = make<QGroupBox>(this, "Frame1", 120, 720, 4335, 2775);
    Frame1->setTitle(QStringLiteral("Wörterbuch - Länder Auswahl"));
    Frame1->hide();
    File1 = make<FileListBox>(Frame1, "File1", 120, 240, 2535, 2250);
    File1->setPattern(QStringLiteral("*.txt"));
    Label2 = label(Frame1, "Label2",
                   QStringLiteral("Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !"),
                   2760, 240, 1455, 1335);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command44 = button(Frame1, "Command44", QStringLiteral("<< [ öffnen ]"), 2760, 1600, 1455, 300);
    Command14 = button(Frame1, "Command14", QStringLiteral("< < <  OK ]"), 2760, 1920, 1455, 375);
    Command14->setToolTip(QStringLiteral("lade...OK"));
    Command14->hide();
    Command45 = button(Frame1, "Command45", QStringLiteral("Land-Einstellung"), 2760, 2280, 1455, 255);

    Label10 = label(this, "Label10", QStringLiteral("1"), 0, 3480, 255, 375);
    Text3 = make<QLineEdit>(this, "Text3", 120, 3480, 4335, 375);
    Text3->setToolTip(QStringLiteral("Mit Enter übersetzen"));
    Twips::setBackColor(Text3, Twips::color(VbColor::Yellow));
    Check1 = make<QCheckBox>(this, "Check1", 4560, 3480, 1215, 375);
    Check1->setText(QStringLiteral("< Focus"));
    Check1->setChecked(true);
    Label11 = label(this, "Label11", QStringLiteral("2"), 0, 3960, 255, 375);
    Text1 = make<QLineEdit>(this, "Text1", 120, 3960, 4335, 375);
    Text1->setToolTip(QStringLiteral("Mit Enter übersetzen"));
    Twips::setBackColor(Text1, Twips::color(VbColor::LightGrey));
    Command2 = button(this, "Command2", QStringLiteral("&EXIT"), 4560, 3960, 1215, 375);
    Command2->setToolTip(QStringLiteral("[EXIT].. Fenster schließen"));
    Text5 = make<QLineEdit>(this, "Text5", 120, 4440, 4335, 375);
    Text5->setReadOnly(true);
    Command43 = button(this, "Command43", QStringLiteral("verstecken"), 4560, 4440, 1215, 375);

    // The letter side, seen only in the wide window.
    Command29 = button(this, "Command29", QStringLiteral("< &Auswahl aufnehmen"), 5880, 4440, 2295, 375);
    Command29->setToolTip(QStringLiteral("Liste Auswahl in Brief-Textfeld übernehmen"));
    Check2 = make<QCheckBox>(this, "Check2", 4560, 120, 1215, 255);
    Check2->setText(QStringLiteral("schreiben"));
    Check2->setToolTip(QStringLiteral("Übersetzte Worte sammeln um einen Brief zu schreiben"));
    Check3 = make<QCheckBox>(this, "Check3", 4560, 480, 1215, 255);
    Check3->setText(QStringLiteral("&Stimme   "));
    Command28 = button(this, "Command28", QStringLiteral("S&timme     "), 4560, 840, 1215, 315);
    Command28->setToolTip(QStringLiteral("Neues Stimmuster erstellen "));
    Command41 = button(this, "Command41", QStringLiteral("Sprecher   "), 4560, 1200, 1215, 315);
    Command41->setToolTip(QStringLiteral("Sprecher"));
    Command46 = button(this, "Command46", QStringLiteral("Hilfe"), 4560, 1560, 1215, 315);
    Combo1 = make<QComboBox>(this, "Combo1", 4560, 3000, 1215, 315);
    Combo1->setEditable(true);
    Combo1->setToolTip(QStringLiteral("Schrift Type auswählen"));
    Twips::setBackColor(Combo1, Twips::color(VbColor::LightYellow));

    // The letter side, right half of the wide window.
    Text6 = make<QPlainTextEdit>(this, "Text6", 5880, 480, 5535, 3975);
    Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text6->setFont(QFont(QStringLiteral("MS Sans Serif"), 12));
    Twips::setBackColor(Text6, Twips::color(VbColor::Yellow));
    Command22 = button(this, "Command22", QStringLiteral("&1;"), 5880, 60, 495, 375);
    Command22->setToolTip(QStringLiteral("Liest erstes Wort der Auswahl. "));
    Command24 = button(this, "Command24", QStringLiteral("&2;"), 6435, 60, 495, 375);
    Command24->setToolTip(QStringLiteral("Liest zweites Wort der Auswahl. Oder Pfeiltaste rechts."));
    Command26 = button(this, "Command26", QStringLiteral("&3"), 6990, 60, 495, 375);
    Command26->setToolTip(QStringLiteral("Liest drittes Wort"));
    Command27 = button(this, "Command27", QStringLiteral("< 1&+2"), 7545, 60, 855, 375);
    Command27->setToolTip(QStringLiteral("Liest erstes und zweites Wort der Auswahl"));
    Command23 = button(this, "Command23", QStringLiteral("< lese"), 8460, 60, 855, 375);
    Command23->setToolTip(QStringLiteral("Liest gesamte Auswahl"));
    Command33 = button(this, "Command33", QString(), 9375, 60, 375, 375);
    Command33->setToolTip(QStringLiteral("Lösche Brief-Textfeld"));
    Twips::setBackColor(Command33, Twips::color(VbColor::Red));
    Command32 = button(this, "Command32", QStringLiteral("Lesen"), 8235, 4440, 1095, 375);
    Command32->setToolTip(QStringLiteral("Brief-Textfeld vorlesen lassen [F7]."));
    Command47 = button(this, "Command47", QStringLiteral("Stop"), 9390, 4440, 975, 375);
    Command19 = button(this, "Command19", QStringLiteral("<< hoch"), 4560, 2040, 1215, 375);
    Command19->setToolTip(QStringLiteral("Auswahl hoch. Oder Pfeiltaste hoch."));
    Command20 = button(this, "Command20", QStringLiteral("<< runter"), 4560, 2520, 1215, 375);
    Command20->setToolTip(QStringLiteral("Auswahl runter. Oder Pfeiltaste runter."));

    // Stores below the visible area: they exist and can take the focus, the user never sees them.
    const int below = kClientHeight + 600;
    Text4 = make<QLineEdit>(this, "Text4", 120, below, 2000, 285);
    List5 = make<QListWidget>(this, "List5", 2200, below, 1500, 600);
    List6 = make<QListWidget>(this, "List6", 3800, below, 1500, 600);

    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(1000);
    Timer4->setSingleShot(true);

    setTabOrder(Text3, Text1);
}

void vodozaduda1::load()
{
    Combo1->addItems(QFontDatabase::families());
    Combo1->setEditText(QStringLiteral("Schrift wählen >"));
    m_loading->Command5_Click();
    for (PartList *list : Lists)
        list->hide();
    File1->setPath(DictionaryCatalogue::folder());
    Frame1->hide();
    List6->addItem(QStringLiteral("#Standard Sprecher#"));
    Label4->setText(kDescription);
    form<Form1>().show();
    Timer4->start();
}

void vodozaduda1::showHelpText(const QString &text)
{
    form<hilfe1>().setHelpText(text);
}

void vodozaduda1::unloadStep()
{
    // Closing the main window ends the program, through the speaker window's end button.
    form<Form1>().Command2_Click();
    endProgram();
}

void vodozaduda1::keyDown(int key)
{
    if (hilfe1::commonKey(key))
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
