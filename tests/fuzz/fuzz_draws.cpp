// Any bytes pasted into the draw box: counting them never crashes, and a draw
// is only ever three digits.
#include "engine/numbers/HotCold.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const pick3::DrawList draws = pick3::parseDraws(text);
    for (const int draw : draws) {
        if (draw < 0 || draw > 999) {
            std::abort();
        }
    }
    (void)pick3::countDraws(draws);
    return 0;
}
