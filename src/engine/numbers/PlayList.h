#pragma once
// The numbers to play, as the results box holds them: read the way "Filter
// more" reads them (digits three at a time, every other character skipped),
// each described by its structure, how it is played and the order its digits
// are written in; and the texts that take them away: a file as shown, a CSV
// file, the heading of a printed list.

#include "engine/numbers/Commands.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

struct PlayedNumber {
    std::string written; // "213", as the box writes it
    Structure structure = Structure::Single;
    std::size_t line = 0; // the box line its first digit stands on, from 0
};

struct PlayList {
    DigitMode mode =
        DigitMode::AnyPosition;        // boxed numbers in any position, straight ones positional
    std::vector<PlayedNumber> numbers; // in the order written
    bool empty() const { return numbers.empty(); }
    // How many singles, doubles and triples, in Structure order.
    std::array<std::size_t, 3> structureCounts() const;
};

// The numbers written of each structure, singles, doubles and triples, each in
// the order written: a printed list groups them so.
std::array<std::vector<std::string>, 3> numbersByStructure(const PlayList& list);

// The numbers of any text, in the order written; one or two digits left at the end are dropped.
PlayList readPlayList(std::string_view resultsText, DigitMode mode);

std::string_view structureName(Structure structure); // "single", "double", "triple"
std::string_view playName(DigitMode mode);           // "boxed", "straight"

// The numbers as the box shows them: the numbers of each box line joined by
// ", ", one line per box line that holds a number, CR LF after each.
std::string playListText(const PlayList& list);
// A header row, then one number a line: number, structure, play and its
// digit-sort pattern (the order its digits are written in: 213 is "MLH"), CR LF after each.
std::string playListCsv(const PlayList& list);

// What a printed list says above its numbers, after the date.
struct PlayListHeading {
    std::string mode; // "Any position: boxed numbers", "Positional: straight numbers"
    // Every condition the settings hold now, one list a line ("Sumdigits: 0, 1,
    // 2"); "none", or why "Create numbers" would refuse the settings as they stand.
    std::vector<std::string> conditions;
    std::string count; // "154 numbers: 120 singles, 27 doubles, 7 triples"
};
PlayListHeading playListHeading(const PlayList& list, const MainInput& settings);

} // namespace pick3
