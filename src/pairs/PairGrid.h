#pragma once
// A pair list laid out as a grid of ten cells a row: the row is the pair's first
// digit and the column its second, so 00..09 form the first row and, in the
// boxed list, 11 starts its row in the column of the 1.

#include "engine/numbers/Pairs.h"
#include "widgets/CheckList.h"

#include <QStyledItemDelegate>
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

  private:
    int gridRows() const;
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

// Draws each item after its leading empty cells, and finds the tick box there.
class PairGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit PairGridDelegate(PairGrid* grid);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

  private:
    QStyleOptionViewItem itemOption(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const;
    PairGrid* grid_;
};

} // namespace pick3
