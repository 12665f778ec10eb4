// The game library at work: made by the first keep, draws read back in their
// order, batches sorted into new, held and differing draws, export, forgetting,
// backup and restore, and an older file brought up to date.

#include "StoreSupport.h"

#include "store/StoreMessages.h"

namespace pick3 {
namespace {

using test::TempFolder;

TEST(Library, NothingIsMadeUntilTheFirstKeep) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.games()->empty());
    EXPECT_TRUE(library.draws("texas-pick-3")->empty());
    EXPECT_EQ(library.preview("texas-pick-3", test::batchOf(3))->count(MergeKind::New), 3U);
    EXPECT_EQ(*library.forget("texas-pick-3"), 0);
    EXPECT_FALSE(std::filesystem::exists(path));

    test::keepAll(library, "texas-pick-3", test::batchOf(3));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(library.journalMode(), "wal");
    SQLite::Database raw(path, SQLite::OPEN_READONLY);
    EXPECT_EQ(raw.execAndGet("PRAGMA application_id").getInt(), Library::kApplicationId);
    EXPECT_EQ(raw.execAndGet("PRAGMA user_version").getInt(), Library::kVersion);
    EXPECT_EQ(raw.execAndGet("PRAGMA journal_mode").getString(), "wal");
}

// The first keep makes the file's folder too, for draws and for tickets alike; a folder
// that cannot be made is refused with a sentence, and nothing is left half made.
TEST(Library, TheFirstKeepMakesTheFolder) {
    TempFolder folder;
    const std::string drawsPath = folder.file("new/deeper/library.sqlite");
    auto draws = test::openLibrary(drawsPath);
    EXPECT_FALSE(std::filesystem::exists(folder.file("new")));
    test::keepAll(draws, "texas-pick-3", test::batchOf(2));
    EXPECT_EQ(draws.draws("texas-pick-3")->size(), 2U);
    EXPECT_TRUE(std::filesystem::exists(drawsPath));

    const std::string ticketsPath = folder.file("other/library.sqlite");
    auto tickets = test::openLibrary(ticketsPath);
    const auto kept = tickets.keepTickets(test::ticketBatch(3));
    ASSERT_TRUE(kept.ok()) << kept.refusal();
    EXPECT_EQ(tickets.tickets()->size(), 3U);

    // A file stands where the folder would be.
    std::ofstream(folder.file("plain")) << "not a folder";
    auto blocked = test::openLibrary(folder.file("plain/library.sqlite"));
    const auto refused = blocked.keepTickets(test::ticketBatch(1));
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.refusal().starts_with("The game library could not be written ("))
        << refused.refusal();
    EXPECT_TRUE(blocked.tickets()->empty());
}

TEST(Library, WhereTheWriteAheadLogCannotWorkTheRollbackJournalIsUsed) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    LibraryOptions noSharedMemory;
    noSharedMemory.vfs = "unix-dotfile";
    auto library = test::openLibrary(path, noSharedMemory);
    EXPECT_EQ(test::keepAll(library, "texas-pick-3", test::batchOf(3)).added, 3U);
    EXPECT_EQ(library.journalMode(), "delete");
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    EXPECT_EQ(test::rowsOf(path, "texas-pick-3"), 3);
}

TEST(Library, DrawsComeBackOldestFirstAsKept) {
    TempFolder folder;
    auto library = test::openLibrary(folder.file("library.sqlite"));
    // Given newest first, in a day's times out of order; 056 and 000 keep their zeros.
    const std::vector<IncomingDraw> batch{
        {"2026-12-05", "Night", 3, 56, std::uint8_t{0}},
        {"2026-12-05", "Morning", 0, 0, std::nullopt},
        {"2026-12-05", "Evening", 2, 999, std::uint8_t{9}},
        {"2026-12-04", "Night", 3, 7, std::nullopt},
        {"2025-01-31", "Midday", 1, 310, std::uint8_t{4}},
    };
    EXPECT_EQ(test::keepAll(library, "texas-pick-3", batch).added, 5U);
    test::keepAll(library, "florida-pick-3", test::batchOf(4, 100), "https://results.example/fl");

    const auto all = library.draws("texas-pick-3");
    ASSERT_TRUE(all.ok());
    const std::vector<IncomingDraw> oldestFirst{batch[4], batch[3], batch[1], batch[2], batch[0]};
    std::vector<IncomingDraw> read;
    for (const StoredDraw& stored : *all) {
        read.push_back(stored.draw);
        EXPECT_EQ(stored.source, "texas.csv");
        EXPECT_EQ(stored.keptAt, "2026-12-05T21:00:00Z");
    }
    EXPECT_EQ(read, oldestFirst);

    const auto nights = library.draws("texas-pick-3", {{"Night", "Morning"}, std::nullopt});
    ASSERT_EQ(nights->size(), 3U);
    EXPECT_EQ((*nights)[0].draw, batch[3]);
    EXPECT_EQ((*nights)[2].draw, batch[0]);
    const auto newestTwo = library.draws("texas-pick-3", {{}, 2});
    ASSERT_EQ(newestTwo->size(), 2U);
    EXPECT_EQ((*newestTwo)[0].draw, batch[2]);
    EXPECT_EQ((*newestTwo)[1].draw, batch[0]);
    EXPECT_EQ(library.draws("texas-pick-3", {{}, 0})->size(), 0U);
    EXPECT_EQ(library.draws("texas-pick-3", {{}, 99})->size(), 5U);

    const std::vector<HeldGame> games{{"florida-pick-3", 4, "2000-04-11", "2000-04-12"},
                                      {"texas-pick-3", 5, "2025-01-31", "2026-12-05"}};
    EXPECT_EQ(*library.games(), games);
}

TEST(Library, AKeepSortsTheBatchAndWritesOnlyWhatThePlayerTakes) {
    TempFolder folder;
    auto library = test::openLibrary(folder.file("library.sqlite"));
    const std::vector<IncomingDraw> first{
        {"2026-12-01", "Midday", 0, 123, std::uint8_t{4}},
        {"2026-12-01", "Evening", 1, 56, std::nullopt},
        {"2026-12-02", "Midday", 0, 777, std::uint8_t{1}},
    };
    test::keepAll(library, "texas-pick-3", first, "first.txt");
    const std::vector<IncomingDraw> second{
        {"2026-12-01", "Midday", 0, 123, std::uint8_t{4}}, // held
        {"2026-12-01", "Evening", 1, 56, std::uint8_t{3}}, // differs: add-on only
        {"2026-12-02", "Midday", 0, 778, std::uint8_t{1}}, // differs: number
        {"2026-12-02", "Evening", 1, 5, std::nullopt},     // new
        {"2026-12-02", "Evening", 1, 6, std::nullopt},     // a repeat of the row above
    };
    const auto preview = library.preview("texas-pick-3", second);
    ASSERT_TRUE(preview.ok()) << preview.refusal();
    ASSERT_EQ(preview->rows.size(), 4U);
    EXPECT_EQ(preview->repeats, 1U);
    const std::vector<MergeKind> kinds{MergeKind::Held, MergeKind::Differs, MergeKind::Differs,
                                       MergeKind::New};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        ASSERT_EQ(preview->rows[i].kind, kinds[i]) << i;
    }
    EXPECT_EQ(preview->rows[1].held->draw, first[1]);
    EXPECT_EQ(preview->rows[2].held->draw, first[2]);
    EXPECT_EQ(preview->rows[2].held->source, "first.txt");
    EXPECT_FALSE(preview->rows[3].held);

    // The player takes the new number of 12-02 Midday and keeps the held 12-01 Evening.
    const auto kept = library.commit(*preview, {2}, "second.txt", "2026-12-06T08:00:00Z");
    ASSERT_TRUE(kept.ok()) << kept.refusal();
    EXPECT_EQ(kept->added, 1U);
    EXPECT_EQ(kept->replaced, 1U);
    EXPECT_EQ(kept->unchanged, 2U);
    const auto held = *library.draws("texas-pick-3");
    ASSERT_EQ(held.size(), 4U);
    EXPECT_EQ(held[1].draw, first[1]);
    EXPECT_EQ(held[1].source, "first.txt");
    EXPECT_EQ(held[2].draw, second[2]);
    EXPECT_EQ(held[2].source, "second.txt");
    EXPECT_EQ(held[3].draw, second[3]);

    // The same preview again: the library moved on, so nothing of it is written.
    EXPECT_EQ(library.commit(*preview, {1, 2}, "x", "y").refusal(), kMsgLibraryChanged);
    EXPECT_EQ(*library.draws("texas-pick-3"), held);

    // A differing draw the player chose, changed by another keep since: refused, not overwritten.
    const IncomingDraw later{"2026-12-02", "Midday", 0, 779, std::uint8_t{1}};
    const auto stale = library.preview("texas-pick-3", {later});
    const IncomingDraw meanwhile{"2026-12-02", "Midday", 0, 780, std::uint8_t{1}};
    ASSERT_TRUE(library.commit(*library.preview("texas-pick-3", {meanwhile}), {0}, "x", "y").ok());
    EXPECT_EQ(library.commit(*stale, {0}, "x", "y").refusal(), kMsgLibraryChanged);
    EXPECT_EQ(library.draws("texas-pick-3")->at(2).draw, meanwhile);

    // A batch with something that is not a draw is refused whole.
    for (const IncomingDraw& bad :
         std::vector<IncomingDraw>{{"2026-1-01", "Midday", 0, 1, std::nullopt},
                                   {"2026-12-01", "", 0, 1, std::nullopt},
                                   {"2026-12-01", "Midday", 0, 1000, std::nullopt},
                                   {"2026-12-01", "Midday", 0, 1, std::uint8_t{10}}}) {
        EXPECT_FALSE(library.preview("texas-pick-3", {second[3], bad}).ok()) << bad.date;
    }
}

TEST(Library, ExportWritesEveryDrawWithItsZeros) {
    TempFolder folder;
    auto library = test::openLibrary(folder.file("library.sqlite"));
    test::keepAll(library, "texas-pick-3",
                  {{"2026-12-02", "Midday", 0, 5, std::uint8_t{0}},
                   {"2026-12-01", "Evening", 1, 56, std::nullopt}},
                  "Texas, \"all\".csv");
    EXPECT_EQ(*library.exportCsv("texas-pick-3"),
              "date,draw time,number,add-on,source\r\n"
              "2026-12-01,Evening,056,,\"Texas, \"\"all\"\".csv\"\r\n"
              "2026-12-02,Midday,005,0,\"Texas, \"\"all\"\".csv\"\r\n");
    EXPECT_EQ(*library.exportCsv("ohio-pick-3"), "date,draw time,number,add-on,source\r\n");
}

TEST(Library, ForgettingAGameTakesItsDrawsAndShrinksTheFile) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    auto library = test::openLibrary(path);
    test::keepAll(library, "texas-pick-3", test::batchOf(20000));
    test::keepAll(library, "ohio-pick-3", test::batchOf(10));
    const auto before =
        std::filesystem::file_size(path) + std::filesystem::file_size(path + "-wal");
    EXPECT_EQ(*library.forget("texas-pick-3"), 20000);
    const auto after = std::filesystem::file_size(path) + std::filesystem::file_size(path + "-wal");
    EXPECT_LT(after * 10, before);
    EXPECT_EQ(*library.games(),
              (std::vector<HeldGame>{{"ohio-pick-3", 10, "2000-01-01", "2000-01-05"}}));
    EXPECT_EQ(test::integrityOf(path), "ok");
}

TEST(Library, ABackupRestoresTheLibraryAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    const std::string backup = folder.file("backup.sqlite");
    auto library = test::openLibrary(path);
    EXPECT_EQ(library.backUpTo(backup).refusal(), kMsgNothingToBackUp);
    test::keepAll(library, "texas-pick-3", test::batchOf(500));
    const auto kept = *library.draws("texas-pick-3");
    ASSERT_TRUE(library.backUpTo(backup).ok());
    EXPECT_EQ(test::integrityOf(backup), "ok");
    EXPECT_FALSE(std::filesystem::exists(backup + "-wal"));

    library.forget("texas-pick-3");
    test::keepAll(library, "ohio-pick-3", test::batchOf(5));
    ASSERT_TRUE(library.restoreFrom(backup).ok());
    EXPECT_EQ(*library.draws("texas-pick-3"), kept);
    EXPECT_TRUE(library.draws("ohio-pick-3")->empty());
    // Another copy opening the file afterwards sees the same.
    EXPECT_EQ(*test::openLibrary(path).draws("texas-pick-3"), kept);

    // What is not a backup of ours is refused, and the library is left as it is.
    const std::string text = folder.file("notes.txt");
    test::writeBytes(text, "Evening 1-2-3\n");
    EXPECT_EQ(library.restoreFrom(text).refusal(), test::filled(kMsgBackupForeign, text));
    EXPECT_EQ(library.restoreFrom(folder.file("none")).refusal(),
              test::filled(kMsgBackupForeign, folder.file("none")));
    EXPECT_EQ(*library.draws("texas-pick-3"), kept);
}

TEST(Library, AVersionOneFileIsBroughtUpToDate) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    {
        // A library as the first version wrote it.
        SQLite::Database v1(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        v1.exec("PRAGMA application_id = 1345539138; PRAGMA user_version = 1;"
                "CREATE TABLE draw (game TEXT NOT NULL CHECK (game <> ''), date TEXT NOT NULL "
                "CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'), draw_time TEXT "
                "NOT NULL CHECK (draw_time <> ''), time_order INTEGER NOT NULL, number INTEGER NOT "
                "NULL CHECK (number BETWEEN 0 AND 999), add_on INTEGER CHECK (add_on BETWEEN 0 "
                "AND 9), source TEXT NOT NULL, kept_at TEXT NOT NULL, UNIQUE (game, date, "
                "draw_time)) STRICT;"
                "INSERT INTO draw VALUES ('texas-pick-3', '2019-03-02', 'Night', 3, 42, NULL, "
                "'old.txt', '2019-03-03T00:00:00Z');");
    }
    auto library = test::openLibrary(path);
    SQLite::Database raw(path, SQLite::OPEN_READONLY);
    EXPECT_EQ(raw.execAndGet("PRAGMA user_version").getInt(), Library::kVersion);
    EXPECT_EQ(
        raw.execAndGet("SELECT count(*) FROM sqlite_schema WHERE name = 'draw_in_order'").getInt(),
        1);
    const auto held = *library.draws("texas-pick-3");
    ASSERT_EQ(held.size(), 1U);
    EXPECT_EQ(held[0].draw, (IncomingDraw{"2019-03-02", "Night", 3, 42, std::nullopt}));
    EXPECT_EQ(test::keepAll(library, "texas-pick-3", test::batchOf(2)).added, 2U);
}

} // namespace
} // namespace pick3
