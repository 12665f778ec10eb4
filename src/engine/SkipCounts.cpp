#include "engine/SkipCounts.h"

#include "engine/Measures.h"

#include <algorithm>
#include <array>
#include <limits>

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
        r.longest = std::max(r.longest, r.current);
        if (hits >= 2) {
            r.average = static_cast<double>(skipped) / static_cast<double>(hits - 1);
        }
        return r;
    }
};

} // namespace

std::optional<double> SkipRow::due() const {
    if (!average) {
        return std::nullopt;
    }
    return (static_cast<double>(current) + 1.0) / (*average + 1.0);
}

double SkipRow::dueRank() const {
    if (hits == 0) {
        return std::numeric_limits<double>::infinity();
    }
    return due().value_or(-1.0);
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
    std::vector<SkipRow> rows;
    for (std::size_t s = 0; s < 4; ++s) {
        for (std::size_t d = 0; d < 10; ++d) {
            rows.push_back(
                digits[s][d].row(static_cast<SkipSubject>(s), static_cast<int>(d), size));
        }
    }
    for (std::size_t r = 0; r < roots.size(); ++r) {
        rows.push_back(roots[r].row(SkipSubject::RootSum, static_cast<int>(r), size));
    }
    for (std::size_t s = 0; s < sums.size(); ++s) {
        rows.push_back(sums[s].row(SkipSubject::Sum, static_cast<int>(s), size));
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
