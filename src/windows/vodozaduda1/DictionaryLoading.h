#pragma once

#include <QObject>

#include <array>

class CountryTexts;
class PartList;
class ProgramState;
class QLineEdit;
class QProgressBar;

// Loads the dictionary named in the name field into the four part lists.
class DictionaryLoading : public QObject
{
    Q_OBJECT
public:
    DictionaryLoading(QLineEdit *text2, const std::array<PartList *, 4> &lists, QProgressBar *progress,
                      const ProgramState &state, QObject *parent = nullptr);

    static QString defaultDictionaryPath();
    static QString dictionaryPath(const QString &name);
    static QString faultyDictionaryMessage(const CountryTexts &texts);
    static QString layoutMessage(const CountryTexts &texts);

    static bool DateiVorhanden(const QString &path);
    // Loads only when the default dictionary is present ("Fehler im Wörterbuch" otherwise).
    void Command5_Click();
    void WoerterbuchLaden();

private:
    QLineEdit *m_text2 = nullptr;
    std::array<PartList *, 4> m_lists{};
    QProgressBar *m_progress = nullptr;
    const ProgramState &m_state;
};
