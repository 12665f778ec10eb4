#pragma once
// The straight pairs dialog: left, right and split pairs to throw out in positional mode.

#include "pairs/PairDialog.h"

#include <array>

namespace pick3 {

class frmPick3FilterStraightPairs : public PairDialog {
    Q_OBJECT
  public:
    // Shows the left, right and split pairs of `pairs` ticked (sbFillStraightPairLists).
    explicit frmPick3FilterStraightPairs(PairSets pairs, QWidget* parent = nullptr);

  private:
    // sbReadStraightPairs
    void readPairs(PairSets& pairs) const override;
    std::array<PairGrid*, 3> lists_{}; // left, right, split
};

} // namespace pick3
