#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What of a text may reach espeak-ng: printable characters only, in pieces of bounded
// length. espeak-ng 1.51 misreads control characters and overruns its buffers on some long
// runs, and a bounded piece also lets stop and pause take hold quickly.
class SpeechText
{
public:
    static constexpr qsizetype kMaxPieceLength = 300;

    // Removes U+0000..U+001F and U+007F; tabs, line breaks and the like become one blank, so
    // that words stay apart. Leading and trailing blanks go.
    static QString printable(QStringView text);
    // Splits into pieces of at most maxLength characters: after a sentence end where one lies
    // in the second half of the piece, otherwise at the last blank, otherwise (one long word)
    // hard at the limit. Pieces are trimmed; blank ones are left out.
    static QStringList pieces(QStringView text, qsizetype maxLength = kMaxPieceLength);
};
