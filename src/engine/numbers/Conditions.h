#pragma once
// The conditions of the main window's settings by name, as a player reads
// them: what the back-test charges each one with and the printout lists.

#include "engine/numbers/Commands.h"
#include "engine/Result.h"

#include <string>
#include <vector>

namespace pick3 {

// "Sumdigits 27", "Left pairs (LP): 12, 34", "Use Digits: 1, 2, 7".
std::string conditionName(const Condition& c, const MainInput& in, const Creation& plan);
// The conditions a test charges: all but a must-include list that throws out nothing.
std::vector<Condition> testedConditions(const Creation& plan);

// The name of every condition the settings hold now, as the costs name them,
// in the order the command applies them; refused as "Create numbers" refuses.
Result<std::vector<std::string>> conditionNames(const MainInput& input);
// The same conditions for a reader, the ticked items of one list on one line:
// "Sumdigits: 0, 1, 2", "Hot/cold: All hot, Mostly hot", "Use Digits: 1, 2, 3, 4".
Result<std::vector<std::string>> conditionLines(const MainInput& input);

} // namespace pick3
