#include "charts/ChartDraws.h"

#include "engine/stats/ChartSeries.h"

namespace pick3 {

ChartDraws chartDraws(const ChartSource& source, NewestEnd newest) {
    ChartDraws out;
    out.oldest = oldestFirst(source.draws, newest);
    if (source.labelOf) {
        const std::size_t n = source.draws.size();
        out.labelOf = [labelOf = source.labelOf, n, newest](std::size_t place) {
            return labelOf(newest == NewestEnd::First ? n - 1 - place : place);
        };
    }
    out.report = source.report;
    out.prizes = source.prizes;
    out.ticketsLuck = source.ticketsLuck;
    return out;
}

ChartSource backTestSource(const BackTestReport& report, const Prizes& prizes,
                           const std::function<std::string(std::size_t index)>& labelOf) {
    ChartSource source;
    std::vector<std::size_t> index;
    for (const DrawVerdict& v : report.strip) {
        source.draws.push_back(static_cast<std::uint16_t>(v.draw));
        index.push_back(v.index);
    }
    if (labelOf) {
        source.labelOf = [labelOf, index](std::size_t place) { return labelOf(index.at(place)); };
    }
    source.newest = report.newest;
    source.report = std::make_shared<const BackTestReport>(report);
    source.prizes = prizes;
    return source;
}

} // namespace pick3
