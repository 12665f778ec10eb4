// The main window's wiring, driven as a user would: start-up, "Create numbers"
// in both modes and its refusals in a message box, "Filter more" on typed text,
// the live count, the mode switch, the must-include list, "Reset filters", the
// banner and ending the program. The number rules are the engine tests'.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/CheckList.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

using namespace pick3;
using namespace pick3::test;

namespace {
const QString kNotice = QStringLiteral("All created numbers were excluded by the filters.\n"
                                       "Adjust the filtersettings to produce numbers.");
const QString kPositional = QStringLiteral("optPositionDigit(1)");
const QString kTwenty = QStringLiteral("Numbers created: 20");
} // namespace

class MainWindowTest : public MainWindowFixture {
    Q_OBJECT

    QString caption() const { return ctl<QLabel>("lblNumbersCreated")->text(); }
    QString liveLine() const { return ctl<QLabel>("lblLiveCount")->text(); }
    bool filterMoreEnabled() const { return ctl("cmdFilterMore")->isEnabled(); }
    // Every list full and unticked, shown as the digit mode says, in its colour.
    void verifyLists(bool positional) const {
        const DigitMode mode = positional ? DigitMode::Positional : DigitMode::AnyPosition;
        for (const ListEntry& entry : catalogue()) {
            const CheckList* list = lst(QString::fromUtf8(entry.controlName));
            QVERIFY2(list->tickedCount() == 0 && list->count() == std::ssize(entry.items) &&
                         list->isVisible() == entry.shownInMode(mode),
                     entry.controlName.data());
            const bool blue = entry.colour == ListColour::LightBlue;
            QCOMPARE(list->palette().color(QPalette::Base), QColor(blue ? 0xC0C0FFu : 0xFFC080u));
        }
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        for (const char* name :
             {"lblOddEvenStraight", "lblLMHDigits", "lblWidthXX_", "cmdFilterPairsStraight"}) {
            QVERIFY2(ctl(name)->isVisible() == positional, name);
        }
        QVERIFY(ctl("cmdFilterOutBoxedPairs")->isVisible() != positional &&
                lst("lstDigitsWheel")->isEnabled() != positional &&
                lst("lstDigitsWheelPos1(2)")->isEnabled() == positional &&
                ctl("cmdOutputBox")->isEnabled() != positional);
    }

  private Q_SLOTS:
    // A tick list asks for the room of the items it holds now, after every change of them
    // and of its font: more items than rows bring the scroll bar's width, a longer item
    // its own.
    void aTickListAsksForTheRoomOfItsItems() {
        CheckList list;
        list.setVisibleRows(3);
        list.setItems({QStringLiteral("0"), QStringLiteral("1")});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QSize few = list.sizeHint();
        list.setItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3"), QStringLiteral("4")});
        const int bar = list.verticalScrollBar()->sizeHint().width();
        QCOMPARE(list.sizeHint().width(), few.width() + bar);
        list.addItemText(QStringLiteral("a much longer item than a digit"));
        QVERIFY(list.sizeHint().width() > few.width() + bar + 50);
        const QSize before = list.sizeHint();
        QFont larger = list.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        list.setFont(larger);
        QVERIFY(list.sizeHint().height() > before.height() + 10);
        QVERIFY(list.minimumSizeHint().height() <= list.sizeHint().height());
    }
    void startUpState() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Free Pick3 Tallymoor - Freeware V 3.0.0"));
        QCOMPARE(ctl<QLabel>("lblStateName")->text(), QStringLiteral("Pick3 Tallymoor"));
        QCOMPARE(resultsText(w),
                 QStringLiteral("\n\nhttps://www.quorvel.example/\npick3@quorvel.example\n\n"
                                "https://home.quorvel.example/\nquorvel@home.quorvel.example"));
        QVERIFY(filterMoreEnabled() && caption().isEmpty()); // the contact block is long enough
        QVERIFY(ctl<QRadioButton>("optPositionDigit(0)")->isChecked());
        verifyLists(false);
        QCOMPARE(ctl("txtResults")->palette().color(QPalette::Base), QColor(0xFFFF80u));
        QVERIFY(!w->findChild<QDialog*>(QStringLiteral("frmHotCold"))->isVisible());
    }

    // What each click writes into the box and the label, or the message it shows;
    // a refusal empties the box and leaves the label as the last creation left it.
    void createNumbers_data() {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        const QStringList twenty{"lstDigitsWheel:1234", "cmdProduce"};
        const QString any = "123, 124, 134, 234\n112, 113, 114, 122, 223, 224, 133, 233, 334, 144, "
                            "244, 344\n111, 222, 333, 444";
        // clang-format off
        QTest::newRow("any position") << QStringList{"lstDigitsWheel:1234"} << any << kTwenty << "";
        // Straight numbers keep their positions; the doubles line stays empty.
        QTest::newRow("positional") << QStringList{kPositional, "lstDigitsWheelPos1(0):3", "lstDigitsWheelPos1(1):2",
                                                   "lstDigitsWheelPos1(2):0", "chkExcludeTriples"}
                                    << "320\n" << "Numbers created: 1" << "";
        // 0, 3, 5, 9 hold neighbours only when 0 and 9 count as consecutive.
        QTest::newRow("consecutives") << QStringList{"lstDigitsWheel:0359", "optConsec(1)", "chk0And9"}
                                      << "039, 059\n009, 099\n" << "Numbers created: 4" << "";
        QTest::newRow("all filtered out") << QStringList{"lstDigitsWheel:1234", "lstWidth:0123"} << kNotice << "" << "";
        QTest::newRow("three digits") << twenty + QStringList{"lstDigitsWheel:4"} << "" << kTwenty
                                      << "Please select at least 4 digits from the list 'Use Digits'.";
        // The user's own ticks in the must-include list are read.
        QTest::newRow("no must-include digit") << twenty + QStringList{"lstMustHaveDigit:1234"} << "" << kTwenty
                                               << "The Must Include list should at least have one digit selected.";
        QTest::newRow("every structure") << twenty + QStringList{"chkExcludeSingles", "chkExcludeDoubles", "chkExcludeTriples"}
                                         << "" << kTwenty
                                         << "You have excluded singles, doubles and triples.\nThere are no numbers to create...";
        // clang-format on
    }
    void createNumbers() {
        QFETCH(QStringList, setup);
        QFETCH(QString, message);
        doSteps(w, setup);
        if (message.isEmpty()) {
            doSteps(w, {"cmdProduce"});
        } else {
            const MessageSeen seen = messageAfterClicking(w, QStringLiteral("cmdProduce"));
            QCOMPARE(seen.title + "|" + seen.text, "Free Pick3 Tallymoor from Quorvel|" + message);
        }
        QTEST(resultsText(w), "text");
        QTEST(caption(), "caption");
    }

    // "Filter more" waits for four characters, a line break counted as CR LF; a
    // run regroups the typed numbers, a refused list leaves the box as it was.
    // (The robustness run checks every run against the engine.)
    void filterMoreOnTypedText() {
        typeResults(w, QStringLiteral("123"));
        QVERIFY(!filterMoreEnabled());
        QTest::keyClick(ctl("txtResults"), Qt::Key_Space);
        QVERIFY(filterMoreEnabled());
        for (const auto& [before, after] : {std::pair{"12", ""}, {"1", "2"}}) {
            typeResults(w, QString::fromLatin1(before));
            QTest::keyClick(ctl("txtResults"), Qt::Key_Return);
            QTest::keyClicks(ctl("txtResults"), QString::fromLatin1(after));
            QVERIFY2(filterMoreEnabled(), before);
        }
        typeResults(w, QStringLiteral("321, 112, 555"));
        doSteps(w, {"cmdFilterMore", "lstRoot+"});
        QCOMPARE(resultsText(w) + caption(),
                 QStringLiteral("123\n112\n555\nNewly filtered numbers (3)"));
        QCOMPARE(messageAfterClicking(w, QStringLiteral("cmdFilterMore")).text,
                 QStringLiteral("You can not exclude all rootsums."));
        QCOMPARE(resultsText(w), QStringLiteral("123\n112\n555\n"));
        // A pasted megabyte is read in full.
        ctl<QPlainTextEdit>("txtResults")->setPlainText(QStringLiteral("321, ").repeated(200000));
        doSteps(w, {"lstRoot-", "cmdFilterMore"});
        QCOMPARE(caption(), QStringLiteral("Newly filtered numbers (200000)"));
    }

    // The line under "Create numbers" follows the controls (the robustness run
    // checks it after every action) and says a refusal plainly, in no message box.
    void liveCountFollowsEveryChange() {
        QCOMPARE(liveLine(),
                 QStringLiteral("Please select at least 4 digits from the list 'Use Digits'."));
        doSteps(w, {"lstDigitsWheel:1234", "lstMustHaveDigit:123", "chkExcludeTriples"});
        QCOMPARE(liveLine(),
                 QStringLiteral("Would create 9 numbers: 36 of the 1000 possible draws (3.6%)"));
        doSteps(w, {"chkExcludeSingles", "chkExcludeDoubles"});
        QCOMPARE(liveLine(), QStringLiteral("You have excluded singles, doubles and triples. "
                                            "There are no numbers to create..."));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A tick flipped on the item itself (as an assistive tool toggles it), an item
    // added or removed behind the list's back: the list and the live count read the
    // ticks as they stand, at once, in the handler of the change too.
    void ticksChangedOnTheItemsAreRead() {
        doSteps(w, {"lstDigitsWheel:1234"});
        auto* sums = ctl<CheckList>("lstSumDigits");
        QList<bool> seenInHandler;
        connect(sums, &CheckList::itemTickChanged, this,
                [&seenInHandler, sums](int row, bool) { seenInHandler << sums->isTicked(row); });
        for (int row = 0; row < sums->count(); ++row) {
            sums->item(row)->setCheckState(Qt::Checked); // every sum: nothing is left
        }
        QCOMPARE(seenInHandler, QList<bool>(sums->count(), true));
        QCOMPARE(sums->tickedCount(), sums->count());
        QCOMPARE(liveLine(), QStringLiteral("You can not exclude all sumdigits."));
        sums->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!sums->isTicked(0) && sums->isTicked(1));
        delete sums->takeItem(0); // the rows below move up with their ticks
        QVERIFY(sums->isTicked(0));
        QCOMPARE(sums->ticks(), Ticks(static_cast<std::size_t>(sums->count()), true));
        sums->addItemText(QStringLiteral("x"));
        QVERIFY(!sums->isTicked(sums->count() - 1));
        QCOMPARE(sums->tickedCount(), sums->count() - 1);
        ctl<QPushButton>("cmdResetFilters")->click(); // the lists filled afresh, nothing ticked
        QCOMPARE(sums->ticks(), Ticks(static_cast<std::size_t>(sums->count()), false));
        QCOMPARE(liveLine(),
                 QStringLiteral("Please select at least 4 digits from the list 'Use Digits'."));
    }

    // The live count's line may wrap; no button moves when it does.
    void wrappedLiveCountMovesNoButton() {
        const auto buttonTops = [this] {
            QList<int> tops;
            for (const QPushButton* b : ctl("commandPanel")->findChildren<QPushButton*>()) {
                tops << b->mapTo(w, QPoint()).y();
            }
            return tops;
        };
        auto* line = ctl<QLabel>("lblLiveCount");
        line->setText(QStringLiteral("Would create 1 number"));
        QApplication::processEvents();
        const QList<int> before = buttonTops();
        doSteps(w, {"chkExcludeSingles", "chkExcludeDoubles", "chkExcludeTriples"});
        QApplication::processEvents();
        QVERIFY(line->heightForWidth(line->width()) > line->fontMetrics().lineSpacing() * 3 / 2);
        QCOMPARE(buttonTops(), before);
    }

    // A left click anywhere on an item flips its tick once, as a click on its box
    // or Space does, and runs the list's handler once (the live count follows);
    // a right click only opens the list's menu. No item is ever highlighted.
    void clickOnAnItemTicksIt_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("flips");
        for (const char* list : {"lstSumDigits", "lstDigitsWheel", "lstHCBox"}) {
            for (const char* how : {"text", "row end", "box", "space", "twice", "right"}) {
                const int flips = QString(how) == "twice" ? 2 : QString(how) == "right" ? 0 : 1;
                QTest::addRow("%s, %s", list, how) << list << how << flips;
            }
        }
    }
    void clickOnAnItemTicksIt() {
        QFETCH(QString, list);
        QFETCH(QString, how);
        QFETCH(int, flips);
        CheckList* l = lst(list);
        doSteps(w, {"lstDigitsWheel:1234"});
        const QString before = liveLine();
        const QSignalSpy spy(l, &CheckList::itemTickChanged);
        const int r = list == "lstSumDigits" ? 6 : 0; // 1 + 2 + 3 is 6: the count moves
        l->scrollToItem(l->item(r));
        const QRect row = l->visualItemRect(l->item(r));
        if (how == "box") {
            clickTick(l, r);
        } else if (how == "space") {
            l->setFocus();
            l->setCurrentRow(r);
            QTest::keyClick(l, Qt::Key_Space);
        } else if (how == "right") {
            QTimer::singleShot(0, [] {
                if (QWidget* menu = QApplication::activePopupWidget()) {
                    menu->close();
                }
            });
            rightClick(l);
        } else {
            const QPoint at = how == "row end" ? QPoint(row.right() - 2, row.center().y())
                                               : row.center() + QPoint(row.width() / 6, 0);
            for (int i = 0; i < (how == "twice" ? 2 : 1); ++i) {
                QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
            }
        }
        QCOMPARE(spy.count(), flips);
        QCOMPARE(l->isTicked(r), flips == 1);
        QCOMPARE(l->tickedCount(), (list == "lstDigitsWheel" ? 4 : 0) + (flips == 1 ? 1 : 0));
        QVERIFY(l->selectedItems().isEmpty());
        if (list == "lstSumDigits") {
            QCOMPARE(liveLine() != before, flips == 1);
        }
    }

    // The first digit ticked fills the must-include list: nothing beside it moves,
    // nor when the last digit is unticked and the list empties again.
    void firstDigitMovesNoList() {
        const auto lefts = [this] {
            QList<int> x;
            for (const CheckList* l : w->findChildren<CheckList*>()) {
                x << l->mapTo(w, QPoint()).x();
            }
            x << ctl("commandPanel")->mapTo(w, QPoint()).x();
            return x;
        };
        QApplication::processEvents();
        const QList<int> before = lefts();
        doSteps(w, {"lstDigitsWheel:1"});
        QApplication::processEvents();
        QCOMPARE(lst(QStringLiteral("lstMustHaveDigit"))->count(), 1);
        QCOMPARE(lefts(), before);
        doSteps(w, {"lstDigitsWheel:1"});
        QApplication::processEvents();
        QCOMPARE(lefts(), before);
    }

    // The keyboard's current row has a frame, never a fill: a filled row is a ticked one.
    void anUntickedCurrentRowIsNotFilled() {
        CheckList* l = lst(QStringLiteral("lstSumDigits"));
        l->setFocus();
        QTest::keyClick(w, Qt::Key_Tab); // the style now shows the keyboard's focus
        l->setFocus();
        l->scrollToItem(l->item(6));
        const QRect row = l->visualItemRect(l->item(6));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, row.center());
        }
        QVERIFY(!l->isTicked(6) && l->currentRow() == 6);
        const QImage shot = l->viewport()->grab().toImage();
        const QColor base = l->palette().color(QPalette::Base);
        QCOMPARE(shot.pixelColor(row.right() - 4, row.center().y()).rgb(), base.rgb());
    }

    // A pattern ticked by a click on its text in the counter is mirrored here once.
    void hotColdPatternMirroredOnce() {
        QVERIFY(countInHotCold(w, QStringLiteral("123\n456\n789\n012")));
        const QSignalSpy mirrored(lst("lstHCBox"), &CheckList::itemTickChanged);
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
            CheckList* box = listNamed(counter, QStringLiteral("lstHCBox"));
            const QSignalSpy ticked(box, &CheckList::itemTickChanged);
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                              box->visualItemRect(box->item(2)).center());
            QCOMPARE(ticked.count(), 1);
            QVERIFY(box->isTicked(2) && box->selectedItems().isEmpty());
        }));
        QCOMPARE(mirrored.count(), 1);
        QCOMPARE(tickedTexts(lst("lstHCBox")), QStringList{"Mostly hot"});
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
        // A digit leaves the must-include list only when no position list holds it.
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

    static int whitePixels(const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += image.pixelColor(x, y) == QColor(255, 255, 255) ? 1 : 0;
            }
        }
        return count;
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
            // Its word white on red inside a dark red line; the title's words white.
            QCOMPARE(image.pixelColor(0, 0), QColor(0x80, 0, 0));
            QCOMPARE(image.pixelColor(1, 1), QColor(255, 0, 0));
            QVERIFY(whitePixels(image, rectOf("cmdClose")) > 20);
            QVERIFY(whitePixels(image, QRect(title.left(), title.center().y() - 3, 120, 7)) > 5);
            w->resize(w->width() - 40, w->height() - 30);
        }
        // With the keyboard on it, the line is black and two pixels wide.
        ctl("cmdClose")->setFocus(Qt::TabFocusReason);
        const QImage focused = w->grab().toImage();
        QCOMPARE(focused.pixelColor(0, 0), QColor(0, 0, 0));
        QCOMPARE(focused.pixelColor(1, 1), QColor(0, 0, 0));
        QCOMPARE(focused.pixelColor(2, 2), QColor(255, 0, 0));
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
