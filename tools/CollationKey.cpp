#include "CollationKey.h"

namespace {

// Sorts after every letter that can follow n, so "nunca" < "ñandú" < "oso".
constexpr char16_t AfterN = 0xFFFF;

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
           || category == QChar::Mark_Enclosing;
}

QString primaryOf(const QString &text)
{
    // Compatibility decomposition also folds ligatures and "…" into plain letters and dots.
    const QString folded = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString key;
    key.reserve(folded.size() + 2);
    for (const QChar c : folded) {
        if (isMark(c)) {
            if (c.unicode() == 0x0303 && key.endsWith(u'n'))
                key += QChar(AfterN);
            continue;
        }
        switch (c.unicode()) {
        case 0x00DF:
            key += u"ss";
            break; // ß
        case 0x00E6:
            key += u"ae";
            break; // æ
        case 0x0153:
            key += u"oe";
            break; // œ
        case 0x00F8:
            key += u'o';
            break; // ø
        case 0x0142:
            key += u'l';
            break; // ł
        case 0x0111:
            key += u'd';
            break; // đ
        default:
            key += c;
            break;
        }
    }
    qsizetype start = 0;
    while (start < key.size() && !key[start].isLetterOrNumber())
        ++start;
    return key.mid(start);
}

QString swappedCase(const QString &text)
{
    QString swapped = text;
    for (QChar &c : swapped) {
        if (c.isUpper())
            c = c.toLower();
        else if (c.isLower())
            c = c.toUpper();
    }
    return swapped;
}

} // namespace

CollationKey::CollationKey(const QString &text)
    : m_primary(primaryOf(text)),
      m_secondary(text.normalized(QString::NormalizationForm_D).toLower()),
      m_tertiary(swappedCase(text)),
      m_text(text)
{}

int CollationKey::compare(const CollationKey &other) const
{
    if (const int c = m_primary.compare(other.m_primary))
        return c;
    if (const int c = m_secondary.compare(other.m_secondary))
        return c;
    if (const int c = m_tertiary.compare(other.m_tertiary))
        return c;
    return m_text.compare(other.m_text);
}
