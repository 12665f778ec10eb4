#pragma once
// The written order of boxed singles and doubles, chosen per structure by a
// three-letter order code over L, M, H.

#include <array>
#include <string>
#include <string_view>

namespace pick3 {

enum class OrderFamily { SixWay, LLH, LHH };

inline constexpr std::array<std::string_view, 6> kSixWayCodes{"LMH", "LHM", "MLH",
                                                              "MHL", "HLM", "HML"};
inline constexpr std::array<std::string_view, 3> kLLHCodes{"LLH", "LHL", "HLL"};
inline constexpr std::array<std::string_view, 3> kLHHCodes{"LHH", "HLH", "HHL"};

// The current codes (the main window's txtOutputBox6Way, txtOutputBoxLLH, txtOutputBoxLHH).
struct OutputOrder {
    std::string sixWay = "LMH";
    std::string llh = "LLH";
    std::string lhh = "LHH";
    bool operator==(const OutputOrder&) const = default;
};

// Index of `code` among its family's codes, -1 when it is not one of them.
int orderCodeIndex(OrderFamily family, std::string_view code);
// The code with that index; empty for an index outside the family's range.
std::string_view orderCode(OrderFamily family, int index);

// Written form of a boxed number: the sorted digits in the order its code names.
// A triple, or a code outside its family, gives the empty text.
std::string fnBoxedOutputOrder(int d1, int d2, int d3, const OutputOrder& order);

} // namespace pick3
