#include "PartSplitter.h"

#include <algorithm>

namespace {

constexpr int Preferred = EntryTierCount; // index of the preferred count in Counts
using Counts = std::array<long long, EntryTierCount + 1>;

// What a plan keeps, compared tier by tier, then by preferred entries, then how even its parts
// are: the smaller the sum of the squared part sizes, the more even (and, unlike the largest
// part, a sum that the step-by-step search can add up exactly).
struct Score
{
    Counts kept{};
    long long squares = 0;
    bool valid = false;

    [[nodiscard]] bool betterThan(const Score &other) const
    {
        if (!other.valid)
            return valid;
        if (!valid)
            return false;
        if (kept != other.kept)
            return kept > other.kept;
        return squares < other.squares;
    }
    [[nodiscard]] Score plus(const Counts &more, long long squares) const
    {
        Score s = *this;
        for (size_t t = 0; t < more.size(); ++t)
            s.kept[t] += more[t];
        s.squares += squares;
        return s;
    }
};

// The most useful `capacity` of the available entries, by tier; preferred entries rank before
// all others, so a part keeps as many of them as it has room for.
Counts keptOf(const Counts &available, long long capacity)
{
    Counts kept{};
    kept[Preferred] = std::min(capacity, available[Preferred]);
    for (int t = 0; t < EntryTierCount; ++t) {
        kept[t] = std::min(capacity, available[t]);
        capacity -= kept[t];
    }
    return kept;
}

long long sum(const Counts &counts)
{
    long long total = 0;
    for (int t = 0; t < EntryTierCount; ++t)
        total += counts[t];
    return total;
}

} // namespace

PartSplitter::PartSplitter(Parts capacities)
    : m_capacities(capacities), m_smallestCapacity(*std::min_element(capacities.begin(), capacities.end()))
{}

PartSplitter::Plan PartSplitter::plan(const std::vector<Letter> &letters) const
{
    const int letterCount = int(letters.size());
    // prefix[i][t]: entries of tier t (or preferred ones) in letters [0, i)
    std::vector<Counts> prefix(letterCount + 1);
    for (int i = 0; i < letterCount; ++i) {
        for (int t = 0; t < EntryTierCount; ++t)
            prefix[i + 1][t] = prefix[i][t] + letters[i].byTier[t];
        prefix[i + 1][Preferred] = prefix[i][Preferred] + letters[i].preferred;
    }
    const auto available = [&](int first, int end) {
        Counts counts{};
        for (size_t t = 0; t < counts.size(); ++t)
            counts[t] = prefix[end][t] - prefix[first][t];
        return counts;
    };

    // best[k][j]: the best way to put letters [0, j) into parts [0, k).
    struct Step
    {
        Score score;
        int from = 0;  // letters [from, j) ...
        int parts = 1; // ... fill this many parts: one shared part, or several for one big letter
    };
    std::array<std::vector<Step>, PartCount + 1> best;
    for (auto &row : best)
        row.assign(letterCount + 1, Step());
    best[0][0].score.valid = true;

    for (int k = 1; k <= PartCount; ++k) {
        const long long capacity = m_capacities[k - 1];
        for (int j = 0; j <= letterCount; ++j) {
            Step &cell = best[k][j];
            for (int i = 0; i <= j; ++i) {
                const Score &before = best[k - 1][i].score;
                if (!before.valid)
                    continue;
                const auto kept = keptOf(available(i, j), capacity);
                const long long size = sum(kept);
                const Score candidate = before.plus(kept, size * size);
                // On a tie the later boundary wins: earlier parts fill first.
                if (!cell.score.betterThan(candidate))
                    cell = {candidate, i, 1};
            }
            // Parts [k - m, k) all given to letter j - 1, which alone exceeds a part.
            if (j == 0)
                continue;
            const auto letter = available(j - 1, j);
            if (sum(letter) <= m_smallestCapacity)
                continue;
            long long capacities = m_capacities[k - 1];
            for (int m = 2; m <= k; ++m) {
                capacities += m_capacities[k - m];
                const Score &before = best[k - m][j - 1].score;
                if (!before.valid)
                    continue;
                const auto kept = keptOf(letter, capacities);
                // Spread evenly: r parts of q + 1 lines, the others of q.
                const long long q = sum(kept) / m;
                const long long r = sum(kept) % m;
                const Score candidate = before.plus(kept, r * (q + 1) * (q + 1) + (m - r) * q * q);
                if (!cell.score.betterThan(candidate))
                    cell = {candidate, j - 1, m};
            }
        }
    }

    Plan plan;
    int j = letterCount;
    for (int k = PartCount; k > 0;) {
        const Step &step = best[k][j];
        const int first = step.from;
        const int partsUsed = step.parts;
        if (partsUsed == 1) {
            plan[k - 1] = {first, j, int(sum(keptOf(available(first, j), m_capacities[k - 1])))};
        } else {
            long long capacities = 0;
            for (int p = k - partsUsed; p < k; ++p)
                capacities += m_capacities[p];
            long long remaining = sum(keptOf(available(first, j), capacities));
            // Spread the big letter evenly over its parts.
            for (int p = k - partsUsed; p < k; ++p) {
                const int partsLeft = k - p;
                const long long size = std::min<long long>(m_capacities[p], (remaining + partsLeft - 1) / partsLeft);
                plan[p] = {first, j, int(size)};
                remaining -= size;
            }
        }
        k -= partsUsed;
        j = first;
    }
    return plan;
}
