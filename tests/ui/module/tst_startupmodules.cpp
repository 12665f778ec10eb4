// What a start maps: the program as it is linked, started and its main window
// shown, holds none of the libraries that only a later window needs. Qt Charts
// comes with the charts module on first use; a database, the network and printing
// must come the same way, with the window or the command that needs them.

#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"

#include "helpers/MainWindowDriver.h"
#include "widgets/LibraryAccess.h"
#include "widgets/PrintAccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace pick3;

namespace {

QByteArray mappedFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

} // namespace

class StartupModulesTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    QTemporaryDir temp; // the system's folder for temporary files, for the run

  private Q_SLOTS:
    void initTestCase() {
        // The data folder is the test's own.
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("TMPDIR", temp.path().toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("pick3-tallymoor"));
    }
    void startMapsOnlyWhatItNeeds() {
        Main();
        QVERIFY(mainWindow() != nullptr && mainWindow()->isVisible());
        QCoreApplication::processEvents(); // the first pass of the event loop, as at a start
        const QByteArray maps = mappedFiles();
        // The reading itself works: the libraries a start needs are there.
        QVERIFY(maps.contains("libQt6Widgets"));
        for (const char* library :
             {"libQt6Charts", "libQt6Network", "libsqlite3", "libQt6Sql", "libQt6PrintSupport",
              "libpick3_charts", "libpick3_library", "libpick3_fetch", "libpick3_print"}) {
            QVERIFY2(!maps.contains(library), library);
        }
        // Nor does a start make a file or folder: the file dialogs' settings folder comes
        // with the first of them.
        QVERIFY(QDir(temp.path()).isEmpty());
        delete mainWindow();
    }

    // The counter lists the library's games: shown, it brings the library module and
    // SQLite, and without a library it reads and makes no file.
    void theCounterBringsTheLibraryAndMakesNoFile() {
        Main();
        QByteArray maps;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&maps] {
            QWidget* counter = QApplication::activeModalWidget();
            if (maps.isEmpty() && counter != nullptr && counter->objectName() == "frmHotCold") {
                QTest::qWait(100); // the games are read once the window is up
                maps = mappedFiles();
                QTest::keyClick(counter, Qt::Key_Escape);
            }
        });
        poll.start(10);
        mainWindow()->findChild<QAbstractButton*>(QStringLiteral("cmdHotCold"))->click();
        QVERIFY(maps.contains("libpick3_library"));
        QVERIFY(maps.contains("libsqlite3"));
        QVERIFY(!QFileInfo::exists(libraryFolder()));
        delete mainWindow();
    }

    // Print brings the print module and Qt Print Support, and asks through the desktop's
    // print dialog; Cancel prints nothing and says nothing.
    void printBringsThePrintModule() {
        Main();
        test::doSteps(mainWindow(), {"lstDigitsWheel:1234", "cmdProduce"});
        QByteArray maps;
        QString asked;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (asked.isEmpty() && dialog != nullptr) {
                asked = QString::fromLatin1(dialog->metaObject()->className()) + ": " +
                        dialog->windowTitle();
                maps = mappedFiles();
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        poll.start(10);
        test::clickButton(mainWindow(), QStringLiteral("cmdPrint"));
        QCOMPARE(asked, QStringLiteral("QPrintDialog: Print the numbers"));
        QVERIFY(maps.contains("libpick3_print"));
        QVERIFY(maps.contains("libQt6PrintSupport"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        delete mainWindow();
    }
    // Without its module, printing or the library is a message naming the folder, not a crash.
    void noModuleIsTold() {
        QTemporaryDir empty;
        QString printing;
        QVERIFY(loadPrintModule({empty.path()}, &printing) == nullptr);
        QVERIFY2(printing.startsWith(QStringLiteral("Nothing could be printed: the print module "
                                                    "is missing or broken.\n\n")),
                 qPrintable(printing));
        QString library;
        QVERIFY(loadLibraryModule({empty.path()}, &library) == nullptr);
        QVERIFY2(library.startsWith(QStringLiteral("The game library could not be opened: the "
                                                   "library module is missing or broken.\n\n")),
                 qPrintable(library));
        QVERIFY(printing.contains(empty.path()) && library.contains(empty.path()));
    }
};

QTEST_MAIN(StartupModulesTest)
#include "tst_startupmodules.moc"
