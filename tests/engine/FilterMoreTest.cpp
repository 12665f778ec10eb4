// "Filter more": digits read in threes from any text, regrouped by structure.

#include "engine/Commands.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

const MainInput any{};
const MainInput pos = with(any, [](auto& in) { in.mode = DigitMode::Positional; });

TEST(FilterMore, ReadsRegroupsAndWrites) {
    const std::string notice(kAllExcludedNotice);
    const MainInput orders = with(any, [](auto& in) { in.order = {"HML", "HLL", "HHL"}; });
    const MainInput doublesOnly =
        with(pos, [](auto& in) { in.excludeSingles = in.excludeTriples = true; });
    const std::vector<std::tuple<std::string, MainInput, std::string>> rows{
        {"321, 112, 555", any, "123\r\n112\r\n555\r\n"},
        {"555, 112, 321", any, "123\r\n112\r\n555\r\n"},
        {"1-2 3\r\n4,5\n6a7 8 9 0", any, "123, 456, 789\r\n"}, // the last 0 is dropped
        {"123 123 213 229 922", any, "123, 123, 123\r\n229, 229\r\n"},
        {"123, 213, 113, 133", orders, "321, 321\r\n311, 331\r\n"},
        {"321, 211, 555, 102", with(orders, [](auto& in) { in.mode = DigitMode::Positional; }),
         "321, 102\r\n211\r\n555\r\n"}, // straight numbers stay as read
        {"123, 150, 600, 222, 124", with(any, tick(ListId::SumDigits, {6})), "124\r\n"},
        {"123, 312, 121", with(pos, [](auto& in) { in.pairs.left = {"12"}; }), "312\r\n"},
        {"123, 321", with(any, tick(ListId::LMHDigits, {0})), "123\r\n"}, // sort of the order read
        // Must-include is not tested again.
        {"123, 456", with(any, mustHave({{7, true}})), "123, 456\r\n"},
        {"112, 123, 444", doublesOnly, "112\r\n"},
        {"abc, 1, 2", any, notice},
        {notice, pos, notice},
        {"123, 444", with(doublesOnly, [](auto& in) { in.excludeDoubles = true; }), notice},
        // Any bytes at all: only ASCII digits count.
        {std::string("1\0002\0003", 5), pos, "123\r\n"},
        {"\xff\x80\xc3\xa9\x34\xe2\x82\xac\x35\xf0\x9f\x8e\xb2\x36", pos, "456\r\n"},
        {"\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93 \xd9\xa1\xd9\xa2\xd9\xa3", pos, notice},
        {"-1.2e3+4", pos, "123\r\n"},
    };
    for (const auto& [text, in, written] : rows) {
        SCOPED_TRACE(text);
        const CommandResult result = filterMore(text, in);
        const auto count = written == notice ? 0
                                             : std::count(written.begin(), written.end(), ',') +
                                                   std::count(written.begin(), written.end(), '\n');
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_EQ(result.text, written);
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(result.caption,
                  count ? "Newly filtered numbers (" + std::to_string(count) + ")" : "");
    }
    // A refusal leaves the text and the caption as they are.
    const CommandResult refused =
        filterMore("123", with(pos, tick(ListId::InOutStraight, {0, 1, 2, 3, 4, 5, 6, 7})));
    EXPECT_EQ(refused.refusal, "You can not exclude all InOut-patterns.");
    EXPECT_FALSE(refused.text.has_value() || refused.caption.has_value());
}

// A megabyte of random bytes: every group of three ASCII digits is read.
TEST(FilterMore, AMegabyteOfJunk) {
    std::mt19937 gen(99u);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string megabyte(1 << 20, '\0');
    std::generate(megabyte.begin(), megabyte.end(), [&] { return static_cast<char>(byte(gen)); });
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto digits = std::count_if(megabyte.begin(), megabyte.end(), isDigit);
    const CommandResult result = filterMore(megabyte, pos);
    EXPECT_EQ(result.count, digits / 3);
    EXPECT_EQ(std::count_if(result.text->begin(), result.text->end(), isDigit), digits / 3 * 3);
}

} // namespace
} // namespace pick3
