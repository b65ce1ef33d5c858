#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QPlainTextEdit;

// A letter that was changed since it was last saved outlives the program: it is kept when the
// program ends and put back at the next start. Saving or clearing the letter drops the copy.
class UnsavedLetter : public QObject
{
    Q_OBJECT
public:
    // check2 is "schreiben", ticked when a kept letter comes back.
    UnsavedLetter(QPlainTextEdit *text6, QAbstractButton *check2, QObject *parent = nullptr);

    // At the start: the kept letter, if any, into the letter field.
    void restore();
    // At the end: the letter kept, unless it is saved as it stands or empty.
    void keep();
    // The letter is in a file now, as it stands.
    void saved(const QString &letter);
    // The letter was cleared.
    void dropped();

private:
    QPlainTextEdit *m_text6 = nullptr;
    QAbstractButton *m_check2 = nullptr;
    QString m_saved;
};
