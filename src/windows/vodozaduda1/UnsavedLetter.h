#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class LetterKeeper;
class ProgramState;
class QAbstractButton;
class QPlainTextEdit;

// A letter that was changed since it was last saved outlives the program, however the program
// ends: shortly after every change it is kept on disk, and the next start puts it back. Saving or
// clearing the letter drops the copy.
class UnsavedLetter : public QObject
{
    Q_OBJECT
public:
    // At most one write in this time while the user types, and no change older than it is lost.
    static constexpr int kKeepDelayMs = 1000;
    // check2 is "schreiben", ticked when a kept letter comes back.
    UnsavedLetter(QPlainTextEdit *text6, QAbstractButton *check2, const ProgramState &state, QObject *parent = nullptr);

    // At the start: the kept letter, if any, into the letter field.
    void restore();
    // At the end: the letter kept now, unless it is saved as it stands or empty.
    void keep();
    // The letter is in a file now, as it stands.
    void saved(const QString &letter);
    // The letter was cleared.
    void dropped();

private:
    void changed();
    void keepNow();
    void kept(bool ok);

    QPlainTextEdit *m_text6 = nullptr;
    QAbstractButton *m_check2 = nullptr;
    const ProgramState &m_state;
    LetterKeeper *m_keeper = nullptr;
    QTimer m_delay;
    QString m_saved;
    // What the disk holds (or is about to): an unchanged letter is not written again.
    QString m_kept;
    // A failed write is said once, until a write succeeds again.
    bool m_told = false;
    bool m_ending = false;
};
