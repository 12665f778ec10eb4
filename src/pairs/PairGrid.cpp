#include "pairs/PairGrid.h"

#include "widgets/Look.h"

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
    // Every pair is always in sight: the list never gets smaller than its grid.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setStyleShowsFocus(true);
}

QSize PairGrid::cellSize() const {
    const QSize content = itemSize(QStringLiteral("00"));
    return {content.width() + kCellGap, content.height()};
}

int PairGrid::leadingCells(int row) const {
    if (item(row) == nullptr) {
        return 0;
    }
    const Cell here = cellOf(itemText(row));
    if (row > 0) {
        const Cell previous = cellOf(itemText(row - 1));
        if (previous.row == here.row) {
            return std::max(0, here.column - previous.column - 1);
        }
    }
    return here.column;
}

int PairGrid::gridRowOf(int row) const {
    int gridRow = 0;
    for (int r = 1; r <= row && r < count(); ++r) {
        if (cellOf(itemText(r)).row != cellOf(itemText(r - 1)).row) {
            ++gridRow;
        }
    }
    return gridRow;
}

int PairGrid::gridRows() const {
    return count() > 0 ? gridRowOf(count() - 1) + 1 : 1;
}

QRect PairGrid::rowRect(int row) const {
    const QSize cell = cellSize();
    const int leading = leadingCells(row);
    const int column = cellOf(itemText(row)).column;
    const QPoint origin = contentsRect().topLeft();
    return {origin.x() + (column - leading) * cell.width(),
            origin.y() + gridRowOf(row) * cell.height(), (1 + leading) * cell.width(),
            cell.height()};
}

QRect PairGrid::drawnRect(int row, const QRect& rect) const {
    const int cell = cellSize().width();
    return {rect.left() + leadingCells(row) * cell, rect.top(), cell - kCellGap, rect.height()};
}

int PairGrid::rowByArrow(int row, int key) const {
    switch (key) {
    case Qt::Key_Left:
        return std::max(row - 1, 0);
    case Qt::Key_Right:
        return std::min(row + 1, count() - 1);
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int wantedRow = gridRowOf(row) + (key == Qt::Key_Up ? -1 : 1);
        const int column = cellOf(itemText(row)).column;
        int best = row;
        int bestDistance = 100;
        for (int r = 0; r < count(); ++r) {
            const int distance = std::abs(cellOf(itemText(r)).column - column);
            if (gridRowOf(r) == wantedRow && distance < bestDistance) {
                best = r;
                bestDistance = distance;
            }
        }
        return best;
    }
    default:
        return -1;
    }
}

int PairGrid::contentHeight() const {
    return gridRows() * cellSize().height();
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

} // namespace pick3
