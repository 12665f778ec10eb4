// The filter settings: the catalogue's rules (every label a number can get is
// one item of its family's list; the lists each mode shows and reads; colours,
// headings and refusals) and the reading of ticks into exclusion sets.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/NumberSets.h"
#include "engine/numbers/Selection.h"

#include "Support.h"

#include <set>

namespace pick3 {
namespace {

using namespace test;

// Across all 1,000 numbers, the labels of each family in each mode are exactly
// the items of the list it reads then, each item once; only a triple's digit
// sort "LLL" has no item. A typo in a label or an item breaks the match.
TEST(Catalogue, EveryItemIsALabelSomeNumberGets) {
    for (const DigitMode mode : {DigitMode::AnyPosition, DigitMode::Positional}) {
        for (std::size_t f = 0; f <= static_cast<std::size_t>(Family::InOut); ++f) {
            const auto family = static_cast<Family>(f);
            const ListEntry& entry = listEntry(familyList(family, mode));
            SCOPED_TRACE(entry.controlName);
            int labelled = 0;
            for (std::size_t row = 0; row < entry.items.size(); ++row) {
                const auto count = numbersWithRow(mode, family, static_cast<int>(row)).count();
                EXPECT_GT(count, 0U) << entry.items[row] << " is no label";
                labelled += static_cast<int>(count);
            }
            EXPECT_EQ(labelled, family == Family::DigitSort ? 990 : 1000);
            const std::set<std::string_view> unique(entry.items.begin(), entry.items.end());
            EXPECT_EQ(unique.size(), entry.items.size());
        }
    }
    // Every hot/cold label, of each combination of hot and cold digits, is an item.
    for (unsigned bits = 0; bits < 8; ++bits) {
        const std::array<bool, 3> hot{(bits & 4U) != 0, (bits & 2U) != 0, (bits & 1U) != 0};
        EXPECT_TRUE(hotColdRowOf(hot, DigitMode::Positional) >= 0 &&
                    hotColdRowOf(hot, DigitMode::AnyPosition) >= 0);
    }
}

TEST(Catalogue, HeadingsRefusalsModesAndColours) {
    // Control, heading and the refusal after "You can not exclude all ".
    // clang-format off
    const std::vector<std::array<std::string_view, 3>> rows{
        {"lstDigitsWheel", "", ""}, {"lstDigitsWheelPos1(0)", "Pos. 1", ""},
        {"lstDigitsWheelPos1(1)", "Pos. 2", ""}, {"lstDigitsWheelPos1(2)", "Pos. 3", ""},
        {"lstSumDigits", "Sumdigits", "sumdigits."}, {"lstRoot", "Root", "rootsums."},
        {"lstLDR", "Shortsum (LDR)", "LDR's (shortsums)."}, {"lstWidth", "Lowest- highest", "Widths."},
        {"lstWidthLowestMiddle", "Lowest- middle", "Widths for Low-Middle digit."}, {"lstWidthMiddleHighest", "Middle- highest", "Widths for Middle-High digit."},
        {"lstWidthXX_", "XX_", "Widths."}, {"lstWidthX_X", "X_X", "Widths."},
        {"lstWidth_XX", "_XX", "Widths."}, {"lstOddEven", "OddEven", "OddEven-patterns."},
        {"lstOddEvenStraight", "OddEven", "OddEven-patterns."}, {"lstHighLow", "HighLow", "HighLow-patterns."},
        {"lstHighLowStraight", "HighLow", "HighLow-patterns."}, {"lstInOut", "InOut", "InOut-patterns."},
        {"lstInOutStraight", "InOut", "InOut-patterns."}, {"lstLMH", "LMH", "LMH-patterns."},
        {"lstLMHStraight", "LMH", "LMH-patterns."}, {"lstOCS", "Open-Closed-Straight", "OCS-patterns."},
        {"lstOCSStraight", "Open-Closed-Straight", "OCS-patterns."}, {"lstLMHDigits", "Digit-sort", "LMH-For Digits."},
        {"lstHCBox", "Box", ""}, {"lstHCStraight", "Straight", ""},
    };
    // clang-format on
    ASSERT_EQ(catalogue().size(), rows.size());
    std::string anyOnly, positionalOnly; // the item counts follow from the label test above
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ListEntry& e = catalogue()[i];
        SCOPED_TRACE(e.controlName);
        EXPECT_EQ(e.controlName, rows[i][0]);
        EXPECT_EQ(e.heading, rows[i][1]);
        EXPECT_EQ(e.refusal,
                  rows[i][2].empty() ? "" : "You can not exclude all " + std::string(rows[i][2]));
        // Straight numbers only: orange; boxed numbers and both modes: blue.
        const bool straight =
            e.controlName.ends_with("Straight") || e.controlName.starts_with("lstDigitsWheelPos1");
        EXPECT_EQ(e.colour == ListColour::LightOrange, straight);
        if (e.modeOnly()) {
            (e.shownIn == ShownIn::AnyPosition ? anyOnly : positionalOnly) +=
                std::string(e.controlName) + " ";
        }
    }
    EXPECT_EQ(anyOnly, "lstOddEven lstHighLow lstInOut lstLMH lstOCS ");
    EXPECT_EQ(positionalOnly, "lstWidthXX_ lstWidthX_X lstWidth_XX lstOddEvenStraight "
                              "lstHighLowStraight lstInOutStraight lstLMHStraight "
                              "lstOCSStraight lstLMHDigits ");
    EXPECT_EQ(listEntry(ListId::HCBox).shownIn, ShownIn::Never);
    EXPECT_EQ(familyList(Family::OCS, DigitMode::Positional), ListId::OCSStraight);
    EXPECT_EQ(familyList(Family::OCS, DigitMode::AnyPosition), ListId::OCS);
    EXPECT_THROW(listEntry(static_cast<ListId>(kListCount)), std::invalid_argument);
    EXPECT_THROW(familyList(static_cast<Family>(kFamilyCount), DigitMode::Positional),
                 std::invalid_argument);
}

// Values or texts in list order; a list refuses only when every row is ticked.
TEST(Selection, TickedItemsInListOrder) {
    using enum ListId;
    const std::vector<std::tuple<ListId, std::vector<int>, std::vector<int>, std::string>> rows{
        {SumDigits, {27, 0, 10, 9}, {0, 9, 10, 27}, ""},
        {OddEven, {3, 0}, {}, "All even|Mostly odd"},
        {InOut, {0, 2, 3}, {}, "ALL IN|MOSTLY IN|MOSTLY OUT"}, // upper-cased
        {InOutStraight, {1, 7}, {}, "IIO|OOO"},
        {LMHDigits, {11, 0}, {}, "LMH|HHL"},
    };
    for (const auto& [list, ticked, values, texts] : rows) {
        SCOPED_TRACE(listEntry(list).controlName);
        const std::optional<ExclusionSet> set = readExclusionSet(list, tickRows(list, ticked));
        ASSERT_TRUE(set.has_value());
        EXPECT_EQ(set->values(), values);
        EXPECT_EQ(joined(set->texts()), texts);
        EXPECT_FALSE(readExclusionSet(list, tickAll(list)).has_value());
    }
}

TEST(Selection, HotColdReaderNeverRefuses) {
    const HotColdSets all =
        sbPick3HCFilterSettings(tickAll(ListId::HCBox), tickAll(ListId::HCStraight));
    EXPECT_EQ(joined(all.box.texts()), "ALL HOT|ALL COLD|MOSTLY HOT|MOSTLY COLD");
    EXPECT_EQ(all.straight.count(), 8);
    EXPECT_TRUE(sbPick3HCFilterSettings({}, {}).box.empty());
    EXPECT_FALSE(all.box.contains("Mostly hot")) << "compared case-sensitively";
    EXPECT_THROW(sbPick3HCFilterSettings(Ticks(8, true), {}), std::invalid_argument);
}

} // namespace
} // namespace pick3
