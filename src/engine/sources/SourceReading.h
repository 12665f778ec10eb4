#pragma once
// Reading the files an update source sent into draws. Each file is read by the layout
// its game's definition gives (which columns hold the date, each draw time's number or
// digits, the add-on's digit, the game's name), never by guessing: a file that does not
// fit is refused whole, naming the file and why, and so is the whole source, since a
// source of several files is kept only whole.

#include "engine/games/GameDefinition.h"
#include "engine/history/DrawImport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

struct SourceReading {
    // As an import's reading: draw times in the source's order, draws newest first,
    // repeats and conflicts apart, lines not read with their reasons.
    ImportResult result;
    // Numbers written without their leading zeros and read as three digits ("56": 056).
    std::size_t zerosRestored = 0;
};

// "pick3morning.csv": the last part of a file's address, for messages.
std::string sourceFileName(const SourceFile& file);

// `texts` holds the text of each of `source`'s files, in its order. With `today` (the
// day in the game's time zone), a draw dated after it refuses the source.
Result<SourceReading> readSourceTexts(const GameDefinition& game, const UpdateSource& source,
                                      const std::vector<std::string_view>& texts,
                                      std::optional<CivilDate> today = std::nullopt);

} // namespace pick3
