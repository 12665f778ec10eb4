#pragma once
// The boxed pairs dialog: pairs to throw out in either digit mode, whatever their positions.

#include "pairs/PairDialog.h"

namespace pick3 {

class frmPick3FilterBoxedPairs : public PairDialog {
    Q_OBJECT
  public:
    // Shows `pairs.boxed` ticked (sbFillBoxedPairList).
    explicit frmPick3FilterBoxedPairs(PairSets pairs, QWidget* parent = nullptr);

  private:
    // sbReadBoxedPairs
    void readPairs(PairSets& pairs) const override;
    PairGrid* list_;
};

} // namespace pick3
