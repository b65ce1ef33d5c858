#include "windows/vodozaduda1/MouseOverHelp.h"

#include "shell/ClickLabel.h"
#include "shell/FileListBox.h"
#include "shell/FocusNotice.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "shell/MouseOver.h"
#include "shell/Twips.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/ListBrowsing.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {
constexpr quint32 kHighlight = VbColor::kYellow;
constexpr quint32 kDarkRed = 0x000000C0;
constexpr quint32 kBlue = 0x00FF0000;

// What "farbe" turns white, in its order.
constexpr std::array<const char *, 16> kResetSet{
    "Check1",    "Check3",    "Check2",    "Command28", "Command29", "Command19", "Command20", "Command22",
    "Command24", "Command26", "Command27", "Command23", "Command32", "Command31", "Command33", "Command2"};

const QString kVoice = QStringLiteral("Stimme. voice .");

QString toolTipOf(const QWidget *w)
{
    return w ? w->toolTip() : QString();
}

QString textOf(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(w))
        return field->text();
    return {};
}
}

MouseOverHelp::MouseOverHelp(Form &window, ListBrowsing &browsing, QObject *parent)
    : QObject(parent), m_window(window), m_browsing(browsing)
{
    m_Label4 = qobject_cast<QLabel *>(control("Label4"));
    m_Frame1 = control("Frame1");
    for (std::size_t k = 0; k < kResetSet.size(); ++k)
        m_resetSet[k] = control(kResetSet[k]);
    for (const char *name : {"Check1", "Check3", "Check2", "Command28", "Command29", "Command19", "Command20",
                             "Command22", "Command24", "Command26", "Command27", "Command23", "Command32", "Command31"})
        m_restoreColours.emplace_back(control(name), VbColor::kWhite);
    m_restoreColours.emplace_back(control("Command18"), VbColor::kLightYellow);
    for (const char *name : {"Command33", "Command17", "Command2", "Command37", "Command36", "Command41", "Command47"})
        m_restoreColours.emplace_back(control(name), VbColor::kWhite);
    m_restoreColours.emplace_back(control("Command43"), VbColor::kLightRed);
    m_restoreTexts = {control("Label6"), control("Label5"), control("Label9")};
    m_Command44 = control("Command44");
    m_Command46 = control("Command46");
    // Looked up once: a hover is one of many mouse moves.
    QWidget *const command2 = control("Command2");
    QWidget *const command14 = control("Command14");
    QWidget *const command28 = control("Command28");
    QWidget *const command31 = control("Command31");
    QWidget *const command32 = control("Command32");
    QWidget *const command36 = control("Command36");
    QWidget *const command37 = control("Command37");
    QWidget *const command41 = control("Command41");
    QWidget *const command44 = m_Command44;
    QWidget *const command45 = control("Command45");
    QWidget *const command46 = m_Command46;
    QWidget *const command47 = control("Command47");
    QWidget *const check3 = control("Check3");
    QWidget *const label3 = control("Label3");
    QWidget *const text5 = control("Text5");
    QWidget *const text7 = control("Text7");
    auto *const list6 = qobject_cast<QListWidget *>(control("List6"));

    // The rows that only differ in colour.
    const std::pair<const char *, quint32> standardRows[] = {
        {"Check1", kHighlight},    {"Check2", kHighlight},      {"Command17", kHighlight}, {"Command18", kHighlight},
        {"Command22", kHighlight}, {"Command23", kHighlight},   {"Command24", kHighlight}, {"Command26", kHighlight},
        {"Command27", kHighlight}, {"Command29", kHighlight},   {"Command31", kHighlight}, {"Command2", kDarkRed},
        {"Command28", kBlue},      {"Command33", VbColor::kRed}};
    for (const auto &[name, colour] : standardRows)
        over(name, [this, colour](QWidget *w) { standard(w, colour, w->toolTip()); });
    over("Command19", [this](QWidget *w) { standard(w, kHighlight, QStringLiteral("Auswahl hoch")); });
    over("Command20", [this](QWidget *w) { standard(w, kHighlight, QStringLiteral("Auswahl runter")); });
    over("Command32", [this, command47](QWidget *w) {
        standard(w, kHighlight, w->toolTip());
        paint(command47, VbColor::kWhite);
    });
    over("Command14", [this, command44, command45](QWidget *w) {
        Command34();
        paint(w, kHighlight);
        paint(command45, VbColor::kWhite);
        paint(command44, VbColor::kWhite);
        toBoth(w->toolTip() + u' ' + fileName());
    });
    over("Check3", [this, list6, command28, command41](QWidget *w) {
        // The voice prefix in use is this box's help.
        const QString voice = list6 ? WordLookup::selectedText(list6) : QString();
        w->setToolTip(voice);
        Command34();
        paint(w, kHighlight);
        paint(command28, VbColor::kWhite);
        toHelpLine(w->toolTip() + kVoice);
        toDescription(voice + w->toolTip() + kVoice);
        paint(command41, VbColor::kWhite);
    });
    for (const char *name : {"Check4", "Check6"})
        over(name, [this](QWidget *w) { toBoth(w->toolTip()); });
    over("Check5", [this, command2](QWidget *w) {
        toBoth(w->toolTip());
        paint(command2, VbColor::kWhite);
    });
    over("Command36", [this](QWidget *w) {
        paint(w, VbColor::kLightYellow);
        toBoth(w->toolTip());
    });
    over("Command37", [this, text7](QWidget *w) {
        paint(w, VbColor::kLightYellow);
        w->setToolTip(QStringLiteral("Speicher Pfad => ") + textOf(text7));
        toBoth(w->toolTip());
    });
    over("Command41", [this, check3, command46](QWidget *w) {
        paint(w, kHighlight);
        paint(check3, VbColor::kWhite);
        toHelpLine(w->toolTip());
        paint(command46, kHighlight);
    });
    over("Command43", [](QWidget *w) {
        toHelpLine(w->toolTip());
        paint(w, kDarkRed);
    });
    over("Command44", [this, command14](QWidget *w) {
        paint(command14, VbColor::kWhite);
        toHelpLine(w->toolTip() + u' ' + fileName());
        paint(w, kHighlight);
    });
    over("Command45", [command14](QWidget *w) {
        paint(command14, VbColor::kWhite);
        toHelpLine(w->toolTip());
        paint(w, kHighlight);
    });
    over("Command46", [command41](QWidget *w) {
        paint(command41, VbColor::kWhite);
        toHelpLine(w->toolTip());
        paint(w, VbColor::kGreen);
    });
    over("Command47", [command32](QWidget *w) {
        paint(w, kHighlight);
        paint(command32, VbColor::kWhite);
        toHelpLine(w->toolTip());
    });
    over("Label2", [this](QWidget *w) { toBoth(textOf(w)); });
    over("Label5", [](QWidget *w) { paintText(w, Twips::color(kBlue)); });
    over("Label6", [this](QWidget *w) {
        paintText(w, Twips::color(kBlue));
        toDescription(w->toolTip());
        toHelpLine(w->toolTip());
    });
    for (const char *name : {"Label7", "Label8"}) {
        over(name, [this](QWidget *w) {
            toDescription(w->toolTip());
            toHelpLine(w->toolTip());
        });
    }
    over("Label9", [this](QWidget *w) {
        paintText(w, Twips::color(VbColor::kRed));
        m_browsing.Label9_Click();
        toBoth(QStringLiteral("Liste ausblenden"));
    });
    over("Text1", [this](QWidget *) {
        toBoth(QStringLiteral("Textfeld 2: Unteres Textfeld 2 eignet sich um ganze Sätze im Wörterbuch zu finden! "
                              "Geben Sie einfach die ersten Buchstaben ein, und schon wird eine alphabetische Liste "
                              "verwandter und ähnlich geschriebener Wörter angezeigt."));
    });
    over("Text2", [this, label3](QWidget *w) { toBoth(w->toolTip() + u' ' + textOf(label3) + u' ' + textOf(w)); });
    over("Text3", [this](QWidget *) {
        toBoth(QStringLiteral("Textfeld 1: Eingabefeld. Bei Suchtreffer wird das Textfeld 1 in gelber Farbe "
                              "dargestellt ! "));
    });
    over("Text6", [command31, command37, command36](QWidget *w) {
        paint(command31, VbColor::kWhite);
        paint(command37, VbColor::kWhite);
        paint(command36, VbColor::kWhite);
        toHelpLine(static_cast<QPlainTextEdit *>(w)->toPlainText());
    });

    // The part lists and the dictionary files say what a double click there does.
    for (int k = 1; k <= 4; ++k) {
        if (auto *list = qobject_cast<PartList *>(control(qPrintable(QStringLiteral("List%1").arg(k)))))
            connect(list, &PartList::hovered, this, [text5] { toHelpLine(textOf(text5)); });
    }
    if (auto *files = qobject_cast<FileListBox *>(control("File1"))) {
        connect(files, &FileListBox::hovered, this,
                [this] { toBoth(QStringLiteral("Mit Doppelklick markiertes Wörterbuch laden..") + fileName()); });
    }

    if (QWidget *combo = control("Combo1"))
        FocusNotice::watch(combo, [this, combo] { toBoth(combo->toolTip()); });

    // The description line's own clicks.
    const auto onClick = [this](const char *name, std::function<QString(QWidget *)> text) {
        if (auto *label = qobject_cast<ClickLabel *>(control(name)))
            connect(label, &ClickLabel::clicked, this, [this, label, text] { toDescription(text(label)); });
    };
    onClick("Label5", [](QWidget *) { return QStringLiteral("Beispiel 2 :"); });
    for (const char *name : {"Label6", "Label7", "Label8"})
        onClick(name, toolTipOf);

    // The form and the dictionary frame answer every move over their own empty area, which
    // no enter event reports when the mouse comes from one of their controls.
    for (QWidget *area : {static_cast<QWidget *>(&m_window), m_Frame1}) {
        if (!area)
            continue;
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
}

QWidget *MouseOverHelp::control(const char *name) const
{
    return m_window.findChild<QWidget *>(QLatin1String(name));
}

void MouseOverHelp::over(const char *name, std::function<void(QWidget *)> action)
{
    if (QWidget *w = control(name))
        MouseOver::watch(w, [w, action = std::move(action)] { action(w); });
}

void MouseOverHelp::Command34()
{
    const QColor white = Twips::color(VbColor::kWhite);
    for (QWidget *w : m_resetSet)
        if (w)
            Twips::setBackColor(w, white);
}

void MouseOverHelp::standard(QWidget *w, quint32 colour, const QString &text)
{
    Command34();
    Twips::setBackColor(w, Twips::color(colour));
    toBoth(text);
}

void MouseOverHelp::toBoth(const QString &text)
{
    toHelpLine(text);
    toDescription(text);
}

void MouseOverHelp::toHelpLine(const QString &text)
{
    if (hilfe1 *help = form<hilfe1>())
        help->setHelpText(text);
}

void MouseOverHelp::toDescription(const QString &text)
{
    if (m_Label4)
        m_Label4->setText(text);
}

void MouseOverHelp::paint(QWidget *w, quint32 colour)
{
    if (w)
        Twips::setBackColor(w, Twips::color(colour));
}

void MouseOverHelp::paintText(QWidget *w, const QColor &colour)
{
    // Moves over the form repeat this many times a second: only a change is painted.
    if (w && w->palette().color(QPalette::WindowText) != colour)
        Twips::setForeColor(w, colour);
}

QString MouseOverHelp::fileName() const
{
    const auto *files = qobject_cast<const FileListBox *>(control("File1"));
    return files ? files->fileName() : QString();
}

void MouseOverHelp::Command38_Click()
{
    toDescription(kDescription);
}

void MouseOverHelp::restore()
{
    for (const auto &[w, colour] : m_restoreColours)
        paint(w, colour);
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    for (QWidget *label : m_restoreTexts)
        paintText(label, buttonText);
    paint(m_Command46, kHighlight);
}

bool MouseOverHelp::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::MouseMove)
        return false;
    auto *area = static_cast<QWidget *>(watched);
    // A move a control passed on to its parent is not one over the empty area.
    if (type == QEvent::MouseMove && area->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        return false;
    if (area == &m_window)
        restore();
    else if (area == m_Frame1)
        paint(m_Command44, VbColor::kWhite);
    return false;
}
