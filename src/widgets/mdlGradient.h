#pragma once
// The banner painting shared by every window but the help window: a title strip
// painted blue to white from top to bottom, a side strip blue to white from
// left to right.

#include <QColor>
#include <QRect>

class QPainter;

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

} // namespace pick3
