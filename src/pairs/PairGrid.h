#pragma once
// A pair list laid out as a grid of ten cells a row: the row is the pair's first
// digit and the column its second, so 00..09 form the first row and, in the
// boxed list, 11 starts its row in the column of the 1.

#include "engine/numbers/Pairs.h"
#include "widgets/CheckList.h"

#include <string>
#include <vector>

namespace pick3 {

class PairGrid : public CheckList {
    Q_OBJECT
  public:
    explicit PairGrid(QWidget* parent = nullptr);

    // Exactly ten cells wide and tall enough for every row: nothing to scroll.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Empty cells in front of the item of `row`: the gap between its column and
    // the cell after the previous item of the same grid row.
    int leadingCells(int row) const;
    // One cell of the grid, the same for every item: tick box and text, then a
    // gap that tells the text from the next tick box.
    QSize cellSize() const;
    static constexpr int kCellGap = 10;

  protected:
    // An item's rect runs from the cell after the item before it in its grid row
    // to the end of its own cell; its tick box and text are drawn in its cell.
    QRect rowRect(int row) const override;
    QRect drawnRect(int row, const QRect& rect) const override;
    // Left and Right go to the item before and after, Up and Down to the nearest
    // item of the grid row above and below.
    int rowByArrow(int row, int key) const override;
    int contentHeight() const override;

  private:
    int gridRows() const;
    int gridRowOf(int row) const; // the grid row (from 0) the item is drawn in
};

// What a pair list shows: its name, heading and tooltip, its colour and its items.
struct PairListInfo {
    QString name;
    QString heading; // the caption of the label above it, its accessible name
    QString tooltip;
    ListColour colour;
    const std::vector<std::string>& texts;
};
// A pair list holding `info.texts`, with the items of `set` ticked.
PairGrid* makePairList(QWidget* parent, const PairListInfo& info, const PairSet& set);

} // namespace pick3
