// The player's tickets when things go wrong: a copy of the program killed while
// keeping them, a full disk, and a library of a newer version. Each on a real file.

#include "StoreSupport.h"

#include "store/StoreMessages.h"

#include <unistd.h>

namespace pick3 {
namespace {

using test::TempFolder;

// In a child process: keeps the tickets, slowly, saying 'B' once its transaction
// has begun and 'C' once it has committed. Never returns.
[[noreturn]] void keepTicketsInChild(const std::string& path, const std::vector<Ticket>& batch,
                                     int out) {
    LibraryOptions options;
    options.whileKeeping = [out](std::size_t written) {
        if (written == 0) {
            (void)!write(out, "B", 1);
        } else if (written % 1000 == 0) {
            usleep(1000);
        }
    };
    auto library = Library::open(path, std::move(options));
    if (library.ok() && library->keepTickets(batch).ok()) {
        (void)!write(out, "C", 1);
    }
    _exit(0);
}

TEST(LibraryTicketFaults, AKeepKilledAnywhereLeavesAllOfItOrNone) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    std::vector<StoredTicket> before;
    {
        auto library = test::openLibrary(path);
        library.keepTickets(test::ticketBatch(100));
        library.deleteTickets({3, 4});
        before = *library.tickets();
    }
    constexpr int kKills = 20;
    int inside = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const std::string game = "game-" + std::to_string(kill);
        const auto batch = test::ticketBatch(15000, game);
        // Most kills a few milliseconds into the keep; one after it has committed.
        const bool committed =
            test::killedKeep([&](int out) { keepTicketsInChild(path, batch, out); },
                             kill == kKills - 1, 500 * (kill % 10));
        inside += committed ? 0 : 1;

        ASSERT_EQ(test::integrityOf(path), "ok") << "kill " << kill;
        EXPECT_EQ(test::ticketRowsOf(path, game), committed ? 15000 : 0) << "kill " << kill;
    }
    EXPECT_GE(inside, kKills - 3);
    auto library = test::openLibrary(path);
    EXPECT_EQ(*library.tickets("texas-pick-3"), before);
    // The tickets deleted before the kills can still be brought back.
    EXPECT_TRUE(library.restoreTickets({3, 4}).ok());
    EXPECT_EQ(library.tickets()->size(), 100U + 15000U * static_cast<std::size_t>(kKills - inside));
}

TEST(LibraryTicketFaults, AFullDiskRefusesTheKeepAndLeavesTheLibraryAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    std::vector<StoredTicket> before;
    {
        auto library = test::openLibrary(path);
        library.keepTickets(test::ticketBatch(100));
        before = *library.tickets();
    }
    LibraryOptions cramped;
    cramped.maxPageCount = SQLite::Database(path).execAndGet("PRAGMA page_count").getInt64() + 3;
    auto library = test::openLibrary(path, cramped);
    EXPECT_EQ(library.keepTickets(test::ticketBatch(15000)).refusal(), kMsgTicketsFull);
    EXPECT_EQ(*library.tickets(), before);
    EXPECT_EQ(test::integrityOf(path), "ok");
    // What still fits is kept.
    EXPECT_EQ(library.keepTickets(test::ticketBatch(1, "ohio-pick-3"))->size(), 1U);
}

TEST(LibraryTicketFaults, ANewerVersionsLibraryShowsItsTicketsAndChangesNone) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    std::vector<StoredTicket> held;
    {
        auto library = test::openLibrary(path);
        library.keepTickets(test::ticketBatch(20));
        library.deleteTickets({5});
        held = *library.tickets();
    }
    SQLite::Database(path, SQLite::OPEN_READWRITE)
        .exec("PRAGMA journal_mode = DELETE; PRAGMA user_version = " +
              std::to_string(Library::kVersion + 1));
    const std::string bytes = test::bytesOf(path);

    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.readOnly());
    EXPECT_EQ(*library.tickets(), held);
    EXPECT_EQ(library.keepTickets(test::ticketBatch(2)).refusal(), kMsgTicketsNewer);
    EXPECT_EQ(library.deleteTickets({1}).refusal(), kMsgTicketsNewer);
    EXPECT_EQ(library.restoreTickets({5}).refusal(), kMsgTicketsNewer);
    EXPECT_EQ(library.markClaimed({1}, true).refusal(), kMsgTicketsNewer);
    EXPECT_EQ(library.forgetDeletedTickets().refusal(), kMsgTicketsNewer);
    EXPECT_EQ(test::bytesOf(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
}

} // namespace
} // namespace pick3
