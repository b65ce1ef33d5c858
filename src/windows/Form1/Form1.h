#pragma once

#include "core/WindowNames.h"
#include "shell/Form.h"

class PageView;
class ProgramState;
class QGroupBox;
class QPushButton;

// The speaker window "Sprecher": shows the speech page through which every text is spoken.
// Hiding it keeps speech going; closing it ends the program.
class Form1 : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kSpeaker;
    static constexpr int kClientWidth = 1575;
    static constexpr int kClientHeight = 1935;

    explicit Form1(ProgramState &state, QWidget *parent = nullptr);
    ~Form1() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;

    // "beende": unloads the window, which ends the program.
    void Command2_Click();

private:
    void buildControls();

    PageView *m_Browser = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command3 = nullptr;
    QGroupBox *m_Frame1 = nullptr;
    QGroupBox *m_Frame2 = nullptr;
    ProgramState &m_state;
};
