#include "engine/numbers/MustHaveList.h"

#include "engine/Digits.h"

#include <algorithm>

namespace pick3 {

bool MustHaveList::contains(int digit) const {
    return std::any_of(items_.begin(), items_.end(),
                       [digit](const MustHaveItem& item) { return item.digit == digit; });
}

void MustHaveList::add(int digit) {
    checkDigit(digit);
    if (contains(digit)) {
        return;
    }
    const auto at = std::find_if(items_.begin(), items_.end(),
                                 [digit](const MustHaveItem& item) { return item.digit > digit; });
    items_.insert(at, MustHaveItem{digit, false});
    for (MustHaveItem& item : items_) {
        item.ticked = true;
    }
}

void MustHaveList::remove(int digit) {
    const auto at = std::find_if(items_.begin(), items_.end(),
                                 [digit](const MustHaveItem& item) { return item.digit == digit; });
    if (at != items_.end()) {
        items_.erase(at);
    }
}

void MustHaveList::followDigitTick(int digit, bool ticked, bool stillChosen) {
    if (ticked) {
        add(digit);
    } else if (!stillChosen) {
        remove(digit);
    }
}

void MustHaveList::setTicked(int row, bool ticked) {
    if (row >= 0 && static_cast<std::size_t>(row) < items_.size()) {
        items_[static_cast<std::size_t>(row)].ticked = ticked;
    }
}

} // namespace pick3
