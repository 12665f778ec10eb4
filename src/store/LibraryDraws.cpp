// The draws of the library: reading a game, sorting a batch against what is
// held, writing the player's choice in one transaction, export and forgetting.

#include "store/Library.h"

#include "store/RowReader.h"
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
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace pick3 {

namespace {

using store::textAt;

constexpr const char* kColumns = "date, draw_time, time_order, number, add_on, source, kept_at";

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
        store::RowReader select(*db_, sql);
        int at = 1;
        select.bind(at++, game);
        for (const std::string& time : query.drawTimes) {
            select.bind(at++, time);
        }
        if (query.newest) {
            select.bind(at,
                        static_cast<std::int64_t>(std::min<std::size_t>(*query.newest, INT64_MAX)));
        }
        while (select.step()) {
            draws.push_back(storedDraw(select.row()));
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

// The held draws of a game between two dates, by date and draw time: one read
// for a whole batch, rather than one per draw.
std::unordered_map<std::string, StoredDraw> heldBetween(SQLite::Database& db,
                                                        const std::string& game,
                                                        const std::string& first,
                                                        const std::string& last) {
    store::RowReader select(db, std::string("SELECT ") + kColumns +
                                    " FROM draw WHERE game = ? AND date BETWEEN ? AND ?");
    select.bind(1, game);
    select.bind(2, first);
    select.bind(3, last);
    std::unordered_map<std::string, StoredDraw> held;
    while (select.step()) {
        StoredDraw stored = storedDraw(select.row());
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
    std::unordered_set<std::string> seen;
    std::string first = "9999-99-99", last = "0000-00-00";
    for (const IncomingDraw& draw : batch) {
        if (!isKeepable(draw) || game.empty()) {
            return Result<MergePreview>::refused(store::fill(kMsgBadDraw, describe(draw)));
        }
        if (!seen.insert(keyOf(draw.date, draw.drawTime)).second) {
            ++preview.repeats;
            continue;
        }
        first = std::min(first, draw.date);
        last = std::max(last, draw.date);
        preview.rows.push_back({draw, MergeKind::New, std::nullopt});
    }
    if (!db_ || preview.rows.empty()) {
        return preview;
    }
    try {
        auto held = heldBetween(*db_, game, first, last);
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

void bindAddOn(SQLite::Statement& statement, int at, const std::optional<std::uint8_t>& addOn) {
    if (addOn) {
        statement.bind(at, static_cast<int>(*addOn));
    } else {
        statement.bind(at);
    }
}

struct KeepStatements {
    SQLite::Statement insert;
    SQLite::Statement replace;
    explicit KeepStatements(SQLite::Database& db)
        : insert(db, "INSERT INTO draw (game, date, draw_time, time_order, number, add_on, source, "
                     "kept_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
          // Only the draw the player saw is replaced: another held since is left alone.
          replace(db, "UPDATE draw SET time_order = ?, number = ?, add_on = ?, source = ?, "
                      "kept_at = ? WHERE game = ? AND date = ? AND draw_time = ? AND number = ? "
                      "AND add_on IS ?") {}
};

void insertDraw(KeepStatements& keep, const std::string& game, const IncomingDraw& draw,
                const std::string& source, const std::string& keptAt) {
    SQLite::Statement& insert = keep.insert;
    insert.reset();
    insert.bind(1, game);
    insert.bind(2, draw.date);
    insert.bind(3, draw.drawTime);
    insert.bind(4, draw.timeOrder);
    insert.bind(5, static_cast<int>(draw.number));
    bindAddOn(insert, 6, draw.addOn);
    insert.bind(7, source);
    insert.bind(8, keptAt);
    if (insert.exec() == 0) {
        throw Overtaken{};
    }
}

void replaceDraw(KeepStatements& keep, const std::string& game, const MergeRow& row,
                 const std::string& source, const std::string& keptAt) {
    SQLite::Statement& replace = keep.replace;
    replace.reset();
    replace.bind(1, row.incoming.timeOrder);
    replace.bind(2, static_cast<int>(row.incoming.number));
    bindAddOn(replace, 3, row.incoming.addOn);
    replace.bind(4, source);
    replace.bind(5, keptAt);
    replace.bind(6, game);
    replace.bind(7, row.incoming.date);
    replace.bind(8, row.incoming.drawTime);
    replace.bind(9, static_cast<int>(row.held->draw.number));
    bindAddOn(replace, 10, row.held->draw.addOn);
    if (replace.exec() == 0) {
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
        KeepStatements keep(*db_);
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
                insertDraw(keep, preview.game, row.incoming, source, keptAt);
                ++summary.added;
            } else if (row.kind == MergeKind::Differs && row.held && chosen.count(i) != 0) {
                replaceDraw(keep, preview.game, row, source, keptAt);
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
