#include "pairs/PairGrid.h"

#include "widgets/Look.h"

#include <QStyle>
#include <algorithm>

namespace pick3 {

namespace {

constexpr int kColumns = 10;

// The grid row and column of a pair text ("37": row 3, column 7).
struct Cell {
    int row = 0;
    int column = 0;
};

Cell cellOf(const QString& text) {
    if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit()) {
        return {};
    }
    return {text[0].digitValue(), text[1].digitValue()};
}

} // namespace

PairGrid::PairGrid(QWidget* parent) : CheckList(parent) {
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    // The boxed list's first item of a row is wider by its leading cells.
    setUniformItemSizes(false);
    // Every pair is always in sight: the list never gets smaller than its grid.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setItemDelegate(new PairGridDelegate(this));
}

QSize PairGrid::cellSize() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("00");
    const QSize content =
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    return {content.width() + kCellGap, content.height()};
}

int PairGrid::leadingCells(int row) const {
    const QListWidgetItem* it = item(row);
    if (it == nullptr) {
        return 0;
    }
    const Cell here = cellOf(it->text());
    const QListWidgetItem* before = row > 0 ? item(row - 1) : nullptr;
    if (before != nullptr) {
        const Cell previous = cellOf(before->text());
        if (previous.row == here.row) {
            return std::max(0, here.column - previous.column - 1);
        }
    }
    return here.column;
}

int PairGrid::gridRows() const {
    int rows = 0;
    int lastRow = -1;
    for (int r = 0; r < count(); ++r) {
        const int gridRow = cellOf(item(r)->text()).row;
        if (r == 0 || gridRow != lastRow) {
            ++rows;
            lastRow = gridRow;
        }
    }
    return std::max(rows, 1);
}

QSize PairGrid::sizeHint() const {
    const QSize cell = cellSize();
    const int frame = 2 * frameWidth();
    // A few pixels more than ten cells keep the tenth from wrapping.
    return {kColumns * cell.width() + frame + 4, gridRows() * cell.height() + frame + 2};
}

QSize PairGrid::minimumSizeHint() const {
    return sizeHint();
}

PairGrid* makePairList(QWidget* parent, const PairListInfo& info, const PairSet& set) {
    auto* list = new PairGrid(parent);
    list->setObjectName(info.name);
    describe(list, info.heading, info.tooltip);
    setBaseColour(list, listColour(info.colour));

    QStringList items;
    for (const std::string& text : info.texts) {
        items.append(fromEngine(text));
    }
    list->setItems(items);
    const Ticks ticks = ticksForPairSet(info.texts, set);
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        if (ticks[row]) {
            list->setTicked(static_cast<int>(row), true);
        }
    }
    return list;
}

PairGridDelegate::PairGridDelegate(PairGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QStyleOptionViewItem PairGridDelegate::itemOption(const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const {
    QStyleOptionViewItem shifted(option);
    const int cell = grid_->cellSize().width();
    const int skip = grid_->leadingCells(index.row()) * cell;
    const int width = cell - PairGrid::kCellGap;
    shifted.rect.setLeft(shifted.rect.left() + skip);
    shifted.rect.setWidth(width);
    return shifted;
}

QSize PairGridDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                 const QModelIndex& index) const {
    const QSize cell = grid_->cellSize();
    return {cell.width() * (1 + grid_->leadingCells(index.row())), cell.height()};
}

void PairGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, itemOption(option, index), index);
}

bool PairGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    return QStyledItemDelegate::editorEvent(event, model, itemOption(option, index), index);
}

} // namespace pick3
