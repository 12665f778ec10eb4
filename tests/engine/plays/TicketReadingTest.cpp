// Reading typed tickets, judging them by the game's definition on their date, and the
// totals of many.

#include "engine/games/Schedule.h"
#include "engine/plays/PlayTotals.h"

#include "PlaysSupport.h"

namespace pick3 {
namespace {

using test::day;
using test::shippedGame;
using test::ticketOf;

TEST(TicketReading, LinesIntoTickets) {
    const auto& ny = shippedGame("new-york-numbers");
    const auto read = readTickets("123 straight $1 Evening 12/08/2026\n"
                                  "4-5-6 box 0.50 Midday\n"
                                  "\n# a note\n"
                                  "12X front pair 50c eve 2026-12-09\n"
                                  "12 straight $1 Evening\n"
                                  "123 $1 Evening\n"
                                  "123 straight Evening\n"
                                  "123 straight $1 Evening 02/30/2026\n"
                                  "123 straight $1 Night\n",
                                  ny, {day("2026-12-10"), std::nullopt});
    ASSERT_EQ(read.tickets.size(), 3U);
    EXPECT_EQ(read.tickets[0], (Ticket{"new-york-numbers",
                                       {1, 2, 3},
                                       "straight",
                                       100,
                                       day("2026-12-08"),
                                       "Evening",
                                       "",
                                       std::nullopt,
                                       std::nullopt,
                                       false}));
    EXPECT_EQ(read.tickets[1].digits, (TicketDigits{4, 5, 6}));
    EXPECT_EQ(read.tickets[1].stakeCents, 50);
    EXPECT_EQ(read.tickets[1].drawDate, day("2026-12-10"));
    EXPECT_EQ(read.tickets[2].digits, (TicketDigits{1, 2, kOpenDigit}));
    EXPECT_EQ(read.tickets[2].drawTime, "Evening");
    EXPECT_EQ(read.lines, (std::vector<int>{1, 2, 5}));
    std::vector<std::string> errors;
    for (const auto& error : read.errors) {
        errors.push_back(error.text());
    }
    EXPECT_EQ(test::joined(errors),
              "line 6: \"12\" is not a number of three digits (or two and an X for a pair)|"
              "line 7: no play type: straight, box, straight/box, combo, front pair, back pair, "
              "split pair or 1-off|"
              "line 8: no stake: write it as $1 or $0.50|"
              "line 9: not a date: 02/30/2026|"
              "line 10: " +
                  drawTimeNamed(ny, day("2026-12-10"), "night").refusal());
}

TEST(TicketRules, RefusedOrNotCheckedByTheDefinition) {
    const std::string check = ": check your ticket with the lottery";
    const std::vector<std::tuple<std::string, std::string, std::string>> rows{
        {"new-york-numbers", "777 box $1 Evening",
         "refused: New York Numbers sells no triple Box play"},
        {"new-york-numbers", "123 combo $1 Evening",
         "refused: New York Numbers sold no combo play on 2026-12-08"},
        {"new-jersey-pick-3", "123 straight $1 fireball Evening 2017-03-09",
         "refused: New Jersey Pick 3 had no Fireball on 2017-03-09"},
        {"new-york-numbers", "123 straight $1 Evening", "standing"},
        {"florida-pick-3", "123 straight $1 fireball Evening",
         "the Straight prizes of Florida Pick 3 are not known to this program" + check +
             "|the Fireball prizes of Florida Pick 3 are not known to this program" + check},
        {"florida-pick-3", "345 1-off $1 Evening", "standing"},
    };
    for (const auto& [id, line, expected] : rows) {
        const auto& game = shippedGame(id);
        const auto standing = judgeTicket(game, ticketOf(game, line));
        const std::string got = !standing.ok()                 ? "refused: " + standing.refusal()
                                : standing->notChecked.empty() ? "standing"
                                                               : test::joined(standing->notChecked);
        EXPECT_EQ(got, expected) << line;
    }
}

TEST(TicketRules, DrawsOfTheDay) {
    const auto& tx = shippedGame("texas-pick-3");
    Ticket ticket = ticketOf(tx, "123 straight $1 Night 2013-09-07");
    EXPECT_TRUE(judgeTicket(tx, ticket).ok());
    ticket.drawTime = "Morning"; // from 2013-09-09 only
    EXPECT_EQ(judgeTicket(tx, ticket).refusal(),
              drawTimeNamed(tx, ticket.drawDate, "Morning").refusal());
    EXPECT_FALSE(judgeTicket(tx, ticket).ok());
    ticket.drawDate = day("2013-09-08"); // a Sunday
    ticket.drawTime = "Night";
    EXPECT_EQ(judgeTicket(tx, ticket).refusal(), "Texas Pick 3 holds no draw on Sunday 2013-09-08");
}

TEST(TicketRules, EnteredAfterTheDraw) {
    const auto& ny = shippedGame("new-york-numbers"); // Evening at 22:30, no cut-off known
    const auto& madeUp =
        test::madeUpGame("cutoff", test::madeUpPlay("straight", R"({"straight": 50000})"), "");
    const std::vector<std::tuple<const GameDefinition*, std::string, std::string, bool>> rows{
        {&ny, "123 straight $1 Evening", "2026-12-08 22:29", false},
        {&ny, "123 straight $1 Evening", "2026-12-08 22:30", true},
        {&ny, "123 straight $1 Evening", "2026-12-09 08:00", true},
        {&ny, "123 straight $1 Evening", "2026-12-07 23:59", false},
        {&madeUp, "123 straight $1 Midday", "2026-12-08 12:19", false},
        {&madeUp, "123 straight $1 Midday", "2026-12-08 12:20", true}, // its sales cut-off
    };
    for (const auto& [game, line, moment, after] : rows) {
        Ticket ticket = ticketOf(*game, line);
        ticket.entered =
            LocalMoment{day(moment.substr(0, 10)), *parse24HourTime(moment.substr(11))};
        EXPECT_EQ(judgeTicket(*game, ticket)->enteredAfterDraw, after) << moment;
    }
    Ticket paper = ticketOf(ny, "123 straight $1 Evening");
    paper.purchased = day("2026-12-09");
    EXPECT_TRUE(judgeTicket(ny, paper)->enteredAfterDraw);
}

// Money as the player reads it, thousands grouped; a CSV file keeps it plain.
TEST(PlayTotals, MoneyAsThePlayerReadsIt) {
    EXPECT_EQ(moneyText(0), "$0");
    EXPECT_EQ(moneyText(150), "$1.50");
    EXPECT_EQ(moneyText(99999), "$999.99");
    EXPECT_EQ(moneyText(100000), "$1,000");
    EXPECT_EQ(moneyText(2762000), "$27,620");
    EXPECT_EQ(moneyText(-123456), "-$1,234.56");
    EXPECT_EQ(moneyText(100000000005), "$1,000,000,000.05");
    EXPECT_EQ(signedDollarsText(2762000), "$27620");
}

TEST(PlayTotals, TotalsAndCsv) {
    const auto& ny = shippedGame("new-york-numbers");
    std::vector<Ticket> tickets{
        ticketOf(ny, "123 straight $1 Evening 2026-11-30"), // wins $500
        ticketOf(ny, "123 box 0.50 Evening 2026-12-01"),    // loses
        ticketOf(ny, "456 straight $1 Evening 2026-12-02"), // waiting
        ticketOf(ny, "777 box $1 Evening 2026-12-01"),      // refused
        ticketOf(ny, "123 straight $1 Evening 2026-12-01"), // entered after its draw
    };
    tickets[4].entered = LocalMoment{day("2026-12-02"), {600}};
    const std::vector<GameDraws> games{{&ny,
                                        {{day("2026-12-01"), "Evening", {9, 9, 9}, std::nullopt},
                                         {day("2026-11-30"), "Evening", {1, 2, 3}, std::nullopt}}}};
    auto checked = checkTickets(tickets, games);
    addExpectedReturns(checked, games);
    const PlayTotals totals = playTotals(checked);
    EXPECT_EQ(totals.all.stakedCents, 150);
    EXPECT_EQ(totals.all.wonCents, 50000);
    EXPECT_EQ(totals.all.netCents(), 49850);
    EXPECT_EQ(totals.byMonth.at("2026-11").wonCents, 50000);
    EXPECT_EQ(totals.byMonth.at("2026-12").stakedCents, 50);
    EXPECT_EQ(totals.byPlayType.at("box").tickets, 1);
    EXPECT_EQ(totals.waiting.tickets, 1);
    EXPECT_EQ(totals.waiting.stakedCents, 100);
    EXPECT_EQ(totals.enteredAfterDraw.tickets, 1);
    EXPECT_EQ(totals.refused, 1);
    EXPECT_DOUBLE_EQ(totals.expectedReturnCents, 50.0 + 24.0);
    EXPECT_EQ(playsCsv(checked, 2026),
              "date,draw,ticket,play,stake,prize,claimed\n"
              "2026-11-30,Evening,123,Straight,$1,$500,no\n"
              "2026-12-01,Evening,123,Box,$0.50,$0,no\n"
              "2026-12-02,Evening,456,Straight,$1,waiting for the draw,no\n"
              "2026-12-01,Evening,123,Straight,$1,entered after the draw,no\n"
              "\nstaked,$1.50\nwon,$500\nnet,$498.50\nwaiting for the draw,$1\n"
              "entered after the draw,1\n");
    // A season of the same tickets (checked on two threads): each one as it was alone, in
    // the order given.
    std::vector<Ticket> season;
    for (int copy = 0; copy < 601; ++copy) {
        season.insert(season.end(), tickets.begin(), tickets.end());
    }
    const auto all = checkTickets(season, games);
    ASSERT_EQ(all.size(), season.size());
    for (std::size_t at = 0; at < all.size(); at += 7) {
        const auto& alone = checked[at % tickets.size()];
        EXPECT_EQ(all[at].ticket.digits, alone.ticket.digits) << at;
        EXPECT_EQ(all[at].ticket.drawDate, alone.ticket.drawDate) << at;
        EXPECT_EQ(all[at].refusal, alone.refusal) << at;
        EXPECT_EQ(all[at].check ? all[at].check->wonCents : -1,
                  alone.check ? alone.check->wonCents : -1)
            << at;
    }
}

} // namespace
} // namespace pick3
