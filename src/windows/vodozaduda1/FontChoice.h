#pragma once

#include <QObject>
#include <QString>

class ProgramState;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

struct FontChoiceControls
{
    QComboBox *combo1 = nullptr;          // the installed screen fonts
    QAbstractButton *check5 = nullptr;    // "<": the two input fields
    QAbstractButton *check6 = nullptr;    // "^": the letter
    QAbstractButton *command48 = nullptr; // "schrift": apply, below the visible area
    QLineEdit *text3 = nullptr;
    QLineEdit *text1 = nullptr;
    QPlainTextEdit *text6 = nullptr;
};

// The face of the input fields and of the letter, picked from the installed screen fonts.
// Only the face changes; an unticked target gets the design face back. Nothing is stored.
class FontChoice : public QObject
{
    Q_OBJECT
public:
    static inline const QString kPrompt = QStringLiteral("Schrift wählen >");

    FontChoice(const FontChoiceControls &controls, ProgramState &state, QObject *parent = nullptr);

    // The window's start: one entry per installed screen font, the prompt in the field.
    void fill();
    void Command48_Click();

private:
    void showChoice();

    FontChoiceControls m_c;
    ProgramState &m_state;
};
