// Every window fits a 1280 x 720 and a 1024 x 768 screen with its title bar and
// a desktop's panel: opened at its own size, it is at most 640 pixels high
// inside its frame, every push button of it lies inside it, in view, and no two
// of its controls share an access key. The test runs once per screen, each run
// in a process of its own whose offscreen screen has that size. A new window is
// one more row.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
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

// The access key of a caption: the letter after a single '&', upper case; none for "&&".
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return text[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

// "C: cmdClose, cmdCount" for every access key that two controls of `window` share:
// buttons, options and tick boxes by their captions, labels by the key that
// leads to their buddy, group boxes by their titles. Hidden controls count too
// unless the mode hides them in favour of another.
QStringList clashingKeys(QWidget* window) {
    QMap<QChar, QStringList> owners;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (c->window() != window || !c->isVisibleTo(window)) {
            continue;
        }
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            text = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(c); label && label->buddy()) {
            text = label->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
            text = group->title();
        }
        if (const QChar key = accessKey(text); !key.isNull()) {
            owners[key] << c->objectName();
        }
    }
    // Alt with a letter, given to a shortcut of the window's own.
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        const QKeyCombination key = shortcut->key()[0];
        if (key.keyboardModifiers() == Qt::AltModifier && key.key() >= Qt::Key_A &&
            key.key() <= Qt::Key_Z) {
            owners[QChar(key.key())] << QStringLiteral("shortcut ") + shortcut->key().toString();
        }
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it->size() > 1) {
            clashes << QString(it.key()) + ": " + it->join(", ");
        }
    }
    return clashes;
}

QString fitFaults(QWidget* window) {
    QApplication::processEvents();
    QStringList faults = buttonsOutOfView(window) + clashingKeys(window);
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
        // On the main window first; "count" counts draws, "numbers" types some in the results.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("buttons"); // open the window, each from the one before
        QTest::addColumn<QString>("window");
        const auto row = [](const char* tag, QStringList steps, QStringList buttons,
                            const char* window) {
            QTest::newRow(tag) << steps << buttons << QString::fromLatin1(window);
        };
        row("main window", {}, {}, "frmPick3ZozevidAru");
        row("main window, positional", {"optPositionDigit(1)"}, {}, "frmPick3ZozevidAru");
        row("hot/cold", {}, {"cmdHotCold"}, "frmHotCold");
        row("hot/cold, positional", {"optPositionDigit(1)"}, {"cmdHotCold"}, "frmHotCold");
        row("import", {}, {"cmdHotCold", "cmdImportDraws"}, "frmImportDraws");
        row("boxed pairs", {}, {"cmdFilterOutBoxedPairs"}, "frmPick3FilterBoxedPairs");
        row("straight pairs", {"optPositionDigit(1)"}, {"cmdFilterPairsStraight"},
            "frmPick3FilterStraightPairs");
        row("output order", {}, {"cmdOutputBox"}, "frmOutputBox");
        row("help", {}, {"cmdHelp"}, "frmWheelHelp");
        row("back-test, no draws", {}, {"cmdBackTest"}, "frmBackTest");
        row("back-test", {"count"}, {"cmdBackTest"}, "frmBackTest");
        row("charts", {"count"}, {"cmdHotCold", "cmdCharts"}, "frmCharts");
        row("my plays", {}, {"cmdMyPlays"}, "frmMyPlays");
        row("play these", {"numbers"}, {"cmdPlayThese"}, "frmPlayThese");
        row("charts of a back-test", {"count", "lstDigitsWheel:1234"}, {"cmdBackTest", "cmdCharts"},
            "frmCharts");
    }
    void windowFits() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, buttons);
        QFETCH(QString, window);
        if (steps.removeAll("count") > 0) { // a history counted first
            QVERIFY(countInHotCold(w, QStringLiteral("123 456 789 012 345 678 901")));
        }
        if (steps.removeAll("numbers") > 0) { // numbers in the results box first
            typeResults(w, QStringLiteral("123 456 789"));
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
