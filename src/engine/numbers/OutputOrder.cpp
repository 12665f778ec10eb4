#include "engine/numbers/OutputOrder.h"

#include "engine/numbers/Measures.h"

#include <algorithm>
#include <span>

namespace pick3 {

namespace {

std::span<const std::string_view> codesOf(OrderFamily family) {
    switch (family) {
    case OrderFamily::SixWay:
        return kSixWayCodes;
    case OrderFamily::LLH:
        return kLLHCodes;
    case OrderFamily::LHH:
        return kLHHCodes;
    }
    return {};
}

} // namespace

int orderCodeIndex(OrderFamily family, std::string_view code) {
    const auto codes = codesOf(family);
    const auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}

std::string_view orderCode(OrderFamily family, int index) {
    const auto codes = codesOf(family);
    if (index < 0 || static_cast<std::size_t>(index) >= codes.size()) {
        return {};
    }
    return codes[static_cast<std::size_t>(index)];
}

std::string fnBoxedOutputOrder(int d1, int d2, int d3, const OutputOrder& order) {
    const SortedDigits s = sortDigits(d1, d2, d3);
    if (fnIsTriple(d1, d2, d3)) {
        return {};
    }
    OrderFamily family = OrderFamily::SixWay;
    std::string_view code = order.sixWay;
    if (fnIsDouble(d1, d2, d3)) {
        const bool lowerDoubled = s.iMiddle != s.iHighest;
        family = lowerDoubled ? OrderFamily::LLH : OrderFamily::LHH;
        code = lowerDoubled ? order.llh : order.lhh;
    }
    if (orderCodeIndex(family, code) < 0) {
        return {};
    }
    // Each code letter names a sorted digit; for a double the doubled letter
    // stands twice and takes the two equal digits in turn, which writes the same.
    const int a1 = s.iLowest, a2 = s.iMiddle, a3 = s.iHighest;
    std::string written;
    written.reserve(3);
    if (family == OrderFamily::SixWay) {
        for (const char c : code) {
            written.push_back(numeral(c == 'L' ? a1 : c == 'M' ? a2 : a3));
        }
        return written;
    }
    // Doubles: L is the lowest value, H the highest; the letters of the code
    // name the values directly.
    for (const char c : code) {
        written.push_back(numeral(c == 'L' ? a1 : a3));
    }
    return written;
}

} // namespace pick3
