#pragma once
// The game library: the draws the player keeps, by game, and the player's
// tickets, in one SQLite file whose path the caller gives. What it promises:
//
//   - nothing is read until asked, and the file is made by the first keep: opening a
//     path where no file is lists no games and leaves no file behind;
//   - every change is one IMMEDIATE transaction: after a crash the library holds
//     all of a keep or none of it;
//   - a file it cannot read (not ours, damaged) is never written: open() refuses it,
//     and setAside() renames it so that a new library can start beside it;
//   - a library of a newer version is opened for reading only;
//   - a refusal is a sentence for the player; no exception leaves this class.
//
// One Library per thread: each thread (or copy of the program) opens its own.
// Several may hold the same file; a writer waits up to the busy timeout for
// another, then refuses with kMsgLibraryBusy.

#include "engine/Result.h"
#include "store/GameLibrary.h"
#include "store/StoredDraws.h"
#include "store/StoredTickets.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace SQLite {
class Database;
}

namespace pick3 {

struct LibraryOptions {
    std::chrono::milliseconds busyTimeout{5000};
    // For tests: called inside a keep's transaction after each draw (or ticket) written (with
    // the count written so far, from 0 before the first), and a cap on the file's
    // size in pages (0: none) that makes a full disk.
    std::function<void(std::size_t)> whileKeeping;
    std::int64_t maxPageCount = 0;
    // For tests: SQLite's file layer by name ("unix-dotfile" shares no memory, so
    // the write-ahead log cannot work there); empty for SQLite's own choice.
    std::string vfs;
};

class Library {
  public:
    // The program's mark in every file it makes, and the version of its tables.
    static constexpr std::int32_t kApplicationId = 0x50334C42; // "P3LB"
    static constexpr int kVersion = 4;

    // Opens the library at path, checking a file already there (ours, whole, its
    // version); where no file is, makes nothing. Refused, with a sentence, for a
    // file that is not a library of ours or is damaged.
    static Result<Library> open(std::string path, LibraryOptions options = {});
    // Renames the file at path (and its journal) to path.damaged-<stamp>, so
    // that a new library can start there; gives the name it was kept under.
    static Result<std::string> setAside(const std::string& path, const std::string& stamp);

    Library(Library&&) noexcept;
    Library& operator=(Library&&) noexcept;
    ~Library();

    // A sentence to show on opening (a newer version's library: read-only), or empty.
    const std::string& notice() const { return notice_; }
    bool readOnly() const { return readOnly_; }
    // "wal", or "delete" where write-ahead logging cannot work; empty before the file exists.
    const std::string& journalMode() const { return journalMode_; }

    Result<std::vector<HeldGame>> games();
    // A game's draws, oldest first: by date, then by draw time's order.
    Result<std::vector<StoredDraw>> draws(const std::string& game, const DrawQuery& query = {});
    // Sorts a batch into new, held and differing draws; writes nothing.
    Result<MergePreview> preview(const std::string& game, const std::vector<IncomingDraw>& batch);
    // Writes the preview's new draws, and its differing ones at the indexes of
    // takeNew (rows of preview.rows), in one transaction; refused where the
    // library changed since the preview. source and keptAt mark every draw written.
    Result<KeepSummary> commit(const MergePreview& preview, const std::vector<std::size_t>& takeNew,
                               const std::string& source, const std::string& keptAt);
    // "date,draw time,number,add-on,source" and a line per draw, oldest first, CR LF.
    Result<std::string> exportCsv(const std::string& game);
    // Deletes a game's draws and compacts the file; gives how many went.
    Result<std::int64_t> forget(const std::string& game);
    // A copy of the whole library at path, made by SQLite's backup.
    Result<Done> backUpTo(const std::string& path);
    // Replaces the library's draws by those of the backup at path, once it is
    // known to be a whole library of ours.
    Result<Done> restoreFrom(const std::string& path);

    // The player's tickets (LibraryTickets.cpp). Keeps a batch in one transaction,
    // making the file if none is there; gives each ticket's id, in the batch's order.
    // A batch with a ticket that cannot be held is refused whole.
    Result<std::vector<std::int64_t>> keepTickets(const std::vector<Ticket>& batch);
    // The tickets held (of one game, or of all where game is empty), not those
    // deleted: by draw date, then in the order kept.
    Result<std::vector<StoredTicket>> tickets(const std::string& game = {});
    // Deletes tickets so that restoreTickets() can bring them back; refused whole,
    // changing nothing, where one of them is not held.
    Result<Done> deleteTickets(const std::vector<std::int64_t>& ids);
    // Brings deleted tickets back; refused whole where one of them is not deleted.
    Result<Done> restoreTickets(const std::vector<std::int64_t>& ids);
    // Marks tickets claimed (or not); refused whole where one of them is not held.
    Result<Done> markClaimed(const std::vector<std::int64_t>& ids, bool claimed);
    // The deleted tickets go for good (at the end of a run, when no undo can ask for
    // them); gives how many went.
    Result<std::int64_t> forgetDeletedTickets();

    // What is kept beside a game's update sources (LibrarySources.cpp): none before the
    // first fetch. Keeping one makes the file if none is there.
    Result<std::vector<SourceState>> sources(const std::string& game);
    Result<Done> keepSource(const SourceState& state);
    // Takes away an address the player added.
    Result<Done> forgetSource(const std::string& game, const std::string& address);

  private:
    Library(std::string path, LibraryOptions options);
    // Why tickets cannot be written in a library opened read-only, or nothing.
    std::optional<std::string> ticketsReadOnly() const;
    bool holdsTickets();
    Result<Done> changeTickets(const std::vector<std::int64_t>& ids, const std::string& sql,
                               std::string_view refusal);
    Result<Done> attach(bool mayWrite);
    Result<Done> makeWritable();
    Result<Done> makeFile();
    Result<Done> chooseJournal();

    std::string path_;
    LibraryOptions options_;
    std::unique_ptr<SQLite::Database> db_; // none until the file exists
    std::string notice_;
    std::string journalMode_;
    bool readOnly_ = false;
};

} // namespace pick3
