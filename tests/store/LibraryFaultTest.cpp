// The game library when things go wrong: a copy of the program killed while
// keeping, a full disk, a file at its place that is not a library or is
// damaged, a library from a newer version, and two copies at once. Each on a
// real file: what is checked afterwards is the file as SQLite itself reads it.

#include "StoreSupport.h"

#include "store/StoreMessages.h"

#include <future>
#include <thread>
#include <unistd.h>

namespace pick3 {
namespace {

using namespace std::chrono_literals;
using test::TempFolder;

// A batch of all-new draws as the store's preview would give it, without asking the library.
MergePreview allNew(const std::string& game, const std::vector<IncomingDraw>& batch) {
    MergePreview preview{game, {}, 0};
    for (const IncomingDraw& draw : batch) {
        preview.rows.push_back({draw, MergeKind::New, std::nullopt});
    }
    return preview;
}

// In a child process: keeps the batch, slowly, saying 'B' once its transaction
// has begun and 'C' once it has committed. Never returns.
[[noreturn]] void keepInChild(const std::string& path, const MergePreview& preview, int out) {
    LibraryOptions options;
    options.whileKeeping = [out](std::size_t written) {
        if (written == 0) {
            (void)!write(out, "B", 1);
        } else if (written % 1000 == 0) {
            usleep(1000);
        }
    };
    auto library = Library::open(path, std::move(options));
    if (library.ok() && library->commit(preview, {}, "child.csv", "2026-12-05T21:00:00Z").ok()) {
        (void)!write(out, "C", 1);
    }
    _exit(0);
}

TEST(LibraryFaults, AKeepKilledAnywhereLeavesAllOfItOrNone) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    {
        auto library = test::openLibrary(path);
        test::keepAll(library, "texas-pick-3", test::batchOf(100));
    }
    const auto batch = test::batchOf(15000, 1000);
    int inside = 0;
    for (int kill = 0; kill < 50; ++kill) {
        const std::string game = "game-" + std::to_string(kill);
        const MergePreview preview = allNew(game, batch);
        // Most kills a few milliseconds into the keep; a few after it has committed.
        const bool committed = test::killedKeep([&](int out) { keepInChild(path, preview, out); },
                                                kill % 25 == 24, 300 * (kill % 10));
        inside += committed ? 0 : 1;

        ASSERT_EQ(test::integrityOf(path), "ok") << "kill " << kill;
        EXPECT_EQ(test::rowsOf(path, game), committed ? 15000 : 0) << "kill " << kill;
        EXPECT_EQ(test::rowsOf(path, "texas-pick-3"), 100);
    }
    EXPECT_GE(inside, 45);
    auto library = test::openLibrary(path);
    EXPECT_EQ(library.games()->size(), 1U + 50U - static_cast<std::size_t>(inside));
}

TEST(LibraryFaults, AFullDiskRefusesTheKeepAndLeavesTheLibraryAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    std::vector<StoredDraw> before;
    {
        auto library = test::openLibrary(path);
        test::keepAll(library, "texas-pick-3", test::batchOf(100));
        before = *library.draws("texas-pick-3");
    }
    LibraryOptions cramped;
    cramped.maxPageCount = SQLite::Database(path).execAndGet("PRAGMA page_count").getInt64() + 3;
    auto library = test::openLibrary(path, cramped);
    const auto preview = library.preview("texas-pick-3", test::batchOf(15000, 1000));
    EXPECT_EQ(library.commit(*preview, {}, "big.csv", "2026-12-05T21:00:00Z").refusal(),
              kMsgLibraryFull);
    EXPECT_EQ(*library.draws("texas-pick-3"), before);
    EXPECT_EQ(test::integrityOf(path), "ok");
    // What still fits is kept.
    EXPECT_EQ(test::keepAll(library, "texas-pick-3", test::batchOf(1, 5000)).added, 1U);
}

// A file at the library's place that the store must not touch, made by the test.
struct UnreadableFile {
    const char* name;
    std::function<void(const std::string&)> make;
    std::string_view message;
};

void makeDamagedLibrary(const std::string& path) {
    {
        auto library = test::openLibrary(path);
        test::keepAll(library, "texas-pick-3", test::batchOf(20000));
    }
    std::string bytes = test::bytesOf(path);
    ASSERT_GT(bytes.size(), 100000U);
    bytes.replace(bytes.size() / 2, 8192, 8192, 'Z');
    test::writeBytes(path, bytes);
}

TEST(LibraryFaults, AFileThatIsNotALibraryIsNeverWrittenAndIsKeptAside) {
    const std::vector<UnreadableFile> files{
        {"a text file", [](const std::string& path) { test::writeBytes(path, "Evening 1-2-3\n"); },
         kMsgLibraryForeign},
        {"another program's SQLite file",
         [](const std::string& path) {
             SQLite::Database(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
                 .exec("PRAGMA application_id = 305419896; CREATE TABLE draw (n INTEGER)");
         },
         kMsgLibraryForeign},
        {"an unmarked SQLite file",
         [](const std::string& path) {
             SQLite::Database(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
                 .exec("CREATE TABLE notes (text TEXT)");
         },
         kMsgLibraryForeign},
        {"a library damaged in the middle", makeDamagedLibrary, kMsgLibraryDamaged},
    };
    for (const UnreadableFile& file : files) {
        SCOPED_TRACE(file.name);
        TempFolder folder;
        const std::string path = folder.file("library.sqlite");
        file.make(path);
        const std::string bytes = test::bytesOf(path);
        const auto refused = Library::open(path);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.refusal(), test::filled(file.message, path));
        EXPECT_EQ(test::bytesOf(path), bytes);

        // The player starts a new library: the old file is kept, renamed, as it was.
        const auto kept = Library::setAside(path, "20261205-210000");
        ASSERT_TRUE(kept.ok()) << kept.refusal();
        EXPECT_EQ(*kept, path + ".damaged-20261205-210000");
        auto library = test::openLibrary(path);
        EXPECT_EQ(test::keepAll(library, "texas-pick-3", test::batchOf(3)).added, 3U);
        EXPECT_EQ(test::bytesOf(*kept), bytes);
        EXPECT_EQ(*Library::setAside(path, "20261205-210000"), *kept + "-2");
    }
}

TEST(LibraryFaults, ANewerVersionsLibraryIsReadButNeverWritten) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    std::vector<StoredDraw> held;
    {
        auto library = test::openLibrary(path);
        test::keepAll(library, "texas-pick-3", test::batchOf(50));
        held = *library.draws("texas-pick-3");
    }
    SQLite::Database(path, SQLite::OPEN_READWRITE)
        .exec("PRAGMA journal_mode = DELETE; PRAGMA user_version = " +
              std::to_string(Library::kVersion + 1));
    const std::string bytes = test::bytesOf(path);

    auto library = test::openLibrary(path);
    EXPECT_TRUE(library.readOnly());
    EXPECT_EQ(library.notice(), kMsgLibraryNewer);
    EXPECT_EQ(*library.draws("texas-pick-3"), held);
    const auto preview = library.preview("texas-pick-3", test::batchOf(10, 500));
    EXPECT_EQ(library.commit(*preview, {}, "x", "y").refusal(), kMsgLibraryNewer);
    EXPECT_EQ(library.forget("texas-pick-3").refusal(), kMsgLibraryNewer);
    EXPECT_EQ(library.restoreFrom(path).refusal(), test::filled(kMsgBackupNewer, path));
    EXPECT_EQ(
        library.keepSource({"texas-pick-3", "https://x/a.csv", false, "\"1\"", "", ""}).refusal(),
        kMsgLibraryNewer);
    EXPECT_EQ(test::bytesOf(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

TEST(LibraryFaults, TwoCopiesBothReadAndAWriterWaitsOrSaysWhy) {
    TempFolder folder;
    const std::string path = folder.file("library.sqlite");
    test::openLibrary(path).commit(allNew("texas-pick-3", test::batchOf(10)), {}, "a", "b");

    // While one copy keeps, another reads what was there and, impatient, is refused.
    LibraryOptions impatient;
    impatient.busyTimeout = 50ms;
    auto other = test::openLibrary(path, impatient);
    bool asked = false;
    LibraryOptions keeping;
    keeping.whileKeeping = [&](std::size_t written) {
        if (written == 5) {
            asked = true;
            EXPECT_EQ(other.draws("texas-pick-3")->size(), 10U);
            const auto refused =
                other.commit(allNew("ohio-pick-3", test::batchOf(3)), {}, "a", "b");
            EXPECT_EQ(refused.refusal(), kMsgLibraryBusy);
        }
    };
    auto one = test::openLibrary(path, keeping);
    ASSERT_TRUE(one.commit(allNew("texas-pick-3", test::batchOf(20, 100)), {}, "a", "b").ok());
    EXPECT_TRUE(asked);
    EXPECT_EQ(other.draws("texas-pick-3")->size(), 30U);

    // A patient writer, on a thread of its own with its own library, waits its turn.
    std::promise<void> begun;
    LibraryOptions slow;
    slow.whileKeeping = [&](std::size_t written) {
        if (written == 0) {
            begun.set_value();
        }
        if (written % 1000 == 0) {
            std::this_thread::sleep_for(2ms);
        }
    };
    std::thread keeper([&] {
        auto library = test::openLibrary(path, slow);
        EXPECT_TRUE(
            library.commit(allNew("florida-pick-3", test::batchOf(15000)), {}, "a", "b").ok());
    });
    begun.get_future().wait();
    auto patient = test::openLibrary(path);
    const auto kept = patient.commit(allNew("ohio-pick-3", test::batchOf(3)), {}, "a", "b");
    keeper.join();
    EXPECT_TRUE(kept.ok()) << kept.refusal();
    EXPECT_EQ(test::rowsOf(path, "florida-pick-3"), 15000);
    EXPECT_EQ(test::rowsOf(path, "ohio-pick-3"), 3);
    EXPECT_EQ(test::integrityOf(path), "ok");
}

} // namespace
} // namespace pick3
