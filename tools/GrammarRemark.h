#pragma once

#include <QString>
#include <QStringList>

// The remark field of a line: word class, gender and pronunciation, e.g. "n, f, /ˈfʁɔɪ̯ndɪn/".
// Collects the grammar of every sense of a headword, so "Band" reads "n, m/f/n, /bˈant/".
class GrammarRemark
{
public:
    void addGrammar(const QString &grammar); // "fem, n, sg", "n, m", "v, trans", "pl"
    void addPronunciation(const QString &pronunciation);

    [[nodiscard]] QString text() const;
    // The same as hasWordClass() after adding each of grammar, without building the remark.
    [[nodiscard]] static bool marksWordClass(const QStringList &grammar);
    [[nodiscard]] bool hasWordClass() const { return !m_classes.isEmpty(); }
    [[nodiscard]] const QStringList &wordClasses() const { return m_classes; }
    // Marked plural without a word class: FreeDict's way of writing the plural of a noun.
    [[nodiscard]] bool isPluralForm() const { return m_plural && m_classes.isEmpty(); }

private:
    QStringList m_classes{};
    QStringList m_genders{};
    QStringList m_others{};
    bool m_plural = false;
    QString m_pronunciation{};
};
