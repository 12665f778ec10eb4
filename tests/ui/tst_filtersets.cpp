// Filter set files in the main window: saved and opened through the file
// dialogs' stand-in, by shortcut and by a drop; the name and its change mark; a
// file that cannot be opened or saved changes no setting and no file.

#include "engine/sets/FilterSetFile.h"
#include "engine/numbers/LiveCount.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace pick3;
using namespace pick3::test;

class FilterSetsTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir;
    // A file `name` in the test's folder holding `bytes`, as the dialogs' answer.
    QString answer(const QString& name, const QByteArray& bytes = {}) {
        const QString path = dir.filePath(name);
        if (!bytes.isEmpty()) {
            (void)saveFileBytes(path, bytes);
        }
        setFileChooser([path](const FileQuestion&) { return path; });
        return path;
    }
    // What every control holds, as a command reads it, and the lines that follow it.
    QString state() const {
        return fromEngine(writeFilterSet(filterSetOf(w->readInput(false)))) +
               itemTexts(lst("lstMustHaveDigit")).join("") + ctl<QLabel>("lblLiveCount")->text() +
               ctl<QPushButton>("cmdFilterPairsStraight")->text();
    }
    QString label() const { return ctl<QLabel>("lblFilterSet")->text(); }

  private Q_SLOTS:
    void saveChangeAndOpenAgain() {
        QCOMPARE(label(), "No set opened");
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0):123", "lstDigitsWheelPos1(1):45",
                    "lstDigitsWheelPos1(2):90", "lstMustHaveDigit:4", "lstRoot:37",
                    "chkExcludeTriples", "optConsec(2)"});
        const QString saved = state();
        // A name with a space and letters beyond ASCII, saved by Ctrl+S.
        const QString path = answer("évening set.p3set");
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(label(), "évening set.p3set");
        const FileBytes file = readFileBytes(path, 100000);
        QVERIFY(file.bytes.starts_with(
            "Pick3 Tallymoor filter set, version 1\r\nDigit mode: Positional\r\n"));
        QVERIFY(file.bytes.find("\r\nPos. 3: 0, 9\r\nMust include: 0, 1, 2, 3, 5, 9\r\n") !=
                std::string::npos);
        doSteps(w, {"lstRoot:5"});
        QCOMPARE(label(), "évening set.p3set *");
        doSteps(w, {"optPositionDigit(0)", "lstDigitsWheel:1234"});
        QVERIFY(state() != saved);
        clickButton(w, "cmdOpenSet");
        QCOMPARE(state(), saved);
        QCOMPARE(label(), "évening set.p3set");
    }

    void openPutsInWhatNoClickHereReaches() {
        // Fewer than four digits opens; "Create numbers" then refuses as usual.
        answer("dropped.p3set", "Pick3 Tallymoor filter set, version 1\nDigit mode: Positional\n"
                                "Pos. 2: 7\nMust include:\nHot/cold straight: HHC, CCC\n"
                                "Left pairs: 12\nOrder of singles: HML\nEnd of filter set\n");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dir.filePath("dropped.p3set"))});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent drop({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w, &enter);
        QApplication::sendEvent(w, &drop);
        QVERIFY(enter.isAccepted() && drop.isAccepted());
        QTRY_COMPARE(label(), "dropped.p3set");
        QCOMPARE(itemTexts(lst("lstMustHaveDigit")), QStringList{"7"});
        QCOMPARE(tickedTexts(lst("lstMustHaveDigit")), QStringList());
        QCOMPARE(ctl<QPushButton>("cmdFilterPairsStraight")->text(),
                 "Pairs - STRAIGHT ; LP: 1  RP: 0  SP: 0");
        QCOMPARE(ctl<QLineEdit>("txtOutputBox6Way")->text(), "HML");
        // The patterns went to the counter, loaded hidden, and from it to the store list.
        auto* counter = w->findChild<QWidget*>("frmHotCold");
        QVERIFY(counter && !counter->isVisible());
        QCOMPARE(tickedTexts(listNamed(counter, "lstHCStraight")), (QStringList{"HHC", "CCC"}));
        QCOMPARE(tickedTexts(lst("lstHCStraight")), (QStringList{"HHC", "CCC"}));
        QCOMPARE(ctl<QLabel>("lblLiveCount")->text(),
                 fromEngine(liveCountText(liveCount(w->readInput(false)))));
    }

    void badFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown item")
            << QByteArray("Pick3 Tallymoor filter set, version 1\nRoot: 10\n")
            << "Line 2: \"Root\" has no item \"10\"";
        QTest::newRow("oversized") << QByteArray(1'000'001, '#') << "files over 1 MB are not read";
        QTest::newRow("a folder") << QByteArray() << "is a folder, not a file.";
    }
    void badFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        doSteps(w, {"lstDigitsWheel:02468", "lstSumDigits:5", "chkExcludeDoubles"});
        const QString before = state();
        answer(bytes.isEmpty() ? "" : "bad.p3set", bytes);
        const MessageSeen seen = messageAfterClicking(w, "cmdOpenSet");
        QVERIFY2(seen.text.contains(message) && seen.text.endsWith("Every setting is as it was."),
                 qPrintable(seen.text));
        QCOMPARE(state(), before);
        QCOMPARE(label(), "No set opened");
    }

    // A full disk, as a file size limit: the message names the file, and the old one stays whole.
    void aFailedSaveKeepsTheOldFile() {
        const QString path = answer("old.p3set", "the old set");
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{100, limit.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const MessageSeen seen = messageAfterClicking(w, "cmdSaveSet");
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        QVERIFY2(seen.text.contains("old.p3set\" could not be saved"), qPrintable(seen.text));
        QCOMPARE(readFileBytes(path, 100).bytes, std::string("the old set"));
        QCOMPARE(label(), "No set opened");
        answer("no such folder/set.p3set");
        QVERIFY(messageAfterClicking(w, "cmdSaveSet").text.contains("could not be saved"));
    }
};

QTEST_MAIN(FilterSetsTest)
#include "tst_filtersets.moc"
