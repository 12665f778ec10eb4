#pragma once
// Inside the store: a query read row by row through SQLite's own calls, for the
// long reads (a game's draws, the player's tickets), where SQLiteC++'s columns
// would take four times as long. A failure throws SQLite::Exception, as SQLiteC++ does.

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>

namespace pick3::store {

class RowReader {
  public:
    RowReader(SQLite::Database& db, const std::string& sql) : db_(db.getHandle()) {
        sqlite3_stmt* prepared = nullptr;
        check(
            sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &prepared, nullptr));
        statement_.reset(prepared);
    }
    void bind(int at, const std::string& text) {
        check(sqlite3_bind_text(statement_.get(), at, text.data(), static_cast<int>(text.size()),
                                SQLITE_TRANSIENT));
    }
    void bind(int at, std::int64_t value) {
        check(sqlite3_bind_int64(statement_.get(), at, value));
    }
    // Moves to the next row; false after the last.
    bool step() {
        const int step = sqlite3_step(statement_.get());
        if (step == SQLITE_DONE) {
            return false;
        }
        if (step != SQLITE_ROW) {
            check(step);
        }
        return true;
    }
    sqlite3_stmt* row() const { return statement_.get(); }

  private:
    void check(int code) const {
        if (code != SQLITE_OK) {
            throw SQLite::Exception(db_, code);
        }
    }
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    sqlite3* db_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
};

// The text of a column of the row; empty for NULL.
inline std::string textAt(sqlite3_stmt* row, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(row, column)))
                : std::string();
}

} // namespace pick3::store
