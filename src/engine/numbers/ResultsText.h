#pragma once
// The text of one section of numbers, as both "Create numbers" commands write
// it: the written numbers joined by ", ", nothing after the last.

#include <string>
#include <string_view>

namespace pick3 {

class SectionText {
  public:
    void add(std::string_view written) {
        if (!empty_) {
            text_.append(", ");
        }
        text_.append(written);
        empty_ = false;
    }
    // True until a number is added; a number written as the empty text counts.
    bool empty() const { return empty_; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    bool empty_ = true;
};

inline constexpr std::string_view kLineBreak = "\r\n";

} // namespace pick3
