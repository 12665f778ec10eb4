// Every window walked as a screen reader sees it: each interactive control has
// an accessible name (its caption or heading) and, where it has a tooltip, an
// accessible description that says the same.

#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"

#include <QAccessible>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

namespace {

bool isInteractive(const QWidget* w) {
    for (const char* kind : {"QAbstractButton", "QAbstractItemView", "QPlainTextEdit", "QLineEdit",
                             "pick3::Picture1"}) {
        if (w->inherits(kind)) {
            return true;
        }
    }
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
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
        const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        const QString description = face != nullptr ? face->text(QAccessible::Description) : "";
        const QString id = QStringLiteral("%1/%2 (%3)")
                               .arg(window->objectName(), w->objectName(),
                                    QLatin1String(w->metaObject()->className()));
        if (name.trimmed().isEmpty() || name.contains(QLatin1Char('&'))) {
            faults << QStringLiteral("%1: name \"%2\"").arg(id, name);
        }
        if (!w->toolTip().isEmpty() && description != w->toolTip()) {
            faults << QStringLiteral("%1: tooltip \"%2\", description \"%3\"")
                          .arg(id, w->toolTip(), description);
        }
    }
    if (checked < 2) {
        faults << window->objectName() + QStringLiteral(": walked no controls");
    }
    return faults;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { QVERIFY(startMainWindow() != nullptr); }
    void cleanup() { unloadMainWindow(); }

    // Each window, opened the way the user opens it.
    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("button"); // empty for the main window itself
        for (const char* button : {"", "cmdHotCold", "cmdOutputBox", "cmdFilterOutBoxedPairs",
                                   "cmdFilterPairsStraight", "cmdHelp"}) {
            QTest::newRow(*button != 0 ? button : "main") << QString::fromLatin1(button);
        }
    }
    void everyControlIsNamed() {
        QFETCH(QString, button);
        QWidget* main = mainWindow();
        QStringList faults = accessibilityFaults(main);
        if (!button.isEmpty()) {
            if (button == QLatin1String("cmdFilterPairsStraight")) {
                clickButton(main, QStringLiteral("optPositionDigit(1)"));
            }
            ModalHelper helper;
            helper.expect([&](QWidget* modal) {
                faults = accessibilityFaults(modal);
                modal->close();
            });
            clickButton(main, button);
            QTRY_VERIFY(helper.ran());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
