#pragma once
// A list box with a tick box in front of every item: the one list widget of
// every filter, digit, pattern and pair list of the program. A left click
// anywhere on an item, or Space on the current one, flips its tick; a right
// click asks for the list's menu. No item is ever highlighted: the current one
// has a dotted frame.
//
// The main window shows some thirty of these at once, so the list is one light
// widget that draws its rows itself (through the style, as an item view draws
// its items) instead of an item view with a model, a delegate and a viewport
// of its own each: those made half the cost of starting the program. The
// scroll bar is made only for a list that needs one.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/Selection.h"

#include <QFrame>
#include <QList>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QScrollBar;
class QStyleOptionViewItem;

namespace pick3 {

class CheckList;

// One item of a list: its text and its tick. Flipping the tick here (as an
// assistive tool does) is a change of the list's, reported like any other.
class CheckItem {
  public:
    explicit CheckItem(QString text) : text_(std::move(text)) {}
    QString text() const { return text_; }
    Qt::CheckState checkState() const { return ticked_ ? Qt::Checked : Qt::Unchecked; }
    void setCheckState(Qt::CheckState state);

  private:
    friend class CheckList;
    QString text_;
    bool ticked_ = false;
    CheckList* list_ = nullptr; // none once taken out of its list
};

class CheckList : public QFrame {
    Q_OBJECT
  public:
    explicit CheckList(QWidget* parent = nullptr);
    // Named, tooltipped and coloured as the catalogue says; the items are not
    // added (the window fills its lists).
    CheckList(const ListEntry& entry, QWidget* parent);
    ~CheckList() override;
    CheckList(const CheckList&) = delete;
    CheckList& operator=(const CheckList&) = delete;

    void setItems(const QStringList& texts); // replaces every item, nothing ticked
    void addItemText(const QString& text);   // appends one unticked item
    void clear();
    int count() const { return static_cast<int>(items_.size()); }
    CheckItem* item(int row) const; // nullptr outside the list
    int row(const CheckItem* item) const;
    // Takes the item out of the list (the rows below move up with their ticks);
    // the caller owns it.
    CheckItem* takeItem(int row);

    bool isTicked(int row) const;
    void setTicked(int row, bool ticked); // emits itemTickChanged, even when unchanged
    void setAllTicked(bool ticked);       // row by row, first to last
    Ticks ticks() const;
    int tickedCount() const;
    QString itemText(int row) const;

    // The keyboard's row, framed while the list has the focus; -1 for none.
    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    // Nothing is ever selected: the tick is an item's only mark.
    QList<CheckItem*> selectedItems() const { return {}; }

    // Where an item is drawn, in the list's own coordinates (the list is its own
    // viewport), and the item there; scrolls so that an item is in sight.
    QRect visualItemRect(const CheckItem* item) const;
    QWidget* viewport() { return this; }
    int rowAt(const QPoint& point) const;
    void scrollToItem(const CheckItem* item);
    void scrollToRow(int row);
    // The list's scroll bar, made on first need.
    QScrollBar* verticalScrollBar() const;

    // Asks the layout for room to show `rows` items (and no horizontal scroll
    // bar); a longer list scrolls. Without it the list takes a default size.
    void setVisibleRows(int rows);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The row's option for the style: tick box and text in `rect`, never selected.
    QStyleOptionViewItem itemOption(int row, const QRect& rect) const;

  Q_SIGNALS:
    // After every change of a tick, by the user or by code.
    void itemTickChanged(int row, bool ticked);
    // A right-click (or the context-menu key) on the list; `globalPos` is where
    // the menu goes.
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    // The items' layout: a row under the one before, or (a grid) anywhere.
    virtual QRect rowRect(int row) const;
    // Where a row's tick box and text go inside its rect (the whole of it here).
    virtual QRect drawnRect(int row, const QRect& rect) const;
    // The row reached from `row` by an arrow key; -1 when the key is not an
    // arrow this list moves by.
    virtual int rowByArrow(int row, int key) const;
    // The height every item takes together; more than the list's room scrolls.
    virtual int contentHeight() const;
    // The size of one item as the style draws it, tick box and `text`.
    QSize itemSize(const QString& text) const;
    int rowHeight() const;

    // The current item shows the focus as the style draws it (around its text),
    // not by the list's own dotted frame around the row.
    void setStyleShowsFocus(bool styleShows) { styleShowsFocus_ = styleShows; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    friend class CheckItem;
    void itemsChanged(); // after rows came or went: sizes, scroll bar, repaint
    void tickChanged(int row);
    void flipTick(int row);
    void repaintRow(int row);
    void layOutScrollBar();
    int scrollBarWidth() const; // what a vertical scroll bar beside the rows asks for
    int fullRowsInSight() const;
    int scrollTop() const; // the first row in sight
    bool keyboardSearch(const QString& typed);
    QPoint menuPosition() const; // by the current item
    struct Hint {
        QSize size;
        int rowHeight = 0;
    };
    Hint hint() const; // the size asked for with visible rows set, and a row's height
    mutable std::optional<Hint> hint_;
    mutable int rowHeight_ = -1;
    mutable int sampleWidth_ = -1;
    std::vector<std::unique_ptr<CheckItem>> items_;
    mutable QScrollBar* scrollBar_ = nullptr;
    int visibleRows_ = 0;
    bool styleShowsFocus_ = false;
    int current_ = -1;
    int pressedRow_ = -1; // where the left button went down, until it comes up
    QString typed_;       // what the keyboard search has read so far
    qint64 typedAt_ = 0;  // when, in milliseconds
};

} // namespace pick3
