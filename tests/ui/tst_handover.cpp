// The hot/cold filter from the counter window to the main window: a count, a
// pattern ticked, the counter left by "&Close", Esc or its title-bar close, and
// the numbers "Create numbers" and "Filter more" then keep in each digit mode;
// the mode switch that clears the filter; a counter re-created after "&Close".

#include "helpers/MainWindowDriver.h"

using namespace pick3;
using namespace pick3::test;

namespace {
enum class Leave { CloseButton, Escape, TitleBar };
// Each digit of these draws is equally hot everywhere: 5 to 9 are hot, 0 to 4 cold.
const QString kDraws = QStringLiteral("555 666 777 888 999");
} // namespace
Q_DECLARE_METATYPE(Leave)

class HandOverTest : public MainWindowFixture {
    Q_OBJECT

    // Opens the counter; when `pattern` is a row, counts, ticks it in the pattern
    // list of the mode and leaves the given way. Returns what the counter showed
    // on opening: its draws, its status and its ticked patterns.
    QStringList inCounter(int pattern = -1, Leave leave = Leave::TitleBar) {
        const char* patterns = w->findChild<QRadioButton*>("optPositionDigit(1)")->isChecked()
                                   ? "lstHCStraight"
                                   : "lstHCBox";
        QStringList shown;
        const bool ran = inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            auto* draws = counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
            shown << draws->toPlainText()
                  << counter->findChild<QLabel*>(QStringLiteral("lblSettings"))->text()
                  << tickedTexts(listNamed(counter, QLatin1String(patterns)));
            if (pattern >= 0) {
                draws->setPlainText(kDraws);
                clickButton(counter, QStringLiteral("cmdGo"));
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

    void filterActsUntilTheCounterIsClosed_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QStringList>("filteredMore");
        // Any position, digits 4 to 7, "All hot": every number of 5, 6 and 7 only goes.
        const QString anyKept = QStringLiteral("456, 457, 467\n445, 446, 447, 455, 466, 477\n444");
        const QStringList anyMore{"456", "445"};
        QTest::newRow("any position, Esc") << false << Leave::Escape << anyKept << anyMore;
        QTest::newRow("any position, title bar") << false << Leave::TitleBar << anyKept << anyMore;
        QTest::newRow("any position, Close")
            << false << Leave::CloseButton
            << "456, 457, 467, 567\n445, 446, 447, 455, 556, 557, 466, 566, 667, 477, 577, 677\n"
               "444, 555, 666, 777"
            << QStringList{"567", "456", "445"};
        // Positional, 4 5 / 5 / 4 6, "HHC": 554 is hot, hot, cold.
        const QStringList straightMore{"456", "556"};
        QTest::newRow("positional, Esc") << true << Leave::Escape << "456\n454, 556\n"
                                         << straightMore;
        QTest::newRow("positional, title bar") << true << Leave::TitleBar << "456\n454, 556\n"
                                               << straightMore;
        QTest::newRow("positional, Close") << true << Leave::CloseButton << "456\n454, 554, 556\n"
                                           << QStringList{"456", "554", "556"};
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

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
