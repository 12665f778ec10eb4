#include "plays/PlaysShared.h"

#include "engine/plays/PlayTotals.h"
#include "importdraws/GameCatalog.h"
#include "widgets/GameClock.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <algorithm>

namespace pick3 {

GameList playableGames() {
    return loadGameCatalog({shippedGamesFolder(), playerGamesFolder()}).games;
}

const GameDefinition* gameWithId(const GameList& games, const std::string& id) {
    const auto at = std::find_if(games.begin(), games.end(),
                                 [&id](const auto& game) { return game->id == id; });
    return at == games.end() ? nullptr : at->get();
}

void listGames(QComboBox* box, const GameList& games) {
    for (const auto& game : games) {
        box->addItem(fromEngine(game->title()), fromEngine(game->id));
    }
}

LocalMoment gameNow(const GameDefinition& game) {
    std::optional<QTimeZone> zone;
    if (!game.schedules.empty()) {
        zone = GameClock::zoneNamed(game.schedules.back().timeZone);
    }
    const QDateTime now = GameClock::now(zone.value_or(QTimeZone::systemTimeZone()));
    return {civilDateOf(now.date()), ClockTime{now.time().hour() * 60 + now.time().minute()}};
}

CivilDate civilDateOf(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

QDate qDateOf(const CivilDate& date) {
    return {date.year, date.month, date.day};
}

std::optional<DrawnNumber> drawnNumberOf(const StoredDraw& held) {
    const auto date = parseCivilDate(held.draw.date);
    if (!date) {
        return std::nullopt;
    }
    const int n = held.draw.number % 1000;
    DrawnNumber drawn{*date, held.draw.drawTime, {n / 100, n / 10 % 10, n % 10}, std::nullopt};
    if (held.draw.addOn) {
        drawn.addOnDigit = static_cast<int>(*held.draw.addOn);
    }
    return drawn;
}

QString dollars(long long cents) {
    return fromEngine(moneyText(cents));
}

} // namespace pick3
