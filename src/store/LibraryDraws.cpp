// The draws of the library: reading a game, sorting a batch against what is
// held, writing the player's choice in one transaction, export and forgetting.

#include "store/Library.h"

#include "store/Schema.h"
#include "store/StoreMessages.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace pick3 {

namespace {

constexpr const char* kColumns = "date, draw_time, time_order, number, add_on, source, kept_at";

std::string textAt(sqlite3_stmt* row, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(row, column)))
                : std::string();
}

// A draw read through SQLite's own calls, which SQLiteC++'s columns would slow
// four times over: a game of 60,000 draws fills the draw box.
StoredDraw storedDraw(sqlite3_stmt* row) {
    StoredDraw stored;
    stored.draw.date = textAt(row, 0);
    stored.draw.drawTime = textAt(row, 1);
    stored.draw.timeOrder = sqlite3_column_int(row, 2);
    stored.draw.number = static_cast<std::uint16_t>(sqlite3_column_int(row, 3));
    if (sqlite3_column_type(row, 4) != SQLITE_NULL) {
        stored.draw.addOn = static_cast<std::uint8_t>(sqlite3_column_int(row, 4));
    }
    stored.source = textAt(row, 5);
    stored.keptAt = textAt(row, 6);
    return stored;
}

// A statement run with SQLite's own calls: a game of 60,000 draws read, or 15,000
// written, without SQLiteC++'s copies of every text bound and column read.
class Prepared {
  public:
    Prepared(SQLite::Database& db, const std::string& sql) : db_(db.getHandle()) {
        sqlite3_stmt* prepared = nullptr;
        check(
            sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &prepared, nullptr));
        statement_.reset(prepared);
    }
    // The text must outlive the statement's next run: it is not copied.
    void bind(int at, const std::string& text) {
        check(sqlite3_bind_text(statement_.get(), at, text.data(), static_cast<int>(text.size()),
                                SQLITE_STATIC));
    }
    void bind(int at, std::int64_t value) {
        check(sqlite3_bind_int64(statement_.get(), at, value));
    }
    void bind(int at, const std::optional<std::uint8_t>& value) {
        check(value ? sqlite3_bind_int(statement_.get(), at, *value)
                    : sqlite3_bind_null(statement_.get(), at));
    }
    // The next draw, or none after the last.
    std::optional<StoredDraw> next() {
        const int step = sqlite3_step(statement_.get());
        if (step == SQLITE_DONE) {
            return std::nullopt;
        }
        if (step != SQLITE_ROW) {
            check(step);
        }
        return storedDraw(statement_.get());
    }
    // Runs a change; gives the rows it changed. The texts bound stay bound for the next run.
    int run() {
        const int step = sqlite3_step(statement_.get());
        if (step != SQLITE_DONE) {
            const SQLite::Exception error(db_, step); // SQLite's words, before the reset
            sqlite3_reset(statement_.get());
            throw error;
        }
        sqlite3_reset(statement_.get());
        return sqlite3_changes(db_);
    }

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

bool isDate(const std::string& text) {
    static constexpr std::string_view kShape = "9999-99-99";
    if (text.size() != kShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == '9' ? !digit : text[i] != '-') {
            return false;
        }
    }
    return true;
}

bool isKeepable(const IncomingDraw& draw) {
    return isDate(draw.date) && !draw.drawTime.empty() && draw.number <= 999 &&
           (!draw.addOn || *draw.addOn <= 9);
}

std::string numberText(std::uint16_t number) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%03u", static_cast<unsigned>(number));
    return text.data();
}

std::string describe(const IncomingDraw& draw) {
    std::string text = draw.date + " " + draw.drawTime + " " + std::to_string(draw.number);
    if (draw.addOn) {
        text += " + " + std::to_string(*draw.addOn);
    }
    return text;
}

// The library changed between the preview and the commit.
struct Overtaken {};

} // namespace

Result<std::vector<HeldGame>> Library::games() {
    std::vector<HeldGame> games;
    if (!db_) {
        return games;
    }
    try {
        SQLite::Statement query(*db_, "SELECT game, count(*), min(date), max(date) FROM draw "
                                      "GROUP BY game ORDER BY game");
        while (query.executeStep()) {
            games.push_back({query.getColumn(0).getString(), query.getColumn(1).getInt64(),
                             query.getColumn(2).getString(), query.getColumn(3).getString()});
        }
        return games;
    } catch (const SQLite::Exception& error) {
        return Result<std::vector<HeldGame>>::refused(
            store::fill(kMsgLibraryReadFailed, error.what()));
    }
}

Result<std::vector<StoredDraw>> Library::draws(const std::string& game, const DrawQuery& query) {
    std::vector<StoredDraw> draws;
    if (!db_) {
        return draws;
    }
    std::string sql = std::string("SELECT ") + kColumns + " FROM draw WHERE game = ?";
    if (!query.drawTimes.empty()) {
        sql += " AND draw_time IN (?";
        for (std::size_t i = 1; i < query.drawTimes.size(); ++i) {
            sql += ", ?";
        }
        sql += ")";
    }
    // The newest N are the first N from the newest end, turned round afterwards.
    sql += query.newest ? " ORDER BY date DESC, time_order DESC, draw_time DESC LIMIT ?"
                        : " ORDER BY date, time_order, draw_time";
    try {
        Prepared select(*db_, sql);
        int at = 1;
        select.bind(at++, game);
        for (const std::string& time : query.drawTimes) {
            select.bind(at++, time);
        }
        if (query.newest) {
            select.bind(at,
                        static_cast<std::int64_t>(std::min<std::size_t>(*query.newest, INT64_MAX)));
        }
        while (auto draw = select.next()) {
            draws.push_back(std::move(*draw));
        }
        if (query.newest) {
            std::reverse(draws.begin(), draws.end());
        }
        return draws;
    } catch (const SQLite::Exception& error) {
        return Result<std::vector<StoredDraw>>::refused(
            store::fill(kMsgLibraryReadFailed, error.what()));
    }
}

namespace {

std::string keyOf(const std::string& date, const std::string& drawTime) {
    return date + '\x1f' + drawTime;
}

// A draw's date and draw time, seen in a batch without copying them.
using BatchKey = std::pair<std::string_view, std::string_view>;
struct BatchKeyHash {
    std::size_t operator()(const BatchKey& key) const {
        const std::size_t date = std::hash<std::string_view>{}(key.first);
        return date ^ (std::hash<std::string_view>{}(key.second) + 0x9e3779b9U + (date << 6) +
                       (date >> 2));
    }
};

// The held draws of a game between two dates, by date and draw time: one read
// for a whole batch, rather than one per draw.
std::unordered_map<std::string, StoredDraw> heldBetween(SQLite::Database& db,
                                                        const std::string& game,
                                                        const std::string& first,
                                                        const std::string& last) {
    Prepared select(db, std::string("SELECT ") + kColumns +
                            " FROM draw WHERE game = ? AND date BETWEEN ? AND ?");
    select.bind(1, game);
    select.bind(2, first);
    select.bind(3, last);
    std::unordered_map<std::string, StoredDraw> held;
    while (auto draw = select.next()) {
        StoredDraw& stored = *draw;
        std::string key = keyOf(stored.draw.date, stored.draw.drawTime);
        held.emplace(std::move(key), std::move(stored));
    }
    return held;
}

} // namespace

Result<MergePreview> Library::preview(const std::string& game,
                                      const std::vector<IncomingDraw>& batch) {
    MergePreview preview{game, {}, 0};
    preview.rows.reserve(batch.size());
    std::unordered_set<BatchKey, BatchKeyHash> seen(batch.size());
    const std::string* first = nullptr; // the batch's first and last dates
    const std::string* last = nullptr;
    for (const IncomingDraw& draw : batch) {
        if (!isKeepable(draw) || game.empty()) {
            return Result<MergePreview>::refused(store::fill(kMsgBadDraw, describe(draw)));
        }
        if (!seen.emplace(draw.date, draw.drawTime).second) {
            ++preview.repeats;
            continue;
        }
        first = first == nullptr || draw.date < *first ? &draw.date : first;
        last = last == nullptr || *last < draw.date ? &draw.date : last;
        preview.rows.push_back({draw, MergeKind::New, std::nullopt});
    }
    if (!db_ || preview.rows.empty()) {
        return preview;
    }
    try {
        auto held = heldBetween(*db_, game, *first, *last);
        for (MergeRow& row : preview.rows) {
            const auto found = held.find(keyOf(row.incoming.date, row.incoming.drawTime));
            if (found != held.end()) {
                row.held = std::move(found->second);
                const bool same = row.held->draw.number == row.incoming.number &&
                                  row.held->draw.addOn == row.incoming.addOn;
                row.kind = same ? MergeKind::Held : MergeKind::Differs;
            }
        }
        return preview;
    } catch (const SQLite::Exception& error) {
        return Result<MergePreview>::refused(store::fill(kMsgLibraryReadFailed, error.what()));
    }
}

namespace {

// The two writes of a keep, prepared once; the game, the source and the time kept are
// bound once for every draw.
struct KeepStatements {
    Prepared insert;
    Prepared replace;
    KeepStatements(SQLite::Database& db, const std::string& game, const std::string& source,
                   const std::string& keptAt)
        : insert(db, "INSERT INTO draw (game, date, draw_time, time_order, number, add_on, source, "
                     "kept_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) ON CONFLICT DO NOTHING"),
          // Only the draw the player saw is replaced: another held since is left alone.
          replace(db, "UPDATE draw SET time_order = ?4, number = ?5, add_on = ?6, source = ?7, "
                      "kept_at = ?8 WHERE game = ?1 AND date = ?2 AND draw_time = ?3 AND "
                      "number = ?9 AND add_on IS ?10") {
        for (Prepared* statement : {&insert, &replace}) {
            statement->bind(1, game);
            statement->bind(7, source);
            statement->bind(8, keptAt);
        }
    }
};

void bindDraw(Prepared& statement, const IncomingDraw& draw) {
    statement.bind(2, draw.date);
    statement.bind(3, draw.drawTime);
    statement.bind(4, std::int64_t{draw.timeOrder});
    statement.bind(5, std::int64_t{draw.number});
    statement.bind(6, draw.addOn);
}

void insertDraw(KeepStatements& keep, const IncomingDraw& draw) {
    bindDraw(keep.insert, draw);
    if (keep.insert.run() == 0) {
        throw Overtaken{};
    }
}

void replaceDraw(KeepStatements& keep, const MergeRow& row) {
    bindDraw(keep.replace, row.incoming);
    keep.replace.bind(9, std::int64_t{row.held->draw.number});
    keep.replace.bind(10, row.held->draw.addOn);
    if (keep.replace.run() == 0) {
        throw Overtaken{};
    }
}

} // namespace

Result<KeepSummary> Library::commit(const MergePreview& preview,
                                    const std::vector<std::size_t>& takeNew,
                                    const std::string& source, const std::string& keptAt) {
    if (auto writable = makeWritable(); !writable.ok()) {
        return Result<KeepSummary>::refused(writable.refusal());
    }
    const std::set<std::size_t> chosen(takeNew.begin(), takeNew.end());
    KeepSummary summary;
    try {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        KeepStatements keep(*db_, preview.game, source, keptAt);
        std::size_t written = 0;
        const auto wrote = [&] {
            if (options_.whileKeeping) {
                options_.whileKeeping(written);
            }
        };
        wrote();
        for (std::size_t i = 0; i < preview.rows.size(); ++i) {
            const MergeRow& row = preview.rows[i];
            if (row.kind == MergeKind::New) {
                insertDraw(keep, row.incoming);
                ++summary.added;
            } else if (row.kind == MergeKind::Differs && row.held && chosen.count(i) != 0) {
                replaceDraw(keep, row);
                ++summary.replaced;
            } else {
                ++summary.unchanged;
                continue;
            }
            ++written;
            wrote();
        }
        transaction.commit();
        return summary;
    } catch (const Overtaken&) {
        return Result<KeepSummary>::refused(kMsgLibraryChanged);
    } catch (const SQLite::Exception& error) {
        return Result<KeepSummary>::refused(store::writeRefusal(error));
    }
}

namespace {

// A field as CSV writes it: quoted where it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

Result<std::string> Library::exportCsv(const std::string& game) {
    const auto held = draws(game);
    if (!held.ok()) {
        return Result<std::string>::refused(held.refusal());
    }
    std::string text = "date,draw time,number,add-on,source\r\n";
    for (const StoredDraw& stored : *held) {
        const IncomingDraw& draw = stored.draw;
        text += draw.date + "," + csvField(draw.drawTime) + "," + numberText(draw.number) + "," +
                (draw.addOn ? std::to_string(*draw.addOn) : std::string()) + "," +
                csvField(stored.source) + "\r\n";
    }
    return text;
}

Result<std::int64_t> Library::forget(const std::string& game) {
    if (readOnly_) {
        return Result<std::int64_t>::refused(notice_);
    }
    if (!db_) {
        return std::int64_t{0};
    }
    try {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement remove(*db_, "DELETE FROM draw WHERE game = ?");
        remove.bind(1, game);
        const std::int64_t gone = remove.exec();
        transaction.commit();
        // Compacting is a nicety: the rows are gone whether or not it succeeds (it
        // needs room for a copy of the file, and no other copy reading).
        if (db_->tryExec("VACUUM") == 0 && journalMode_ == "wal") {
            db_->tryExec("PRAGMA wal_checkpoint(TRUNCATE)");
        }
        return gone;
    } catch (const SQLite::Exception& error) {
        return Result<std::int64_t>::refused(store::writeRefusal(error));
    }
}

} // namespace pick3
