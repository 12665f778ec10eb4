#include "widgets/CheckList.h"

#include "widgets/Look.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <algorithm>

namespace pick3 {

namespace {

// Draws the current row with a frame only. Some styles fill the keyboard's
// current row with the highlight colour, which reads as a tick: a filled row
// must always mean a ticked one.
class FramedCurrentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }
};

} // namespace

CheckList::CheckList(QWidget* parent) : QListWidget(parent) {
    // The tick is the only mark an item has: no highlight that could be taken for one.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new FramedCurrentDelegate(this));
    setUniformItemSizes(true);
    // A tick flipped by the item itself (an assistive tool's toggle) is reported too.
    connect(this, &QListWidget::itemChanged, this, &CheckList::onItemChanged);
    followModel();
}

CheckList::~CheckList() {
    disconnect(model(), nullptr, this, nullptr);
}

// Every change of an item's tick, every row added or removed and every reset or
// reordering reaches the mirror, whoever makes it and whatever signals are blocked here.
void CheckList::followModel() {
    const QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::CheckStateRole)) {
                    readTicks(from.row(), to.row());
                }
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole)) {
                    hint_.reset();
                }
            });
    connect(items, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& /*parent*/, int first, int last) {
                ticks_.insert(ticks_.begin() + first, static_cast<std::size_t>(last - first + 1),
                              false);
                readTicks(first, last);
                hint_.reset();
            });
    connect(items, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex& /*parent*/, int first, int last) {
                ticks_.erase(ticks_.begin() + first, ticks_.begin() + last + 1);
                hint_.reset();
            });
    const auto readAll = [this] {
        ticks_.assign(static_cast<std::size_t>(count()), false);
        readTicks(0, count() - 1);
        hint_.reset();
    };
    connect(items, &QAbstractItemModel::modelReset, this, readAll);
    connect(items, &QAbstractItemModel::layoutChanged, this, readAll);
    connect(items, &QAbstractItemModel::rowsMoved, this, readAll);
}

void CheckList::readTicks(int first, int last) {
    for (int row = std::max(first, 0); row <= last && row < count(); ++row) {
        const QListWidgetItem* it = item(row);
        ticks_[static_cast<std::size_t>(row)] = it != nullptr && it->checkState() == Qt::Checked;
    }
}

CheckList::CheckList(const ListEntry& entry, QWidget* parent) : CheckList(parent) {
    setObjectName(fromEngine(entry.controlName));
    describe(this, entry.heading.empty() ? objectName() : fromEngine(entry.heading),
             fromEngine(entry.tooltip));
    setBaseColour(this, listColour(entry.colour));
    setAutoFillBackground(true);
}

void CheckList::setItems(const QStringList& texts) {
    clear();
    for (const QString& text : texts) {
        addItemText(text);
    }
    if (visibleRows_ > 0) {
        updateGeometry();
    }
}

void CheckList::setVisibleRows(int rows) {
    visibleRows_ = rows;
    hint_.reset();
    setHorizontalScrollBarPolicy(rows > 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    updateGeometry();
}

// The sizes are worked out once (each asks the delegate for every item's size) and
// again only when the items, the font or the style change.
bool CheckList::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Polish:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        hint_.reset();
        sampleWidth_ = -1;
        break;
    default:
        break;
    }
    return QListWidget::event(event);
}

CheckList::Hint CheckList::hint() const {
    if (hint_) {
        return *hint_;
    }
    const int frame = 2 * frameWidth();
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
    // Before the list is filled it wants the room a one-digit item takes, so
    // that filling it (the must-include digits come with the first tick) moves
    // nothing beside it.
    int width = std::max(sizeHintForColumn(0), sampleItemWidth());
    if (count() > visibleRows_) {
        width += verticalScrollBar()->sizeHint().width();
    }
    hint_ = Hint{{width + frame + 4, rowHeight * visibleRows_ + frame}, rowHeight};
    return *hint_;
}

QSize CheckList::sizeHint() const {
    return visibleRows_ <= 0 ? QListWidget::sizeHint() : hint().size;
}

int CheckList::sampleItemWidth() const {
    if (sampleWidth_ >= 0) {
        return sampleWidth_;
    }
    QStandardItemModel sample;
    auto* item = new QStandardItem(QStringLiteral("0")); // owned by the model
    item->setCheckable(true);
    item->setCheckState(Qt::Unchecked);
    sample.appendRow(item);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    sampleWidth_ = itemDelegate()->sizeHint(option, sample.index(0, 0)).width();
    return sampleWidth_;
}

QSize CheckList::minimumSizeHint() const {
    if (visibleRows_ <= 0) {
        return QListWidget::minimumSizeHint();
    }
    // On a small screen a list may shrink to five rows and scroll.
    const Hint wanted = hint();
    const int rows = std::min(visibleRows_, 5);
    return {wanted.size.width(),
            std::min(wanted.size.height(), wanted.rowHeight * rows + 2 * frameWidth())};
}

namespace {
QListWidgetItem* makeItem(const QString& text) {
    auto* item = new QListWidgetItem(text); // owned by the list once inserted
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}
} // namespace

void CheckList::addItemText(const QString& text) {
    const QSignalBlocker block(this);
    addItem(makeItem(text));
}

bool CheckList::isTicked(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < ticks_.size() &&
           ticks_[static_cast<std::size_t>(row)];
}

void CheckList::setTicked(int row, bool ticked) {
    QListWidgetItem* it = item(row);
    if (it == nullptr) {
        return;
    }
    {
        const QSignalBlocker block(this);
        it->setCheckState(ticked ? Qt::Checked : Qt::Unchecked); // the view repaints the row
    }
    Q_EMIT itemTickChanged(row, ticked);
}

void CheckList::setAllTicked(bool ticked) {
    for (int r = 0; r < count(); ++r) {
        setTicked(r, ticked);
    }
}

Ticks CheckList::ticks() const {
    return ticks_;
}

int CheckList::tickedCount() const {
    return static_cast<int>(std::count(ticks_.begin(), ticks_.end(), true));
}

QString CheckList::itemText(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->text() : QString();
}

void CheckList::onItemChanged(QListWidgetItem* item) {
    // The user flipped a tick box. The list's own handler of the change runs before
    // the mirror's, so the mirror takes the row first.
    readTicks(row(item), row(item));
    Q_EMIT itemTickChanged(row(item), item->checkState() == Qt::Checked);
}

void CheckList::flipTick(int row) {
    setCurrentRow(row);
    setTicked(row, !isTicked(row));
}

// A left click anywhere on a row flips its tick once, on the release over the
// row it was pressed on, as a click on the box alone would.
void CheckList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT contextMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        event->accept();
        pressedRow_ = indexAt(event->position().toPoint()).row();
        if (pressedRow_ >= 0) {
            setCurrentRow(pressedRow_);
        }
        return;
    }
    QListWidget::mousePressEvent(event);
}

void CheckList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0 && row == pressedRow_) {
        flipTick(row);
    }
    pressedRow_ = -1;
}

// The second press of a double click is one more click: two flips, as on the box.
void CheckList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

// Dragging with the button down neither selects nor ticks.
void CheckList::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

QPoint CheckList::menuPosition() const {
    const QRect rect = currentItem() ? visualItemRect(currentItem()) : QRect();
    return viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint(4, 4));
}

void CheckList::keyPressEvent(QKeyEvent* event) {
    // Not every platform turns these keys into a context-menu event. Where one
    // does, its menu opens first and takes the key, so the menu never opens twice.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10) {
        event->accept();
        Q_EMIT contextMenuWanted(menuPosition());
        return;
    }
    const bool space = event->key() == Qt::Key_Space || event->key() == Qt::Key_Select;
    if (space && event->modifiers() == Qt::NoModifier && currentRow() >= 0) {
        event->accept();
        flipTick(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CheckList::contextMenuEvent(QContextMenuEvent* event) {
    // Right-clicks are handled on press; this is the platform's keyboard request.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        Q_EMIT contextMenuWanted(menuPosition());
    }
    event->accept();
}

} // namespace pick3
