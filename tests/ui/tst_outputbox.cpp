// The output-order window: its captions, the main window's codes shown on
// opening, each click written back at once, destroyed by "&Close" (and Esc),
// and the codes used by the next "Create numbers".

#include "app/frmOutputBox.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

using namespace pick3;
using namespace pick3::test;

class OutputBoxTest : public QObject {
    Q_OBJECT

    QWidget* w = nullptr;

    QString code(const char* name) const {
        return w->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    QStringList codes() const {
        return {code("txtOutputBox6Way"), code("txtOutputBoxLLH"), code("txtOutputBoxLHH")};
    }
    // Opens the window with "Output format box", lets `operate` work in it, and
    // returns the window (gone once control is back in the event loop).
    QPointer<QDialog> openOrderWindow(const std::function<void(QDialog*)>& operate) {
        ModalHelper helper;
        QPointer<QDialog> opened;
        helper.expect([&](QWidget* modal) {
            opened = qobject_cast<QDialog*>(modal);
            QVERIFY(opened != nullptr);
            operate(opened);
            if (opened && opened->isVisible()) {
                clickButton(opened, QStringLiteral("cmdClose"));
            }
        });
        clickButton(w, QStringLiteral("cmdOutputBox"));
        if (!helper.ran()) {
            QTest::qFail("the order window did not open", __FILE__, __LINE__);
        }
        return opened;
    }
    static bool checked(const QWidget* window, const QString& name) {
        auto* option = window->findChild<QRadioButton*>(name);
        return option != nullptr && option->isChecked();
    }

  private Q_SLOTS:
    void init() {
        w = startMainWindow();
        QVERIFY(w != nullptr);
    }
    void cleanup() { unloadMainWindow(); }

    void captionsAndInitialState() {
        openOrderWindow([](QDialog* box) {
            QCOMPARE(box->objectName(), QStringLiteral("frmOutputBox"));
            QVERIFY(box->isModal());
            QCOMPARE(box->windowTitle(), QStringLiteral("Select output for boxed combo's"));
            QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblStateName"))->text(),
                     QStringLiteral("Select the output for boxed combo's"));
            QVERIFY(box->findChild<QLabel*>(QStringLiteral("lblLeft")) != nullptr);
            QCOMPARE(box->findChild<QPushButton*>(QStringLiteral("cmdClose"))->text(),
                     QStringLiteral("&Close"));
            const QList<QPair<QString, QString>> frames{{"fra6Ways", "6-ways"},
                                                        {"fra3WaysLLH", "Doubles: LLH/LHL/HLL"},
                                                        {"fra3WaysLHH", "Doubles: LHH/HLH/HHL"}};
            for (const auto& [name, title] : frames) {
                QCOMPARE(box->findChild<QGroupBox*>(name)->title(), title);
            }
            // The last option of each group: the groups are complete and in order.
            const QList<QPair<QString, QString>> options{{"opt6Ways(5)", "HML (E.g. 321)"},
                                                         {"opt3WaysLLH(2)", "HLL (E.g. 311)"},
                                                         {"opt3WaysLHH(2)", "HHL (E.g. 331)"}};
            for (const auto& [name, caption] : options) {
                auto* option = box->findChild<QRadioButton*>(name);
                QVERIFY2(option != nullptr, qPrintable(name));
                QCOMPARE(option->text(), caption);
            }
            for (const char* name : {"opt6Ways(0)", "opt3WaysLLH(0)", "opt3WaysLHH(0)"}) {
                QVERIFY2(checked(box, QString::fromLatin1(name)), name);
            }
        });
    }

    void bannerColours() {
        openOrderWindow([](QDialog* box) {
            const QImage image = box->grab().toImage();
            const auto* title = box->findChild<QLabel*>(QStringLiteral("lblStateName"));
            const auto* side = box->findChild<QLabel*>(QStringLiteral("lblLeft"));
            const QRect t(title->mapTo(box, QPoint(0, 0)), title->size());
            const QRect s(side->mapTo(box, QPoint(0, 0)), side->size());
            QCOMPARE(image.pixelColor(t.right() - 1, t.top()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(t.right() - 1, t.bottom()), QColor(255, 255, 255));
            QCOMPARE(image.pixelColor(s.left(), s.center().y()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(s.right(), s.center().y()), QColor(255, 255, 255));
        });
    }

    void roundTrip() {
        const QPointer<QDialog> first = openOrderWindow([this](QDialog* box) {
            clickButton(box, QStringLiteral("opt6Ways(4)"));
            // Written back at the click, before the window closes.
            QCOMPARE(codes(), QStringList({"HLM", "LLH", "LHH"}));
            clickButton(box, QStringLiteral("opt3WaysLLH(2)"));
            clickButton(box, QStringLiteral("opt3WaysLHH(2)"));
            QCOMPARE(codes(), QStringList({"HLM", "HLL", "HHL"}));
        });
        QTRY_VERIFY(first.isNull()); // destroyed by "&Close"

        // A fresh window shows the codes the main window holds.
        openOrderWindow([](QDialog* box) {
            QVERIFY(checked(box, QStringLiteral("opt6Ways(4)")));
            QVERIFY(checked(box, QStringLiteral("opt3WaysLLH(2)")));
            QVERIFY(checked(box, QStringLiteral("opt3WaysLHH(2)")));
        });

        // The next creation writes boxed numbers in the chosen orders.
        clickTicks(listNamed(w, QStringLiteral("lstDigitsWheel")), {"2", "4", "7", "8"});
        clickButton(w, QStringLiteral("chkExcludeTriples"));
        clickButton(w, QStringLiteral("cmdProduce"));
        const QStringList lines =
            w->findChild<QPlainTextEdit*>(QStringLiteral("txtResults"))->toPlainText().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("724, 824, 827, 847"));
        // 224 (lower doubled, HLL) is 422; 244 (higher doubled, HHL) is 442.
        QVERIFY2(lines[1].startsWith(QStringLiteral("422, 722, 822, 442")), qPrintable(lines[1]));
    }

    void escapeClosesLikeClose() {
        const QPointer<QDialog> box = openOrderWindow([](QDialog* dialog) {
            clickButton(dialog, QStringLiteral("opt6Ways(5)"));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        QTRY_VERIFY(box.isNull());
        QCOMPARE(codes(), QStringList({"HML", "LLH", "LHH"}));
    }

    void codeFieldsTakeNoTyping() {
        auto* field = w->findChild<QLineEdit*>(QStringLiteral("txtOutputBox6Way"));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("XYZ"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("LMH"));
    }

    void showingTheCodesOfAnotherWindow() {
        // The window reads whatever codes its owner holds; an unknown code leaves its group.
        OutputOrder held{"HML", "XYZ", "HHL"};
        frmOutputBox box(frmOutputBox::MainWindowLink{[&held] { return held; },
                                                      [&held](const OutputOrder& o) { held = o; }});
        QVERIFY(checked(&box, QStringLiteral("opt6Ways(5)")));
        QVERIFY(checked(&box, QStringLiteral("opt3WaysLLH(0)")));
        QVERIFY(checked(&box, QStringLiteral("opt3WaysLHH(2)")));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        clickButton(&box, QStringLiteral("opt3WaysLLH(1)"));
        QCOMPARE(QString::fromStdString(held.llh), QStringLiteral("LHL"));
        QCOMPARE(QString::fromStdString(held.sixWay), QStringLiteral("HML"));
        QCOMPARE(QString::fromStdString(held.lhh), QStringLiteral("HHL"));
    }

    void offeredOnlyForBoxedNumbers() {
        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        QVERIFY(!w->findChild<QPushButton*>(QStringLiteral("cmdOutputBox"))->isEnabled());
    }
};

QTEST_MAIN(OutputBoxTest)
#include "tst_outputbox.moc"
