#include "windows/vodozaduda1/MouseOverHelp.h"

#include "core/ProgramState.h"
#include "shell/ClickLabel.h"
#include "shell/ControlText.h"
#include "shell/FileListBox.h"
#include "shell/FocusNotice.h"
#include "shell/MouseOver.h"
#include "shell/Twips.h"
#include "windows/vodozaduda1/LetterOutput.h"
#include "windows/vodozaduda1/ListBrowsing.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr quint32 kHighlight = VbColor::kYellow;
constexpr quint32 kDarkRed = 0x000000C0;
constexpr quint32 kBlue = 0x00FF0000;

using T = CountryTexts;
}

MouseOverHelp::MouseOverHelp(QWidget &window, const MainWindowControls &controls, Concerns concerns,
                             ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_concerns(concerns), m_state(state)
{
    watchColouredButtons();
    watchOtherButtons();
    watchFields();
    watchLabels();
    watchClicksAndAreas();
}

void MouseOverHelp::watchColouredButtons()
{
    const auto &c = m_c;
    // The rows that only differ in colour.
    const std::pair<QWidget *, quint32> standardRows[] = {
        {c.Check1, kHighlight},    {c.Check2, kHighlight},      {c.Command17, kHighlight}, {c.Command18, kHighlight},
        {c.Command22, kHighlight}, {c.Command23, kHighlight},   {c.Command24, kHighlight}, {c.Command26, kHighlight},
        {c.Command27, kHighlight}, {c.Command29, kHighlight},   {c.Command31, kHighlight}, {c.Command2, kDarkRed},
        {c.Command28, kBlue},      {c.Command33, VbColor::kRed}};
    for (const auto &[control, colour] : standardRows)
        over(control, [this, colour](QWidget *w) { standard(w, colour, ControlText::toolTip(w)); });
    over(c.Command19, [this](QWidget *w) { standard(w, kHighlight, m_state.text(T::HochHilfe)); });
    over(c.Command20, [this](QWidget *w) { standard(w, kHighlight, m_state.text(T::RunterHilfe)); });
    over(c.Command32, [this](QWidget *w) {
        standard(w, kHighlight, ControlText::toolTip(w));
        paint(m_c.Command47, VbColor::kWhite);
    });
    over(c.Command14, [this](QWidget *w) {
        Command34();
        paint(w, kHighlight);
        paint(m_c.Command45, VbColor::kWhite);
        paint(m_c.Command44, VbColor::kWhite);
        toBoth(ControlText::toolTip(w) + (u' ' + fileName()));
    });
    over(c.Check3, [this](QWidget *w) {
        // The voice prefix in use is this box's help; the words after it are what is read.
        const QString voice = WordLookup::selectedText(m_c.List6);
        const LocalText words = m_state.text(T::StimmeHilfe);
        ControlText::setToolTip(w, {voice, words.language});
        Command34();
        paint(w, kHighlight);
        paint(m_c.Command28, VbColor::kWhite);
        toHelpLine({w->toolTip() + words.text, words.language});
        toDescription({voice + w->toolTip() + words.text, words.language});
        paint(m_c.Command41, VbColor::kWhite);
    });
}

void MouseOverHelp::watchOtherButtons()
{
    const auto &c = m_c;
    for (QWidget *toggle : {static_cast<QWidget *>(c.Check4), static_cast<QWidget *>(c.Check6)})
        over(toggle, [this](QWidget *w) { toBoth(ControlText::toolTip(w)); });
    over(c.Check5, [this](QWidget *w) {
        toBoth(ControlText::toolTip(w));
        paint(m_c.Command2, VbColor::kWhite);
    });
    over(c.Command36, [this](QWidget *w) {
        paint(w, VbColor::kLightYellow);
        toBoth(ControlText::toolTip(w));
    });
    over(c.Command37, [this](QWidget *w) {
        paint(w, VbColor::kLightYellow);
        ControlText::setToolTip(w, m_state.text(T::SpeicherPfad) + (u' ' + m_concerns.output.path()));
        toBoth(ControlText::toolTip(w));
    });
    over(c.Command41, [this](QWidget *w) {
        paint(w, kHighlight);
        paint(m_c.Check3, VbColor::kWhite);
        toHelpLine(ControlText::toolTip(w));
        paint(m_c.Command46, kHighlight);
    });
    over(c.Command43, [this](QWidget *w) {
        toHelpLine(ControlText::toolTip(w));
        paint(w, kDarkRed);
    });
    over(c.Command44, [this](QWidget *w) {
        paint(m_c.Command14, VbColor::kWhite);
        toHelpLine(ControlText::toolTip(w) + (u' ' + fileName()));
        paint(w, kHighlight);
    });
    over(c.Command45, [this](QWidget *w) {
        paint(m_c.Command14, VbColor::kWhite);
        toHelpLine(ControlText::toolTip(w));
        paint(w, kHighlight);
    });
    over(c.Command46, [this](QWidget *w) {
        paint(m_c.Command41, VbColor::kWhite);
        toHelpLine(ControlText::toolTip(w));
        paint(w, VbColor::kGreen);
    });
    over(c.Command47, [this](QWidget *w) {
        paint(w, kHighlight);
        paint(m_c.Command32, VbColor::kWhite);
        toHelpLine(ControlText::toolTip(w));
    });
}

void MouseOverHelp::watchFields()
{
    const auto &c = m_c;
    over(c.Text1, [this](QWidget *) { toBoth(m_state.texts().joined({T::Textfeld2Hilfe1, T::Textfeld2Hilfe2})); });
    over(c.Text2, [this](QWidget *w) {
        toBoth(ControlText::toolTip(w) + (u' ' + m_c.Label3->text() + u' ' + m_c.Text2->text()));
    });
    over(c.Text3, [this](QWidget *) { toBoth(m_state.text(T::Textfeld1Hilfe)); });
    over(c.Text6, [this](QWidget *) {
        paint(m_c.Command31, VbColor::kWhite);
        paint(m_c.Command37, VbColor::kWhite);
        paint(m_c.Command36, VbColor::kWhite);
        // The letter is written in the translation's language.
        toHelpLine({m_c.Text6->toPlainText(), m_state.targetLanguage()});
    });
    // The part lists show an entry, which begins with the word in the source language.
    for (PartList *list : c.Lists)
        connect(list, &PartList::hovered, this, [this] { toHelpLine({m_c.Text5->text(), m_state.sourceLanguage()}); });
    connect(c.File1, &FileListBox::hovered, this, [this] { toBoth(m_state.text(T::ListeHilfe) + fileName()); });
    FocusNotice::watch(c.Combo1, [this] { toBoth(ControlText::toolTip(m_c.Combo1)); });
}

void MouseOverHelp::watchLabels()
{
    const auto &c = m_c;
    over(c.Label2, [this](QWidget *) { toBoth(ControlText::caption(m_c.Label2)); });
    over(c.Label5, [](QWidget *w) { Twips::setForeColor(w, Twips::color(kBlue)); });
    over(c.Label6, [this](QWidget *w) {
        Twips::setForeColor(w, Twips::color(kBlue));
        toDescription(ControlText::toolTip(w));
        toHelpLine(ControlText::toolTip(w));
    });
    for (QWidget *label : {c.Label7, c.Label8}) {
        over(label, [this](QWidget *w) {
            toDescription(ControlText::toolTip(w));
            toHelpLine(ControlText::toolTip(w));
        });
    }
    over(c.Label9, [this](QWidget *w) {
        Twips::setForeColor(w, Twips::color(VbColor::kRed));
        m_concerns.browsing.Label9_Click();
        toBoth(m_state.text(T::AusblendenHilfe));
    });
}

void MouseOverHelp::watchClicksAndAreas()
{
    // The description line's own clicks.
    connect(m_c.Label5, &ClickLabel::clicked, this, [this] { toDescription(m_state.text(T::Beispiel2)); });
    for (ClickLabel *label : {m_c.Label6, m_c.Label7, m_c.Label8})
        connect(label, &ClickLabel::clicked, this, [this, label] { toDescription(ControlText::toolTip(label)); });
    // The example follows the interface language while it stands.
    connect(&m_state, &ProgramState::textsChanged, this, [this] {
        if (m_c.Label4->text() == m_example)
            Command38_Click();
    });

    // The form and the dictionary frame answer every move over their own empty area, which
    // no enter event reports when the mouse comes from one of their controls.
    MouseOver::watchEmptyArea(&m_window, [this] { restore(); });
    MouseOver::watchEmptyArea(m_c.Frame1, [this] { paint(m_c.Command44, VbColor::kWhite); });
}

void MouseOverHelp::over(QWidget *w, std::function<void(QWidget *)> action)
{
    MouseOver::watch(w, [w, action = std::move(action)] { action(w); });
}

void MouseOverHelp::paintAll(std::initializer_list<QWidget *> controls, quint32 colour)
{
    for (QWidget *w : controls)
        paint(w, colour);
}

void MouseOverHelp::Command34()
{
    const auto &c = m_c;
    paintAll({c.Check1, c.Check3, c.Check2, c.Command28, c.Command29, c.Command19, c.Command20, c.Command22,
              c.Command24, c.Command26, c.Command27, c.Command23, c.Command32, c.Command31, c.Command33, c.Command2},
             VbColor::kWhite);
}

void MouseOverHelp::standard(QWidget *w, quint32 colour, const LocalText &text)
{
    Command34();
    paint(w, colour);
    toBoth(text);
}

void MouseOverHelp::toBoth(const LocalText &text)
{
    toHelpLine(text);
    toDescription(text);
}

void MouseOverHelp::toHelpLine(const LocalText &text)
{
    m_state.showHelpText(text);
}

void MouseOverHelp::toDescription(const LocalText &text)
{
    ControlText::setCaption(m_c.Label4, text);
}

void MouseOverHelp::paint(QWidget *w, quint32 colour)
{
    Twips::setBackColor(w, Twips::color(colour));
}

QString MouseOverHelp::fileName() const
{
    return m_c.File1->fileName();
}

void MouseOverHelp::Command38_Click()
{
    const LocalText example = m_state.texts().joined({T::BeispielText1, T::BeispielText2, T::BeispielText3});
    toDescription(example);
    m_example = example.text;
}

void MouseOverHelp::restore()
{
    const auto &c = m_c;
    paintAll({c.Check1, c.Check3, c.Check2, c.Command28, c.Command29, c.Command19, c.Command20, c.Command22,
              c.Command24, c.Command26, c.Command27, c.Command23, c.Command32, c.Command31},
             VbColor::kWhite);
    paint(c.Command18, VbColor::kLightYellow);
    paintAll({c.Command33, c.Command17, c.Command2, c.Command37, c.Command36, c.Command41, c.Command47},
             VbColor::kWhite);
    paint(c.Command43, VbColor::kLightRed);
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    for (QWidget *label : {c.Label6, c.Label5, c.Label9})
        Twips::setForeColor(label, buttonText);
    paint(c.Command46, kHighlight);
}
