#pragma once
// Skip counts of a draw history: for each digit in each position and in any
// position, each root sum and each sum, how many draws it has been away (its
// current skip), its longest and its average skip, so that the "due" ones
// stand out.

#include "engine/BackTest.h"

#include <optional>
#include <string>
#include <vector>

namespace pick3 {

enum class SkipSubject { Position1, Position2, Position3, AnyPosition, RootSum, Sum };

struct SkipRow {
    SkipSubject subject = SkipSubject::Position1;
    int value = 0;                 // the digit, the root sum or the sum
    std::size_t hits = 0;          // the draws it came in
    std::size_t current = 0;       // draws since it last came; all of them when it never did
    std::size_t longest = 0;       // the most draws in a row without it, the current run included
    std::optional<double> average; // the mean of the skips between two of its draws
    // How overdue it is: the draws from its last coming to the next draw, over
    // those between two of its draws on average ((current + 1) / (average + 1));
    // above 1 it is due. None without an average; one that never came is the
    // most overdue of all.
    std::optional<double> due() const;
    // How due it is, for ranking and colouring: due(); one that never came above
    // every other, one without an average below every other.
    double dueRank() const;
};

// Rows in the order: positions 1 to 3 and any position, digits 0 to 9 each;
// root sums 0 to 9; sums 0 to 27.
std::vector<SkipRow> skipCounts(const DrawList& history, NewestEnd newest);

// "Pos 1", "Any position", "Root sum", "Sum".
std::string skipSubjectName(SkipSubject subject);

} // namespace pick3
