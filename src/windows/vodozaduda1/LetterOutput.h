#pragma once

#include <QObject>
#include <QString>

class ProgramState;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

struct LetterOutputControls
{
    QWidget *window = nullptr;
    QPlainTextEdit *text6 = nullptr;  // the letter
    QLineEdit *text3 = nullptr;       // the input field
    QPushButton *command36 = nullptr; // save as
    QPushButton *command37 = nullptr; // "Speichern"
    QPushButton *command31 = nullptr; // print
};

// Where the letter goes: into a file chosen in the dialog ("Speichern unter"), into the same
// file again ("Speichern"), or onto the default printer.
class LetterOutput : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPrintPointSize = 10;
    static inline const QString kInitialPath = QStringLiteral("c.\\");
    static inline const QString kDialogFilter = QStringLiteral("TXT(*.*) (*.txt)");

    LetterOutput(const LetterOutputControls &controls, const ProgramState &state, QObject *parent = nullptr);

    // Where "Speichern" writes the letter (Text7): the file chosen last.
    QString path() const { return m_path; }

    void Command36_Click();
    void Command37_Click();
    void Command31_Click();
    // Prints the text on the default printer; false when nothing was printed.
    [[nodiscard]] static bool Drucke(const QString &text);

signals:
    // The letter as it now stands in the file.
    void saved(const QString &letter);

private:
    [[nodiscard]] bool save();

    LetterOutputControls m_c;
    const ProgramState &m_state;
    QString m_path = kInitialPath;
};
