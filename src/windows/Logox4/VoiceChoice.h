#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QLineEdit;
class SpeechControl;

// The voice list of the speech settings window: filled from the speech control, the control's
// current voice picked at load, and every pick made current, put into the voice slot and tried.
// The slot ("speechX1") holds the voice tag of the pick, empty until one is made.
class VoiceChoice : public QObject
{
    Q_OBJECT
public:
    using HelpText = std::function<void(const QString &text)>;

    VoiceChoice(SpeechControl &control, QComboBox *list, QLineEdit *prompt, HelpText showHelp,
                QObject *parent = nullptr);

    QString voice() const { return m_voice; }

    // The load steps: engine state, the list refilled, the current voice picked. A call the
    // control refuses is skipped.
    void fill();
    // "SpeechFontCombo" picked: the voice current, in the voice slot, tried through the help
    // window, and the prompt off the list.
    void SpeechFontCombo_Click(int index);

private:
    SpeechControl &m_control;
    QComboBox *m_list = nullptr;
    QLineEdit *m_prompt = nullptr;
    QString m_voice;
    HelpText m_showHelp;
};
