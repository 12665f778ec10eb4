#pragma once
// One reading of a draw history, from a file or a text, on whichever thread
// calls it: nothing here touches a window.

#include "engine/games/GameDefinition.h"
#include "engine/history/DrawImport.h"
#include "importdraws/GameReading.h"

#include <QString>
#include <atomic>
#include <memory>
#include <string>

namespace pick3 {

// Told by the reading how far it is; told by the window to stop.
struct ReadingProgress {
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
};

// The text (kept for reading it again with other choices) and what was
// recognised, or why nothing was.
struct ImportReading {
    std::shared_ptr<const std::string> text;
    // What was read; none where reading failed or was cancelled. Shared, as a
    // worker's result is copied out of its future.
    std::shared_ptr<const ImportResult> result;
    QString problem;        // empty when read, or when cancelled
    bool fileError = false; // the problem names the file already
    bool cancelled = false;
    // With a game chosen: the missing draws by its schedule, and its add-on's name.
    std::shared_ptr<const GameDefinition> game;
    GameFindings findings;
};

// Larger files are not read at all; a history of every draw since 1900 is far smaller.
inline constexpr qint64 kMaxImportFileBytes = 100'000'000;

// Reads `text`, or without one the file at `path`; with a game, names its draw times
// by the game's schedule (see GameReading.h).
ImportReading readImport(const QString& path, std::shared_ptr<const std::string> text,
                         const ImportChoices& choices,
                         const std::shared_ptr<ReadingProgress>& progress,
                         std::shared_ptr<const GameDefinition> game = nullptr);

} // namespace pick3
