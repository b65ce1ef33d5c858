#include "windows/Logox4/VoiceChoice.h"

#include "speech/SpeechControl.h"
#include "speech/VoiceMarkup.h"

#include <QComboBox>
#include <QLineEdit>

VoiceChoice::VoiceChoice(SpeechControl &control, QComboBox *list, QLineEdit *prompt, HelpText showHelp, QObject *parent)
    : QObject(parent), m_control(control), m_list(list), m_prompt(prompt), m_showHelp(std::move(showHelp))
{
    connect(m_list, &QComboBox::activated, this, &VoiceChoice::SpeechFontCombo_Click);
}

void VoiceChoice::fill()
{
    // Its answer is of no use here; the control is asked for it first, as at every load.
    (void)m_control.invoke(SpeechControl::EngineState);
    m_list->clear();
    const int count = m_control.invoke(SpeechControl::SpeechFontCount).value_or(0).toInt();
    for (int i = 0; i < count; ++i)
        if (const auto alias = m_control.invoke(SpeechControl::SpeechFontAlias, {i}))
            m_list->addItem(alias->toString());
    const auto current = m_control.invoke(SpeechControl::CurrentSpeechFont);
    if (!current || current->toInt() >= m_list->count())
        return;
    m_list->setCurrentIndex(current->toInt());
    SpeechFontCombo_Click(current->toInt());
}

void VoiceChoice::SpeechFontCombo_Click(int index)
{
    if (index < 0 || index >= m_list->count())
        return;
    (void)m_control.invoke(SpeechControl::SelectSpeechFont, {index});
    const QString alias = m_list->itemText(index);
    m_voice = VoiceMarkup::voiceTag(alias);
    if (m_showHelp)
        m_showHelp(VoiceMarkup::tryOut(alias));
    m_prompt->hide();
}
