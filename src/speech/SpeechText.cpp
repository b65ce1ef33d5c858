#include "speech/SpeechText.h"

#include <algorithm>

namespace {
bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool isSeparatingControl(QChar c)
{
    // Tab, line feed, vertical tab, form feed, carriage return and the information separators.
    const char16_t u = c.unicode();
    return (u >= 0x09 && u <= 0x0d) || (u >= 0x1c && u <= 0x1f);
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u';' || c == u':';
}

// Where a piece of text[from..] ends: one past its last character.
qsizetype pieceEnd(QStringView text, qsizetype from, qsizetype maxLength)
{
    const qsizetype limit = from + maxLength;
    if (limit >= text.size())
        return text.size();
    for (qsizetype i = limit - 1; i >= from + maxLength / 2; --i) {
        if (endsSentence(text.at(i)) && text.at(i + 1).isSpace())
            return i + 1;
    }
    for (qsizetype i = limit; i > from; --i) {
        if (text.at(i).isSpace())
            return i;
    }
    // A surrogate pair stays whole.
    return text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
}
}

QString SpeechText::printable(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c))
            result.append(c);
        else if (isSeparatingControl(c) && !result.isEmpty() && !result.back().isSpace())
            result.append(u' ');
    }
    return result.trimmed();
}

QStringList SpeechText::pieces(QStringView text, qsizetype maxLength)
{
    QStringList result;
    maxLength = std::max<qsizetype>(2, maxLength);
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype end = pieceEnd(text, from, maxLength);
        const QStringView piece = text.mid(from, end - from).trimmed();
        if (!piece.isEmpty())
            result.append(piece.toString());
        from = end;
    }
    return result;
}
