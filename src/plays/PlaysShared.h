#pragma once
// What the "My plays" window and the "Play these..." dialog share: the games they
// offer, the game's clock as the engine reads it, and the library's draws of a game
// as the engine checks tickets against them.

#include "engine/games/GameDefinition.h"
#include "engine/plays/TicketCheck.h"
#include "store/StoredDraws.h"

#include <QDate>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;

namespace pick3 {

using GameList = std::vector<std::shared_ptr<const GameDefinition>>;

// The shipped definitions, then the player's own.
GameList playableGames();
const GameDefinition* gameWithId(const GameList& games, const std::string& id);
// Fills `box` with the games' titles, their ids as the items' data.
void listGames(QComboBox* box, const GameList& games);

// Now on the game's own clock (the zone of its newest schedule); the machine's zone where
// the definition does not know it.
LocalMoment gameNow(const GameDefinition& game);
CivilDate civilDateOf(const QDate& date);
QDate qDateOf(const CivilDate& date);

// A held draw as the engine checks tickets against it; nothing for a date that does not read.
std::optional<DrawnNumber> drawnNumberOf(const StoredDraw& held);

// "$1.50", "-$2": whole dollars without cents.
QString dollars(long long cents);

} // namespace pick3
