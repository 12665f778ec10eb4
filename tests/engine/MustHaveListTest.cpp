// The must-include list follows the ticks of the digit lists: digits come in
// sorted, re-tick the whole list when one is added, and leave only when no
// position list still holds them.

#include "engine/MustHaveList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

// "1 3* 5" style: the digits in list order, a star on every unticked one.
std::string shown(const MustHaveList& list) {
    std::string out;
    for (const MustHaveItem& item : list.items()) {
        if (!out.empty()) {
            out += ' ';
        }
        out += static_cast<char>('0' + item.digit);
        if (!item.ticked) {
            out += '*';
        }
    }
    return out;
}

// One step: a tick change in a digit list, or the user's own tick in the list.
struct Step {
    enum Kind { DigitTick, UserTick } kind;
    int value; // the digit, or the row for a user tick
    bool ticked;
    bool stillChosen; // only for DigitTick
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::string expected;
};

TEST(MustHaveList, FollowsTheDigitLists) {
    using K = Step::Kind;
    const std::vector<Case> cases{
        {"digits arrive in ascending order, all ticked",
         {{K::DigitTick, 1, true, false},
          {K::DigitTick, 5, true, false},
          {K::DigitTick, 3, true, false}},
         "1 3 5"},
        {"adding a digit ticks the user's unticked items again",
         {{K::DigitTick, 1, true, false},
          {K::DigitTick, 5, true, false},
          {K::DigitTick, 3, true, false},
          {K::UserTick, 1, false, false},
          {K::DigitTick, 7, true, false}},
         "1 3 5 7"},
        {"a digit already listed changes nothing, not even the ticks",
         {{K::DigitTick, 4, true, false},
          {K::DigitTick, 6, true, false},
          {K::UserTick, 0, false, false},
          {K::DigitTick, 6, true, false}},
         "4* 6"},
        {"removing keeps the other ticks",
         {{K::DigitTick, 2, true, false},
          {K::DigitTick, 8, true, false},
          {K::DigitTick, 9, true, false},
          {K::UserTick, 0, false, false},
          {K::DigitTick, 8, false, false}},
         "2* 9"},
        {"a digit still ticked in another position list stays",
         {{K::DigitTick, 4, true, false},
          {K::DigitTick, 4, true, false},
          {K::DigitTick, 4, false, true}},
         "4"},
        {"the last position list to drop a digit removes it",
         {{K::DigitTick, 4, true, false},
          {K::DigitTick, 4, false, true},
          {K::DigitTick, 4, false, false}},
         ""},
        {"removing a digit that is not listed does nothing",
         {{K::DigitTick, 0, true, false}, {K::DigitTick, 9, false, false}},
         "0"},
        {"a user tick outside the list is ignored",
         {{K::DigitTick, 0, true, false},
          {K::UserTick, 1, false, false},
          {K::UserTick, -1, false, false}},
         "0"},
        {"zero and nine sort at the ends",
         {{K::DigitTick, 9, true, false},
          {K::DigitTick, 0, true, false},
          {K::DigitTick, 5, true, false}},
         "0 5 9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MustHaveList list;
        for (const Step& s : c.steps) {
            if (s.kind == K::DigitTick) {
                list.followDigitTick(s.value, s.ticked, s.stillChosen);
            } else {
                list.setTicked(s.value, s.ticked);
            }
        }
        EXPECT_EQ(shown(list), c.expected);
    }
}

TEST(MustHaveList, AllTenDigitsThenClear) {
    MustHaveList list;
    for (int d = 9; d >= 0; --d) {
        list.followDigitTick(d, true, false);
    }
    EXPECT_EQ(shown(list), "0 1 2 3 4 5 6 7 8 9");
    EXPECT_TRUE(list.contains(0));
    list.clear();
    EXPECT_TRUE(list.items().empty());
    EXPECT_FALSE(list.contains(0));
}

TEST(MustHaveList, RefusesAnythingButADigit) {
    MustHaveList list;
    EXPECT_THROW(list.add(10), std::invalid_argument);
    EXPECT_THROW(list.add(-1), std::invalid_argument);
    EXPECT_TRUE(list.items().empty());
}

} // namespace
} // namespace pick3
