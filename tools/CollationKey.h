#pragma once

#include <QChar>
#include <QString>

// Sort key for German and Spanish readers: umlauts and accented vowels beside their base letter
// (ä = a, é = e), ß = ss, ñ as a letter of its own after n, letter case ignored. Leading
// punctuation ("… ab", "(sich) ...") does not count. Ties: unaccented before accented,
// lower case before upper case, then the raw text, so the order never depends on input order.
class CollationKey
{
public:
    explicit CollationKey(const QString &text);

    [[nodiscard]] int compare(const CollationKey &other) const;
    [[nodiscard]] bool operator<(const CollationKey &other) const { return compare(other) < 0; }
    // The letter a part boundary must not split; a null QChar when the text has no letter or digit.
    [[nodiscard]] QChar letter() const { return m_primary.isEmpty() ? QChar() : m_primary.front(); }
    [[nodiscard]] const QString &primary() const { return m_primary; }

private:
    QString m_primary{};
    QString m_secondary{};
    QString m_tertiary{};
    QString m_text{};
};
