#include "importdraws/GameCatalog.h"

#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace pick3 {

namespace {

// A definition file is a few kilobytes; anything far larger is no definition.
constexpr qint64 kMaxGameFileBytes = 1'000'000;

} // namespace

QString shippedGamesFolder() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/pick3-tallymoor/games"));
    if (QDir(installed).exists()) {
        return installed;
    }
    return QStringLiteral(PICK3_GAMES_SOURCE_DIR);
}

QString playerGamesFolder() {
    // Named outright: the program sets no application name of its own.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/pick3-tallymoor/games");
}

GameCatalog loadGameCatalog(const QStringList& folders) {
    GameCatalog catalog;
    for (const QString& folder : folders) {
        std::vector<GameFile> files;
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            FileBytes file = readFileBytes(dir.filePath(name), kMaxGameFileBytes);
            if (!file.ok()) {
                catalog.refusals.append(file.error);
                continue;
            }
            files.push_back({toEngine(name), std::move(file.bytes)});
        }
        GameFolder read = loadGameFolder(files);
        for (GameDefinition& game : read.games) {
            catalog.games.push_back(std::make_shared<const GameDefinition>(std::move(game)));
        }
        for (const std::string& refusal : read.refusals) {
            catalog.refusals.append(fromEngine(refusal));
        }
    }
    return catalog;
}

} // namespace pick3
