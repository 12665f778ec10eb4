#pragma once
// The banner painting shared by every window but the help window: a title strip
// across the top painted blue to white from top to bottom, a side strip down the
// left painted blue to white from left to right, and the red "&Close" button in
// the square where they meet.

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class QGridLayout;

namespace pick3 {

// Colours are laid out as blue * 65536 + green * 256 + red.
inline constexpr quint32 kBannerBlue = 0xFF0000;
inline constexpr quint32 kBannerWhite = 0xFFFFFF;

// The colour of line t of a gradient over `extent` units (t = 0 gives colour1,
// t = extent colour2); each channel is rounded to the nearest whole number,
// halves to the even neighbour.
QColor gradientColourAt(quint32 colour1, quint32 colour2, int t, int extent);

// Paint `rect` of `surface` line by line: rows from colour1 at the top to colour2
// at the bottom, or columns from colour1 at the left to colour2 at the right.
void sbGradientTopToBottom(QPainter& surface, const QRect& rect, quint32 colour1, quint32 colour2);
void sbGradientLeftToRight(QPainter& surface, const QRect& rect, quint32 colour1, quint32 colour2);

// The red "&Close" button of every window (objectName cmdClose).
QPushButton* makeCloseButton(QWidget* parent);

// A window's frame: Close button, title strip lblStateName, side strip lblLeft,
// and the content area. The gradients are painted on this widget's surface under
// the two transparent labels, so they come back after every cover and resize.
class BannerFrame : public QWidget {
    Q_OBJECT
public:
    explicit BannerFrame(const QString& title, QWidget* parent);

    QWidget* content() const { return content_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* titleStrip() const { return title_; }
    QLabel* sideStrip() const { return side_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* close_;
    QLabel* title_;
    QLabel* side_;
    QWidget* content_;
};

} // namespace pick3
