// "Look up:" in the hot/cold counter: reached by its access key, answered for a
// pasted history by draw number and for an imported one by date and draw time,
// a text that is not three digits told so, and the newest end switched, by hand
// or by the dates of an import.

#include "helpers/MainWindowDriver.h"
#include "hotcold/frmHotCold.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace pick3;
using namespace pick3::test;

class LookupTest : public QObject {
    Q_OBJECT
    std::unique_ptr<frmHotCold> counter;

    template <typename T> T* ctl(const char* name) const {
        return counter->findChild<T*>(QLatin1String(name));
    }
    void count(const QString& draws) {
        ctl<QPlainTextEdit>("txtDrawnNumber")->setPlainText(draws);
        clickButton(counter.get(), QStringLiteral("cmdGo"));
    }
    QString lookUp(const QString& typed) {
        auto* box = ctl<QLineEdit>("txtLookUp");
        box->clear();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        return ctl<QPlainTextEdit>("txtLookUpResult")->toPlainText();
    }

  private Q_SLOTS:
    // On a 1280 by 720 screen a six-way number over a few hundred draws reads whole,
    // without scrolling.
    void aNormalAnswerHasRoom() {
        counter->resize(1280, 680);
        QString history;
        for (int i = 0; i < 300; ++i) {
            history += QString::number(1000 + (i * 379 + 17) % 1000).mid(1) + QLatin1Char(' ');
        }
        count(history);
        const QString answer = lookUp(QStringLiteral("123"));
        QVERIFY(answer.contains(QStringLiteral("Pairs")));
        auto* box = ctl<QPlainTextEdit>("txtLookUpResult");
        QApplication::processEvents();
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
        const QString folder = qEnvironmentVariable("PICK3_SHOTS");
        if (!folder.isEmpty()) {
            QVERIFY(counter->grab().save(folder + QStringLiteral("/lookup-1280-300.png")));
        }
    }

    void init() {
        counter = std::make_unique<frmHotCold>(DigitMode::AnyPosition);
        counter->show();
        QVERIFY(QTest::qWaitForWindowExposed(counter.get()));
    }
    void cleanup() { counter.reset(); }

    void pastedHistory() {
        QCOMPARE(lookUp("123"), "Count a draw history first.");
        count(QStringLiteral("321 123 456 123 999 132 183"));
        QTest::keyClick(counter.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), ctl<QWidget>("txtLookUp"));
        // Return looks up and does not count the box again.
        ctl<QPlainTextEdit>("txtDrawnNumber")->setPlainText(QStringLiteral("000"));
        const QStringList lines = lookUp(" 123 ").split('\n');
        QCOMPARE(lines.value(0), "123, six-way, in 7 draws (newest first)");
        QCOMPARE(lines.value(5), "  draw 1 (came as 321); draw 2 (came as 123); draw 4 (came as "
                                 "123); draw 6 (came as 132)");
        for (const char* typed : {"12", "1234", "12a"}) {
            QCOMPARE(lookUp(typed), "Type a number of three digits, such as 123 or 097.");
        }
        // Typing three digits answers at once; the other end as the newest changes the skips.
        ctl<QLineEdit>("txtLookUp")->clear();
        QTest::keyClicks(ctl<QLineEdit>("txtLookUp"), "999");
        auto* result = ctl<QPlainTextEdit>("txtLookUpResult");
        QVERIFY(result->toPlainText().contains("Last drawn draw 5; skip now 4, longest 4 (999 on"));
        ctl<QComboBox>("cboLookUpNewest")->setCurrentIndex(1);
        QVERIFY(result->toPlainText().contains("Last drawn draw 5; skip now 2, longest 4 (999 on"));
        count(QStringLiteral("99")); // too short to count: nothing to look up in
        QCOMPARE(result->toPlainText(), "Count a draw history first.");
    }

    void importedHistory() {
        const QString history = QStringLiteral("Date,Draw,Numbers\n12/06/2026,Evening,489\n"
                                               "12/06/2026,Midday,948\n12/05/2026,Evening,555\n");
        ctl<QPlainTextEdit>("txtDrawnNumber")->setPlainText(history);
        QVERIFY(inModal(counter.get(), QStringLiteral("cmdImportDraws"), [](QWidget* import) {
            clickButton(import, QStringLiteral("cmdUseDraws"));
        }));
        QVERIFY(
            lookUp("894").contains("Boxed, any order: 2 hits (0.018 expected; odds 6 in 1,000)\n"
                                   "  Sun 2026-12-06 Evening (came as 489); Sun 2026-12-06 Midday "
                                   "(came as 948)\n"));
        // Imported oldest first, the lookup takes the last draw as the newest.
        ctl<QComboBox>("cboLookUpNewest")->setCurrentIndex(0);
        ctl<QPlainTextEdit>("txtDrawnNumber")->setPlainText(history);
        QVERIFY(inModal(counter.get(), QStringLiteral("cmdImportDraws"), [](QWidget* import) {
            clickButton(import, QStringLiteral("optImportNewest(1)"));
            clickButton(import, QStringLiteral("cmdUseDraws"));
        }));
        QCOMPARE(ctl<QComboBox>("cboLookUpNewest")->currentIndex(), 1);
        QVERIFY2(lookUp("555").contains("Last drawn Sat 2026-12-05 Evening; skip now 2,"),
                 qPrintable(lookUp("555")));
    }
};

QTEST_MAIN(LookupTest)
#include "tst_lookup.moc"
