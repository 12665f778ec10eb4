#pragma once
// The boxed pairs dialog: pairs to throw out in either digit mode, whatever their positions.

#include "engine/FilterTest.h"

#include <QDialog>
#include <memory>

namespace pick3 {

class frmPick3FilterBoxedPairs : public QDialog {
    Q_OBJECT
  public:
    // Shows `pairs.boxed` ticked; every change of a tick is written back at once.
    explicit frmPick3FilterBoxedPairs(PairSets& pairs, QWidget* parent = nullptr);
    ~frmPick3FilterBoxedPairs() override;

    // "&Close", the title-bar close and Esc all end here.
    void reject() override;

  Q_SIGNALS:
    void pairsChanged();
    void discardRequested();

  private:
    void sbReadBoxedPairs();

    struct Ui;
    std::unique_ptr<Ui> ui_;
    PairSets& pairs_;
    bool discardSent_ = false;
};

} // namespace pick3
