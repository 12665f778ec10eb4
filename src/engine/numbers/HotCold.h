#pragma once
// The hot/cold counter's rules: cutting a draw history into draws, counting the
// hits of every digit per position and in any position, ranking them, the texts
// of the hit lists, the hot digits read back from those texts, and the numbers
// made from digits picked in the hit lists.

#include "engine/Draws.h"
#include "engine/numbers/NumberProfile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// One row of a hit table. Hits are 64-bit: a pasted history of any size cannot
// overflow them.
struct HitRow {
    int digit = 0;
    std::int64_t hits = 0;
    bool operator==(const HitRow&) const = default;
};

// Ten rows, one per digit. Before ranking row r holds digit r; after ranking
// row 0 holds rank 1.
using HitTable = std::array<HitRow, 10>;

// Rows (r, 0) for r = 0 to 9.
HitTable sbResetHitTable();

// The result of "Count": how many draws the text held and the hits of each
// digit, by digit (row r = digit r).
struct HitCount {
    std::int64_t drawCount = 0;
    std::array<HitTable, 3> positions{sbResetHitTable(), sbResetHitTable(), sbResetHitTable()};
    HitTable box = sbResetHitTable();
};

// "Count" runs only on a text of at least this many characters (any characters).
inline constexpr std::size_t kMinCountTextLength = 3;

// The number of characters of a UTF-8 text (code points, not bytes).
std::size_t characterCount(std::string_view utf8);
// True when "Count" runs on `utf8`: it holds at least three characters.
bool isCountable(std::string_view utf8);

// Cuts `text` into draws: every digit character in order, taken three at a
// time; other characters are skipped; one or two digits left at the end are dropped.
DrawList parseDraws(std::string_view text);

// Counts draws: each draw adds one hit per position and three box hits (one
// per digit, so 112 gives digit 1 two box hits).
HitCount countDraws(const DrawList& draws);
HitCount countDraws(std::string_view text);
// Adds one draw, by its index or by its digits, to a count.
void addDraw(HitCount& count, int draw);
void addDraw(HitCount& count, int d1, int d2, int d3);

// Which digit wins a tie of hits: optSortOrder(0) "Hits desc + digits asc" or
// optSortOrder(1) "Hits desc + digits desc".
enum class SortOrder { HitsDescDigitsAsc, HitsDescDigitsDesc };

// Sorts rows lo to hi (0..9) of `table` in place by hits descending; equal hits
// by digit descending (sbQuickSortRowsDesc) or ascending (sbQuickSortRowsDescAsc).
// Throws std::invalid_argument when lo or hi lies outside the table.
void sbQuickSortRowsDesc(HitTable& table, int lo, int hi);
void sbQuickSortRowsDescAsc(HitTable& table, int lo, int hi);

// The four tables of a count, each ranked: positions 1 to 3, then the box.
struct RankedHits {
    std::array<HitTable, 3> positions;
    HitTable box;
};
RankedHits rankHits(const HitCount& count, SortOrder order);

// The hot digits of a ranking: the best-ranked digits of each table.
HotDigits hotDigitsOf(const RankedHits& ranked);

// The text of one hit list item: "7   (12 hits)", "4   (1 hits)".
std::string hitListItem(const HitRow& row);
// The ten item texts of a ranked table, rank 1 first.
std::vector<std::string> hitListItems(const HitTable& ranked);

// The digit an item text stands for (its first character), or -1 when it does
// not begin with a digit.
int itemDigit(std::string_view itemText);

// The hot digits of four hit lists given by their item texts (lstPos1, lstPos2,
// lstPos3, lstBox): the digits of items 0 to 4 of each. A shorter or empty list
// gives fewer hot digits; an item that does not begin with a digit gives none.
HotDigits hotDigitsFromLists(const std::array<std::vector<std::string>, 4>& itemTexts);

// ---- Making numbers from picked digits ("Create numbers" of the counter) ----

// optBox(0) "Straight" or optBox(1) "Box".
enum class StraightBox { Straight = 0, Box = 1 };

// Which kinds of number are written (chk6Ways, chkDoubles, chkTriples).
struct NumberKinds {
    bool sixWays = true;
    bool doubles = true;
    bool triples = true;
};

// The digits picked in each hit list, in list order (rank order, not digit order).
struct ChosenDigits {
    std::array<std::vector<int>, 3> positions;
    std::vector<int> box;
};

// Reads the picked items of the hit lists (their texts, in list order: lstPos1,
// lstPos2, lstPos3, lstBox) into digits. Only the lists of `choice` are read.
// None when the choice is not usable: fewer than three box digits, or a
// position list with none.
std::optional<ChosenDigits>
fnReadChosenDigits(StraightBox choice,
                   const std::array<std::vector<std::string>, 4>& selectedTexts);

// What "Create numbers" of the counter writes: a refusal to show (and nothing
// else changes), or the new text of txtOutput with its count. Lines end in CR LF.
struct HotColdNumbers {
    std::optional<std::string> refusal;
    std::string text;
    int count = 0;
};

// Straight: every a b c with a, b, c picked in positions 1, 2, 3, in loop
// order, all kinds on one line. Box: every set of three picked digits,
// repetitions allowed, written ascending, in three lines: 6-ways, doubles,
// triples (a line only when it holds a number; the first always stands).
HotColdNumbers createHotColdNumbers(StraightBox choice,
                                    const std::array<std::vector<std::string>, 4>& selectedTexts,
                                    NumberKinds kinds);

} // namespace pick3
