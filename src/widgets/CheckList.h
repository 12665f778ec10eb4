#pragma once
// A list box with a tick box in front of every item: the one list widget of
// every filter, digit, pattern and pair list of the program. A left click
// anywhere on an item, or Space on the current one, flips its tick; a right
// click asks for the list's menu. No item is ever highlighted: the current one
// has a dotted frame.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/Selection.h"

#include <QListWidget>
#include <QStringList>
#include <optional>

namespace pick3 {

class CheckList : public QListWidget {
    Q_OBJECT
  public:
    explicit CheckList(QWidget* parent = nullptr);
    // Named, tooltipped and coloured as the catalogue says; the items are not
    // added (the window fills its lists).
    CheckList(const ListEntry& entry, QWidget* parent);
    // The items go with the list's base classes, after this part: their removal
    // must no longer reach the mirror.
    ~CheckList() override;
    CheckList(const CheckList&) = delete;
    CheckList& operator=(const CheckList&) = delete;

    void setItems(const QStringList& texts); // replaces every item, nothing ticked
    void addItemText(const QString& text);   // appends one unticked item

    bool isTicked(int row) const;
    void setTicked(int row, bool ticked); // emits itemTickChanged, even when unchanged
    void setAllTicked(bool ticked);       // row by row, first to last
    Ticks ticks() const;
    int tickedCount() const;
    QString itemText(int row) const;

    // Asks the layout for room to show `rows` items (and no horizontal scroll
    // bar); a longer list scrolls. Without it the list takes Qt's default size.
    void setVisibleRows(int rows);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    // After every change of a tick, by the user or by code.
    void itemTickChanged(int row, bool ticked);
    // A right-click (or the context-menu key) on the list; `globalPos` is where
    // the menu goes.
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void onItemChanged(QListWidgetItem* item);
    void followModel();
    void readTicks(int first, int last); // the mirror of those rows, from their items
    void flipTick(int row);
    QPoint menuPosition() const; // by the current item
    int sampleItemWidth() const; // of an item "0", ticked or not
    struct Hint {
        QSize size;
        int rowHeight = 0;
    };
    Hint hint() const; // the size asked for with visible rows set, and a row's height
    mutable std::optional<Hint> hint_;
    mutable int sampleWidth_ = -1;
    bool settingByCode_ = false;
    int visibleRows_ = 0;
    int pressedRow_ = -1; // where the left button went down, until it comes up
    // The tick of every row, kept in step with the items by the model's signals, so
    // that reading every list at each tick reads no item.
    Ticks ticks_;
};

} // namespace pick3
