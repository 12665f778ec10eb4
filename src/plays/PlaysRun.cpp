#include "plays/PlaysRun.h"

#include "engine/stats/Chance.h"
#include "plays/PlaysShared.h"
#include "store/GameLibrary.h"
#include "widgets/Look.h"

#include <tuple>

namespace pick3 {

namespace {

bool sameNumber(const DrawnNumber& one, const DrawnNumber& other) {
    return one.digits == other.digits && one.addOnDigit == other.addOnDigit;
}

// The ticket as the player knows it, whatever its claimed mark: claiming is no correction.
bool sameTicket(Ticket one, const Ticket& other) {
    one.claimed = other.claimed;
    return one == other;
}

// "Sat 2026-12-05 Evening".
QString drawName(const DrawnNumber& draw) {
    return QStringLiteral("%1 %2 %3")
        .arg(fromEngine(weekdayName(draw.date.weekday()).substr(0, 3)),
             fromEngine(draw.date.text()), fromEngine(draw.drawTime));
}

using DrawKey = std::tuple<std::string, int, std::string>; // game, day, draw time

// The held draws by game, day and draw time.
std::map<DrawKey, const DrawnNumber*> drawsByKey(const std::vector<GameDraws>& draws) {
    std::map<DrawKey, const DrawnNumber*> byKey;
    for (const GameDraws& game : draws) {
        for (const DrawnNumber& draw : game.draws) {
            if (game.game != nullptr) {
                byKey[{game.game->id, draw.date.daysSinceEpoch(), draw.drawTime}] = &draw;
            }
        }
    }
    return byKey;
}

struct Correction {
    DrawnNumber draw;
    QStringList tickets; // "123 Straight won $500, now lost"
};

} // namespace

PlaysRun& playsRun() {
    static PlaysRun run;
    return run;
}

QString shortResult(const TicketCheck& check) {
    if (!check.wins.empty()) {
        return QStringLiteral("won ") + dollars(check.wonCents);
    }
    return check.notChecked.empty() ? QStringLiteral("lost") : QStringLiteral("not checked");
}

QStringList correctedDraws(const std::vector<StoredTicket>& held,
                           const std::vector<CheckedTicket>& checked,
                           const std::vector<GameDraws>& draws) {
    std::map<std::string, Correction> corrections; // by the draw's game, date and time
    auto& shown = playsRun().shown;
    const std::map<DrawKey, const DrawnNumber*> byKey = drawsByKey(draws);
    for (std::size_t i = 0; i < held.size() && i < checked.size(); ++i) {
        const CheckedTicket& entry = checked[i];
        if (!entry.check || !entry.standing) {
            continue;
        }
        const auto found = byKey.find({entry.ticket.gameId, entry.ticket.drawDate.daysSinceEpoch(),
                                       entry.standing->drawTime});
        if (found == byKey.end()) {
            continue;
        }
        const DrawnNumber* draw = found->second;
        const QString now = shortResult(*entry.check);
        const auto before = shown.find(held[i].id);
        if (before != shown.end() && sameTicket(before->second.ticket, entry.ticket) &&
            !sameNumber(before->second.draw, *draw)) {
            const QString was = before->second.result;
            Correction& correction =
                corrections[entry.ticket.gameId + ' ' + draw->date.text() + ' ' + draw->drawTime];
            correction.draw = *draw;
            correction.tickets << QStringLiteral("%1 %2 %3, %4")
                                      .arg(fromEngine(ticketNumberText(entry.ticket.digits)),
                                           fromEngine(entry.standing->playName), was,
                                           (was == now ? QStringLiteral("still ")
                                                       : QStringLiteral("now ")) +
                                               now);
        }
        shown[held[i].id] = {entry.ticket, *draw, now};
    }
    QStringList lines;
    for (const auto& [key, correction] : corrections) {
        lines << QStringLiteral("%1 checked again after the draw of %2 was corrected: %3")
                     .arg(fromEngine(counted(static_cast<std::size_t>(correction.tickets.size()),
                                             "ticket")),
                          drawName(correction.draw), correction.tickets.join(QStringLiteral("; ")));
    }
    return lines;
}

void endPlaysRun(GameLibrary* library) {
    PlaysRun& run = playsRun();
    if (library != nullptr && !library->readOnly() && !run.deleted.empty()) {
        (void)library->forgetDeletedTickets();
    }
    run = PlaysRun{};
}

} // namespace pick3
