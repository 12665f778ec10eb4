#include "engine/numbers/Labels.h"

#include "engine/Digits.h"
#include "engine/numbers/Measures.h"

#include <array>
#include <string_view>

namespace pick3 {

namespace {

// Class letters by digit 0..9.
constexpr std::string_view kLMH = "LLLMMMMHHH";
constexpr std::string_view kOCS = "CSOOSOCSCC";
constexpr std::string_view kInOut = "OOOIIIIIOO";
constexpr std::string_view kEvenOdd = "EOEOEOEOEO";
constexpr std::string_view kHighLow = "LLLLLHHHHH";

char letter(std::string_view classes, int d) {
    return classes[static_cast<std::size_t>(checkDigit(d))];
}

std::string pattern(std::string_view classes, int d1, int d2, int d3) {
    return {letter(classes, d1), letter(classes, d2), letter(classes, d3)};
}

// How many of the three digits (by position) fall into the class `first`.
int countIn(std::string_view classes, char first, int d1, int d2, int d3) {
    return (letter(classes, d1) == first ? 1 : 0) + (letter(classes, d2) == first ? 1 : 0) +
           (letter(classes, d3) == first ? 1 : 0);
}

// Labels for 0, 1, 2, 3 digits in the first class.
std::string countLabel(const std::array<std::string_view, 4>& labels, int count) {
    return std::string(labels[static_cast<std::size_t>(count)]);
}

} // namespace

char lmhLetter(int d) {
    return letter(kLMH, d);
}
char ocsLetter(int d) {
    return letter(kOCS, d);
}
char inOutLetter(int d) {
    return letter(kInOut, d);
}
char evenOddLetter(int d) {
    return letter(kEvenOdd, d);
}
char highLowLetter(int d) {
    return letter(kHighLow, d);
}

std::string lmhPattern(int d1, int d2, int d3) {
    return pattern(kLMH, d1, d2, d3);
}
std::string fnOCSPattern(int d1, int d2, int d3) {
    return pattern(kOCS, d1, d2, d3);
}
std::string fnInOutPattern(int d1, int d2, int d3) {
    return pattern(kInOut, d1, d2, d3);
}
std::string oddEvenPattern(int d1, int d2, int d3) {
    return pattern(kEvenOdd, d1, d2, d3);
}
std::string highLowPattern(int d1, int d2, int d3) {
    return pattern(kHighLow, d1, d2, d3);
}

std::string hotColdPattern(bool hot1, bool hot2, bool hot3) {
    return {hot1 ? 'H' : 'C', hot2 ? 'H' : 'C', hot3 ? 'H' : 'C'};
}

std::string lmhBoxed(int d1, int d2, int d3) {
    const SortedDigits s = sortDigits(d1, d2, d3);
    return pattern(kLMH, s.iLowest, s.iMiddle, s.iHighest);
}

std::string ocsBoxed(int d1, int d2, int d3) {
    std::string result;
    result.reserve(3);
    for (const char wanted : {'O', 'C', 'S'}) {
        for (const int d : {d1, d2, d3}) {
            if (ocsLetter(d) == wanted) {
                result.push_back(wanted);
            }
        }
    }
    return result;
}

std::string fnInOutLabel(int d1, int d2, int d3) {
    return countLabel({"ALL OUT", "MOSTLY OUT", "MOSTLY IN", "ALL IN"},
                      countIn(kInOut, 'I', d1, d2, d3));
}

std::string oddEvenLabel(int d1, int d2, int d3) {
    return countLabel({"All odd", "Mostly odd", "Mostly even", "All even"},
                      countIn(kEvenOdd, 'E', d1, d2, d3));
}

std::string highLowLabel(int d1, int d2, int d3) {
    return countLabel({"All low", "Mostly low", "Mostly high", "All high"},
                      countIn(kHighLow, 'H', d1, d2, d3));
}

std::string hotColdLabel(int hotCount) {
    if (hotCount < 0 || hotCount > 3) {
        throw std::invalid_argument("hot digit count out of range 0 to 3");
    }
    return countLabel({"ALL COLD", "MOSTLY COLD", "MOSTLY HOT", "ALL HOT"}, hotCount);
}

std::string fnDigitSortPattern(int d1, int d2, int d3) {
    const int a = checkDigit(d1);
    const int b = checkDigit(d2);
    const int c = checkDigit(d3);
    if (a == b && a == c) {
        return "LLL";
    }
    if (a == b) {
        return a > c ? "HHL" : "LLH";
    }
    if (a == c) {
        return a > b ? "HLH" : "LHL";
    }
    if (b == c) {
        return b > a ? "LHH" : "HLL";
    }
    auto rank = [&](int x) {
        if (x < a || x < b || x < c) {
            return (x > a || x > b || x > c) ? 'M' : 'L';
        }
        return 'H';
    };
    return {rank(a), rank(b), rank(c)};
}

} // namespace pick3
