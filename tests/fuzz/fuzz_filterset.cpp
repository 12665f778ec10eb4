// Any bytes opened as a filter set: reading never crashes, and a set it accepts
// is written out and read back as the same set.
#include "engine/sets/FilterSetFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto set = pick3::readFilterSet(text);
    if (set.ok()) {
        const auto again = pick3::readFilterSet(pick3::writeFilterSet(*set));
        if (!again.ok() || !(*again == *set)) {
            std::abort();
        }
    } else if (set.refusal().empty()) {
        std::abort();
    }
    return 0;
}
