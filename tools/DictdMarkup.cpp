#include "DictdMarkup.h"

#include <algorithm>
#include <optional>

namespace {

bool closesPronunciation(QStringView text, qsizetype end)
{
    if (end + 1 >= text.size())
        return true;
    const QChar next = text[end + 1];
    return next.isSpace() || next == u',' || next == u')' || next == u';';
}

std::optional<char32_t> namedEntity(QStringView name)
{
    if (name == u"nbsp")
        return U' ';
    if (name == u"amp")
        return U'&';
    if (name == u"lt")
        return U'<';
    if (name == u"gt")
        return U'>';
    if (name == u"quot")
        return U'"';
    if (name == u"apos")
        return U'\'';
    return std::nullopt;
}

std::optional<char32_t> numericEntity(QStringView digits)
{
    bool ok = false;
    uint value = 0;
    if (digits.startsWith(u'x') || digits.startsWith(u'X'))
        value = digits.mid(1).toUInt(&ok, 16);
    else
        value = digits.toUInt(&ok, 10);
    if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return char32_t(value);
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

qsizetype DictdMarkup::pronunciationEnd(QStringView text, qsizetype at)
{
    if (at >= text.size() || text[at] != u'/')
        return -1;
    if (at > 0 && !text[at - 1].isSpace())
        return -1;
    if (at + 1 >= text.size() || text[at + 1].isSpace() || text[at + 1] == u'/')
        return -1;
    const qsizetype end = text.indexOf(u'/', at + 1);
    if (end < 0 || !closesPronunciation(text, end))
        return -1;
    return end;
}

qsizetype DictdMarkup::grammarEnd(QStringView text, qsizetype at)
{
    if (at + 1 >= text.size() || text[at] != u'<' || text[at + 1].isSpace())
        return -1;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] == u'>')
            return i > at + 1 ? i : -1;
        if (text[i] == u'<')
            return -1;
    }
    return -1;
}

qsizetype DictdMarkup::labelEnd(QStringView text, qsizetype at)
{
    if (at >= text.size() || text[at] != u'[')
        return -1;
    const qsizetype end = text.indexOf(u']', at + 1);
    return end > at + 1 ? end : -1;
}

QStringView DictdMarkup::withoutLeadingLabels(QStringView text)
{
    text = text.trimmed();
    while (text.startsWith(u'[')) {
        const qsizetype end = labelEnd(text, 0);
        if (end < 0)
            break;
        text = text.mid(end + 1).trimmed();
    }
    return text;
}

QString DictdMarkup::decodeEscapes(const QString &text)
{
    if (!text.contains(u'&') && !text.contains(u'\\'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&') {
            // Only a reference of at most ten characters counts; looking further for its ";"
            // would scan the rest of the text again from every "&".
            const qsizetype end = QStringView(text).mid(i + 1, 10).indexOf(u';') + i + 1;
            if (end > i + 1) {
                const QStringView name = QStringView(text).mid(i + 1, end - i - 1);
                const std::optional<char32_t> decoded =
                    name.startsWith(u'#') ? numericEntity(name.mid(1)) : namedEntity(name);
                if (decoded) {
                    out += QString::fromUcs4(&*decoded, 1);
                    i = end;
                    continue;
                }
            }
        } else if (c == u'\\' && i + 5 < text.size() && text[i + 1] == u'u') {
            const QStringView hex = QStringView(text).mid(i + 2, 4);
            if (std::all_of(hex.begin(), hex.end(), isHexDigit)) {
                const QChar decoded(char16_t(hex.toUInt(nullptr, 16)));
                if (!decoded.isSurrogate()) {
                    out += decoded;
                    i += 5;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}
