// The hot/cold counter window on its own, with a stand-in for the main window:
// its states (de-activated, activated, cleared, closed and re-created), the
// count, the making of numbers, and the mirroring of every pattern tick.

#include "app/AppInfo.h"
#include "app/CheckList.h"
#include "app/WindowHolder.h"
#include "helpers/ModalHelper.h"
#include "hotcold/frmHotCold.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <map>

using namespace pick3;
using pick3::test::child;

Q_DECLARE_METATYPE(pick3::DigitMode)

namespace {

// The main window's side: its digit mode and its two store lists.
struct FakeMain {
    DigitMode mode = DigitMode::Positional;
    std::map<std::pair<ListId, int>, bool> store; // ticks as mirrored
    int mirrorCalls = 0;

    frmHotCold::MainWindowLink link() {
        return {[this] { return mode; },
                [this](ListId list, int row, bool ticked) {
                    store[{list, row}] = ticked;
                    ++mirrorCalls;
                }};
    }
    bool stored(ListId list, int row) const {
        const auto it = store.find({list, row});
        return it != store.end() && it->second;
    }
    int tickedInStore() const {
        int n = 0;
        for (const auto& [key, ticked] : store) {
            n += ticked ? 1 : 0;
        }
        return n;
    }
};

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int r = 0; r < list->count(); ++r) {
        texts << list->item(r)->text();
    }
    return texts;
}

QString leadingDigits(const QListWidget* list) {
    QString digits;
    for (int r = 0; r < list->count(); ++r) {
        digits += list->item(r)->text().front();
    }
    return digits;
}

} // namespace

class HotColdWindowTest : public QObject {
    Q_OBJECT

  private:
    FakeMain main_;
    std::unique_ptr<frmHotCold> window_;

    template <typename T> T* get(const QString& name) const {
        T* widget = child<T>(window_.get(), name);
        if (widget == nullptr) {
            qFatal("control %s is missing", qPrintable(name));
        }
        return widget;
    }
    QListWidget* hitList(const QString& name) const { return get<QListWidget>(name); }
    CheckList* patterns(const QString& name) const { return get<CheckList>(name); }

    void count(const QString& text) {
        get<QPlainTextEdit>("txtDrawnNumber")->setPlainText(text);
        QTest::mouseClick(get<QPushButton>("cmdGo"), Qt::LeftButton);
    }
    // A user's click on an item of a hit list (the lists pick several at once).
    void pick(const QString& list, const QChar digit) {
        QListWidget* l = hitList(list);
        for (int r = 0; r < l->count(); ++r) {
            if (l->item(r)->text().front() == digit) {
                l->scrollToItem(l->item(r));
                QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                                  l->visualItemRect(l->item(r)).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("digit %1 not in %2").arg(digit).arg(list)));
    }
    // A user flipping a pattern's tick box from the keyboard.
    void flipPattern(const QString& list, int row) {
        CheckList* l = patterns(list);
        l->setFocus();
        l->setCurrentRow(row);
        QTest::keyClick(l, Qt::Key_Space);
    }
    // A click on a check box's tick box (the box stretches wider than its caption).
    void tick(const QString& name) {
        auto* box = get<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    QString output() const { return get<QPlainTextEdit>("txtOutput")->toPlainText(); }
    QString status() const { return get<QLabel>("lblSettings")->text(); }
    QColor statusColour() const {
        return get<QLabel>("lblSettings")->palette().color(QPalette::WindowText);
    }

  private Q_SLOTS:
    void init() {
        main_ = FakeMain{};
        window_ = std::make_unique<frmHotCold>(main_.link());
    }
    void cleanup() { window_.reset(); }

    void loadsDeactivatedWithEveryControl() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmHotCold"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("HotCold-counter & wheel"));
        QVERIFY(!window_->isVisible());
        QCOMPARE(get<QLabel>("lblStateName")->text(),
                 QStringLiteral("HotCold-counter Pick 3 V 3.0.0"));
        QVERIFY(child<QLabel>(window_.get(), QStringLiteral("lblLeft")));

        const std::vector<std::pair<QString, QString>> captions{
            {"Label1", "Enter the drawn numbers"},
            {"Label2", "The numbers can be entered pretty much as you like, seperate them by a "
                       "comma/dash/space/nothing/..., it does not matter"},
            {"lblPos1", "Pos 1"},
            {"lblPos2", "Pos 2"},
            {"lblPos3", "Pos 3"},
            {"lblBox", "Rank"},
            {"Label6", "Select digits to create numbers"},
            {"Label7", "Output"},
            {"Label5", "Filter selection"},
            {"Label3", "Box"},
            {"Label4", "Straight"},
            {"lblSettings", "HotCold-filter de-activated"},
        };
        for (const auto& [name, caption] : captions) {
            QCOMPARE(get<QLabel>(name)->text(), caption);
        }
        const std::vector<std::pair<QString, QString>> buttons{
            {"cmdGo", "Count"},
            {"cmdCreateNumbers", "Create numbers"},
            {"cmdClearSettings", "Clear Hotcold-filter"},
            {"cmdClose", "&Close"},
            {"optSortOrder(0)", "Hits desc + digits asc"},
            {"optSortOrder(1)", "Hits desc + digits desc"},
            {"optBox(0)", "Straight"},
            {"optBox(1)", "Box"},
            {"chk6Ways", "6-ways"},
            {"chkDoubles", "Doubles"},
            {"chkTriples", "Triples"},
            {"chkSettingsSaved", "Settings saved"},
        };
        for (const auto& [name, caption] : buttons) {
            QCOMPARE(get<QAbstractButton>(name)->text(), caption);
        }
        QCOMPARE(get<QGroupBox>("Frame2")->title(), QStringLiteral("Sort order digits counted"));
        QCOMPARE(get<QGroupBox>("Frame1")->title(), QStringLiteral("Straight/box"));

        QVERIFY(get<QRadioButton>("optSortOrder(0)")->isChecked());
        QVERIFY(get<QRadioButton>("optBox(0)")->isChecked());
        for (const char* name : {"chk6Ways", "chkDoubles", "chkTriples"}) {
            QVERIFY(get<QCheckBox>(name)->isChecked());
            QVERIFY(!get<QCheckBox>(name)->isEnabled());
        }
        QVERIFY(!get<QPushButton>("cmdCreateNumbers")->isEnabled());
        QVERIFY(!get<QPlainTextEdit>("txtOutput")->isEnabled());
        QVERIFY(get<QPlainTextEdit>("txtDrawnNumber")->toPlainText().isEmpty());

        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        for (const char* name : {"lstPos1", "lstPos2", "lstPos3", "lstBox"}) {
            QCOMPARE(hitList(name)->count(), 0);
            QVERIFY(!hitList(name)->isVisible());
            QVERIFY(!hitList(name)->isEnabled());
        }
        QCOMPARE(itemTexts(patterns("lstHCBox")),
                 (QStringList{"All hot", "All cold", "Mostly hot", "Mostly cold"}));
        QCOMPARE(itemTexts(patterns("lstHCStraight")),
                 (QStringList{"HHH", "HHC", "HCH", "CHH", "CCH", "CHC", "HCC", "CCC"}));
        QVERIFY(!patterns("lstHCBox")->isEnabled());
        QVERIFY(!patterns("lstHCStraight")->isEnabled());
        QCOMPARE(statusColour(), QColor(Qt::red));
        auto* saved = get<QCheckBox>("chkSettingsSaved");
        QVERIFY(saved->isVisible());
        QVERIFY(!saved->isChecked());
        // Shown, but only a count ticks it.
        QTest::mouseClick(saved, Qt::LeftButton, {}, QPoint(6, saved->height() / 2));
        QTest::keyClick(saved, Qt::Key_Space);
        QVERIFY(!saved->isChecked());
        QVERIFY(!window_->settingsSaved());
        QCOMPARE(main_.mirrorCalls, 0);
    }

    void everyControlIsNamedAndDescribed() {
        for (QWidget* widget : window_->findChildren<QWidget*>()) {
            const bool interactive = qobject_cast<QAbstractButton*>(widget) ||
                                     qobject_cast<QAbstractItemView*>(widget) ||
                                     qobject_cast<QPlainTextEdit*>(widget);
            if (!interactive) {
                continue;
            }
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        }
        QVERIFY(get<QPushButton>("cmdClose")
                    ->toolTip()
                    .contains("clears"
                              " the hot/cold"
                              " filter",
                              Qt::CaseInsensitive));
        // The window grows with its frame.
        window_->resize(900, 650);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const int before = get<QPlainTextEdit>("txtOutput")->height();
        window_->resize(1300, 1000);
        QTRY_VERIFY(get<QPlainTextEdit>("txtOutput")->height() > before);
        QVERIFY(window_->minimumSizeHint().width() < 1280);
    }

    void countRanksAndActivates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sortOption");
        QTest::addColumn<DigitMode>("mode");
        QTest::addColumn<QString>("pos1");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("firstBoxItem");
        QTest::newRow("draws, digits ascending, positional")
            << "123 456\n789, 111" << 0 << DigitMode::Positional << "1470235689"
            << "1234567890"
            << "1   (4 hits)";
        QTest::newRow("draws, digits descending, any position")
            << "123-456-789-111" << 1 << DigitMode::AnyPosition << "1749865320"
            << "1987654320"
            << "1   (4 hits)";
        QTest::newRow("junk only counts zero draws")
            << "abc" << 0 << DigitMode::Positional << "0123456789"
            << "0123456789"
            << "0   (0 hits)";
    }
    void countRanksAndActivates() {
        QFETCH(QString, text);
        QFETCH(int, sortOption);
        QFETCH(DigitMode, mode);
        QFETCH(QString, pos1);
        QFETCH(QString, box);
        QFETCH(QString, firstBoxItem);
        main_.mode = mode;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTest::mouseClick(get<QRadioButton>(QStringLiteral("optSortOrder(%1)").arg(sortOption)),
                          Qt::LeftButton);
        count(text);

        QCOMPARE(leadingDigits(hitList("lstPos1")), pos1);
        QCOMPARE(leadingDigits(hitList("lstBox")), box);
        QCOMPARE(hitList("lstBox")->item(0)->text(), firstBoxItem);
        for (const char* name : {"lstPos1", "lstPos2", "lstPos3", "lstBox", "lblPos1", "lblBox"}) {
            QVERIFY2(get<QWidget>(name)->isVisible(), name);
        }
        for (const char* name : {"lstPos1", "lstPos2", "lstPos3", "lstBox", "chk6Ways",
                                 "chkDoubles", "chkTriples", "cmdCreateNumbers", "txtOutput"}) {
            QVERIFY2(get<QWidget>(name)->isEnabled(), name);
        }
        QVERIFY(window_->settingsSaved());
        QCOMPARE(status(), QStringLiteral("HotCold-filter activated"));
        QCOMPARE(statusColour(), QColor(Qt::blue));
        QCOMPARE(patterns("lstHCBox")->isEnabled(), mode == DigitMode::AnyPosition);
        QCOMPARE(patterns("lstHCStraight")->isEnabled(), mode == DigitMode::Positional);

        // The hot digits are the first five of each list.
        const HotDigits hot = window_->hotDigits();
        QCOMPARE(hot.box.size(), std::size_t{5});
        for (std::size_t i = 0; i < 5; ++i) {
            QCOMPARE(hot.box[i], box[static_cast<qsizetype>(i)].digitValue());
            QCOMPARE(hot.positions[0][i], pos1[static_cast<qsizetype>(i)].digitValue());
        }

        // The option takes effect at the next count only; that count replaces everything.
        QTest::mouseClick(get<QRadioButton>(QStringLiteral("optSortOrder(%1)").arg(1 - sortOption)),
                          Qt::LeftButton);
        QCOMPARE(leadingDigits(hitList("lstBox")), box);
        count("555");
        QCOMPARE(hitList("lstBox")->item(0)->text(), QStringLiteral("5   (3 hits)"));
        QCOMPARE(hitList("lstBox")->count(), 10);
    }

    void shortTextStopsTheCountAndKeepsTheSettings() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        count("12");
        QCOMPARE(hitList("lstPos1")->count(), 0);
        QVERIFY(!window_->settingsSaved());
        QCOMPARE(status(), QStringLiteral("HotCold-filter de-activated"));

        count("123 456");
        pick("lstBox", '1');
        pick("lstBox", '2');
        pick("lstBox", '3');
        QTest::mouseClick(get<QRadioButton>("optBox(1)"), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>("cmdCreateNumbers"), Qt::LeftButton);
        QVERIFY(!output().isEmpty());

        // Too short: the view is reset, the settings of the last count stay in force.
        count("9\n");
        for (const char* name : {"lstPos1", "lstBox"}) {
            QCOMPARE(hitList(name)->count(), 0);
            QVERIFY(!hitList(name)->isEnabled());
        }
        QVERIFY(output().isEmpty());
        QVERIFY(!get<QPushButton>("cmdCreateNumbers")->isEnabled());
        QVERIFY(window_->settingsSaved());
        QCOMPARE(status(), QStringLiteral("HotCold-filter activated"));
        // Nothing counted now, so no digit is hot.
        QVERIFY(window_->hotDigits().box.empty());
    }

    void makingNumbersFromPickedDigits() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // Box ranking: 5, 2, 8 first; position 1: 5, 2.
        count("555 552 288 281 500");
        QCOMPARE(leadingDigits(hitList("lstBox")).left(3), QStringLiteral("528"));
        for (const QChar d : {'5', '2', '8'}) {
            pick("lstBox", d);
        }
        QTest::mouseClick(get<QRadioButton>("optBox(1)"), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>("cmdCreateNumbers"), Qt::LeftButton);
        QCOMPARE(output(), QStringLiteral("Created numbers: 10\n258\n255, 558, 225, 588, 228, "
                                          "288\n555, 222, 888"));

        // Only doubles: the line of 6-ways stays empty.
        tick("chk6Ways");
        tick("chkTriples");
        QTest::mouseClick(get<QPushButton>("cmdCreateNumbers"), Qt::LeftButton);
        QCOMPARE(output(), QStringLiteral("Created numbers: 6\n\n255, 558, 225, 588, 228, 288"));

        // Straight: the position lists, in their rank order.
        QTest::mouseClick(get<QRadioButton>("optBox(0)"), Qt::LeftButton);
        tick("chk6Ways");
        pick("lstPos1", '5');
        pick("lstPos1", '2');
        pick("lstPos2", '8');
        pick("lstPos3", '1');
        QTest::mouseClick(get<QPushButton>("cmdCreateNumbers"), Qt::LeftButton);
        QCOMPARE(leadingDigits(hitList("lstPos1")).left(2), QStringLiteral("52"));
        QCOMPARE(output(), QStringLiteral("Created numbers: 2\n581, 281"));
    }

    void refusalsShowAMessageAndKeepTheOutput_data() {
        QTest::addColumn<int>("straightBox");
        QTest::addColumn<QString>("picks"); // list letter + digit: b = box, 1..3 = positions
        QTest::addColumn<bool>("noKinds");
        QTest::addColumn<QString>("message");
        QTest::newRow("box with two digits")
            << 1 << "b1b2" << false << "Please select at least 3 digits from the list.";
        QTest::newRow("straight, a list unpicked")
            << 0 << "1122" << false << "Please select digits from all 3 lists.";
        QTest::newRow("no kind ticked")
            << 1 << "b1b2b3" << true
            << "You have not select any of the possible ways (6-ways, doubles, triples) to "
               "create numbers.";
    }
    void refusalsShowAMessageAndKeepTheOutput() {
        QFETCH(int, straightBox);
        QFETCH(QString, picks);
        QFETCH(bool, noKinds);
        QFETCH(QString, message);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        count("123 456 789");
        get<QPlainTextEdit>("txtOutput")->setPlainText(QStringLiteral("kept"));
        QTest::mouseClick(get<QRadioButton>(QStringLiteral("optBox(%1)").arg(straightBox)),
                          Qt::LeftButton);
        for (qsizetype i = 0; i + 1 < picks.size(); i += 2) {
            const QChar list = picks[i];
            pick(list == 'b' ? QStringLiteral("lstBox") : QStringLiteral("lstPos%1").arg(list),
                 picks[i + 1]);
        }
        if (noKinds) {
            for (const char* name : {"chk6Ways", "chkDoubles", "chkTriples"}) {
                tick(name);
            }
        }
        test::ModalHelper modal;
        const auto seen = test::expectMessage(modal);
        QTest::mouseClick(get<QPushButton>("cmdCreateNumbers"), Qt::LeftButton);
        QTRY_VERIFY(modal.ran());
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, message);
        QCOMPARE(seen->title, sAppTitle());
        QCOMPARE(output(), QStringLiteral("kept"));
    }

    void everyPatternTickIsMirroredByIndex() {
        main_.mode = DigitMode::AnyPosition;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        count("123");
        flipPattern("lstHCBox", 2);
        QVERIFY(patterns("lstHCBox")->isTicked(2));
        QCOMPARE(main_.stored(ListId::HCBox, 2), true);
        flipPattern("lstHCBox", 2);
        QCOMPARE(main_.stored(ListId::HCBox, 2), false);
        flipPattern("lstHCBox", 0);
        QCOMPARE(main_.stored(ListId::HCBox, 0), true);

        // The main window switches mode: it enables the other list and clears.
        window_->enablePatternListFor(DigitMode::Positional);
        window_->sbClearP3HCSettings();
        QVERIFY(!patterns("lstHCBox")->isEnabled());
        QVERIFY(patterns("lstHCStraight")->isEnabled());
        QCOMPARE(main_.tickedInStore(), 0);
        flipPattern("lstHCStraight", 7);
        QCOMPARE(main_.stored(ListId::HCStraight, 7), true);
        QCOMPARE(main_.store.count(std::pair{ListId::HCBox, 7}), std::size_t{0});

        // A click in a hit list carries nothing over.
        const int calls = main_.mirrorCalls;
        pick("lstPos1", '1');
        QCOMPARE(main_.mirrorCalls, calls);
    }

    void clearingKeepsTheCount() {
        main_.mode = DigitMode::Positional;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        count("123 456");
        flipPattern("lstHCStraight", 0);
        flipPattern("lstHCStraight", 5);
        const QStringList ranked = itemTexts(hitList("lstPos2"));
        QCOMPARE(main_.tickedInStore(), 2);

        QTest::mouseClick(get<QPushButton>("cmdClearSettings"), Qt::LeftButton);
        QCOMPARE(patterns("lstHCStraight")->tickedCount(), 0);
        QCOMPARE(patterns("lstHCBox")->tickedCount(), 0);
        QCOMPARE(main_.tickedInStore(), 0);
        QCOMPARE(main_.store.size(), std::size_t{12}); // every row of both lists cleared
        QCOMPARE(status(), QStringLiteral("HotCold-filter de-activated"));
        QCOMPARE(statusColour(), QColor(Qt::red));
        QCOMPARE(itemTexts(hitList("lstPos2")), ranked);
        QVERIFY(window_->settingsSaved());
        QVERIFY(patterns("lstHCStraight")->isEnabled());

        // A new count activates again; the pattern choice is not touched by it.
        flipPattern("lstHCStraight", 3);
        count("999");
        QCOMPARE(status(), QStringLiteral("HotCold-filter activated"));
        QVERIFY(patterns("lstHCStraight")->isTicked(3));
    }

    void closeClearsAndTheNextUseStartsAfresh() {
        // The owner's side: one instance, discarded on request, re-created on use.
        window_.reset();
        WindowHolder<frmHotCold> holder([this, &holder] {
            auto* window = new frmHotCold(main_.link());
            QObject::connect(window, &frmHotCold::discardRequested, window,
                             [&holder] { holder.discard(); });
            return window;
        });
        frmHotCold& first = holder.get();
        QSignalSpy discarded(&first, &frmHotCold::discardRequested);
        QPointer<frmHotCold> firstWindow(&first);
        first.open();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        child<QPlainTextEdit>(&first, QStringLiteral("txtDrawnNumber"))
            ->setPlainText(QStringLiteral("111 222"));
        QTest::mouseClick(child<QPushButton>(&first, QStringLiteral("cmdGo")), Qt::LeftButton);
        child<CheckList>(&first, QStringLiteral("lstHCStraight"))->setTicked(4, true);
        QTest::mouseClick(child<QRadioButton>(&first, QStringLiteral("optBox(1)")), Qt::LeftButton);
        QVERIFY(first.settingsSaved());

        QTest::mouseClick(child<QPushButton>(&first, QStringLiteral("cmdClose")), Qt::LeftButton);
        QCOMPARE(discarded.count(), 1);
        QVERIFY(!first.isVisible());
        QVERIFY(!first.settingsSaved());
        QCOMPARE(main_.tickedInStore(), 0);
        QVERIFY(!holder.exists());
        QTRY_VERIFY(firstWindow.isNull()); // deleted once back in the event loop

        frmHotCold& second = holder.get();
        QVERIFY(!second.settingsSaved());
        QVERIFY(second.hotDigits().box.empty());
        QVERIFY(child<QPlainTextEdit>(&second, QStringLiteral("txtDrawnNumber"))
                    ->toPlainText()
                    .isEmpty());
        QVERIFY(child<QRadioButton>(&second, QStringLiteral("optBox(0)"))->isChecked());
        QCOMPARE(child<QLabel>(&second, QStringLiteral("lblSettings"))->text(),
                 QStringLiteral("HotCold-filter de-activated"));
        QCOMPARE(child<CheckList>(&second, QStringLiteral("lstHCStraight"))->tickedCount(), 0);
        holder.discard();
    }
};

QTEST_MAIN(HotColdWindowTest)
#include "tst_hotcold.moc"
