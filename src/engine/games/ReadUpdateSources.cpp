// Reading the "updateSources" of a definition: where the game's newest draws can be
// fetched and how each file is laid out. Every column the reading will look for, and
// every draw time it will name, is checked here, so that a fetch never meets a source
// that cannot be read.

#include "engine/games/DefinitionReader.h"

#include <algorithm>
#include <cctype>

namespace pick3::gamefile {
namespace {

// No download has this many columns; a larger place is a typing mistake.
constexpr std::int64_t kMostColumns = 1000;

bool startsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string readAddress(const Json& object, const std::string& path) {
    const std::string address = textMember(object, path, "address");
    const std::size_t scheme = startsWithNoCase(address, "https://")  ? 8
                               : startsWithNoCase(address, "http://") ? 7
                                                                      : 0;
    const bool spaced = std::any_of(address.begin(), address.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) != 0;
    });
    if (scheme == 0 || address.size() == scheme || address[scheme] == '/' || spaced) {
        refuse(fieldPath(path, "address"),
               "is not a web address (\"https://...\"): " + quotedText(address));
    }
    return address;
}

bool flagMember(const Json& object, const std::string& path, std::string_view key, bool absent) {
    if (!object.contains(key)) {
        return absent;
    }
    if (!object.at(key).is_boolean()) {
        refuse(fieldPath(path, key), "is neither true nor false");
    }
    return object.at(key).get<bool>();
}

SourceColumn columnOf(const Json& value, const std::string& where, bool header) {
    if (value.is_string() && !value.get_ref<const std::string&>().empty()) {
        if (!header) {
            refuse(where, "names a column by its heading, but the file has no heading line");
        }
        return {value.get<std::string>(), 0};
    }
    if (!value.is_number_integer() || value.get<std::int64_t>() < 1 ||
        value.get<std::int64_t>() > kMostColumns) {
        refuse(where, "is neither a column's heading nor its place (1 for the first)");
    }
    return {"", static_cast<int>(value.get<std::int64_t>())};
}

SourceColumn readColumn(const Json& object, const std::string& path, std::string_view key,
                        bool header) {
    return object.contains(key) ? columnOf(object.at(key), fieldPath(path, key), header)
                                : SourceColumn{};
}

SourceDateOrder readDateOrder(const Json& columns, const std::string& path) {
    const std::string order = optionalText(columns, path, "dateOrder");
    if (order.empty() || order == "month/day/year") {
        return SourceDateOrder::monthDayYear;
    }
    if (order == "day/month/year") {
        return SourceDateOrder::dayMonthYear;
    }
    if (order != "year-month-day") {
        refuse(fieldPath(path, "dateOrder"),
               "is neither \"month/day/year\", \"day/month/year\" nor \"year-month-day\"");
    }
    return SourceDateOrder::yearMonthDay;
}

void readColumns(const Json& object, const std::string& path, UpdateSource& source) {
    const std::string where = fieldPath(path, "columns");
    const Json& columns = member(object, path, "columns");
    checkFields(columns, where, {"game", "gameName", "date", "dateOrder", "year", "month", "day"});
    source.gameColumn = readColumn(columns, where, "game", source.header);
    source.gameName = optionalText(columns, where, "gameName");
    if (source.gameColumn.given() != !source.gameName.empty()) {
        refuse(where, "gives \"game\" without \"gameName\", or the other way round");
    }
    source.date = readColumn(columns, where, "date", source.header);
    source.dateOrder = readDateOrder(columns, where);
    source.year = readColumn(columns, where, "year", source.header);
    source.month = readColumn(columns, where, "month", source.header);
    source.day = readColumn(columns, where, "day", source.header);
    const bool split = source.year.given() && source.month.given() && source.day.given();
    const bool partSplit = source.year.given() || source.month.given() || source.day.given();
    if (source.date.given() == partSplit || (partSplit && !split)) {
        refuse(where, "gives neither a \"date\" column nor \"year\", \"month\" and \"day\"");
    }
}

SourceDrawColumns readDrawColumns(const Json& object, const std::string& path,
                                  const UpdateSource& source, const GameDefinition& game) {
    checkFields(object, path, {"drawTime", "number", "digits", "addOn"});
    SourceDrawColumns draw;
    draw.drawTime = optionalText(object, path, "drawTime");
    draw.number = readColumn(object, path, "number", source.header);
    if (object.contains("digits")) {
        const Json& digits = object.at("digits");
        if (!digits.is_array() || digits.size() != 3) {
            refuse(fieldPath(path, "digits"), "is not a list of three columns");
        }
        for (std::size_t i = 0; i < 3; ++i) {
            draw.digits[i] =
                columnOf(digits[i], itemPath(fieldPath(path, "digits"), i), source.header);
        }
    }
    if (draw.number.given() == object.contains("digits")) {
        refuse(path, "gives neither \"number\" nor \"digits\", or both");
    }
    draw.addOn = readColumn(object, path, "addOn", source.header);
    if (draw.addOn.given() && game.addOns.empty()) {
        refuse(fieldPath(path, "addOn"), "names an add-on's column, but the game has no add-on");
    }
    return draw;
}

bool isDrawTimeOf(const GameDefinition& game, const std::string& name) {
    return std::any_of(game.schedules.begin(), game.schedules.end(), [&](const auto& schedule) {
        return std::any_of(schedule.drawTimes.begin(), schedule.drawTimes.end(),
                           [&](const DrawTime& time) { return time.name == name; });
    });
}

// Each draw time is given once, by a file or by a row's columns, never by both.
void checkDrawTimes(const UpdateSource& source, const std::string& path,
                    const GameDefinition& game) {
    const bool byFile = std::any_of(source.files.begin(), source.files.end(),
                                    [](const SourceFile& file) { return !file.drawTime.empty(); });
    std::vector<std::pair<std::string, std::string>> named; // name, where
    for (std::size_t i = 0; i < source.files.size(); ++i) {
        named.emplace_back(source.files[i].drawTime,
                           fieldPath(itemPath(fieldPath(path, "files"), i), "drawTime"));
    }
    for (std::size_t i = 0; i < source.draws.size(); ++i) {
        named.emplace_back(source.draws[i].drawTime,
                           fieldPath(itemPath(fieldPath(path, "draws"), i), "drawTime"));
    }
    const std::size_t firstDraw = source.files.size();
    for (std::size_t i = 0; i < named.size(); ++i) {
        const auto& [name, where] = named[i];
        const bool wanted = byFile ? i < firstDraw : i >= firstDraw;
        if (name.empty() == wanted || (byFile && source.draws.size() != 1)) {
            refuse(where, byFile ? "must be given for every file and for no row's columns, "
                                   "which then hold one draw"
                                 : "must be given for every draw of a row, as no file names one");
        }
        if (wanted && !isDrawTimeOf(game, name)) {
            refuse(where, "names " + quotedText(name) + ", which is not a draw time of the game");
        }
        for (std::size_t j = 0; wanted && j < i; ++j) {
            if (named[j].first == name) {
                refuse(where, "names " + quotedText(name) + " a second time");
            }
        }
    }
}

UpdateSource readUpdateSource(const Json& object, const std::string& path,
                              const GameDefinition& game) {
    checkFields(
        object, path,
        {"name", "files", "layout", "header", "columns", "draws", "leadingZerosLost", "checked"});
    UpdateSource source;
    source.name = textMember(object, path, "name");
    source.layout = textMember(object, path, "layout");
    if (source.layout != "csv") {
        refuse(fieldPath(path, "layout"), "is not a layout this program reads (\"csv\")");
    }
    source.header = flagMember(object, path, "header", true);
    const Json& files = arrayMember(object, path, "files");
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string where = itemPath(fieldPath(path, "files"), i);
        checkFields(files[i], where, {"address", "drawTime"});
        source.files.push_back(
            {readAddress(files[i], where), optionalText(files[i], where, "drawTime")});
    }
    readColumns(object, path, source);
    const Json& draws = arrayMember(object, path, "draws");
    for (std::size_t i = 0; i < draws.size(); ++i) {
        source.draws.push_back(
            readDrawColumns(draws[i], itemPath(fieldPath(path, "draws"), i), source, game));
    }
    if (source.files.empty() || source.draws.empty()) {
        refuse(fieldPath(path, source.files.empty() ? "files" : "draws"), "is empty");
    }
    checkDrawTimes(source, path, game);
    source.leadingZerosLost = flagMember(object, path, "leadingZerosLost", false);
    member(object, path, "checked");
    source.checked = flagMember(object, path, "checked", false);
    return source;
}

} // namespace

std::vector<UpdateSource> readUpdateSources(const Json& root, const GameDefinition& game) {
    if (!root.contains("updateSources")) {
        return {};
    }
    const Json& list = arrayMember(root, "", "updateSources");
    std::vector<UpdateSource> sources;
    for (std::size_t i = 0; i < list.size(); ++i) {
        sources.push_back(readUpdateSource(list[i], itemPath("updateSources", i), game));
    }
    return sources;
}

} // namespace pick3::gamefile
