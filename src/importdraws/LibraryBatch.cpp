#include "importdraws/LibraryBatch.h"

#include <algorithm>

namespace pick3 {

namespace {

IncomingDraw incomingDraw(DayNumber day, const std::string& drawTime, std::uint16_t number,
                          std::int8_t addOn, const GameDefinition& game) {
    IncomingDraw draw;
    draw.date = isoDateText(day);
    draw.drawTime = drawTime;
    draw.timeOrder = drawTimeOrder(game, drawTime);
    draw.number = number;
    if (addOn >= 0) {
        draw.addOn = static_cast<std::uint8_t>(addOn);
    }
    return draw;
}

} // namespace

std::vector<IncomingDraw> incomingDraws(const ImportResult& result,
                                        const std::vector<DatedDraw>& draws,
                                        const GameDefinition& game) {
    std::vector<IncomingDraw> batch;
    batch.reserve(draws.size());
    for (const DatedDraw& d : draws) {
        batch.push_back(incomingDraw(d.day, result.drawTimes.at(d.time), d.number, d.addOn, game));
    }
    return batch;
}

std::vector<IncomingDraw> incomingDraws(const std::vector<OutsideDraw>& outside,
                                        const GameDefinition& game) {
    std::vector<IncomingDraw> batch;
    batch.reserve(outside.size());
    for (const OutsideDraw& d : outside) {
        batch.push_back(incomingDraw(d.day, d.drawTime, d.number, d.addOn, game));
    }
    return batch;
}

Result<std::vector<HeldDraw>> missingAfterKeep(const GameDefinition& game,
                                               const std::vector<StoredDraw>& held,
                                               const MergePreview& preview) {
    std::vector<HeldDraw> all;
    all.reserve(held.size() + preview.rows.size());
    auto add = [&all](const IncomingDraw& draw) {
        if (const auto date = parseCivilDate(draw.date)) {
            all.push_back({*date, draw.drawTime});
        }
    };
    for (const StoredDraw& stored : held) {
        add(stored.draw);
    }
    for (const MergeRow& row : preview.rows) {
        if (row.kind == MergeKind::New) {
            add(row.incoming);
        }
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return missingDraws(game, all);
}

} // namespace pick3
