#include "engine/games/PlayTypes.h"

#include <algorithm>

namespace pick3 {

const std::vector<PlayTypeShape>& playTypeShapes() {
    static const std::vector<PlayTypeShape> kShapes{
        {"straight", {"straight"}},
        {"box", {"six_way", "three_way"}},
        {"straight_box", {"six_way_exact", "six_way_other", "three_way_exact", "three_way_other"}},
        {"combo", {"straight"}},
        {"front_pair", {"pair"}},
        {"back_pair", {"pair"}},
        {"split_pair", {"pair"}},
        {"one_off", {"exact", "off_1", "off_2", "off_3"}},
    };
    return kShapes;
}

const PlayTypeShape* playTypeShape(std::string_view key) {
    const auto& shapes = playTypeShapes();
    const auto found = std::find_if(shapes.begin(), shapes.end(),
                                    [key](const PlayTypeShape& shape) { return shape.key == key; });
    return found == shapes.end() ? nullptr : &*found;
}

} // namespace pick3
