#pragma once
// Skip counts of a draw history: for each digit in each position and in any
// position, each root sum and each sum, how many draws it has been away (its
// current skip), its longest and its average skip, and against the game's own
// odds: how long it stays away on average and how rare a skip this long is.

#include "engine/Draws.h"
#include "engine/numbers/HotCold.h"

#include <array>
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
    double odds = 0.1;             // the chance that a draw brings it, from the 1,000 numbers
    std::size_t draws = 0;         // of the history counted: the longest a current skip can be
    // The draws it stays away on average by those odds: (1 - p) / p.
    double expectedSkip() const;
    // The chance of a skip at least as long as the current one: (1 - p)^current;
    // as a log, which stays apart from none however long the skip.
    double chanceOfSkip() const;
    double logChanceOfSkip() const;
    // Never drawn: its skips are at least the whole history, not measured.
    bool neverDrawn() const { return hits == 0; }
    // How overdue it is by the odds: (current + 1) / (expected skip + 1); above 1
    // it has been away longer than it stays away on average.
    double due() const;
    // The chance that a fair draw gives a current skip whose chance is under 5%:
    // P(current >= c) = (1 - p)^c for the shortest such skip c, if the history
    // is long enough for it; none otherwise.
    double chanceUnusual() const;
};

// Rows in the order: positions 1 to 3 and any position, digits 0 to 9 each;
// root sums 0 to 9; sums 0 to 27.
std::vector<SkipRow> skipCounts(const DrawList& history, NewestEnd newest);

// "By luck alone about 2.3 of these 78 rows would show a chance under 5%; 6 do.":
// how many rows show a skip that rare, against what luck alone gives.
std::string skipLuckText(const std::vector<SkipRow>& rows);

// "Pos 1", "Any position", "Root sum", "Sum".
std::string skipSubjectName(SkipSubject subject);

// The kinds the table can be narrowed to, and whether a subject is of one.
enum class SkipKind { All, DigitsByPosition, DigitsAnywhere, RootSums, Sums };
inline constexpr std::array<const char*, 5> kSkipKindNames{"All", "Digits by position",
                                                           "Digits anywhere", "Root sums", "Sums"};
bool isOfKind(SkipSubject subject, SkipKind kind);

} // namespace pick3
