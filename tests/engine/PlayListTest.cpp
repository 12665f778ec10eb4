// The numbers to take away: read from any box text, written as shown and as
// CSV, and the heading of a printed list.

#include "engine/PlayList.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

TEST(PlayList, ReadAndWrittenAsShownAndAsCsv) {
    struct Row {
        const char* name;
        DigitMode mode;
        std::string_view box, shown, csvRows;
    };
    const std::vector<Row> rows{
        {"three sections, boxed", DigitMode::AnyPosition, "123, 132\r\n112\r\n777",
         "123, 132\r\n112\r\n777\r\n",
         "123,single,boxed,LMH|132,single,boxed,LHM|112,double,boxed,LLH|777,triple,boxed,LLL"},
        {"a number across a line break stands on its first line; two digits left over",
         DigitMode::Positional, "31\r\n2-55x0 78", "312\r\n550\r\n",
         "312,single,straight,HLM|550,double,straight,HHL"},
        {"the contact block holds none", DigitMode::AnyPosition,
         "\r\n\r\nhttps://www.quorvel.example/\r\npick3@quorvel.example", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PlayList list = readPlayList(row.box, row.mode);
        EXPECT_EQ(playListText(list), row.shown);
        std::string csv = playListCsv(list);
        std::replace(csv.begin(), csv.end(), '\n', '|');
        csv.erase(std::remove(csv.begin(), csv.end(), '\r'), csv.end());
        EXPECT_EQ(csv, "number,structure,play,digit-sort|" + std::string(row.csvRows) +
                           (row.csvRows.empty() ? "" : "|"));
    }
}

TEST(PlayList, HeadingNamesTheConditionsAsTheBackTestDoes) {
    const auto heading = [](std::string_view box, const MainInput& in) {
        const PlayListHeading h = playListHeading(readPlayList(box, in.mode), in);
        return h.mode + " / " + joined(h.conditions) + " / " + h.count;
    };
    EXPECT_EQ(
        heading("123, 124\r\n111", with(chosen({{1, 2, 3, 4}}), tick(ListId::SumDigits, {6}))),
        "Any position: boxed numbers / Use Digits: 1, 2, 3, 4|Sumdigits 6 / 3 numbers: 2 "
        "singles, 1 triple");
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(heading("550", chosen({all, all, all})),
              "Positional: straight numbers / none / 1 number: 1 double");
    EXPECT_EQ(heading("", chosen({{1, 2, 3}})), "Any position: boxed numbers / " +
                                                    std::string(kRefusedSettingsPrefix) +
                                                    std::string(kMsgFourDigits) + " / 0 numbers");
}

} // namespace
} // namespace pick3
