// The catalogue's rules: every label a number can get is one item of its
// family's list, the lists each mode shows and reads, colours and refusals.

#include "engine/Catalogue.h"

#include "Support.h"
#include "engine/NumberSets.h"

#include <set>

namespace pick3 {
namespace {

using test::joined;

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
    // The hot/cold lists: each of the eight hot/cold combinations of a number.
    for (const DigitMode mode : {DigitMode::AnyPosition, DigitMode::Positional}) {
        std::set<int> rows;
        for (int hotDigits = 0; hotDigits < 8; ++hotDigits) { // hot digits among 1, 2, 3
            std::vector<int> hot;
            for (int d = 1; d <= 3; ++d) {
                if ((hotDigits >> (d - 1) & 1) != 0) {
                    hot.push_back(d);
                }
            }
            rows.insert(hotColdRow(123, mode, HotDigits({hot, hot, hot}, hot)));
        }
        EXPECT_EQ(rows.size(), mode == DigitMode::Positional ? 8U : 4U);
        EXPECT_EQ(*rows.begin(), 0);
    }
}

TEST(Catalogue, HeadingsRefusalsModesAndColours) {
    // Control, heading and the refusal after "You can not exclude all ".
    const std::vector<std::array<std::string_view, 3>> rows{
        {"lstDigitsWheel", "", ""},
        {"lstDigitsWheelPos1(0)", "Pos. 1", ""},
        {"lstDigitsWheelPos1(1)", "Pos. 2", ""},
        {"lstDigitsWheelPos1(2)", "Pos. 3", ""},
        {"lstSumDigits", "Sumdigits", "sumdigits."},
        {"lstRoot", "Root", "rootsums."},
        {"lstLDR", "Shortsum (LDR)", "LDR's (shortsums)."},
        {"lstWidth", "Lowest- highest", "Widths."},
        {"lstWidthLowestMiddle", "Lowest- middle", "Widths for Low-Middle digit."},
        {"lstWidthMiddleHighest", "Middle- highest", "Widths for Middle-High digit."},
        {"lstWidthXX_", "XX_", "Widths."},
        {"lstWidthX_X", "X_X", "Widths."},
        {"lstWidth_XX", "_XX", "Widths."},
        {"lstOddEven", "OddEven", "OddEven-patterns."},
        {"lstOddEvenStraight", "OddEven", "OddEven-patterns."},
        {"lstHighLow", "HighLow", "HighLow-patterns."},
        {"lstHighLowStraight", "HighLow", "HighLow-patterns."},
        {"lstInOut", "InOut", "InOut-patterns."},
        {"lstInOutStraight", "InOut", "InOut-patterns."},
        {"lstLMH", "LMH", "LMH-patterns."},
        {"lstLMHStraight", "LMH", "LMH-patterns."},
        {"lstOCS", "Open-Closed-Straight", "OCS-patterns."},
        {"lstOCSStraight", "Open-Closed-Straight", "OCS-patterns."},
        {"lstLMHDigits", "Digit-sort", "LMH-For Digits."},
        {"lstHCBox", "Box", ""},
        {"lstHCStraight", "Straight", ""},
    };
    ASSERT_EQ(catalogue().size(), rows.size());
    std::string counts, anyOnly, positionalOnly;
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
        counts += std::to_string(e.items.size()) + " ";
        if (e.modeOnly()) {
            (e.shownIn == ShownIn::AnyPosition ? anyOnly : positionalOnly) +=
                std::string(e.controlName) + " ";
        }
    }
    EXPECT_EQ(counts, "10 10 10 10 28 10 10 10 10 10 10 10 10 4 8 4 8 4 8 10 27 10 27 12 4 8 ");
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

} // namespace
} // namespace pick3
