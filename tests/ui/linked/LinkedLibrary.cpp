// The window tests have the game library linked in, and keep it in a data folder of their
// own: XDG_DATA_HOME points at a temporary folder, removed when the test ends.
#include "widgets/LibraryAccess.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

[[maybe_unused]] const bool linked = [] {
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("pick3-tallymoor"));
    pick3::setLibraryApi(pick3_library_api());
    return true;
}();

} // namespace
