#pragma once
// The definitions shipped in games/, read once for the tests that ask about a state.

#include "engine/games/GameDefinition.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace pick3::test {

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every file of the shipped folder, sorted by name.
inline std::vector<GameFile> shippedGameFiles() {
    std::vector<GameFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(PICK3_GAMES_DIR)) {
        if (entry.path().extension() == ".json") {
            files.push_back({entry.path().filename().string(), fileText(entry.path())});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const GameFile& a, const GameFile& b) { return a.name < b.name; });
    return files;
}

// A shipped definition by its id ("texas-pick-3"); a test fails when it does not read.
inline const GameDefinition& shippedGame(const std::string& id) {
    static std::map<std::string, GameDefinition> games;
    if (!games.contains(id)) {
        const std::filesystem::path path = std::filesystem::path(PICK3_GAMES_DIR) / (id + ".json");
        const auto game = readGameDefinition(fileText(path), path.filename().string());
        EXPECT_TRUE(game.ok()) << game.refusal();
        games.emplace(id, game.ok() ? *game : GameDefinition{});
    }
    return games.at(id);
}

} // namespace pick3::test
