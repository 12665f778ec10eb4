// "Create numbers": the digit readers and the refusals in the command's order,
// the section builders in both modes, the results text and the count caption.

#include "engine/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

Ticks tickRows(ListId list, const std::vector<int>& rows) {
    Ticks ticks(listEntry(list).items.size(), false);
    for (const int row : rows) {
        ticks.at(static_cast<std::size_t>(row)) = true;
    }
    return ticks;
}

Ticks tickAll(ListId list) {
    return Ticks(listEntry(list).items.size(), true);
}

// The must-include list holds the chosen digits, each ticked.
std::vector<MustHaveItem> mustHaveAll(const std::set<int>& digits) {
    std::vector<MustHaveItem> items;
    for (const int d : digits) {
        items.push_back({d, true});
    }
    return items;
}

MainInput boxed(const std::vector<int>& digits) {
    MainInput in;
    in.mode = DigitMode::AnyPosition;
    in.ticks[ListId::DigitsWheel] = tickRows(ListId::DigitsWheel, digits);
    in.mustHave = mustHaveAll({digits.begin(), digits.end()});
    return in;
}

MainInput straight(const std::vector<int>& p1, const std::vector<int>& p2,
                   const std::vector<int>& p3) {
    MainInput in;
    in.mode = DigitMode::Positional;
    in.ticks[ListId::DigitsWheelPos1_0] = tickRows(ListId::DigitsWheelPos1_0, p1);
    in.ticks[ListId::DigitsWheelPos1_1] = tickRows(ListId::DigitsWheelPos1_1, p2);
    in.ticks[ListId::DigitsWheelPos1_2] = tickRows(ListId::DigitsWheelPos1_2, p3);
    std::set<int> all(p1.begin(), p1.end());
    all.insert(p2.begin(), p2.end());
    all.insert(p3.begin(), p3.end());
    in.mustHave = mustHaveAll(all);
    return in;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
        result.push_back(text.substr(start, at - start));
    }
    result.push_back(text.substr(start));
    return result;
}

std::size_t numbersIn(const std::string& line) {
    return line.empty() ? 0
                        : static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

TEST(CreateNumbers, FourDigitsExample) {
    const CommandResult r = createNumbers(boxed({1, 2, 3, 4}));
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.text, "123, 124, 134, 234\r\n"
                      "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\r\n"
                      "111, 222, 333, 444");
    EXPECT_EQ(r.caption, "Numbers created: 20");
    EXPECT_EQ(r.count, 20);
}

TEST(CreateNumbers, LargestRunsInBothModes) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct Row {
        const char* name;
        MainInput input;
        std::size_t singles, doubles, triples;
    };
    const std::vector<Row> rows{
        {"any position: every boxed combination once", boxed(all), 120, 90, 10},
        {"positional: every straight number once", straight(all, all, all), 720, 270, 10},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = createNumbers(r.input);
        ASSERT_TRUE(result.text.has_value());
        const auto parts = lines(*result.text);
        ASSERT_EQ(parts.size(), 3u);
        EXPECT_EQ(numbersIn(parts[0]), r.singles);
        EXPECT_EQ(numbersIn(parts[1]), r.doubles);
        EXPECT_EQ(numbersIn(parts[2]), r.triples);
        const std::size_t total = r.singles + r.doubles + r.triples;
        EXPECT_EQ(result.count, static_cast<int>(total));
        EXPECT_EQ(result.caption, "Numbers created: " + std::to_string(total));
        // No number is written twice, and none is empty.
        std::set<std::string> seen;
        for (const auto& line : parts) {
            std::size_t start = 0;
            while (start <= line.size()) {
                const std::size_t comma = std::min(line.find(", ", start), line.size());
                const std::string number = line.substr(start, comma - start);
                EXPECT_EQ(number.size(), 3u) << number;
                EXPECT_TRUE(seen.insert(number).second) << number;
                start = comma + 2;
            }
        }
        EXPECT_EQ(seen.size(), total);
    }
    EXPECT_EQ(createNumbers(straight(all, all, all)).text->substr(0, 20), "012, 013, 014, 015, ");
}

struct TextRow {
    const char* name;
    std::function<MainInput()> input;
    std::string text;
    int count;
};

TEST(CreateNumbers, ResultsText) {
    const std::vector<TextRow> rows{
        {"one digit per position: a double and a triple; the empty singles line stays",
         [] {
             return straight({1}, {1, 2}, {1});
         },
         "\r\n121\r\n111", 2},
        {"positional singles in position order, empty doubles and triples lines",
         [] {
             return straight({1, 2}, {0}, {3, 4});
         },
         "103, 104, 203, 204\r\n\r\n", 4},
        {"one straight number, in the section of its structure",
         [] { return straight({7}, {1}, {0}); }, "710\r\n\r\n", 1},
        {"singles excluded",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeSingles = true;
             return in;
         },
         "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\r\n111, 222, 333, 444", 16},
        {"doubles excluded",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeDoubles = true;
             return in;
         },
         "123, 124, 134, 234\r\n111, 222, 333, 444", 8},
        {"triples excluded",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeTriples = true;
             return in;
         },
         "123, 124, 134, 234\r\n112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344", 16},
        {"triples only",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeSingles = in.excludeDoubles = true;
             return in;
         },
         "111, 222, 333, 444", 4},
        {"singles only",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeDoubles = in.excludeTriples = true;
             return in;
         },
         "123, 124, 134, 234", 4},
        {"six-way order HML",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeDoubles = in.excludeTriples = true;
             in.order.sixWay = "HML";
             return in;
         },
         "321, 421, 431, 432", 4},
        {"double orders HLL and HHL",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeSingles = in.excludeTriples = true;
             in.order.llh = "HLL";
             in.order.lhh = "HHL";
             return in;
         },
         "211, 311, 411, 221, 322, 422, 331, 332, 433, 441, 442, 443", 12},
        {"sum 6 thrown out",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::SumDigits] = tickRows(ListId::SumDigits, {6});
             return in;
         },
         "124, 134, 234\r\n112, 113, 122, 223, 224, 133, 233, 334, 144, 244, 344\r\n111, 333, 444",
         17},
        {"every single thrown out: the text starts with a line break",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::LMHDigits] = tickRows(ListId::LMHDigits, {0}); // "LMH"
             return in;
         },
         "\r\n112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\r\n111, 222, 333, 444",
         16},
        {"must include 4 only",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.mustHave = {{1, false}, {2, false}, {3, false}, {4, true}};
             return in;
         },
         "124, 134, 234\r\n114, 224, 334, 144, 244, 344\r\n444", 10},
        {"positional left pair 12",
         [] {
             MainInput in = straight({1, 3}, {1, 2}, {2, 3});
             in.pairs.left = {"12"};
             return in;
         },
         "312\r\n112, 113, 313, 322, 323\r\n", 6},
        {"an order code outside its family leaves empty places",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeDoubles = in.excludeTriples = true;
             in.order.sixWay = "LLH";
             return in;
         },
         ", , , ", 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = createNumbers(r.input());
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.text, r.text);
        EXPECT_EQ(result.count, r.count);
        EXPECT_EQ(result.caption, "Numbers created: " + std::to_string(r.count));
    }
}

TEST(CreateNumbers, NoticeWhenEveryNumberIsThrownOut) {
    const std::vector<std::pair<const char*, std::function<MainInput()>>> rows{
        {"sums 0 to 26 thrown out, no sum above 12",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::SumDigits] = tickAll(ListId::SumDigits);
             in.ticks[ListId::SumDigits].back() = false;
             return in;
         }},
        {"must include a digit none of them has",
         [] {
             MainInput in = straight({1}, {2}, {3});
             in.mustHave = {{9, true}};
             return in;
         }},
        {"only triples, all thrown out",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.excludeSingles = in.excludeDoubles = true;
             in.ticks[ListId::LDR] = tickRows(ListId::LDR, {3, 6, 9, 2});
             return in;
         }},
    };
    for (const auto& [name, input] : rows) {
        SCOPED_TRACE(name);
        const CommandResult r = createNumbers(input());
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.text, "All created numbers were excluded by the filters.\r\n"
                          "Adjust the filtersettings to produce numbers.");
        EXPECT_EQ(r.caption, "");
        EXPECT_EQ(r.count, 0);
    }
}

struct RefusalRow {
    const char* name;
    std::function<MainInput()> input;
    std::string message;
};

MainInput with(MainInput in, const std::vector<ListId>& fullLists) {
    for (const ListId list : fullLists) {
        in.ticks[list] = tickAll(list);
    }
    return in;
}

TEST(CreateNumbers, RefusalsInTheCommandsOrder) {
    using enum ListId;
    const std::vector<int> four{1, 2, 3, 4};
    const std::string kWidths = "You can not exclude all Widths.";
    const std::vector<RefusalRow> rows{
        {"three digits",
         [&] {
             return boxed({1, 2, 3});
         },
         "Please select at least 4 digits from the list 'Use Digits'."},
        {"no digit", [&] { return boxed({}); },
         "Please select at least 4 digits from the list 'Use Digits'."},
        {"positional, second list empty", [&] { return straight({1}, {}, {3}); },
         "Please select digits from all 3 lists."},
        {"positional, first list empty", [&] { return straight({}, {1}, {3}); },
         "Please select digits from all 3 lists."},
        {"nothing ticked in must include",
         [&] {
             MainInput in = boxed(four);
             for (auto& item : in.mustHave) {
                 item.ticked = false;
             }
             return in;
         },
         "The Must Include list should at least have one digit selected."},
        {"empty must include list",
         [&] {
             MainInput in = straight({1}, {2}, {3});
             in.mustHave.clear();
             return in;
         },
         "The Must Include list should at least have one digit selected."},
        {"digits before lists",
         [&] {
             return with(boxed({1, 2}), {Root});
         },
         "Please select at least 4 digits from the list 'Use Digits'."},
        {"must include before lists",
         [&] {
             MainInput in = with(boxed(four), {Root});
             in.mustHave.clear();
             return in;
         },
         "The Must Include list should at least have one digit selected."},
        {"root", [&] { return with(boxed(four), {Root}); }, "You can not exclude all rootsums."},
        {"digit sort", [&] { return with(boxed(four), {LMHDigits}); },
         "You can not exclude all LMH-For Digits."},
        {"boxed OCS", [&] { return with(boxed(four), {OCS}); },
         "You can not exclude all OCS-patterns."},
        {"straight OCS", [&] { return with(straight({1}, {2}, {3}), {OCSStraight}); },
         "You can not exclude all OCS-patterns."},
        {"boxed LMH", [&] { return with(boxed(four), {LMH}); },
         "You can not exclude all LMH-patterns."},
        {"straight LMH", [&] { return with(straight({1}, {2}, {3}), {LMHStraight}); },
         "You can not exclude all LMH-patterns."},
        {"shortsum", [&] { return with(boxed(four), {LDR}); },
         "You can not exclude all LDR's (shortsums)."},
        {"width", [&] { return with(boxed(four), {Width}); }, kWidths},
        {"width X_X", [&] { return with(boxed(four), {WidthX_X}); }, kWidths},
        {"width XX_", [&] { return with(straight({1}, {2}, {3}), {WidthXX_}); }, kWidths},
        {"width _XX", [&] { return with(boxed(four), {Width_XX}); }, kWidths},
        {"width low-middle", [&] { return with(boxed(four), {WidthLowestMiddle}); },
         "You can not exclude all Widths for Low-Middle digit."},
        {"width middle-high", [&] { return with(boxed(four), {WidthMiddleHighest}); },
         "You can not exclude all Widths for Middle-High digit."},
        {"sum", [&] { return with(boxed(four), {SumDigits}); },
         "You can not exclude all sumdigits."},
        {"boxed odd/even", [&] { return with(boxed(four), {OddEven}); },
         "You can not exclude all OddEven-patterns."},
        {"straight odd/even", [&] { return with(straight({1}, {2}, {3}), {OddEvenStraight}); },
         "You can not exclude all OddEven-patterns."},
        {"boxed high/low", [&] { return with(boxed(four), {HighLow}); },
         "You can not exclude all HighLow-patterns."},
        {"straight high/low", [&] { return with(straight({1}, {2}, {3}), {HighLowStraight}); },
         "You can not exclude all HighLow-patterns."},
        {"boxed in/out", [&] { return with(boxed(four), {InOut}); },
         "You can not exclude all InOut-patterns."},
        {"straight in/out", [&] { return with(straight({1}, {2}, {3}), {InOutStraight}); },
         "You can not exclude all InOut-patterns."},
        {"root before digit sort",
         [&] {
             return with(boxed(four), {LMHDigits, Root});
         },
         "You can not exclude all rootsums."},
        {"digit sort before shortsum",
         [&] {
             return with(boxed(four), {LDR, LMHDigits});
         },
         "You can not exclude all LMH-For Digits."},
        {"OCS before shortsum",
         [&] {
             return with(boxed(four), {LDR, OCS});
         },
         "You can not exclude all OCS-patterns."},
        {"pair width before low-middle",
         [&] {
             return with(boxed(four), {WidthLowestMiddle, WidthX_X});
         },
         kWidths},
        {"sum before in/out",
         [&] {
             return with(boxed(four), {InOut, SumDigits});
         },
         "You can not exclude all sumdigits."},
        {"a list before all three structures excluded",
         [&] {
             MainInput in = with(boxed(four), {HighLow});
             in.excludeSingles = in.excludeDoubles = in.excludeTriples = true;
             return in;
         },
         "You can not exclude all HighLow-patterns."},
        {"all three structures excluded",
         [&] {
             MainInput in = boxed(four);
             in.excludeSingles = in.excludeDoubles = in.excludeTriples = true;
             return in;
         },
         "You have excluded singles, doubles and triples.\r\nThere are no numbers to create..."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = createNumbers(r.input());
        EXPECT_EQ(result.message, r.message);
        EXPECT_EQ(result.text, "") << "the box is emptied before the settings are checked";
        EXPECT_FALSE(result.caption.has_value()) << "the count label keeps its caption";
        EXPECT_EQ(result.count, 0);
    }
}

// A fully ticked list of the other mode is not read, so it refuses nothing.
TEST(CreateNumbers, ListsOfTheOtherModeAreNotRead) {
    using enum ListId;
    const std::vector<std::pair<const char*, MainInput>> rows{
        {"straight lists in any position",
         with(boxed({1, 2, 3, 4}),
              {OCSStraight, LMHStraight, OddEvenStraight, HighLowStraight, InOutStraight})},
        {"boxed lists in positional",
         with(straight({1, 2}, {3}, {4}), {OCS, LMH, OddEven, HighLow, InOut})},
        {"both hot/cold lists, never refused", with(straight({1}, {2}, {3}), {HCBox})},
    };
    for (const auto& [name, input] : rows) {
        SCOPED_TRACE(name);
        const CommandResult r = createNumbers(input);
        EXPECT_EQ(r.message, "");
        EXPECT_GT(r.count, 0);
    }
}

TEST(CreateNumbers, HotDigitsReadOnlyWhenTheModesSetIsInUse) {
    struct Row {
        const char* name;
        DigitMode mode;
        ListId ticked;
        int row;
        int expectedReads;
        int expectedCount;
    };
    const std::vector<Row> rows{
        // Hot: 1 in every position list and in the box; "CCC"/"All cold" throw out
        // everything without a 1.
        {"positional, straight set in use", DigitMode::Positional, ListId::HCStraight, 7, 1, 7},
        {"positional, only the box set", DigitMode::Positional, ListId::HCBox, 1, 0, 8},
        {"any position, box set in use", DigitMode::AnyPosition, ListId::HCBox, 1, 1, 4},
        {"any position, only the straight set", DigitMode::AnyPosition, ListId::HCStraight, 7, 0,
         8},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        MainInput in = r.mode == DigitMode::Positional ? straight({1, 2}, {1, 2}, {1, 2})
                                                       : boxed({1, 2, 3, 4});
        if (r.mode == DigitMode::AnyPosition) {
            in.excludeDoubles = true;
        }
        in.ticks[r.ticked] = tickRows(r.ticked, {r.row});
        int reads = 0;
        in.readHotDigits = [&reads] {
            ++reads;
            HotDigits hot;
            hot.positions = {std::vector<int>{1}, std::vector<int>{1}, std::vector<int>{1}};
            hot.box = {1};
            return hot;
        };
        const CommandResult result = createNumbers(in);
        EXPECT_EQ(reads, r.expectedReads);
        EXPECT_EQ(result.count, r.expectedCount);
    }
    // Nothing counted yet: every digit is cold.
    MainInput in = boxed({1, 2, 3, 4});
    in.ticks[ListId::HCBox] = tickRows(ListId::HCBox, {1}); // "All cold"
    EXPECT_EQ(createNumbers(in).text, std::string(kAllExcludedNotice));
}

// Each command reports the first refused list in its own order.
TEST(CreateNumbers, ReaderOrderOfBothCommands) {
    using enum ListId;
    struct Row {
        std::vector<ListId> full;
        ListId createReports, filterMoreReports;
    };
    const std::vector<Row> rows{
        {{LDR, LMHDigits}, LMHDigits, LDR},
        {{LDR, OCS}, OCS, LDR},
        {{WidthLowestMiddle, WidthX_X}, WidthX_X, WidthLowestMiddle},
        {{WidthMiddleHighest, Width_XX}, Width_XX, WidthMiddleHighest},
        {{LMHDigits, Root}, Root, Root},
        {{SumDigits, Width}, Width, Width},
        {{InOut, HighLow, OddEven}, OddEven, OddEven},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(listEntry(r.createReports).controlName);
        const MainInput in = with(boxed({1, 2, 3, 4}), r.full);
        FilterSettings settings;
        EXPECT_EQ(readFilterSettings(in, ReaderOrder::Create, settings),
                  listEntry(r.createReports).refusal);
        EXPECT_EQ(readFilterSettings(in, ReaderOrder::FilterMore, settings),
                  listEntry(r.filterMoreReports).refusal);
    }
}

TEST(CreateNumbers, RefusesBadInput) {
    const std::vector<std::pair<const char*, std::function<MainInput()>>> rows{
        {"consecutive mode 4",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.iConsecMode = 4;
             return in;
         }},
        {"must-include digit 10",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.mustHave.push_back({10, true});
             return in;
         }},
        {"digit list of nine rows",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::DigitsWheel] = Ticks(9, true);
             return in;
         }},
        {"position list of eleven rows",
         [] {
             MainInput in = straight({1}, {2}, {3});
             in.ticks[ListId::DigitsWheelPos1_2] = Ticks(11, true);
             return in;
         }},
        {"filter list of the wrong length",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::SumDigits] = Ticks(10, false);
             return in;
         }},
        {"hot/cold list of the wrong length",
         [] {
             MainInput in = boxed({1, 2, 3, 4});
             in.ticks[ListId::HCStraight] = Ticks(4, false);
             return in;
         }},
    };
    for (const auto& [name, input] : rows) {
        SCOPED_TRACE(name);
        EXPECT_THROW(createNumbers(input()), std::invalid_argument);
    }
}

} // namespace
} // namespace pick3
