// Set files: what a good file sets, the sentence that refuses each bad one, and
// random settings written and read back unchanged.

#include "engine/sets/FilterSetFile.h"

#include "Support.h"

#include <random>

namespace pick3 {
namespace {

const std::string kHead = "Pick3 Tallymoor filter set, version 1\n";
std::string setText(const std::string& body) {
    return kHead + body + "End of filter set\n";
}

TEST(FilterSetFile, GoodFilesSetWhatTheyName) {
    // A hand-written set: a BOM, CR LF, comments, blank lines, spaces, settings left out.
    const auto read = readFilterSet("\xEF\xBB\xBF" + kHead +
                                    "# tonight\r\n\r\n  Digit mode :  Positional \r\n"
                                    "Pos. 1: 1, 2\r\nPos. 3: 2,9\r\nOddEven by position: OOO\r\n"
                                    "Hot/cold box: Mostly cold\r\nLeft pairs: 70, 07\r\n"
                                    "Consecutives: Must have 2\r\nOrder of doubles LHH: HHL\r\n"
                                    "End of filter set\r\n\r\n# done\r\n");
    ASSERT_TRUE(read.ok()) << read.refusal();
    EXPECT_EQ(read->mode, DigitMode::Positional);
    EXPECT_EQ(read->ticks[ListId::DigitsWheelPos1_2],
              test::tickRows(ListId::DigitsWheelPos1_2, {2, 9}));
    EXPECT_EQ(read->ticks[ListId::OddEvenStraight], test::tickRows(ListId::OddEvenStraight, {7}));
    EXPECT_EQ(read->ticks[ListId::HCBox], test::tickRows(ListId::HCBox, {3}));
    EXPECT_EQ(read->pairs.left, (PairSet{"07", "70"}));
    EXPECT_EQ(read->iConsecMode, 3);
    EXPECT_EQ(read->order, (OutputOrder{"LMH", "LLH", "HHL"}));
    // Without a "Must include" line every chosen digit is ticked, as a tick by hand does.
    EXPECT_EQ(read->mustInclude, (std::vector<int>{1, 2, 9}));
    // An empty file body is the window as it starts.
    EXPECT_EQ(*readFilterSet(setText("")), filterSetOf(MainInput{}));
}

TEST(FilterSetFile, BadFilesAreRefusedNamingTheLine) {
    const std::string cut = kHead + "Root: 1\n";
    struct Row {
        const char* name;
        std::string text;
        std::string refusal;
    };
    const std::vector<Row> rows{
        {"empty", "",
         "The file is empty; a filter set starts with the line \"Pick3 Tallymoor filter set, "
         "version 1\"."},
        {"oversized", std::string(1'000'001, '#'),
         "The file is larger than 1 MB; a filter set is a few lines of text."},
        {"binary", std::string("\x89PNG\r\n\x1A\n\0\0", 10),
         "The file is not text (it holds binary data, or text that is not UTF-8); expected a "
         "filter set written as text."},
        {"not UTF-8", setText("Root: \xC0\xAF\n"),
         "The file is not text (it holds binary data, or text that is not UTF-8); expected a "
         "filter set written as text."},
        {"another kind", "097 123 458\n",
         "Line 1: expected \"Pick3 Tallymoor filter set, version 1\"; found \"097 123 458\". "
         "This file is not a filter set."},
        {"newer version", "Pick3 Tallymoor filter set, version 2\nWhatever: new\n",
         "This filter set is in format version 2, written by a newer Pick3 Tallymoor; this one "
         "reads version 1."},
        {"truncated", cut,
         "The file ends at line 2 without the line \"End of filter set\"; it seems cut short."},
        {"no colon", setText("Root 5\n"), "Line 2: expected \"name: values\"; found \"Root 5\"."},
        {"unknown list", setText("Rooot: 5\n"),
         "Line 2: \"Rooot\" is no list or setting of a filter set; expected a name such as "
         "\"Sumdigits\" or \"Digit mode\"."},
        {"unknown item", setText("OddEven: All even, all odd\n"),
         "Line 2: \"OddEven\" has no item \"all odd\"; expected All even, All odd, Mostly even, "
         "Mostly odd."},
        {"digit outside 0 to 9", setText("Digits: 1, 10\n"),
         "Line 2: \"Digits\" has no item \"10\"; expected 0, 1, 2, 3, 4, 5, 6, 7, 8, 9."},
        {"item twice", setText("Root: 5, 3, 5\n"),
         "Line 2: \"Root\" lists \"5\" twice; each item goes in once."},
        {"setting twice", setText("Root: 5\n\nRoot: 6\n"),
         "Line 4: \"Root\" is set twice (first on line 2); expected each setting once."},
        {"unknown mode", setText("Digit mode: Boxed\n"),
         "Line 2: \"Digit mode\" expects Any position or Positional; found \"Boxed\"."},
        {"unknown option", setText("Consecutives: Sometimes\n"),
         "Line 2: \"Consecutives\" expects Doesn't matter, Must have, Exclude or Must have 2; "
         "found \"Sometimes\"."},
        {"not yes or no", setText("Exclude trips: maybe\n"),
         "Line 2: \"Exclude trips\" expects no or yes; found \"maybe\"."},
        {"order code refused", setText("Order of doubles LLH: LMH\n"),
         "Line 2: \"Order of doubles LLH\" expects LLH, LHL or HLL; found \"LMH\"."},
        {"boxed pair larger first", setText("Boxed pairs: 01, 10\n"),
         "Line 2: \"Boxed pairs\" has \"10\", which is no pair; expected two digits, the smaller "
         "first (such as 07)."},
        {"list of the other mode", setText("LMH by position: LLL\n"),
         "Line 2: \"LMH by position\" is not used in Any position mode; expected it empty in a "
         "set of that mode."},
        {"must include an unchosen digit", setText("Digits: 1, 2\nMust include: 2, 5\n"),
         "Line 3: \"Must include\" has 5, which is not among the chosen digits; expected only "
         "digits chosen in the digit lists."},
        {"after the end", setText("") + "Root: 1\n",
         "Line 3: expected nothing after \"End of filter set\"; found \"Root: 1\"."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readFilterSet(row.text);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.refusal(), row.refusal);
    }
}

// Random settings of either mode, as the windows can hold them.
FilterSet randomSet(std::mt19937& random) {
    const auto coin = [&random] { return random() % 3 == 0; };
    FilterSet set;
    set.mode = random() % 2 == 0 ? DigitMode::AnyPosition : DigitMode::Positional;
    const bool any = set.mode == DigitMode::AnyPosition;
    for (const ListEntry& entry : catalogue()) {
        Ticks& ticks = set.ticks[entry.id] = Ticks(entry.items.size(), false);
        const bool digits = entry.id <= ListId::DigitsWheelPos1_2;
        if (digits ? any == (entry.id == ListId::DigitsWheel)
                   : entry.shownIn != (any ? ShownIn::Positional : ShownIn::AnyPosition)) {
            std::generate(ticks.begin(), ticks.end(), coin);
        }
    }
    for (const MustHaveItem& item : mustHaveOf(set)) {
        if (coin()) {
            set.mustInclude.push_back(item.digit);
        }
    }
    set.excludeDoubles = coin();
    set.iConsecMode = static_cast<int>(random() % 4);
    set.chk0And9 = coin();
    for (PairSet* pairs : {&set.pairs.boxed, &set.pairs.left, &set.pairs.split}) {
        const auto& texts = pairs == &set.pairs.boxed ? boxedPairTexts() : straightPairTexts();
        if (pairs == &set.pairs.boxed || !any) {
            std::copy_if(texts.begin(), texts.end(), std::back_inserter(*pairs),
                         [&](const std::string&) { return random() % 9 == 0; });
        }
    }
    set.order.sixWay = orderCode(OrderFamily::SixWay, static_cast<int>(random() % 6));
    set.order.lhh = orderCode(OrderFamily::LHH, static_cast<int>(random() % 3));
    return set;
}

TEST(FilterSetFile, RandomSettingsComeBackUnchanged) {
    std::mt19937 random(15);
    for (int run = 0; run < 300; ++run) {
        const FilterSet set = randomSet(random);
        const std::string text = writeFilterSet(set);
        const auto read = readFilterSet(text);
        ASSERT_TRUE(read.ok()) << read.refusal() << "\n" << text;
        ASSERT_EQ(*read, set) << text;
        EXPECT_EQ(writeFilterSet(*read), text);
    }
}

} // namespace
} // namespace pick3
