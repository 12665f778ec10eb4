// The hot/cold filter from the counter window to the main window: a count, a
// pattern ticked, the counter left by "&Close", Esc or its title-bar close, and
// the numbers that "Create numbers" and "Filter more" keep afterwards in each
// digit mode; the mode switch that clears the filter; and a counter window
// re-created by a number test after its "&Close".

#include "app/frmPick3ZozevidAru.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"
#include "hotcold/frmHotCold.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

namespace {

enum class Leave { CloseButton, Escape, TitleBar };

// Every draw makes its digits equally hot in every list: 5 to 9 are hot
// (three box hits each, one per position), 0 to 4 cold.
const QString kDraws = QStringLiteral("555 666 777 888 999");

QStringList numbersIn(const QString& text) {
    QStringList numbers;
    const QRegularExpression three(QStringLiteral("\\d{3}"));
    for (auto it = three.globalMatch(text); it.hasNext();) {
        numbers << it.next().captured();
    }
    return numbers;
}

} // namespace

Q_DECLARE_METATYPE(Leave)

class HandOverTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;

    CheckList* lst(const char* name) const { return listNamed(w, QString::fromLatin1(name)); }
    QString results() const {
        return w->findChild<QPlainTextEdit*>(QStringLiteral("txtResults"))->toPlainText();
    }
    QString countCaption() const {
        return w->findChild<QLabel*>(QStringLiteral("lblNumbersCreated"))->text();
    }
    void click(const char* name) const { clickButton(w, QString::fromLatin1(name)); }
    void typeResults(const QString& text) {
        auto* box = w->findChild<QPlainTextEdit*>(QStringLiteral("txtResults"));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Opens the counter with "HotCold", counts the draws, ticks `pattern` in
    // `patternList` and leaves the window the given way.
    void countAndTick(const char* patternList, const char* pattern, Leave leave) {
        ModalHelper helper;
        bool operated = false;
        helper.expect([&](QWidget* modal) {
            auto* counter = qobject_cast<frmHotCold*>(modal);
            if (counter == nullptr) {
                modal->close();
                return;
            }
            counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"))
                ->setPlainText(kDraws);
            clickButton(counter, QStringLiteral("cmdGo"));
            clickTicks(listNamed(counter, QString::fromLatin1(patternList)), {pattern});
            operated = counter->settingsSaved();
            switch (leave) {
            case Leave::CloseButton:
                clickButton(counter, QStringLiteral("cmdClose"));
                break;
            case Leave::Escape:
                QTest::keyClick(counter->focusWidget() ? counter->focusWidget() : counter,
                                Qt::Key_Escape);
                break;
            case Leave::TitleBar:
                counter->close();
                break;
            }
        });
        click("cmdHotCold");
        QVERIFY(helper.ran());
        QVERIFY(operated);
        QVERIFY(w->isVisible());
    }

  private Q_SLOTS:
    void init() {
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
        QVERIFY(w != nullptr);
    }
    void cleanup() { unloadMainWindow(); }

    void filterActsUntilTheCounterIsClosed_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("filteredMore"); // regrouped: singles, doubles, triples

        // Any position, digits 4 to 7, "All hot" ticked: 5, 6 and 7 are hot, so
        // every number made only of them goes.
        const QString anyAll =
            QStringLiteral("456, 457, 467, 567\n445, 446, 447, 455, 556, 557, 466, 566, 667, 477, "
                           "577, 677\n444, 555, 666, 777");
        const QString anyKept = QStringLiteral("456, 457, 467\n445, 446, 447, 455, 466, 477\n444");
        QTest::newRow("any position, Esc keeps the filter")
            << false << Leave::Escape << anyKept << "Numbers created: 10"
            << QStringList{"456", "445"};
        QTest::newRow("any position, title-bar close keeps the filter")
            << false << Leave::TitleBar << anyKept << "Numbers created: 10"
            << QStringList{"456", "445"};
        QTest::newRow("any position, Close clears the filter")
            << false << Leave::CloseButton << anyAll << "Numbers created: 20"
            << QStringList{"567", "456", "445"};

        // Positional, 4 5 / 5 / 4 6, "HHC" ticked: 554 is hot, hot, cold.
        QTest::newRow("positional, Esc keeps the filter")
            << true << Leave::Escape << "456\n454, 556\n"
            << "Numbers created: 3" << QStringList{"456", "556"};
        QTest::newRow("positional, title-bar close keeps the filter")
            << true << Leave::TitleBar << "456\n454, 556\n"
            << "Numbers created: 3" << QStringList{"456", "556"};
        QTest::newRow("positional, Close clears the filter")
            << true << Leave::CloseButton << "456\n454, 554, 556\n"
            << "Numbers created: 4" << QStringList{"456", "554", "556"};
    }
    void filterActsUntilTheCounterIsClosed() {
        QFETCH(bool, positional);
        QFETCH(Leave, leave);
        QFETCH(QString, created);
        QFETCH(QString, caption);
        QFETCH(QStringList, filteredMore);

        QPointer<frmHotCold> counter(&w->hotCold());
        if (positional) {
            click("optPositionDigit(1)");
            clickTicks(lst("lstDigitsWheelPos1(0)"), {"4", "5"});
            clickTicks(lst("lstDigitsWheelPos1(1)"), {"5"});
            clickTicks(lst("lstDigitsWheelPos1(2)"), {"4", "6"});
            countAndTick("lstHCStraight", "HHC", leave);
        } else {
            clickTicks(lst("lstDigitsWheel"), {"4", "5", "6", "7"});
            countAndTick("lstHCBox", "All hot", leave);
        }

        const bool kept = leave != Leave::CloseButton;
        // The main window's store holds the pattern exactly while the filter is in force.
        const QStringList stored = tickedTexts(lst(positional ? "lstHCStraight" : "lstHCBox"));
        QCOMPARE(stored, kept ? QStringList{positional ? "HHC" : "All hot"} : QStringList{});
        // "&Close" discards the counter; hiding keeps the same one.
        QTRY_COMPARE(counter.isNull(), !kept);
        QCOMPARE(w->hotCold().settingsSaved(), kept);

        click("cmdProduce");
        QCOMPARE(results(), created);
        QCOMPARE(countCaption(), caption);

        typeResults(positional ? QStringLiteral("554, 556, 456") : QStringLiteral("567, 456, 445"));
        click("cmdFilterMore");
        QCOMPARE(numbersIn(results()), filteredMore);

        // Opened again after hiding: the count and the tick are still there.
        if (kept) {
            ModalHelper helper;
            QStringList ticked;
            QString status;
            QString draws;
            helper.expect([&](QWidget* modal) {
                draws = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"))
                            ->toPlainText();
                ticked = tickedTexts(listNamed(modal, positional ? QStringLiteral("lstHCStraight")
                                                                 : QStringLiteral("lstHCBox")));
                status = modal->findChild<QLabel*>(QStringLiteral("lblSettings"))->text();
                modal->close();
            });
            click("cmdHotCold");
            QVERIFY(helper.ran());
            QCOMPARE(ticked, stored);
            QCOMPARE(status, QStringLiteral("HotCold-filter activated"));
            QCOMPARE(draws, kDraws);
        }
    }

    void modeSwitchClearsTheSavedFilter() {
        clickTicks(lst("lstDigitsWheel"), {"4", "5", "6", "7"});
        countAndTick("lstHCBox", "All hot", Leave::Escape);
        QCOMPARE(tickedTexts(lst("lstHCBox")), QStringList{"All hot"});

        click("optPositionDigit(1)");
        frmHotCold& counter = w->hotCold();
        QCOMPARE(lst("lstHCBox")->tickedCount(), 0);
        QCOMPARE(listNamed(&counter, QStringLiteral("lstHCBox"))->tickedCount(), 0);
        QVERIFY(!listNamed(&counter, QStringLiteral("lstHCBox"))->isEnabled());
        QVERIFY(listNamed(&counter, QStringLiteral("lstHCStraight"))->isEnabled());
        QCOMPARE(counter.findChild<QLabel*>(QStringLiteral("lblSettings"))->text(),
                 QStringLiteral("HotCold-filter de-activated"));
        QVERIFY(counter.settingsSaved()); // the count itself stays

        // Nothing ticked any more: no hot/cold filter in the new mode.
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"5"});
        clickTicks(lst("lstDigitsWheelPos1(1)"), {"5", "6"});
        clickTicks(lst("lstDigitsWheelPos1(2)"), {"7"});
        click("cmdProduce");
        QCOMPARE(results(), QStringLiteral("567\n557\n"));
    }

    void aModeSwitchBeforeAnyCountLeavesTheCounterAlone() {
        frmHotCold& counter = w->hotCold();
        click("optPositionDigit(1)");
        QVERIFY(&w->hotCold() == &counter);
        QVERIFY(!listNamed(&counter, QStringLiteral("lstHCBox"))->isEnabled());
        QVERIFY(!listNamed(&counter, QStringLiteral("lstHCStraight"))->isEnabled());
        QVERIFY(!counter.settingsSaved());
    }

    void aClosedCounterIsReloadedByTheNextNumberTest() {
        clickTicks(lst("lstDigitsWheel"), {"4", "5", "6", "7"});
        countAndTick("lstHCBox", "All hot", Leave::CloseButton);
        QTRY_VERIFY(w->findChild<frmHotCold*>() == nullptr);

        // A pattern left in the store: the counter is loaded again, with
        // nothing counted, so every number is all cold.
        lst("lstHCBox")->setTicked(1, true); // "All cold"
        click("cmdProduce");
        QCOMPARE(numbersIn(results()), QStringList{});
        auto* counter = w->findChild<frmHotCold*>();
        QVERIFY(counter != nullptr);
        QVERIFY(!counter->isVisible());
        QVERIFY(!counter->settingsSaved());
        lst("lstHCBox")->setTicked(1, false);
        lst("lstHCBox")->setTicked(3, true); // "Mostly cold" throws out nothing here
        click("cmdProduce");
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 20"));
    }
};

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
