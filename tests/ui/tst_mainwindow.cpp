// The main window driven as a user would: start-up, "Create numbers" in both
// modes, the refusals, "Filter more" on typed text, the mode switch, the
// must-include list, "Reset filters", the banner and ending the program.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"

#include <QApplication>

using namespace pick3;
using namespace pick3::test;

namespace {
const QString kNotice = QStringLiteral("All created numbers were excluded by the filters.\n"
                                       "Adjust the filtersettings to produce numbers.");
const QString kPositional = QStringLiteral("optPositionDigit(1)");
} // namespace

class MainWindowTest : public MainWindowFixture {
    Q_OBJECT

    template <typename T = QWidget> T* ctl(const char* name) const {
        return w->findChild<T*>(QLatin1String(name));
    }
    QString caption() const { return ctl<QLabel>("lblNumbersCreated")->text(); }
    bool filterMoreEnabled() const { return ctl("cmdFilterMore")->isEnabled(); }
    MessageSeen clickExpectingMessage(const QString& button) const {
        ModalHelper helper;
        const auto seen = expectMessage(helper);
        clickButton(w, button);
        return *seen;
    }
    // Every list full and unticked, shown as the digit mode says, in its colour.
    void verifyLists(bool positional) const {
        for (const ListEntry& entry : catalogue()) {
            const QString name = QString::fromUtf8(entry.controlName);
            const CheckList* list = lst(name);
            QVERIFY2(list != nullptr && list->tickedCount() == 0, qPrintable(name));
            QCOMPARE(list->count(), static_cast<int>(entry.items.size()));
            const ShownIn mode = positional ? ShownIn::Positional : ShownIn::AnyPosition;
            const bool shown = entry.shownIn == ShownIn::Both || entry.shownIn == mode;
            QVERIFY2(list->isVisible() == shown, qPrintable(name));
            const bool blue = entry.colour == ListColour::LightBlue;
            QCOMPARE(list->palette().color(QPalette::Base), QColor(blue ? 0xC0C0FFu : 0xFFC080u));
        }
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        for (const char* name :
             {"lblOddEvenStraight", "lblLMHDigits", "lblWidthXX_", "cmdFilterPairsStraight"}) {
            QVERIFY2(ctl(name)->isVisible() == positional, name);
        }
        QCOMPARE(ctl("cmdFilterOutBoxedPairs")->isVisible(), !positional);
        QVERIFY(lst("lstDigitsWheel")->isVisible() && lst("lstDigitsWheelPos1(2)")->isVisible());
        QCOMPARE(lst("lstDigitsWheel")->isEnabled(), !positional);
        QCOMPARE(lst("lstDigitsWheelPos1(2)")->isEnabled(), positional);
        QCOMPARE(ctl("cmdOutputBox")->isEnabled(), !positional);
    }

  private Q_SLOTS:

    void startUpState() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Free Pick3 Tallymoor - Freeware V 3.0.0"));
        QCOMPARE(ctl<QLabel>("lblStateName")->text(), QStringLiteral("Pick3 Tallymoor"));
        QCOMPARE(resultsText(w),
                 QStringLiteral("\n\nhttps://www.quorvel.example/\npick3@quorvel.example\n\n"
                                "https://home.quorvel.example/\nquorvel@home.quorvel.example"));
        QVERIFY(filterMoreEnabled() && caption().isEmpty()); // the contact block is long enough
        QCOMPARE(ctl<QAbstractButton>("cmdFilterOutBoxedPairs")->text() + "|" +
                     ctl<QAbstractButton>("cmdFilterPairsStraight")->text(),
                 QStringLiteral("Pairs - BOXED : 0|Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));
        QVERIFY(ctl<QRadioButton>("optPositionDigit(0)")->isChecked());
        verifyLists(false);
        QCOMPARE(ctl("txtResults")->palette().color(QPalette::Base), QColor(0xFFFF80u));
        QVERIFY(!w->findChild<QDialog*>(QStringLiteral("frmHotCold"))->isVisible());
    }

    void createInBothModes_data() {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        QTest::newRow("any position")
            << QStringList{"lstDigitsWheel:1234"}
            << "123, 124, 134, 234\n112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\n"
               "111, 222, 333, 444"
            << "Numbers created: 20";
        // Straight numbers keep their positions; the doubles line stays empty.
        QTest::newRow("positional")
            << QStringList{kPositional, "lstDigitsWheelPos1(0):3", "lstDigitsWheelPos1(1):2",
                           "lstDigitsWheelPos1(2):0", "chkExcludeTriples"}
            << "320\n"
            << "Numbers created: 1";
        // 0, 3, 5, 9 hold neighbours only when 0 and 9 count as consecutive.
        QTest::newRow("consecutives")
            << QStringList{"lstDigitsWheel:0359", "optConsec(1)", "chk0And9"}
            << "039, 059\n009, 099\n"
            << "Numbers created: 4";
        QTest::newRow("all filtered out")
            << QStringList{"lstDigitsWheel:1234", "lstWidth:0123"} << kNotice << "";
    }
    void createInBothModes() {
        QFETCH(QStringList, setup);
        QFETCH(QString, text);
        QFETCH(QString, count);
        doSteps(w, setup << "cmdProduce");
        QCOMPARE(resultsText(w), text);
        QCOMPARE(caption(), count);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& setup, const char* message) {
            QTest::newRow(name) << setup << QString::fromLatin1(message);
        };
        const QString fives = QStringLiteral("lstDigitsWheelPos1(0):5");
        row("three digits", {"lstDigitsWheel:4"},
            "Please select at least 4 digits from the list 'Use Digits'.");
        row("an empty position list", {kPositional, fives, "lstDigitsWheelPos1(2):5"},
            "Please select digits from all 3 lists.");
        row("no must-include digit", {"lstMustHaveDigit:1234"},
            "The Must Include list should at least have one digit selected.");
        // The first refused list in reading order is the one reported.
        row("every root", {"lstSumDigits+", "lstRoot+"}, "You can not exclude all rootsums.");
        // In positional mode the straight list is read, not the boxed one.
        row("every straight odd/even",
            {kPositional, fives, "lstDigitsWheelPos1(1):5", "lstDigitsWheelPos1(2):5",
             "lstOddEven+", "lstOddEvenStraight+"},
            "You can not exclude all OddEven-patterns.");
        row("every structure", {"chkExcludeSingles", "chkExcludeDoubles", "chkExcludeTriples"},
            "You have excluded singles, doubles and triples.\nThere are no numbers to create...");
    }
    void refusals() {
        QFETCH(QStringList, setup);
        QFETCH(QString, message);
        doSteps(w, QStringList{"lstDigitsWheel:1234", "cmdProduce"} + setup);
        const MessageSeen seen = clickExpectingMessage(QStringLiteral("cmdProduce"));
        QCOMPARE(seen.title, QStringLiteral("Free Pick3 Tallymoor from Quorvel"));
        QCOMPARE(seen.text, message);
        // The box is emptied before the refusal; the count label keeps its caption.
        QCOMPARE(resultsText(w), QString());
        QCOMPARE(caption(), QStringLiteral("Numbers created: 20"));
        QVERIFY(!filterMoreEnabled());
    }

    void filterMoreOnTypedText() {
        typeResults(w, QString());
        QVERIFY(!filterMoreEnabled());
        typeResults(w, QStringLiteral("123"));
        QVERIFY(!filterMoreEnabled()); // three characters are not enough
        QTest::keyClick(ctl("txtResults"), Qt::Key_Space);
        QVERIFY(filterMoreEnabled());
        // A line break stands for CR LF: two characters.
        for (const auto& [before, after] : {std::pair{"12", ""}, {"1", "2"}}) {
            typeResults(w, QString::fromLatin1(before));
            QTest::keyClick(ctl("txtResults"), Qt::Key_Return);
            QTest::keyClicks(ctl("txtResults"), QString::fromLatin1(after));
            QVERIFY2(filterMoreEnabled(), before);
        }

        typeResults(w, QStringLiteral("321, 112, 555"));
        doSteps(w, {"cmdFilterMore"});
        QCOMPARE(resultsText(w), QStringLiteral("123\n112\n555\n"));
        QCOMPARE(caption(), QStringLiteral("Newly filtered numbers (3)"));
        typeResults(w, QStringLiteral("no digits at all"));
        doSteps(w, {"cmdFilterMore"});
        QCOMPARE(resultsText(w), kNotice);
        QVERIFY(caption().isEmpty());

        // A refused list leaves the box and the label as they were.
        typeResults(w, QStringLiteral("321, 654"));
        doSteps(w, {"cmdFilterMore", "lstRoot+"});
        const MessageSeen seen = clickExpectingMessage(QStringLiteral("cmdFilterMore"));
        QCOMPARE(seen.text, QStringLiteral("You can not exclude all rootsums."));
        QCOMPARE(resultsText(w) + caption(),
                 QStringLiteral("123, 456\nNewly filtered numbers (2)"));

        // A pasted megabyte is read in full.
        ctl<QPlainTextEdit>("txtResults")->setPlainText(QStringLiteral("321, ").repeated(200000));
        doSteps(w, {"lstRoot-", "cmdFilterMore"});
        QCOMPARE(caption(), QStringLiteral("Newly filtered numbers (200000)"));
    }

    // The line under "Create numbers" says what it would create, at every change,
    // or why it would refuse, with no message box.
    void liveCountFollowsEveryChange() {
        const auto line = [this] { return ctl<QLabel>("lblLiveCount")->text(); };
        QCOMPARE(line(),
                 QStringLiteral("Please select at least 4 digits from the list 'Use Digits'."));
        doSteps(w, {"lstDigitsWheel:1234"});
        QCOMPARE(line(),
                 QStringLiteral("Would create 20 numbers: 64 of the 1000 possible draws (6.4%)"));
        doSteps(w, {"lstMustHaveDigit:123", "chkExcludeTriples", "lstSumDigits:9"});
        QCOMPARE(line(),
                 QStringLiteral("Would create 7 numbers: 27 of the 1000 possible draws (2.7%)"));
        doSteps(w, {"cmdProduce"});
        QCOMPARE(caption(), QStringLiteral("Numbers created: 7"));
        doSteps(w, {"chkExcludeSingles", "chkExcludeDoubles"});
        QCOMPARE(line(), QStringLiteral("You have excluded singles, doubles and triples. There are "
                                        "no numbers to create..."));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        doSteps(w, {"optPositionDigit(1)", "chkExcludeSingles", "lstDigitsWheelPos1(0):1",
                    "lstDigitsWheelPos1(1):2", "lstDigitsWheelPos1(2):3"});
        QCOMPARE(line(),
                 QStringLiteral("Would create 1 number: 1 of the 1000 possible draws (0.1%)"));
    }

    void modeSwitch() {
        const QStringList common{
            "lstSumDigits",         "lstRoot", "lstLDR", "lstWidth", "lstWidthLowestMiddle",
            "lstWidthMiddleHighest"};
        for (const QString& name : common + QStringList{"lstLMH", "lstOCS", "lstInOut"}) {
            lst(name)->setTicked(1, true);
        }
        doSteps(w,
                {"lstDigitsWheel:15", "chkExcludeDoubles", "optConsec(2)", "optPositionDigit(0)"});
        // Selecting the mode already selected switches nothing.
        QCOMPARE(tickedTexts(lst("lstDigitsWheel")), QStringList({"1", "5"}));

        // The lists of both modes, check boxes and options keep their state.
        doSteps(w, {kPositional});
        for (const QString& name : common) {
            QVERIFY2(lst(name)->tickedCount() == 1, qPrintable(name));
            lst(name)->setTicked(1, false);
        }
        verifyLists(true);
        QVERIFY(ctl<QCheckBox>("chkExcludeDoubles")->isChecked() &&
                ctl<QRadioButton>("optConsec(2)")->isChecked());

        // Back again: the positional lists are unticked in this direction too.
        for (const char* name : {"lstDigitsWheelPos1(0)", "lstLMHDigits", "lstWidthXX_",
                                 "lstWidthX_X", "lstOCSStraight", "lstHighLowStraight"}) {
            lst(name)->setTicked(0, true);
        }
        doSteps(w, {"optPositionDigit(0)"});
        verifyLists(false);
    }

    void mustIncludeFollowsTheDigits() {
        // Creation reads the user's must-include ticks: only numbers holding a 7.
        doSteps(w, {"lstDigitsWheel:1379", "lstMustHaveDigit:139", "chkExcludeDoubles",
                    "chkExcludeTriples", "cmdProduce"});
        QCOMPARE(resultsText(w), QStringLiteral("137, 179, 379"));

        // A digit leaves only when no position list has it ticked any more.
        doSteps(w, {kPositional, "lstDigitsWheelPos1(0):4", "lstDigitsWheelPos1(2):4",
                    "lstDigitsWheelPos1(0):4"});
        QCOMPARE(itemTexts(lst("lstMustHaveDigit")), QStringList({"4"}));
        doSteps(w, {"lstDigitsWheelPos1(2):4"});
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
    }

    void resetFilters() {
        doSteps(w, {"lstDigitsWheel:1234", "lstSumDigits:9", "lstLDR:5", "chkExcludeSingles",
                    "optConsec(2)", "cmdProduce"});
        const QString created = resultsText(w);
        doSteps(w, {"cmdResetFilters"});
        verifyLists(false);
        QVERIFY(ctl<QRadioButton>("optConsec(0)")->isChecked() && w->readInput().iConsecMode == 0);
        QVERIFY(ctl<QCheckBox>("chkExcludeSingles")->isChecked()); // check boxes stay
        QCOMPARE(resultsText(w), created);
    }

    void bannerFromAGrab() {
        for (int pass = 0; pass < 2; ++pass) { // painted afresh after a resize
            const QImage image = w->grab().toImage();
            const auto rectOf = [this](const char* name) {
                return QRect(ctl(name)->mapTo(w, QPoint()), ctl(name)->size());
            };
            const QRect title = rectOf("lblStateName");
            const QRect side = rectOf("lblLeft");
            const int x = title.right() - 2; // clear of the title's text
            QCOMPARE(image.pixelColor(x, title.top()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(x, title.bottom()), QColor(255, 255, 255));
            QCOMPARE(image.pixelColor(x, title.center().y()).blue(), 255);
            QCOMPARE(image.pixelColor(side.left(), side.center().y()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(side.right(), side.center().y()), QColor(255, 255, 255));
            // The red Close covers the square where the strips meet.
            QCOMPARE(rectOf("cmdClose"), QRect(0, 0, side.width(), title.height()));
            w->resize(w->width() - 40, w->height() - 30);
        }
    }

    void closeEndsTheProgram() {
        const QPointer<QWidget> hotCold(w->findChild<QDialog*>(QStringLiteral("frmHotCold")));
        doSteps(w, {"cmdClose"});
        QTRY_VERIFY(mainWindow() == nullptr);
        QVERIFY(hotCold.isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
