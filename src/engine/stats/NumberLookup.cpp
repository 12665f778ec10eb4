#include "engine/stats/NumberLookup.h"

#include "engine/numbers/Measures.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace pick3 {

namespace {

// A number's digits sorted: two draws are the same boxed number when these agree.
int boxKey(int number) {
    static const std::array<int, kNumberCount> keys = [] {
        std::array<int, kNumberCount> k{};
        for (int n = 0; n < kNumberCount; ++n) {
            auto d = digitsOf(n);
            std::sort(d.begin(), d.end());
            k[static_cast<std::size_t>(n)] = d[0] * 100 + d[1] * 10 + d[2];
        }
        return k;
    }();
    return keys.at(static_cast<std::size_t>(number)); // a draw is 0 to 999
}

// How many of the 1,000 numbers are this one in some order: 6, 3 or 1.
int orders(Structure kind) {
    return kind == Structure::Single ? 6 : kind == Structure::Double ? 3 : 1;
}

// Skips as the skip table counts them, walking the draws oldest first.
struct SkipWalk {
    std::size_t hits = 0;
    std::size_t last = 0;
    std::size_t longest = 0;
    void came(std::size_t t) {
        longest = std::max(longest, hits == 0 ? t : t - last - 1);
        ++hits;
        last = t;
    }
    void finish(HitSkips& into, std::size_t draws) const {
        into.current = hits == 0 ? draws : draws - 1 - last;
        into.longest = std::max(longest, into.current);
    }
};

// 165.666 as "165.7", 1,000 as "1,000": tenths, none where the value is whole;
// below 1 two digits that count, 0.007 as "0.007".
std::string oneDecimal(double value) {
    if (value > 0.0 && value < 0.95) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2g", value);
        return text;
    }
    const long long tenths = std::llround(value * 10.0);
    const std::string whole = grouped(static_cast<std::size_t>(tenths / 10));
    return tenths % 10 == 0 ? whole : whole + "." + std::to_string(tenths % 10);
}

std::string drawName(std::size_t place, const std::function<std::string(std::size_t)>& labelOf) {
    std::string label = labelOf ? labelOf(place) : std::string();
    return label.empty() ? "draw " + grouped(place + 1) : label;
}

// "Sat 2026-12-05 Evening; draw 612 (came as 321)": the boxed ones with the order that came.
std::string hitList(const std::vector<std::size_t>& hits, const DrawList& draws, bool withOrder,
                    const std::function<std::string(std::size_t)>& labelOf) {
    std::string text;
    for (const std::size_t place : hits) {
        const auto [d1, d2, d3] = digitsOf(draws.at(place));
        text += (text.empty() ? "" : "; ") + drawName(place, labelOf) +
                (withOrder ? " (came as " + numberText(d1, d2, d3) + ")" : "");
    }
    return text;
}

std::string skipLines(const std::string& heading, const HitSkips& s, std::size_t draws,
                      int inThousand, bool withOrder, const DrawList& drawList,
                      const std::function<std::string(std::size_t)>& labelOf) {
    const double expected = static_cast<double>(draws) * s.odds;
    std::string text = heading + ": " + counted(s.hits.size(), "hit") + " (" +
                       oneDecimal(expected) + " expected; odds " + std::to_string(inThousand) +
                       " in 1,000)\r\n";
    if (!s.hits.empty()) {
        text += "  " + hitList(s.hits, drawList, withOrder, labelOf) + "\r\n";
    }
    text += "  " +
            (s.hits.empty() ? std::string("Never drawn")
                            : "Last drawn " + drawName(s.hits.front(), labelOf)) +
            "; skip now " + grouped(s.current) + ", longest " + grouped(s.longest) + " (" +
            oneDecimal(s.expectedSkip()) + " on average by the odds)\r\n";
    return text;
}

} // namespace

Result<int> readLookupNumber(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    const auto last = typed.find_last_not_of(" \t");
    const std::string_view number = first == std::string_view::npos
                                        ? std::string_view()
                                        : typed.substr(first, last - first + 1);
    if (number.size() != 3 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return Result<int>::refused(kMsgLookupNotThreeDigits);
    }
    return (number[0] - '0') * 100 + (number[1] - '0') * 10 + (number[2] - '0');
}

std::string kindName(Structure kind) {
    return kind == Structure::Single   ? "six-way"
           : kind == Structure::Double ? "three-way"
                                       : "triple";
}

NumberLookup lookUpNumber(int number, const DrawList& draws, NewestEnd newest) {
    if (number < 0 || number >= kNumberCount) {
        throw std::invalid_argument("number out of range 0 to 999: " + std::to_string(number));
    }
    NumberLookup r;
    r.number = number;
    const auto [d1, d2, d3] = digitsOf(number);
    r.kind = structureOf(d1, d2, d3);
    r.draws = draws.size();
    r.newest = newest;
    r.straight.odds = 0.001;
    r.boxed.odds = orders(r.kind) / 1000.0;
    const int key = boxKey(number);
    SkipWalk straight, boxed;
    const std::size_t n = draws.size();
    for (std::size_t t = 0; t < n; ++t) {
        const std::size_t place = newest == NewestEnd::First ? n - 1 - t : t;
        const int draw = draws[place];
        if (draw == number) {
            straight.came(t);
            r.straight.hits.push_back(place);
        }
        if (boxKey(draw) == key) {
            boxed.came(t);
            r.boxed.hits.push_back(place);
        }
        // The front pair 12x, the back pair x23 and the split pair 1x3.
        r.pairs[0].hits += draw / 10 == number / 10 ? 1 : 0;
        r.pairs[1].hits += draw % 100 == number % 100 ? 1 : 0;
        r.pairs[2].hits += draw / 100 == d1 && draw % 10 == d3 ? 1 : 0;
    }
    straight.finish(r.straight, n);
    boxed.finish(r.boxed, n);
    std::reverse(r.straight.hits.begin(), r.straight.hits.end()); // newest first
    std::reverse(r.boxed.hits.begin(), r.boxed.hits.end());
    const std::array<std::string, 3> patterns{std::string{numeral(d1), numeral(d2), 'x'},
                                              std::string{'x', numeral(d2), numeral(d3)},
                                              std::string{numeral(d1), 'x', numeral(d3)}};
    for (std::size_t p = 0; p < 3; ++p) {
        r.pairs[p].pattern = patterns[p];
        r.pairs[p].expected = static_cast<double>(n) / 100.0;
    }
    return r;
}

std::string lookupText(const NumberLookup& lookup, const DrawList& draws,
                       const std::function<std::string(std::size_t)>& labelOf) {
    const auto [d1, d2, d3] = digitsOf(lookup.number);
    std::string text =
        numberText(d1, d2, d3) + ", " + kindName(lookup.kind) + ", in " +
        counted(lookup.draws, "draw") +
        (lookup.newest == NewestEnd::First ? " (newest first)\r\n" : " (newest last)\r\n");
    text += skipLines("Straight", lookup.straight, lookup.draws, 1, false, draws, labelOf);
    text += skipLines("Boxed, any order", lookup.boxed, lookup.draws, orders(lookup.kind), true,
                      draws, labelOf);
    // The hits of the three pairs on a line of their own, so that it stays whole in the box.
    text +=
        "Pairs (" + oneDecimal(lookup.pairs[0].expected) + " expected each; odds 1 in 100):\r\n  ";
    const std::array<const char*, 3> names{"front ", "back ", "split "};
    for (std::size_t p = 0; p < 3; ++p) {
        text += (p == 0 ? "" : ", ") + std::string(names[p]) + lookup.pairs[p].pattern + " " +
                grouped(lookup.pairs[p].hits);
    }
    return text + "\r\n";
}

} // namespace pick3
