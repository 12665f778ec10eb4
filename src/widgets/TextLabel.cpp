#include "widgets/TextLabel.h"

#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <algorithm>

namespace pick3 {

TextLabel::TextLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

bool TextLabel::Inputs::operator==(const Inputs& other) const {
    return alignment == other.alignment && wordWrap == other.wordWrap && indent == other.indent &&
           margin == other.margin && frameWidth == other.frameWidth &&
           contents == other.contents && minimum == other.minimum &&
           maximumWidth == other.maximumWidth && direction == other.direction &&
           style == other.style && buddy == other.buddy &&
           underlineShortcut == other.underlineShortcut && dpi == other.dpi &&
           text == other.text && font == other.font;
}

bool TextLabel::remembers() const {
    constexpr Qt::TextInteractionFlags kSelectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    if ((textInteractionFlags() & kSelectable) || !pixmap().isNull() || !picture().isNull() ||
        movie() != nullptr) {
        return false;
    }
    return textFormat() == Qt::PlainText ||
           (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
}

TextLabel::Inputs TextLabel::inputs() const {
    Inputs now;
    now.text = text();
    now.font = font();
    now.alignment = static_cast<int>(alignment());
    now.wordWrap = wordWrap();
    now.indent = indent();
    now.margin = margin();
    now.frameWidth = frameWidth();
    now.contents = contentsMargins();
    now.minimum = minimumSize();
    now.maximumWidth = maximumWidth();
    now.direction = layoutDirection();
    now.style = style();
    now.buddy = buddy();
    QStyleOption option;
    option.initFrom(this);
    now.underlineShortcut = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    now.dpi = logicalDpiY();
    return now;
}

void TextLabel::recall() const {
    Inputs now = inputs();
    if (!(now == known_)) {
        known_ = std::move(now);
        heightsKept_ = 0;
        nextSlot_ = 0;
    }
}

int TextLabel::heightForWidth(int width) const {
    if (!remembers()) {
        return QLabel::heightForWidth(width);
    }
    recall();
    for (int i = 0; i < heightsKept_; ++i) {
        if (heights_[static_cast<std::size_t>(i)].first == width) {
            return heights_[static_cast<std::size_t>(i)].second;
        }
    }
    const int height = QLabel::heightForWidth(width);
    heights_[static_cast<std::size_t>(nextSlot_)] = {width, height};
    nextSlot_ = (nextSlot_ + 1) % kWidths;
    heightsKept_ = std::min(heightsKept_ + 1, kWidths);
    return height;
}

} // namespace pick3
