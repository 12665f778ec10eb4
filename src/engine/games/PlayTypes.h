#pragma once
// The play types this program knows, with the outcomes each one pays on. The key is
// fixed; each state gives the play its own name ("Exact Order", "50/50").
//
//   straight      "straight": the three digits in order
//   box           "six_way", "three_way" (and "triple" where a triple box is sold)
//   straight_box  "six_way_exact", "six_way_other", "three_way_exact", "three_way_other"
//   combo         "straight": the prize of the one arrangement that hits
//   front_pair, back_pair, split_pair   "pair"
//   one_off       "exact", "off_1", "off_2", "off_3": by how many digits are one off

#include <string_view>
#include <vector>

namespace pick3 {

struct PlayTypeShape {
    std::string_view key;
    std::vector<std::string_view> outcomes;
};

const std::vector<PlayTypeShape>& playTypeShapes();

// The shape of a key, or nothing when the key names no play type.
const PlayTypeShape* playTypeShape(std::string_view key);

// The box play's prize for a triple, only where a triple box is sold.
inline constexpr std::string_view kTripleOutcome = "triple";

} // namespace pick3
