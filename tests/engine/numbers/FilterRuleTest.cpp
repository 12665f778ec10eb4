// The per-number filter test, family by family in both digit modes, for
// creation and for "Filter more", with the settings read as a command reads them.

#include "engine/numbers/FilterRule.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

Change consecutive(int mode, bool zeroAndNine) {
    return [=](MainInput& in) { in.iConsecMode = mode, in.chk0And9 = zeroAndNine; };
}
Change pairs(PairSets p) {
    return [p](MainInput& in) { in.pairs = p; };
}
// The given hot digits, counted: every position ranked as `positions`, the box as `box`.
Change hot(ListId list, std::string_view item, std::array<std::vector<int>, 3> positions,
           std::vector<int> box) {
    return [=](MainInput& in) {
        tickItems(list, {item})(in);
        in.readHotDigits = [=] { return HotDigits(positions, box); };
    };
}

TEST(FilterTest, EachFamilyThrowsOutWhatItNames) {
    using enum ListId;
    const MainInput any{};
    const MainInput pos = with(any, [](MainInput& in) { in.mode = DigitMode::Positional; });
    const std::vector<int> n = {3, 8, 1, 0, 5}, m = {2, 4, 6, 7, 9}, o = {0, 1, 2, 3, 4};
    struct Row {
        const char* name;
        MainInput in;
        std::vector<const char*> out, kept;
    };
    // clang-format off
    const std::vector<Row> rows{
        {"nothing set", any, {}, {"000", "123", "999"}},
        {"left pair", with(pos, pairs({{"12"}, {}, {}, {}})), {"123"}, {"312", "213"}},
        {"right pair", with(pos, pairs({{}, {"23"}, {}, {}})), {"123"}, {"231"}},
        {"split pair", with(pos, pairs({{}, {}, {"13"}, {}})), {"123"}, {"132"}},
        {"straight pairs only positional", with(any, pairs({{"12"}, {"23"}, {"13"}, {}})), {}, {"123"}},
        {"boxed pair, sorted first", with(any, pairs({{}, {}, {}, {"13"}})), {"123", "313"}, {"124"}},
        {"boxed pair positional", with(pos, pairs({{}, {}, {}, {"11"}})), {"112", "211", "111"}, {"123"}},
        {"mostly hot", with(any, hot(HCBox, "Mostly hot", {}, {5, 6, 7, 8, 9})), {"552", "625"}, {"523", "555"}},
        {"HHC", with(pos, hot(HCStraight, "HHC", {n, m, o}, {})), {"327"}, {"999", "320"}},
        {"nothing counted: all cold", with(pos, tickItems(HCStraight, {"CCC"})), {"123", "999"}, {}},
        {"straight hot/cold unused in any position", with(any, tickItems(HCStraight, {"CCC"})), {}, {"123"}},
        {"box hot/cold unused positional", with(pos, tickItems(HCBox, {"All cold"})), {}, {"123"}},
        {"consecutive must have", with(any, consecutive(1, false)), {"135", "909"}, {"124"}},
        {"consecutive exclude", with(any, consecutive(2, false)), {"124", "123"}, {"135"}},
        {"consecutive must have 2", with(any, consecutive(3, false)), {"123", "135", "902"}, {"124"}},
        {"0 and 9 consecutive", with(any, consecutive(3, true)), {"901"}, {"902", "124"}},
        {"sum", with(any, tickItems(SumDigits, {"6"})), {"123", "600"}, {"124"}},
        {"root", with(pos, tickItems(Root, {"1"})), {"775", "100"}, {"774"}},
        {"shortsum", with(any, tickItems(LDR, {"9"})), {"775", "900"}, {"774"}},
        {"width", with(any, tickItems(Width, {"7"})), {"710"}, {"711"}},
        {"width low-middle", with(any, tickItems(WidthLowestMiddle, {"1"})), {"710"}, {"720"}},
        {"width middle-high", with(pos, tickItems(WidthMiddleHighest, {"6"})), {"710"}, {"720"}},
        {"width XX_ in position order", with(any, tickItems(WidthXX_, {"0"})), {"112"}, {"121"}},
        {"width X_X", with(pos, tickItems(WidthX_X, {"7"})), {"710"}, {"701"}},
        {"width _XX", with(pos, tickItems(Width_XX, {"1"})), {"710"}, {"702"}},
        {"boxed LMH", with(any, tickItems(LMH, {"LLH"})), {"710", "017"}, {"777"}},
        {"straight LMH", with(pos, tickItems(LMHStraight, {"HLL"})), {"710"}, {"017"}},
        {"boxed OCS", with(any, tickItems(OCS, {"CSS"})), {"710", "107"}, {"711"}},
        {"straight OCS", with(pos, tickItems(OCSStraight, {"SSC"})), {"710"}, {"107"}},
        {"boxed in/out upper-cased", with(any, tickItems(InOut, {"Mostly OUT"})), {"710"}, {"770"}},
        {"straight in/out", with(pos, tickItems(InOutStraight, {"IOO"})), {"710"}, {"017"}},
        {"digit sort in position order", with(any, tickItems(LMHDigits, {"HML"})), {"710"}, {"017"}},
        {"boxed odd/even", with(any, tickItems(OddEven, {"Mostly odd"})), {"710"}, {"700"}},
        {"straight odd/even", with(pos, tickItems(OddEvenStraight, {"OOE"})), {"710"}, {"701"}},
        {"boxed high/low", with(any, tickItems(HighLow, {"Mostly low"})), {"710"}, {"770"}},
        {"straight high/low", with(pos, tickItems(HighLowStraight, {"HLL"})), {"710"}, {"170"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FilterSettings s = *readFilterSettings(row.in, ReaderOrder::Create);
        s.mustInclude = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        if (row.in.readHotDigits) {
            s.hot = row.in.readHotDigits();
        }
        for (const auto& [numbers, thrownOut] : {std::pair{row.out, true}, {row.kept, false}}) {
            for (const char* number : numbers) {
                const auto [a, b, c] = digitsOf(number);
                EXPECT_EQ(fnFitsFilters(a, b, c, s), thrownOut) << number;
                EXPECT_EQ(fnFitsFiltersAgain(a, b, c, s), thrownOut) << number;
            }
        }
    }
}

// Only creation asks for a must-include digit; with none at all, nothing is created.
TEST(FilterTest, MustIncludeAndErrors) {
    FilterSettings s;
    s.mustInclude = {7};
    EXPECT_TRUE(fnFitsFilters(1, 2, 3, s) && !fnFitsFiltersAgain(1, 2, 3, s));
    EXPECT_FALSE(fnFitsFilters(3, 7, 3, s));
    s.mustInclude.clear();
    EXPECT_EQ(thrownOutBy(s, true).count(), 1000U);
    EXPECT_EQ(thrownOutBy(s, false).count(), 0U);
    s.iConsecMode = 4;
    EXPECT_THROW(fnFitsFilters(1, 2, 3, s), std::invalid_argument);
    EXPECT_THROW(fnFitsFiltersAgain(0, 0, -1, FilterSettings{}), std::invalid_argument);
    FilterSettings otherMode;
    otherMode.mode = DigitMode::Positional;
    otherMode.set(Family::OCS) = *readExclusionSet(ListId::OCS, tickRows(ListId::OCS, {0}));
    EXPECT_THROW(thrownOutBy(otherMode, false), std::invalid_argument); // the boxed list
}

} // namespace
} // namespace pick3
