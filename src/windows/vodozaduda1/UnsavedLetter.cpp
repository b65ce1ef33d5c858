#include "windows/vodozaduda1/UnsavedLetter.h"

#include "core/ProgramState.h"
#include "letter/KeptLetter.h"
#include "letter/LetterKeeper.h"
#include "shell/MessageBox.h"

#include <QAbstractButton>
#include <QPlainTextEdit>

UnsavedLetter::UnsavedLetter(QPlainTextEdit *text6, QAbstractButton *check2, const ProgramState &state, QObject *parent)
    : QObject(parent), m_text6(text6), m_check2(check2), m_state(state), m_keeper(new LetterKeeper(this))
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kKeepDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &UnsavedLetter::keepNow);
    connect(m_text6, &QPlainTextEdit::textChanged, this, &UnsavedLetter::changed);
    connect(m_keeper, &LetterKeeper::kept, this, &UnsavedLetter::kept);
}

void UnsavedLetter::restore()
{
    const auto letter = KeptLetter::read();
    if (!letter || letter->isEmpty())
        return;
    m_kept = *letter;
    m_text6->setPlainText(*letter);
    // Ticked the way the user ticks it, so the window widens to show the letter.
    if (!m_check2->isChecked())
        m_check2->click();
}

void UnsavedLetter::changed()
{
    // Not restarted by further keystrokes: a user who types on is still kept every second.
    if (!m_delay.isActive())
        m_delay.start();
}

void UnsavedLetter::keepNow()
{
    m_delay.stop();
    const QString letter = m_text6->toPlainText();
    if (letter == m_kept)
        return;
    m_kept = letter;
    if (letter.isEmpty() || letter == m_saved)
        m_keeper->drop();
    else
        m_keeper->keep(letter);
}

void UnsavedLetter::keep()
{
    m_ending = true;
    // Written whatever the last write answered: a failure may still be on its way here.
    m_kept.clear();
    keepNow();
    m_keeper->finish();
}

void UnsavedLetter::saved(const QString &letter)
{
    m_saved = letter;
    m_kept = letter;
    m_delay.stop();
    m_keeper->drop();
}

void UnsavedLetter::dropped()
{
    m_kept.clear();
    m_delay.stop();
    m_keeper->drop();
}

void UnsavedLetter::kept(bool ok)
{
    if (ok) {
        m_told = false;
        return;
    }
    // Tried again at the next change, or at the end.
    m_kept.clear();
    if (!m_told && !m_ending) {
        m_told = true;
        MessageBox::show(m_state.text(CountryTexts::SchreibschutzBrief).text);
    }
}
