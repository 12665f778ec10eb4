// What is kept beside a game's update sources: a small table of its own, read and written
// like the rest of the library.

#include "store/Library.h"
#include "store/Schema.h"
#include "store/StoreMessages.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace pick3 {

Result<std::vector<SourceState>> Library::sources(const std::string& game) {
    std::vector<SourceState> held;
    try {
        // No file yet, or a file from before update sources: nothing kept.
        if (!db_ || !db_->tableExists("source")) {
            return held;
        }
        SQLite::Statement select(*db_, "SELECT address, added, etag, last_modified, retry_after "
                                       "FROM source WHERE game = ? ORDER BY rowid");
        select.bind(1, game);
        while (select.executeStep()) {
            held.push_back({game, select.getColumn(0).getString(),
                            select.getColumn(1).getInt() != 0, select.getColumn(2).getString(),
                            select.getColumn(3).getString(), select.getColumn(4).getString()});
        }
        return held;
    } catch (const SQLite::Exception& error) {
        return Result<std::vector<SourceState>>::refused(
            store::fill(kMsgLibraryReadFailed, error.what()));
    }
}

Result<Done> Library::keepSource(const SourceState& state) {
    if (state.game.empty() || state.address.empty()) {
        return Result<Done>::refused(store::fill(kMsgLibraryFailed, "a source without an address"));
    }
    if (auto writable = makeWritable(); !writable.ok()) {
        return writable;
    }
    try {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement upsert(
            *db_, "INSERT INTO source (game, address, added, etag, last_modified, retry_after) "
                  "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (game, address) DO UPDATE SET "
                  "added = excluded.added, etag = excluded.etag, "
                  "last_modified = excluded.last_modified, retry_after = excluded.retry_after");
        upsert.bind(1, state.game);
        upsert.bind(2, state.address);
        upsert.bind(3, state.added ? 1 : 0);
        upsert.bind(4, state.etag);
        upsert.bind(5, state.lastModified);
        upsert.bind(6, state.retryAfter);
        upsert.exec();
        transaction.commit();
        return Done{};
    } catch (const SQLite::Exception& error) {
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

Result<Done> Library::forgetSource(const std::string& game, const std::string& address) {
    if (auto writable = makeWritable(); !writable.ok()) {
        return writable;
    }
    try {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement remove(*db_, "DELETE FROM source WHERE game = ? AND address = ?");
        remove.bind(1, game);
        remove.bind(2, address);
        remove.exec();
        transaction.commit();
        return Done{};
    } catch (const SQLite::Exception& error) {
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

} // namespace pick3
