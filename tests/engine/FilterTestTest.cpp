// The per-number filter test, family by family in both digit modes, for
// creation and for "Filter more".

#include "engine/FilterTest.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::digitsOf;
constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;

using Setting = std::function<void(FilterSettings&)>;

// Ticks the named items of `list` into its family's set.
Setting ticked(ListId list, const std::vector<std::string_view>& items) {
    return [list, items](FilterSettings& s) {
        const auto all = listEntry(list).items;
        Ticks ticks(all.size(), false);
        for (const std::string_view item : items) {
            ticks.at(static_cast<std::size_t>(std::find(all.begin(), all.end(), item) -
                                              all.begin())) = true;
        }
        s.set(*listEntry(list).family) = *readExclusionSet(list, ticks);
    };
}
Setting consecutive(int mode, bool zeroAndNine) {
    return [=](FilterSettings& s) {
        s.iConsecMode = mode;
        s.chk0And9 = zeroAndNine;
    };
}
Setting pairs(PairSets p) {
    return [p](FilterSettings& s) { s.pairs = p; };
}
Setting ranked(std::array<std::vector<int>, 3> positions, std::vector<int> box) {
    return [=](FilterSettings& s) { s.hot = HotDigits(positions, box); };
}
Setting both(const Setting& a, const Setting& b) {
    return [=](FilterSettings& s) { a(s), b(s); };
}

TEST(FilterTest, EachFamilyThrowsOutWhatItNames) {
    using enum ListId;
    struct Row {
        const char* name;
        DigitMode mode;
        Setting setting;
        std::vector<const char*> out, kept;
    };
    const std::vector<Row> rows{
        {"nothing set", kAny, [](FilterSettings&) {}, {}, {"000", "123", "999"}},
        {"left pair", kPos, pairs({{"12"}, {}, {}, {}}), {"123"}, {"312", "213"}},
        {"right pair", kPos, pairs({{}, {"23"}, {}, {}}), {"123"}, {"231"}},
        {"split pair", kPos, pairs({{}, {}, {"13"}, {}}), {"123"}, {"132"}},
        {"straight pairs only positional", kAny, pairs({{"12"}, {"23"}, {"13"}, {}}), {}, {"123"}},
        {"boxed pair, sorted first", kAny, pairs({{}, {}, {}, {"13"}}), {"123", "313"}, {"124"}},
        {"boxed pair positional",
         kPos,
         pairs({{}, {}, {}, {"11"}}),
         {"112", "211", "111"},
         {"123"}},
        {"mostly hot",
         kAny,
         both(ticked(HCBox, {"Mostly hot"}), ranked({}, {5, 6, 7, 8, 9})),
         {"552", "625"},
         {"523", "555"}},
        {"HHC",
         kPos,
         both(ticked(HCStraight, {"HHC"}),
              ranked({{{3, 8, 1, 0, 5}, {2, 4, 6, 7, 9}, {0, 1, 2, 3, 4}}}, {})),
         {"327"},
         {"999", "320"}},
        {"nothing counted: all cold", kPos, ticked(HCStraight, {"CCC"}), {"123", "999"}, {}},
        {"straight hot/cold unused in any position",
         kAny,
         ticked(HCStraight, {"CCC"}),
         {},
         {"123"}},
        {"box hot/cold unused positional", kPos, ticked(HCBox, {"All cold"}), {}, {"123"}},
        {"consecutive must have", kAny, consecutive(1, false), {"135", "909"}, {"124"}},
        {"consecutive exclude", kAny, consecutive(2, false), {"124", "123"}, {"135"}},
        {"consecutive must have 2", kAny, consecutive(3, false), {"123", "135", "902"}, {"124"}},
        {"0 and 9 consecutive", kAny, consecutive(3, true), {"901"}, {"902", "124"}},
        {"sum", kAny, ticked(SumDigits, {"6"}), {"123", "600"}, {"124"}},
        {"root", kPos, ticked(Root, {"1"}), {"775", "100"}, {"774"}},
        {"shortsum", kAny, ticked(LDR, {"9"}), {"775", "900"}, {"774"}},
        {"width", kAny, ticked(Width, {"7"}), {"710"}, {"711"}},
        {"width low-middle", kAny, ticked(WidthLowestMiddle, {"1"}), {"710"}, {"720"}},
        {"width middle-high", kPos, ticked(WidthMiddleHighest, {"6"}), {"710"}, {"720"}},
        {"width XX_ in position order", kAny, ticked(WidthXX_, {"0"}), {"112"}, {"121"}},
        {"width X_X", kPos, ticked(WidthX_X, {"7"}), {"710"}, {"701"}},
        {"width _XX", kPos, ticked(Width_XX, {"1"}), {"710"}, {"702"}},
        {"boxed LMH", kAny, ticked(LMH, {"LLH"}), {"710", "017"}, {"777"}},
        {"straight LMH", kPos, ticked(LMHStraight, {"HLL"}), {"710"}, {"017"}},
        {"boxed OCS", kAny, ticked(OCS, {"CSS"}), {"710", "107"}, {"711"}},
        {"straight OCS", kPos, ticked(OCSStraight, {"SSC"}), {"710"}, {"107"}},
        {"boxed in/out upper-cased", kAny, ticked(InOut, {"Mostly OUT"}), {"710"}, {"770"}},
        {"straight in/out", kPos, ticked(InOutStraight, {"IOO"}), {"710"}, {"017"}},
        {"digit sort in position order", kAny, ticked(LMHDigits, {"HML"}), {"710"}, {"017"}},
        {"boxed odd/even", kAny, ticked(OddEven, {"Mostly odd"}), {"710"}, {"700"}},
        {"straight odd/even", kPos, ticked(OddEvenStraight, {"OOE"}), {"710"}, {"701"}},
        {"boxed high/low", kAny, ticked(HighLow, {"Mostly low"}), {"710"}, {"770"}},
        {"straight high/low", kPos, ticked(HighLowStraight, {"HLL"}), {"710"}, {"170"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FilterSettings s;
        s.mode = row.mode;
        s.mustInclude = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        row.setting(s);
        for (const auto& [numbers, thrownOut] : {std::pair{row.out, true}, {row.kept, false}}) {
            for (const char* n : numbers) {
                const auto [a, b, c] = digitsOf(n);
                EXPECT_EQ(fnFitsFilters(a, b, c, s), thrownOut) << n;
                EXPECT_EQ(fnFitsFiltersAgain(a, b, c, s), thrownOut) << n;
            }
        }
    }
}

// Only creation asks for a must-include digit; with none at all, nothing is created.
TEST(FilterTest, MustIncludeAndErrors) {
    FilterSettings s;
    s.mustInclude = {7};
    EXPECT_TRUE(fnFitsFilters(1, 2, 3, s));
    EXPECT_FALSE(fnFitsFiltersAgain(1, 2, 3, s));
    EXPECT_FALSE(fnFitsFilters(3, 7, 3, s));
    s.mustInclude.clear();
    EXPECT_EQ(thrownOutBy(s, true).count(), 1000U);
    EXPECT_EQ(thrownOutBy(s, false).count(), 0U);

    s.iConsecMode = 4;
    EXPECT_THROW(fnFitsFilters(1, 2, 3, s), std::invalid_argument);
    EXPECT_THROW(fnFitsFiltersAgain(0, 0, -1, FilterSettings{}), std::invalid_argument);
    FilterSettings otherMode;
    otherMode.mode = kPos;
    ticked(ListId::OCS, {"OOO"})(otherMode); // the boxed list, read in positional mode
    EXPECT_THROW(thrownOutBy(otherMode, false), std::invalid_argument);
}

} // namespace
} // namespace pick3
