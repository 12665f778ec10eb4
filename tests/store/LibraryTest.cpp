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

} // namespace
} // namespace pick3
