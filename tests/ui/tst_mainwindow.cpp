// The main window driven as a user would: start-up state, "Create numbers" in
// both modes, every refusal, "Filter more" on typed text, the mode switch, the
// must-include list, the consecutive options, "Reset filters", the pair
// buttons, the banner and ending the program.

#include "app/AppInfo.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "engine/Catalogue.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

namespace {

const QString kNotice = QStringLiteral("All created numbers were excluded by the filters.\n"
                                       "Adjust the filtersettings to produce numbers.");

QColor baseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QWidget* w = nullptr;

    CheckList* lst(const char* name) const { return listNamed(w, QString::fromLatin1(name)); }
    template <typename T> T* ctl(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    QString results() const { return ctl<QPlainTextEdit>("txtResults")->toPlainText(); }
    QString countCaption() const { return ctl<QLabel>("lblNumbersCreated")->text(); }
    void click(const char* name) const { clickButton(w, QString::fromLatin1(name)); }

    // Clicks a button that answers with a message box; returns what the box showed.
    MessageSeen clickExpectingMessage(const char* name) {
        ModalHelper helper;
        auto seen = expectMessage(helper);
        click(name);
        return *seen;
    }
    void typeResults(const QString& text) {
        auto* box = ctl<QPlainTextEdit>("txtResults");
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

  private Q_SLOTS:
    void init() {
        w = startMainWindow();
        QVERIFY(w != nullptr);
    }
    void cleanup() { unloadMainWindow(); }

    void startUpState() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Free Pick3 Tallymoor - Freeware V 3.0.0"));
        QCOMPARE(sAppTitle(), QStringLiteral("Free Pick3 Tallymoor from Quorvel"));
        QCOMPARE(ctl<QLabel>("lblStateName")->text(), QStringLiteral("Pick3 Tallymoor"));
        QCOMPARE(results(), QStringLiteral("\n\nhttps://www.quorvel.example/\n"
                                           "pick3@quorvel.example\n\n"
                                           "https://home.quorvel.example/\n"
                                           "quorvel@home.quorvel.example"));
        QVERIFY(ctl<QPushButton>("cmdFilterMore")->isEnabled());
        QVERIFY(countCaption().isEmpty());

        auto* boxed = ctl<QPushButton>("cmdFilterOutBoxedPairs");
        auto* straight = ctl<QPushButton>("cmdFilterPairsStraight");
        QVERIFY(boxed->isVisible());
        QCOMPARE(boxed->text(), QStringLiteral("Pairs - BOXED : 0"));
        QVERIFY(!straight->isVisible());
        QCOMPARE(straight->text(), QStringLiteral("Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));

        QVERIFY(ctl<QRadioButton>("optPositionDigit(0)")->isChecked());
        QVERIFY(ctl<QRadioButton>("optConsec(0)")->isChecked());
        QCOMPARE(static_cast<frmPick3ZozevidAru*>(w)->iConsecMode(), 0);
        QVERIFY(lst("lstDigitsWheel")->isEnabled());
        for (const char* name :
             {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
            QVERIFY2(lst(name)->isVisible() && !lst(name)->isEnabled(), name);
        }
        QVERIFY(ctl<QPushButton>("cmdOutputBox")->isEnabled());

        // Every list full, nothing ticked, shown as its mode says, in its colour.
        for (const ListEntry& entry : catalogue()) {
            const QString name = QString::fromUtf8(entry.controlName);
            CheckList* list = listNamed(w, name);
            QVERIFY2(list != nullptr, qPrintable(name));
            QCOMPARE(list->count(), static_cast<int>(entry.items.size()));
            QCOMPARE(list->tickedCount(), 0);
            const bool shown =
                entry.shownIn == ShownIn::Both || entry.shownIn == ShownIn::AnyPosition;
            QVERIFY2(list->isVisible() == shown, qPrintable(name));
            QCOMPARE(baseOf(list), listColour(entry.colour));
        }
        QCOMPARE(baseOf(lst("lstOddEvenStraight")), QColor(0xFF, 0xC0, 0x80));
        QCOMPARE(baseOf(lst("lstRoot")), QColor(0xC0, 0xC0, 0xFF));
        QCOMPARE(baseOf(lst("lstMustHaveDigit")), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(baseOf(ctl<QPlainTextEdit>("txtResults")), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);

        // The hot/cold store exists, out of the user's sight, with its headings.
        for (const char* name : {"Label14", "Label12", "Label13"}) {
            QVERIFY2(ctl<QLabel>(name) && !ctl<QLabel>(name)->isVisible(), name);
        }
        QVERIFY(lst("lstHCBox")->isEnabled());

        // The hot/cold window is loaded, hidden.
        auto* hotCold = w->findChild<QDialog*>(QStringLiteral("frmHotCold"));
        QVERIFY(hotCold != nullptr);
        QVERIFY(!hotCold->isVisible());

        for (const char* name : {"txtOutputBox6Way", "txtOutputBoxLLH", "txtOutputBoxLHH"}) {
            QVERIFY2(ctl<QLineEdit>(name)->isReadOnly(), name);
        }
        QCOMPARE(ctl<QLineEdit>("txtOutputBox6Way")->text(), QStringLiteral("LMH"));
        QCOMPARE(ctl<QLineEdit>("txtOutputBoxLLH")->text(), QStringLiteral("LLH"));
        QCOMPARE(ctl<QLineEdit>("txtOutputBoxLHH")->text(), QStringLiteral("LHH"));
        QVERIFY(ctl<QMenu>("mnuAction") != nullptr);
    }

    void createAnyPosition() {
        clickTicks(lst("lstDigitsWheel"), {"1", "2", "3", "4"});
        click("cmdProduce");
        QCOMPARE(results(),
                 QStringLiteral("123, 124, 134, 234\n"
                                "112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\n"
                                "111, 222, 333, 444"));
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 20"));

        // Singles excluded: the doubles line, then the triples line.
        click("chkExcludeSingles");
        click("cmdProduce");
        QCOMPARE(results(),
                 QStringLiteral("112, 113, 114, 122, 223, 224, 133, 233, 334, 144, 244, 344\n"
                                "111, 222, 333, 444"));
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 16"));

        // A filter that throws out every candidate gives the notice and no count.
        click("chkExcludeSingles");
        clickTicks(lst("lstOddEven"), {"All even", "All odd", "Mostly even"});
        clickTicks(lst("lstDigitsWheel"), {"1", "3"});
        clickTicks(lst("lstDigitsWheel"), {"6", "8"});
        click("cmdProduce"); // digits 2, 4, 6, 8: every number is all even
        QCOMPARE(results(), kNotice);
        QVERIFY(countCaption().isEmpty());
    }

    void createPositional() {
        click("optPositionDigit(1)");
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"1"});
        clickTicks(lst("lstDigitsWheelPos1(1)"), {"1", "2"});
        clickTicks(lst("lstDigitsWheelPos1(2)"), {"1"});
        click("cmdProduce");
        // The singles line is empty, so the text starts with a line break.
        QCOMPARE(results(), QStringLiteral("\n121\n111"));
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 2"));

        // Straight numbers keep their position order.
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"1", "3"});
        clickTicks(lst("lstDigitsWheelPos1(1)"), {"1"});
        clickTicks(lst("lstDigitsWheelPos1(2)"), {"1", "0"});
        click("chkExcludeTriples");
        click("cmdProduce"); // 3 / 2 / 0
        QCOMPARE(results(), QStringLiteral("320\n"));
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 1"));
    }

    void refusals_data() {
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("three digits") << 0
                                      << "Please select at least 4 digits from the list 'Use "
                                         "Digits'.";
        QTest::newRow("an empty position list") << 1 << "Please select digits from all 3 lists.";
        QTest::newRow("no must-include digit")
            << 2 << "The Must Include list should at least have one digit selected.";
        QTest::newRow("every root") << 3 << "You can not exclude all rootsums.";
        QTest::newRow("every straight odd/even")
            << 4 << "You can not exclude all OddEven-patterns.";
        QTest::newRow("every structure")
            << 5
            << "You have excluded singles, doubles and triples.\nThere are no numbers to "
               "create...";
        QTest::newRow("every width of a pair") << 6 << "You can not exclude all Widths.";
    }

    void refusals() {
        QFETCH(int, setup);
        QFETCH(QString, message);
        // A creation first, so that the count label holds something to keep.
        clickTicks(lst("lstDigitsWheel"), {"1", "2", "3", "4"});
        click("cmdProduce");
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 20"));

        switch (setup) {
        case 0:
            clickTicks(lst("lstDigitsWheel"), {"4"});
            break;
        case 1:
            click("optPositionDigit(1)");
            clickTicks(lst("lstDigitsWheelPos1(0)"), {"1"});
            clickTicks(lst("lstDigitsWheelPos1(2)"), {"1"});
            break;
        case 2:
            for (int row = 0; row < 4; ++row) {
                clickTick(lst("lstMustHaveDigit"), row);
            }
            break;
        case 3:
            lst("lstRoot")->setAllTicked(true);
            lst("lstSumDigits")->setAllTicked(true); // later in the order: not reported
            break;
        case 4:
            click("optPositionDigit(1)");
            for (const char* name :
                 {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
                clickTicks(lst(name), {"5"});
            }
            lst("lstOddEvenStraight")->setAllTicked(true);
            lst("lstOddEven")->setAllTicked(true); // the boxed list is not read here
            break;
        case 5:
            click("chkExcludeSingles");
            click("chkExcludeDoubles");
            click("chkExcludeTriples");
            break;
        case 6:
            click("optPositionDigit(1)");
            for (const char* name :
                 {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
                clickTicks(lst(name), {"5"});
            }
            lst("lstWidth_XX")->setAllTicked(true);
            break;
        default:
            QFAIL("unknown setup");
        }
        const MessageSeen seen = clickExpectingMessage("cmdProduce");
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, sAppTitle());
        QCOMPARE(seen.text, message);
        // The box was emptied before the refusal; the count label keeps its caption.
        QCOMPARE(results(), QString());
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 20"));
        QVERIFY(!ctl<QPushButton>("cmdFilterMore")->isEnabled());
    }

    void filterMoreOnTypedText() {
        auto* filterMore = ctl<QPushButton>("cmdFilterMore");
        typeResults(QString());
        QVERIFY(!filterMore->isEnabled());
        typeResults(QStringLiteral("123"));
        QVERIFY(!filterMore->isEnabled()); // three characters are not enough
        QTest::keyClick(ctl<QPlainTextEdit>("txtResults"), Qt::Key_Space);
        QVERIFY(filterMore->isEnabled());

        typeResults(QStringLiteral("321, 112, 555"));
        click("cmdFilterMore");
        QCOMPARE(results(), QStringLiteral("123\n112\n555\n"));
        QCOMPARE(countCaption(), QStringLiteral("Newly filtered numbers (3)"));

        // Digits are read in runs of three whatever stands between them.
        typeResults(QStringLiteral("1 2 3 4 5 6 7"));
        click("cmdFilterMore");
        QCOMPARE(results(), QStringLiteral("123, 456\n"));

        // A number without any must-include digit survives: Filter more ignores that list.
        clickTicks(lst("lstDigitsWheel"), {"1", "2", "3", "4"});
        clickTick(lst("lstMustHaveDigit"), 0);
        typeResults(QStringLiteral("789, "));
        click("cmdFilterMore");
        QCOMPARE(results(), QStringLiteral("789\n"));

        typeResults(QStringLiteral("no digits at all"));
        click("cmdFilterMore");
        QCOMPARE(results(), kNotice);
        QVERIFY(countCaption().isEmpty());

        // A refused list leaves box and label as they were.
        typeResults(QStringLiteral("321, 654"));
        click("cmdFilterMore");
        lst("lstRoot")->setAllTicked(true);
        const MessageSeen seen = clickExpectingMessage("cmdFilterMore");
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, sAppTitle());
        QCOMPARE(seen.text, QStringLiteral("You can not exclude all rootsums."));
        QCOMPARE(results(), QStringLiteral("123, 456\n"));
        QCOMPARE(countCaption(), QStringLiteral("Newly filtered numbers (2)"));
    }

    void filterMoreTakesAMegabyte() {
        // Pasted text of any length is read in full.
        QString text;
        for (int i = 0; i < 200000; ++i) {
            text += QStringLiteral("321, ");
        }
        ctl<QPlainTextEdit>("txtResults")->setPlainText(text);
        click("cmdFilterMore");
        QCOMPARE(countCaption(), QStringLiteral("Newly filtered numbers (200000)"));
        QVERIFY(results().startsWith(QStringLiteral("123, 123, ")));
    }

    void modeSwitch() {
        clickTicks(lst("lstDigitsWheel"), {"1", "5"});
        clickTicks(lst("lstSumDigits"), {"3"});
        clickTicks(lst("lstRoot"), {"4"});
        clickTicks(lst("lstLDR"), {"5"});
        clickTicks(lst("lstWidth"), {"6"});
        clickTicks(lst("lstWidthLowestMiddle"), {"7"});
        clickTicks(lst("lstWidthMiddleHighest"), {"8"});
        clickTicks(lst("lstLMH"), {"LLL"});
        clickTicks(lst("lstOCS"), {"OOO"});
        clickTicks(lst("lstOddEven"), {"All odd"});
        clickTicks(lst("lstInOut"), {"All IN"});
        click("chkExcludeDoubles");
        click("optConsec(2)");

        // Selecting the option already selected changes nothing.
        click("optPositionDigit(0)");
        QCOMPARE(tickedTexts(lst("lstDigitsWheel")), QStringList({"1", "5"}));

        click("optPositionDigit(1)");
        QCOMPARE(lst("lstDigitsWheel")->tickedCount(), 0);
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        for (const char* name : {"lstLMH", "lstOCS", "lstOddEven", "lstInOut"}) {
            QVERIFY2(lst(name)->tickedCount() == 0, name);
        }
        // The lists of both modes keep their ticks, so do the check boxes and options.
        QCOMPARE(tickedTexts(lst("lstSumDigits")), QStringList({"3"}));
        QCOMPARE(tickedTexts(lst("lstRoot")), QStringList({"4"}));
        QCOMPARE(tickedTexts(lst("lstLDR")), QStringList({"5"}));
        QCOMPARE(tickedTexts(lst("lstWidth")), QStringList({"6"}));
        QCOMPARE(tickedTexts(lst("lstWidthLowestMiddle")), QStringList({"7"}));
        QCOMPARE(tickedTexts(lst("lstWidthMiddleHighest")), QStringList({"8"}));
        QVERIFY(ctl<QCheckBox>("chkExcludeDoubles")->isChecked());
        QCOMPARE(static_cast<frmPick3ZozevidAru*>(w)->iConsecMode(), 2);

        // Controls of the positional column.
        QVERIFY(!lst("lstDigitsWheel")->isEnabled() && lst("lstDigitsWheel")->isVisible());
        QVERIFY(lst("lstDigitsWheelPos1(1)")->isEnabled());
        for (const char* name :
             {"lstOddEvenStraight", "lblOddEvenStraight", "lstHighLowStraight",
              "lblHighLowStraight", "lstInOutStraight", "lstOCSStraight", "lstLMHStraight",
              "lstLMHDigits", "lblLMHDigits", "lstWidthXX_", "lstWidth_XX", "lstWidthX_X",
              "lblWidthXX_", "lblWidth_XX", "lblWidthX_X", "cmdFilterPairsStraight", "Label11",
              "Label9", "Label10"}) {
            QVERIFY2(ctl<QWidget>(name)->isVisible(), name);
        }
        for (const char* name : {"lstOddEven", "lblOddEven", "lstHighLow", "lblHighLow", "lstInOut",
                                 "lstOCS", "lstLMH", "cmdFilterOutBoxedPairs"}) {
            QVERIFY2(!ctl<QWidget>(name)->isVisible(), name);
        }
        QVERIFY(!ctl<QPushButton>("cmdOutputBox")->isEnabled());

        // Back: the positional lists are unticked in this direction too.
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"2"});
        clickTicks(lst("lstLMHDigits"), {"LMH"});
        clickTicks(lst("lstWidthXX_"), {"1"});
        clickTicks(lst("lstWidth_XX"), {"2"});
        clickTicks(lst("lstWidthX_X"), {"3"});
        clickTicks(lst("lstLMHStraight"), {"LMH"});
        clickTicks(lst("lstOCSStraight"), {"OCS"});
        clickTicks(lst("lstHighLowStraight"), {"HHH"});
        click("optPositionDigit(0)");
        for (const char* name :
             {"lstDigitsWheelPos1(0)", "lstLMHDigits", "lstWidthXX_", "lstWidth_XX", "lstWidthX_X",
              "lstLMHStraight", "lstOCSStraight", "lstHighLowStraight"}) {
            QVERIFY2(lst(name)->tickedCount() == 0, name);
        }
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        QVERIFY(lst("lstDigitsWheel")->isEnabled());
        QVERIFY(!lst("lstDigitsWheelPos1(0)")->isEnabled());
        QVERIFY(ctl<QPushButton>("cmdFilterOutBoxedPairs")->isVisible());
        QVERIFY(!ctl<QPushButton>("cmdFilterPairsStraight")->isVisible());
        QVERIFY(ctl<QPushButton>("cmdOutputBox")->isEnabled());
    }

    void mustIncludeFollowsTheDigits() {
        CheckList* must = lst("lstMustHaveDigit");
        clickTicks(lst("lstDigitsWheel"), {"1", "5", "3"});
        QCOMPARE(itemTexts(must), QStringList({"1", "3", "5"}));
        QCOMPARE(tickedTexts(must), QStringList({"1", "3", "5"}));
        clickTicks(must, {"3"});
        QCOMPARE(tickedTexts(must), QStringList({"1", "5"}));
        clickTicks(lst("lstDigitsWheel"), {"7"});
        QCOMPARE(itemTexts(must), QStringList({"1", "3", "5", "7"}));
        QCOMPARE(tickedTexts(must), QStringList({"1", "3", "5", "7"}));
        clickTicks(lst("lstDigitsWheel"), {"5"});
        QCOMPARE(itemTexts(must), QStringList({"1", "3", "7"}));

        // The engine reads the user's must-include ticks: only numbers holding a 7.
        clickTicks(lst("lstDigitsWheel"), {"9"});
        clickTicks(must, {"1", "3", "9"});
        click("chkExcludeDoubles");
        click("chkExcludeTriples");
        click("cmdProduce");
        QCOMPARE(results(), QStringLiteral("137, 179, 379"));

        click("optPositionDigit(1)");
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"4"});
        clickTicks(lst("lstDigitsWheelPos1(2)"), {"4", "2"});
        QCOMPARE(itemTexts(must), QStringList({"2", "4"}));
        clickTicks(must, {"2"});
        // A digit chosen for another position already: nothing changes, not even the ticks.
        clickTicks(lst("lstDigitsWheelPos1(1)"), {"4"});
        QCOMPARE(tickedTexts(must), QStringList({"4"}));
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"4"});
        clickTicks(lst("lstDigitsWheelPos1(1)"), {"4"});
        QCOMPARE(itemTexts(must), QStringList({"2", "4"}));
        clickTicks(lst("lstDigitsWheelPos1(2)"), {"4"});
        QCOMPARE(itemTexts(must), QStringList({"2"}));
    }

    void consecutiveOptions() {
        // 0, 3, 5, 9 hold no neighbours unless 0 and 9 count as consecutive.
        clickTicks(lst("lstDigitsWheel"), {"0", "3", "5", "9"});
        click("optConsec(1)");
        QCOMPARE(static_cast<frmPick3ZozevidAru*>(w)->iConsecMode(), 1);
        click("cmdProduce");
        QCOMPARE(results(), kNotice);
        click("chk0And9");
        click("cmdProduce");
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 4"));
        QCOMPARE(results(), QStringLiteral("039, 059\n009, 099\n"));

        click("optConsec(2)");
        QCOMPARE(static_cast<frmPick3ZozevidAru*>(w)->iConsecMode(), 2);
        click("cmdProduce");
        QCOMPARE(countCaption(), QStringLiteral("Numbers created: 16"));

        click("cmdResetFilters");
        QVERIFY(ctl<QRadioButton>("optConsec(0)")->isChecked());
        QCOMPARE(static_cast<frmPick3ZozevidAru*>(w)->iConsecMode(), 0);
        QVERIFY(ctl<QCheckBox>("chk0And9")->isChecked()); // reset leaves the check boxes
    }

    void resetFilters() {
        clickTicks(lst("lstDigitsWheel"), {"1", "2", "3", "4"});
        clickTicks(lst("lstSumDigits"), {"27"});
        clickTicks(lst("lstOCS"), {"OCS"});
        click("chkExcludeSingles");
        click("cmdProduce");
        const QString created = results();
        click("cmdResetFilters");
        click("cmdResetFilters"); // twice gives the same lists as once
        for (const ListEntry& entry : catalogue()) {
            CheckList* list = listNamed(w, QString::fromUtf8(entry.controlName));
            QCOMPARE(list->count(), static_cast<int>(entry.items.size()));
            QCOMPARE(list->tickedCount(), 0);
        }
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        QVERIFY(ctl<QCheckBox>("chkExcludeSingles")->isChecked());
        QCOMPARE(results(), created);
        QVERIFY(ctl<QRadioButton>("optPositionDigit(0)")->isChecked());
    }

    void pairButtonsFollowThePairSets() {
        auto* boxed = ctl<QPushButton>("cmdFilterOutBoxedPairs");
        const auto pickPairs = [this](const char* button,
                                      std::initializer_list<const char*> pairs) {
            ModalHelper helper;
            helper.expect([pairs](QWidget* dialog) {
                auto* list = dialog->findChild<CheckList*>();
                QVERIFY(list != nullptr);
                // The dialog lays its pairs out in a grid of its own: tick by row.
                for (const char* pair : pairs) {
                    list->setTicked(static_cast<int>(itemTexts(list).indexOf(pair)), true);
                }
                clickButton(dialog, QStringLiteral("cmdClose"));
            });
            click(button);
            QVERIFY(helper.ran());
        };
        pickPairs("cmdFilterOutBoxedPairs", {"01", "23"});
        QCOMPARE(boxed->text(), QStringLiteral("Pairs - BOXED : 2"));
        clickTicks(lst("lstDigitsWheel"), {"0", "1", "2", "3"});
        click("chkExcludeDoubles");
        click("chkExcludeTriples");
        click("cmdProduce"); // every single of 0..3 holds 01 or 23
        QCOMPARE(results(), kNotice);

        click("cmdResetFilters");
        QCOMPARE(boxed->text(), QStringLiteral("Pairs - BOXED : 0"));
        QVERIFY(static_cast<frmPick3ZozevidAru*>(w)->pairSets().boxed.empty());

        pickPairs("cmdFilterOutBoxedPairs", {"55"});
        QCOMPARE(boxed->text(), QStringLiteral("Pairs - BOXED : 1"));
        click("optPositionDigit(1)");
        auto* straight = ctl<QPushButton>("cmdFilterPairsStraight");
        QCOMPARE(straight->text(), QStringLiteral("Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));
        QVERIFY(static_cast<frmPick3ZozevidAru*>(w)->pairSets().boxed.empty());
        click("optPositionDigit(0)");
        QCOMPARE(boxed->text(), QStringLiteral("Pairs - BOXED : 0"));
    }

    void otherWindowsOpenModally_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("hot/cold") << "cmdHotCold"
                                  << "frmHotCold";
        QTest::newRow("boxed pairs") << "cmdFilterOutBoxedPairs"
                                     << "frmPick3FilterBoxedPairs";
        QTest::newRow("output order") << "cmdOutputBox"
                                      << "frmOutputBox";
        QTest::newRow("help") << "cmdHelp"
                              << "frmWheelHelp";
    }

    void otherWindowsOpenModally() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        ModalHelper helper;
        QString seen;
        helper.expect([&seen](QWidget* modal) {
            seen = modal->objectName();
            modal->close();
        });
        clickButton(w, button);
        QVERIFY(helper.ran());
        QCOMPARE(seen, window);
        QVERIFY(w->isVisible());
    }

    void bannerColours() {
        const auto check = [this] {
            const QImage image = w->grab().toImage();
            const auto* title = ctl<QLabel>("lblStateName");
            const auto* side = ctl<QLabel>("lblLeft");
            const QRect t(title->mapTo(w, QPoint(0, 0)), title->size());
            const QRect s(side->mapTo(w, QPoint(0, 0)), side->size());
            const int x = t.right() - 2; // clear of the title's text
            QCOMPARE(image.pixelColor(x, t.top()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(x, t.bottom()), QColor(255, 255, 255));
            QCOMPARE(image.pixelColor(x, t.center().y()).blue(), 255);
            const int y = s.center().y();
            QCOMPARE(image.pixelColor(s.left(), y), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(s.right(), y), QColor(255, 255, 255));
            QCOMPARE(image.pixelColor(s.center().x(), s.bottom()).blue(), 255);
            // The red Close covers the square where the strips meet.
            const auto* close = ctl<QPushButton>("cmdClose");
            QCOMPARE(close->geometry().size(), QSize(s.width(), t.height()));
            QCOMPARE(close->mapTo(w, QPoint(0, 0)), QPoint(0, 0));
        };
        check();
        w->resize(w->width() - 40, w->height() - 30); // repainted after a resize too
        check();
    }

    void closeEndsTheProgram() {
        QPointer<QWidget> window(w);
        QPointer<QWidget> hotCold(w->findChild<QDialog*>(QStringLiteral("frmHotCold")));
        QVERIFY(!hotCold.isNull());
        click("cmdClose");
        QTRY_VERIFY(window.isNull());
        QVERIFY(hotCold.isNull());
        QVERIFY(mainWindow() == nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
