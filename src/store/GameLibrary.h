#pragma once
// The game library as the windows see it: what Library does, behind an interface, so
// that the windows reach SQLite only through the library module, loaded the first time
// a window that lists games is shown. A start that shows no such window maps no SQLite.

#include "engine/Result.h"
#include "store/StoredDraws.h"
#include "store/StoredTickets.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pick3 {

// Nothing, successfully: the result of a step that only changes the library.
struct Done {};

class GameLibrary {
  public:
    virtual ~GameLibrary() = default;

    // A sentence to show on opening (a newer version's library: read-only), or empty.
    virtual const std::string& notice() const = 0;
    virtual bool readOnly() const = 0;

    virtual Result<std::vector<HeldGame>> games() = 0;
    // A game's draws, oldest first: by date, then by draw time's order.
    virtual Result<std::vector<StoredDraw>> draws(const std::string& game,
                                                  const DrawQuery& query) = 0;
    // Sorts a batch into new, held and differing draws; writes nothing.
    virtual Result<MergePreview> preview(const std::string& game,
                                         const std::vector<IncomingDraw>& batch) = 0;
    // Writes the preview's new draws and the differing ones chosen (rows of the preview).
    virtual Result<KeepSummary> commit(const MergePreview& preview,
                                       const std::vector<std::size_t>& takeNew,
                                       const std::string& source, const std::string& keptAt) = 0;
    virtual Result<std::string> exportCsv(const std::string& game) = 0;
    virtual Result<std::int64_t> forget(const std::string& game) = 0;
    virtual Result<Done> backUpTo(const std::string& path) = 0;
    virtual Result<Done> restoreFrom(const std::string& path) = 0;
    // What is kept beside a game's update sources.
    virtual Result<std::vector<SourceState>> sources(const std::string& game) = 0;
    virtual Result<Done> keepSource(const SourceState& state) = 0;
    virtual Result<Done> forgetSource(const std::string& game, const std::string& address) = 0;

    // The player's tickets: kept whole or not at all, each given an id in the batch's order.
    virtual Result<std::vector<std::int64_t>> keepTickets(const std::vector<Ticket>& batch) = 0;
    // The tickets held (of one game, or of all where game is empty), not those deleted.
    virtual Result<std::vector<StoredTicket>> tickets(const std::string& game) = 0;
    // Deleted so that restoreTickets() can bring them back during the run.
    virtual Result<Done> deleteTickets(const std::vector<std::int64_t>& ids) = 0;
    virtual Result<Done> restoreTickets(const std::vector<std::int64_t>& ids) = 0;
    virtual Result<Done> markClaimed(const std::vector<std::int64_t>& ids, bool claimed) = 0;
    // The deleted tickets go for good; gives how many went.
    virtual Result<std::int64_t> forgetDeletedTickets() = 0;
};

// What the library module gives: a library opened at a path (refused with a sentence
// for a file that is not ours or is damaged), and the setting aside of such a file.
struct LibraryModuleApi {
    Result<std::unique_ptr<GameLibrary>> (*open)(const std::string& path);
    Result<std::string> (*setAside)(const std::string& path, const std::string& stamp);
};

} // namespace pick3

// The module's one entry point, found by name.
extern "C" const pick3::LibraryModuleApi* pick3_library_api();
