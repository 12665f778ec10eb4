// The player's tickets in the library: a batch kept in one transaction, read back
// by game, deleted and brought back within a run, and marked claimed.
//
// A deleted ticket is only marked: restoreTickets() clears the mark, and
// forgetDeletedTickets() takes the marked ones for good once no undo can ask.

#include "store/Library.h"

#include "store/RowReader.h"
#include "store/Schema.h"
#include "store/StoreMessages.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <set>

namespace pick3 {

namespace {

using store::textAt;

constexpr const char* kTicketColumns = "id, game, digits, play_type, stake_cents, draw_date, "
                                       "draw_time, add_on, entered, purchased, claimed";

bool isDigit(int digit) {
    return (digit >= 0 && digit <= 9) || digit == kOpenDigit;
}

bool isKeepable(const Ticket& ticket) {
    const auto momentKeepable = [](const LocalMoment& moment) {
        return moment.date.exists() && moment.time.minutes >= 0 && moment.time.minutes < 24 * 60;
    };
    return !ticket.gameId.empty() && !ticket.playType.empty() && !ticket.drawTime.empty() &&
           ticket.stakeCents > 0 && ticket.drawDate.exists() &&
           std::all_of(ticket.digits.begin(), ticket.digits.end(), isDigit) &&
           (!ticket.entered || momentKeepable(*ticket.entered)) &&
           (!ticket.purchased || ticket.purchased->exists());
}

// "123", "12X"; a place that is no digit at all as "?".
std::string digitsText(const TicketDigits& digits) {
    std::string text;
    for (const int digit : digits) {
        text += !isDigit(digit) ? '?' : digit == kOpenDigit ? 'X' : static_cast<char>('0' + digit);
    }
    return text;
}

std::string describe(const Ticket& ticket) {
    return "\"" + ticket.gameId + " " + digitsText(ticket.digits) + " " + ticket.playType + " " +
           std::to_string(ticket.stakeCents) + " cents " + ticket.drawDate.text() + " " +
           ticket.drawTime + "\"";
}

std::string momentText(const LocalMoment& moment) {
    return moment.date.text() + " " + moment.time.text();
}

void bindTicket(SQLite::Statement& insert, const Ticket& ticket) {
    insert.reset();
    insert.bind(1, ticket.gameId);
    insert.bind(2, digitsText(ticket.digits));
    insert.bind(3, ticket.playType);
    insert.bind(4, ticket.stakeCents);
    insert.bind(5, ticket.drawDate.text());
    insert.bind(6, ticket.drawTime);
    insert.bind(7, ticket.addOn);
    if (ticket.entered) {
        insert.bind(8, momentText(*ticket.entered));
    } else {
        insert.bind(8);
    }
    if (ticket.purchased) {
        insert.bind(9, ticket.purchased->text());
    } else {
        insert.bind(9);
    }
    insert.bind(10, ticket.claimed ? 1 : 0);
}

// A row that holds no ticket (a file written by hand, say): read as a refusal.
struct Unreadable {
    std::int64_t id;
    std::string what;
};

TicketDigits digitsOf(const std::string& text, std::int64_t id) {
    TicketDigits digits{};
    for (std::size_t place = 0; place < digits.size(); ++place) {
        const char c = place < text.size() ? text[place] : '?';
        if (c != 'X' && (c < '0' || c > '9')) {
            throw Unreadable{id, "the number \"" + text + "\""};
        }
        digits[place] = c == 'X' ? kOpenDigit : c - '0';
    }
    return digits;
}

CivilDate dateOf(const std::string& text, std::int64_t id) {
    const auto date = parseCivilDate(text);
    if (!date) {
        throw Unreadable{id, "the date \"" + text + "\""};
    }
    return *date;
}

LocalMoment momentOf(const std::string& text, std::int64_t id) {
    const auto time =
        text.size() > 11 ? parse24HourTime(std::string_view(text).substr(11)) : std::nullopt;
    if (!time) {
        throw Unreadable{id, "the moment \"" + text + "\""};
    }
    return {dateOf(text.substr(0, 10), id), *time};
}

// A ticket read through SQLite's own calls, as the draws are: SQLiteC++'s columns
// would take most of the time the plays window has to open on 10,000 tickets.
StoredTicket storedTicket(sqlite3_stmt* row) {
    StoredTicket stored;
    stored.id = sqlite3_column_int64(row, 0);
    Ticket& ticket = stored.ticket;
    ticket.gameId = textAt(row, 1);
    ticket.digits = digitsOf(textAt(row, 2), stored.id);
    ticket.playType = textAt(row, 3);
    ticket.stakeCents = sqlite3_column_int(row, 4);
    ticket.drawDate = dateOf(textAt(row, 5), stored.id);
    ticket.drawTime = textAt(row, 6);
    ticket.addOn = textAt(row, 7);
    if (sqlite3_column_type(row, 8) != SQLITE_NULL) {
        ticket.entered = momentOf(textAt(row, 8), stored.id);
    }
    if (sqlite3_column_type(row, 9) != SQLITE_NULL) {
        ticket.purchased = dateOf(textAt(row, 9), stored.id);
    }
    ticket.claimed = sqlite3_column_int(row, 10) != 0;
    return stored;
}

// A ticket an id names is not there to change.
struct Missing {
    std::int64_t id;
};

} // namespace

std::optional<std::string> Library::ticketsReadOnly() const {
    if (!readOnly_) {
        return std::nullopt;
    }
    return notice_ == kMsgLibraryNewer ? std::string(kMsgTicketsNewer) : notice_;
}

// A library older than tickets, opened read-only, has no table for them.
bool Library::holdsTickets() {
    return db_ && db_->tableExists("ticket");
}

Result<std::vector<std::int64_t>> Library::keepTickets(const std::vector<Ticket>& batch) {
    using Kept = Result<std::vector<std::int64_t>>;
    for (const Ticket& ticket : batch) {
        if (!isKeepable(ticket)) {
            return Kept::refused(store::fill(kMsgBadTicket, describe(ticket)));
        }
    }
    if (auto blocked = ticketsReadOnly()) {
        return Kept::refused(*blocked);
    }
    std::vector<std::int64_t> ids;
    if (batch.empty()) {
        return ids;
    }
    if (auto writable = makeWritable(); !writable.ok()) {
        return Kept::refused(writable.refusal());
    }
    try {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement insert(*db_, "INSERT INTO ticket (game, digits, play_type, stake_cents, "
                                       "draw_date, draw_time, add_on, entered, purchased, "
                                       "claimed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        ids.reserve(batch.size());
        if (options_.whileKeeping) {
            options_.whileKeeping(0);
        }
        for (const Ticket& ticket : batch) {
            bindTicket(insert, ticket);
            insert.exec();
            ids.push_back(db_->getLastInsertRowid());
            if (options_.whileKeeping) {
                options_.whileKeeping(ids.size());
            }
        }
        transaction.commit();
        return ids;
    } catch (const SQLite::Exception& error) {
        return Kept::refused(store::writeRefusal(error, kMsgTicketsFull));
    }
}

Result<std::vector<StoredTicket>> Library::tickets(const std::string& game) {
    std::vector<StoredTicket> held;
    try {
        if (!holdsTickets()) {
            return held;
        }
        store::RowReader select(*db_, std::string("SELECT ") + kTicketColumns +
                                          " FROM ticket WHERE deleted = 0" +
                                          (game.empty() ? "" : " AND game = ?") + " ORDER BY id");
        if (!game.empty()) {
            select.bind(1, game);
        }
        while (select.step()) {
            held.push_back(storedTicket(select.row()));
        }
        // By draw date, then as entered: sorted here, which costs SQLite's sorter a copy
        // of every row.
        std::stable_sort(held.begin(), held.end(), [](const auto& a, const auto& b) {
            return a.ticket.drawDate < b.ticket.drawDate;
        });
        return held;
    } catch (const Unreadable& row) {
        return Result<std::vector<StoredTicket>>::refused(
            store::fill(kMsgTicketUnreadable, std::to_string(row.id), row.what));
    } catch (const SQLite::Exception& error) {
        return Result<std::vector<StoredTicket>>::refused(
            store::fill(kMsgLibraryReadFailed, error.what()));
    }
}

// Runs sql (with the id as its one parameter) for each id in one transaction;
// refused whole, with refusal, where it changes no row for one of them.
Result<Done> Library::changeTickets(const std::vector<std::int64_t>& ids, const std::string& sql,
                                    std::string_view refusal) {
    if (auto blocked = ticketsReadOnly()) {
        return Result<Done>::refused(*blocked);
    }
    const std::set<std::int64_t> each(ids.begin(), ids.end());
    if (each.empty()) {
        return Done{};
    }
    try {
        if (!holdsTickets()) {
            throw Missing{*each.begin()};
        }
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement change(*db_, sql);
        for (const std::int64_t id : each) {
            change.reset();
            change.bind(1, id);
            if (change.exec() == 0) {
                throw Missing{id};
            }
        }
        transaction.commit();
        return Done{};
    } catch (const Missing& missing) {
        return Result<Done>::refused(store::fill(refusal, std::to_string(missing.id)));
    } catch (const SQLite::Exception& error) {
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

Result<Done> Library::deleteTickets(const std::vector<std::int64_t>& ids) {
    return changeTickets(ids, "UPDATE ticket SET deleted = 1 WHERE id = ? AND deleted = 0",
                         kMsgTicketGone);
}

Result<Done> Library::restoreTickets(const std::vector<std::int64_t>& ids) {
    return changeTickets(ids, "UPDATE ticket SET deleted = 0 WHERE id = ? AND deleted = 1",
                         kMsgTicketNotDeleted);
}

Result<Done> Library::markClaimed(const std::vector<std::int64_t>& ids, bool claimed) {
    return changeTickets(ids,
                         std::string("UPDATE ticket SET claimed = ") + (claimed ? "1" : "0") +
                             " WHERE id = ? AND deleted = 0",
                         kMsgTicketGone);
}

Result<std::int64_t> Library::forgetDeletedTickets() {
    if (auto blocked = ticketsReadOnly()) {
        return Result<std::int64_t>::refused(*blocked);
    }
    try {
        if (!holdsTickets()) {
            return std::int64_t{0};
        }
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        const std::int64_t gone = db_->exec("DELETE FROM ticket WHERE deleted = 1");
        transaction.commit();
        return gone;
    } catch (const SQLite::Exception& error) {
        return Result<std::int64_t>::refused(store::writeRefusal(error));
    }
}

} // namespace pick3
