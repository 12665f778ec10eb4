#pragma once
// The values the game library takes and gives: draws as kept in a game, a
// batch of incoming draws sorted into new / already held / differing, and the
// games held. Plain values: the store reads and writes them, the windows show them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pick3 {

// A draw as a source gives it. A game is its definition's id ("texas-pick-3"),
// a draw time its name ("Evening"); timeOrder is that draw time's place in the
// game's day (Morning 0, Midday 1, ...), which orders the draws of one date.
struct IncomingDraw {
    std::string date;     // "2026-12-05"
    std::string drawTime; // "Evening"
    int timeOrder = 0;
    std::uint16_t number = 0;          // 0 to 999: 056 is 56, written "056"
    std::optional<std::uint8_t> addOn; // the add-on ("Fireball") digit, where the game has one
    bool operator==(const IncomingDraw&) const = default;
};

// A draw as the library holds it: where it came from and when it was kept.
struct StoredDraw {
    IncomingDraw draw;
    std::string source; // a file's name or a source's address
    std::string keptAt; // "2026-12-05T21:14:03Z", as the caller's clock gave it
    bool operator==(const StoredDraw&) const = default;
};

// A game the library holds: its draws' count and first and last dates.
struct HeldGame {
    std::string game;
    std::int64_t draws = 0;
    std::string firstDate;
    std::string lastDate;
    bool operator==(const HeldGame&) const = default;
};

// Which draws of a game to read: only some draw times (none: all), the newest N only.
struct DrawQuery {
    std::vector<std::string> drawTimes;
    std::optional<std::size_t> newest;
};

// How an incoming draw stands against the library.
enum class MergeKind {
    New,     // no draw of the game on that date and draw time
    Held,    // the same number and add-on are held already
    Differs, // a different number or add-on is held: both are shown, the player chooses
};

struct MergeRow {
    IncomingDraw incoming;
    MergeKind kind = MergeKind::New;
    std::optional<StoredDraw> held; // for Held and Differs
};

// What keeping a batch would do, before anything is written. A date and draw
// time given twice in the batch is taken once, at its first place.
struct MergePreview {
    std::string game;
    std::vector<MergeRow> rows;
    std::size_t repeats = 0; // rows of the batch dropped as repeats
    std::size_t count(MergeKind kind) const {
        return static_cast<std::size_t>(std::count_if(
            rows.begin(), rows.end(), [kind](const MergeRow& row) { return row.kind == kind; }));
    }
};

// What a commit wrote.
struct KeepSummary {
    std::size_t added = 0;    // new draws
    std::size_t replaced = 0; // differing draws where the player took the new one
    std::size_t unchanged = 0;
};

// What is kept beside one of a game's update sources: what its server said of the file
// at the last fetch that was read (to ask next time whether it changed), when it asked
// to be left alone, and whether the player added the address.
struct SourceState {
    std::string game;
    std::string address;
    bool added = false;
    std::string etag;         // as the server sent it; empty: none
    std::string lastModified; // as the server sent it; empty: none
    std::string retryAfter;   // "2026-12-09T14:03:00Z": no Update before it; empty: none
    bool operator==(const SourceState&) const = default;
};

} // namespace pick3
