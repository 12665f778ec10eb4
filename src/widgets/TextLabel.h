#pragma once
// A label that remembers the heights it has worked out for its widths. A
// wrapped label is asked its height for a width over and over while the
// window's layout settles (one hint of the main window some thirty times at
// start-up, for five widths), and QLabel lays the text out anew for every
// answer. This label answers each width once, for as long as nothing that goes
// into the answer has changed: its text, font, wrapping, alignment, margins,
// indent, frame, size limits, direction, style, buddy and the screen's
// resolution. Rich text, selectable text and pictures are left to QLabel. It
// is a QLabel in every other respect.

#include <QLabel>
#include <QMargins>
#include <QSize>
#include <array>

class QStyle;

namespace pick3 {

class TextLabel : public QLabel {
public:
    explicit TextLabel(const QString& text, QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

private:
    // All that a plain label's height for a width depends on besides the width.
    struct Inputs {
        QString text;
        QFont font;
        int alignment = 0;
        bool wordWrap = false;
        int indent = 0;
        int margin = 0;
        int frameWidth = 0;
        QMargins contents;
        QSize minimum;
        int maximumWidth = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle* style = nullptr;
        const QWidget* buddy = nullptr;
        int underlineShortcut = 0;
        int dpi = 0;
        bool operator==(const Inputs& other) const;
    };
    bool remembers() const;
    Inputs inputs() const;
    // Starts over when the inputs have changed since the last answer.
    void recall() const;

    static constexpr int kWidths = 8;
    mutable Inputs known_;
    mutable std::array<std::pair<int, int>, kWidths> heights_{}; // width, height
    mutable int heightsKept_ = 0;
    mutable int nextSlot_ = 0;
};

} // namespace pick3
