// The output-order window: the main window's codes shown on opening, each click
// written back at once, a fresh window after "&Close" or Esc, and the codes used
// by the next "Create numbers".

#include "helpers/MainWindowDriver.h"

#include <QLineEdit>

using namespace pick3;
using namespace pick3::test;

class OutputBoxTest : public MainWindowFixture {
    Q_OBJECT

    QString codes() const {
        return w->findChild<QLineEdit*>(QStringLiteral("txtOutputBox6Way"))->text() + " " +
               w->findChild<QLineEdit*>(QStringLiteral("txtOutputBoxLLH"))->text() + " " +
               w->findChild<QLineEdit*>(QStringLiteral("txtOutputBoxLHH"))->text();
    }
    static bool checked(const QWidget* box, const char* option) {
        return box->findChild<QRadioButton*>(QLatin1String(option))->isChecked();
    }

  private Q_SLOTS:

    void roundTrip() {
        QPointer<QWidget> opened;
        QVERIFY(inModal(w, QStringLiteral("cmdOutputBox"), [&](QWidget* box) {
            opened = box;
            QCOMPARE(box->windowTitle(), QStringLiteral("Select output for boxed combo's"));
            QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblStateName"))->text(),
                     QStringLiteral("Select the output for boxed combo's"));
            QCOMPARE(box->findChild<QRadioButton*>(QStringLiteral("opt6Ways(5)"))->text(),
                     QStringLiteral("HML (E.g. 321)"));
            QVERIFY(checked(box, "opt6Ways(0)") && checked(box, "opt3WaysLLH(0)") &&
                    checked(box, "opt3WaysLHH(0)"));
            clickButton(box, QStringLiteral("opt6Ways(4)"));
            QCOMPARE(codes(), QStringLiteral("HLM LLH LHH")); // at the click
            clickButton(box, QStringLiteral("opt3WaysLLH(2)"));
            clickButton(box, QStringLiteral("opt3WaysLHH(2)"));
            clickButton(box, QStringLiteral("cmdClose"));
        }));
        QTRY_VERIFY(opened.isNull()); // discarded
        QCOMPARE(codes(), QStringLiteral("HLM HLL HHL"));

        // A fresh window shows the codes the main window holds; Esc discards it too.
        bool shown = false;
        QVERIFY(inModal(w, QStringLiteral("cmdOutputBox"), [&](QWidget* box) {
            opened = box;
            shown = checked(box, "opt6Ways(4)") && checked(box, "opt3WaysLLH(2)") &&
                    checked(box, "opt3WaysLHH(2)");
            QTest::keyClick(box, Qt::Key_Escape);
        }));
        QVERIFY(shown);
        QTRY_VERIFY(opened.isNull());

        // 224 (lower digit doubled, HLL) is written 422; 244 (HHL) is 442.
        doSteps(w, {"lstDigitsWheel:2478", "chkExcludeTriples", "cmdProduce"});
        QVERIFY(
            resultsText(w).startsWith(QStringLiteral("724, 824, 827, 847\n422, 722, 822, 442")));
    }
};

QTEST_MAIN(OutputBoxTest)
#include "tst_outputbox.moc"
