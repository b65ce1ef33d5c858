#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class PartList;
class QLabel;
class QTimer;

// The words of the hints; a country file may replace them. %1 the typed word, %2 the entry it
// was found under, %3 the other entries it could belong to; %1 in nearMiss the spellings.
struct LookupHintTexts
{
    QString formFound = QStringLiteral("%1 → %2");
    QString formFoundOthers = QStringLiteral("%1 → %2 (auch: %3)");
    QString nearMiss = QStringLiteral("Meinten Sie: %1?");
    QString separator = QStringLiteral(", ");
};

// What the description line says about a lookup: under which entry a form of a word was found
// ("Kinder → Kind"), or, once typing pauses on a word that nothing finds, the entries spelled
// like it ("Meinten Sie: Haus, Hals?"). The line's own text (the example, a help text) comes
// back when the hint goes, unless something else was written there meanwhile.
class LookupHint : public QObject
{
    Q_OBJECT
public:
    // How long typing must pause before spellings are looked for.
    static constexpr int kPauseMilliseconds = 300;

    LookupHint(QLabel *description, const std::array<PartList *, 4> &lists, QObject *parent = nullptr);

    void setTexts(const LookupHintTexts &texts) { m_texts = texts; }
    const LookupHintTexts &texts() const { return m_texts; }

    // The word is an entry: no hint.
    void entryFound();
    // The word was found under base, perhaps also under others.
    void formFound(const QString &word, const QString &base, const QStringList &others);
    // Nothing found: once typing pauses, spellings that are entries are offered.
    void missed(const QString &word);
    // The input field was emptied: a hint shown stays, none is looked for.
    void inputEmptied();
    // The hint on the line now, empty when none is.
    const QString &shown() const { return m_shown; }

private:
    void offerSpellings();
    void show(const QString &text);
    void remove();

    QLabel *m_description = nullptr;
    std::array<PartList *, 4> m_lists{};
    QTimer *m_pause = nullptr;
    LookupHintTexts m_texts{};
    QString m_missed{};
    QString m_shown{};      // the hint on the line, empty when none is
    QString m_lineBefore{}; // what the line said before it
};
