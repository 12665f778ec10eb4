// A seeded random session over every window: ticks, options, commands, typed and
// pasted junk, every window opened and closed every way, context-menu commands;
// file dialogs answered with histories, set files and game definitions, whole and
// damaged, and saves into a folder of the test's own; games kept into a library in
// the test's data folder and picked in the counter. After each action, the rules that
// must always hold. The seed is printed first: PICK3_SEED=<seed> replays a run.

#include "app/ContextMenus.h"
#include "app/frmPick3ZozevidAru.h"
#include "charts/ChartExport.h"
#include "engine/numbers/LiveCount.h"
#include "engine/sets/FilterSetFile.h"
#include "helpers/MainWindowDriver.h"
#include "importdraws/GameCatalog.h"
#include "pairs/PairGrid.h"
#include "store/Library.h"
#include "widgets/FileAccess.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintDialog.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <sqlite3.h>
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

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
QString written(const QDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}
QStringList filesIn(const QString& folder, const QStringList& patterns = {}) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::Files, QDir::Name)) {
        paths << dir.filePath(name);
    }
    return paths;
}

// What the file dialogs are answered with: draw histories, set files and game
// definitions, each whole and damaged. The damaged ones are made here, from a seed.
struct Corpus {
    QStringList histories, sets, definitions;

    Corpus(const QDir& folder, QRandomGenerator& rng) {
        const QString data = QStringLiteral(PICK3_TEST_DATA_DIR);
        histories = filesIn(data + "/layouts") + filesIn(data + "/draw-samples");
        const QByteArray texas = bytesOf(data + "/layouts/texas-pick-3.csv");
        QByteArray junk(4096, '\0');
        for (char& byte : junk) {
            byte = static_cast<char>(rng.bounded(256));
        }
        // Texas with one draw corrected and a Morning draw its schedule does not have.
        const QByteArray corrected =
            QByteArray(texas)
                .replace("Night,9,11,2013,0,4,5,8", "Night,9,11,2013,0,4,6,8")
                .append("Pick 3 Morning,9,7,2013,1,2,3\n");
        histories << written(folder, "texas-corrected.csv", corrected)
                  << written(folder, "texas-cut.csv", texas.left(texas.size() * 2 / 3))
                  << written(folder, "junk.bin", junk) << written(folder, "empty.txt", {})
                  << written(folder, "utf16-cut.tsv",
                             bytesOf(data + "/draw-samples/month-names-utf16.tsv").left(301))
                  // One line of more than a megabyte: read on a worker thread.
                  << written(folder, "huge-line.txt",
                             QByteArray("09/11/2013 1-2-3 ").repeated(70'000));
        const QString fuzz = QStringLiteral(PICK3_TEST_DATA_DIR "/../../fuzz/corpus");
        sets = filesIn(fuzz + "/filterset");
        const QByteArray set = bytesOf(fuzz + "/filterset/positional.p3set");
        sets << written(folder, "cut.p3set", set.left(set.size() / 2))
             << written(folder, "bad-value.p3set",
                        QByteArray(set).replace("Pos. 1: 1", "Pos. 1: x"))
             << written(folder, "newer.p3set", QByteArray(set).replace("version 1", "version 99"))
             << written(folder, "junk.p3set", junk.left(300)) << written(folder, "empty.p3set", {});
        definitions = filesIn(shippedGamesFolder(), {"*.json"}) +
                      filesIn(fuzz + "/gamedefinition", {"*damaged*"});
        const QByteArray game = bytesOf(definitions.value(0));
        definitions << written(folder, "cut.json", game.left(game.size() / 2))
                    << written(folder, "not-a-game.json", "[1, 2, 3]");
    }
};

// The player's own games: one more game (a plain Pick 3 under a name of its own), and
// definitions that do not read, which the windows name and pass over.
void writePlayerGames() {
    const QDir games(playerGamesFolder());
    QVERIFY(games.mkpath("."));
    const QByteArray plain = bytesOf(QDir(shippedGamesFolder()).filePath("other-pick-3.json"));
    QVERIFY(!written(games, "elsewhere-pick-3.json",
                     QByteArray(plain)
                         .replace("\"other-pick-3\"", "\"elsewhere-pick-3\"")
                         .replace("\"Other\"", "\"Elsewhere\""))
                 .isEmpty());
    QVERIFY(!written(games, "cut.json", plain.left(200)).isEmpty());
    QVERIFY(!written(games, "copy.json", plain).isEmpty()); // an id the program ships
}

// The library file, opened read-only beside the program's own connection.
class LibraryFile {
  public:
    LibraryFile() {
        if (QFile::exists(libraryPath()) &&
            sqlite3_open_v2(libraryPath().toUtf8().constData(), &db_, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK) {
            problem_ = "not opened";
        }
    }
    ~LibraryFile() { sqlite3_close(db_); }
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;

    // "ok" for a whole file (and where there is none yet); otherwise what is wrong.
    QString integrity() {
        if (!problem_.isEmpty() || db_ == nullptr) {
            return problem_.isEmpty() ? QStringLiteral("ok") : problem_;
        }
        QStringList said;
        query("PRAGMA integrity_check", {}, [&said](sqlite3_stmt* row) {
            said << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)));
        });
        return said.join(' ');
    }
    qint64 drawCount() {
        qint64 count = 0;
        query("SELECT count(*) FROM draw", {},
              [&count](sqlite3_stmt* row) { count = sqlite3_column_int64(row, 0); });
        return count;
    }
    // A game's numbers as the counter shows them: newest first, of one draw time (empty:
    // every one), the newest `newest` (0: all).
    QStringList numbers(const QString& game, const QString& drawTime, int newest) {
        QStringList numbers;
        query("SELECT number FROM draw WHERE game = ?1 AND (?2 = '' OR draw_time = ?2) ORDER BY "
              "date DESC, time_order DESC, draw_time DESC LIMIT ?3",
              {game, drawTime, QString::number(newest == 0 ? -1 : newest)},
              [&numbers](sqlite3_stmt* row) {
                  numbers << QString::number(sqlite3_column_int(row, 0)).rightJustified(3, '0');
              });
        return numbers;
    }

  private:
    void query(const char* sql, const QStringList& values,
               const std::function<void(sqlite3_stmt*)>& eachRow) {
        sqlite3_stmt* statement = nullptr;
        if (db_ == nullptr || sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
            problem_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : problem_;
            return;
        }
        for (int i = 0; i < values.size(); ++i) {
            sqlite3_bind_text(statement, i + 1, values[i].toUtf8().constData(), -1,
                              SQLITE_TRANSIENT);
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            eachRow(statement);
        }
        sqlite3_finalize(statement);
    }
    sqlite3* db_ = nullptr;
    QString problem_;
};

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;
    QRandomGenerator rng;
    QStringList log;       // the last actions, for a failure's report
    bool answered = false; // a message box was answered during the action
    QString answer;        // the text of that message box
    QStringList answers;   // every message box answered during the action
    QString problem;       // the first rule broken
    QTimer answerer;
    QTemporaryDir files;                // the damaged files made, and the saves
    std::unique_ptr<Corpus> corpus;     // what the file dialogs open
    QString opened;                     // what the last open was answered with
    QString savedTo;                    // where the last save was to go
    QStringList named;                  // every name a save was given
    std::map<QString, QString> gameIds; // the games' ids by their titles
    bool countStale = true;             // a keep since the counter last read its game
    struct {
        int histories = 0, sets = 0, keeps = 0, picks = 0;
    } reached; // what the session got to

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
    void tick(QWidget* list) {
        note("tick " + list->objectName());
        auto* ticks = qobject_cast<CheckList*>(list);
        auto* hits = qobject_cast<QListWidget*>(list); // the counter's hit lists
        const int count = ticks != nullptr ? ticks->count() : hits->count();
        const int row = pick(count);
        if (count > 0 && chance(50)) {
            if (ticks == nullptr) {
                return click(hits->viewport(), hits->visualItemRect(hits->item(row)).center());
            }
            return !qobject_cast<PairGrid*>(list) && chance(50)
                       ? clickTick(ticks, row)
                       : click(ticks->viewport(), ticks->visualItemRect(ticks->item(row)).center());
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
        useCorpus();
        const MainInput after = w->readInput(false);
        need(!answered && filterSetOf(after) == filterSetOf(before) &&
                 after.mustHave == before.mustHave,
             "the set opened is not the set saved");
    }

    QString savesFolder() const { return files.filePath("saves"); }
    void useCorpus() {
        setFileChooser([this](const FileQuestion& question) { return answerFile(question); });
    }
    // An open is answered with a file of the corpus (the set dialogs mostly with set
    // files, the import mostly with histories), now and then with Cancel.
    FileAnswer answerFile(const FileQuestion& question) {
        opened.clear();
        savedTo.clear();
        if (chance(8)) {
            note("  Cancel");
            return {};
        }
        if (question.kind == FileQuestion::Kind::Save) {
            return answerSave(question);
        }
        const bool forSet = question.filter.contains("p3set");
        const QStringList any = corpus->histories + corpus->sets + corpus->definitions;
        // Now and then the Texas download, or it corrected, kept in its own game.
        const QStringList texas = corpus->histories.filter("texas-");
        const QStringList& from = chance(25)   ? any
                                  : forSet     ? corpus->sets
                                  : chance(30) ? texas
                                               : corpus->histories;
        opened = from[pick(from.size())];
        ++(forSet ? reached.sets : reached.histories);
        note("  file " + fileNameOf(opened));
        return opened;
    }
    // A save goes to a name of the saves' folder (one used before now and then: replaced),
    // with its ending or without, into a folder that is not there, or onto a folder.
    FileAnswer answerSave(const FileQuestion& question) {
        const QStringList types = question.filter.split(";;");
        const QString type = types[pick(types.size())];
        const QString ending =
            suffixOfFilter(type).isEmpty() ? question.defaultSuffix : suffixOfFilter(type);
        const QString name = QString("saved-%1").arg(pick(5));
        const int how = pick(100);
        const QDir saves(savesFolder());
        QString path = saves.filePath(how < 40 ? name + '.' + ending : name);
        path = how < 90   ? path
               : how < 95 ? saves.filePath("missing/" + name)
                          : saves.filePath("folder.txt"); // a folder, named as a file
        named << name << name + '.' + ending;
        // A name without an ending is given the type's.
        savedTo = QFileInfo(path).suffix().isEmpty() ? path + '.' + ending : path;
        note("  save " + path);
        return {path, type};
    }

    // A set file opened: a whole set is what the controls then hold; anything else leaves
    // every setting as it was.
    void openSet() {
        note("cmdOpenSet");
        const FilterSet before = filterSetOf(w->readInput(false));
        click(main("cmdOpenSet"));
        const FilterSet now = filterSetOf(w->readInput(false));
        const QByteArray bytes = bytesOf(opened);
        const Result<FilterSet> read = readFilterSet({bytes.constData(), size_t(bytes.size())});
        if (opened.isEmpty() || !read.ok()) {
            return need(now == before && (opened.isEmpty() || answered),
                        "a set not opened changed the settings");
        }
        need(!answered && now == *read, "the controls do not hold the set opened");
    }
    // A set or the numbers saved: a save that says nothing leaves its file; a set's
    // reads back as the controls' set.
    void save() {
        const bool set = chance(50);
        note(set ? "cmdSaveSet" : "cmdSaveNumbers");
        QWidget* button = main(log.last());
        if (!button->isVisible() || !button->isEnabled()) {
            return;
        }
        savedTo.clear();
        click(button);
        if (savedTo.isEmpty() || answered) {
            return;
        }
        const QByteArray bytes = bytesOf(savedTo);
        need(!bytes.isEmpty(), "a save said nothing and left no file");
        if (set) {
            const Result<FilterSet> read = readFilterSet({bytes.constData(), size_t(bytes.size())});
            need(read.ok() && *read == filterSetOf(w->readInput(false)),
                 "the set saved does not read back");
        }
    }
    // Every file of the saves' folder is one a save was given: nothing half-written is left.
    void checkSaves() {
        for (const QString& name :
             QDir(savesFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            need(named.contains(name), "left in the saves' folder: " + name);
        }
    }

    // "Keep draws": the library gains just the new draws the message names, or nothing;
    // the preview then finds none of them new.
    void keep(QWidget* import) {
        auto* button = import->findChild<QPushButton*>("cmdKeepDraws");
        if (!button->isEnabled()) {
            return;
        }
        note("  cmdKeepDraws");
        const qint64 before = LibraryFile().drawCount();
        answers.clear();
        click(button);
        const qint64 after = LibraryFile().drawCount();
        static const QRegularExpression said("^Kept in .*: (\\d+) new, (\\d+) replaced");
        // Another window's message (an Update that ended meanwhile) may come first.
        QRegularExpressionMatch kept;
        for (const QString& text : answers) {
            kept = kept.hasMatch() ? kept : said.match(text);
        }
        if (!kept.hasMatch()) {
            return need(after == before, "a keep refused changed the library");
        }
        ++reached.keeps;
        countStale = countStale || kept.captured(1) != "0" || kept.captured(2) != "0";
        need(after == before + kept.captured(1).toLongLong(),
             QString("the library went from %1 to %2 draws on: %3")
                 .arg(before)
                 .arg(after)
                 .arg(answers.value(0)));
        const QString preview = import->findChild<QLabel*>("lblKeepSummary")->text();
        need(preview.contains(": 0 new draws,"), "kept, and still new: " + preview);
    }
    // Texas Pick 3 half the time, or any game, or None.
    void chooseKeepGame(QComboBox* keepGame) {
        if (keepGame->isEnabled()) {
            keepGame->setCurrentIndex(chance(50) ? keepGame->findText("Texas Pick 3")
                                                 : pick(keepGame->count()));
            note("  keep in " + keepGame->currentText());
        }
    }
    // In the import window: a file of the corpus read, a game to keep in, the keep, a
    // differing draw's new number ticked, the draws outside the schedule ticked.
    void importAction(QWidget* import) {
        auto* keepGame = import->findChild<QComboBox*>("cboKeepGame");
        auto* differs = import->findChild<QTableWidget*>("tblDiffers");
        const int how = pick(100);
        if (how < 15) { // the whole way: a file read, a game chosen, the keep
            note("  read a file and keep it");
            clickButton(import, "cmdImportFile");
            chooseKeepGame(keepGame);
            keep(import);
        } else if (how < 35) {
            note("  cmdImportFile");
            clickButton(import, "cmdImportFile");
        } else if (how < 55) {
            chooseKeepGame(keepGame);
        } else if (how < 80) {
            keep(import);
        } else if (how < 92 && differs->isVisible() && differs->rowCount() > 0) {
            const int row = pick(differs->rowCount());
            note(QString("  tick differing %1").arg(row));
            QTableWidgetItem* item = differs->item(row, differs->columnCount() - 1);
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        } else if (QWidget* outside = import->findChild<QCheckBox*>("chkKeepOutside");
                   outside->isVisible() && outside->isEnabled()) {
            note("  chkKeepOutside");
            clickButton(import, "chkKeepOutside");
        }
    }
    // In the counter: a game of the library picked (again), a draw time, the newest N.
    void counterAction(QWidget* counter) {
        auto* game = counter->findChild<QComboBox*>("cboCountGame");
        auto* times = counter->findChild<QComboBox*>("cboCountDrawTimes");
        auto* newest = counter->findChild<QSpinBox*>("spnCountNewest");
        const int how = pick(100);
        if (how < 50 || !times->isEnabled()) {
            const int index = game->count() > 1 && chance(85) ? 1 + pick(game->count() - 1) : 0;
            note("  count game " + game->itemText(index));
            if (index == game->currentIndex()) {
                game->setCurrentIndex(0); // None, then the game again: read afresh
            }
            game->setCurrentIndex(index);
            countStale = false;
        } else if (const int before = times->currentIndex(); how < 75) {
            times->setCurrentIndex(pick(times->count()));
            note("  count " + times->currentText());
            if (times->currentIndex() == before) {
                return; // nothing changed: the box may hold what was typed since
            }
        } else {
            static constexpr std::array kSizes{0, 1, 2, 3, 10, 50, 999'999};
            const int was = newest->value();
            newest->setValue(chance(70) ? kSizes[std::size_t(pick(kSizes.size()))] : pick(40));
            note(QString("  newest %1").arg(newest->value()));
            if (newest->value() == was) {
                return;
            }
        }
        checkCounted(counter);
    }
    // A game picked, the draw box holds its draws as the library file has them: of the
    // draw time chosen, the newest N, newest first.
    void checkCounted(QWidget* counter) {
        const auto* game = counter->findChild<QComboBox*>("cboCountGame");
        if (game->currentIndex() <= 0 || countStale) {
            return;
        }
        const QString title = game->currentText().section(" (", 0, 0);
        const QStringList expected = LibraryFile().numbers(
            gameIds.count(title) != 0 ? gameIds[title] : title,
            counter->findChild<QComboBox*>("cboCountDrawTimes")->currentData().toString(),
            counter->findChild<QSpinBox*>("spnCountNewest")->value());
        const QStringList shown =
            numbersIn(counter->findChild<QPlainTextEdit*>("txtDrawnNumber")->toPlainText());
        need(shown == expected, QString("the counter holds %1 draws where the library has %2")
                                    .arg(shown.size())
                                    .arg(expected.size()));
        reached.picks += expected.isEmpty() ? 0 : 1;
    }
    // The import window and the counter get library actions, and the counter opens the import.
    bool libraryAction(QWidget* dialog) {
        if (dialog->objectName() == "frmImportDraws" && chance(55)) {
            importAction(dialog);
        } else if (dialog->objectName() == "frmHotCold" && chance(10)) {
            note("  cmdImportDraws");
            need(inModal(dialog, "cmdImportDraws", [this](QWidget* in) { operate(in); }),
                 "no window opened");
        } else if (dialog->objectName() == "frmHotCold" && chance(35)) {
            counterAction(dialog);
        } else {
            return false;
        }
        return true;
    }
    // The library file is whole; where it is not, what SQLite says.
    void checkLibrary() {
        need(LibraryFile().integrity() == "ok", "library: " + LibraryFile().integrity());
    }

    // A few actions inside a modal window, then "&Close", Esc or the title-bar close.
    void operate(QWidget* dialog) {
        const bool import = dialog->objectName() == "frmImportDraws";
        for (int steps = pick(import ? 15 : 7); steps > 0 && dialog->isVisible(); --steps) {
            auto* draws = anyUsable<QPlainTextEdit>(dialog);
            // a tick list or one of the counter's hit lists
            QWidget* list = chance(50) ? static_cast<QWidget*>(anyUsable<CheckList>(dialog))
                                       : anyUsable<QListWidget>(dialog);
            if (list == nullptr) {
                list = anyUsable<CheckList>(dialog);
            }
            auto* button = anyUsable<QAbstractButton>(dialog);
            if (libraryAction(dialog)) {
                // the import window's keep, the counter's game
            } else if (draws != nullptr && chance(25)) {
                edit(draws);
            } else if (auto* field = anyUsable<QAbstractSpinBox>(dialog); field && chance(20)) {
                field->stepBy(pick(2001) - 1000); // the stake and the prizes
            } else if (auto* choice = anyUsable<QComboBox>(dialog); choice && chance(20)) {
                choice->setCurrentIndex(pick(choice->count()));
            } else if (list != nullptr && chance(50)) {
                tick(list);
            } else if (button != nullptr && (button->objectName() == "cmdImportDraws" ||
                                             button->objectName() == "cmdCharts" ||
                                             button->objectName() == "cmdLibrary")) {
                // The import reads the draw box ("Use these draws" may end it); the charts
                // window draws the count or the back-test; the library's window lists its games.
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
        // A window of the program's own has its "&Close"; a question asked (an address) has not.
        auto* close = dialog->findChild<QPushButton*>("cmdClose");
        const int how = close != nullptr ? pick(3) : 1 + pick(2);
        note(QStringList{"  &Close", "  Esc", "  title-bar close"}[how]);
        how == 0   ? click(close)
        : how == 1 ? QTest::keyClick(dialog, Qt::Key_Escape)
                   : void(dialog->close());
    }

    // A right-click on a list, and one of its menu's commands.
    void contextMenu() {
        CheckList* list =
            chance(90) ? anyUsable<CheckList>(w) : main<CheckList>("lstDigitsWheelPos1(0)");
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
        } else if (what < 81) {
            chance(40) ? openSet() : save();
        } else if (what < 87) {
            contextMenu();
        } else if (what < 88) {
            note("cmdHotCold");
            need(inModal(w, "cmdHotCold", [this](QWidget* modal) { operate(modal); }),
                 "no window opened");
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

    // The corpus, the player's own games (some that do not read), the saves' folder;
    // every file dialog answered from here on.
    void setUpFiles() {
        corpus = std::make_unique<Corpus>(QDir(files.path()), rng);
        QVERIFY(QDir(files.path()).mkpath("saves/folder.txt"));
        writePlayerGames();
        for (const auto& game :
             loadGameCatalog({shippedGamesFolder(), playerGamesFolder()}).games) {
            gameIds[fromEngine(game->title())] = fromEngine(game->id);
        }
        useCorpus();
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
            // A question for a text (a game's source address) is cancelled.
            if (auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                ask->reject();
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answered = true;
                answer = box->text();
                answers << answer;
                box->accept();
            }
        });
        UrlCatcher browser;
        setUpFiles();
        setPrinterSetup([](QPrinter&, QWidget*) { return false; }); // Cancel
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
        QVERIFY(w != nullptr);
        for (int step = 0; step < 2500 && problem.isEmpty(); ++step) {
            answered = false;
            answerer.start(1); // armed before every action
            act();
            answerer.stop();
            // Back in the main event loop: closed windows are gone.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            checkWindows();
            checkSaves();
            if (step % 25 == 24) {
                checkLibrary();
            }
            QVERIFY2(problem.isEmpty(), qPrintable(problem + ", seed " + QString::number(seed) +
                                                   ", after: " + log.join(" | ")));
        }
        QVERIFY(w->isVisible());
        unloadMainWindow();
        closeGameLibrary();
        checkLibrary();
        QVERIFY2(problem.isEmpty(), qPrintable(problem + ", seed " + QString::number(seed)));
        qInfo("reached: %d histories and %d set files opened, %d keeps, %d games counted",
              reached.histories, reached.sets, reached.keeps, reached.picks);
        // The corpus reached the windows, and games were kept and counted.
        QVERIFY(reached.histories > 0 && reached.sets > 0 && reached.keeps > 0 &&
                reached.picks > 0);
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_SELF, &usage), 0);
        qInfo("peak memory: %ld MiB", usage.ru_maxrss / 1024);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
