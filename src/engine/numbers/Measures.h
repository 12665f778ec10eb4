#pragma once
// The numeric measures of a three-digit number: sorted digits, sum, root sum,
// shortsum, widths, consecutive digits and structure.

#include "engine/Digits.h"

#include <span>

namespace pick3 {

// Sorts a[lo..hi] (indices into the span, both ends included) ascending in
// place; elements outside the range are untouched. Throws std::out_of_range
// for a range that does not lie inside the span. An empty range (lo > hi) does nothing.
void sbQuickSort(std::span<int> a, std::ptrdiff_t lo, std::ptrdiff_t hi);

struct SortedDigits {
    int iLowest = 0;
    int iMiddle = 0;
    int iHighest = 0;
};
SortedDigits sortDigits(int d1, int d2, int d3);

int sumDigits(int d1, int d2, int d3);
int rootSum(int d1, int d2, int d3);  // 775 -> 1, 000 -> 0
int shortSum(int d1, int d2, int d3); // LDR: sum mod 10

bool fnIsTriple(int d1, int d2, int d3);
bool fnIsDouble(int d1, int d2, int d3); // exactly two equal; false for a triple
Structure structureOf(int d1, int d2, int d3);

// 2 when the number holds two consecutive digit values, else 0. With
// zeroAndNine (the "Consider 0 and 9 consecutive" box) 9 and 0 are neighbours.
int fnConsecutive2(int d1, int d2, int d3, bool zeroAndNine);
// 3 when the number holds three consecutive digit values, else 0.
int fnConsecutive3(int d1, int d2, int d3, bool zeroAndNine);

} // namespace pick3
