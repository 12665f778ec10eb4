#pragma once
// The player's game library, one SQLite file in the data folder
// (~/.local/share/pick3-tallymoor/library.sqlite), reached through the library
// module: loaded, and the file opened, the first time a window that lists games is
// shown. Nothing is read at start; the file is made by the first keep.

#include "store/GameLibrary.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace pick3 {

// The data folder (QStandardPaths' AppDataLocation for the application name
// "pick3-tallymoor") and the library's file in it.
QString libraryFolder();
QString libraryPath();

// Loads the module from the first of `folders` that holds one; null with the reason when none
// does.
const LibraryModuleApi* loadLibraryModule(const QStringList& folders, QString* problem);
// For a program that has the store linked in (tests, benchmarks): no module is loaded.
void setLibraryApi(const LibraryModuleApi* api);

// The library, opened once for the run; null when it cannot be, after saying why over
// `over`. A file that is not a library of ours, or is damaged, is never written: the
// player may start a new library, and the old file is kept under another name. A
// library of a newer version is opened for reading only, with a message, once.
GameLibrary* openGameLibrary(QWidget* over);
// The library if it is open already (no module loaded, no file read); null otherwise.
GameLibrary* openedGameLibrary();
// Closes the library; the next openGameLibrary() opens the file afresh (after a restore,
// and in tests).
void closeGameLibrary();

} // namespace pick3
