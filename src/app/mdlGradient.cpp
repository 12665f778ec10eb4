#include "app/mdlGradient.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace pick3 {

namespace {

struct Channels {
    int red, green, blue;
};

Channels split(quint32 colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour / 256) & 0xFF),
            static_cast<int>((colour / 65536) & 0xFF)};
}

int channelAt(int c1, int c2, int t, int extent) {
    // The step is |c2 - c1| / extent, negative when c2 < c1.
    const double step = std::abs(c2 - c1) / static_cast<double>(extent) * (c2 < c1 ? -1 : 1);
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(c1 + t * step));
}

} // namespace

QColor gradientColourAt(quint32 colour1, quint32 colour2, int t, int extent) {
    if (extent <= 0) {
        return QColor(split(colour1).red, split(colour1).green, split(colour1).blue);
    }
    const Channels a = split(colour1);
    const Channels b = split(colour2);
    return QColor(channelAt(a.red, b.red, t, extent), channelAt(a.green, b.green, t, extent),
                  channelAt(a.blue, b.blue, t, extent));
}

void sbGradientTopToBottom(QPainter& surface, const QRect& rect, quint32 colour1,
                           quint32 colour2) {
    if (rect.isEmpty()) {
        return; // a strip of no height or width is never painted
    }
    const int extent = rect.height() - 1; // the last row of the strip is colour2
    for (int t = extent; t >= 0; --t) {
        surface.setPen(gradientColourAt(colour1, colour2, t, extent));
        surface.drawLine(rect.left(), rect.top() + t, rect.right(), rect.top() + t);
    }
}

void sbGradientLeftToRight(QPainter& surface, const QRect& rect, quint32 colour1,
                           quint32 colour2) {
    if (rect.isEmpty()) {
        return;
    }
    const int extent = rect.width() - 1;
    for (int t = 0; t <= extent; ++t) {
        surface.setPen(gradientColourAt(colour1, colour2, t, extent));
        surface.drawLine(rect.left() + t, rect.top(), rect.left() + t, rect.bottom());
    }
}

QPushButton* makeCloseButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("&Close"), parent);
    button->setObjectName(QStringLiteral("cmdClose"));
    button->setAccessibleName(QStringLiteral("Close"));
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, QColor(0xFF, 0x00, 0x00));
    pal.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(pal);
    button->setStyleSheet(QStringLiteral(
        "QPushButton#cmdClose { background-color: #FF0000; color: white; font-weight: bold;"
        " border: 1px solid #800000; }"
        " QPushButton#cmdClose:focus { border: 2px solid black; }"));
    button->setAutoDefault(false);
    return button;
}

BannerFrame::BannerFrame(const QString& title, QWidget* parent)
    : QWidget(parent), close_(makeCloseButton(this)), title_(new QLabel(title, this)),
      side_(new QLabel(this)), content_(new QWidget(this)) {
    setObjectName(QStringLiteral("bannerFrame"));
    title_->setObjectName(QStringLiteral("lblStateName"));
    side_->setObjectName(QStringLiteral("lblLeft"));
    for (QLabel* strip : {title_, side_}) {
        strip->setAttribute(Qt::WA_TranslucentBackground);
        strip->setAutoFillBackground(false);
    }
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title_->setFont(titleFont);
    title_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    title_->setIndent(12);

    // The Close button covers exactly the square where the strips meet.
    const QFontMetrics fm(close_->font());
    const int side = std::max(44, fm.horizontalAdvance(QStringLiteral("Close")) + 18);
    close_->setFixedSize(side, side);
    title_->setFixedHeight(side);
    side_->setFixedWidth(side);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(close_, 0, 0);
    grid->addWidget(title_, 0, 1);
    grid->addWidget(side_, 1, 0);
    grid->addWidget(content_, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

void BannerFrame::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    sbGradientTopToBottom(painter, title_->geometry(), kBannerBlue, kBannerWhite);
    sbGradientLeftToRight(painter, side_->geometry(), kBannerBlue, kBannerWhite);
}

} // namespace pick3
