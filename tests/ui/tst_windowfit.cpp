// Every window fits a 1280 x 720 and a 1024 x 768 screen with its title bar and
// a desktop's panel: opened at its own size, it is at most 640 pixels high
// inside its frame, and every push button of it lies inside it, in view. The
// test runs once per screen, each run in a process of its own whose offscreen
// screen has that size. A new window is one more row.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

using namespace pick3;
using namespace pick3::test;

namespace {

constexpr int kMostClientHeight = 640;

// One line per push button of `window` that is shown but not wholly in view:
// outside the window, or cut off by a scrolling area around it.
QStringList buttonsOutOfView(QWidget* window) {
    QStringList faults;
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (!b->isVisible() || b->window() != window) {
            continue;
        }
        QRect seen = window->rect();
        for (QWidget* p = b->parentWidget(); p != window; p = p->parentWidget()) {
            if (auto* area = qobject_cast<QAbstractScrollArea*>(p)) {
                const QWidget* port = area->viewport();
                seen &= QRect(port->mapTo(window, QPoint()), port->size());
            }
        }
        const QRect at(b->mapTo(window, QPoint()), b->size());
        if (!seen.contains(at)) {
            faults << QStringLiteral("%1 at (%2,%3 %4x%5)")
                          .arg(b->objectName().isEmpty() ? b->text() : b->objectName())
                          .arg(at.x())
                          .arg(at.y())
                          .arg(at.width())
                          .arg(at.height());
        }
    }
    return faults;
}

QString fitFaults(QWidget* window) {
    QApplication::processEvents();
    QStringList faults = buttonsOutOfView(window);
    if (window->height() > kMostClientHeight) {
        faults.prepend(QStringLiteral("%1 px high").arg(window->height()));
    }
    return window->objectName() + ": " + faults.join(QStringLiteral("; "));
}

} // namespace

class WindowFitTest : public MainWindowFixture {
    Q_OBJECT

    // Opens the windows of `buttons`, each from the one before, and checks the last.
    void checkOpened(QWidget* from, QStringList buttons, QString& result) {
        const QString button = buttons.takeFirst();
        const bool opened = inModal(from, button, [&](QWidget* window) {
            if (buttons.isEmpty()) {
                result = fitFaults(window);
            } else {
                checkOpened(window, buttons, result);
            }
        });
        if (!opened) {
            result = button + QStringLiteral(" opened no window");
        }
    }

  private Q_SLOTS:
    void initTestCase() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        qInfo("Screen %dx%d", screen->size().width(), screen->size().height());
    }

    void windowFits_data() {
        QTest::addColumn<QStringList>("steps");   // on the main window first; "count" counts draws
        QTest::addColumn<QStringList>("buttons"); // open the window, each from the one before
        QTest::addColumn<QString>("window");
        const auto row = [](const char* tag, QStringList steps, QStringList buttons,
                            const char* window) {
            QTest::newRow(tag) << steps << buttons << QString::fromLatin1(window);
        };
        row("main window", {}, {}, "frmPick3ZozevidAru");
        row("main window, positional", {"optPositionDigit(1)"}, {}, "frmPick3ZozevidAru");
        row("hot/cold", {}, {"cmdHotCold"}, "frmHotCold");
        row("import", {}, {"cmdHotCold", "cmdImportDraws"}, "frmImportDraws");
        row("boxed pairs", {}, {"cmdFilterOutBoxedPairs"}, "frmPick3FilterBoxedPairs");
        row("straight pairs", {"optPositionDigit(1)"}, {"cmdFilterPairsStraight"},
            "frmPick3FilterStraightPairs");
        row("output order", {}, {"cmdOutputBox"}, "frmOutputBox");
        row("help", {}, {"cmdHelp"}, "frmWheelHelp");
        row("back-test, no draws", {}, {"cmdBackTest"}, "frmBackTest");
        row("back-test", {"count"}, {"cmdBackTest"}, "frmBackTest");
        row("charts", {"count"}, {"cmdHotCold", "cmdCharts"}, "frmCharts");
        row("charts of a back-test", {"count"}, {"cmdBackTest", "cmdCharts"}, "frmCharts");
    }
    void windowFits() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, buttons);
        QFETCH(QString, window);
        if (steps.removeAll("count") > 0) { // a history counted first
            QVERIFY(countInHotCold(w, QStringLiteral("123 456 789 012 345 678 901")));
        }
        doSteps(w, steps);
        QString result = QStringLiteral("(not checked)");
        if (buttons.isEmpty()) {
            result = fitFaults(w);
        } else {
            checkOpened(w, buttons, result);
        }
        QCOMPARE(result, window + QStringLiteral(": "));
    }
};

// One run per screen, each in a child process that sets its screen up before
// Qt starts; fails when either run fails.
int main(int argc, char* argv[]) {
    const QTemporaryDir folder;
    int failed = 0;
    for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{1024, 768}}) {
        const QString config = folder.filePath(QStringLiteral("screen-%1.json").arg(width));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, )"
                                      R"("width": %1, "height": %2, "logicalDpi": 96}]})")
                           .arg(width)
                           .arg(height)
                           .toUtf8()) < 0) {
            return 1;
        }
        file.close();
        const pid_t child = fork();
        if (child == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
            QApplication app(argc, argv);
            WindowFitTest test;
            _exit(QTest::qExec(&test, argc, argv));
        }
        int status = 0;
        waitpid(child, &status, 0);
        failed += WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    }
    return failed;
}

#include "tst_windowfit.moc"
