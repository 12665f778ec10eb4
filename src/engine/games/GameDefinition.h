#pragma once
// What a state's Pick 3 game is, as one definition file in games/ describes it:
// its draw times (with the days each is held), its play types and their prizes,
// its add-ons, and since when each of these holds. Where the sources give no
// figure, or disagree, the value is "not known" and the program says so instead
// of guessing. Money is in whole cents; a prize is given for each stake sold.
//
// readGameDefinition() turns one file's text into a GameDefinition or a refusal
// naming the file, the field and why; loadGameFolder() reads a whole folder.

#include "engine/Result.h"
#include "engine/games/ClockTime.h"
#include "engine/games/Period.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The format of the definition files; a file from a newer version is refused, not half read.
inline constexpr std::string_view kGameFormat = "pick3-tallymoor game";
inline constexpr int kGameFormatVersion = 1;

struct DrawTime {
    std::string name;                        // "Midday": unique within its schedule
    std::optional<ClockTime> time;           // local clock time; nothing when not known
    std::optional<std::array<bool, 7>> days; // held Monday ... Sunday; nothing when not known
    std::optional<ClockTime> salesCutoff;    // nothing when not known
    PeriodBound from;                        // when it began, if later than its schedule
    std::string note;
};

struct SchedulePeriod {
    Period period;
    std::string timeZone;            // IANA name ("America/Chicago") or "unknown"
    std::vector<DrawTime> drawTimes; // in the order of the day
    std::vector<std::string> sources;
    std::string note;
};

// An outcome's prize in cents, or nothing when not known.
using Prize = std::optional<int>;
using OutcomePrizes = std::map<std::string, Prize, std::less<>>;

// The prizes of one stake; nothing when the stake is sold but its prizes are not known.
struct StakePrizes {
    int stakeCents = 0;
    std::optional<OutcomePrizes> outcomes;
};

// The stakes of a play and their prizes; nothing when not even the stakes are known.
using PrizeTable = std::optional<std::vector<StakePrizes>>;

struct PlayType {
    std::string key;  // one of playTypeShapes(): "straight", "box", ...
    std::string name; // the state's own name: "Exact Order", "50/50", "Super Straight"
    Period period;
    Known sold = Known::yes; // "unknown" where a source names the play only vaguely
    PrizeTable prizes;
    Known tripleBoxSold = Known::unknown;         // box plays only
    Known nineAndZeroNeighbours = Known::unknown; // 1-off plays only: is 9 next to 0?
    std::vector<std::string> sources;
    std::string note;
};

struct AddOnCost {
    enum class Rule { doubles, plus, unknown };
    Rule rule = Rule::unknown;
    int plusCents = 0; // for Rule::plus
};

struct AddOn {
    std::string key;  // "fireball", "wild_ball"
    std::string name; // "Fireball"
    Period period;
    AddOnCost cost;
    // Its own prizes by play type key; a play type not listed is not known. Nothing: none known.
    std::optional<std::map<std::string, std::vector<StakePrizes>, std::less<>>> prizes;
    Known winsMoreThanOnce = Known::unknown; // can one ticket win several of its prizes?
    // The state's history files write its digit as a fourth digit of the number ("1234":
    // 123 and the add-on's 4), so that a reading keeps it apart.
    bool fourthDigitInHistories = false;
    std::vector<std::string> sources;
    std::string note;
};

struct ClaimPeriod {
    enum class Unit { days, months, years };
    int amount = 0;
    Unit unit = Unit::days;
    std::vector<std::string> sources;
};

// A column of a source's file: by its header's name, or by its place from 1 where the
// file has no header.
struct SourceColumn {
    std::string name;
    int position = 0;
    bool given() const { return !name.empty() || position > 0; }
};

// Where one draw of a row is: the number in one column ("123"), or each digit in its own.
struct SourceDrawColumns {
    std::string drawTime; // the game's draw time; empty: the draw time of the file
    SourceColumn number;
    std::array<SourceColumn, 3> digits;
    SourceColumn addOn; // the add-on's digit (a Fireball); not given: none
};

struct SourceFile {
    std::string address;  // "https://..."
    std::string drawTime; // the draw time of every row of this file; empty: named by the columns
};

enum class SourceDateOrder { monthDayYear, dayMonthYear, yearMonthDay };

// Where the newest draws of a game can be fetched on request, and how the file is laid
// out. A source of several files (one per draw time) is kept only whole.
struct UpdateSource {
    std::string name;
    std::vector<SourceFile> files;
    std::string layout = "csv"; // the one layout read so far
    bool header = true;         // the first line names the columns
    SourceColumn gameColumn;    // a column naming the game on every row, or none
    std::string gameName;       // what that column must hold ("Pick 3")
    SourceColumn date;          // the date in one column ...
    SourceDateOrder dateOrder = SourceDateOrder::monthDayYear;
    SourceColumn year, month, day;        // ... or in three
    std::vector<SourceDrawColumns> draws; // one per draw time on a row
    // The file writes numbers without their leading zeros ("56" for 056).
    bool leadingZerosLost = false;
    // Fetched and read from the machine this definition was written on.
    bool checked = false;
};

struct GameDefinition {
    std::string id;    // the file's stem: "texas-pick-3"
    std::string state; // "Texas"
    std::string name;  // the game's own name: "Pick 3", "Numbers", "Cash 3"
    CivilDate checked; // the first day of the month its sources were checked
    std::vector<std::string> sources;
    std::optional<ClaimPeriod> claimPeriod; // nothing when not known
    std::vector<SchedulePeriod> schedules;  // no two overlap
    std::vector<PlayType> playTypes;        // no two of one key overlap
    std::vector<AddOn> addOns;              // no two of one key overlap
    std::vector<std::string> notes;
    std::vector<UpdateSource> updateSources;

    // "Texas Pick 3", "New York Numbers".
    std::string title() const { return state + " " + name; }
};

// One definition file's text. The file's name goes into every refusal:
// `texas-pick-3.json: "playTypes[2].prizes.100.straight" is below zero`.
Result<GameDefinition> readGameDefinition(std::string_view text, std::string_view fileName);

struct GameFile {
    std::string name; // "texas-pick-3.json"
    std::string text;
};

struct GameFolder {
    std::vector<GameDefinition> games; // those that read, in the order given
    std::vector<std::string> refusals; // one for each file that did not
};

// Every file of a folder; a file that is refused does not keep the others from loading.
GameFolder loadGameFolder(const std::vector<GameFile>& files);

} // namespace pick3
