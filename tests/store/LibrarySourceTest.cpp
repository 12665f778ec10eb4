// What is kept beside a game's update sources: nothing until a fetch is read, one row a
// game and address replaced in place, the player's own address taken away again, and a
// library from before sources brought up to date with all it held.

#include "StoreSupport.h"

#include <gtest/gtest.h>

using namespace pick3;
using pick3::test::TempFolder;

TEST(LibrarySources, AreKeptByGameAndAddressAndReplacedInPlace) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.sources("new-york-numbers")->empty());
    EXPECT_FALSE(std::filesystem::exists(path)); // reading makes no file

    const SourceState rows{"new-york-numbers", "https://data.example/rows.csv", false,
                           "\"v1\"",           "Sat, 05 Dec 2026 22:00:00 GMT", ""};
    const SourceState mine{"new-york-numbers", "https://mine.example/ny.csv", true, "", "", ""};
    ASSERT_TRUE(library.keepSource(rows).ok());
    ASSERT_TRUE(library.keepSource(mine).ok());
    ASSERT_TRUE(library.keepSource({"texas-pick-3", rows.address, false, "", "", ""}).ok());
    EXPECT_EQ(*library.sources("new-york-numbers"), (std::vector<SourceState>{rows, mine}));

    // A server that asked to be left alone: the row is replaced, the order kept.
    SourceState waiting = rows;
    waiting.retryAfter = "2026-12-09T14:03:00Z";
    ASSERT_TRUE(library.keepSource(waiting).ok());
    EXPECT_EQ(*library.sources("new-york-numbers"), (std::vector<SourceState>{waiting, mine}));

    ASSERT_TRUE(library.forgetSource("new-york-numbers", mine.address).ok());
    EXPECT_EQ(*library.sources("new-york-numbers"), (std::vector<SourceState>{waiting}));
    EXPECT_EQ(library.sources("texas-pick-3")->size(), 1U);
    EXPECT_FALSE(library.keepSource({"texas-pick-3", "", false, "", "", ""}).ok());

    // Kept in the file: another copy of the program reads the same.
    auto again = test::openLibrary(path);
    EXPECT_EQ(*again.sources("new-york-numbers"), (std::vector<SourceState>{waiting}));
    EXPECT_EQ(test::integrityOf(path), "ok");
}

TEST(LibrarySources, ALibraryFromBeforeSourcesIsBroughtUpToDateWithAllItHeld) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    {
        auto library = test::openLibrary(path);
        test::keepAll(library, "texas-pick-3", test::batchOf(20));
        ASSERT_TRUE(library.keepTickets(test::ticketBatch(2)).ok());
    }
    // The library as the version before sources left it.
    SQLite::Database(path, SQLite::OPEN_READWRITE)
        .exec("DROP TABLE source; PRAGMA user_version = 3;");
    // Opened, it is brought up to date in one step, holding all it held.
    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.sources("texas-pick-3")->empty());
    ASSERT_TRUE(library.keepSource({"texas-pick-3", "https://x/a.csv", false, "", "", ""}).ok());
    SQLite::Database after(path, SQLite::OPEN_READONLY);
    EXPECT_EQ(after.execAndGet("PRAGMA user_version").getInt(), Library::kVersion);
    EXPECT_EQ(
        after.execAndGet("SELECT strict FROM pragma_table_list WHERE name = 'source'").getInt(), 1);
    EXPECT_EQ(test::rowsOf(path, "texas-pick-3"), 20);
    EXPECT_EQ(test::ticketRowsOf(path, "texas-pick-3"), 2);
}
