#pragma once

#include "core/LocalText.h"
#include "core/WindowNames.h"
#include "shell/Form.h"

class ClickLabel;
class PageView;
class ProgramState;
class PatternEntryList;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;
class SpeechControl;
class VoiceChoice;
class VoiceSliders;
class WorkingPattern;

// The speech settings window "Individuelle stimm Muster Einstellung !": a voice from the
// speech control, six voice parameters on sliders, tried through the speaker page or the
// voice-test page, and taken over into the main window's voice list.
class Logox4 : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kSettings;
    static constexpr int kClientWidth = 6495;
    static constexpr int kClientHeight = 4710;
    // From the take-over click to the window hiding and the main window taking the pattern.
    static constexpr int kTakeOverMilliseconds = 900;
    // Where English espeak-ng voices are described, and the project itself.
    static inline const QString kVoicesAddress =
        QStringLiteral("https://github.com/espeak-ng/espeak-ng/blob/master/docs/languages.md");
    static inline const QString kProjectAddress = QStringLiteral("https://github.com/espeak-ng/espeak-ng");

    explicit Logox4(ProgramState &state, QWidget *parent = nullptr);
    ~Logox4() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;
    // F2 reads the help text and leaves it standing.
    bool readKeyEmptiesHelpText() const override { return false; }

private:
    void buildControls();
    void buildOperations();
    void buildRows();
    void buildStores();
    void wire();
    void showHelp(const LocalText &text);
    void showStandardSpeaker();
    void Command9_Click();
    void Timer2_Timer();

    QGroupBox *m_Frame2 = nullptr;
    QLabel *m_Sp1 = nullptr;
    ClickLabel *m_Label6 = nullptr;
    ClickLabel *m_Label7 = nullptr;
    ClickLabel *m_Label15 = nullptr;
    ClickLabel *m_Label16 = nullptr;
    ClickLabel *m_Label17 = nullptr;
    ClickLabel *m_Label18 = nullptr;
    QScrollBar *m_PitchScroll = nullptr;
    QScrollBar *m_SpeedScroll = nullptr;
    QScrollBar *m_IntonationScroll = nullptr;
    QScrollBar *m_RoughnessScroll = nullptr;
    QScrollBar *m_VolumeScroll = nullptr;
    QScrollBar *m_EchoScroll = nullptr;
    QLabel *m_Label8 = nullptr;
    QLabel *m_Label9 = nullptr;
    QLabel *m_Label10 = nullptr;
    QLabel *m_Label11 = nullptr;
    QLabel *m_Label12 = nullptr;
    QLabel *m_Label14 = nullptr;
    ClickLabel *m_Label19 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QPushButton *m_Command9 = nullptr;
    QComboBox *m_SpeechFontCombo = nullptr;
    QLineEdit *m_Text3 = nullptr;
    QPushButton *m_Command11 = nullptr;
    QPushButton *m_CloseButton = nullptr;

    // Below the visible area: the entry field and the working list, which take the focus, and
    // the buttons that are operations.
    QLineEdit *m_Text2 = nullptr;
    QListWidget *m_List1 = nullptr;
    QPushButton *m_bill = nullptr;
    QPushButton *m_silke = nullptr;
    QPushButton *m_johanna = nullptr;
    QPushButton *m_martin = nullptr;
    QPushButton *m_alles = nullptr;
    QPushButton *m_TabHilfe = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command3 = nullptr;
    QPushButton *m_Command4 = nullptr;
    QPushButton *m_Command5 = nullptr;
    QPushButton *m_Command6 = nullptr;
    QPushButton *m_Command7 = nullptr;
    QPushButton *m_Command10 = nullptr;
    QPushButton *m_hinzu1 = nullptr;
    QPushButton *m_loesch = nullptr;
    QPushButton *m_loesch2 = nullptr;
    QPushButton *m_uebernehme = nullptr;
    QPushButton *m_offne = nullptr;
    QPushButton *m_speichernUE = nullptr;
    QPushButton *m_loese1 = nullptr;
    QPushButton *m_sprech = nullptr;
    PageView *m_WebBrowser1 = nullptr;
    SpeechControl *m_Logox4Control1 = nullptr;
    QTimer *m_Timer2 = nullptr;

    VoiceSliders *m_sliders = nullptr;
    VoiceChoice *m_choice = nullptr;
    WorkingPattern *m_pattern = nullptr;
    PatternEntryList *m_entries = nullptr;
    QString m_standardSpeaker;
    ProgramState &m_state;
};
