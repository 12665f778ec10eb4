// What a start maps: the program as it is linked, started and its main window
// shown, holds none of the libraries that only a later window needs. Qt Charts
// comes with the charts module on first use; a database or the network must come
// the same way, with the window that needs them.

#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"

#include <QFile>
#include <QTest>

using namespace pick3;

namespace {

QByteArray mappedFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

} // namespace

class StartupModulesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startMapsOnlyWhatItNeeds() {
        Main();
        QVERIFY(mainWindow() != nullptr && mainWindow()->isVisible());
        QCoreApplication::processEvents(); // the first pass of the event loop, as at a start
        const QByteArray maps = mappedFiles();
        // The reading itself works: the libraries a start needs are there.
        QVERIFY(maps.contains("libQt6Widgets"));
        for (const char* library :
             {"libQt6Charts", "libQt6Network", "libsqlite3", "libQt6Sql", "libpick3_charts"}) {
            QVERIFY2(!maps.contains(library), library);
        }
        delete mainWindow();
    }
};

QTEST_MAIN(StartupModulesTest)
#include "tst_startupmodules.moc"
