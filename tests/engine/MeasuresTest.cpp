// Sum, root sum, shortsum, widths, structure, the consecutive tests and the sort.

#include "engine/Measures.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::digitsOf;

TEST(Measures, EveryMeasureOfANumber) {
    // sum root shortsum width low-middle middle-high, structure, then the
    // consecutive pair and run without and with "Consider 0 and 9 consecutive".
    const std::vector<std::pair<const char*, const char*>> rows{
        {"471", "12 3 2 6 3 3 S 0 0 0 0"}, {"909", "18 9 8 9 9 0 D 0 0 2 0"},
        {"000", "0 0 0 0 0 0 T 0 0 0 0"},  {"999", "27 9 7 0 0 0 T 0 0 0 0"},
        {"190", "10 1 0 9 1 8 S 2 0 2 3"}, {"775", "19 1 9 2 2 0 D 0 0 0 0"}, // roots twice
        {"112", "4 4 4 1 0 1 D 2 0 2 0"},  {"992", "20 2 0 7 7 0 D 0 0 0 0"},
        {"312", "6 6 6 2 1 1 S 2 3 2 3"},  {"789", "24 6 4 2 1 1 S 2 3 2 3"},
        {"890", "17 8 7 9 8 1 S 2 0 2 3"}, {"029", "11 2 1 9 2 7 S 0 0 2 0"},
        {"135", "9 9 9 4 2 2 S 0 0 0 0"},  {"099", "18 9 8 9 9 0 D 0 0 2 0"},
    };
    for (const auto& [n, expected] : rows) {
        const auto [a, b, c] = digitsOf(n);
        const SortedDigits s = sortDigits(a, b, c);
        std::string got;
        for (const int v :
             {sumDigits(a, b, c), rootSum(a, b, c), shortSum(a, b, c), s.iHighest - s.iLowest,
              s.iMiddle - s.iLowest, s.iHighest - s.iMiddle}) {
            got += std::to_string(v) + " ";
        }
        got += fnIsTriple(a, b, c) ? "T" : fnIsDouble(a, b, c) ? "D" : "S";
        for (const bool zeroAndNine : {false, true}) {
            got += " " + std::to_string(fnConsecutive2(a, b, c, zeroAndNine)) + " " +
                   std::to_string(fnConsecutive3(a, b, c, zeroAndNine));
        }
        EXPECT_EQ(got, expected) << n;
    }
    EXPECT_THROW(rootSum(0, 0, 10), std::invalid_argument);
    EXPECT_THROW(fnConsecutive2(1, 2, -1, true), std::invalid_argument);
    std::vector<int> three{3, 2, 1};
    EXPECT_THROW(sbQuickSort(three, 0, 3), std::out_of_range);
}

} // namespace
} // namespace pick3
