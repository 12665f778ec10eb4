#pragma once
// The straight pairs dialog: left, right and split pairs to throw out in positional mode.

#include "app/DiscardableDialog.h"
#include "engine/FilterTest.h"

#include <memory>

namespace pick3 {

class frmPick3FilterStraightPairs : public DiscardableDialog {
    Q_OBJECT
  public:
    // Shows the current content of `pairs` (left, right, split) ticked; every
    // change of a tick is written back into them at once.
    explicit frmPick3FilterStraightPairs(PairSets& pairs, QWidget* parent = nullptr);
    ~frmPick3FilterStraightPairs() override;

  Q_SIGNALS:
    // The pair sets changed: the main window refreshes its button caption.
    void pairsChanged();

  private:
    void sbReadStraightPairs();

    struct Ui;
    std::unique_ptr<Ui> ui_;
    PairSets& pairs_;
};

} // namespace pick3
