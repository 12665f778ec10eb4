#pragma once
// GoogleTest, the standard headers and the small helpers the engine tests share.

#include "engine/numbers/Commands.h"
#include "engine/Messages.h"
#include "engine/numbers/Selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <tuple>

namespace pick3::test {

// The digits of a number written as text: "471" gives 4, 7, 1.
inline std::array<int, 3> digitsOf(std::string_view n) {
    return {n[0] - '0', n[1] - '0', n[2] - '0'};
}

// Texts joined with "|", or another separator, as the tables write them.
template <typename Texts> std::string joined(const Texts& texts, std::string_view between = "|") {
    std::string out;
    for (const auto& text : texts) {
        out += (out.empty() ? "" : std::string(between)) + std::string(text);
    }
    return out;
}

// The ticks of a catalogue list with the given rows ticked, or every row.
inline Ticks tickRows(ListId list, const std::vector<int>& rows) {
    Ticks ticks(listEntry(list).items.size(), false);
    for (const int row : rows) {
        ticks.at(static_cast<std::size_t>(row)) = true;
    }
    return ticks;
}
inline Ticks tickAll(ListId list) {
    return Ticks(listEntry(list).items.size(), true);
}

// A copy of `in` changed by `change`, such as ticking rows or setting the must-include list.
using Change = std::function<void(MainInput&)>;
inline MainInput with(MainInput in, const Change& change) {
    change(in);
    return in;
}
inline Change tick(ListId list, const std::vector<int>& rows) {
    return [list, rows](MainInput& in) { in.ticks[list] = tickRows(list, rows); };
}
// Ticks the items of `list` with these texts.
inline Change tickItems(ListId list, const std::vector<std::string_view>& items) {
    return [list, items](MainInput& in) {
        const auto all = listEntry(list).items;
        std::vector<int> rows;
        for (const std::string_view item : items) {
            rows.push_back(static_cast<int>(std::find(all.begin(), all.end(), item) - all.begin()));
        }
        in.ticks[list] = tickRows(list, rows);
    };
}
inline Change mustHave(const std::vector<MustHaveItem>& items) {
    return [items](MainInput& in) { in.mustHave = items; };
}

// Digits ticked in the any-position list (one list given) or in the three
// position lists (three given); every digit is ticked in the must-include list.
inline MainInput chosen(const std::vector<std::vector<int>>& lists) {
    MainInput in;
    in.mode = lists.size() == 1 ? DigitMode::AnyPosition : DigitMode::Positional;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const ListId id = lists.size() == 1 ? ListId::DigitsWheel : kPositionLists[i];
        in.ticks[id] = tickRows(id, lists[i]);
    }
    for (int d = 0; d <= 9; ++d) {
        in.mustHave.push_back({d, true});
    }
    return in;
}

// A folder's expected.txt: "= name" heads the "key value" lines that file must give.
inline std::map<std::string, std::map<std::string, std::string>>
expectedByFile(const std::string& path) {
    std::ifstream in(path);
    std::map<std::string, std::map<std::string, std::string>> expected;
    std::string file, line;
    while (std::getline(in, line)) {
        if (line.starts_with("= ")) {
            file = line.substr(2);
        } else if (!file.empty() && !line.empty()) {
            const auto space = line.find(' ');
            expected[file][line.substr(0, space)] = line.substr(space + 1);
        }
    }
    return expected;
}

} // namespace pick3::test
