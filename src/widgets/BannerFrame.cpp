#include "widgets/BannerFrame.h"

#include "widgets/Look.h"
#include "widgets/mdlGradient.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// The red square: its bold white text centred on red, inside a dark red line one
// pixel wide, or a black one two pixels wide while it has the keyboard. It looks
// the same pressed, hovered or not; drawn here rather than by a style sheet, which
// brings Qt's whole style sheet machinery into every start.
class CloseSquare : public QPushButton {
  public:
    CloseSquare(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const int line = hasFocus() ? 2 : 1;
        painter.fillRect(rect(), hasFocus() ? QColor(Qt::black) : QColor(0x80, 0x00, 0x00));
        const QRect inside = rect().adjusted(line, line, -line, -line);
        painter.fillRect(inside, kStatusRed);
        QStyleOptionButton option;
        initStyleOption(&option);
        const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                                 ? Qt::TextShowMnemonic
                                 : Qt::TextShowMnemonic | Qt::TextHideMnemonic;
        style()->drawItemText(&painter, inside, Qt::AlignCenter | mnemonic, palette(),
                              isEnabled(), text(), QPalette::ButtonText);
    }
};

} // namespace

QPushButton* makeCloseButton(QWidget* parent) {
    auto* button =
        named(new CloseSquare(QStringLiteral("&Close"), parent), QStringLiteral("cmdClose"));
    button->setAccessibleName(QStringLiteral("Close"));
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, kStatusRed);
    pal.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(pal);
    button->setAutoDefault(false);
    // The square's side is measured in the text font, its word drawn in bold.
    const int side = closeSquareSide(button->font());
    button->setFixedSize(side, side);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
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
    QPalette white = title_->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    title_->setPalette(white);
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
