#include "widgets/CheckList.h"

#include "widgets/CheckListAccessible.h"
#include "widgets/Look.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QWheelEvent>
#include <algorithm>

namespace pick3 {

void CheckItem::setCheckState(Qt::CheckState state) {
    if (list_ != nullptr) {
        list_->setTicked(list_->row(this), state == Qt::Checked);
    } else {
        ticked_ = state == Qt::Checked;
    }
}

CheckList::CheckList(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::WheelFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    installCheckListAccessibility();
}

CheckList::CheckList(const ListEntry& entry, QWidget* parent) : CheckList(parent) {
    setObjectName(fromEngine(entry.controlName));
    describe(this, entry.heading.empty() ? objectName() : fromEngine(entry.heading),
             fromEngine(entry.tooltip));
    setBaseColour(this, listColour(entry.colour));
}

CheckList::~CheckList() = default;

// ---- the items ----

void CheckList::setItems(const QStringList& texts) {
    items_.clear();
    items_.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) {
        items_.push_back(std::make_unique<CheckItem>(text));
        items_.back()->list_ = this;
    }
    itemsChanged();
}

void CheckList::addItemText(const QString& text) {
    items_.push_back(std::make_unique<CheckItem>(text));
    items_.back()->list_ = this;
    itemsChanged();
}

void CheckList::clear() {
    items_.clear();
    itemsChanged();
}

CheckItem* CheckList::item(int row) const {
    return row >= 0 && row < count() ? items_[static_cast<std::size_t>(row)].get() : nullptr;
}

int CheckList::row(const CheckItem* item) const {
    for (int r = 0; r < count(); ++r) {
        if (items_[static_cast<std::size_t>(r)].get() == item) {
            return r;
        }
    }
    return -1;
}

CheckItem* CheckList::takeItem(int row) {
    if (item(row) == nullptr) {
        return nullptr;
    }
    CheckItem* taken = items_[static_cast<std::size_t>(row)].release();
    taken->list_ = nullptr;
    items_.erase(items_.begin() + row);
    itemsChanged();
    return taken;
}

void CheckList::itemsChanged() {
    if (current_ >= count()) {
        current_ = count() - 1;
    }
    hint_.reset();
    updateGeometry();
    layOutScrollBar();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&changed);
    }
}

bool CheckList::isTicked(int row) const {
    const CheckItem* it = item(row);
    return it != nullptr && it->ticked_;
}

void CheckList::setTicked(int row, bool ticked) {
    CheckItem* it = item(row);
    if (it == nullptr) {
        return;
    }
    if (it->ticked_ != ticked) {
        it->ticked_ = ticked;
        tickChanged(row);
    }
    Q_EMIT itemTickChanged(row, ticked);
}

void CheckList::tickChanged(int row) {
    repaintRow(row);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

void CheckList::setAllTicked(bool ticked) {
    for (int r = 0; r < count(); ++r) {
        setTicked(r, ticked);
    }
}

Ticks CheckList::ticks() const {
    Ticks ticks(items_.size());
    for (std::size_t r = 0; r < items_.size(); ++r) {
        ticks[r] = items_[r]->ticked_;
    }
    return ticks;
}

int CheckList::tickedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                          [](const auto& it) { return it->ticked_; }));
}

QString CheckList::itemText(int row) const {
    const CheckItem* it = item(row);
    return it != nullptr ? it->text_ : QString();
}

void CheckList::flipTick(int row) {
    setCurrentRow(row);
    setTicked(row, !isTicked(row));
}

void CheckList::setCurrentRow(int row) {
    if (row < -1 || row >= count() || row == current_) {
        return;
    }
    const int before = current_;
    current_ = row;
    repaintRow(before);
    repaintRow(current_);
    if (row >= 0 && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

// ---- the layout ----

QStyleOptionViewItem CheckList::itemOption(int row, const QRect& rect) const {
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus | QStyle::State_Selected);
    if (!hasFocus()) {
        option.state &= ~QStyle::State_Active;
    }
    option.font = font();
    const int icon = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.showDecorationSelected =
        style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this) != 0;
    option.locale = locale();
    option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
    option.widget = this;
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.checkState = isTicked(row) ? Qt::Checked : Qt::Unchecked;
    option.text = itemText(row);
    option.rect = rect;
    return option;
}

// The lists of a window share a font and a style, and their texts recur from
// list to list (the digits, the patterns): each text is measured once a font.
QSize CheckList::itemSize(const QString& text) const {
    struct Measured {
        QFont font;
        const QStyle* style = nullptr;
        QHash<QString, QSize> sizes;
    };
    static Measured measured;
    if (measured.style != style() || measured.font != font()) {
        measured = Measured{font(), style(), {}};
    }
    if (const auto known = measured.sizes.constFind(text); known != measured.sizes.constEnd()) {
        return *known;
    }
    QStyleOptionViewItem option = itemOption(-1, QRect());
    option.text = text;
    const QSize size = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    measured.sizes.insert(text, size);
    return size;
}

int CheckList::rowHeight() const {
    if (rowHeight_ < 0) {
        rowHeight_ = std::max(itemSize(QStringLiteral("0")).height(), 1);
    }
    return rowHeight_;
}

int CheckList::scrollTop() const {
    return scrollBar_ != nullptr && !scrollBar_->isHidden() ? scrollBar_->value() : 0;
}

QRect CheckList::rowRect(int row) const {
    QRect inside = contentsRect();
    if (scrollBar_ != nullptr && !scrollBar_->isHidden()) {
        inside.setRight(scrollBar_->geometry().left() - 1);
    }
    const int height = rowHeight();
    return {inside.left(), inside.top() + (row - scrollTop()) * height, inside.width(), height};
}

QRect CheckList::drawnRect(int /*row*/, const QRect& rect) const {
    return rect;
}

QRect CheckList::visualItemRect(const CheckItem* item) const {
    const int r = row(item);
    return r >= 0 ? rowRect(r) : QRect();
}

int CheckList::rowAt(const QPoint& point) const {
    if (!contentsRect().contains(point)) {
        return -1;
    }
    for (int r = 0; r < count(); ++r) {
        if (rowRect(r).contains(point)) {
            return r;
        }
    }
    return -1;
}

int CheckList::contentHeight() const {
    return count() * rowHeight();
}

int CheckList::fullRowsInSight() const {
    return std::max(1, contentsRect().height() / rowHeight());
}

QScrollBar* CheckList::verticalScrollBar() const {
    if (scrollBar_ == nullptr) {
        auto* self = const_cast<CheckList*>(this); // the bar is the list's own child
        scrollBar_ = new QScrollBar(Qt::Vertical, self);
        scrollBar_->hide();
        connect(scrollBar_, &QScrollBar::valueChanged, self, qOverload<>(&QWidget::update));
    }
    return scrollBar_;
}

namespace {

// A bar's width, measured once for a style on a screen.
struct MeasuredBar {
    const QStyle* style = nullptr;
    const QScreen* screen = nullptr;
    int width = -1;
};

MeasuredBar& measuredBar() {
    static MeasuredBar measured;
    return measured;
}

} // namespace

// The lists of a window share a style and a screen, and most never scroll: a list
// without a bar of its own asks a bar made once, beside it, and then forgotten,
// rather than keep one of its own to ask.
int CheckList::scrollBarWidth() const {
    if (scrollBar_ != nullptr) {
        return scrollBar_->sizeHint().width();
    }
    MeasuredBar& measured = measuredBar();
    if (measured.width < 0 || measured.style != style() || measured.screen != screen()) {
        const QScrollBar bar(Qt::Vertical, const_cast<CheckList*>(this));
        measured = {style(), screen(), bar.sizeHint().width()};
    }
    return measured.width;
}

// A list longer than its room scrolls by whole rows, as the item views do. A list
// out of sight has no room yet: its bar is laid out when it is shown.
void CheckList::layOutScrollBar() {
    if (!isVisible()) {
        return;
    }
    const int full = fullRowsInSight();
    if (contentHeight() <= contentsRect().height()) {
        if (scrollBar_ != nullptr) {
            scrollBar_->setValue(0);
            scrollBar_->hide();
        }
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const QRect inside = contentsRect();
    const int width = bar->sizeHint().width();
    bar->setGeometry(inside.right() - width + 1, inside.top(), width, inside.height());
    bar->setRange(0, count() - full);
    bar->setPageStep(full);
    bar->setSingleStep(1);
    bar->show();
}

void CheckList::scrollToRow(int row) {
    if (row < 0 || row >= count() || scrollBar_ == nullptr || scrollBar_->isHidden()) {
        return;
    }
    const int top = scrollBar_->value();
    const int full = fullRowsInSight();
    if (row < top) {
        scrollBar_->setValue(row);
    } else if (row >= top + full) {
        scrollBar_->setValue(row - full + 1);
    }
}

void CheckList::scrollToItem(const CheckItem* item) {
    scrollToRow(row(item));
}

void CheckList::repaintRow(int row) {
    if (row >= 0 && row < count()) {
        update(rowRect(row));
    }
}

void CheckList::setVisibleRows(int rows) {
    visibleRows_ = rows;
    hint_.reset();
    updateGeometry();
}

// The sizes are worked out once and again only when the items, the font or the
// style change.
bool CheckList::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        layOutScrollBar();
        break;
    case QEvent::StyleChange:
        measuredBar() = MeasuredBar{};
        [[fallthrough]];
    case QEvent::Polish:
    case QEvent::FontChange:
        hint_.reset();
        rowHeight_ = -1;
        sampleWidth_ = -1;
        if (event->type() != QEvent::Polish) {
            updateGeometry();
            layOutScrollBar();
        }
        break;
    default:
        break;
    }
    return QFrame::event(event);
}

CheckList::Hint CheckList::hint() const {
    if (hint_) {
        return *hint_;
    }
    const int frame = 2 * frameWidth();
    // Before the list is filled it wants the room a one-digit item takes, so
    // that filling it (the must-include digits come with the first tick) moves
    // nothing beside it.
    if (sampleWidth_ < 0) {
        sampleWidth_ = itemSize(QStringLiteral("0")).width();
    }
    int width = sampleWidth_;
    for (const auto& it : items_) {
        width = std::max(width, itemSize(it->text_).width());
    }
    if (count() > visibleRows_) {
        width += scrollBarWidth();
    }
    // An empty list asks for rows of the font's height and a little room.
    const int height = count() > 0 ? rowHeight() : fontMetrics().height() + 4;
    hint_ = Hint{{width + frame + 4, height * visibleRows_ + frame}, height};
    return *hint_;
}

QSize CheckList::sizeHint() const {
    if (visibleRows_ <= 0) {
        return {256, 192}; // an item view's own default
    }
    return hint().size;
}

QSize CheckList::minimumSizeHint() const {
    if (visibleRows_ <= 0) {
        const int frame = 2 * frameWidth();
        return {rowHeight() * 3 + frame, rowHeight() * 3 + frame};
    }
    // On a small screen a list may shrink to five rows and scroll.
    const Hint wanted = hint();
    const int rows = std::min(visibleRows_, 5);
    return {wanted.size.width(),
            std::min(wanted.size.height(), wanted.rowHeight * rows + 2 * frameWidth())};
}

void CheckList::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layOutScrollBar();
}

// ---- drawing ----

void CheckList::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event); // the frame
    QPainter painter(this);
    QRect inside = contentsRect();
    if (scrollBar_ != nullptr && !scrollBar_->isHidden()) {
        inside.setRight(scrollBar_->geometry().left() - 1);
    }
    painter.setClipRect(inside & event->rect());
    for (int r = scrollTop(); r < count(); ++r) {
        const QRect rect = rowRect(r);
        if (rect.top() > inside.bottom()) {
            break;
        }
        if (!rect.intersects(event->rect())) {
            continue;
        }
        const QRect drawn = drawnRect(r, rect);
        QStyleOptionViewItem option = itemOption(r, drawn);
        const bool focused = r == current_ && hasFocus();
        if (focused && styleShowsFocus_) {
            option.state |= QStyle::State_HasFocus;
        }
        style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
        // The keyboard's row has a frame, never a fill: a filled row is a ticked one.
        if (focused && !styleShowsFocus_) {
            painter.save();
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(drawn.adjusted(0, 0, -1, -1));
            painter.restore();
        }
    }
}

// ---- the mouse ----

// A left click anywhere on a row flips its tick once, on the release over the
// row it was pressed on, as a click on the box alone would.
void CheckList::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton) {
        Q_EMIT contextMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressedRow_ = rowAt(event->position().toPoint());
        if (pressedRow_ >= 0) {
            setCurrentRow(pressedRow_);
        }
    }
}

void CheckList::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int row = rowAt(event->position().toPoint());
    if (row >= 0 && row == pressedRow_) {
        flipTick(row);
    }
    pressedRow_ = -1;
}

// The second press of a double click is one more click: two flips, as on the box.
void CheckList::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// Dragging with the button down neither selects nor ticks.
void CheckList::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CheckList::wheelEvent(QWheelEvent* event) {
    if (scrollBar_ != nullptr && !scrollBar_->isHidden()) {
        QApplication::sendEvent(scrollBar_, event);
        return;
    }
    event->ignore(); // the window around scrolls instead
}

// ---- the keyboard ----

int CheckList::rowByArrow(int row, int key) const {
    switch (key) {
    case Qt::Key_Up:
        return std::max(row - 1, 0);
    case Qt::Key_Down:
        return std::min(row + 1, count() - 1);
    default:
        return -1;
    }
}

QPoint CheckList::menuPosition() const {
    const QRect rect = current_ >= 0 ? rowRect(current_) : QRect();
    return mapToGlobal(rect.isValid() ? rect.center() : contentsRect().topLeft() + QPoint(4, 4));
}

// Typing the start of an item's text goes to the next item that begins so; the
// same key again goes on to the next one.
bool CheckList::keyboardSearch(const QString& typed) {
    static QElapsedTimer clock;
    if (!clock.isValid()) {
        clock.start();
    }
    const qint64 now = clock.elapsed();
    if (now - typedAt_ > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    typedAt_ = now;
    typed_ += typed;
    const bool sameKey = typed_.count(typed_.front()) == typed_.size();
    const QString wanted = sameKey ? typed_.left(1) : typed_;
    const int start = sameKey ? current_ + 1 : std::max(current_, 0);
    for (int i = 0; i < count(); ++i) {
        const int r = (start + i) % count();
        if (itemText(r).startsWith(wanted, Qt::CaseInsensitive)) {
            setCurrentRow(r);
            scrollToRow(r);
            return true;
        }
    }
    return false;
}

void CheckList::keyPressEvent(QKeyEvent* event) {
    // Not every platform turns these keys into a context-menu event. Where one
    // does, its menu opens first and takes the key, so the menu never opens twice.
    const int key = event->key();
    const bool shiftF10 = key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (key == Qt::Key_Menu || shiftF10) {
        event->accept();
        Q_EMIT contextMenuWanted(menuPosition());
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool space = key == Qt::Key_Space || key == Qt::Key_Select;
    if (space && plain) {
        event->accept();
        if (current_ >= 0) {
            flipTick(current_);
        }
        return;
    }
    int to = -1;
    if (count() > 0 && plain) {
        const int from = std::max(current_, 0);
        switch (key) {
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = count() - 1;
            break;
        case Qt::Key_PageUp:
            to = std::max(from - fullRowsInSight(), 0);
            break;
        case Qt::Key_PageDown:
            to = std::min(from + fullRowsInSight(), count() - 1);
            break;
        default:
            to = current_ < 0 && rowByArrow(0, key) >= 0 ? 0 : rowByArrow(from, key);
            break;
        }
    }
    if (to >= 0) {
        event->accept();
        setCurrentRow(to);
        scrollToRow(to);
        return;
    }
    const QString text = event->text();
    const bool typing = !text.isEmpty() && text.front().isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && count() > 0 && keyboardSearch(text)) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CheckList::contextMenuEvent(QContextMenuEvent* event) {
    // Right-clicks are handled on press; this is the platform's keyboard request.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        Q_EMIT contextMenuWanted(menuPosition());
    }
    event->accept();
}

void CheckList::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    if (current_ < 0 && count() > 0 && event->reason() != Qt::MouseFocusReason) {
        setCurrentRow(0);
    }
    repaintRow(current_);
}

void CheckList::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    repaintRow(current_);
}

} // namespace pick3
