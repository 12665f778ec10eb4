#pragma once
// The one sort of the program: a recursive quicksort with Hoare partitioning,
// used for the digits of a number and for the rows of a hit table.

#include <cstddef>
#include <span>
#include <utility>

namespace pick3 {

// Sorts a[lo..hi] (both ends included) so that no element comes `before` one
// left of it. The pivot is the middle element; of two middle ones the
// even-numbered (indices 1 and 2 give 2). The caller checks the range.
template <typename T, typename Before>
void hoareQuickSort(std::span<T> a, std::ptrdiff_t lo, std::ptrdiff_t hi, Before before) {
    const auto at = [&a](std::ptrdiff_t k) -> T& { return a[static_cast<std::size_t>(k)]; };
    std::ptrdiff_t middle = (lo + hi) / 2;
    if ((lo + hi) % 2 != 0 && middle % 2 != 0) {
        ++middle;
    }
    const T pivot = at(middle); // copied: the swaps below may move it
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    while (i <= j) {
        while (before(at(i), pivot)) {
            ++i;
        }
        while (before(pivot, at(j))) {
            --j;
        }
        if (i <= j) {
            std::swap(at(i), at(j));
            ++i;
            --j;
        }
    }
    if (lo < j) {
        hoareQuickSort(a, lo, j, before);
    }
    if (i < hi) {
        hoareQuickSort(a, i, hi, before);
    }
}

} // namespace pick3
