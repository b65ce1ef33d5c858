#include "windows/vodozaduda1/UnsavedLetter.h"

#include "letter/KeptLetter.h"

#include <QAbstractButton>
#include <QPlainTextEdit>

UnsavedLetter::UnsavedLetter(QPlainTextEdit *text6, QAbstractButton *check2, QObject *parent)
    : QObject(parent), m_text6(text6), m_check2(check2)
{}

void UnsavedLetter::restore()
{
    const auto letter = KeptLetter::read();
    if (!letter || letter->isEmpty())
        return;
    m_text6->setPlainText(*letter);
    // Ticked the way the user ticks it, so the window widens to show the letter.
    if (!m_check2->isChecked())
        m_check2->click();
}

void UnsavedLetter::keep()
{
    const QString letter = m_text6->toPlainText();
    if (letter.isEmpty())
        KeptLetter::drop();
    else if (letter != m_saved)
        (void)KeptLetter::keep(letter); // nothing else can be done about it at the end
}

void UnsavedLetter::saved(const QString &letter)
{
    m_saved = letter;
    KeptLetter::drop();
}

void UnsavedLetter::dropped()
{
    KeptLetter::drop();
}
