#pragma once

#include <QObject>

#include <array>
#include <memory>

class CountryTexts;
class PartList;
class WordForms;
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
    // The word forms of the dictionary loaded last; null before the first load.
    const std::shared_ptr<const WordForms> &wordForms() const { return m_forms; }
    // Loads only when the default dictionary is present ("Fehler im Wörterbuch" otherwise).
    void Command5_Click();
    void WoerterbuchLaden();

signals:
    // A dictionary was loaded, with these word forms (its form table, the irregular forms and
    // the stemmer of its source language).
    void wordFormsLoaded(std::shared_ptr<const WordForms> forms);

private:
    QLineEdit *m_text2 = nullptr;
    std::array<PartList *, 4> m_lists{};
    QProgressBar *m_progress = nullptr;
    std::shared_ptr<const WordForms> m_forms;
    const ProgramState &m_state;
};
