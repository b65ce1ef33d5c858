#include "windows/vodozaduda1/LetterWorkspace.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "dictionary/EntryText.h"
#include "shell/ControlActions.h"
#include "shell/ControlText.h"
#include "shell/Form.h"
#include "shell/MessageBox.h"
#include "shell/Twips.h"
#include "speech/HelpVoice.h"
#include "speech/SpeechHandOff.h"
#include "speech/VoiceMarkup.h"
#include "speech/VoicePattern.h"
#include "windows/vodozaduda1/WordLookup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

LetterWorkspace::LetterWorkspace(Form &window, const LetterControls &controls, WordLookup &lookup, ProgramState &state,
                                 QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_lookup(lookup), m_state(state)
{
    connect(m_c.check2, &QCheckBox::clicked, this, &LetterWorkspace::Check2_Click);
    connect(m_c.check3, &QCheckBox::clicked, this, &LetterWorkspace::Check3_Click);
    m_lookup.setCollector([this] { collect(); });
}

void LetterWorkspace::Check2_Click()
{
    const bool wide = m_c.check2->isChecked();
    const int width = wide ? kWideWidth : kNarrowWidth;
    m_window.setFixedWidth(Twips::toPixels(width - kFrameWidth));
    Twips::setBackColor(m_c.check2, wide ? Twips::color(VbColor::kWhite) : Twips::buttonFace());
    focusControl(m_c.text3);
    if (wide)
        m_window.move(Twips::toPixels(kWideLeft), m_window.y());
}

void LetterWorkspace::collect()
{
    m_lookup.Command7_Click();
    if (!m_window.pause(0.1))
        return;
    focusControl(m_c.text6);
    if (!m_window.pause(0.1))
        return;
    // The caret goes to the end of the line it is on, and the word is appended there.
    QTextCursor caret = m_c.text6->textCursor();
    caret.clearSelection();
    caret.movePosition(QTextCursor::EndOfLine);
    m_c.text6->setTextCursor(caret);
    m_c.text6->textCursor().insertText(WordLookup::selectedText(m_c.list5));
    if (!m_window.pause(0.1))
        return;
    m_c.text6->textCursor().insertText(QStringLiteral(" "));
    m_lookup.Command16_Click();
}

QString LetterWorkspace::letterText() const
{
    QString text = m_c.text6->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

bool LetterWorkspace::writeHandOff(const QString &text)
{
    return SpeechHandOff::writeQuoted(text);
}

bool LetterWorkspace::readLetter()
{
    if (!writeHandOff(WordLookup::voicePrefix(m_c.list6) + letterText()))
        return false;
    m_lookup.Command16_Click();
    // The letter is made of translations.
    return SpeechHandOff::click(QStringLiteral("Hilfe"), m_lookup.targetLanguage());
}

void LetterWorkspace::Command32_Click()
{
    if (!readLetter()) {
        writeProtected();
        focusControl(m_c.text3);
    }
}

void LetterWorkspace::readLetterKey()
{
    if (!readLetter()) {
        writeProtected();
        return;
    }
    focusControl(m_c.text6);
}

void LetterWorkspace::Command47_Click()
{
    SpeechHandOff::click(QStringLiteral("stop"));
}

void LetterWorkspace::Command33_Click()
{
    m_c.text6->clear();
    focusControl(m_c.text6);
}

void LetterWorkspace::speakField(Field field)
{
    m_c.list5->clear();
    if (const auto fields = EntryText::parsing(m_lookup.entry()))
        m_c.list5->addItems(*fields);
    else
        MessageBox::show(m_state.text(CountryTexts::ZuVieleWorte).text);
    if (!m_window.pause(0.2))
        return;
    focusControl(m_c.list5);
    // What a Down key from no selection, a direct choice of the second field, or both give.
    const int count = m_c.list5->count();
    int row = -1;
    switch (field) {
    case Field::First:
        row = count > 0 ? 0 : -1;
        break;
    case Field::Second:
        row = count > 1 ? 1 : -1;
        break;
    case Field::Third:
        row = std::min(2, count - 1);
        break;
    }
    WordLookup::selectRow(m_c.list5, row);
    if (!m_window.pause(0.3))
        return;
    if (field == Field::Second)
        Command21_Click();
    else
        Command25_Click();
}

void LetterWorkspace::Command22_Click()
{
    speakField(Field::First);
}

void LetterWorkspace::Command24_Click()
{
    speakField(Field::Second);
}

void LetterWorkspace::Command26_Click()
{
    speakField(Field::Third);
}

void LetterWorkspace::Command27_Click()
{
    Command22_Click();
    if (!m_window.pause(1.0))
        return;
    Command24_Click();
}

void LetterWorkspace::Command21_Click()
{
    if (!writeHandOff(WordLookup::voicePrefix(m_c.list6) + WordLookup::selectedText(m_c.list5))) {
        writeProtected();
        focusControl(m_c.text3);
        return;
    }
    m_lookup.Command16_Click();
    m_lookup.Command39_Click(m_lookup.targetLanguage());
}

void LetterWorkspace::Command25_Click()
{
    if (!writeHandOff(WordLookup::selectedText(m_c.list5))) {
        writeProtected();
        focusControl(m_c.text3);
        m_lookup.Command16_Click();
        return;
    }
    m_lookup.Command16_Click();
    // The first field or a remark: the side of the word looked up.
    m_lookup.Command39_Click(m_lookup.sourceLanguage());
}

void LetterWorkspace::Command23_Click()
{
    if (!writeHandOff(m_c.text5->text())) {
        writeProtected();
        focusControl(m_c.text3);
        return;
    }
    m_lookup.Command16_Click();
    m_lookup.Command39_Click(m_lookup.sourceLanguage());
}

void LetterWorkspace::writeProtected()
{
    MessageBox::show(m_state.text(CountryTexts::Schreibschutz).text);
}

void LetterWorkspace::Label4_DblClick()
{
    if (!writeHandOff(m_c.label4->text())) {
        writeProtected();
        return;
    }
    Twips::setBackColor(m_c.text3, Twips::color(VbColor::kWhite));
    // A help text, in its own language.
    SpeechHandOff::click(QStringLiteral("Hilfe"), HelpVoice::language(ControlText::caption(m_c.label4).language));
}

void LetterWorkspace::reloadVoices(const QStringList &entries)
{
    m_c.list6->clear();
    m_c.list6->addItems(entries);
    focusControl(m_c.list6);
    m_c.list6->setCurrentRow(-1);
    m_c.list6->clearSelection();
    // As a queued Down key would: the first entry becomes the voice prefix afterwards.
    QPointer<QListWidget> list = m_c.list6;
    QTimer::singleShot(0, list, [list] { WordLookup::selectRow(list, 0); });
    m_c.timer4->start();
}

void LetterWorkspace::Command42_Click()
{
    reloadVoices(VoicePattern::read(ProgramDirectory::file(VoicePattern::fileName())).value_or(QStringList()));
}

void LetterWorkspace::takeOverVoices(const QStringList &pattern)
{
    reloadVoices(pattern);
}

void LetterWorkspace::Check3_Click()
{
    if (m_c.check3->isChecked()) {
        Twips::setBackColor(m_c.check3, Twips::color(VbColor::kWhite));
        Command42_Click();
    } else {
        Twips::setBackColor(m_c.check3, Twips::buttonFace());
        reloadVoices({VoiceMarkup::kStandardSpeaker});
    }
}
