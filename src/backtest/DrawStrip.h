#pragma once
// The back-test draw by draw: one cell per tested draw, in the history's
// order, green for a hit and grey for a miss, wrapped into rows that scroll.
// Hovering a cell, or selecting it with the mouse or the arrow keys, tells
// what it was; only the cells in sight are painted, so 100,000 draws are fine.

#include <QAbstractScrollArea>
#include <functional>
#include <vector>

namespace pick3 {

class DrawStrip : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit DrawStrip(QWidget* parent);

    // The cells, hit or miss, and what each one says when pointed at.
    void setCells(std::vector<bool> hits, std::function<QString(int)> describe);
    int cellCount() const { return static_cast<int>(hits_.size()); }
    int selected() const { return selected_; }
    void select(int cell);
    // Where a cell stands in the viewport (scrolled as it is now).
    QRect cellRect(int cell) const;
    QString describeCell(int cell) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    // A cell was hovered or selected; -1 when the pointer left the cells.
    void cellPointed(int cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    int perRow() const;
    int cellAt(const QPoint& point) const;
    void updateScrollBar();

    std::vector<bool> hits_;
    std::function<QString(int)> describe_;
    int selected_ = -1;
};

} // namespace pick3
