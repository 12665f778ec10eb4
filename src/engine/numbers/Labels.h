#pragma once
// Digit classes and the pattern labels built from them. Every text here is
// compared character for character with the items of the filter lists.

#include <string>

namespace pick3 {

// Class letters of one digit.
char lmhLetter(int d);     // L 0-2, M 3-6, H 7-9
char ocsLetter(int d);     // O 2,3,5  C 0,6,8,9  S 1,4,7
char inOutLetter(int d);   // I 3-7, O otherwise
char evenOddLetter(int d); // E even (0 included), O odd
char highLowLetter(int d); // H 5-9, L 0-4

// Straight patterns: the class letters in position order.
std::string lmhPattern(int d1, int d2, int d3);
std::string fnOCSPattern(int d1, int d2, int d3);
std::string fnInOutPattern(int d1, int d2, int d3);
std::string oddEvenPattern(int d1, int d2, int d3);
std::string highLowPattern(int d1, int d2, int d3);
std::string hotColdPattern(bool hot1, bool hot2, bool hot3); // "HCH"

// Boxed patterns.
std::string lmhBoxed(int d1, int d2, int d3); // letters of the sorted digits: "LMH", "LHH"
std::string ocsBoxed(int d1, int d2, int d3); // O letters first, then C, then S

// Count labels.
std::string fnInOutLabel(int d1, int d2, int d3); // "ALL IN" .. "ALL OUT"
std::string oddEvenLabel(int d1, int d2, int d3); // "All even" .. "All odd"
std::string highLowLabel(int d1, int d2, int d3); // "All high" .. "All low"
std::string hotColdLabel(int hotCount);           // 3 "ALL HOT" .. 0 "ALL COLD"

// Which position holds the lowest, middle, highest digit: 312 -> "HLM", 551 -> "HHL".
std::string fnDigitSortPattern(int d1, int d2, int d3);

} // namespace pick3
