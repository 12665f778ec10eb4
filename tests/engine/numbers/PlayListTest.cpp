// The numbers to take away: read from any box text, written as shown and as
// CSV, and the heading of a printed list where nothing is ticked or a refusal stands.

#include "engine/numbers/PlayList.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

TEST(PlayList, ReadAndWrittenAsShownAndAsCsv) {
    // The box text, the file as shown, the CSV rows after the header (line breaks as "|").
    const std::vector<
        std::tuple<const char*, DigitMode, std::string_view, std::string_view, std::string_view>>
        rows{
            {"three sections, boxed", DigitMode::AnyPosition, "123, 132\r\n112\r\n777",
             "123, 132\r\n112\r\n777\r\n",
             "123,single,boxed,LMH|132,single,boxed,LHM|112,double,boxed,LLH|777,triple,boxed,"
             "LLL|"},
            {"a number across a line break stands on its first line; two digits left over",
             DigitMode::Positional, "31\r\n2-55x0 78", "312\r\n550\r\n",
             "312,single,straight,HLM|550,double,straight,HHL|"},
            {"the contact block holds none", DigitMode::AnyPosition,
             "\r\n\r\nhttps://www.quorvel.example/\r\npick3@quorvel.example", "", ""},
        };
    for (const auto& [name, mode, box, shown, csvRows] : rows) {
        SCOPED_TRACE(name);
        const PlayList list = readPlayList(box, mode);
        EXPECT_EQ(playListText(list), shown);
        std::string csv = playListCsv(list);
        csv.erase(std::remove(csv.begin(), csv.end(), '\r'), csv.end());
        std::replace(csv.begin(), csv.end(), '\n', '|');
        EXPECT_EQ(csv, "number,structure,play,digit-sort|" + std::string(csvRows));
    }
}

TEST(PlayList, HeadingWithoutConditionsOrRefused) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const PlayListHeading none =
        playListHeading(readPlayList("550", DigitMode::Positional), chosen({all, all, all}));
    EXPECT_EQ(none.mode + joined(none.conditions) + none.count,
              "Positional: straight numbersnone1 number: 1 double");
    const PlayListHeading refused = playListHeading(PlayList{}, chosen({{1, 2, 3}}));
    EXPECT_EQ(joined(refused.conditions) + refused.count,
              std::string(kRefusedSettingsPrefix) + std::string(kMsgFourDigits) + "0 numbers");
}

// A printed list names each list's ticked items on one line, and groups its numbers by structure.
TEST(PlayList, ConditionsOneListALineNumbersByStructure) {
    const MainInput digits = chosen({{1, 2, 3, 4}});
    const std::vector<std::tuple<const char*, MainInput, std::string_view>> rows{
        {"one list", with(digits, tick(ListId::SumDigits, {6, 7, 9})),
         "Use Digits: 1, 2, 3, 4|Sumdigits: 6, 7, 9"},
        {"two lists, a width under its heading",
         with(with(digits, tick(ListId::Root, {6})), tick(ListId::WidthLowestMiddle, {1, 2})),
         "Use Digits: 1, 2, 3, 4|Width Lowest- middle: 1, 2|Root: 6"},
        {"structure boxes stay one a line",
         with(with(digits, tick(ListId::SumDigits, {6})),
              [](MainInput& in) { in.excludeTriples = in.excludeDoubles = true; }),
         "Use Digits: 1, 2, 3, 4|Exclude doubles|Exclude trips|Sumdigits: 6"},
    };
    for (const auto& [name, settings, lines] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(joined(playListHeading(PlayList{}, settings).conditions), lines);
    }
    const auto groups =
        numbersByStructure(readPlayList("112 123 777 121 132", DigitMode::AnyPosition));
    EXPECT_EQ(joined(groups[0]) + "/" + joined(groups[1]) + "/" + joined(groups[2]),
              "123|132/112|121/777");
}

} // namespace
} // namespace pick3
