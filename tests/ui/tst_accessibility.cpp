// Every window walked as a screen reader sees it: each interactive control has
// an accessible name (its caption or heading) and, where it has a tooltip, an
// accessible description that says the same.

#include "helpers/MainWindowDriver.h"

#include <QAccessible>

using namespace pick3;
using namespace pick3::test;

namespace {

// One line per control of `window` that a screen reader could not announce
// properly: buttons, lists, text boxes, the picture and whatever else takes Tab.
QStringList accessibilityFaults(QWidget* window) {
    QStringList faults;
    int walked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool interactive = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus ||
                                 w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
                                 w->inherits("QAbstractItemView") ||
                                 w->inherits("QPlainTextEdit") || w->inherits("pick3::Picture1");
        // Menus and the windows this one owns are walked on their own.
        if (w->window() != window || !interactive) {
            continue;
        }
        ++walked;
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        const QString description = face != nullptr ? face->text(QAccessible::Description) : "";
        const QString id = window->objectName() + '/' + w->objectName();
        if (name.trimmed().isEmpty() || name.contains('&')) {
            faults << id + ": name \"" + name + '"';
        }
        if (!w->toolTip().isEmpty() && description != w->toolTip()) {
            faults << id + ": tooltip \"" + w->toolTip() + "\", description \"" + description + '"';
        }
    }
    return walked > 1 ? faults : faults << window->objectName() + ": walked no controls";
}

} // namespace

class AccessibilityTest : public MainWindowFixture {
    Q_OBJECT

  private Q_SLOTS:
    // Each window, opened the way the user opens it.
    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("button"); // empty for the main window itself
        for (const char* button : {"", "cmdHotCold", "cmdOutputBox", "cmdFilterOutBoxedPairs",
                                   "cmdFilterPairsStraight", "cmdHelp", "cmdBackTest"}) {
            QTest::newRow(*button != 0 ? button : "main") << button;
        }
    }
    void everyControlIsNamed() {
        QFETCH(QString, button);
        QStringList faults = accessibilityFaults(w);
        if (!button.isEmpty()) {
            doSteps(w, button == "cmdFilterPairsStraight" ? QStringList{"optPositionDigit(1)"}
                                                          : QStringList());
            // The back-test with draws, so that all its controls are there.
            QVERIFY(button != "cmdBackTest" || countInHotCold(w, QStringLiteral("123 456 789")));
            QVERIFY(
                inModal(w, button, [&](QWidget* modal) { faults = accessibilityFaults(modal); }));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
