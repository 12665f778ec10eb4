// The hot/cold counter through the main window: its states (de-activated,
// activated by a count, cleared, closed), each pattern tick mirrored by index
// into the main window's store, numbers made from picked hit-list digits; and
// the hand-over: the numbers "Create numbers" and "Filter more" keep in each
// mode after the counter is left by "&Close", Esc or its title-bar close, the
// mode switch that clears the filter, and a counter loaded afresh after "&Close".

#include "helpers/MainWindowDriver.h"
#include "widgets/Look.h"

#include <QListWidget>

using namespace pick3;
using namespace pick3::test;

namespace {
enum class Leave { CloseButton, Escape, TitleBar };
// Each digit of these draws is equally hot everywhere: 5 to 9 are hot, 0 to 4 cold.
const QString kDraws = QStringLiteral("555 666 777 888 999");

void count(QWidget* counter, const char* draws) {
    counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"))
        ->setPlainText(QLatin1String(draws));
    clickButton(counter, QStringLiteral("cmdGo"));
}
QString ranking(const QWidget* counter, const char* list) { // the leading digit of each item
    QString digits;
    const auto* hits = counter->findChild<QListWidget*>(QLatin1String(list));
    for (int r = 0; r < hits->count(); ++r) {
        digits += hits->item(r)->text().front();
    }
    return digits;
}
void pick(const QWidget* counter, const char* list, const char* digits) {
    auto* hits = counter->findChild<QListWidget*>(QLatin1String(list));
    for (const char* d = digits; *d != '\0'; ++d) {
        QListWidgetItem* item =
            hits->item(static_cast<int>(ranking(counter, list).indexOf(QChar(*d))));
        QTest::mouseClick(hits->viewport(), Qt::LeftButton, {},
                          hits->visualItemRect(item).center());
    }
}
// The status text and its colour; ", saved" while a count's settings are in force.
QString state(const QWidget* counter) {
    const auto* label = counter->findChild<QLabel*>(QStringLiteral("lblSettings"));
    const bool saved =
        counter->findChild<QCheckBox*>(QStringLiteral("chkSettingsSaved"))->isChecked();
    return label->text() + ' ' + label->palette().color(QPalette::WindowText).name() +
           (saved ? ", saved" : "");
}

} // namespace
Q_DECLARE_METATYPE(Leave)

class HotColdTest : public MainWindowFixture {
    Q_OBJECT

    QString stored() const { // the ticked patterns of the main window's store
        return tickedTexts(lst("lstHCBox")).join(' ') + '|' +
               tickedTexts(lst("lstHCStraight")).join(' ');
    }
    // Opens the counter; when `pattern` is a row, counts, ticks it in the pattern
    // list of the mode and leaves the given way. Returns what the counter showed
    // on opening: its draws, its status and its ticked patterns.
    QStringList inCounter(int pattern = -1, Leave leave = Leave::TitleBar) {
        const char* patterns =
            ctl<QRadioButton>("optPositionDigit(1)")->isChecked() ? "lstHCStraight" : "lstHCBox";
        QStringList shown;
        const bool ran = inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            auto* draws = counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
            shown << draws->toPlainText()
                  << counter->findChild<QLabel*>(QStringLiteral("lblSettings"))->text()
                  << tickedTexts(listNamed(counter, QLatin1String(patterns)));
            if (pattern >= 0) {
                count(counter, qPrintable(kDraws));
                clickTick(listNamed(counter, QLatin1String(patterns)), pattern);
            }
            if (leave == Leave::CloseButton) {
                clickButton(counter, QStringLiteral("cmdClose"));
            } else if (leave == Leave::Escape) {
                QTest::keyClick(counter, Qt::Key_Escape);
            } // else the helper closes it as the title bar does
        });
        return ran ? shown : QStringList{"not opened"};
    }

  private Q_SLOTS:
    void countActivatesMirrorsAndClears() {
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [this](QWidget* counter) {
            auto* box = listNamed(counter, QStringLiteral("lstHCBox"));
            const auto flip = [box](int row) { // a user's Space on a boxed pattern
                box->setFocus();
                box->setCurrentRow(row);
                QTest::keyClick(box, Qt::Key_Space);
            };
            QCOMPARE(state(counter), QStringLiteral("HotCold-filter de-activated #ff0000"));
            QCOMPARE(itemTexts(box) +
                         itemTexts(listNamed(counter, QStringLiteral("lstHCStraight"))),
                     itemsOf(listEntry(ListId::HCBox)) + itemsOf(listEntry(ListId::HCStraight)));
            QVERIFY(!box->isEnabled() &&
                    !listNamed(counter, QStringLiteral("lstHCStraight"))->isEnabled());
            clickButton(counter, QStringLiteral("chkSettingsSaved")); // only a count ticks it
            QCOMPARE(state(counter), QStringLiteral("HotCold-filter de-activated #ff0000"));

            count(counter, "123 456\n789, 111");
            QCOMPARE(state(counter), QStringLiteral("HotCold-filter activated #0000ff, saved"));
            QVERIFY(box->isEnabled() &&
                    !listNamed(counter, QStringLiteral("lstHCStraight"))->isEnabled());
            QCOMPARE(ranking(counter, "lstPos1"), QStringLiteral("1470235689"));
            flip(2);
            QCOMPARE(stored(), QStringLiteral("Mostly hot|"));
            flip(2);
            flip(0);
            QCOMPARE(stored(), QStringLiteral("All hot|"));
            pick(counter, "lstPos1", "4"); // a hit-list click carries nothing over
            QCOMPARE(stored() + tickedTexts(lst("lstDigitsWheelPos1(0)")).join(' '),
                     QStringLiteral("All hot|"));

            // Clearing keeps the count in force; a new count activates again, keeping the ticks.
            clickButton(counter, QStringLiteral("cmdClearSettings"));
            QCOMPARE(QString::number(box->tickedCount()) + stored(), QStringLiteral("0|"));
            QCOMPARE(state(counter), QStringLiteral("HotCold-filter de-activated #ff0000, saved"));
            QCOMPARE(ranking(counter, "lstPos1"), QStringLiteral("1470235689"));
            flip(3);
            clickButton(counter, QStringLiteral("optSortOrder(1)"));
            count(counter, "123-456-789-111");
            QCOMPARE(state(counter), QStringLiteral("HotCold-filter activated #0000ff, saved"));
            QCOMPARE(ranking(counter, "lstBox"), QStringLiteral("1987654320")); // digits descending
            QVERIFY(box->isTicked(3));
            clickButton(counter, QStringLiteral("cmdClose")); // clears both sides
        }));
        QCOMPARE(stored(), QStringLiteral("|"));
        QTRY_VERIFY(w->findChild<frmHotCold*>() == nullptr); // discarded
    }

    void numbersFromPickedDigits() {
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
            count(counter, "555 552 288 281 500"); // box ranking 5, 2, 8, ...
            pick(counter, "lstBox", "528");
            clickButton(counter, QStringLiteral("optBox(1)"));
            clickButton(counter, QStringLiteral("cmdCreateNumbers"));
            QCOMPARE(
                counter->findChild<QPlainTextEdit*>(QStringLiteral("txtOutput"))->toPlainText(),
                QStringLiteral("Created numbers: 10\n258\n255, 558, 225, 588, 228, 288\n"
                               "555, 222, 888"));
        }));
    }

    void filterActsUntilTheCounterIsClosed_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QStringList>("filteredMore");
        // Any position, digits 4 to 7, "All hot": every number of 5, 6 and 7 only goes.
        const QString anyKept = QStringLiteral("456, 457, 467\n445, 446, 447, 455, 466, 477\n444");
        const QString anyAll =
            "456, 457, 467, 567\n445, 446, 447, 455, 556, 557, 466, 566, 667, 477, "
            "577, 677\n444, 555, 666, 777";
        // Positional, 4 5 / 5 / 4 6, "HHC": 554 is hot, hot, cold.
        const QStringList anyMore{"456", "445"}, straightMore{"456", "556"};
        // clang-format off
        QTest::newRow("any position, Esc") << false << Leave::Escape << anyKept << anyMore;
        QTest::newRow("any position, title bar") << false << Leave::TitleBar << anyKept << anyMore;
        QTest::newRow("any position, Close") << false << Leave::CloseButton << anyAll << QStringList{"567", "456", "445"};
        QTest::newRow("positional, Esc") << true << Leave::Escape << "456\n454, 556\n" << straightMore;
        QTest::newRow("positional, title bar") << true << Leave::TitleBar << "456\n454, 556\n" << straightMore;
        QTest::newRow("positional, Close") << true << Leave::CloseButton << "456\n454, 554, 556\n"
                                           << QStringList{"456", "554", "556"};
        // clang-format on
    }
    void filterActsUntilTheCounterIsClosed() {
        QFETCH(bool, positional);
        QFETCH(Leave, leave);
        QFETCH(QString, created);
        QFETCH(QStringList, filteredMore);
        const QPointer<frmHotCold> counter(w->findChild<frmHotCold*>());
        doSteps(w, positional ? QStringList{"optPositionDigit(1)", "lstDigitsWheelPos1(0):45",
                                            "lstDigitsWheelPos1(1):5", "lstDigitsWheelPos1(2):46"}
                              : QStringList{"lstDigitsWheel:4567"});
        QCOMPARE(inCounter(positional ? 1 : 0, leave).size(), 2); // "HHC" or "All hot"

        // Hiding keeps the counter and the pattern in the main window's store;
        // "&Close" discards the counter and clears the store.
        const bool kept = leave != Leave::CloseButton;
        const QStringList stored =
            tickedTexts(listNamed(w, positional ? "lstHCStraight" : "lstHCBox"));
        QCOMPARE(stored.size(), kept ? 1 : 0);
        QTRY_COMPARE(counter.isNull(), !kept);
        doSteps(w, {"cmdProduce"});
        QCOMPARE(resultsText(w), created);
        typeResults(w,
                    positional ? QStringLiteral("554, 556, 456") : QStringLiteral("567, 456, 445"));
        doSteps(w, {"cmdFilterMore"});
        QCOMPARE(numbersIn(resultsText(w)), filteredMore);

        // Opened again: the count and the tick are still there, or all is new.
        const QStringList again = kept ? QStringList({kDraws, "HotCold-filter activated"}) + stored
                                       : QStringList({"", "HotCold-filter de-activated"});
        QCOMPARE(inCounter(), again);
    }

    void modeSwitchClearsTheSavedFilter() {
        doSteps(w, {"optPositionDigit(1)", "optPositionDigit(0)", "lstDigitsWheel:4567"});
        QCOMPARE(inCounter(0, Leave::Escape), QStringList({"", "HotCold-filter de-activated"}));
        doSteps(w, {"optPositionDigit(1)"});
        QCOMPARE(listNamed(w, QStringLiteral("lstHCBox"))->tickedCount(), 0);
        const auto* hotCold = w->findChild<frmHotCold*>();
        const auto* box = listNamed(hotCold, QStringLiteral("lstHCBox"));
        QVERIFY(box->tickedCount() == 0 && !box->isEnabled() && hotCold->settingsSaved());
        QVERIFY(listNamed(hotCold, QStringLiteral("lstHCStraight"))->isEnabled());
        QCOMPARE(inCounter(), QStringList({kDraws, "HotCold-filter de-activated"}));
        doSteps(w, {"lstDigitsWheelPos1(0):5", "lstDigitsWheelPos1(1):56",
                    "lstDigitsWheelPos1(2):7", "cmdProduce"});
        QCOMPARE(resultsText(w), QStringLiteral("567\n557\n")); // no hot/cold filter left
    }

    void aClosedCounterIsReloadedByTheNextNumberTest() {
        doSteps(w, {"lstDigitsWheel:4567"});
        inCounter(0, Leave::CloseButton);
        QTRY_VERIFY(w->findChild<frmHotCold*>() == nullptr);
        // A pattern left in the store: the counter is loaded afresh with nothing
        // counted, so every number is all cold.
        listNamed(w, QStringLiteral("lstHCBox"))->setTicked(1, true); // "All cold"
        QVERIFY(w->findChild<frmHotCold*>() == nullptr); // the live count loads nothing
        doSteps(w, {"cmdProduce"});
        QCOMPARE(numbersIn(resultsText(w)), QStringList{});
        const auto* counter = w->findChild<frmHotCold*>();
        QVERIFY(counter != nullptr && !counter->isVisible() && !counter->settingsSaved());
    }
};

QTEST_MAIN(HotColdTest)
#include "tst_hotcold.moc"
