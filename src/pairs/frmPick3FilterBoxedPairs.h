#pragma once
// The boxed pairs dialog: pairs to throw out in either digit mode, whatever their positions.

#include "app/DiscardableDialog.h"
#include "engine/FilterTest.h"

#include <memory>

namespace pick3 {

class frmPick3FilterBoxedPairs : public DiscardableDialog {
    Q_OBJECT
  public:
    // Shows `pairs.boxed` ticked; every change of a tick is written back at once.
    explicit frmPick3FilterBoxedPairs(PairSets& pairs, QWidget* parent = nullptr);
    ~frmPick3FilterBoxedPairs() override;

  Q_SIGNALS:
    void pairsChanged();

  private:
    void sbReadBoxedPairs();

    struct Ui;
    std::unique_ptr<Ui> ui_;
    PairSets& pairs_;
};

} // namespace pick3
