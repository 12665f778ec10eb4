#include "engine/numbers/HotCold.h"

#include "engine/numbers/Measures.h"
#include "engine/Messages.h"
#include "engine/numbers/ResultsText.h"
#include "engine/numbers/Sorting.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace pick3 {

HitTable sbResetHitTable() {
    HitTable table;
    for (int r = 0; r < 10; ++r) {
        table[static_cast<std::size_t>(r)] = HitRow{r, 0};
    }
    return table;
}

std::size_t characterCount(std::string_view utf8) {
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

bool isCountable(std::string_view utf8) {
    return characterCount(utf8) >= kMinCountTextLength;
}

DrawList parseDraws(std::string_view text) {
    DrawList draws;
    draws.reserve(text.size() / 4);
    forEachTriple(text, [&draws](int d1, int d2, int d3) {
        draws.push_back(static_cast<std::uint16_t>(numberIndex(d1, d2, d3)));
    });
    return draws;
}

void addDraw(HitCount& count, int d1, int d2, int d3) {
    ++count.drawCount;
    const std::array<int, 3> digits{d1, d2, d3};
    for (std::size_t p = 0; p < 3; ++p) {
        const auto d = static_cast<std::size_t>(digits[p]);
        ++count.positions[p][d].hits;
        ++count.box[d].hits;
    }
}

void addDraw(HitCount& count, int draw) {
    const auto [d1, d2, d3] = digitsOf(draw);
    addDraw(count, d1, d2, d3);
}

HitCount countDraws(const DrawList& draws) {
    HitCount count;
    for (const std::uint16_t draw : draws) {
        addDraw(count, draw);
    }
    return count;
}

HitCount countDraws(std::string_view text) {
    HitCount count;
    forEachTriple(text, [&count](int d1, int d2, int d3) { addDraw(count, d1, d2, d3); });
    return count;
}

namespace {

// Row a is ranked above row b: more hits, or equal hits and the digit that the
// sort order prefers.
template <bool DigitsAscending> bool rankedAbove(const HitRow& a, const HitRow& b) {
    if (a.hits != b.hits) {
        return a.hits > b.hits;
    }
    return DigitsAscending ? a.digit < b.digit : a.digit > b.digit;
}

template <bool DigitsAscending> void sortRowsChecked(HitTable& table, int lo, int hi) {
    if (lo > hi) {
        return;
    }
    if (lo < 0 || hi >= static_cast<int>(table.size())) {
        throw std::invalid_argument("row range outside the hit table");
    }
    hoareQuickSort(std::span<HitRow>(table), lo, hi, rankedAbove<DigitsAscending>);
}

} // namespace

void sbQuickSortRowsDesc(HitTable& table, int lo, int hi) {
    sortRowsChecked<false>(table, lo, hi);
}

void sbQuickSortRowsDescAsc(HitTable& table, int lo, int hi) {
    sortRowsChecked<true>(table, lo, hi);
}

RankedHits rankHits(const HitCount& count, SortOrder order) {
    RankedHits ranked{count.positions, count.box};
    const auto sortTable = [order](HitTable& table) {
        if (order == SortOrder::HitsDescDigitsAsc) {
            sbQuickSortRowsDescAsc(table, 0, 9);
        } else {
            sbQuickSortRowsDesc(table, 0, 9);
        }
    };
    for (HitTable& table : ranked.positions) {
        sortTable(table);
    }
    sortTable(ranked.box);
    return ranked;
}

HotDigits hotDigitsOf(const RankedHits& ranked) {
    const auto digits = [](const HitTable& table) {
        std::vector<int> ranking;
        for (const HitRow& row : table) {
            ranking.push_back(row.digit);
        }
        return ranking;
    };
    return {{digits(ranked.positions[0]), digits(ranked.positions[1]), digits(ranked.positions[2])},
            digits(ranked.box)};
}

std::string hitListItem(const HitRow& row) {
    return std::to_string(row.digit) + "   (" + std::to_string(row.hits) + " hits)";
}

std::vector<std::string> hitListItems(const HitTable& ranked) {
    std::vector<std::string> items;
    items.reserve(ranked.size());
    for (const HitRow& row : ranked) {
        items.push_back(hitListItem(row));
    }
    return items;
}

int itemDigit(std::string_view itemText) {
    if (itemText.empty() || itemText.front() < '0' || itemText.front() > '9') {
        return -1;
    }
    return itemText.front() - '0';
}

HotDigits hotDigitsFromLists(const std::array<std::vector<std::string>, 4>& itemTexts) {
    std::array<std::vector<int>, 4> ranked;
    for (std::size_t list = 0; list < 4; ++list) {
        for (const std::string& text : itemTexts[list]) {
            ranked[list].push_back(itemDigit(text));
        }
    }
    return {{ranked[0], ranked[1], ranked[2]}, ranked[3]};
}

std::optional<ChosenDigits>
fnReadChosenDigits(StraightBox choice,
                   const std::array<std::vector<std::string>, 4>& selectedTexts) {
    ChosenDigits chosen;
    const auto read = [](const std::vector<std::string>& texts, std::vector<int>& digits) {
        for (const std::string& text : texts) {
            if (const int d = itemDigit(text); d >= 0) {
                digits.push_back(d);
            }
        }
    };
    if (choice == StraightBox::Box) {
        read(selectedTexts[3], chosen.box);
        return chosen.box.size() >= 3 ? std::optional(chosen) : std::nullopt;
    }
    for (std::size_t p = 0; p < 3; ++p) {
        read(selectedTexts[p], chosen.positions[p]);
        if (chosen.positions[p].empty()) {
            return std::nullopt;
        }
    }
    return chosen;
}

namespace {

bool allowed(NumberKinds kinds, Structure structure) {
    switch (structure) {
    case Structure::Single:
        return kinds.sixWays;
    case Structure::Double:
        return kinds.doubles;
    case Structure::Triple:
        return kinds.triples;
    }
    return false;
}

std::string straightNumbers(const ChosenDigits& chosen, NumberKinds kinds, int& count) {
    SectionText numbers;
    for (const int a : chosen.positions[0]) {
        for (const int b : chosen.positions[1]) {
            for (const int c : chosen.positions[2]) {
                if (allowed(kinds, structureOf(a, b, c))) {
                    numbers.add(numberText(a, b, c));
                    ++count;
                }
            }
        }
    }
    return numbers.text();
}

std::string boxNumbers(const ChosenDigits& chosen, NumberKinds kinds, int& count) {
    std::array<SectionText, 3> sections; // 6-ways, doubles, triples
    const std::vector<int>& b = chosen.box;
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = i; j < b.size(); ++j) {
            for (std::size_t k = j; k < b.size(); ++k) {
                const SortedDigits s = sortDigits(b[i], b[j], b[k]);
                const Structure structure = structureOf(s.iLowest, s.iMiddle, s.iHighest);
                if (!allowed(kinds, structure)) {
                    continue;
                }
                sections[static_cast<std::size_t>(structure)].add(
                    numberText(s.iLowest, s.iMiddle, s.iHighest));
                ++count;
            }
        }
    }
    std::string text = sections[0].text();
    for (std::size_t kind = 1; kind < 3; ++kind) {
        if (!sections[kind].empty()) {
            text.append(kLineBreak).append(sections[kind].text());
        }
    }
    return text;
}

} // namespace

HotColdNumbers createHotColdNumbers(StraightBox choice,
                                    const std::array<std::vector<std::string>, 4>& selectedTexts,
                                    NumberKinds kinds) {
    const std::optional<ChosenDigits> chosen = fnReadChosenDigits(choice, selectedTexts);
    if (!chosen) {
        return {std::string(choice == StraightBox::Box ? kMsgSelectBoxDigits : kMsgAllThreeLists),
                {},
                0};
    }
    if (!kinds.sixWays && !kinds.doubles && !kinds.triples) {
        return {std::string(kMsgSelectKind), {}, 0};
    }
    HotColdNumbers result;
    const std::string numbers = choice == StraightBox::Box
                                    ? boxNumbers(*chosen, kinds, result.count)
                                    : straightNumbers(*chosen, kinds, result.count);
    result.text = std::string(kCreatedNumbersPrefix) + std::to_string(result.count) +
                  std::string(kLineBreak) + numbers;
    return result;
}

} // namespace pick3
