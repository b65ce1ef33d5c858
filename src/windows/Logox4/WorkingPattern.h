#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QListWidget;
class VoiceChoice;
class VoiceSliders;

// The controls of the speech settings window the working list uses.
struct WorkingPatternControls
{
    QListWidget *list1 = nullptr; // the working list: one pattern line per entry
    QLineEdit *text1 = nullptr;   // the test sentence
    QLabel *sp1 = nullptr;        // the last preset tried
};

// The working list of the speech settings window and what is done with it: filled with the
// current pattern, stored in "stimm2.txt" and put on the clipboard, spoken through the
// voice-test page or the speaker page.
class WorkingPattern : public QObject
{
    Q_OBJECT
public:
    // The voice of a pattern is the one picked in the voice list.
    WorkingPattern(const WorkingPatternControls &controls, const VoiceChoice &choice, const VoiceSliders &sliders,
                   QObject *parent = nullptr);

    // The voice line, the six parameter slots and the test sentence.
    void fillTestList(const QString &voice);
    // "speicher": the working list into the pattern file, then the file onto the clipboard.
    // False when the file could not be written.
    [[nodiscard]] bool Command2();
    // "Eintragxxx": the whole pattern file onto the clipboard, replacing what was there.
    void Command5();
    // "sprech": the voice-test page speaks the pattern file.
    void sprech();

    // "<  [Sprecher Test]": the test pattern through the speaker page; the clipboard stays.
    void Command11_Click();
    // "<  Sprecher Test]": the test pattern through the voice-test page.
    void alles_Click();
    // A preset tried with the current parameters; the voice slot keeps the picked voice.
    void presetTest(const QString &preset);
    // The pattern without test sentence stored for the main window.
    void takeOver();
    // "Letzter Eintrag": the stored pattern spoken again.
    void Command6();
    // "hinzu1": the test sentence added.
    void hinzu1();
    // "hinzu": the given voice, the pitch, speed, intonation and roughness slots and the test
    // sentence added.
    void Command1(const QString &voice);
    // "loesch"
    void loesch();

private:
    QStringList entries() const;
    void add(const QStringList &lines);

    WorkingPatternControls m_c;
    const VoiceChoice &m_choice;
    const VoiceSliders &m_sliders;
};
