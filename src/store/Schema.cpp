// The library's tables, version by version. A new file runs every step; an older
// file runs the steps above its version, in the same transaction as its first
// write, so that a file is always wholly one version.

#include "store/Schema.h"

#include "store/Library.h"
#include "store/StoreMessages.h"

#include <sqlite3.h>

#include <array>
#include <filesystem>

namespace pick3::store {
namespace {

struct Step {
    int to;
    const char* sql;
};

// A number is kept as its value 0 to 999 and written with three digits wherever
// it becomes text, so 056 stays 056.
constexpr std::array kSteps{
    Step{1, "CREATE TABLE draw ("
            " game TEXT NOT NULL CHECK (game <> ''),"
            " date TEXT NOT NULL CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),"
            " draw_time TEXT NOT NULL CHECK (draw_time <> ''),"
            " time_order INTEGER NOT NULL,"
            " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
            " add_on INTEGER CHECK (add_on BETWEEN 0 AND 9),"
            " source TEXT NOT NULL,"
            " kept_at TEXT NOT NULL,"
            " UNIQUE (game, date, draw_time)) STRICT"},
    // Version 2 reads a game in its order straight from an index.
    Step{2, "CREATE INDEX draw_in_order ON draw (game, date, time_order, draw_time)"},
    // Version 3 holds the player's tickets. An id is never given twice (AUTOINCREMENT), so
    // that bringing a deleted ticket back can only ever bring back that ticket. A deleted
    // ticket stays, marked, until the deleted ones are forgotten at the end of a run.
    // The digits are "123", or "12X" with the place a pair leaves open; a moment entered
    // is "2026-12-08 21:14" on the game's clock.
    Step{3,
         "CREATE TABLE ticket ("
         " id INTEGER PRIMARY KEY AUTOINCREMENT,"
         " game TEXT NOT NULL CHECK (game <> ''),"
         " digits TEXT NOT NULL CHECK (digits GLOB '[0-9X][0-9X][0-9X]'),"
         " play_type TEXT NOT NULL CHECK (play_type <> ''),"
         " stake_cents INTEGER NOT NULL CHECK (stake_cents > 0),"
         " draw_date TEXT NOT NULL"
         " CHECK (draw_date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),"
         " draw_time TEXT NOT NULL CHECK (draw_time <> ''),"
         " add_on TEXT NOT NULL,"
         " entered TEXT"
         " CHECK (entered GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]'),"
         " purchased TEXT CHECK (purchased GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),"
         " claimed INTEGER NOT NULL CHECK (claimed IN (0, 1)),"
         " deleted INTEGER NOT NULL DEFAULT 0 CHECK (deleted IN (0, 1))) STRICT;"
         "CREATE INDEX ticket_of_game ON ticket (game, draw_date)"},
    // Version 4 keeps, beside each update source of a game, what its server said of the
    // file at the last fetch (to ask whether it changed), when it asked to be left alone,
    // and the addresses the player added.
    Step{4, "CREATE TABLE source ("
            " game TEXT NOT NULL CHECK (game <> ''),"
            " address TEXT NOT NULL CHECK (address <> ''),"
            " added INTEGER NOT NULL CHECK (added IN (0, 1)),"
            " etag TEXT NOT NULL,"
            " last_modified TEXT NOT NULL,"
            " retry_after TEXT NOT NULL,"
            " UNIQUE (game, address)) STRICT"},
};
static_assert(kSteps.back().to == Library::kVersion);

} // namespace

void upgradeSchema(SQLite::Database& db, int fromVersion) {
    if (fromVersion == 0) {
        db.exec("PRAGMA application_id = " + std::to_string(Library::kApplicationId));
    }
    for (const Step& step : kSteps) {
        if (step.to > fromVersion) {
            db.exec(step.sql);
        }
    }
    db.exec("PRAGMA user_version = " + std::to_string(Library::kVersion));
}

FileCheck checkFile(SQLite::Database& db) {
    try {
        const int id = db.execAndGet("PRAGMA application_id").getInt();
        const int version = db.execAndGet("PRAGMA user_version").getInt();
        if (id != Library::kApplicationId) {
            // SQLite's first write may be cut off before anything of ours is in the file.
            const bool blank = id == 0 && version == 0 &&
                               db.execAndGet("SELECT count(*) FROM sqlite_schema").getInt() == 0;
            return {blank ? FileKind::Missing : FileKind::Foreign, 0};
        }
        if (db.execAndGet("PRAGMA quick_check").getString() != "ok") {
            return {FileKind::Damaged, version};
        }
        return {FileKind::Ours, version};
    } catch (const SQLite::Exception& error) {
        // A text file is "not a database"; a file whose pages do not hold together is corrupt.
        return {error.getErrorCode() == SQLITE_NOTADB ? FileKind::Foreign : FileKind::Damaged, 0};
    }
}

bool fileHasBytes(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

std::string fill(std::string_view message, std::string_view first, std::string_view second) {
    std::string text(message);
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, first);
    }
    if (const auto at = text.find("%2"); at != std::string::npos) {
        text.replace(at, 2, second);
    }
    return text;
}

std::string writeRefusal(const SQLite::Exception& error, std::string_view full) {
    switch (error.getErrorCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return std::string(kMsgLibraryBusy);
    case SQLITE_FULL:
        return std::string(full.empty() ? kMsgLibraryFull : full);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return std::string(kMsgLibraryReadOnly);
    default:
        return fill(kMsgLibraryFailed, error.what());
    }
}

} // namespace pick3::store
