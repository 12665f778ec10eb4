#include "widgets/LibraryAccess.h"

#include "widgets/AppInfo.h"
#include "widgets/Look.h"
#include "widgets/ModuleLoader.h"

#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace pick3 {
namespace {

constexpr char kModuleName[] = "pick3_library";
constexpr char kEntryName[] = "pick3_library_api";

struct LibraryState {
    const LibraryModuleApi* api = nullptr;
    std::unique_ptr<GameLibrary> library;
};

LibraryState& state() {
    static LibraryState held;
    return held;
}

const LibraryModuleApi* moduleApi(QString* problem) {
    LibraryState& held = state();
    if (held.api == nullptr) {
        held.api = loadLibraryModule(moduleFolders(), problem);
    }
    return held.api;
}

// A file the library refuses (not ours, damaged): left as it is, unless the player starts
// a new library, which keeps the old file under another name.
bool startNewLibrary(QWidget* over, const LibraryModuleApi& api, const QString& refusal) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Game library"), refusal,
                    QMessageBox::NoButton, over);
    QPushButton* start =
        box.addButton(QStringLiteral("&Start a new library"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Leave it"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() != start) {
        return false;
    }
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const Result<std::string> kept = api.setAside(toEngine(libraryPath()), toEngine(stamp));
    if (!kept.ok()) {
        showMessage(over, QStringLiteral("Game library"), fromEngine(kept.refusal()));
        return false;
    }
    showMessage(over, QStringLiteral("Game library"),
                QStringLiteral("The old file is kept as %1. A new library starts with the "
                               "next draws you keep.")
                    .arg(fromEngine(*kept)));
    return true;
}

} // namespace

QString libraryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString libraryPath() {
    return QDir(libraryFolder()).filePath(QStringLiteral("library.sqlite"));
}

const LibraryModuleApi* loadLibraryModule(const QStringList& folders, QString* problem) {
    return loadModuleApi<LibraryModuleApi>(
        folders, kModuleName, kEntryName,
        QStringLiteral("The game library could not be opened: the library module is missing or "
                       "broken."),
        problem);
}

void setLibraryApi(const LibraryModuleApi* api) {
    closeGameLibrary();
    state().api = api;
}

GameLibrary* openGameLibrary(QWidget* over) {
    LibraryState& held = state();
    if (held.library) {
        return held.library.get();
    }
    QString problem;
    const LibraryModuleApi* api = moduleApi(&problem);
    if (api == nullptr) {
        showMessage(over, QStringLiteral("Game library"), problem);
        return nullptr;
    }
    Result<std::unique_ptr<GameLibrary>> opened = api->open(toEngine(libraryPath()));
    if (!opened.ok()) {
        if (!startNewLibrary(over, *api, fromEngine(opened.refusal()))) {
            return nullptr;
        }
        opened = api->open(toEngine(libraryPath()));
        if (!opened.ok()) {
            showMessage(over, QStringLiteral("Game library"), fromEngine(opened.refusal()));
            return nullptr;
        }
    }
    held.library = std::move(*opened);
    if (!held.library->notice().empty()) {
        showMessage(over, QStringLiteral("Game library"), fromEngine(held.library->notice()));
    }
    return held.library.get();
}

GameLibrary* openedGameLibrary() {
    return state().library.get();
}

void closeGameLibrary() {
    state().library.reset();
}

} // namespace pick3
