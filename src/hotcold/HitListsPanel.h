#pragma once
// The four ranked hit lists of the hot/cold counter, lstPos1, lstPos2, lstPos3
// and lstBox, with their headings. Their first five digits are the hot ones;
// picked digits make numbers.

#include "engine/numbers/HotCold.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace pick3 {

class HitListsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit HitListsPanel(QWidget* parent);

    // sbFillHitLists: each list shows its ranked table, rank 1 first.
    void fill(const RankedHits& ranked);
    void clear();
    void setUsable(bool usable);
    // The lists and their headings appear with the first count (or a
    // Straight/box click); hidden, they keep their place.
    void setShown(bool shown);

    // The digits of the lists' first items: the hot digits.
    HotDigits hotDigits() const;
    // The texts of the picked items of each list, in list (rank) order.
    std::array<std::vector<std::string>, 4> selectedTexts() const;
    std::vector<QWidget*> tabOrder() const;

  private:
    std::array<QLabel*, 4> headings_{};
    std::array<QListWidget*, 4> lists_{};
};

} // namespace pick3
