#pragma once
// What the two pair dialogs share: the banner, the heading "Pairs to filter
// out", a column of pair grids that show the current pair sets ticked, and the
// write-back of every tick into the sets, reported to the owner at once.

#include "engine/numbers/Pairs.h"
#include "pairs/PairGrid.h"
#include "widgets/DiscardableDialog.h"

class QVBoxLayout;

namespace pick3 {

class PairDialog : public DiscardableDialog {
    Q_OBJECT
  public:
    const PairSets& pairs() const { return pairs_; }

  Q_SIGNALS:
    // After every tick: the pair sets as the dialog's lists now show them.
    void pairsChanged(const pick3::PairSets& pairs);

  protected:
    // `caption` is the window's title, `bannerTitle` the banner's.
    PairDialog(const QString& name, const QString& caption, const QString& bannerTitle,
               PairSets pairs, QWidget* parent);

    // Adds a grid showing `set` ticked, under a label of its own when
    // `labelName` is given (else the heading names it). Its ticks are written
    // back by readPairs().
    PairGrid* addPairList(const QString& labelName, const PairListInfo& info, const PairSet& set);
    // The keyboard goes through the grids, then to Close, and starts at the first grid.
    void finishLayout();
    // The sets the lists stand for, written into pairs().
    virtual void readPairs(PairSets& pairs) const = 0;

  private:
    PairSets pairs_;
    QVBoxLayout* column_ = nullptr;
    QWidget* heading_ = nullptr;
    QWidget* closeButton_ = nullptr;
    std::vector<PairGrid*> grids_;
};

} // namespace pick3
