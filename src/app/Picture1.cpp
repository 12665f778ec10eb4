#include "app/Picture1.h"

#include "widgets/AppInfo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace pick3 {

namespace {

struct Ball {
    QColor colour;
    const char* digit;
};

// Three drawn lottery balls: the product's own picture.
constexpr int kBalls = 3;
const std::array<Ball, kBalls> kPicture{{
    {QColor(0xD0, 0x20, 0x20), "3"},
    {QColor(0x20, 0x50, 0xD0), "4"},
    {QColor(0x20, 0x90, 0x30), "7"},
}};

} // namespace

Picture1::Picture1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Open the download page"));
    setAccessibleName(QStringLiteral("Download page"));
    setAccessibleDescription(toolTip());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize Picture1::sizeHint() const {
    const int ball = std::max(28, fontMetrics().height() * 2);
    return {kBalls * ball + (kBalls + 1) * 4, ball + 8};
}

QSize Picture1::minimumSizeHint() const {
    return sizeHint();
}

void Picture1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int gap = 4;
    const int ball = std::min((width() - (kBalls + 1) * gap) / kBalls, height() - 2 * gap);
    if (ball <= 0) {
        return;
    }
    QFont digitFont = font();
    digitFont.setBold(true);
    digitFont.setPixelSize(std::max(8, ball * 11 / 20));
    painter.setFont(digitFont);

    const int top = (height() - ball) / 2;
    for (int i = 0; i < kBalls; ++i) {
        const QRectF rect(gap + i * (ball + gap), top, ball, ball);
        // Lit from the upper left, like a glossy ball.
        QRadialGradient shade(rect.left() + ball * 0.35, rect.top() + ball * 0.3, ball * 0.75);
        shade.setColorAt(0.0, kPicture[static_cast<std::size_t>(i)].colour.lighter(180));
        shade.setColorAt(1.0, kPicture[static_cast<std::size_t>(i)].colour.darker(130));
        painter.setPen(QPen(kPicture[static_cast<std::size_t>(i)].colour.darker(170), 1));
        painter.setBrush(shade);
        painter.drawEllipse(rect);
        // A white disc carries the digit, as on a real lottery ball.
        const QRectF disc = rect.adjusted(ball * 0.22, ball * 0.22, -ball * 0.22, -ball * 0.22);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(disc);
        painter.setPen(Qt::black);
        painter.drawText(disc, Qt::AlignCenter,
                         QString::fromLatin1(kPicture[static_cast<std::size_t>(i)].digit));
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Picture1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        openDownloadPage();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void Picture1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        openDownloadPage();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Picture1::openDownloadPage() {
    sbOpenWebPage(QString::fromLatin1(kDownloadPage), window());
}

} // namespace pick3
