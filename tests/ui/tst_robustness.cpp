// A seeded random session over every window: ticks, options, commands, typed and
// pasted junk, every window opened and closed every way, context-menu commands;
// after each action, the rules that must always hold. The seed is printed first:
// PICK3_SEED=<seed> replays a run.

#include "app/ContextMenus.h"
#include "app/frmPick3ZozevidAru.h"
#include "charts/ChartExport.h"
#include "engine/sets/FilterSetFile.h"
#include "engine/numbers/LiveCount.h"
#include "helpers/MainWindowDriver.h"
#include "pairs/PairGrid.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintDialog.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/resource.h>

using namespace pick3;
using namespace pick3::test;

namespace {

// A right-click offers a menu on a list that has a branch, while it is enabled.
bool offersMenu(const CheckList* list) {
    for (const ListEntry& entry : catalogue()) {
        if (fromEngine(entry.controlName) == list->objectName()) {
            return list->isEnabled() && ContextMenus::hasBranch(entry.id);
        }
    }
    return false; // the must-include list
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;
    QRandomGenerator rng;
    QStringList log;       // the last actions, for a failure's report
    bool answered = false; // a message box was answered during the action
    QString answer;        // the text of that message box
    QString problem;       // the first rule broken
    QTimer answerer;

    void need(bool ok, const QString& what) { problem += ok || !problem.isEmpty() ? "" : what; }
    int pick(qsizetype n) { return n > 0 ? static_cast<int>(rng.bounded(int(n))) : 0; }
    bool chance(int percent) { return pick(100) < percent; }
    void note(const QString& action) { log = (QStringList(log.mid(log.size() > 12)) << action); }
    // The main window's own controls come first among its children.
    template <typename T = QWidget> T* main(const QString& n) const { return w->findChild<T*>(n); }
    QString results() const { return main<QPlainTextEdit>("txtResults")->toPlainText(); }
    bool checked(const QString& name) const { return main<QAbstractButton>(name)->isChecked(); }
    static void click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    }
    template <typename T> T* anyUsable(QWidget* in, const QString& prefix = QString()) {
        QList<T*> found = in->findChildren<T*>(QRegularExpression('^' + prefix));
        found.removeIf([](const T* c) { return !c->isVisible() || !c->isEnabled(); });
        return found.isEmpty() ? nullptr : found[pick(found.size())];
    }

    // Digits, separators and junk; the first twelve kinds of piece can be typed.
    QString junk(int length, int kinds = 19) {
        static const QStringList pieces =
            QString("0|1|2|3|4|5|6|7|8|9|, |x|\n|\r\n|\t|é|€|\U0001F600|\u2029").split('|');
        QString text;
        while (text.size() < length) {
            text += kinds > 12 && pick(500) == 0 ? QString(QChar(0)) : pieces[pick(kinds)];
        }
        return text;
    }
    void edit(QPlainTextEdit* box) {
        const int how = pick(100);
        note(QString("edit %1 (%2)").arg(box->objectName()).arg(how));
        if (how < 50) { // pasted at either end; now and then a megabyte
            box->moveCursor(chance(50) ? QTextCursor::End : QTextCursor::Start);
            box->insertPlainText(junk(how < 2 ? 1 << 20 : pick(400)));
        } else { // typed over everything, or at the end after a backspace
            QTest::keyClick(box, how < 60 ? Qt::Key_A : Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, junk(pick(12), 12));
        }
    }
    // The mouse on a tick box or on an item, or the keyboard moved about and Space.
    void tick(QListWidget* list) {
        note("tick " + list->objectName());
        const int row = pick(list->count());
        auto* ticks = qobject_cast<CheckList*>(list);
        if (list->count() > 0 && chance(50)) {
            return ticks && !qobject_cast<PairGrid*>(list) && chance(50)
                       ? clickTick(ticks, row)
                       : click(list->viewport(), list->visualItemRect(list->item(row)).center());
        }
        for (int moves = pick(4); moves > 0; --moves) {
            QTest::keyClick(list, chance(70) ? Qt::Key_Down : Qt::Key_Up);
        }
        QTest::keyClick(list, Qt::Key_Space);
    }

    void checkWindows() {
        need(!QApplication::activeModalWidget() && !QApplication::activePopupWidget(), "left open");
        need(checked("optPositionDigit(0)") != checked("optPositionDigit(1)"),
             "not one digit mode");
        // The live count says what "Create numbers" would do now.
        const QString live = main<QLabel>("lblLiveCount")->text();
        need(live == fromEngine(liveCountText(liveCount(w->readInput(false)))),
             "live count " + live);
        QStringList digits;
        for (CheckList* list : w->findChildren<CheckList*>(QRegularExpression("^lstDigitsWheel"))) {
            digits += tickedTexts(list);
        }
        digits.sort();
        digits.removeDuplicates();
        need(itemTexts(main<CheckList>("lstMustHaveDigit")) == digits,
             "must-include " + digits.join(""));
        // More than three characters, a line break counted as its CR LF.
        need(main("cmdFilterMore")->isEnabled() == (results().size() + results().count('\n') > 3),
             "Filter more enabling");
        // The pair buttons show the counts of the pair sets.
        const PairSets p = w->readInput().pairs;
        const QString captions = main<QPushButton>("cmdFilterOutBoxedPairs")->text() + '|' +
                                 main<QPushButton>("cmdFilterPairsStraight")->text();
        need(captions == fromEngine(boxedPairsCaption(p) + "|" + straightPairsCaption(p)),
             "pair captions " + captions);
    }

    // "Filter more" wrote what the engine makes of the box and the controls; a
    // refusal left the box as it was.
    void checkFilterMore(const QString& before) {
        if (answered) {
            return need(results() == before, "a refusal changed the box");
        }
        const CommandResult expected = filterMore(toEngine(before), w->readInput());
        const QString caption = main<QLabel>("lblNumbersCreated")->text();
        need(!expected.refusal && results() == fromEngine(*expected.text) &&
                 caption == fromEngine(*expected.caption),
             "Filter more wrote " + caption);
    }

    // "Create numbers" created what the live count said it would, or refused with its words.
    void checkCreated(const QString& live) {
        const QString caption = main<QLabel>("lblNumbersCreated")->text();
        if (answered) {
            return need(QString(answer).replace('\n', ' ') == live, "refused with " + answer);
        }
        const QString numbers = live.section(' ', 2, 2);
        need(caption == (numbers == "0" ? "" : "Numbers created: " + numbers),
             "created " + caption + " where the live count said " + live);
    }

    // Saved, reset and opened again: every setting comes back.
    void roundTrip() {
        note("save set, Reset filters, a mode, open set");
        const QTemporaryDir folder;
        setFileChooser([&folder](const FileQuestion&) { return folder.filePath("set.p3set"); });
        const MainInput before = w->readInput(false);
        click(main("cmdSaveSet"));
        click(main("cmdResetFilters"));
        clickButton(w, chance(50) ? "optPositionDigit(0)" : "optPositionDigit(1)");
        click(main("cmdOpenSet"));
        setFileChooser([](const FileQuestion&) { return QString(); }); // Cancel again
        const MainInput after = w->readInput(false);
        need(!answered && filterSetOf(after) == filterSetOf(before) &&
                 after.mustHave == before.mustHave,
             "the set opened is not the set saved");
    }

    // A few actions inside a modal window, then "&Close", Esc or the title-bar close.
    void operate(QWidget* dialog) {
        for (int steps = pick(7); steps > 0 && dialog->isVisible(); --steps) {
            auto* draws = anyUsable<QPlainTextEdit>(dialog);
            auto* list = anyUsable<QListWidget>(dialog); // tick lists and the hit lists
            auto* button = anyUsable<QAbstractButton>(dialog);
            if (draws != nullptr && chance(25)) {
                edit(draws);
            } else if (auto* field = anyUsable<QAbstractSpinBox>(dialog); field && chance(20)) {
                field->stepBy(pick(2001) - 1000); // the stake and the prizes
            } else if (auto* choice = anyUsable<QComboBox>(dialog); choice && chance(20)) {
                choice->setCurrentIndex(pick(choice->count()));
            } else if (list != nullptr && chance(50)) {
                tick(list);
            } else if (button != nullptr && (button->objectName() == "cmdImportDraws" ||
                                             button->objectName() == "cmdCharts" ||
                                             button->objectName() == "cmdLibrary" ||
                                             button->objectName() == "cmdGameSource")) {
                // The import reads the draw box ("Use these draws" may end it); the charts
                // window draws the count or the back-test; the library's window lists its games;
                // a game's source address is asked for.
                note("  " + button->objectName());
                need(inModal(dialog, button->objectName(), [this](QWidget* in) { operate(in); }),
                     "no window opened");
            } else if (button != nullptr && button->objectName() != "cmdClose") {
                note("  " + button->objectName());
                click(button);
            }
            need(!dialog->isVisible() || QApplication::activeModalWidget() == dialog,
                 "the window lost its modality");
        }
        if (!dialog->isVisible()) {
            return; // closed by its own command
        }
        const int how = pick(3);
        note(QStringList{"  &Close", "  Esc", "  title-bar close"}[how]);
        how == 0   ? click(dialog->findChild<QPushButton*>("cmdClose"))
        : how == 1 ? QTest::keyClick(dialog, Qt::Key_Escape)
                   : void(dialog->close());
    }

    // Ticks (half of them on digits, so that numbers get made), options, commands,
    // edits, context menus, and the other windows opened.
    void act() {
        const int what = pick(100);
        if (auto* list = anyUsable<CheckList>(w, chance(50) ? "lstDigits" : "");
            what < 35 && list) {
            tick(list);
        } else if (what < 47) {
            note(anyUsable<QAbstractButton>(w, chance(50) ? "opt" : "chk")->objectName());
            clickButton(w, log.last());
        } else if (what < 67) {
            note(what < 55 ? "cmdProduce" : what < 65 ? "cmdFilterMore" : "cmdResetFilters");
            const QString before = results();
            const bool enabled = main(log.last())->isEnabled();
            const QString live = main<QLabel>("lblLiveCount")->text();
            click(main(log.last()));
            if (enabled && log.last() == "cmdFilterMore") {
                checkFilterMore(before);
            } else if (log.last() == "cmdProduce") {
                checkCreated(live);
            }
        } else if (what < 77) {
            edit(main<QPlainTextEdit>("txtResults"));
        } else if (what < 79) {
            roundTrip();
        } else if (what < 86) {
            list = chance(90) ? anyUsable<CheckList>(w) : main<CheckList>("lstDigitsWheelPos1(0)");
            note("right-click " + list->objectName());
            rightClick(list);
            auto* menu = w->findChild<QMenu*>("mnuAction");
            const bool offered = offersMenu(list);
            need(menu->isVisible() == offered, "context menu on " + list->objectName());
            menu->hide();
            for (QAction* branch : menu->actions()) {
                if (offered && branch->isVisible()) {
                    QAction* command = branch->menu()->actions()[pick(2)];
                    note(command->objectName());
                    command->trigger();
                }
            }
        } else if (QWidget* button = main(QString("cmdFilterOutBoxedPairs cmdFilterPairsStraight "
                                                  "cmdOutputBox cmdHotCold cmdHelp cmdBackTest "
                                                  "Picture1")
                                              .split(' ')[pick(7)]);
                   button->isVisible() && button->isEnabled()) {
            note(button->objectName());
            if (button->objectName() == "Picture1") {
                return click(button); // the download page, to the catcher
            }
            need(inModal(w, button->objectName(), [this](QWidget* modal) { operate(modal); }),
                 "no window opened");
        }
    }

  private Q_SLOTS:
    void randomSession() {
        const quint64 seed = qEnvironmentVariableIsSet("PICK3_SEED")
                                 ? qEnvironmentVariable("PICK3_SEED").toULongLong()
                                 : QRandomGenerator::system()->generate64();
        qInfo("seed: %llu, replay with PICK3_SEED=%llu", seed, seed);
        rng.seed(static_cast<quint32>(seed ^ (seed >> 32)));
        // The offscreen platform's notes on window hints would bury the report.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.startsWith("This plugin does not support")) {
                    previous(type, context, text);
                }
            });
        // Every message box is a notice, answered with OK.
        connect(&answerer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answered = true;
                answer = box->text();
                box->accept();
            }
        });
        UrlCatcher browser;
        setFileChooser([](const FileQuestion&) { return QString(); }); // Cancel
        setPrinterSetup([](QPrinter&, QWidget*) { return false; });    // Cancel
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
        QVERIFY(w != nullptr);
        for (int step = 0; step < 3000 && problem.isEmpty(); ++step) {
            answered = false;
            answerer.start(1); // armed before every action
            act();
            answerer.stop();
            // Back in the main event loop: closed windows are gone.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            checkWindows();
            QVERIFY2(problem.isEmpty(), qPrintable(problem + ", seed " + QString::number(seed) +
                                                   ", after: " + log.join(" | ")));
        }
        QVERIFY(w->isVisible());
        unloadMainWindow();
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_SELF, &usage), 0);
        qInfo("peak memory: %ld MiB", usage.ru_maxrss / 1024);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
