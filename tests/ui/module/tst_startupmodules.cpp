// What a start maps: the program as it is linked, started and its main window
// shown, holds none of the libraries that only a later window needs. Qt Charts
// comes with the charts module on first use; a database, the network and printing
// must come the same way, with the window or the command that needs them. And
// building the window writes GLib's loop no wake-up for each event it posts,
// while a post from another thread, or to another thread's loop, still wakes it.

#include "app/WakeUpsHeld.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"

#include "helpers/MainWindowDriver.h"
#include "widgets/LibraryAccess.h"
#include "widgets/PrintAccess.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <thread>

using namespace pick3;

namespace {

QByteArray mappedFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

// The write system calls this thread has made so far, or -1 where the system does not count them.
qint64 writesOfThisThread() {
    QFile io(QStringLiteral("/proc/thread-self/io"));
    if (!io.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("syscw:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return -1;
}

// The writes that `post` events posted to this thread cost.
template <typename Post> qint64 writesFor(Post post) {
    const qint64 before = writesOfThisThread();
    post();
    const qint64 after = writesOfThisThread();
    QCoreApplication::removePostedEvents(qApp, QEvent::User);
    return after - before;
}

void postHundred() {
    for (int i = 0; i < 100; ++i) {
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));
    }
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
    // GLib's loop is woken by a write for each event posted; a thread that is building
    // does not wait in its loop and needs none, and neither does a start.
    void buildingWritesNoWakeUps() {
        if (writesOfThisThread() < 0 ||
            !QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib")) {
            QSKIP("no GLib event loop or no count of system calls here");
        }
        QVERIFY(writesFor(postHundred) >= 100); // what a post costs unheld
        {
            const WakeUpsHeld outer;
            {
                const WakeUpsHeld inner;
            }
            QVERIFY(writesFor(postHundred) < 5); // still held after the inner one ended
        }
        QVERIFY(writesFor(postHundred) >= 100);
        // A start builds and shows about 130 widgets, each posting itself events.
        const qint64 writes = writesFor([] { Main(); });
        QVERIFY(mainWindow() != nullptr && mainWindow()->isVisible());
        QVERIFY2(writes < 20, qPrintable(QString::number(writes)));
        QCoreApplication::processEvents(); // the posted events are all sent on the next pass
        QVERIFY(mainWindow()->findChild<QAbstractButton*>(QStringLiteral("cmdHotCold"))
                    ->testAttribute(Qt::WA_WState_Polished));
        delete mainWindow();
    }
    // Held on this thread, a post from another still wakes a loop waiting here.
    void anotherThreadStillWakesTheLoop() {
        const WakeUpsHeld held;
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        std::thread poster([&loop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            QMetaObject::invokeMethod(&loop, [&loop] { loop.exit(0); }, Qt::QueuedConnection);
        });
        QElapsedTimer clock;
        clock.start();
        const int ended = loop.exec();
        poster.join();
        QCOMPARE(ended, 0);
        QVERIFY(clock.elapsed() < 3000);
    }
    // Held on the main thread, a post to a worker thread's loop still wakes that loop.
    void aWorkersLoopIsStillWoken() {
        QThread worker;
        auto* inWorker = new QObject;
        inWorker->moveToThread(&worker);
        connect(&worker, &QThread::finished, inWorker, &QObject::deleteLater);
        worker.start();
        QTest::qWait(50); // the worker waits in its loop
        {
            const WakeUpsHeld held;
            QMetaObject::invokeMethod(inWorker, [&worker] { worker.quit(); }, Qt::QueuedConnection);
        }
        const bool ended = worker.wait(3000);
        if (!ended) {
            worker.quit();
            worker.wait();
        }
        QVERIFY(ended);
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
