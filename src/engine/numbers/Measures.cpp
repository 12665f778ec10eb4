#include "engine/numbers/Measures.h"

#include "engine/numbers/Sorting.h"

#include <array>
#include <stdexcept>

namespace pick3 {

namespace {

// Which digit values the number holds; a repeated digit counts once.
std::array<bool, 10> presence(int d1, int d2, int d3) {
    std::array<bool, 10> p{};
    p[static_cast<std::size_t>(checkDigit(d1))] = true;
    p[static_cast<std::size_t>(checkDigit(d2))] = true;
    p[static_cast<std::size_t>(checkDigit(d3))] = true;
    return p;
}

} // namespace

void sbQuickSort(std::span<int> a, std::ptrdiff_t lo, std::ptrdiff_t hi) {
    if (lo > hi) {
        return;
    }
    if (lo < 0 || static_cast<std::size_t>(hi) >= a.size()) {
        throw std::out_of_range("sort range outside the array");
    }
    hoareQuickSort(a, lo, hi, [](int x, int y) { return x < y; });
}

SortedDigits sortDigits(int d1, int d2, int d3) {
    std::array<int, 3> a{checkDigit(d1), checkDigit(d2), checkDigit(d3)};
    sbQuickSort(a, 0, 2);
    return {a[0], a[1], a[2]};
}

int sumDigits(int d1, int d2, int d3) {
    return checkDigit(d1) + checkDigit(d2) + checkDigit(d3);
}

int rootSum(int d1, int d2, int d3) {
    const int sum = sumDigits(d1, d2, d3);
    return sum == 0 ? 0 : 1 + (sum - 1) % 9;
}

int shortSum(int d1, int d2, int d3) {
    return sumDigits(d1, d2, d3) % 10;
}

bool fnIsTriple(int d1, int d2, int d3) {
    // Check all three first: a short-circuit would let a bad third digit through.
    checkDigit(d1);
    checkDigit(d2);
    checkDigit(d3);
    return d1 == d2 && d1 == d3;
}

bool fnIsDouble(int d1, int d2, int d3) {
    if (fnIsTriple(d1, d2, d3)) {
        return false;
    }
    return d1 == d2 || d1 == d3 || d2 == d3;
}

Structure structureOf(int d1, int d2, int d3) {
    if (fnIsTriple(d1, d2, d3)) {
        return Structure::Triple;
    }
    return fnIsDouble(d1, d2, d3) ? Structure::Double : Structure::Single;
}

int fnConsecutive2(int d1, int d2, int d3, bool zeroAndNine) {
    const auto p = presence(d1, d2, d3);
    for (std::size_t v = 0; v <= 8; ++v) {
        if (p[v] && p[v + 1]) {
            return 2;
        }
    }
    return (zeroAndNine && p[9] && p[0]) ? 2 : 0;
}

int fnConsecutive3(int d1, int d2, int d3, bool zeroAndNine) {
    const auto p = presence(d1, d2, d3);
    for (std::size_t v = 0; v <= 7; ++v) {
        if (p[v] && p[v + 1] && p[v + 2]) {
            return 3;
        }
    }
    if (zeroAndNine && ((p[8] && p[9] && p[0]) || (p[9] && p[0] && p[1]))) {
        return 3;
    }
    return 0;
}

} // namespace pick3
