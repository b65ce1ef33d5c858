#include "dictionary/NearMiss.h"

#include "dictionary/DictionaryText.h"
#include "dictionary/PartListModel.h"

#include <QVarLengthArray>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

using Letters = QVarLengthArray<char16_t, 64>;

// Letter case, umlauts and accents aside: "Straße" and "strasse" are the same letters.
void plainLetters(QStringView text, Letters &out)
{
    out.clear();
    const char16_t *data = reinterpret_cast<const char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = DictionaryText::foldedAt(data, text.size(), i);
        if (c == u'ß') {
            out.append(u's');
            out.append(u's');
            continue;
        }
        const QChar ch(c);
        if (ch.decompositionTag() == QChar::Canonical) {
            const QString decomposition = ch.decomposition();
            out.append(decomposition.isEmpty() ? c : char16_t(decomposition.front().unicode()));
        } else {
            out.append(c);
        }
    }
}

void foldedLetters(QStringView text, Letters &out)
{
    out.clear();
    const char16_t *data = reinterpret_cast<const char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out.append(DictionaryText::foldedAt(data, text.size(), i));
}

// Letters added, left out, changed, or two neighbours swapped; limit + 1 once it is beyond limit.
int distance(const Letters &a, const Letters &b, int limit)
{
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (std::abs(int(n - m)) > limit)
        return limit + 1;
    QVarLengthArray<int, 3 * 64> rows(3 * (m + 1));
    int *before = rows.data();
    int *previous = before + (m + 1);
    int *current = previous + (m + 1);
    for (qsizetype j = 0; j <= m; ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        current[0] = int(i);
        int best = current[0];
        for (qsizetype j = 1; j <= m; ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            best = std::min(best, d);
        }
        if (best > limit)
            return limit + 1;
        int *const spare = before;
        before = previous;
        previous = current;
        current = spare;
    }
    return std::min(previous[m], limit + 1);
}

struct Candidate
{
    QString text;
    int plain = 0;      // distance of the plain letters
    int folded = 0;     // distance with umlauts and accents
    int otherStart = 0; // 1 when the first letter differs
    int lengthDifference = 0;
    qsizetype order = 0;

    auto key() const { return std::make_tuple(plain, folded, otherStart, lengthDifference, order); }
};

} // namespace

QStringList NearMiss::spellings(QStringView word, const QList<const PartListModel *> &parts, int count)
{
    word = word.trimmed();
    if (word.isEmpty() || word.size() > kMaxWordLength || count <= 0)
        return {};
    Letters wantedPlain;
    Letters wantedFolded;
    plainLetters(word, wantedPlain);
    foldedLetters(word, wantedFolded);
    const int limit = wantedPlain.size() <= 4 ? 1 : 2;

    std::vector<Candidate> best;
    Letters plain;
    Letters folded;
    qsizetype order = 0;
    for (const PartListModel *part : parts) {
        if (!part)
            continue;
        for (int row = 0; row < part->count(); ++row, ++order) {
            const QStringView line = part->view(row);
            const qsizetype separator = line.indexOf(u';');
            if (separator <= 0)
                continue;
            const QStringView field = line.first(separator);
            // "Haus…" stands for words that begin with Haus: a part of a word, nothing to type.
            if (field.contains(u'…'))
                continue;
            // ß against ss may make one letter two; anything further off cannot be near.
            if (std::abs(int(field.size() - word.size())) > limit + 1)
                continue;
            plainLetters(field, plain);
            const int plainDistance = distance(wantedPlain, plain, limit);
            if (plainDistance > limit)
                continue;
            foldedLetters(field, folded);
            if (folded == wantedFolded)
                continue;
            Candidate c;
            c.plain = plainDistance;
            c.folded = distance(wantedFolded, folded, limit + 2);
            c.otherStart = plain.isEmpty() || plain.front() != wantedPlain.front() ? 1 : 0;
            c.lengthDifference = std::abs(int(field.size() - word.size()));
            c.order = order;
            if (int(best.size()) == count && !(c.key() < best.back().key()))
                continue;
            const bool known = std::any_of(best.begin(), best.end(), [&](const Candidate &b) {
                return QStringView(b.text).compare(field, Qt::CaseInsensitive) == 0;
            });
            if (known)
                continue;
            c.text = field.toString();
            best.insert(std::upper_bound(best.begin(), best.end(), c,
                                         [](const Candidate &a, const Candidate &b) { return a.key() < b.key(); }),
                        std::move(c));
            if (int(best.size()) > count)
                best.pop_back();
        }
    }
    QStringList result;
    for (const Candidate &c : best)
        result.append(c.text);
    return result;
}
