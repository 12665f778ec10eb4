// Any bytes read as a game definition: reading never crashes or throws, a refusal
// always says something, and a definition it accepts answers its questions.
#include "engine/games/GameDefinition.h"
#include "engine/games/Prizes.h"
#include "engine/games/Schedule.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The file is named after the "id" it holds, so that the reader gets past that check.
std::string fileNameFor(std::string_view text) {
    const auto json = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_object() && json.contains("id") && json["id"].is_string()) {
        return json["id"].get<std::string>() + ".json";
    }
    return "fuzz.json";
}

void askAbout(const pick3::GameDefinition& game) {
    for (const pick3::CivilDate date : {pick3::CivilDate{2013, 9, 8}, pick3::CivilDate{2016, 6, 1},
                                        pick3::CivilDate{2027, 1, 4}}) {
        (void)pick3::drawTimesOn(game, date);
        (void)pick3::drawTimeNamed(game, date, "12:29 PM");
        (void)pick3::drawTimeNamed(game, date, "2");
        (void)pick3::drawTimeNamed(game, date, "M");
        (void)pick3::prizeOn(game, date, {"straight", 100, "straight"});
        (void)pick3::prizeOn(game, date, {"box", 50, "triple"});
        (void)pick3::addOnPrizeOn(game, date, "fireball", {"straight", 100, "straight"});
    }
    (void)pick3::missingDraws(game, {{{2013, 9, 6}, "Day"}, {{2013, 9, 10}, "Night"}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto game = pick3::readGameDefinition(text, fileNameFor(text));
    if (game.ok()) {
        askAbout(*game);
    } else if (game.refusal().empty()) {
        std::abort();
    }
    return 0;
}
