#include "engine/stats/SkipCounts.h"

#include "engine/numbers/Measures.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pick3 {

namespace {

// One subject's run through the history, oldest draw first.
struct Tally {
    std::size_t hits = 0;
    std::size_t last = 0; // the draw it last came in, while hits > 0
    std::size_t longest = 0;
    std::size_t skipped = 0; // the draws between two of its draws, all added up

    void came(std::size_t t) {
        const std::size_t away = hits == 0 ? t : t - last - 1;
        longest = std::max(longest, away);
        if (hits > 0) {
            skipped += away;
        }
        ++hits;
        last = t;
    }
    SkipRow row(SkipSubject subject, int value, std::size_t draws) const {
        SkipRow r{subject, value, hits, hits == 0 ? draws : draws - 1 - last, longest, {}};
        r.draws = draws;
        r.longest = std::max(r.longest, r.current);
        if (hits >= 2) {
            r.average = static_cast<double>(skipped) / static_cast<double>(hits - 1);
        }
        return r;
    }
};

// The share of the 1,000 numbers whose root sum (or sum) is each value.
template <std::size_t N> std::array<double, N> oddsOf(int (*measure)(int, int, int)) {
    std::array<double, N> odds{};
    for (int n = 0; n < kNumberCount; ++n) {
        const auto [d1, d2, d3] = digitsOf(n);
        odds[static_cast<std::size_t>(measure(d1, d2, d3))] += 1.0 / kNumberCount;
    }
    return odds;
}

} // namespace

double SkipRow::expectedSkip() const {
    return (1.0 - odds) / odds;
}

double SkipRow::chanceOfSkip() const {
    return std::exp(logChanceOfSkip());
}

double SkipRow::logChanceOfSkip() const {
    return static_cast<double>(current) * std::log1p(-odds);
}

double SkipRow::chanceUnusual() const {
    if (!(odds > 0.0 && odds < 1.0)) {
        return 0.0;
    }
    const double level = std::log(0.05);
    const auto unusualAt = [this, level](std::size_t skip) {
        SkipRow at = *this;
        at.current = skip;
        return at.logChanceOfSkip() < level;
    };
    // A first guess, settled on the very test the table makes as doubles round.
    auto shortest = static_cast<std::size_t>(level / std::log1p(-odds));
    while (shortest > 0 && unusualAt(shortest - 1)) {
        --shortest;
    }
    while (!unusualAt(shortest)) {
        ++shortest;
    }
    return shortest <= draws ? std::exp(static_cast<double>(shortest) * std::log1p(-odds)) : 0.0;
}

std::string skipLuckText(const std::vector<SkipRow>& rows) {
    std::size_t rare = 0;
    double expected = 0.0;
    for (const SkipRow& row : rows) {
        rare += row.logChanceOfSkip() < std::log(0.05) ? 1 : 0;
        expected += row.chanceUnusual();
    }
    return luckAloneText(expected, rows.size(), "row", rare);
}

double SkipRow::due() const {
    return (static_cast<double>(current) + 1.0) / (expectedSkip() + 1.0);
}

bool isOfKind(SkipSubject subject, SkipKind kind) {
    switch (kind) {
    case SkipKind::All:
        return true;
    case SkipKind::DigitsByPosition:
        return subject <= SkipSubject::Position3;
    case SkipKind::DigitsAnywhere:
        return subject == SkipSubject::AnyPosition;
    case SkipKind::RootSums:
        return subject == SkipSubject::RootSum;
    case SkipKind::Sums:
        return subject == SkipSubject::Sum;
    }
    return false;
}

std::vector<SkipRow> skipCounts(const DrawList& history, NewestEnd newest) {
    std::array<std::array<Tally, 10>, 4> digits; // positions 1 to 3, any position
    std::array<Tally, 10> roots;
    std::array<Tally, 28> sums;
    const std::size_t size = history.size();
    for (std::size_t t = 0; t < size; ++t) {
        const int draw = history[newest == NewestEnd::First ? size - 1 - t : t];
        const auto [d1, d2, d3] = digitsOf(draw);
        const std::array<int, 3> position{d1, d2, d3};
        std::array<bool, 10> present{};
        for (std::size_t p = 0; p < 3; ++p) {
            digits[p][static_cast<std::size_t>(position[p])].came(t);
            present[static_cast<std::size_t>(position[p])] = true;
        }
        for (std::size_t d = 0; d < 10; ++d) {
            if (present[d]) {
                digits[3][d].came(t); // a repeated digit comes once per draw
            }
        }
        roots[static_cast<std::size_t>(rootSum(d1, d2, d3))].came(t);
        sums[static_cast<std::size_t>(sumDigits(d1, d2, d3))].came(t);
    }
    static const std::array<double, 10> rootOdds = oddsOf<10>(rootSum);
    static const std::array<double, 28> sumOdds = oddsOf<28>(sumDigits);
    std::vector<SkipRow> rows;
    const auto add = [&](const Tally& tally, SkipSubject subject, std::size_t value, double odds) {
        rows.push_back(tally.row(subject, static_cast<int>(value), size));
        rows.back().odds = odds;
    };
    for (std::size_t s = 0; s < 4; ++s) {
        for (std::size_t d = 0; d < 10; ++d) {
            // A digit anywhere: all but the 9 * 9 * 9 numbers without it.
            add(digits[s][d], static_cast<SkipSubject>(s), d, s < 3 ? 0.1 : 0.271);
        }
    }
    for (std::size_t r = 0; r < roots.size(); ++r) {
        add(roots[r], SkipSubject::RootSum, r, rootOdds[r]);
    }
    for (std::size_t s = 0; s < sums.size(); ++s) {
        add(sums[s], SkipSubject::Sum, s, sumOdds[s]);
    }
    return rows;
}

std::string skipSubjectName(SkipSubject subject) {
    switch (subject) {
    case SkipSubject::Position1:
        return "Pos 1";
    case SkipSubject::Position2:
        return "Pos 2";
    case SkipSubject::Position3:
        return "Pos 3";
    case SkipSubject::AnyPosition:
        return "Any position";
    case SkipSubject::RootSum:
        return "Root sum";
    case SkipSubject::Sum:
        return "Sum";
    }
    return {};
}

} // namespace pick3
