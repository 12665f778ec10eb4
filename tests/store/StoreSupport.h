#pragma once
// What the store's tests share: a folder of their own that is removed afterwards,
// batches of draws, and a second look at a file through SQLite itself.

#include "engine/plays/PayRule.h"
#include "store/Library.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace pick3 {

// A ticket as a failed comparison shows it.
inline void PrintTo(const Ticket& ticket, std::ostream* out) {
    *out << ticket.gameId << ' ' << ticketNumberText(ticket.digits) << ' ' << ticket.playType << ' '
         << ticket.stakeCents << "c " << ticket.drawDate.text() << ' ' << ticket.drawTime << " +"
         << ticket.addOn << " entered "
         << (ticket.entered ? ticket.entered->date.text() + " " + ticket.entered->time.text() : "-")
         << " bought " << (ticket.purchased ? ticket.purchased->text() : "-")
         << (ticket.claimed ? " claimed" : "");
}
inline void PrintTo(const StoredTicket& stored, std::ostream* out) {
    *out << '#' << stored.id << ' ';
    PrintTo(stored.ticket, out);
}

} // namespace pick3

namespace pick3::test {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pick3-store-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// "2026-01-01" and the days after it (30-day months are enough for distinct dates).
inline std::string dateOf(int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", 2000 + day / 360, day / 30 % 12 + 1,
                  day % 30 + 1);
    return text;
}

// count draws, two draw times a day (Midday 0, Evening 1), from day `first`.
inline std::vector<IncomingDraw> batchOf(int count, int first = 0, unsigned seed = 7) {
    std::vector<IncomingDraw> batch;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245U + 12345U;
        const int slot = first * 2 + i;
        IncomingDraw draw{dateOf(slot / 2), slot % 2 == 0 ? "Midday" : "Evening", slot % 2,
                          static_cast<std::uint16_t>(seed >> 8 & 0x3FF), std::nullopt};
        draw.number = static_cast<std::uint16_t>(draw.number % 1000);
        if (slot % 3 != 0) {
            draw.addOn = static_cast<std::uint8_t>(seed >> 20 & 7);
        }
        batch.push_back(draw);
    }
    return batch;
}

// count tickets of a game, of every shape a ticket takes: pairs with an open place,
// add-ons, moments entered, purchase dates, claimed ones. Draw dates repeat.
inline std::vector<Ticket> ticketBatch(int count, const std::string& game = "texas-pick-3",
                                       unsigned seed = 11) {
    static const std::array<const char*, 4> kPlays{"straight", "box", "front_pair", "back_pair"};
    std::vector<Ticket> batch;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245U + 12345U;
        const auto play = static_cast<std::size_t>(i % 4);
        Ticket ticket{game,
                      digitsOfIndex(static_cast<int>(seed >> 8 & 0x3FF) % 1000),
                      kPlays[play],
                      i % 3 == 0 ? 50 : 100,
                      CivilDate::fromDaysSinceEpoch(20000 + i / 3),
                      i % 2 == 0 ? "Day" : "Night",
                      i % 5 == 0 ? "fireball" : "",
                      std::nullopt,
                      std::nullopt,
                      i % 7 == 0};
        if (const auto open = openPlace(ticket.playType)) {
            ticket.digits[static_cast<std::size_t>(*open)] = kOpenDigit;
        }
        if (i % 2 == 1) {
            ticket.entered = LocalMoment{ticket.drawDate, ClockTime{(i * 37) % 1440}};
        }
        if (i % 3 == 1) {
            ticket.purchased = CivilDate::fromDaysSinceEpoch(19999 + i / 3);
        }
        batch.push_back(ticket);
    }
    return batch;
}

// The tickets of a game in the file, deleted or not, as SQLite itself counts them.
inline long long ticketRowsOf(const std::string& path, const std::string& game) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    SQLite::Statement count(db, "SELECT count(*) FROM ticket WHERE game = ?");
    count.bind(1, game);
    count.executeStep();
    return count.getColumn(0).getInt64();
}

// The tickets as kept, without their ids.
inline std::vector<Ticket> ticketsIn(const std::vector<StoredTicket>& stored) {
    std::vector<Ticket> tickets;
    for (const StoredTicket& each : stored) {
        tickets.push_back(each.ticket);
    }
    return tickets;
}

// A message with the file's path in it, as the store fills it.
inline std::string filled(std::string_view message, const std::string& path) {
    std::string text(message);
    return text.replace(text.find("%1"), 2, path);
}

inline std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// SQLite's own verdict on a file, read apart from the store.
inline std::string integrityOf(const std::string& path) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    return db.execAndGet("PRAGMA integrity_check").getString();
}

inline long long rowsOf(const std::string& path, const std::string& game) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    SQLite::Statement count(db, "SELECT count(*) FROM draw WHERE game = ?");
    count.bind(1, game);
    count.executeStep();
    return count.getColumn(0).getInt64();
}

// Opens a library the test expects to open, and keeps a batch in it whole.
inline Library openLibrary(const std::string& path, LibraryOptions options = {}) {
    auto library = Library::open(path, std::move(options));
    EXPECT_TRUE(library.ok()) << library.refusal();
    return std::move(*library);
}

inline KeepSummary keepAll(Library& library, const std::string& game,
                           const std::vector<IncomingDraw>& batch,
                           const std::string& source = "texas.csv") {
    const auto preview = library.preview(game, batch);
    EXPECT_TRUE(preview.ok()) << preview.refusal();
    const auto kept = library.commit(*preview, {}, source, "2026-12-05T21:00:00Z");
    EXPECT_TRUE(kept.ok()) << kept.refusal();
    return kept.ok() ? *kept : KeepSummary{};
}

// A keep killed with SIGKILL in a child process. `keep` runs in the child with the
// write end of a pipe: it writes 'B' once its transaction has begun and 'C' once it has
// committed, and never returns. The child is killed `afterMicros` after its 'B', or just
// after its 'C' where `late`. True where the keep committed.
inline bool killedKeep(const std::function<void(int out)>& keep, bool late, int afterMicros) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    EXPECT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        keep(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    char said = 0;
    EXPECT_EQ(read(fds[0], &said, 1), 1) << "the child never began its keep";
    if (late) {
        EXPECT_EQ(read(fds[0], &said, 1), 1);
    } else {
        std::this_thread::sleep_for(std::chrono::microseconds(afterMicros));
    }
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const bool committed = late || read(fds[0], &said, 1) == 1;
    close(fds[0]);
    return committed;
}

} // namespace pick3::test
