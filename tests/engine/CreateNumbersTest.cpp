// "Create numbers": the results text and caption; both number commands' refusals.

#include "engine/Commands.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

const std::string kSingles = "123, 124, 134, 234";
const std::string kDoubles = "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344";
const std::string kTriples = "111, 222, 333, 444";

TEST(CreateNumbers, ResultsText) {
    const MainInput four = chosen({{1, 2, 3, 4}});
    const MainInput ordered = with(four, [](auto& in) { in.order = {"HML", "HLL", "HHL"}; });
    const MainInput noDoubles = with(four, [](auto& in) { in.excludeDoubles = true; });
    const std::string notice(kAllExcludedNotice);
    // The hot digits are read once, and only when the mode's hot/cold set is in use.
    int reads = 0;
    const Change hot1 = [&reads](MainInput& in) {
        in.readHotDigits = [&reads] {
            ++reads;
            return HotDigits({std::vector<int>{1}, {1}, {1}}, {1});
        };
    };
    const MainInput anyHot = with(noDoubles, hot1);
    const MainInput twos = with(chosen({{1, 2}, {1, 2}, {1, 2}}), hot1);
    const std::string twosText = "\r\n112, 121, 122, 211, 212, 221\r\n111";
    struct Row {
        const char* name;
        MainInput in;
        std::string text;
        int count;
    };
    const std::vector<Row> rows{
        {"four digits", four, kSingles + "\r\n" + kDoubles + "\r\n" + kTriples, 20},
        // Empty sections keep their place: each structure has its line.
        {"no single", chosen({{1}, {1, 2}, {1}}), "\r\n121\r\n111", 2},
        {"no double, no triple", chosen({{1, 2}, {0}, {3, 4}}), "103, 104, 203, 204\r\n\r\n", 4},
        {"doubles excluded", noDoubles, kSingles + "\r\n" + kTriples, 8},
        {"output order", ordered,
         "321, 421, 431, 432\r\n211, 311, 411, 221, 322, 422, 331, 332, 433, 441, 442, 443\r\n" +
             kTriples,
         20},
        {"every single thrown out", with(four, tick(ListId::LMHDigits, {0})),
         "\r\n" + kDoubles + "\r\n" + kTriples, 16},
        {"must include 4", with(four, mustHave({{1, false}, {3, false}, {4, true}})),
         "124, 134, 234\r\n114, 224, 334, 144, 244, 344\r\n444", 10},
        {"left pair",
         with(chosen({{1, 3}, {1, 2}, {2, 3}}), [](auto& in) { in.pairs.left = {"12"}; }),
         "312\r\n112, 113, 313, 322, 323\r\n", 6},
        {"must include 9 of 1 to 4", with(four, mustHave({{9, true}})), notice, 0},
        // Hot: 1 in every list. "All cold" and "CCC" throw out every number without
        // a 1, each only in its own mode; with nothing counted every digit is cold.
        {"all cold", with(anyHot, tick(ListId::HCBox, {1})), "123, 124, 134\r\n111", 4},
        {"straight pattern in any position", with(anyHot, tick(ListId::HCStraight, {7})),
         kSingles + "\r\n" + kTriples, 8},
        {"CCC", with(twos, tick(ListId::HCStraight, {7})), twosText, 7},
        {"box pattern positional", with(twos, tick(ListId::HCBox, {1})), twosText + ", 222", 8},
        {"nothing counted", with(noDoubles, tick(ListId::HCBox, {1})), notice, 0},
    };
    for (const auto& [name, in, text, count] : rows) {
        SCOPED_TRACE(name);
        const CommandResult result = createNumbers(in);
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_EQ(result.text, text);
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(result.caption, count ? "Numbers created: " + std::to_string(count) : "");
    }
    EXPECT_EQ(reads, 2);
}

// Every digit: each boxed combination or each straight number once.
TEST(CreateNumbers, EveryDigitInBothModes) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(createNumbers(chosen({all})).count, 220);
    EXPECT_EQ(createNumbers(chosen({all, all, all})).count, 1000);
}

// The first refusal of each command. "Create numbers" checks the digits, then
// must-include, then its lists, then the structures; "Filter more" only its
// lists, in an order of its own. A list of the other mode is not read.
TEST(CreateNumbers, RefusalsOfBothCommandsInTheirOrder) {
    using enum ListId;
    const auto full = [](const std::vector<ListId>& lists) -> Change {
        return [lists](MainInput& in) {
            for (const ListId list : lists) {
                in.ticks[list] = tickAll(list);
            }
        };
    };
    const auto of = [](ListId list) { return listEntry(list).refusal; };
    const Change noMustHave = mustHave({{1, false}});
    const Change noStructure = [](MainInput& in) {
        in.excludeSingles = in.excludeDoubles = in.excludeTriples = true;
    };
    const MainInput four = chosen({{1, 2, 3, 4}}), straight = chosen({{1}, {2}, {3}});
    const std::vector<std::tuple<MainInput, std::string_view, std::string_view>> rows{
        {with(chosen({{1, 2, 3}}), full({Root})), kMsgFourDigits, of(Root)},
        {with(chosen({{1}, {}, {3}}), noMustHave), kMsgAllThreeLists, ""},
        {with(with(four, noMustHave), full({Root})), kMsgMustInclude, of(Root)},
        {with(with(four, noStructure), full({HighLow})), of(HighLow), of(HighLow)},
        {with(straight, full({InOutStraight})), of(InOutStraight), of(InOutStraight)},
        {with(four, noStructure), kMsgNoStructure, ""},
        {with(four, full({OCSStraight})), "", ""},
        {with(straight, full({OddEven})), "", ""},
        {with(four, full({LDR, LMHDigits})), of(LMHDigits), of(LDR)},
        {with(four, full({LDR, OCS})), of(OCS), of(LDR)},
        {with(four, full({WidthLowestMiddle, WidthX_X})), of(WidthX_X), of(WidthLowestMiddle)},
        {with(four, full({WidthMiddleHighest, Width_XX})), of(Width_XX), of(WidthMiddleHighest)},
        {with(four, full({LMHDigits, Root})), of(Root), of(Root)},
        {with(four, full({SumDigits, Width})), of(Width), of(Width)},
        {with(four, full({InOut, HighLow, OddEven})), of(OddEven), of(OddEven)},
    };
    const auto message = [](const CommandResult& r) { return r.refusal.value_or(""); };
    for (const auto& [in, create, again] : rows) {
        SCOPED_TRACE(std::string(create) + " / " + std::string(again));
        const CommandResult result = createNumbers(in);
        EXPECT_EQ(message(result), create);
        EXPECT_EQ(message(filterMore("123", in)), again);
        if (!create.empty()) {
            EXPECT_EQ(result.text, "") << "the box is emptied before the settings are checked";
            EXPECT_FALSE(result.caption.has_value()) << "the count label keeps its caption";
        }
    }
    EXPECT_THROW(createNumbers(with(four, [](auto& in) { in.ticks[SumDigits] = Ticks(10); })),
                 std::invalid_argument);
}

} // namespace
} // namespace pick3
