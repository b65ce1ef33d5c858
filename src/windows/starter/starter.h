#pragma once

#include "core/WindowNames.h"
#include "shell/Form.h"

class ClickLabel;
class ProgramState;
class QLabel;
class QPushButton;
class StartSequence;

// The first-run window, the program's start window. Its load decides how the program starts:
// hidden, it hands over to the country window; on the first start it writes the default
// settings and stays to offer the country choice. Closing it ends the program.
class starter : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kStarter;
    static constexpr int kClientWidth = 6000;
    static constexpr int kClientHeight = 3375;

    explicit starter(ProgramState &state, QWidget *parent = nullptr);
    ~starter() override;

    // Starts the program only as its first window: loaded later, because something refers to
    // one of its controls (a country file names them), it is just the window.
    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;
    bool isDialog() const override { return true; }
    // F2 reads the help text and leaves it standing.
    bool readKeyEmptiesHelpText() const override { return false; }

private:
    void buildControls();
    void buildMaintenance();

    QLabel *m_Label1 = nullptr;
    QPushButton *m_Command19 = nullptr;
    ClickLabel *m_Picture2 = nullptr;
    ClickLabel *m_Picture1 = nullptr;
    ClickLabel *m_Label3 = nullptr;
    QPushButton *m_Command9 = nullptr;
    QPushButton *m_Command10 = nullptr;

    QPushButton *m_Command13 = nullptr;
    QPushButton *m_Command14 = nullptr;
    QPushButton *m_Command15 = nullptr;
    QPushButton *m_Command16 = nullptr;
    QPushButton *m_Command17 = nullptr;
    QPushButton *m_Command18 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command3 = nullptr;
    QPushButton *m_Command6 = nullptr;
    QPushButton *m_Command7 = nullptr;

    StartSequence *m_sequence = nullptr;
    ProgramState &m_state;
};
