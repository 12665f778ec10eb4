#include "engine/numbers/PlayList.h"

#include "engine/numbers/Conditions.h"
#include "engine/numbers/Labels.h"
#include "engine/numbers/Measures.h"
#include "engine/Messages.h"
#include "engine/numbers/ResultsText.h"

namespace pick3 {

std::array<std::size_t, 3> PlayList::structureCounts() const {
    std::array<std::size_t, 3> counts{};
    for (const PlayedNumber& n : numbers) {
        ++counts[static_cast<std::size_t>(n.structure)];
    }
    return counts;
}

// The scan of forEachTriple, with the line each number starts on.
PlayList readPlayList(std::string_view resultsText, DigitMode mode) {
    PlayList list{mode, {}};
    std::string held;
    std::size_t line = 0;
    std::size_t startLine = 0;
    for (const char c : resultsText) {
        if (c == '\n') {
            ++line;
        }
        if (c < '0' || c > '9') {
            continue;
        }
        if (held.empty()) {
            startLine = line;
        }
        held.push_back(c);
        if (held.size() == 3) {
            list.numbers.push_back(
                {held, structureOf(held[0] - '0', held[1] - '0', held[2] - '0'), startLine});
            held.clear();
        }
    }
    return list;
}

std::string_view structureName(Structure structure) {
    static constexpr std::array<std::string_view, 3> kNames{"single", "double", "triple"};
    return kNames[static_cast<std::size_t>(structure)];
}

std::string_view playName(DigitMode mode) {
    return mode == DigitMode::Positional ? "straight" : "boxed";
}

std::string playListText(const PlayList& list) {
    std::string text;
    SectionText line;
    for (std::size_t i = 0; i < list.numbers.size(); ++i) {
        line.add(list.numbers[i].written);
        if (i + 1 == list.numbers.size() || list.numbers[i + 1].line != list.numbers[i].line) {
            text.append(line.text()).append(kLineBreak);
            line = SectionText();
        }
    }
    return text;
}

std::string playListCsv(const PlayList& list) {
    std::string csv = "number,structure,play,digit-sort";
    csv.append(kLineBreak);
    csv.reserve(csv.size() + list.numbers.size() * 28);
    for (const PlayedNumber& n : list.numbers) {
        const auto& w = n.written;
        csv.append(w)
            .append(",")
            .append(structureName(n.structure))
            .append(",")
            .append(playName(list.mode))
            .append(",")
            .append(fnDigitSortPattern(w[0] - '0', w[1] - '0', w[2] - '0'))
            .append(kLineBreak);
    }
    return csv;
}

namespace {

std::string countLine(const PlayList& list) {
    const std::size_t total = list.numbers.size();
    std::string line = std::to_string(total) + (total == 1 ? " number" : " numbers");
    const std::array<std::size_t, 3> counts = list.structureCounts();
    std::string parts;
    for (std::size_t s = 0; s < counts.size(); ++s) {
        if (counts[s] > 0) {
            parts += (parts.empty() ? "" : ", ") + std::to_string(counts[s]) + " " +
                     std::string(structureName(static_cast<Structure>(s))) +
                     (counts[s] == 1 ? "" : "s");
        }
    }
    return parts.empty() ? line : line + ": " + parts;
}

} // namespace

std::array<std::vector<std::string>, 3> numbersByStructure(const PlayList& list) {
    std::array<std::vector<std::string>, 3> groups;
    for (const PlayedNumber& n : list.numbers) {
        groups[static_cast<std::size_t>(n.structure)].push_back(n.written);
    }
    return groups;
}

PlayListHeading playListHeading(const PlayList& list, const MainInput& settings) {
    PlayListHeading heading;
    heading.mode = std::string(list.mode == DigitMode::Positional ? "Positional" : "Any position") +
                   ": " + std::string(playName(list.mode)) + " numbers";
    const Result<std::vector<std::string>> names = conditionLines(settings);
    if (!names.ok()) {
        heading.conditions = {std::string(kRefusedSettingsPrefix) + names.refusal()};
    } else {
        heading.conditions = names->empty() ? std::vector<std::string>{"none"} : *names;
    }
    heading.count = countLine(list);
    return heading;
}

} // namespace pick3
