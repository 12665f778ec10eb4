#include "engine/HotCold.h"

#include "engine/Commands.h"
#include "engine/Measures.h"

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

HitCount countDraws(std::string_view text) {
    HitCount count;
    forEachTriple(text, [&count](int d1, int d2, int d3) {
        ++count.drawCount;
        const std::array<int, 3> digits{d1, d2, d3};
        for (std::size_t p = 0; p < 3; ++p) {
            const auto d = static_cast<std::size_t>(digits[p]);
            ++count.positions[p][d].hits;
            ++count.box[d].hits;
        }
    });
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

// The pivot row: the middle one, or of two middle rows the even-numbered one.
int middleRow(int lo, int hi) {
    const int below = (lo + hi) / 2;
    if ((lo + hi) % 2 == 0 || below % 2 == 0) {
        return below;
    }
    return below + 1;
}

template <bool DigitsAscending> void quickSortRows(HitTable& table, int lo, int hi) {
    const auto at = [&table](int r) -> HitRow& { return table[static_cast<std::size_t>(r)]; };
    const HitRow pivot = at(middleRow(lo, hi));
    int i = lo;
    int j = hi;
    while (i <= j) {
        while (rankedAbove<DigitsAscending>(at(i), pivot)) {
            ++i;
        }
        while (rankedAbove<DigitsAscending>(pivot, at(j))) {
            --j;
        }
        if (i <= j) {
            std::swap(at(i), at(j));
            ++i;
            --j;
        }
    }
    if (lo < j) {
        quickSortRows<DigitsAscending>(table, lo, j);
    }
    if (i < hi) {
        quickSortRows<DigitsAscending>(table, i, hi);
    }
}

template <bool DigitsAscending> void sortRowsChecked(HitTable& table, int lo, int hi) {
    if (lo > hi) {
        return;
    }
    if (lo < 0 || hi >= static_cast<int>(table.size())) {
        throw std::invalid_argument("row range outside the hit table");
    }
    quickSortRows<DigitsAscending>(table, lo, hi);
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
    const auto firstFive = [](const std::vector<std::string>& texts) {
        std::vector<int> digits;
        const std::size_t hotItems = std::min<std::size_t>(5, texts.size());
        for (std::size_t i = 0; i < hotItems; ++i) {
            if (const int d = itemDigit(texts[i]); d >= 0) {
                digits.push_back(d);
            }
        }
        return digits;
    };
    HotDigits hot;
    for (std::size_t p = 0; p < 3; ++p) {
        hot.positions[p] = firstFive(itemTexts[p]);
    }
    hot.box = firstFive(itemTexts[3]);
    return hot;
}

bool fnReadChosenDigits(StraightBox choice,
                        const std::array<std::vector<std::string>, 4>& selectedTexts,
                        ChosenDigits& chosen) {
    chosen = ChosenDigits{};
    const auto read = [](const std::vector<std::string>& texts, std::vector<int>& digits) {
        for (const std::string& text : texts) {
            if (const int d = itemDigit(text); d >= 0) {
                digits.push_back(d);
            }
        }
    };
    if (choice == StraightBox::Box) {
        read(selectedTexts[3], chosen.box);
        return chosen.box.size() >= 3;
    }
    for (std::size_t p = 0; p < 3; ++p) {
        read(selectedTexts[p], chosen.positions[p]);
    }
    return std::none_of(chosen.positions.begin(), chosen.positions.end(),
                        [](const std::vector<int>& digits) { return digits.empty(); });
}

namespace {

// Numbers of one kind, each followed by ", " until the section is closed.
class Section {
  public:
    void add(int d1, int d2, int d3) {
        text_ += numeral(d1);
        text_ += numeral(d2);
        text_ += numeral(d3);
        text_ += ", ";
    }
    bool empty() const { return text_.empty(); }
    // The numbers without the final ", ".
    std::string closed() const { return empty() ? text_ : text_.substr(0, text_.size() - 2); }

  private:
    std::string text_;
};

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
    Section numbers;
    for (const int a : chosen.positions[0]) {
        for (const int b : chosen.positions[1]) {
            for (const int c : chosen.positions[2]) {
                if (allowed(kinds, structureOf(a, b, c))) {
                    numbers.add(a, b, c);
                    ++count;
                }
            }
        }
    }
    return numbers.closed();
}

std::string boxNumbers(const ChosenDigits& chosen, NumberKinds kinds, int& count) {
    Section sixWays;
    Section doubles;
    Section triples;
    const std::vector<int>& b = chosen.box;
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = i; j < b.size(); ++j) {
            for (std::size_t k = j; k < b.size(); ++k) {
                const SortedDigits s = sortDigits(b[i], b[j], b[k]);
                const Structure structure = structureOf(s.iLowest, s.iMiddle, s.iHighest);
                if (!allowed(kinds, structure)) {
                    continue;
                }
                Section& section = structure == Structure::Single   ? sixWays
                                   : structure == Structure::Double ? doubles
                                                                    : triples;
                section.add(s.iLowest, s.iMiddle, s.iHighest);
                ++count;
            }
        }
    }
    std::string text = sixWays.closed();
    for (const Section* section : {&doubles, &triples}) {
        if (!section->empty()) {
            text += "\r\n" + section->closed();
        }
    }
    return text;
}

} // namespace

HotColdNumbers createHotColdNumbers(StraightBox choice,
                                    const std::array<std::vector<std::string>, 4>& selectedTexts,
                                    NumberKinds kinds) {
    ChosenDigits chosen;
    if (!fnReadChosenDigits(choice, selectedTexts, chosen)) {
        return {std::string(choice == StraightBox::Box ? kMsgSelectBoxDigits : kMsgAllThreeLists),
                {},
                0};
    }
    if (!kinds.sixWays && !kinds.doubles && !kinds.triples) {
        return {std::string(kMsgSelectKind), {}, 0};
    }
    HotColdNumbers result;
    const std::string numbers = choice == StraightBox::Box
                                    ? boxNumbers(chosen, kinds, result.count)
                                    : straightNumbers(chosen, kinds, result.count);
    result.text =
        std::string(kCreatedNumbersPrefix) + std::to_string(result.count) + "\r\n" + numbers;
    return result;
}

} // namespace pick3
