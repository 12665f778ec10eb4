// A seeded random session over every window: ticks, options, commands, typed and
// pasted junk, every window opened and closed every way, context-menu commands;
// after each action, the rules that must always hold. The seed is printed first:
// PICK3_SEED=<seed> replays a run, PICK3_ACTIONS sets its length.

#include "app/frmPick3ZozevidAru.h"
#include "engine/Measures.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"
#include "helpers/UrlCatcher.h"
#include "pairs/PairGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace pick3;
using namespace pick3::test;

namespace {

// Shown in Any position only, and in Positional only.
const QStringList kAnyOnly{"lstOddEven", "lblOddEven", "lstHighLow", "lblHighLow",
                           "lstInOut",   "lstOCS",     "lstLMH",     "cmdFilterOutBoxedPairs"};
const QStringList kPositionalOnly{
    "lstOddEvenStraight", "lblOddEvenStraight", "lstHighLowStraight", "lblHighLowStraight",
    "lstInOutStraight",   "lstOCSStraight",     "lstLMHStraight",     "lstLMHDigits",
    "lblLMHDigits",       "lstWidthXX_",        "lstWidth_XX",        "lstWidthX_X",
    "lblWidthXX_",        "lblWidth_XX",        "lblWidthX_X",        "cmdFilterPairsStraight"};
const QStringList kHitLists{"lstPos1", "lstPos2", "lstPos3", "lstBox"};

quint64 envNumber(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;
    QRandomGenerator rng;
    quint64 seed = QRandomGenerator::system()->generate64();
    QStringList log;      // the last actions, for a failure's report
    QStringList messages; // the message boxes answered during an action
    QString problem;      // the first rule broken
    QTimer answerer;

    void need(bool ok, const QString& what) {
        if (!ok && problem.isEmpty()) {
            problem = what;
        }
    }
    int pick(int n) { return n > 0 ? static_cast<int>(rng.bounded(n)) : 0; }
    bool chance(int percent) { return pick(100) < percent; }
    void note(const QString& action) { log = (QStringList(log.mid(log.size() > 12)) << action); }
    // The main window's own controls come first among its children.
    template <typename T = QWidget> T* main(const QString& name) const {
        return w->findChild<T*>(name);
    }
    QPlainTextEdit* results() const { return main<QPlainTextEdit>("txtResults"); }
    frmHotCold* hotCold() const { return w->findChild<frmHotCold*>(); }
    bool checked(const QString& name) const { return main<QAbstractButton>(name)->isChecked(); }
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    template <typename T> T* anyUsable(QWidget* in, const QString& prefix = QString()) {
        QList<T*> found = in->findChildren<T*>();
        found.removeIf([&](T* c) {
            return !c->isVisible() || !c->isEnabled() || !c->objectName().startsWith(prefix);
        });
        return found.isEmpty() ? nullptr : found[pick(int(found.size()))];
    }

    // Digits, separators and junk; the first twelve kinds of piece can be typed.
    QString junk(int length, int kinds = 19) {
        static const QStringList pieces{"0",  "1", "2", "3",          "4",     "5",  "6",
                                        "7",  "8", "9", ", ",         "x",     "\n", "\r\n",
                                        "\t", "é", "€", "\U0001F600", "\u2029"};
        QString text;
        while (text.size() < length) {
            text += kinds > 12 && pick(500) == 0 ? QString(QChar(0)) : pieces[pick(kinds)];
        }
        return text;
    }
    void edit(QPlainTextEdit* box) {
        const int how = pick(100);
        note(QString("edit %1 (%2)").arg(box->objectName()).arg(how));
        if (how < 2) {
            box->setPlainText(junk(1 << 20)); // a pasted megabyte
        } else if (how < 50) {
            box->moveCursor(chance(50) ? QTextCursor::End : QTextCursor::Start);
            box->insertPlainText(junk(pick(400)));
        } else if (how < 60) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(box, junk(1 + pick(12), 12));
        }
    }
    void tick(CheckList* list) {
        note("tick " + list->objectName());
        if (chance(50) && qobject_cast<PairGrid*>(list) == nullptr) {
            return clickTick(list, pick(list->count()));
        }
        // The keyboard: move about, then Space flips the current item.
        for (int moves = pick(4); moves >= 0; --moves) {
            QTest::keyClick(list, std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_Right,
                                             Qt::Key_PageDown, Qt::Key_Home}[pick(5)]);
        }
        QTest::keyClick(list, Qt::Key_Space);
    }

    // The pair buttons show the pair sets' counts; the other mode's sets are empty.
    void checkPairs() {
        const PairSets& p = w->pairSets();
        need(main<QPushButton>("cmdFilterOutBoxedPairs")->text() ==
                     QString("Pairs - BOXED : %1").arg(p.boxed.size()) &&
                 main<QPushButton>("cmdFilterPairsStraight")->text() ==
                     QString("Pairs - STRAIGHT ; LP: %1  RP: %2  SP: %3")
                         .arg(p.left.size())
                         .arg(p.right.size())
                         .arg(p.split.size()),
             "pair captions do not show the pair counts");
        const std::size_t straight = p.left.size() + p.right.size() + p.split.size();
        need((checked("optPositionDigit(1)") ? p.boxed.size() : straight) == 0,
             "pairs of the other mode");
    }

    void checkWindows() {
        need(!QApplication::activeModalWidget() && !QApplication::activePopupWidget(),
             "a modal window or menu left open");
        const bool positional = checked("optPositionDigit(1)");
        need(checked("optPositionDigit(0)") != positional, "not exactly one digit mode");
        for (const QString& name : kAnyOnly + kPositionalOnly) {
            const bool shown = kAnyOnly.contains(name) != positional;
            auto* list = main<CheckList>(name);
            need(main(name)->isVisible() == shown && (shown || !list || !list->tickedCount()),
                 name + " shown or ticked in the wrong mode");
        }
        need(main("cmdOutputBox")->isEnabled() != positional, "order button in the wrong state");
        QStringList digits;
        for (int row = 0; row < 10; ++row) {
            bool chosen = false;
            for (const char* name : {"lstDigitsWheel", "lstDigitsWheelPos1(0)",
                                     "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
                chosen = chosen || main<CheckList>(name)->isTicked(row);
                need(main(name)->isEnabled() == ((QString(name) == "lstDigitsWheel") != positional),
                     QString(name) + " enabled in the wrong mode");
            }
            digits << (chosen ? QStringList{QString::number(row)} : QStringList());
        }
        need(itemTexts(main<CheckList>("lstMustHaveDigit")) == digits,
             "must-include list is not the ticked digits " + digits.join(','));
        need(checked(QString("optConsec(%1)").arg(w->iConsecMode())), "consecutive option wrong");
        const QString order = main<QLineEdit>("txtOutputBox6Way")->text() +
                              main<QLineEdit>("txtOutputBoxLLH")->text() +
                              main<QLineEdit>("txtOutputBoxLHH")->text();
        need(QRegularExpression("^(LMH|LHM|MLH|MHL|HLM|HML)(LLH|LHL|HLL)(LHH|HLH|HHL)$")
                 .match(order)
                 .hasMatch(),
             "order codes " + order);
        need(main("cmdFilterMore")->isEnabled() == (results()->toPlainText().size() > 3),
             "Filter more enabled wrongly");
        checkPairs();
        frmHotCold* hc = hotCold();
        const Ticks box = w->list(ListId::HCBox)->ticks();
        const Ticks straight = w->list(ListId::HCStraight)->ticks();
        if (hc == nullptr) {
            return need(!std::count(box.begin(), box.end(), true) &&
                            !std::count(straight.begin(), straight.end(), true),
                        "hot/cold patterns in force, no counter");
        }
        // The counter's status, its pattern lists, and nothing in force that it hides.
        auto* status = hc->findChild<QLabel*>("lblSettings");
        const QColor colour = status->palette().color(QPalette::WindowText);
        need((status->text() == "HotCold-filter activated" && colour == Qt::blue) ||
                 (status->text() == "HotCold-filter de-activated" && colour == Qt::red),
             "unknown hot/cold status: " + status->text());
        for (const auto& [name, store, on] : {std::tuple{"lstHCBox", box, !positional},
                                              std::tuple{"lstHCStraight", straight, positional}}) {
            auto* own = hc->findChild<CheckList*>(name);
            need(own->isEnabled() == (hc->settingsSaved() && on), "hot/cold list in wrong state");
            for (std::size_t row = 0; row < store.size(); ++row) {
                need(!store[row] || own->isTicked(int(row)), "a pattern in force but not shown");
            }
        }
        const bool counted = hc->findChild<QListWidget*>("lstBox")->count() > 0;
        for (const QString& name : kHitLists) {
            auto* list = hc->findChild<QListWidget*>(name);
            need(list->count() == (counted ? 10 : 0) && list->isEnabled() == counted,
                 name + " neither counted nor empty");
        }
    }

    // After a command: singles, doubles, triples in this order, each number passing
    // the filters now in force, as many as the caption says; "Filter more" keeps
    // every number of `before` that passes.
    void checkNumbers(bool filterMore, const QString& before) {
        const QString text = results()->toPlainText();
        const QString caption = main<QLabel>("lblNumbersCreated")->text();
        if (text.startsWith("All created numbers were excluded")) {
            return need(caption.isEmpty(), "caption left with the notice");
        }
        const MainInput in = w->readInput();
        FilterSettings s;
        need(readFilterSettings(in, ReaderOrder::FilterMore, s).empty(), "refused without a word");
        for (const MustHaveItem& item : in.mustHave) {
            s.mustInclude.insert(s.mustInclude.end(), item.ticked, item.digit);
        }
        const bool excluded[] = {in.excludeSingles, in.excludeDoubles, in.excludeTriples};
        int count = 0;
        int section = 0;
        for (const QString& row : text.split('\n', Qt::SkipEmptyParts)) {
            for (const QString& number : row.split(", ")) {
                const auto digit = [&](int i) { return number[i] >= u'0' && number[i] <= u'9'; };
                if (number.size() != 3 || !digit(0) || !digit(1) || !digit(2)) {
                    return need(false, "malformed results line: " + row.left(40));
                }
                const int d1 = number[0].digitValue(), d2 = number[1].digitValue(),
                          d3 = number[2].digitValue(), kind = int(structureOf(d1, d2, d3));
                need(kind >= section && !excluded[kind], "number out of its section: " + number);
                need(!(filterMore ? fnFitsFiltersAgain(d1, d2, d3, s)
                                  : fnFitsFilters(d1, d2, d3, s)),
                     "kept number fits the filters: " + number);
                section = kind;
                ++count;
            }
        }
        int passing = 0;
        forEachTriple(before.toStdString(), [&](int d1, int d2, int d3) {
            passing +=
                !excluded[int(structureOf(d1, d2, d3))] && !fnFitsFiltersAgain(d1, d2, d3, s);
        });
        need(!filterMore || count == passing,
             QString("Filter more kept %1 of %2 passing numbers").arg(count).arg(passing));
        need(caption == (filterMore ? QString("Newly filtered numbers (%1)").arg(count)
                                    : QString("Numbers created: %1").arg(count)),
             "caption " + caption);
    }

    void command(const QString& name) {
        const QString before = results()->toPlainText();
        const bool enabled = main(name)->isEnabled();
        note(name);
        click(main(name));
        const bool filterMore = name == "cmdFilterMore";
        if (enabled && name != "cmdResetFilters") {
            // A refusal empties the box for "Create numbers" and leaves it for "Filter more".
            messages.isEmpty() ? checkNumbers(filterMore, before)
                               : need(results()->toPlainText() == (filterMore ? before : ""),
                                      "refusal changed the box");
        }
    }

    void rightClickMenu() {
        CheckList* list = anyUsable<CheckList>(w);
        list = chance(90) && list ? list : w->list(ListId::DigitsWheelPos1_0); // maybe disabled
        note("right-click " + list->objectName());
        rightClick(list);
        auto* menu = w->findChild<QMenu*>("mnuAction");
        const bool offered = list->isEnabled() && list->objectName().contains(QRegularExpression(
                                                      "^lst(?!OddEven|HighLow|InOut|MustHave)"));
        need(menu->isVisible() == offered, "context menu shown wrongly on " + list->objectName());
        menu->hide();
        for (QAction* branch : menu->actions()) {
            if (offered && branch->isVisible()) {
                QAction* command = branch->menu()->actions()[pick(2)];
                note(command->objectName());
                command->trigger();
            }
        }
    }

    // A few actions inside a modal window, then "&Close", Esc or the title-bar close.
    void operate(QDialog* dialog) {
        for (int steps = pick(7); steps > 0; --steps) {
            auto* draws = dialog->findChild<QPlainTextEdit*>("txtDrawnNumber");
            auto* hits = dialog->findChild<QListWidget*>(kHitLists[pick(4)]);
            auto* list = anyUsable<CheckList>(dialog);
            auto* button = anyUsable<QAbstractButton>(dialog);
            if (draws && chance(25)) {
                edit(draws);
            } else if (list && chance(40)) {
                tick(list);
            } else if (hits && hits->isEnabled() && hits->count() && chance(30)) {
                note("  rank " + hits->objectName());
                QTest::mouseClick(hits->viewport(), Qt::LeftButton, {},
                                  hits->visualItemRect(hits->item(pick(hits->count()))).center());
            } else if (button && button->objectName() != "cmdClose") {
                note("  " + button->objectName());
                click(button);
            }
            need(QApplication::activeModalWidget() == dialog, "the window lost its modality");
            checkPairs(); // the captions follow every tick of a pair dialog
        }
        const int how = pick(3);
        note(QStringList{"  &Close", "  Esc", "  title-bar close"}[how]);
        if (how == 0) {
            click(dialog->findChild<QPushButton*>("cmdClose"));
        } else if (how == 1) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->close();
        }
    }

    void act() {
        const int what = pick(100);
        const QStringList options{
            "optPositionDigit(0)", "optPositionDigit(1)", "optConsec(0)", "optConsec(1)",
            "optConsec(2)",        "optConsec(3)",        "chk0And9",     "chkExcludeSingles",
            "chkExcludeDoubles",   "chkExcludeTriples"};
        const QStringList windows{"cmdFilterOutBoxedPairs",
                                  "cmdFilterPairsStraight",
                                  "cmdOutputBox",
                                  "cmdHotCold",
                                  "cmdHelp",
                                  "Picture1"};
        // Half the ticks go to the digits, so that numbers get made.
        CheckList* list = anyUsable<CheckList>(w, chance(50) ? "lstDigits" : "");
        if (what < 35 && list) {
            tick(list);
        } else if (what < 47) {
            note(options[pick(10)]);
            click(main(log.last()));
        } else if (what < 67) {
            command(what < 55 ? "cmdProduce" : what < 65 ? "cmdFilterMore" : "cmdResetFilters");
        } else if (what < 77) {
            edit(results());
        } else if (what < 86) {
            rightClickMenu();
        } else if (QWidget* button = main(windows[pick(6)]);
                   button->isVisible() && button->isEnabled()) {
            note(button->objectName());
            ModalHelper helper;
            helper.expect([this](QWidget* modal) { operate(qobject_cast<QDialog*>(modal)); });
            click(button);
            need(helper.ran() || button->objectName() == "Picture1", "no window opened");
        }
    }

  private Q_SLOTS:
    void initTestCase() {
        seed = envNumber("PICK3_SEED", seed);
        std::printf("seed: %llu, replay with PICK3_SEED=%llu\n", seed, seed);
        std::fflush(stdout);
        rng.seed(static_cast<quint32>(seed ^ (seed >> 32)));
        // The offscreen platform's notes on window hints would bury the report.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.startsWith("This plugin does not support")) {
                    previous(type, context, text);
                }
            });
        // Every message box is a plain notice, answered with its OK button.
        answerer.setInterval(1);
        connect(&answerer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                messages << box->text();
                need(box->icon() == QMessageBox::Information && box->buttons().size() == 1 &&
                         box->windowTitle() == "Free Pick3 Tallymoor from Quorvel",
                     "message box not a plain notice: " + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
    }

    void randomSession() {
        UrlCatcher browser;
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
        QVERIFY(w != nullptr);
        const quint64 actions = envNumber("PICK3_ACTIONS", 3000);
        for (quint64 step = 1; step <= actions && problem.isEmpty(); ++step) {
            messages.clear();
            answerer.start(); // armed before every action
            act();
            answerer.stop();
            // Back in the main event loop: closed windows are gone.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            checkWindows();
            QVERIFY2(problem.isEmpty(), qPrintable(QString("%1 after action %2 (seed %3): %4")
                                                       .arg(problem)
                                                       .arg(step)
                                                       .arg(seed)
                                                       .arg(log.join(" | "))));
        }
        QVERIFY(w->isVisible());
        unloadMainWindow();
        QFile status("/proc/self/status");
        QVERIFY(status.open(QIODevice::ReadOnly));
        const QString peak =
            QString::fromLatin1(status.readAll()).section("VmHWM:", 1).section("kB", 0, 0);
        std::printf("peak memory: %lld MiB\n", peak.trimmed().toLongLong() / 1024);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
