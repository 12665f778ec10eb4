// The game library through the windows: a Texas download kept in Texas Pick 3 (the
// preview of new draws, the missing ones after the keep), the program started again and
// the game picked in the counter (its draws in the box, newest first, named by date and
// draw time, one draw time only, the newest few), a corrected download (the differing
// draw kept as held until the player ticks the new one; a draw outside the schedule
// kept only when ticked), and a file that is not a library never overwritten.

#include "backtest/DrawStrip.h"
#include "helpers/MainWindowDriver.h"
#include "importdraws/GameCatalog.h"
#include "importdraws/GameUpdate.h"
#include "widgets/FileAccess.h"
#include "widgets/GameClock.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

using namespace pick3;
using namespace pick3::test;

namespace {

const QString kTexas = QStringLiteral(PICK3_TEST_DATA_DIR "/layouts/texas-pick-3.csv");

QString label(const QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}
QComboBox* combo(const QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(QLatin1String(name));
}
void chooseText(const QWidget* window, const char* name, const QString& text) {
    QComboBox* box = combo(window, name);
    const int at = box->findText(text);
    QVERIFY2(at >= 0, qPrintable(text));
    box->setCurrentIndex(at);
}
QPlainTextEdit* drawBox(const QWidget* counter) {
    return counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
}
// Answers every message box shown while `act` runs with the button whose text is
// `answer` (OK where there is none); gives their texts.
QStringList answeringMessages(const std::function<void()>& act, const QString& answer = {}) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        texts << box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (!answer.isEmpty() && button->text() == answer) {
                button->click();
                return;
            }
        }
        box->accept();
    });
    poll.start(10);
    act();
    return texts;
}
// The counter's game choices.
QStringList gamesListed(const QWidget* counter) {
    QStringList games;
    const QComboBox* box = combo(counter, "cboCountGame");
    for (int i = 0; i < box->count(); ++i) {
        games << box->itemText(i);
    }
    return games;
}

// The state's server, on this machine: a page with its validator, a 304 when asked with
// it, or a failure; every request kept.
class StateServer : public QObject {
  public:
    QByteArray body;
    QByteArray status = "200 OK";
    QByteArray etag = "\"v1\""; // the page's validator, as sent
    QByteArray headers;         // more header lines, each ending in CR LF
    qsizetype cutAt = -1;       // the body stops here, its length said in full
    QList<QByteArray> requests;

    StateServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                QByteArray& request = pending_[socket];
                request += socket->readAll();
                if (request.contains("\r\n\r\n")) {
                    requests << request;
                    answer(socket, request);
                }
            });
        });
    }
    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1/rows.csv").arg(server_.serverPort());
    }

  private:
    void answer(QTcpSocket* socket, const QByteArray& request) {
        const bool same = request.contains("If-None-Match: " + etag);
        const QByteArray code = same && status.startsWith("200") ? "304 Not Modified" : status;
        const QByteArray sent = code.startsWith("200") ? body : QByteArray();
        socket->write("HTTP/1.1 " + code + "\r\nETag: " + etag + "\r\nContent-Type: text/csv\r\n" +
                      headers + "Content-Length: " + QByteArray::number(sent.size()) +
                      "\r\nConnection: close\r\n\r\n" + (cutAt < 0 ? sent : sent.left(cutAt)));
        socket->disconnectFromHost();
    }
    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

} // namespace

class LibraryTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir;

    QString fileWith(const QByteArray& bytes, const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }
    // Imports `path` in the counter, lets `operate` work in the import window, then
    // lets `after` look at the counter.
    void inImport(const QString& path, const std::function<void(QWidget*)>& operate,
                  const std::function<void(QWidget*)>& after = {}) {
        setFileChooser([path](const FileQuestion&) { return path; });
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                operate(import);
            }));
            if (after) {
                after(counter);
            }
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
    }
    QStringList keep(QWidget* import) {
        return answeringMessages([import] { clickButton(import, QStringLiteral("cmdKeepDraws")); });
    }
    // The program closed and started again: the library is opened afresh.
    void restart() {
        unloadMainWindow();
        closeGameLibrary();
        w = static_cast<frmPick3ZozevidAru*>(startMainWindow());
    }

    // A copy of New York Numbers ("New York Numbers here") whose source is on this machine,
    // its page New York's rows.csv layout; gives the definition's file.
    QString localGame(const QString& address, const char* id = "local-numbers",
                      const char* name = "Numbers here", bool withSource = true) {
        QFile shipped(shippedGamesFolder() + QStringLiteral("/new-york-numbers.json"));
        if (!shipped.open(QIODevice::ReadOnly)) {
            return {};
        }
        QJsonObject game = QJsonDocument::fromJson(shipped.readAll()).object();
        game["id"] = id;
        game["name"] = name;
        QJsonArray sources = game["updateSources"].toArray();
        QJsonObject source = sources[0].toObject();
        source["files"] = QJsonArray{QJsonObject{{"address", address}}};
        sources[0] = source;
        withSource ? void(game["updateSources"] = sources) : void(game.remove("updateSources"));
        QDir().mkpath(playerGamesFolder());
        QFile own(playerGamesFolder() + '/' + QLatin1String(id) + QStringLiteral(".json"));
        if (!own.open(QIODevice::WriteOnly)) {
            return {};
        }
        own.write(QJsonDocument(game).toJson());
        return own.fileName();
    }
    static QByteArray nyRows() {
        QFile rows(QStringLiteral(PICK3_SOURCES_DIR "/ny-rows.csv"));
        return rows.open(QIODevice::ReadOnly) ? rows.readAll() : QByteArray();
    }
    // Presses Update and gives what the window said within a moment.
    static QStringList pressUpdate(QWidget* import) {
        return answeringMessages([import] {
            clickButton(import, QStringLiteral("cmdUpdateGame"));
            QTest::qWait(400);
        });
    }
    // Every draw the library holds of `game`, and its games, as text.
    static QString dumpOf(const std::string& game) {
        GameLibrary* library = openedGameLibrary();
        QStringList dump;
        const Result<std::vector<StoredDraw>> draws = library->draws(game, {});
        const Result<std::vector<HeldGame>> games = library->games();
        for (const StoredDraw& d : *draws) {
            dump << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(fromEngine(d.draw.date), fromEngine(d.draw.drawTime))
                        .arg(d.draw.number)
                        .arg(d.draw.addOn.value_or(10))
                        .arg(fromEngine(d.source));
        }
        for (const HeldGame& g : *games) {
            dump << fromEngine(g.game) + ' ' + QString::number(g.draws);
        }
        return dump.join('\n');
    }

  private Q_SLOTS:
    void init() {
        closeGameLibrary();
        QDir(libraryFolder()).removeRecursively();
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
    }
    void cleanup() {
        setFileChooser({});
        unloadMainWindow();
    }

    void keptGameComesBackAfterARestart() {
        QVERIFY(!QFile::exists(libraryPath()));
        inImport(
            kTexas,
            [this](QWidget* import) {
                QVERIFY(
                    !import->findChild<QGroupBox*>(QStringLiteral("grpLibraryKeep"))->isVisible());
                chooseText(import, "cboKeepGame", QStringLiteral("Texas Pick 3"));
                // The game kept in names the draw times too.
                QCOMPARE(combo(import, "cboGame")->currentText(), "Texas Pick 3");
                QCOMPARE(label(import, "lblKeepSummary"),
                         "Into Texas Pick 3: 16 new draws, 0 already held, 0 differ from a held "
                         "draw.");
                QCOMPARE(label(import, "lblMissingAfterKeep"),
                         "After the keep the game lacks 2 draws: 2013-09-05 Night, 2013-09-10 "
                         "Evening.");
                QVERIFY(!QFile::exists(libraryPath())); // nothing written before the keep
                QCOMPARE(
                    keep(import),
                    QStringList({"Kept in Texas Pick 3: 16 new, 0 replaced, 0 left as held."}));
                QCOMPARE(label(import, "lblKeepSummary"),
                         "Into Texas Pick 3: 0 new draws, 16 already held, 0 differ from a held "
                         "draw.");
            },
            [](QWidget* counter) {
                QCOMPARE(gamesListed(counter), QStringList({"None", "Texas Pick 3 (16 draws)"}));
            });
        QVERIFY(QFile::exists(libraryPath()));

        restart();
        doSteps(w, {QStringLiteral("lstDigitsWheel:0123456789")}); // every draw a hit
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
            drawBox(counter)->setPlainText(QStringLiteral("111 222"));
            QTRY_COMPARE(gamesListed(counter).size(), 2);
            chooseText(counter, "cboCountGame", QStringLiteral("Texas Pick 3 (16 draws)"));
            QCOMPARE(numbersIn(drawBox(counter)->toPlainText()).join(' '),
                     "045 258 726 839 382 091 552 661 913 444 104 530 608 119 277 314");
            QCOMPARE(
                label(counter, "lblCountingGame"),
                "Counting 16 draws of Texas Pick 3, every draw time; the game lacks 2 draws by "
                "its schedule: 2013-09-05 Night, 2013-09-10 Evening.");
            chooseText(counter, "cboCountDrawTimes", QStringLiteral("Night only"));
            QCOMPARE(numbersIn(drawBox(counter)->toPlainText()).join(' '), "045 382 661 530 119");
            counter->findChild<QSpinBox*>(QStringLiteral("spnCountNewest"))->setValue(2);
            QCOMPARE(numbersIn(drawBox(counter)->toPlainText()).join(' '), "045 382");
            QCOMPARE(label(counter, "lblCountingGame"),
                     "Counting 2 draws of Texas Pick 3, Night only; the game lacks 2 draws by its "
                     "schedule: 2013-09-05 Night, 2013-09-10 Evening.");
            // None leaves the box as it is; Ctrl+Z brings back what was typed.
            chooseText(counter, "cboCountGame", QStringLiteral("None"));
            QCOMPARE(numbersIn(drawBox(counter)->toPlainText()).join(' '), "045 382");
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
        // The back-test names each draw by its date and draw time, and pays by Texas's table.
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* backTest) {
            QCOMPARE(backTest->findChild<DrawStrip*>()->describeCell(0),
                     "Draw 1, Wed 2013-09-11 Night, 045: hit");
            QVERIFY(label(backTest, "lblPrizesFrom").contains("Texas Pick 3"));
            QCOMPARE(label(backTest, "lblDraws"),
                     "2 draws of Texas Pick 3 (Night only) from the last count in \"HotCold\", "
                     "tested with the filter settings of the main window as they stand.");
        }));
    }

    void aDifferingDrawIsReplacedOnlyWhenTicked() {
        inImport(kTexas, [this](QWidget* import) {
            chooseText(import, "cboKeepGame", QStringLiteral("Texas Pick 3"));
            keep(import);
        });
        // 2013-09-11 Night corrected to 046; a Morning draw before Texas held one.
        QFile file(kTexas);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray corrected =
            file.readAll()
                .replace("Night,9,11,2013,0,4,5,8", "Night,9,11,2013,0,4,6,8")
                .append("Pick 3 Morning,9,7,2013,1,2,3\n");
        inImport(fileWith(corrected, QStringLiteral("corrected.csv")), [this](QWidget* import) {
            chooseText(import, "cboKeepGame", QStringLiteral("Texas Pick 3"));
            QCOMPARE(label(import, "lblKeepSummary"),
                     "Into Texas Pick 3: 0 new draws, 15 already held, 1 differs from a held "
                     "draw.");
            auto* differs = import->findChild<QTableWidget*>(QStringLiteral("tblDiffers"));
            QCOMPARE(differs->rowCount(), 1);
            QStringList row;
            for (int c = 0; c < differs->columnCount(); ++c) {
                row << differs->item(0, c)->text();
            }
            QCOMPARE(row.join('|'), "2013-09-11|Night|045 + 8|texas-pick-3.csv|046 + 8");
            auto* outside = import->findChild<QCheckBox*>(QStringLiteral("chkKeepOutside"));
            QVERIFY(outside->isVisible());
            QCOMPARE(outside->text(), "Keep the 1 draw outside the game's schedule too");
            // Kept as it stands: nothing new, the held number stays.
            QCOMPARE(keep(import).value(0),
                     "Kept in Texas Pick 3: 0 new, 0 replaced, 16 left as held.");
            QCOMPARE(differs->rowCount(), 1);
            differs->item(0, 4)->setCheckState(Qt::Checked);
            outside->setChecked(true);
            QCOMPARE(label(import, "lblKeepSummary"),
                     "Into Texas Pick 3: 1 new draw, 15 already held, 1 differs from a held "
                     "draw.");
            differs->item(0, 4)->setCheckState(Qt::Checked); // the table was shown again
            QCOMPARE(keep(import).value(0),
                     "Kept in Texas Pick 3: 1 new, 1 replaced, 15 left as held.");
            QCOMPARE(label(import, "lblKeepSummary"),
                     "Into Texas Pick 3: 0 new draws, 17 already held, 0 differ from a held "
                     "draw.");
        });
    }

    void backedUpExportedForgottenAndRestored() {
        inImport(kTexas, [this](QWidget* import) {
            chooseText(import, "cboKeepGame", QStringLiteral("Texas Pick 3"));
            keep(import);
        });
        const QString backup = dir.filePath(QStringLiteral("backup.sqlite"));
        const QString csv = dir.filePath(QStringLiteral("texas.csv"));
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QTRY_COMPARE(gamesListed(counter).size(), 2);
            QVERIFY(inModal(counter, QStringLiteral("cmdLibrary"), [&](QWidget* library) {
                QCOMPARE(rowsOf(library, "tblLibraryGames"),
                         QStringList({"Texas Pick 3 16 2013-09-05 2013-09-11"}));
                QVERIFY(label(library, "lblLibraryFile").contains(libraryPath()));
                setFileChooser([&](const FileQuestion& q) {
                    return q.caption == "Export draws" ? csv : backup;
                });
                QCOMPARE(answeringMessages([&] { clickButton(library, "cmdExportGame"); }),
                         QStringList({"The draws of Texas Pick 3 are written to texas.csv."}));
                QCOMPARE(answeringMessages([&] { clickButton(library, "cmdBackUpLibrary"); }),
                         QStringList({"The library is backed up to backup.sqlite."}));
                // Asked first; No forgets nothing.
                QStringList said = answeringMessages([&] { clickButton(library, "cmdForgetGame"); },
                                                     QStringLiteral("&No"));
                QCOMPARE(said.size(), 1);
                QCOMPARE(rowsOf(library, "tblLibraryGames").size(), 1);
                said = answeringMessages([&] { clickButton(library, "cmdForgetGame"); },
                                         QStringLiteral("&Yes"));
                QCOMPARE(said.value(1), "16 draws of Texas Pick 3 forgotten; the file is "
                                        "compacted.");
                QCOMPARE(rowsOf(library, "tblLibraryGames"), QStringList());
                said = answeringMessages([&] { clickButton(library, "cmdRestoreLibrary"); },
                                         QStringLiteral("&Yes"));
                QCOMPARE(said.value(1), "The library holds the draws of backup.sqlite now.");
                QCOMPARE(rowsOf(library, "tblLibraryGames").size(), 1);
            }));
            QCOMPARE(gamesListed(counter), QStringList({"None", "Texas Pick 3 (16 draws)"}));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = exported.readAll().split('\n');
        QCOMPARE(lines.value(0), "date,draw time,number,add-on,source\r");
        QCOMPARE(lines.value(1), "2013-09-05,Day,314,,texas-pick-3.csv\r");
        QCOMPARE(lines.size(), 18); // 16 draws, the title and the end of the last line
    }

    // New York Numbers from a server standing in for the state: the fetched draws previewed
    // and kept, the next Update nothing new, a failure that leaves the library as it was.
    void updatedFromTheStatesData() {
        StateServer state;
        state.body = nyRows();
        GameUpdate::setLimits(1000, 3000);

        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                auto* update = import->findChild<QPushButton*>(QStringLiteral("cmdUpdateGame"));
                QVERIFY(!update->isEnabled()); // no game chosen
                chooseText(import, "cboGame", QStringLiteral("New York Numbers"));
                QVERIFY(update->isEnabled());
                // The state's own address stands in this machine's server.
                QTimer::singleShot(100, [&state] {
                    auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                    QVERIFY(ask->labelText().endsWith("data.ny.gov/api/views/hsys-3def/rows.csv"));
                    ask->setTextValue(state.address());
                    ask->accept();
                });
                clickButton(import, QStringLiteral("cmdGameSource"));
                QVERIFY(state.requests.isEmpty()); // nothing fetched unless Update is pressed
                clickButton(import, QStringLiteral("cmdUpdateGame"));
                QTRY_VERIFY(label(import, "lblKeepSummary").startsWith("Into"));
                QCOMPARE(label(import, "lblKeepSummary"),
                         "Into New York Numbers: 12 new draws, 0 already held, 0 differ "
                         "from a held draw.");
                QVERIFY(label(import, "lblDateReading")
                            .endsWith("3 numbers were written without leading zeros and read as "
                                      "three digits (\"56\" as 056)."));
                QVERIFY(state.requests[0].contains("User-Agent: pick3-tallymoor/"));
                QVERIFY(!state.requests[0].contains("If-None-Match"));
                // Not kept yet: pressed again, the whole file is asked for and shown again.
                QCOMPARE(pressUpdate(import), QStringList());
                QVERIFY(!state.requests[1].contains("If-None-Match"));
                QVERIFY(label(import, "lblKeepSummary").contains(": 12 new draws"));
                QCOMPARE(keep(import).value(0),
                         "Kept in New York Numbers: 12 new, 0 replaced, 0 left as held.");
                // Asked again with the validator: nothing new, nothing read.
                const auto updateAgain = [import] {
                    return answeringMessages([import] {
                        clickButton(import, QStringLiteral("cmdUpdateGame"));
                        QTest::qWait(400);
                    });
                };
                QCOMPARE(updateAgain(), QStringList({"You have every draw up to Sat 2026-12-05 "
                                                     "Evening.\n\nMissing by the game's schedule: "
                                                     "2026-11-30 Midday, 2026-11-30 Evening."}));
                QCOMPARE(state.requests.size(), 3);
                QVERIFY(state.requests[2].contains("If-None-Match: \"v1\""));
                // A failure says why and keeps nothing.
                state.status = "404 Not Found";
                const QStringList said = updateAgain();
                QCOMPARE(said.size(), 1);
                QVERIFY2(said[0].contains("404"), qPrintable(said[0]));
                QCOMPARE(label(import, "lblKeepSummary"),
                         "Into New York Numbers: 0 new draws, 12 already held, 0 differ "
                         "from a held draw.");
            }));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
        closeGameLibrary();
        restart();
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
            QTRY_COMPARE(gamesListed(counter),
                         QStringList({"None", "New York Numbers (12 draws)"}));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
    }

    // Each failure is said, and the library holds what it held.
    void everyFailureLeavesTheLibraryAsItWas_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("cutAt");
        QTest::addColumn<QString>("said");
        const QByteArray rows = nyRows();
        QTest::newRow("403") << QByteArray("403 Forbidden") << QByteArray() << rows << -1 << "403";
        QTest::newRow("404") << QByteArray("404 Not Found") << QByteArray() << rows << -1 << "404";
        QTest::newRow("429, wait")
            << QByteArray("429 Too Many Requests") << QByteArray("Retry-After: 120\r\n") << rows
            << -1 << "can be pressed again at";
        QTest::newRow("a server fault")
            << QByteArray("503 Service Unavailable") << QByteArray() << rows << -1 << "503";
        QTest::newRow("cut short")
            << QByteArray("200 OK") << QByteArray() << rows << 200 << "before the file was whole";
        QTest::newRow("a web page")
            << QByteArray("200 OK") << QByteArray()
            << QByteArray("<!DOCTYPE html><html><body>Results</body>") << -1 << "page";
        QTest::newRow("another game's data")
            << QByteArray("200 OK") << QByteArray()
            << QByteArray("Draw Date,Winning Numbers,Mega Ball\n12/05/2026,01 02 03,4\n") << -1
            << "Midday Daily #";
        QTest::newRow("a draw after today")
            << QByteArray("200 OK") << QByteArray()
            << QByteArray(rows).replace("12/05/2026", "12/05/2099") << -1 << "2099";
        QTest::newRow("today's draw before its time")
            << QByteArray("200 OK") << QByteArray()
            << QByteArray(rows).replace("11/29/2026", "11/28/2026") << -1
            << "before its draw time (22:30";
        QTest::newRow("a fourth digit")
            << QByteArray("200 OK") << QByteArray() << QByteArray(rows).replace(",418,", ",4183,")
            << -1 << "4183";
    }
    void everyFailureLeavesTheLibraryAsItWas() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, headers);
        QFETCH(QByteArray, body);
        QFETCH(int, cutAt);
        QFETCH(QString, said);
        StateServer state;
        state.body = nyRows();
        const QString own = localGame(state.address());
        GameUpdate::setLimits(1000, 3000);
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                chooseText(import, "cboGame", QStringLiteral("New York Numbers here"));
                QCOMPARE(pressUpdate(import), QStringList());
                QVERIFY(keep(import).value(0).startsWith("Kept"));
                // The source changed: asked again, it sends the failure.
                const QString before = dumpOf("local-numbers");
                state.status = status;
                state.etag = "\"v2\"";
                state.headers = headers;
                state.body = body;
                state.cutAt = cutAt;
                if (QByteArray(QTest::currentDataTag()).startsWith("today's")) {
                    // 15:00 in New York on the newest draw's day: its Evening is not drawn yet.
                    GameClock::set(QDateTime(QDate(2026, 12, 5), QTime(20, 0),
                                             QTimeZone(QByteArrayLiteral("UTC"))));
                }
                const QStringList told = pressUpdate(import);
                GameClock::set(std::nullopt);
                QCOMPARE(told.size(), 1);
                QVERIFY2(told[0].contains(said, Qt::CaseInsensitive), qPrintable(told[0]));
                QCOMPARE(dumpOf("local-numbers"), before);
                if (status.startsWith("429")) { // asked to wait: not asked again before then
                    const qsizetype asked = state.requests.size();
                    QVERIFY(pressUpdate(import).value(0).contains("asked to be left alone"));
                    QCOMPARE(state.requests.size(), asked);
                }
            }));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
        QFile::remove(own);
    }

    // A game without a source: the player adds the address of a results file, which Update
    // reads as an import reads it.
    void anAddressThePlayerAdded() {
        StateServer state;
        state.body = "Date,Draw,Numbers\n12/06/2026,Evening,489\n12/06/2026,Midday,123\n";
        const QString own = localGame(QString(), "plain-numbers", "Numbers plain", false);
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                chooseText(import, "cboGame", QStringLiteral("New York Numbers plain"));
                QVERIFY(pressUpdate(import).value(0).contains("names no source to update from"));
                QVERIFY(state.requests.isEmpty());
                QTimer::singleShot(100, [&state] {
                    auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                    ask->setTextValue(state.address());
                    ask->accept();
                });
                clickButton(import, QStringLiteral("cmdGameSource"));
                QCOMPARE(pressUpdate(import), QStringList());
                QCOMPARE(label(import, "lblKeepSummary"),
                         "Into New York Numbers plain: 2 new draws, 0 already held, 0 differ "
                         "from a held draw.");
                QCOMPARE(keep(import).value(0),
                         "Kept in New York Numbers plain: 2 new, 0 replaced, 0 left as held.");
                QCOMPARE(openedGameLibrary()->draws("plain-numbers", {})->front().source,
                         toEngine(state.address()));
            }));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
        QFile::remove(own);
    }

    void aFileThatIsNoLibraryIsNeverOverwritten() {
        QVERIFY(QDir().mkpath(libraryFolder()));
        const QByteArray notes = "my own notes, not a library\n";
        QFile file(libraryPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
        file.close();
        // Left as it is: the counter lists no game, the file is untouched.
        QStringList said = answeringMessages(
            [this] {
                QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
                    QTest::qWait(100);
                    QCOMPARE(gamesListed(counter), QStringList({"None"}));
                    QTest::keyClick(counter, Qt::Key_Escape);
                }));
            },
            QStringLiteral("&Leave it"));
        QCOMPARE(said.size(), 1);
        QVERIFY(said[0].contains("is not a game library of this program"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), notes);
        file.close();
        // Asked once a run; at the next start a new library is started, the old file
        // kept beside it under another name.
        restart();
        said = answeringMessages(
            [this] {
                QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
                    QTest::qWait(100);
                    QTest::keyClick(counter, Qt::Key_Escape);
                }));
            },
            QStringLiteral("&Start a new library"));
        QCOMPARE(said.size(), 2);
        QVERIFY(said[1].startsWith("The old file is kept as"));
        QVERIFY(!QFile::exists(libraryPath()));
        const QStringList kept =
            QDir(libraryFolder()).entryList({QStringLiteral("library.sqlite.damaged-*")});
        QCOMPARE(kept.size(), 1);
        QFile old(QDir(libraryFolder()).filePath(kept[0]));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), notes);
    }
};

QTEST_MAIN(LibraryTest)
#include "tst_library.moc"
