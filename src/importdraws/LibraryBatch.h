#pragma once
// The draws of a reading as the game library takes them, and what the game lacks once
// they are kept: the bridge between the import window's reading and the library.

#include "engine/games/GameDefinition.h"
#include "engine/games/Schedule.h"
#include "engine/history/DrawImport.h"
#include "importdraws/GameReading.h"
#include "store/StoredDraws.h"

#include <vector>

namespace pick3 {

// The draws to keep, each with its date, its draw time named by the game and that draw
// time's place in the game's day.
std::vector<IncomingDraw> incomingDraws(const ImportResult& result,
                                        const std::vector<DatedDraw>& draws,
                                        const GameDefinition& game);
// The draws outside the game's schedule, under the draw time the text gave them.
std::vector<IncomingDraw> incomingDraws(const std::vector<OutsideDraw>& outside,
                                        const GameDefinition& game);

// The game's missing draws once the preview's new draws join the held ones.
Result<std::vector<HeldDraw>> missingAfterKeep(const GameDefinition& game,
                                               const std::vector<StoredDraw>& held,
                                               const MergePreview& preview);

} // namespace pick3
