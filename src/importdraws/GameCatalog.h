#pragma once
// The games a player can choose in the import window: the definitions shipped with
// the program, then the player's own (in the data folder's "games"), read when the
// window is first shown. A file that does not read is named with its field and why;
// the others still load.

#include "engine/games/GameDefinition.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace pick3 {

struct GameCatalog {
    std::vector<std::shared_ptr<const GameDefinition>> games; // shipped first, then the player's
    QStringList refusals;
};

// Where the shipped definitions are: beside the installed program
// (<bin>/../share/pick3-tallymoor/games), else the source tree the program was built from.
QString shippedGamesFolder();
// The player's own definitions: <data folder>/pick3-tallymoor/games.
QString playerGamesFolder();

// Every *.json of the folders, in order, each folder's files by name.
GameCatalog loadGameCatalog(const QStringList& folders);

} // namespace pick3
