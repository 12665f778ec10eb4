#pragma once
// The must-include list of the main window: one item for every digit that is
// ticked in at least one digit list, kept in ascending order. Its own ticks are
// the user's choice of digits a created number must contain at least one of.

#include <vector>

namespace pick3 {

// One item of the must-include list: its digit and whether it is ticked.
struct MustHaveItem {
    int digit = 0;
    bool ticked = false;
    bool operator==(const MustHaveItem&) const = default;
};

class MustHaveList {
  public:
    // sbAddMustHaveDigit: a digit that is already listed changes nothing, not
    // even the ticks; a new digit takes its sorted place and then every item is
    // ticked, so a digit the user had unticked counts again.
    void add(int digit);
    // sbRemoveMustHaveDigit: removes the digit's item; the others keep their ticks.
    void remove(int digit);
    void clear() { items_.clear(); }

    // The tick of `digit` changed in a digit list. `stillChosen` says whether
    // the digit is still ticked in another list that keeps it in (one of the
    // three position lists); the any-position list always passes false.
    void followDigitTick(int digit, bool ticked, bool stillChosen);

    // The user's own tick on `row`; a row outside the list is ignored.
    void setTicked(int row, bool ticked);

    bool contains(int digit) const;
    const std::vector<MustHaveItem>& items() const { return items_; }

  private:
    std::vector<MustHaveItem> items_;
};

} // namespace pick3
