#pragma once
// Basic vocabulary of the engine: a Pick 3 number, the digit mode, the structure
// of a number, and the scanner that cuts any text into groups of three digits.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pick3 {

// Any position: one digit list, boxed combinations. Positional: one list per
// position, straight numbers.
enum class DigitMode { AnyPosition, Positional };

// Structure of a number: three different digits, exactly two equal, or three equal.
enum class Structure { Single, Double, Triple };

// Throws std::invalid_argument unless 0 <= d <= 9; every public engine entry
// point that takes digits checks them with this.
inline int checkDigit(int d) {
    if (d < 0 || d > 9) {
        throw std::invalid_argument("digit out of range 0 to 9: " + std::to_string(d));
    }
    return d;
}

inline char numeral(int d) {
    return static_cast<char>('0' + d);
}

// A pair text: the numeral of the first digit, then that of the second ("07").
inline std::string pairText(int first, int second) {
    return {numeral(first), numeral(second)};
}

// The three digits written side by side ("097").
inline std::string numberText(int d1, int d2, int d3) {
    return {numeral(d1), numeral(d2), numeral(d3)};
}

// The 1,000 numbers 000 to 999, indexed by their value: 097 is number 97.
inline constexpr int kNumberCount = 1000;
inline int numberIndex(int d1, int d2, int d3) {
    return checkDigit(d1) * 100 + checkDigit(d2) * 10 + checkDigit(d3);
}
inline std::array<int, 3> digitsOf(int index) {
    return {index / 100, index / 10 % 10, index % 10};
}

// Calls f(d1, d2, d3) for every group of three digit characters ("0" to "9")
// in text, in the order read. Every other character is skipped without ending a
// group; one or two digits left at the end are dropped. Linear in the text, so
// a pasted megabyte is no problem.
template <typename F> void forEachTriple(std::string_view text, F&& f) {
    std::array<int, 3> group{};
    int held = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            continue;
        }
        group[static_cast<std::size_t>(held++)] = c - '0';
        if (held == 3) {
            f(group[0], group[1], group[2]);
            held = 0;
        }
    }
}

} // namespace pick3
