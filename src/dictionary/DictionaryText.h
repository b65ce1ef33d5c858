#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// One line of a dictionary, as a slice of the whole decoded file.
struct LineSpan
{
    std::int32_t offset = 0;
    std::int32_t length = 0;
};

// The decoded text of a loaded dictionary. The part lists hold only spans into it, so a
// load makes no string per line.
class DictionaryText
{
public:
    explicit DictionaryText(QString text) : m_text(std::move(text)) {}

    const QString &text() const { return m_text; }
    QStringView view(LineSpan span) const { return QStringView(m_text).mid(span.offset, span.length); }
    QString line(LineSpan span) const { return m_text.mid(span.offset, span.length); }

    // The letter-case folding every search uses: simple (one character to one character)
    // Unicode case folding, the same the platform's case-insensitive comparison applies.
    static char16_t fold(char16_t c)
    {
        if (c < 0x80)
            return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        return QChar::toCaseFolded(c);
    }
    // The folded unit at i of text: a character outside the basic plane is folded as the pair
    // it is (𐐀 and 𐐨 are one letter), each other unit on its own.
    static char16_t foldedAt(const char16_t *text, qsizetype size, qsizetype i)
    {
        const char16_t c = text[i];
        if (!QChar::isSurrogate(c))
            return fold(c);
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(text[i + 1]))
            return QChar::highSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1])));
        if (QChar::isLowSurrogate(c) && i > 0 && QChar::isHighSurrogate(text[i - 1]))
            return QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1], c)));
        return c;
    }
    static QString folded(QStringView text);

private:
    QString m_text;
};
