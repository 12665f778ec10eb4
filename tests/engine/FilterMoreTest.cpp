// "Filter more": digits read in runs of three from any text, regrouped by
// structure, one line per non-empty section, and texts of any size and content.

#include "engine/Commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

MainInput anyPosition() {
    MainInput in;
    in.mode = DigitMode::AnyPosition;
    return in;
}

MainInput positional() {
    MainInput in;
    in.mode = DigitMode::Positional;
    return in;
}

Ticks tickRows(ListId list, const std::vector<int>& rows) {
    Ticks ticks(listEntry(list).items.size(), false);
    for (const int row : rows) {
        ticks.at(static_cast<std::size_t>(row)) = true;
    }
    return ticks;
}

const std::string kNotice = "All created numbers were excluded by the filters.\r\n"
                            "Adjust the filtersettings to produce numbers.";

struct MoreRow {
    const char* name;
    std::string text;
    std::function<MainInput()> input;
    std::string expected;
    int count;
};

TEST(FilterMore, ReadsRegroupsAndWrites) {
    const std::vector<MoreRow> rows{
        {"regrouped, each line ended", "321, 112, 555", anyPosition, "123\r\n112\r\n555\r\n", 3},
        {"structures in any order", "555, 112, 321", anyPosition, "123\r\n112\r\n555\r\n", 3},
        {"comma and blank", "123, 456", anyPosition, "123, 456\r\n", 2},
        {"dash", "123-456", anyPosition, "123, 456\r\n", 2},
        {"blank", "123 456", anyPosition, "123, 456\r\n", 2},
        {"nothing between", "123456", anyPosition, "123, 456\r\n", 2},
        {"line break", "123\r\n456", anyPosition, "123, 456\r\n", 2},
        {"plain line break", "123\n456\n", anyPosition, "123, 456\r\n", 2},
        {"digits apart, the last one dropped", "1 2 3 4 5 6 7", anyPosition, "123, 456\r\n", 2},
        {"12, 34: the 4 is dropped", "12, 34", anyPosition, "123\r\n", 1},
        {"letters between digits", "a1b2c3d", anyPosition, "123\r\n", 1},
        {"duplicates stay", "123 123 213", anyPosition, "123, 123, 123\r\n", 3},
        {"only doubles: one line", "229 922", anyPosition, "229, 229\r\n", 2},
        {"only triples: written as read", "777", anyPosition, "777\r\n", 1},
        {"boxed output order HML", "123, 213",
         [] {
             MainInput in = anyPosition();
             in.order.sixWay = "HML";
             return in;
         },
         "321, 321\r\n", 2},
        {"boxed double orders", "113, 133",
         [] {
             MainInput in = anyPosition();
             in.order.llh = "HLL";
             in.order.lhh = "HHL";
             return in;
         },
         "311, 331\r\n", 2},
        {"positional: straight numbers stay as read", "321, 211, 555, 102", positional,
         "321, 102\r\n211\r\n555\r\n", 4},
        {"positional ignores the output order", "321",
         [] {
             MainInput in = positional();
             in.order.sixWay = "LMH";
             return in;
         },
         "321\r\n", 1},
        {"filters apply: sum 6", "123, 150, 600, 222, 124",
         [] {
             MainInput in = anyPosition();
             in.ticks[ListId::SumDigits] = tickRows(ListId::SumDigits, {6});
             return in;
         },
         "124\r\n", 1},
        {"positional left pair 12 judged in the order read", "123, 312, 121",
         [] {
             MainInput in = positional();
             in.pairs.left = {"12"};
             return in;
         },
         "312\r\n", 1},
        {"no must-include test", "123, 456",
         [] {
             MainInput in = anyPosition();
             in.mustHave = {{7, true}};
             return in;
         },
         "123, 456\r\n", 2},
        {"excluded doubles dropped", "112, 123, 444",
         [] {
             MainInput in = anyPosition();
             in.excludeDoubles = true;
             return in;
         },
         "123\r\n444\r\n", 2},
        {"excluded singles and triples dropped", "112, 123, 444",
         [] {
             MainInput in = positional();
             in.excludeSingles = in.excludeTriples = true;
             return in;
         },
         "112\r\n", 1},
        {"digit-sort list read in any position", "123, 321",
         [] {
             MainInput in = anyPosition();
             in.ticks[ListId::LMHDigits] = tickRows(ListId::LMHDigits, {0}); // "LMH"
             return in;
         },
         "123\r\n", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = filterMore(r.text, r.input());
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.text, r.expected);
        EXPECT_EQ(result.count, r.count);
        EXPECT_EQ(result.caption, "Newly filtered numbers (" + std::to_string(r.count) + ")");
    }
}

TEST(FilterMore, NoticeWhenNothingIsKept) {
    const std::vector<MoreRow> rows{
        {"letters only", "abc, def", anyPosition, kNotice, 0},
        {"empty text", "", positional, kNotice, 0},
        {"two digits only", "1, 2", anyPosition, kNotice, 0},
        {"the notice itself holds no digit", kNotice, anyPosition, kNotice, 0},
        {"all three structures excluded", "123, 112, 111",
         [] {
             MainInput in = anyPosition();
             in.excludeSingles = in.excludeDoubles = in.excludeTriples = true;
             return in;
         },
         kNotice, 0},
        {"everything thrown out", "123, 456",
         [] {
             MainInput in = anyPosition();
             in.iConsecMode = 2;
             return in;
         },
         kNotice, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = filterMore(r.text, r.input());
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.text, kNotice);
        EXPECT_EQ(result.caption, "");
        EXPECT_EQ(result.count, 0);
    }
}

TEST(FilterMore, RefusalLeavesTextAndCaption) {
    using enum ListId;
    struct Row {
        const char* name;
        MainInput input;
        ListId full;
        std::string message;
    };
    const std::vector<Row> rows{
        {"root", anyPosition(), Root, "You can not exclude all rootsums."},
        {"shortsum", positional(), LDR, "You can not exclude all LDR's (shortsums)."},
        {"straight in/out", positional(), InOutStraight, "You can not exclude all InOut-patterns."},
        {"boxed high/low", anyPosition(), HighLow, "You can not exclude all HighLow-patterns."},
        {"pair width", anyPosition(), WidthXX_, "You can not exclude all Widths."},
    };
    for (auto r : rows) {
        SCOPED_TRACE(r.name);
        r.input.ticks[r.full] = Ticks(listEntry(r.full).items.size(), true);
        const CommandResult result = filterMore("123, 456", r.input);
        EXPECT_EQ(result.message, r.message);
        EXPECT_FALSE(result.text.has_value());
        EXPECT_FALSE(result.caption.has_value());
    }
}

// What "Create numbers" writes, "Filter more" reads back unchanged when no
// setting has changed (apart from the line break it adds to each line).
TEST(FilterMore, ReadsBackWhatCreateWrote) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (const DigitMode mode : {DigitMode::AnyPosition, DigitMode::Positional}) {
        MainInput in;
        in.mode = mode;
        in.ticks[ListId::DigitsWheel] = Ticks(10, true);
        for (const ListId pos :
             {ListId::DigitsWheelPos1_0, ListId::DigitsWheelPos1_1, ListId::DigitsWheelPos1_2}) {
            in.ticks[pos] = Ticks(10, true);
        }
        for (const int d : all) {
            in.mustHave.push_back({d, true});
        }
        in.order = {"MHL", "LHL", "HLH"};
        in.ticks[ListId::Root] = tickRows(ListId::Root, {2, 5});
        const CommandResult created = createNumbers(in);
        ASSERT_TRUE(created.text.has_value());
        const CommandResult again = filterMore(*created.text, in);
        EXPECT_EQ(again.count, created.count);
        EXPECT_EQ(again.text, *created.text + "\r\n");
    }
}

// Any characters at all, of any length: every group of three ASCII digits is
// read, nothing else counts, and nothing crashes.
TEST(FilterMore, AnyTextOfAnySize) {
    struct Row {
        const char* name;
        std::string text;
        int count;
    };
    std::string nul("1\0"
                    "2\0"
                    "3",
                    5);
    std::string highBytes = "\xff\x80\xc3\xa9"
                            "4"
                            "\xe2\x82\xac"
                            "5"
                            "\xf0\x9f\x8e\xb2"
                            "6";
    std::string manyLines;
    for (int i = 0; i < 20000; ++i) {
        manyLines += "987, ";
    }
    const std::vector<Row> rows{
        {"NUL characters", nul, 1},
        {"UTF-8 letters, a euro sign and an emoji", highBytes, 1},
        {"full-width and Arabic-Indic digits are not digits",
         "\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93 \xd9\xa1\xd9\xa2\xd9\xa3", 0},
        {"control characters",
         "\t1\x01\x02"
         "2\x1b[0m3\x7f",
         1},
        {"signs and points do not make numbers", "-1.2e3+4", 1},
        {"longer than 32,767 characters", manyLines, 20000},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CommandResult result = filterMore(r.text, positional());
        EXPECT_EQ(result.count, r.count);
        if (r.count == 0) {
            EXPECT_EQ(result.text, kNotice);
        }
    }
}

TEST(FilterMore, PastedMegabyteOfRandomBytes) {
    std::mt19937 gen(99u);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(1 << 20, '\0');
    std::size_t digits = 0;
    for (char& c : text) {
        c = static_cast<char>(byte(gen));
        digits += (c >= '0' && c <= '9') ? 1 : 0;
    }
    const CommandResult result = filterMore(text, positional());
    EXPECT_EQ(result.count, static_cast<int>(digits / 3));
    ASSERT_TRUE(result.text.has_value());
    // Each kept number is three digits and a separator or a line break.
    std::size_t written = 0;
    for (const char c : *result.text) {
        written += (c >= '0' && c <= '9') ? 1 : 0;
    }
    EXPECT_EQ(written, digits / 3 * 3);
}

TEST(FilterMore, HotDigitsReadOncePerCommand) {
    MainInput in = anyPosition();
    in.ticks[ListId::HCBox] = tickRows(ListId::HCBox, {0}); // "All hot"
    int reads = 0;
    in.readHotDigits = [&reads] {
        ++reads;
        HotDigits hot;
        hot.box = {1, 2, 3, 4, 5};
        return hot;
    };
    const CommandResult result = filterMore("123, 456, 678, 155", in);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(result.text, "456, 678\r\n");
}

TEST(FilterMore, RefusesBadInput) {
    const std::vector<std::pair<const char*, std::function<MainInput()>>> rows{
        {"consecutive mode -1",
         [] {
             MainInput in = anyPosition();
             in.iConsecMode = -1;
             return in;
         }},
        {"filter list of the wrong length",
         [] {
             MainInput in = positional();
             in.ticks[ListId::LMHStraight] = Ticks(10, false);
             return in;
         }},
    };
    for (const auto& [name, input] : rows) {
        SCOPED_TRACE(name);
        EXPECT_THROW(filterMore("123", input()), std::invalid_argument);
    }
}

} // namespace
} // namespace pick3
