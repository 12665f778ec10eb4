// Every window walked as a screen reader sees it: each interactive control has
// an accessible name (its caption or heading) and, where it has a tooltip, an
// accessible description that says the same.

#include "app/Picture1.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

namespace {

bool isInteractive(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w) != nullptr) {
        return false; // part of its list or text box, not a control of its own
    }
    return qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(w) != nullptr ||
           qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const Picture1*>(w) != nullptr ||
           (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// One line per control of `window` that a screen reader could not announce properly.
QStringList accessibilityFaults(QWidget* window) {
    QStringList faults;
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Menus and the windows this one owns are walked on their own.
        if (w->window() != window || !isInteractive(w)) {
            continue;
        }
        ++checked;
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString id = window->objectName() + QLatin1Char('/') + w->objectName() +
                           QLatin1String(" (") + QLatin1String(w->metaObject()->className()) +
                           QLatin1Char(')');
        const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty() || name.contains(QLatin1Char('&'))) {
            faults << id + QLatin1String(": accessible name \"") + name + QLatin1Char('"');
        }
        const QString description = face != nullptr ? face->text(QAccessible::Description) : "";
        if (!w->toolTip().isEmpty() && description != w->toolTip()) {
            faults << id + QLatin1String(": tooltip \"") + w->toolTip() +
                          QLatin1String("\" but description \"") + description + QLatin1Char('"');
        }
    }
    if (checked == 0) {
        faults << window->objectName() + QLatin1String(": no control found");
    }
    return faults;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;

  private Q_SLOTS:
    void init() {
        QVERIFY(startMainWindow() != nullptr);
        w = mainWindow();
    }
    void cleanup() { unloadMainWindow(); }

    void mainWindowControls() {
        const QStringList faults = accessibilityFaults(w);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Each other window, opened the way the user opens it.
    void otherWindowControls_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("hot/cold") << false << "cmdHotCold"
                                  << "frmHotCold";
        QTest::newRow("output order") << false << "cmdOutputBox"
                                      << "frmOutputBox";
        QTest::newRow("boxed pairs") << false << "cmdFilterOutBoxedPairs"
                                     << "frmPick3FilterBoxedPairs";
        QTest::newRow("straight pairs") << true << "cmdFilterPairsStraight"
                                        << "frmPick3FilterStraightPairs";
        QTest::newRow("help") << false << "cmdHelp"
                              << "frmWheelHelp";
    }
    void otherWindowControls() {
        QFETCH(bool, positional);
        QFETCH(QString, button);
        QFETCH(QString, window);
        if (positional) {
            clickButton(w, QStringLiteral("optPositionDigit(1)"));
        }
        ModalHelper helper;
        QString opened;
        QStringList faults;
        helper.expect([&](QWidget* modal) {
            opened = modal->objectName();
            faults = accessibilityFaults(modal);
            modal->close();
        });
        clickButton(w, button);
        QTRY_VERIFY(helper.ran());
        QCOMPARE(opened, window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
