#pragma once
// Tickets for the plays tests: a ticket read from one line as the player types it, and
// small definitions written in the test where a shipped one says "unknown".

#include "engine/plays/TicketReading.h"
#include "engine/plays/TicketRules.h"

#include "games/ShippedGames.h"

namespace pick3::test {

// The digits of a number written as text: "471" gives 4, 7, 1.
inline TicketDigits digitsOf(std::string_view n) {
    return {n[0] - '0', n[1] - '0', n[2] - '0'};
}

// Texts joined with "|".
inline std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& text : texts) {
        out += (out.empty() ? "" : "|") + text;
    }
    return out;
}

inline CivilDate day(std::string_view text) {
    return *parseCivilDate(text);
}

// One ticket line of a game, its date given on the line or 2026-12-08.
inline Ticket ticketOf(const GameDefinition& game, std::string_view line) {
    const auto read = readTickets(line, game, {day("2026-12-08"), std::nullopt});
    EXPECT_EQ(read.tickets.size(), 1U)
        << line << ": " << (read.errors.empty() ? "" : read.errors[0].text());
    return read.tickets.empty() ? Ticket{} : read.tickets.front();
}

// A definition of Midday and Evening draws every day with the given plays and add-ons.
inline GameDefinition madeUpGame(const std::string& id, const std::string& playTypes,
                                 const std::string& addOns) {
    const std::string text = R"({"format": "pick3-tallymoor game", "version": 1, "id": ")" + id +
                             R"(", "state": "Test", "name": "Pick 3", "checked": "2026-12",
      "sources": ["made up for a test"], "claimPeriod": "unknown", "notes": [],
      "schedules": [{"timeZone": "America/New_York", "source": "made up for a test",
        "drawTimes": [{"name": "Midday", "time": "12:30", "days": "every day", "salesCutoff": "12:20"},
                      {"name": "Evening", "time": "19:30", "days": "every day", "salesCutoff": "unknown"}]}],
      "playTypes": [)" + playTypes +
                             R"(], "addOns": [)" + addOns + "]}";
    const auto game = readGameDefinition(text, id + ".json");
    EXPECT_TRUE(game.ok()) << game.refusal();
    return game.ok() ? *game : GameDefinition{};
}

// A play of the made-up games: its key and $1 prizes as JSON ({"straight": 50000}).
inline std::string madeUpPlay(const std::string& key, const std::string& prizes,
                              const std::string& more = "") {
    return R"({"key": ")" + key + R"(", "name": ")" + key + R"(", "prizes": {"100": )" + prizes +
           "}, \"source\": \"made up for a test\"" + more + "}";
}

} // namespace pick3::test
