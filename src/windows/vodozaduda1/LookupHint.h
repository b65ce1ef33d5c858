#pragma once

#include "core/LocalText.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class PartList;
class ProgramState;
class QLabel;
class QTimer;

// What the description line says about a lookup: under which entry a form of a word was found
// ("Kinder → Kind"), or, once typing pauses on a word that nothing finds, the entries spelled
// like it ("Meinten Sie: Haus, Hals?"). The line's own text (the example, a help text) comes
// back when the hint goes, unless something else was written there meanwhile. The hints are in
// the words of the country applied when they are shown, and carry its language.
class LookupHint : public QObject
{
    Q_OBJECT
public:
    // How long typing must pause before spellings are looked for.
    static constexpr int kPauseMilliseconds = 300;

    LookupHint(QLabel *description, const std::array<PartList *, 4> &lists, const ProgramState &state,
               QObject *parent = nullptr);

    // The word is an entry: no hint.
    void entryFound();
    // The word was found under base, perhaps also under others.
    void formFound(const QString &word, const QString &base, const QStringList &others);
    // Nothing found: once typing pauses, spellings that are entries are offered.
    void missed(const QString &word);
    // The input field was emptied: a hint shown stays, none is looked for.
    void inputEmptied();
    // The hint on the line now, empty when none is.
    const LocalText &shown() const { return m_shown; }

private:
    void offerSpellings();
    void show(const LocalText &hint);
    void remove();

    QLabel *m_description = nullptr;
    std::array<PartList *, 4> m_lists{};
    const ProgramState &m_state;
    QTimer *m_pause = nullptr;
    QString m_missed{};
    LocalText m_shown{};      // the hint on the line, empty when none is
    LocalText m_lineBefore{}; // what the line said before it
};
