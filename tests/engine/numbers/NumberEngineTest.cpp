// The number engine's commands: "Create numbers" and "Filter more" as results
// texts and captions, both commands' refusals in their orders, and the written
// order of boxed numbers under every code.

#include "engine/numbers/Commands.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

const std::string kSingles = "123, 124, 134, 234";
const std::string kDoubles = "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344";
const std::string kTriples = "111, 222, 333, 444";
const std::string kNotice(kAllExcludedNotice);

TEST(CreateNumbers, ResultsText) {
    const MainInput four = chosen({{1, 2, 3, 4}});
    const MainInput noDoubles = with(four, [](auto& in) { in.excludeDoubles = true; });
    // Hot: 1 in every list, read once and only when the mode's hot/cold set is in use.
    int reads = 0;
    const Change hot1 = [&reads](MainInput& in) {
        in.readHotDigits = [&reads] {
            return ++reads, HotDigits({std::vector<int>{1}, {1}, {1}}, {1});
        };
    };
    const MainInput twos = with(chosen({{1, 2}, {1, 2}, {1, 2}}), hot1);
    const std::string twosText = "\r\n112, 121, 122, 211, 212, 221\r\n111";
    const std::string all = kSingles + "\r\n" + kDoubles + "\r\n" + kTriples;
    struct Row {
        const char* name;
        MainInput in;
        std::string text;
        int count;
    };
    // clang-format off
    const std::vector<Row> rows{
        {"four digits", four, all, 20},
        // Empty sections keep their place: each structure has its line.
        {"no single", chosen({{1}, {1, 2}, {1}}), "\r\n121\r\n111", 2},
        {"no double, no triple", chosen({{1, 2}, {0}, {3, 4}}), "103, 104, 203, 204\r\n\r\n", 4},
        {"doubles excluded", noDoubles, kSingles + "\r\n" + kTriples, 8},
        {"output order", with(four, [](auto& in) { in.order = {"HML", "HLL", "HHL"}; }),
         "321, 421, 431, 432\r\n211, 311, 411, 221, 322, 422, 331, 332, 433, 441, 442, 443\r\n" + kTriples, 20},
        {"every single thrown out", with(four, tick(ListId::LMHDigits, {0})), "\r\n" + kDoubles + "\r\n" + kTriples, 16},
        {"must include 4", with(four, mustHave({{1, false}, {3, false}, {4, true}})),
         "124, 134, 234\r\n114, 224, 334, 144, 244, 344\r\n444", 10},
        {"left pair", with(chosen({{1, 3}, {1, 2}, {2, 3}}), [](auto& in) { in.pairs.left = {"12"}; }),
         "312\r\n112, 113, 313, 322, 323\r\n", 6},
        {"must include 9 of 1 to 4", with(four, mustHave({{9, true}})), kNotice, 0},
        // "All cold" and "CCC" throw out every number without a 1, each only in its own mode.
        {"all cold", with(with(noDoubles, hot1), tick(ListId::HCBox, {1})), "123, 124, 134\r\n111", 4},
        {"CCC", with(twos, tick(ListId::HCStraight, {7})), twosText, 7},
        {"box pattern positional", with(twos, tick(ListId::HCBox, {1})), twosText + ", 222", 8},
        {"nothing counted: all cold", with(noDoubles, tick(ListId::HCBox, {1})), kNotice, 0},
        {"every digit, boxed", chosen({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}), "", 220},
    };
    // clang-format on
    for (const auto& [name, in, text, count] : rows) {
        SCOPED_TRACE(name);
        const CommandResult result = createNumbers(in);
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_TRUE(text.empty() || result.text == text);
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(result.caption, count ? "Numbers created: " + std::to_string(count) : "");
    }
    EXPECT_EQ(reads, 2);
}

TEST(FilterMore, ReadsRegroupsAndWrites) {
    const MainInput any{};
    const MainInput pos = with(any, [](auto& in) { in.mode = DigitMode::Positional; });
    const MainInput orders = with(any, [](auto& in) { in.order = {"HML", "HLL", "HHL"}; });
    const MainInput doublesOnly =
        with(pos, [](auto& in) { in.excludeSingles = in.excludeTriples = true; });
    // clang-format off
    const std::vector<std::tuple<std::string, MainInput, std::string>> rows{
        {"321, 112, 555", any, "123\r\n112\r\n555\r\n"},
        {"555, 112, 321", any, "123\r\n112\r\n555\r\n"},
        {"1-2 3\r\n4,5\n6a7 8 9 0", any, "123, 456, 789\r\n"}, // the last 0 is dropped
        {"123 123 213 229 922", any, "123, 123, 123\r\n229, 229\r\n"},
        {"123, 213, 113, 133", orders, "321, 321\r\n311, 331\r\n"},
        // Straight numbers stay as read.
        {"321, 211, 555, 102", with(orders, [](auto& in) { in.mode = DigitMode::Positional; }), "321, 102\r\n211\r\n555\r\n"},
        {"123, 150, 600, 222, 124", with(any, tick(ListId::SumDigits, {6})), "124\r\n"},
        {"123, 312, 121", with(pos, [](auto& in) { in.pairs.left = {"12"}; }), "312\r\n"},
        {"123, 321", with(any, tick(ListId::LMHDigits, {0})), "123\r\n"}, // sort of the order read
        {"123, 456", with(any, mustHave({{7, true}})), "123, 456\r\n"},  // no must-include test
        {"112, 123, 444", doublesOnly, "112\r\n"},
        {"abc, 1, 2", any, kNotice},
        {kNotice, pos, kNotice},
        {"123, 444", with(doublesOnly, [](auto& in) { in.excludeDoubles = true; }), kNotice},
        // Any bytes at all: only ASCII digits count.
        {std::string("1\0002\0003", 5), pos, "123\r\n"},
        {"\xff\x80\xc3\xa9\x34\xe2\x82\xac\x35\xf0\x9f\x8e\xb2\x36", pos, "456\r\n"},
        {"\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93 \xd9\xa1\xd9\xa2\xd9\xa3", pos, kNotice},
        {"-1.2e3+4", pos, "123\r\n"},
    };
    // clang-format on
    for (const auto& [text, in, written] : rows) {
        SCOPED_TRACE(text);
        const CommandResult result = filterMore(text, in);
        const auto count = written == kNotice
                               ? 0
                               : std::count(written.begin(), written.end(), ',') +
                                     std::count(written.begin(), written.end(), '\n');
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_EQ(result.text, written);
        EXPECT_EQ(result.count, count);
        EXPECT_EQ(result.caption,
                  count ? "Newly filtered numbers (" + std::to_string(count) + ")" : "");
    }
}

// The first refusal of each command. "Create numbers" checks the digits, then
// must-include, then its lists, then the structures, and empties the box but
// leaves the count label; "Filter more" only its lists, in an order of its own,
// and leaves both. A list of the other mode is not read.
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
    // clang-format off
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
    // clang-format on
    for (const auto& [in, create, again] : rows) {
        SCOPED_TRACE(std::string(create) + " / " + std::string(again));
        const CommandResult created = createNumbers(in);
        const CommandResult filtered = filterMore("123", in);
        EXPECT_EQ(created.refusal.value_or(""), create);
        EXPECT_EQ(filtered.refusal.value_or(""), again);
        if (!create.empty()) {
            EXPECT_TRUE(created.text == "" && !created.caption.has_value());
        }
        if (!again.empty()) {
            EXPECT_FALSE(filtered.text.has_value() || filtered.caption.has_value());
        }
    }
    EXPECT_THROW(createNumbers(with(four, [](auto& in) { in.ticks[SumDigits] = Ticks(10); })),
                 std::invalid_argument);
}

TEST(OutputOrder, EveryCodeOfEveryFamily) {
    struct Row {
        const char *n, *sixWay, *llh, *lhh, *written;
    };
    // The single 2 4 7 and the doubles 3 3 8 and 1 6 6, whatever order they come in;
    // a triple, and a code outside its family, write nothing.
    const std::vector<Row> rows{
        {"274", "LMH", "LLH", "LHH", "247"}, {"274", "LHM", "LLH", "LHH", "274"},
        {"274", "MLH", "LLH", "LHH", "427"}, {"274", "MHL", "LLH", "LHH", "472"},
        {"274", "HLM", "LLH", "LHH", "724"}, {"742", "HML", "LLH", "LHH", "742"},
        {"833", "LMH", "LLH", "LHH", "338"}, {"833", "LMH", "LHL", "LHH", "383"},
        {"833", "LMH", "HLL", "LHH", "833"}, {"616", "LMH", "LLH", "LHH", "166"},
        {"616", "LMH", "LLH", "HLH", "616"}, {"166", "LMH", "LLH", "HHL", "661"},
        {"090", "LMH", "LHL", "HHL", "090"}, {"444", "LMH", "LLH", "LHH", ""},
        {"123", "LLH", "LLH", "LHH", ""},    {"123", "lmh", "LLH", "LHH", ""},
        {"113", "LMH", "LHH", "LLH", ""},    {"133", "LMH", "LHH", "LHHL", ""}};
    for (const auto& r : rows) {
        const auto [a, b, c] = test::digitsOf(r.n);
        EXPECT_EQ(fnBoxedOutputOrder(a, b, c, {r.sixWay, r.llh, r.lhh}), r.written)
            << r.n << " " << r.sixWay << " " << r.llh << " " << r.lhh;
    }
    EXPECT_THROW(fnBoxedOutputOrder(1, 2, 10, OutputOrder{}), std::invalid_argument);
}

// The option buttons store an index: the codes in button order, each mapping back.
TEST(OutputOrder, CodesByIndex) {
    using enum OrderFamily;
    std::string codes;
    for (const OrderFamily family : {SixWay, LLH, LHH}) {
        for (int i = 0; !orderCode(family, i).empty(); ++i) {
            const std::string code(orderCode(family, i));
            codes += code + (orderCodeIndex(family, code) == i ? " " : "? ");
        }
    }
    EXPECT_EQ(codes, "LMH LHM MLH MHL HLM HML LLH LHL HLL LHH HLH HHL ");
    EXPECT_TRUE(orderCode(LLH, -1).empty() && orderCodeIndex(LLH, "LHH") == -1);
}

} // namespace
} // namespace pick3
