// Prizes and add-ons by date against the shipped definitions: the figures the
// sources give, the rules of each day, and the refusals for what is not known.

#include "engine/games/Prizes.h"

#include "ShippedGames.h"

#include <tuple>

namespace pick3 {
namespace {

using test::shippedGame;

CivilDate day(std::string_view text) {
    return *parseCivilDate(text);
}

template <typename T> std::string shown(const Result<T>& result) {
    return result.ok() ? std::to_string(*result) : result.refusal();
}

const std::string kCheck = " is not known to this program: check with your lottery";
const std::string kAreNotKnown = " are not known to this program: check with your lottery";

// One row per prize asked of a shipped game: game, day, play, stake, outcome, answer.
const std::vector<std::tuple<std::string, std::string_view, PrizeQuery, std::string>> kPrizes{
    {"new-york-numbers", "2020-01-01", {"straight", 100, "straight"}, "50000"},
    {"new-york-numbers", "2020-01-01", {"straight", 50, "straight"}, "25000"},
    {"new-york-numbers", "2020-01-01", {"box", 100, "three_way"}, "16000"},
    {"new-york-numbers", "2020-01-01", {"straight_box", 100, "three_way_other"}, "8000"},
    {"new-york-numbers", "2020-01-01", {"back_pair", 50, "pair"}, "2500"},
    {"new-york-numbers",
     "2020-01-01",
     {"box", 100, "triple"},
     "New York Numbers sells no triple Box play"},
    {"new-york-numbers",
     "2020-01-01",
     {"combo", 100, "straight"},
     "New York Numbers sold no combo play on 2020-01-01"},
    {"new-york-numbers",
     "2020-01-01",
     {"straight", 100, "pair"},
     "a Straight play has no outcome \"pair\""},
    {"missouri-pick-3", "2020-01-01", {"straight", 100, "straight"}, "60000"},
    {"missouri-pick-3", "2020-01-01", {"straight_box", 100, "three_way_exact"}, "40000"},
    {"missouri-pick-3",
     "2020-01-01",
     {"straight", 50, "straight"},
     "the Straight prizes of a $0.50 play of Missouri Pick 3" + kAreNotKnown},
    {"missouri-pick-3",
     "2020-01-01",
     {"one_off", 100, "off_3"},
     "whether Missouri Pick 3 had a 1-Off play on 2020-01-01" + kCheck},
    {"missouri-pick-3",
     "2027-01-01",
     {"one_off", 100, "off_3"},
     "Missouri Pick 3 sold no 1-Off play on 2027-01-01"},
    {"texas-pick-3", "2010-01-01", {"straight", 50, "straight"}, "25000"},
    {"texas-pick-3",
     "2010-01-01",
     {"straight_box", 50, "six_way_exact"},
     "the Exact/Any prizes of a $0.50 play of Texas Pick 3" + kAreNotKnown},
    {"texas-pick-3",
     "2010-01-01",
     {"box", 50, "triple"},
     "whether Texas Pick 3 sells a triple Any Order play" + kCheck},
    {"florida-pick-3",
     "2010-08-22",
     {"one_off", 100, "exact"},
     "Florida Pick 3 sold no 1-Off play on 2010-08-22"},
    {"florida-pick-3", "2010-08-23", {"one_off", 100, "exact"}, "25000"},
    {"florida-pick-3", "2010-08-23", {"one_off", 100, "off_2"}, "1000"},
    {"florida-pick-3",
     "2010-08-23",
     {"one_off", 50, "exact"},
     "the 1-Off prizes of a $0.50 play of Florida Pick 3" + kAreNotKnown},
    {"florida-pick-3",
     "2010-08-23",
     {"straight", 100, "straight"},
     "the Straight prizes of Florida Pick 3" + kAreNotKnown},
    {"georgia-cash-3",
     "2024-05-01",
     {"straight", 100, "straight"},
     "the Straight prizes of a $1 play of Georgia Cash 3" + kAreNotKnown},
    {"new-jersey-pick-3",
     "2020-01-01",
     {"front_pair", 100, "pair"},
     "whether New Jersey Pick 3 had a Front Pair play on 2020-01-01" + kCheck},
    {"other-pick-3", "2020-01-01", {"combo", 50, "straight"}, "25000"},
};

TEST(Prizes, PrizeOfAPlayOnADay) {
    for (const auto& [game, date, query, prize] : kPrizes) {
        EXPECT_EQ(shown(prizeOn(shippedGame(game), day(date), query)), prize)
            << game << " " << date << " " << query.playType << " " << query.stakeCents << " "
            << query.outcome;
    }
}

TEST(Prizes, AddOnsHoldFromTheirOwnDay) {
    const std::vector<std::tuple<std::string, std::string_view, std::string_view, std::string>>
        rows{
            {"new-jersey-pick-3", "2017-03-09", "fireball",
             "New Jersey Pick 3 had no Fireball on 2017-03-09"},
            {"new-jersey-pick-3", "2017-03-10", "fireball", "Fireball"},
            {"pennsylvania-pick-3", "2015-12-31", "wild_ball",
             "Pennsylvania Pick 3 had no Wild Ball on 2015-12-31"},
            {"pennsylvania-pick-3", "2016-06-01", "wild_ball",
             "whether Pennsylvania Pick 3 had the Wild Ball on 2016-06-01 is not known to this "
             "program; it began some day in 2016: check with your lottery"},
            {"pennsylvania-pick-3", "2017-01-01", "wild_ball", "Wild Ball"},
            {"virginia-pick-3", "2021-12-31", "fireball",
             "whether Virginia Pick 3 had the Fireball on 2021-12-31 is not known to this "
             "program; it began some day in 2021: check with your lottery"},
            {"virginia-pick-3", "2020-12-31", "fireball",
             "Virginia Pick 3 had no Fireball on 2020-12-31"},
            {"texas-pick-3", "2020-01-01", "fireball",
             "whether Texas Pick 3 had the Fireball on 2020-01-01 is not known to this program; "
             "it began an unknown day: check with your lottery"},
            {"texas-pick-3", "2026-12-01", "fireball", "Fireball"},
            {"new-york-numbers", "2026-12-01", "fireball",
             "New York Numbers had no fireball on 2026-12-01"},
        };
    for (const auto& [game, date, key, named] : rows) {
        const auto addOn = addOnOn(shippedGame(game), day(date), key);
        EXPECT_EQ(addOn.ok() ? addOn->name : addOn.refusal(), named) << game << " " << date;
        // Only New Jersey's files write the add-on as a fourth digit of the number.
        EXPECT_EQ(addOn.ok() && addOn->fourthDigitInHistories,
                  addOn.ok() && game == "new-jersey-pick-3")
            << game << " " << date;
    }
}

TEST(Prizes, AddOnRulesAndPrizes) {
    const std::vector<std::tuple<std::string, std::string_view, PrizeQuery, std::string>> rows{
        {"missouri-pick-3", "2027-01-01", {"straight", 100, "straight"}, "20000"},
        {"missouri-pick-3",
         "2027-01-01",
         {"box", 100, "six_way"},
         "the Wild Ball prizes of Missouri Pick 3" + kAreNotKnown},
        {"missouri-pick-3",
         "2027-01-01",
         {"straight", 50, "straight"},
         "the Wild Ball Straight prizes of a $0.50 play of Missouri Pick 3" + kAreNotKnown},
        {"florida-pick-3",
         "2026-12-15",
         {"straight", 100, "straight"},
         "the Fireball prizes of Florida Pick 3" + kAreNotKnown},
    };
    for (const auto& [game, date, query, prize] : rows) {
        const std::string key = game == "missouri-pick-3" ? "wild_ball" : "fireball";
        EXPECT_EQ(shown(addOnPrizeOn(shippedGame(game), day(date), key, query)), prize)
            << game << " " << query.playType << " " << query.stakeCents;
    }
    const CivilDate checked = day("2026-12-01");
    const auto southCarolina = addOnOn(shippedGame("south-carolina-pick-3"), checked, "fireball");
    EXPECT_EQ(southCarolina->winsMoreThanOnce, Known::yes);
    EXPECT_EQ(addOnOn(shippedGame("texas-pick-3"), checked, "fireball")->cost.rule,
              AddOnCost::Rule::doubles);
    EXPECT_EQ(addOnOn(shippedGame("florida-pick-3"), checked, "fireball")->cost.rule,
              AddOnCost::Rule::unknown);
}

std::string keys(const std::vector<PlayType>& plays) {
    std::string text;
    for (const auto& play : plays) {
        text += (text.empty() ? "" : " ") + play.key;
    }
    return text;
}

TEST(Prizes, PlayTypesSoldOnADay) {
    const std::vector<std::tuple<std::string, std::string_view, std::string, std::string>> rows{
        {"florida-pick-3", "2010-08-22", "straight box straight_box combo front_pair back_pair",
         ""},
        {"florida-pick-3", "2010-08-23",
         "straight box straight_box combo front_pair back_pair one_off", ""},
        {"new-jersey-pick-3", "2020-01-01", "straight box straight_box combo",
         "front_pair back_pair"},
        {"missouri-pick-3", "2020-01-01", "straight box straight_box combo front_pair back_pair",
         "one_off"},
        {"missouri-pick-3", "2027-01-01", "straight box straight_box combo front_pair back_pair",
         ""},
    };
    for (const auto& [game, date, sold, notKnown] : rows) {
        const PlayTypesOn plays = playTypesOn(shippedGame(game), day(date));
        EXPECT_EQ(keys(plays.sold) + " / " + keys(plays.notKnown), sold + " / " + notKnown)
            << game << " " << date;
    }
    EXPECT_EQ(shippedGame("florida-pick-3").playTypes.back().nineAndZeroNeighbours, Known::no);
    EXPECT_EQ(playTypeOn(shippedGame("missouri-pick-3"), day("2020-01-01"), "one_off").ok(), false);
    EXPECT_EQ(playTypeOn(shippedGame("virginia-pick-3"), day("2020-01-01"), "straight_box")->name,
              "50/50");
    EXPECT_EQ(playTypeOn(shippedGame("pennsylvania-pick-3"), day("2020-01-01"), "combo")->name,
              "Super Straight");
}

TEST(Prizes, DollarsText) {
    const std::vector<std::tuple<int, std::string>> rows{
        {50, "$0.50"}, {100, "$1"}, {250, "$2.50"}, {5, "$0.05"}, {50000, "$500"}};
    for (const auto& [cents, text] : rows) {
        EXPECT_EQ(dollarsText(cents), text);
    }
}

} // namespace
} // namespace pick3
