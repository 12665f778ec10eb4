#include "widgets/mdlGradient.h"

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

void sbGradientTopToBottom(QPainter& surface, const QRect& rect, quint32 colour1, quint32 colour2) {
    if (rect.isEmpty()) {
        return; // a strip of no height or width is never painted
    }
    const int extent = rect.height() - 1; // the last row of the strip is colour2
    for (int t = extent; t >= 0; --t) {
        surface.setPen(gradientColourAt(colour1, colour2, t, extent));
        surface.drawLine(rect.left(), rect.top() + t, rect.right(), rect.top() + t);
    }
}

void sbGradientLeftToRight(QPainter& surface, const QRect& rect, quint32 colour1, quint32 colour2) {
    if (rect.isEmpty()) {
        return;
    }
    const int extent = rect.width() - 1;
    for (int t = 0; t <= extent; ++t) {
        surface.setPen(gradientColourAt(colour1, colour2, t, extent));
        surface.drawLine(rect.left() + t, rect.top(), rect.left() + t, rect.bottom());
    }
}

} // namespace pick3
