// Reading one definition: the format and version first (a newer file is refused
// before anything else is looked at), then the game's names and sources, then its
// schedules, play types and add-ons, each checked against the sources and for
// overlapping periods.

#include "engine/games/DefinitionReader.h"

namespace pick3 {
namespace {

using gamefile::Json;
using gamefile::refuse;

// A definition is a page of text; anything far larger is not one.
constexpr std::size_t kLargestDefinition = 1 << 20;

std::string stemOf(std::string_view fileName) {
    const auto slash = fileName.find_last_of("/\\");
    if (slash != std::string_view::npos) {
        fileName.remove_prefix(slash + 1);
    }
    return std::string(fileName.substr(0, fileName.rfind(".json")));
}

void checkFormat(const Json& root) {
    if (!root.is_object() || !root.contains("format") || root["format"] != kGameFormat) {
        refuse("format",
               "is missing or wrong: this is not a " + std::string(kGameFormat) + " definition");
    }
    const Json& version = gamefile::member(root, "", "version");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1) {
        refuse("version", "is not a format version (a whole number from 1)");
    }
    if (version.get<std::int64_t>() > kGameFormatVersion) {
        refuse("version", "is " + version.dump() +
                              ": the file was made by a newer version of "
                              "this program, which reads version " +
                              std::to_string(kGameFormatVersion));
    }
}

CivilDate readChecked(const Json& root) {
    const std::string text = gamefile::textMember(root, "", "checked");
    const auto date = parseCivilDate(text + "-01");
    if (text.size() != 7 || !date) {
        refuse("checked", "is not a month (\"2026-12\"): " + gamefile::quotedText(text));
    }
    return *date;
}

std::vector<std::string> readTexts(const Json& root, std::string_view key, bool needed) {
    if (!needed && !root.contains(key)) {
        return {};
    }
    const Json& list = gamefile::arrayMember(root, "", key);
    if (needed && list.empty()) {
        refuse(std::string(key), "is empty");
    }
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].is_string() || list[i].get_ref<const std::string&>().empty()) {
            refuse(gamefile::itemPath(std::string(key), i), "is not a text");
        }
        texts.push_back(list[i].get<std::string>());
    }
    return texts;
}

std::optional<ClaimPeriod> readClaimPeriod(const Json& root, const gamefile::ReadContext& context) {
    const Json& value = gamefile::member(root, "", "claimPeriod");
    if (gamefile::isUnknown(value)) {
        return std::nullopt;
    }
    gamefile::checkFields(value, "claimPeriod", {"amount", "unit", "source"});
    const Json& amount = gamefile::member(value, "claimPeriod", "amount");
    if (!amount.is_number_integer() || amount.get<std::int64_t>() < 1 ||
        amount.get<std::int64_t>() > 10000) {
        refuse("claimPeriod.amount", "is not a whole number from 1 to 10000");
    }
    const std::string unit = gamefile::textMember(value, "claimPeriod", "unit");
    auto sources = gamefile::readSources(value, "claimPeriod", context);
    if (unit != "days" && unit != "months" && unit != "years") {
        refuse("claimPeriod.unit", "is neither \"days\", \"months\" nor \"years\"");
    }
    const auto kind = unit == "days"     ? ClaimPeriod::Unit::days
                      : unit == "months" ? ClaimPeriod::Unit::months
                                         : ClaimPeriod::Unit::years;
    return ClaimPeriod{static_cast<int>(amount.get<std::int64_t>()), kind, std::move(sources)};
}

GameDefinition readRoot(const Json& root, const std::string& stem) {
    checkFormat(root);
    gamefile::checkFields(root, "",
                          {"format", "version", "id", "state", "name", "checked", "sources",
                           "claimPeriod", "notes", "schedules", "playTypes", "addOns",
                           "updateSources"});
    GameDefinition game;
    game.id = gamefile::textMember(root, "", "id");
    if (game.id != stem) {
        refuse("id", "is " + gamefile::quotedText(game.id) + " but the file is named " +
                         gamefile::quotedText(stem + ".json") + ": rename one of them");
    }
    game.state = gamefile::textMember(root, "", "state");
    game.name = gamefile::textMember(root, "", "name");
    game.checked = readChecked(root);
    game.sources = readTexts(root, "sources", true);
    game.notes = readTexts(root, "notes", false);
    const gamefile::ReadContext context{game.checked, game.sources};
    game.claimPeriod = readClaimPeriod(root, context);
    game.schedules = gamefile::readSchedules(root, context);
    game.playTypes = gamefile::readPlayTypes(root, context);
    game.addOns = gamefile::readAddOns(root, context);
    game.updateSources = gamefile::readUpdateSources(root, game);
    return game;
}

} // namespace

Result<GameDefinition> readGameDefinition(std::string_view text, std::string_view fileName) {
    const std::string file(fileName);
    if (text.size() > kLargestDefinition) {
        return Result<GameDefinition>::refused(file + ": is far larger than a game definition");
    }
    try {
        const Json root = Json::parse(text.begin(), text.end(), nullptr, false);
        if (root.is_discarded()) {
            return Result<GameDefinition>::refused(file + ": is not JSON text, so not a game "
                                                          "definition");
        }
        return readRoot(root, stemOf(fileName));
    } catch (const gamefile::FieldError& error) {
        const std::string field = error.path.empty() ? "" : "\"" + error.path + "\" ";
        return Result<GameDefinition>::refused(file + ": " + field + error.why);
    } catch (const std::exception& error) {
        // A wrong type that slipped past the checks: still a refusal, never a crash.
        return Result<GameDefinition>::refused(file + ": could not be read: " + error.what());
    }
}

GameFolder loadGameFolder(const std::vector<GameFile>& files) {
    GameFolder folder;
    for (const auto& file : files) {
        auto game = readGameDefinition(file.text, file.name);
        if (game.ok()) {
            folder.games.push_back(std::move(*game));
        } else {
            folder.refusals.push_back(game.refusal());
        }
    }
    return folder;
}

} // namespace pick3
