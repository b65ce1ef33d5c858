#pragma once

#include <QObject>
#include <QString>

class FileListBox;
class Form;
class ProgramState;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

struct CountryChoiceControls
{
    FileListBox *File1 = nullptr;     // the country files of "land"
    QListWidget *List1 = nullptr;     // mirrors the stored choice
    QGroupBox *Frame1 = nullptr;      // the INI panel, whose caption shows the current file
    QLineEdit *Text1 = nullptr;       // the section applied
    QPushButton *Command7 = nullptr;  // "Start >>"
    QPushButton *Command22 = nullptr; // "Übernehmen ?"
    QPushButton *Command24 = nullptr; // "Exit"
    int openHeight = 0;               // client height in pixels that shows "Übernehmen ?"
};

// Choosing the country: a click on a country file applies it to every window at once,
// "Übernehmen ?" stores it, and "Start >>" applies the stored country and goes on to the main
// window. Holds the current country file (LandDatei) that applying reads.
class CountryChoice : public QObject
{
    Q_OBJECT
public:
    CountryChoice(Form &window, const CountryChoiceControls &controls, ProgramState &state, QObject *parent = nullptr);

    QString countryFile() const { return m_LandDatei; }

    // The window's load step: the country list, no country file yet, the stored choice.
    void load();

    void File1_Click();
    void Command22_Click(); // "Übernehmen ?"
    void Command7_Click();  // "Start >>"

    void Command12_Click(); // "land-laden...": applies the current country file
    void Command23_Click(); // "land einlesen": the stored choice into List1
    void Command16_Click(); // "öffnen": the stored country alone in the country list
    void Command17_Click(); // "speichern": List1 into the stored choice
    void Command6_Click();  // ">>": the marked country file into List1
    void Command18_Click(); // "SendKeys": marks the first country file, which applies it
    void Command11_Click(); // "laden": the country list afresh, no country file
    void Command20_Click(); // "test laden": as "laden", every country file listed again
    void Command10_Click(); // "refresch"
    void Command21_Click(); // the current country file named by List1

private:
    static QString folder();
    void selectFirst();

    Form &m_window;
    CountryChoiceControls m_c;
    ProgramState &m_state;
    QString m_LandDatei;
};
