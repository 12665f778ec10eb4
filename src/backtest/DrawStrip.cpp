#include "backtest/DrawStrip.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace pick3 {

namespace {

constexpr int kCell = 10;  // a cell's side
constexpr int kPitch = 12; // from one cell to the next
constexpr int kMargin = 4;
const QColor kHit{0x00, 0x72, 0xB2}; // dark blue against light grey: told apart by anyone
const QColor kMiss{0xC8, 0xC8, 0xC8};

} // namespace

DrawStrip::DrawStrip(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("drawStrip"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(kPitch);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            [this] { viewport()->update(); });
}

void DrawStrip::setCells(std::vector<bool> hits, std::function<QString(int)> describe) {
    hits_ = std::move(hits);
    describe_ = std::move(describe);
    selected_ = -1;
    updateScrollBar();
    viewport()->update();
}

int DrawStrip::perRow() const {
    return std::max(1, (viewport()->width() - 2 * kMargin + kPitch - kCell) / kPitch);
}

QRect DrawStrip::cellRect(int cell) const {
    const int row = cell / perRow();
    const int column = cell % perRow();
    return {kMargin + column * kPitch, kMargin + row * kPitch - verticalScrollBar()->value(), kCell,
            kCell};
}

int DrawStrip::cellAt(const QPoint& point) const {
    const int x = point.x() - kMargin;
    const int y = point.y() - kMargin + verticalScrollBar()->value();
    if (x < 0 || y < 0 || x % kPitch >= kCell || y % kPitch >= kCell || x / kPitch >= perRow()) {
        return -1;
    }
    const int cell = y / kPitch * perRow() + x / kPitch;
    return cell < cellCount() ? cell : -1;
}

QString DrawStrip::describeCell(int cell) const {
    return cell >= 0 && cell < cellCount() && describe_ ? describe_(cell) : QString();
}

void DrawStrip::select(int cell) {
    if (cellCount() == 0) {
        return;
    }
    selected_ = std::clamp(cell, 0, cellCount() - 1);
    // Scroll the selected cell into sight.
    const QRect rect = cellRect(selected_);
    QScrollBar* bar = verticalScrollBar();
    if (rect.top() < 0) {
        bar->setValue(bar->value() + rect.top() - kMargin);
    } else if (rect.bottom() > viewport()->height()) {
        bar->setValue(bar->value() + rect.bottom() - viewport()->height() + kMargin);
    }
    viewport()->update();
    Q_EMIT cellPointed(selected_);
}

void DrawStrip::updateScrollBar() {
    const int rows = (cellCount() + perRow() - 1) / perRow();
    const int height = rows * kPitch + 2 * kMargin;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
}

QSize DrawStrip::sizeHint() const {
    return {40 * kPitch + 2 * kMargin + verticalScrollBar()->sizeHint().width(),
            6 * kPitch + 2 * kMargin + 2 * frameWidth()};
}

QSize DrawStrip::minimumSizeHint() const {
    return {10 * kPitch, 3 * kPitch + 2 * kMargin};
}

void DrawStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    // Only the rows in sight.
    const int top = std::max(0, (verticalScrollBar()->value() - kMargin) / kPitch);
    const int bottom = (verticalScrollBar()->value() + viewport()->height()) / kPitch + 1;
    const int first = top * perRow();
    const int last = std::min(cellCount(), (bottom + 1) * perRow());
    for (int cell = first; cell < last; ++cell) {
        painter.fillRect(cellRect(cell), hits_[static_cast<std::size_t>(cell)] ? kHit : kMiss);
    }
    if (selected_ >= 0) {
        painter.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : Qt::black, 2));
        painter.drawRect(cellRect(selected_).adjusted(-1, -1, 1, 1));
    }
}

void DrawStrip::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void DrawStrip::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT cellPointed(cellAt(event->position().toPoint()));
    QAbstractScrollArea::mouseMoveEvent(event);
}

void DrawStrip::mousePressEvent(QMouseEvent* event) {
    if (const int cell = cellAt(event->position().toPoint()); cell >= 0) {
        select(cell);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void DrawStrip::keyPressEvent(QKeyEvent* event) {
    const int from = std::max(selected_, 0);
    switch (event->key()) {
    case Qt::Key_Right:
        return select(selected_ < 0 ? 0 : from + 1);
    case Qt::Key_Left:
        return select(from - 1);
    case Qt::Key_Down:
        return select(selected_ < 0 ? 0 : from + perRow());
    case Qt::Key_Up:
        return select(from - perRow());
    case Qt::Key_Home:
        return select(0);
    case Qt::Key_End:
        return select(cellCount() - 1);
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool DrawStrip::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell >= 0) {
            QToolTip::showText(help->globalPos(), describeCell(cell), viewport(), cellRect(cell));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace pick3
