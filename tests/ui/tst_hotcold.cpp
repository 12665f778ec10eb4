// The hot/cold counter window with a stand-in for the main window: its states
// (de-activated, activated by a count, cleared, closed), the mirroring of every
// pattern tick by index, and numbers made from picked hit-list digits.

#include "helpers/MainWindowDriver.h"

#include <QSignalSpy>

#include <map>

using namespace pick3;
using namespace pick3::test;

class HotColdWindowTest : public QObject {
    Q_OBJECT

    std::map<std::pair<ListId, int>, bool> store_; // the main window's lists, as mirrored
    int mirrorCalls_ = 0;
    std::unique_ptr<frmHotCold> hc_;

    template <typename T = QWidget> T* get(const char* name) const {
        return hc_->findChild<T*>(QLatin1String(name));
    }
    void count(const char* draws) const {
        get<QPlainTextEdit>("txtDrawnNumber")->setPlainText(QLatin1String(draws));
        clickButton(hc_.get(), QStringLiteral("cmdGo"));
    }
    QString ranking(const char* list) const { // the leading digit of each hit-list item
        QString digits;
        for (int r = 0; r < get<QListWidget>(list)->count(); ++r) {
            digits += get<QListWidget>(list)->item(r)->text().front();
        }
        return digits;
    }
    void pick(const char* list, const char* digits) const {
        auto* l = get<QListWidget>(list);
        for (const char* d = digits; *d != '\0'; ++d) {
            QListWidgetItem* item = l->item(static_cast<int>(ranking(list).indexOf(QChar(*d))));
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
        }
    }
    void flipPattern(int row) const { // a user's Space on a boxed pattern
        get<CheckList>("lstHCBox")->setFocus();
        get<CheckList>("lstHCBox")->setCurrentRow(row);
        QTest::keyClick(get<CheckList>("lstHCBox"), Qt::Key_Space);
    }
    int storedTicks() const {
        return static_cast<int>(std::count_if(store_.begin(), store_.end(),
                                              [](const auto& entry) { return entry.second; }));
    }
    // The status text and its colour; ", saved" while a count's settings are in force.
    QString state() const {
        const auto* label = get<QLabel>("lblSettings");
        const bool saved = hc_->settingsSaved() && get<QCheckBox>("chkSettingsSaved")->isChecked();
        return label->text() + ' ' + label->palette().color(QPalette::WindowText).name() +
               (saved ? ", saved" : "");
    }

  private Q_SLOTS:
    void init() {
        store_.clear();
        hc_ = std::make_unique<frmHotCold>(DigitMode::AnyPosition);
        connect(hc_.get(), &frmHotCold::patternTicked, this,
                [this](ListId list, int row, bool ticked) {
                    store_[{list, row}] = ticked;
                    ++mirrorCalls_;
                });
        hc_->show();
        QVERIFY(QTest::qWaitForWindowExposed(hc_.get()));
    }
    void cleanup() { hc_.reset(); }

    void countActivatesMirrorsAndClears() {
        QCOMPARE(state(), QStringLiteral("HotCold-filter de-activated #ff0000"));
        QCOMPARE(itemTexts(get<CheckList>("lstHCBox")),
                 QStringList({"All hot", "All cold", "Mostly hot", "Mostly cold"}));
        QCOMPARE(itemTexts(get<CheckList>("lstHCStraight")),
                 QStringList({"HHH", "HHC", "HCH", "CHH", "CCH", "CHC", "HCC", "CCC"}));
        QVERIFY(!get("lstHCBox")->isEnabled() && !get("lstHCStraight")->isEnabled());
        clickButton(hc_.get(), QStringLiteral("chkSettingsSaved")); // only a count ticks it
        QCOMPARE(state(), QStringLiteral("HotCold-filter de-activated #ff0000"));

        count("123 456\n789, 111");
        QCOMPARE(state(), QStringLiteral("HotCold-filter activated #0000ff, saved"));
        QVERIFY(get("lstHCBox")->isEnabled() && !get("lstHCStraight")->isEnabled());
        QCOMPARE(ranking("lstPos1"), QStringLiteral("1470235689"));
        QString hot;
        for (int d = 0; d <= 9; ++d) {
            hot += hc_->hotDigits().isHotInPosition(0, d) ? QString::number(d) : QString();
        }
        QCOMPARE(hot, QStringLiteral("01247"));

        flipPattern(2);
        QVERIFY(store_[std::pair(ListId::HCBox, 2)]);
        flipPattern(2);
        QVERIFY(!store_[std::pair(ListId::HCBox, 2)]);
        flipPattern(0);
        QCOMPARE(storedTicks(), 1);
        const int calls = mirrorCalls_;
        pick("lstPos1", "4"); // a hit-list click carries nothing over
        QCOMPARE(mirrorCalls_, calls);

        // Clearing keeps the count in force; a new count activates again, keeping the ticks.
        clickButton(hc_.get(), QStringLiteral("cmdClearSettings"));
        QCOMPARE(get<CheckList>("lstHCBox")->tickedCount() + storedTicks(), 0);
        QCOMPARE(state(), QStringLiteral("HotCold-filter de-activated #ff0000, saved"));
        QCOMPARE(ranking("lstPos1"), QStringLiteral("1470235689"));
        flipPattern(3);
        clickButton(hc_.get(), QStringLiteral("optSortOrder(1)"));
        count("123-456-789-111");
        QCOMPARE(state(), QStringLiteral("HotCold-filter activated #0000ff, saved"));
        QCOMPARE(ranking("lstBox"), QStringLiteral("1987654320")); // digits descending on a tie
        QVERIFY(get<CheckList>("lstHCBox")->isTicked(3));

        // "&Close" clears both sides and asks to be discarded.
        QSignalSpy discarded(hc_.get(), &frmHotCold::discardRequested);
        clickButton(hc_.get(), QStringLiteral("cmdClose"));
        QCOMPARE(discarded.count(), 1);
        QCOMPARE(storedTicks(), 0);
        QVERIFY(!hc_->settingsSaved());
    }

    void numbersFromPickedDigits() {
        count("555 552 288 281 500"); // box ranking 5, 2, 8, ...
        pick("lstBox", "528");
        clickButton(hc_.get(), QStringLiteral("optBox(1)"));
        clickButton(hc_.get(), QStringLiteral("cmdCreateNumbers"));
        QCOMPARE(get<QPlainTextEdit>("txtOutput")->toPlainText(),
                 QStringLiteral("Created numbers: 10\n258\n255, 558, 225, 588, 228, 288\n555, 222, "
                                "888"));
    }
};

QTEST_MAIN(HotColdWindowTest)
#include "tst_hotcold.moc"
