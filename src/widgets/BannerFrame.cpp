#include "widgets/BannerFrame.h"

#include "widgets/Look.h"
#include "widgets/mdlGradient.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace pick3 {

QPushButton* makeCloseButton(QWidget* parent) {
    auto* button =
        named(new QPushButton(QStringLiteral("&Close"), parent), QStringLiteral("cmdClose"));
    button->setAccessibleName(QStringLiteral("Close"));
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, kStatusRed);
    pal.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(pal);
    button->setStyleSheet(QStringLiteral(
        "QPushButton#cmdClose { background-color: #FF0000; color: white; font-weight: bold;"
        " border: 1px solid #800000; }"
        " QPushButton#cmdClose:focus { border: 2px solid black; }"));
    button->setAutoDefault(false);
    const int side = closeSquareSide(button->font());
    button->setFixedSize(side, side);
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
    title_->setFixedHeight(close_->height());
    side_->setFixedWidth(close_->width());

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

BannerFrame* BannerFrame::around(QWidget* window, const QString& title) {
    auto* banner = new BannerFrame(title, window);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner);
    return banner;
}

BannerFrame* BannerFrame::aroundDialog(QDialog* dialog, const QString& title) {
    BannerFrame* banner = around(dialog, title);
    connect(banner->closeButton(), &QPushButton::clicked, dialog, &QDialog::reject);
    describe(banner->closeButton(), QStringLiteral("Close"), QStringLiteral("Closes this window"));
    return banner;
}

void BannerFrame::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    sbGradientTopToBottom(painter, title_->geometry(), kBannerBlue, kBannerWhite);
    sbGradientLeftToRight(painter, side_->geometry(), kBannerBlue, kBannerWhite);
}

} // namespace pick3
