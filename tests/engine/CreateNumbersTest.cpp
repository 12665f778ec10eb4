// "Create numbers": the results text in both modes with its CR LF layout and
// count caption, the refusals in the command's order, and the hot digits.

#include "engine/Commands.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::Change;
using test::chosen;
using test::tick;
using test::tickAll;
using test::tickRows;
using test::with;

const std::string kSingles = "123, 124, 134, 234";
const std::string kDoubles = "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344";
const std::string kTriples = "111, 222, 333, 444";

TEST(CreateNumbers, ResultsText) {
    const MainInput four = chosen({{1, 2, 3, 4}});
    const std::vector<std::tuple<MainInput, std::string, int>> rows{
        {four, kSingles + "\r\n" + kDoubles + "\r\n" + kTriples, 20},
        // Empty sections keep their place: each structure has its line.
        {chosen({{1}, {1, 2}, {1}}), "\r\n121\r\n111", 2},
        {chosen({{1, 2}, {0}, {3, 4}}), "103, 104, 203, 204\r\n\r\n", 4},
        {with(four, [](auto& in) { in.excludeDoubles = true; }), kSingles + "\r\n" + kTriples, 8},
        {with(four,
              [](auto& in) {
                  in.order = {"HML", "HLL", "HHL"};
              }),
         "321, 421, 431, 432\r\n211, 311, 411, 221, 322, 422, 331, 332, 433, 441, 442, 443\r\n" +
             kTriples,
         20},
        {with(four, tick(ListId::LMHDigits, {0})), "\r\n" + kDoubles + "\r\n" + kTriples,
         16}, // every single thrown out
        {with(four,
              [](auto& in) {
                  in.mustHave = {{1, false}, {3, false}, {4, true}};
              }),
         "124, 134, 234\r\n114, 224, 334, 144, 244, 344\r\n444", 10},
        {with(chosen({{1, 3}, {1, 2}, {2, 3}}), [](auto& in) { in.pairs.left = {"12"}; }),
         "312\r\n112, 113, 313, 322, 323\r\n", 6},
        {with(four,
              [](auto& in) {
                  in.mustHave = {{9, true}};
              }),
         std::string(kAllExcludedNotice), 0},
    };
    for (const auto& [in, text, count] : rows) {
        const CommandResult result = createNumbers(in);
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.text, text);
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(result.caption, count ? "Numbers created: " + std::to_string(count) : "");
    }
}

// Every digit: each boxed combination, written ascending, or each straight
// number, exactly once, on three lines.
TEST(CreateNumbers, LargestRunsInBothModes) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (const auto& [in, count] :
         {std::pair{chosen({all}), 220}, {chosen({all, all, all}), 1000}}) {
        const CommandResult result = createNumbers(in);
        std::set<int> seen;
        forEachTriple(*result.text, [&](int a, int b, int c) {
            EXPECT_TRUE(seen.insert(a * 100 + b * 10 + c).second) << a << b << c;
            EXPECT_TRUE(in.mode == DigitMode::Positional || (a <= b && b <= c));
        });
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(std::count(result.text->begin(), result.text->end(), '\n'), 2);
    }
}

// The digits, then must-include, then the lists, then the structures; a list
// of the other mode is not read, so it refuses nothing.
TEST(CreateNumbers, RefusalsInTheCommandsOrder) {
    const auto full = [](ListId list) {
        return [list](MainInput& in) { in.ticks[list] = tickAll(list); };
    };
    const Change noMustHave = [](MainInput& in) { in.mustHave = {{1, false}}; };
    const Change noStructure = [](MainInput& in) {
        in.excludeSingles = in.excludeDoubles = in.excludeTriples = true;
    };
    const MainInput four = chosen({{1, 2, 3, 4}});
    const std::vector<std::pair<MainInput, std::string_view>> rows{
        {with(chosen({{1, 2, 3}}), full(ListId::Root)), kMsgFourDigits},
        {with(chosen({{1}, {}, {3}}), noMustHave), kMsgAllThreeLists},
        {with(with(four, noMustHave), full(ListId::Root)), kMsgMustInclude},
        {with(with(four, noStructure), full(ListId::HighLow)), listEntry(ListId::HighLow).refusal},
        {with(chosen({{1}, {2}, {3}}), full(ListId::InOutStraight)),
         listEntry(ListId::InOutStraight).refusal},
        {with(four, noStructure), kMsgNoStructure},
        {with(four, full(ListId::OCSStraight)), ""},
        {with(chosen({{1}, {2}, {3}}), full(ListId::OddEven)), ""},
    };
    for (const auto& [in, message] : rows) {
        const CommandResult result = createNumbers(in);
        EXPECT_EQ(result.message, message);
        if (!message.empty()) {
            EXPECT_EQ(result.text, "") << "the box is emptied before the settings are checked";
            EXPECT_FALSE(result.caption.has_value()) << "the count label keeps its caption";
        }
    }
    EXPECT_THROW(
        createNumbers(with(four, [](auto& in) { in.ticks[ListId::SumDigits] = Ticks(10); })),
        std::invalid_argument);
}

// Each command reports the first refused list in its own order.
TEST(CreateNumbers, ReaderOrderOfBothCommands) {
    using enum ListId;
    const std::vector<std::tuple<std::vector<ListId>, ListId, ListId>> rows{
        {{LDR, LMHDigits}, LMHDigits, LDR},
        {{LDR, OCS}, OCS, LDR},
        {{WidthLowestMiddle, WidthX_X}, WidthX_X, WidthLowestMiddle},
        {{WidthMiddleHighest, Width_XX}, Width_XX, WidthMiddleHighest},
        {{LMHDigits, Root}, Root, Root},
        {{SumDigits, Width}, Width, Width},
        {{InOut, HighLow, OddEven}, OddEven, OddEven},
    };
    for (const auto& [full, create, filterMore] : rows) {
        MainInput in = chosen({{1, 2, 3, 4}});
        for (const ListId list : full) {
            in.ticks[list] = tickAll(list);
        }
        FilterSettings settings;
        EXPECT_EQ(readFilterSettings(in, ReaderOrder::Create, settings), listEntry(create).refusal);
        EXPECT_EQ(readFilterSettings(in, ReaderOrder::FilterMore, settings),
                  listEntry(filterMore).refusal);
    }
}

// The hot digits are read once, and only when the current mode's hot/cold set
// is in use. Hot: 1 in every list; "CCC" and "All cold" throw out every number
// without a 1.
TEST(CreateNumbers, HotDigitsReadOnlyWhenTheModesSetIsInUse) {
    const MainInput pos = chosen({{1, 2}, {1, 2}, {1, 2}});
    const MainInput any = with(chosen({{1, 2, 3, 4}}), [](auto& in) { in.excludeDoubles = true; });
    const std::vector<std::tuple<MainInput, ListId, int, int, int>> rows{
        {pos, ListId::HCStraight, 7, 1, 7},
        {pos, ListId::HCBox, 1, 0, 8},
        {any, ListId::HCBox, 1, 1, 4},
        {any, ListId::HCStraight, 7, 0, 8},
    };
    for (auto [in, list, row, reads, count] : rows) {
        in.ticks[list] = tickRows(list, {row});
        int seen = 0;
        in.readHotDigits = [&seen] {
            ++seen;
            return HotDigits{{std::vector<int>{1}, {1}, {1}}, {1}};
        };
        EXPECT_EQ(createNumbers(in).count, count) << listEntry(list).controlName;
        EXPECT_EQ(seen, reads);
    }
    // Nothing counted yet: every digit is cold.
    EXPECT_EQ(createNumbers(with(any, tick(ListId::HCBox, {1}))).text,
              std::string(kAllExcludedNotice));
}

} // namespace
} // namespace pick3
