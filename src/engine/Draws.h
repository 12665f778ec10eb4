#pragma once
// A draw history as the rooms hand it to each other: the draws in the order of
// their text, and which end of that text holds the newest draw.

#include <cstdint>
#include <vector>

namespace pick3 {

// The draws of a history, in the order of its text, each as its number's index (097 is 97).
using DrawList = std::vector<std::uint16_t>;

// Which end of the history text holds the newest draw.
enum class NewestEnd { First, Last };

} // namespace pick3
