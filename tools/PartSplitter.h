#pragma once

#include "ImportEntry.h"

#include <array>
#include <vector>

// Plans the four parts the program loads into its four lists. Parts hold whole first letters;
// a letter that alone holds more lines than a part may instead fill several parts of its own.
// Where everything does not fit, each part keeps its most useful entries (base forms before
// phrases before inflected forms before sentences), and the boundaries are chosen so that as
// many base forms as possible stay, then phrases, and so on; then so that the kept entries are
// as many as possible of those that would be kept without parts ("preferred"), so no run of
// letters has to give up more common words than another. Among equally good plans the most
// even one wins.
class PartSplitter
{
public:
    static constexpr int PartCount = 4;
    using Parts = std::array<int, PartCount>;

    // A list holds 32,767 lines. Each part is filled to 32,267, leaving room for 500 lines that a
    // user adds with a text editor; in parts 2 to 4 one of them is the divider's " Trennlinie".
    static constexpr Parts DefaultCapacities{32267, 32266, 32266, 32266};

    // Entries of one first letter.
    struct Letter
    {
        std::array<int, EntryTierCount> byTier{};
        int preferred = 0; // among the most useful entries of the whole dictionary that fit
    };

    struct Part
    {
        int firstLetter = 0; // letters [firstLetter, endLetter)
        int endLetter = 0;
        int entries = 0; // lines kept in this part
    };
    using Plan = std::array<Part, PartCount>;

    explicit PartSplitter(Parts capacities = DefaultCapacities);

    // Letters in sort order.
    [[nodiscard]] Plan plan(const std::vector<Letter> &letters) const;
    [[nodiscard]] const Parts &capacities() const { return m_capacities; }

private:
    Parts m_capacities{};
    int m_smallestCapacity = 0;
};
