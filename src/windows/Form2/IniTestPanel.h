#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

// The country window's panel "Ini Dateien", which tries the INI operations on the current
// country file: five fixed keys, each with its value field.
struct IniPanelControls
{
    QLineEdit *section = nullptr; // Text1
    // The fields of "Key1" to "Key5", in key order: Text2, Text3, Text4, Text6, Text5.
    std::array<QLineEdit *, 5> values{};
    QPushButton *write = nullptr;         // Command1 "Schreiben"
    QPushButton *read = nullptr;          // Command2 "Lesen"
    QPushButton *deleteKey = nullptr;     // Command3 "Key Löschen"
    QPushButton *deleteSection = nullptr; // Command4 "Section löschen"
};

class IniTestPanel : public QObject
{
    Q_OBJECT
public:
    using FileSource = std::function<QString()>;

    // file() gives the current country file at each press.
    IniTestPanel(const IniPanelControls &controls, FileSource file, QObject *parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    // Reads again, as it always has: the panel has no field for the key to delete.
    void Command3_Click();
    void Command4_Click();

private:
    static QString key(int index);

    IniPanelControls m_c;
    FileSource m_file;
};
