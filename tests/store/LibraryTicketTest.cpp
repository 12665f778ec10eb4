// The player's tickets in the game library: kept whole with every field, read back
// by game, deleted and brought back (only the ticket asked for), marked claimed, and
// a library of the version before tickets brought up to date with its draws.

#include "StoreSupport.h"

#include "store/StoreMessages.h"

namespace pick3 {
namespace {

using test::TempFolder;

std::vector<std::int64_t> idsOf(const std::vector<StoredTicket>& stored) {
    std::vector<std::int64_t> ids;
    for (const StoredTicket& each : stored) {
        ids.push_back(each.id);
    }
    return ids;
}

TEST(LibraryTickets, AreKeptWithEveryFieldAndReadBackByGame) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.tickets()->empty());
    EXPECT_TRUE(library.keepTickets({})->empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    // Kept out of draw-date order: read back by draw date, then in the order kept.
    auto texas = test::ticketBatch(12);
    Ticket late = texas[11];
    late.drawDate = CivilDate::fromDaysSinceEpoch(late.drawDate.daysSinceEpoch() + 30);
    texas.insert(texas.begin(), late);
    const auto kept = library.keepTickets(texas);
    ASSERT_TRUE(kept.ok()) << kept.refusal();
    ASSERT_EQ(kept->size(), 13U);
    EXPECT_TRUE(std::is_sorted(kept->begin(), kept->end()));
    const auto ohio = test::ticketBatch(4, "ohio-pick-3", 3);
    ASSERT_TRUE(library.keepTickets(ohio).ok());

    std::vector<Ticket> expected(texas.begin() + 1, texas.end());
    expected.push_back(late);
    const auto held = library.tickets("texas-pick-3");
    ASSERT_TRUE(held.ok()) << held.refusal();
    EXPECT_EQ(test::ticketsIn(*held), expected);
    EXPECT_EQ(held->at(11).id, kept->at(12));
    EXPECT_EQ(held->at(12).id, kept->at(0));
    EXPECT_EQ(test::ticketsIn(*library.tickets("ohio-pick-3")), ohio);
    EXPECT_EQ(library.tickets()->size(), 17U);
    // Another copy opening the file reads the same, open places and moments and all.
    EXPECT_EQ(*test::openLibrary(path).tickets("texas-pick-3"), *held);

    // A batch with one ticket that cannot be held is refused whole.
    const auto broken = [&](auto change) {
        Ticket ticket = texas[3];
        change(ticket);
        return library.keepTickets({texas[1], ticket}).refusal();
    };
    EXPECT_EQ(broken([](Ticket& t) {
                  t.digits = {1, 10, kOpenDigit};
              }),
              test::filled(kMsgBadTicket, "\"texas-pick-3 1?X front_pair 100 cents " +
                                              texas[3].drawDate.text() + " Day\""));
    for (const auto& change : std::vector<std::function<void(Ticket&)>>{
             [](Ticket& t) { t.gameId.clear(); }, [](Ticket& t) { t.playType.clear(); },
             [](Ticket& t) { t.drawTime.clear(); }, [](Ticket& t) { t.stakeCents = 0; },
             [](Ticket& t) { t.digits[0] = -2; },
             [](Ticket& t) {
                 t.drawDate = {2026, 2, 30};
             },
             [](Ticket& t) {
                 t.entered = LocalMoment{{2026, 2, 1}, ClockTime{1440}};
             },
             [](Ticket& t) {
                 t.purchased = CivilDate{2025, 13, 1};
             }}) {
        EXPECT_NE(broken(change).find("A ticket could not be kept: \""), std::string::npos);
    }
    EXPECT_EQ(library.tickets()->size(), 17U);
}

TEST(LibraryTickets, ADeletedTicketComesBackAndOnlyThatOne) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    auto library = test::openLibrary(path);
    const auto batch = test::ticketBatch(6);
    const auto ids = *library.keepTickets(batch);
    const auto all = *library.tickets();

    ASSERT_TRUE(library.deleteTickets({ids[1], ids[4]}).ok());
    EXPECT_EQ(idsOf(*library.tickets()), (std::vector{ids[0], ids[2], ids[3], ids[5]}));
    // Another copy no longer sees them either.
    EXPECT_EQ(test::openLibrary(path).tickets()->size(), 4U);

    // Undo brings back the ticket asked for, as it was, and no other.
    ASSERT_TRUE(library.restoreTickets({ids[4]}).ok());
    EXPECT_EQ(*library.tickets(), (std::vector{all[0], all[2], all[3], all[4], all[5]}));

    // A change naming one ticket it cannot apply to changes none of them.
    EXPECT_EQ(library.restoreTickets({ids[1], ids[2]}).refusal(),
              test::filled(kMsgTicketNotDeleted, std::to_string(ids[2])));
    EXPECT_EQ(library.deleteTickets({ids[0], ids[1]}).refusal(),
              test::filled(kMsgTicketGone, std::to_string(ids[1])));
    EXPECT_EQ(library.markClaimed({ids[0], ids[1]}, true).refusal(),
              test::filled(kMsgTicketGone, std::to_string(ids[1])));
    EXPECT_EQ(library.deleteTickets({ids[5] + 1}).refusal(),
              test::filled(kMsgTicketGone, std::to_string(ids[5] + 1)));
    EXPECT_EQ(*library.tickets(), (std::vector{all[0], all[2], all[3], all[4], all[5]}));

    // Claimed, and claimed no more; a deleted ticket brought back keeps its mark.
    ASSERT_FALSE(all[2].ticket.claimed);
    ASSERT_TRUE(library.markClaimed({ids[2], ids[3]}, true).ok());
    ASSERT_TRUE(library.deleteTickets({ids[2]}).ok());
    ASSERT_TRUE(library.restoreTickets({ids[2]}).ok());
    ASSERT_TRUE(library.markClaimed({ids[3]}, false).ok());
    const auto marked = *library.tickets();
    EXPECT_TRUE(marked[1].ticket.claimed);
    EXPECT_FALSE(marked[2].ticket.claimed);

    // At the end of the run the deleted go for good; an id is never given again, so
    // an undo kept from before can never bring back another ticket.
    ASSERT_TRUE(library.deleteTickets({ids[5]}).ok());
    EXPECT_EQ(*library.forgetDeletedTickets(), 2);
    EXPECT_EQ(test::ticketRowsOf(path, "texas-pick-3"), 4);
    const auto again = *library.keepTickets({batch[5]});
    EXPECT_GT(again[0], ids[5]);
    EXPECT_EQ(library.restoreTickets({ids[5]}).refusal(),
              test::filled(kMsgTicketNotDeleted, std::to_string(ids[5])));
    EXPECT_EQ(library.tickets()->size(), 5U);
}

// A library as the version before tickets wrote it, with a draw in it.
void makeVersionTwoLibrary(const std::string& path) {
    SQLite::Database v2(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    v2.exec("PRAGMA application_id = 1345539138; PRAGMA user_version = 2;"
            "CREATE TABLE draw (game TEXT NOT NULL CHECK (game <> ''), date TEXT NOT NULL "
            "CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'), draw_time TEXT "
            "NOT NULL CHECK (draw_time <> ''), time_order INTEGER NOT NULL, number INTEGER NOT "
            "NULL CHECK (number BETWEEN 0 AND 999), add_on INTEGER CHECK (add_on BETWEEN 0 "
            "AND 9), source TEXT NOT NULL, kept_at TEXT NOT NULL, UNIQUE (game, date, "
            "draw_time)) STRICT;"
            "CREATE INDEX draw_in_order ON draw (game, date, time_order, draw_time);"
            "INSERT INTO draw VALUES ('texas-pick-3', '2019-03-02', 'Night', 3, 42, 7, "
            "'old.txt', '2019-03-03T00:00:00Z');");
}

TEST(LibraryTickets, AVersionTwoLibraryKeepsItsDrawsAndTakesTickets) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    makeVersionTwoLibrary(path);
    const std::vector<StoredDraw> draws{
        {{"2019-03-02", "Night", 3, 42, std::uint8_t{7}}, "old.txt", "2019-03-03T00:00:00Z"}};
    {
        auto library = test::openLibrary(path);
        EXPECT_FALSE(library.readOnly());
        EXPECT_EQ(*library.draws("texas-pick-3"), draws);
        EXPECT_TRUE(library.tickets()->empty());
        ASSERT_TRUE(library.keepTickets(test::ticketBatch(3)).ok());
    }
    SQLite::Database raw(path, SQLite::OPEN_READONLY);
    EXPECT_EQ(raw.execAndGet("PRAGMA user_version").getInt(), Library::kVersion);
    EXPECT_EQ(raw.execAndGet("SELECT strict FROM pragma_table_list WHERE name = 'ticket'").getInt(),
              1);
    EXPECT_EQ(test::rowsOf(path, "texas-pick-3"), 1);
    EXPECT_EQ(test::ticketRowsOf(path, "texas-pick-3"), 3);
    EXPECT_EQ(test::integrityOf(path), "ok");

    // A backup from before tickets, restored, is brought up to date too.
    const std::string old = folder.file("old-backup.sqlite");
    makeVersionTwoLibrary(old);
    auto library = test::openLibrary(path);
    ASSERT_TRUE(library.restoreFrom(old).ok());
    EXPECT_EQ(*library.draws("texas-pick-3"), draws);
    EXPECT_TRUE(library.tickets()->empty());
    EXPECT_EQ(library.keepTickets(test::ticketBatch(2))->size(), 2U);
}

} // namespace
} // namespace pick3
