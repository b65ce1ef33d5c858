#pragma once

#include "core/LocalText.h"

#include <QObject>

class CountryTexts;
class DictionaryLoading;
class ProgramState;
class FileListBox;
class Form;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The controls of the dictionary choice.
struct CatalogueControls
{
    QLineEdit *text2 = nullptr;  // name of the dictionary
    QLabel *label3 = nullptr;    // its language pair
    QGroupBox *frame1 = nullptr; // the selection panel
    FileListBox *file1 = nullptr;
    QPushButton *command14 = nullptr; // load the marked file
    QPushButton *command17 = nullptr; // open the panel
    QPushButton *command18 = nullptr; // close the panel
    QPushButton *command44 = nullptr; // open the marked file in the text editor
    QProgressBar *progressBar1 = nullptr;
    QLineEdit *text3 = nullptr;
};

// Choosing a dictionary: the panel that lists the dictionary folder, loads the marked file,
// opens it for editing, and the label naming the language pair of the loaded one.
class DictionaryCatalogue : public QObject
{
    Q_OBJECT
public:
    DictionaryCatalogue(Form &window, const CatalogueControls &controls, DictionaryLoading &loading,
                        const ProgramState &state, QObject *parent = nullptr);

    static QString folder();
    static QString exampleMessage(const CountryTexts &texts);
    // The language pair shown for a dictionary name; "Land" for names not known.
    static LocalText languagePair(const QString &name, const CountryTexts &texts);

    void Command17_Click();
    void Command18_Click();
    void Command14_Click();
    void Command44_Click();
    void File1_Click();
    void File1_DblClick();
    void File1_Enter();
    void Text2_Change();

private:
    // Loads the marked file; false when the window went away while waiting.
    bool loadMarked();

    Form &m_window;
    CatalogueControls m_c;
    DictionaryLoading &m_loading;
    const ProgramState &m_state;
};
