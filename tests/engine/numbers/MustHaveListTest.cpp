// The must-include list follows the digit lists: digits come in sorted, re-tick
// the whole list when one is added, and leave when no position list holds them.

#include "engine/numbers/MustHaveList.h"

#include "Support.h"

namespace pick3 {
namespace {

// Steps: "+5" digit 5 ticked in a digit list, "-5" unticked in the last list
// that held it, "~5" unticked while another position list still holds it,
// "u0" the user unticks row 0. The list is shown as "1 3* 5", a star on every
// unticked item.
std::string run(const std::string& steps) {
    MustHaveList list;
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        const int value = std::stoi(step.substr(1));
        if (step[0] == 'u') {
            list.setTicked(value, false);
        } else {
            list.followDigitTick(value, step[0] == '+', step[0] == '~');
        }
    }
    std::string out;
    for (const MustHaveItem& item : list.items()) {
        out += (out.empty() ? "" : " ") + std::to_string(item.digit) + (item.ticked ? "" : "*");
    }
    return out;
}

TEST(MustHaveList, FollowsTheDigitLists) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"+9 +0 +5", "0 5 9"},         // sorted, all ticked
        {"+1 +5 +3 u1 +7", "1 3 5 7"}, // a new digit ticks every item again
        {"+4 +6 u0 +6", "4* 6"},       // a listed digit changes nothing
        {"+2 +8 +9 u0 -8", "2* 9"},    // removing keeps the other ticks
        {"+4 +4 ~4", "4"},             // still held by another position list
        {"+4 ~4 -4", ""},              // the last list to drop it removes it
        {"+0 -9 u1 u-1", "0"},         // unknown digits and rows are ignored
        {"+9 +8 +7 +6 +5 +4 +3 +2 +1 +0", "0 1 2 3 4 5 6 7 8 9"},
    };
    for (const auto& [steps, expected] : cases) {
        EXPECT_EQ(run(steps), expected) << steps;
    }
    EXPECT_THROW(MustHaveList().add(10), std::invalid_argument);
}

} // namespace
} // namespace pick3
