#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <future>
#include <memory>

// The base forms hunspell finds for a word ("Kinder": Kind, "tengo": tener), with the spelling
// dictionary Debian installs for a language (hunspell-de-de, hunspell-es, ...). Reading one
// takes a tenth of a second, so it is read on a thread of its own; until it is there, and
// wherever none is installed, a word has no stems and everything else works as before.
class Stemmer
{
public:
    // Where the dictionaries lie: /usr/share/hunspell. Tests point it at a folder of their own.
    static QString folder();
    static void setFolder(const QString &folder);

    // The dictionary of a language ("de" gives de_DE.aff and de_DE.dic), without its extension;
    // empty when it is not installed.
    static QString dictionaryFor(const QString &language);
    // Starts reading the dictionary of language; null when it is not installed.
    [[nodiscard]] static std::shared_ptr<Stemmer> start(const QString &language);

    ~Stemmer();
    Stemmer(const Stemmer &) = delete;
    Stemmer &operator=(const Stemmer &) = delete;

    const QString &language() const { return m_language; }
    // The stems of word, as hunspell gives them (the word itself may be among them); empty
    // while the dictionary is being read, or when it could not be read.
    [[nodiscard]] QStringList stems(QStringView word) const;
    [[nodiscard]] bool isReady() const;
    // Waits at most that long for the dictionary; true once it is read (or failed to be).
    bool waitUntilReady(int milliseconds) const;

private:
    struct Dictionary;
    Stemmer(QString language, std::shared_future<std::shared_ptr<Dictionary>> reading);
    const Dictionary *dictionary() const;

    QString m_language;
    std::shared_future<std::shared_ptr<Dictionary>> m_reading;
};
