#pragma once
// What "Create numbers" would create with the settings as they stand, worked
// out exactly as the command does, for the line beside the button that follows
// every change.

#include "engine/numbers/Commands.h"

#include <optional>
#include <string>

namespace pick3 {

struct LiveCount {
    std::optional<std::string> refusal; // what the command would say instead
    int numbers = 0;
    int coveredDraws = 0; // of the 1,000 possible draws
};

// The straight draws that created numbers cover: a straight number its own
// draw; a boxed single its six arrangements, a double its three, a triple one.
int coveredDraws(const NumberSet& created, DigitMode mode);

// Reads the hot digits through input.readHotDigits like the command; a window
// reader that creates nothing gives "nothing hot" where the counter is closed.
LiveCount liveCount(const MainInput& input);

// "Would create 20 numbers: 76 of the 1000 possible draws (7.6%)", or the
// refusal on one line.
std::string liveCountText(const LiveCount& count);

// Draws of the 1,000 possible with their share: "76 of the 1000 possible draws (7.6%)".
std::string shareOfDraws(int draws);

} // namespace pick3
