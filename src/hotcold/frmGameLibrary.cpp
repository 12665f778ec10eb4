#include "hotcold/frmGameLibrary.h"

#include "engine/stats/Chance.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/FileAccess.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pick3 {

namespace {

QPushButton* makeButton(const char* name, const QString& text, const QString& tip,
                        QWidget* parent) {
    auto* button = named(new QPushButton(text, parent), QLatin1String(name));
    describe(button, QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")), tip);
    return button;
}

// "texas-pick-3 draws 2026-12-09.csv": a name the player can keep as it is.
QString proposedName(const QString& stem, const QString& suffix) {
    return QStringLiteral("%1 %2.%3").arg(stem, QDate::currentDate().toString(Qt::ISODate), suffix);
}

// The games kept, a row each; one chosen at a time.
QTableWidget* makeGamesTable(QWidget* parent) {
    auto* table = named(new QTableWidget(0, 4, parent), QStringLiteral("tblLibraryGames"));
    table->setHorizontalHeaderLabels({QStringLiteral("Game"), QStringLiteral("Draws"),
                                      QStringLiteral("First draw"), QStringLiteral("Last draw")});
    setUpRowsTable(table, QStringLiteral("Games kept"),
                   QStringLiteral("The games your library holds; choose one to export or forget"));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    return table;
}

} // namespace

frmGameLibrary::frmGameLibrary(GameLibrary& library,
                               std::function<QString(const std::string&)> titleOf, QWidget* parent)
    : DiscardableDialog(parent), library_(library), titleOf_(std::move(titleOf)) {
    setObjectName(QStringLiteral("frmGameLibrary"));
    setWindowTitle(QStringLiteral("Game library"));
    setSizeGripEnabled(true);
    BannerFrame* banner = BannerFrame::aroundDialog(this, QStringLiteral("Game library"));
    QWidget* area = banner->content();

    tblGames_ = makeGamesTable(area);
    lblWhere_ = makeLabel(QStringLiteral("lblLibraryFile"), QString(), area);
    lblWhere_->setWordWrap(true);
    lblWhere_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QPushButton* backUp =
        makeButton("cmdBackUpLibrary", QStringLiteral("&Back up library..."),
                   QStringLiteral("Copies the whole library to a file you choose"), area);
    QPushButton* restore = makeButton(
        "cmdRestoreLibrary", QStringLiteral("&Restore library..."),
        QStringLiteral("Replaces the library's draws by those of a backup you choose"), area);
    cmdExport_ = makeButton("cmdExportGame", QStringLiteral("&Export CSV..."),
                            QStringLiteral("Writes the chosen game's draws to a CSV file"), area);
    cmdForget_ =
        makeButton("cmdForgetGame", QStringLiteral("&Forget game"),
                   QStringLiteral("Deletes the chosen game's draws from the library"), area);
    connect(backUp, &QPushButton::clicked, this, &frmGameLibrary::backUp);
    connect(restore, &QPushButton::clicked, this, &frmGameLibrary::restore);
    connect(cmdExport_, &QPushButton::clicked, this, &frmGameLibrary::exportGame);
    connect(cmdForget_, &QPushButton::clicked, this, &frmGameLibrary::forgetGame);
    connect(tblGames_, &QTableWidget::itemSelectionChanged, this, [this] {
        cmdExport_->setEnabled(!chosenGame().empty());
        cmdForget_->setEnabled(!chosenGame().empty() && !library_.readOnly());
    });
    restore->setEnabled(!library_.readOnly());

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {backUp, restore, cmdExport_, cmdForget_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(tblGames_, 1);
    column->addLayout(buttons);
    column->addWidget(lblWhere_);
    setTabOrder(tblGames_, backUp);
    setTabOrder(backUp, restore);
    setTabOrder(restore, cmdExport_);
    setTabOrder(cmdExport_, cmdForget_);
    setTabOrder(cmdForget_, banner->closeButton());
    showGames();
    tblGames_->setFocus();
    resize(720, 420);
}

void frmGameLibrary::showGames() {
    const Result<std::vector<HeldGame>> games = library_.games();
    games_ = games.ok() ? *games : std::vector<HeldGame>();
    tblGames_->setRowCount(static_cast<int>(games_.size()));
    for (int row = 0; row < tblGames_->rowCount(); ++row) {
        const HeldGame& game = games_[static_cast<std::size_t>(row)];
        const QStringList cells{titleOf_(game.game),
                                fromEngine(grouped(static_cast<std::size_t>(game.draws))),
                                fromEngine(game.firstDate), fromEngine(game.lastDate)};
        for (int column = 0; column < 4; ++column) {
            tblGames_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    tblGames_->resizeColumnsToContents();
    if (!games_.empty()) {
        tblGames_->selectRow(0);
    }
    cmdExport_->setEnabled(!chosenGame().empty());
    cmdForget_->setEnabled(!chosenGame().empty() && !library_.readOnly());
    QString where = QStringLiteral("The library is kept in %1, on this computer only; nothing is "
                                   "sent anywhere.")
                        .arg(QDir::toNativeSeparators(libraryPath()));
    if (!games.ok()) {
        where = fromEngine(games.refusal()) + QLatin1Char(' ') + where;
    } else if (games_.empty()) {
        where = QStringLiteral("No game is kept yet: keep draws from the import window. ") + where;
    }
    lblWhere_->setText(where);
}

std::string frmGameLibrary::chosenGame() const {
    const QList<QTableWidgetSelectionRange> ranges = tblGames_->selectedRanges();
    if (ranges.isEmpty()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(ranges.first().topRow());
    return row < games_.size() ? games_[row].game : std::string();
}

void frmGameLibrary::say(const QString& text) {
    showMessage(this, windowTitle(), text);
}

void frmGameLibrary::backUp() {
    const QString path = chooseFile(
        this, {FileQuestion::Kind::Save, QStringLiteral("Back up library"),
               proposedName(QStringLiteral("pick3-tallymoor library"), QStringLiteral("sqlite")),
               QStringLiteral("Game library backups (*.sqlite);;All files (*)"),
               QStringLiteral("sqlite")});
    if (path.isEmpty()) {
        return;
    }
    const Result<Done> done = library_.backUpTo(toEngine(path));
    say(done.ok() ? QStringLiteral("The library is backed up to %1.").arg(fileNameOf(path))
                  : fromEngine(done.refusal()));
}

void frmGameLibrary::restore() {
    const QString path = chooseFile(
        this, {FileQuestion::Kind::Open, QStringLiteral("Restore library"), QString(),
               QStringLiteral("Game library backups (*.sqlite);;All files (*)"), QString()});
    if (path.isEmpty()) {
        return;
    }
    if (QMessageBox::question(this, windowTitle(),
                              QStringLiteral("Replace every draw of the library by those of %1?")
                                  .arg(fileNameOf(path))) != QMessageBox::Yes) {
        return;
    }
    const Result<Done> done = library_.restoreFrom(toEngine(path));
    say(done.ok() ? QStringLiteral("The library holds the draws of %1 now.").arg(fileNameOf(path))
                  : fromEngine(done.refusal()));
    showGames();
}

void frmGameLibrary::exportGame() {
    const std::string game = chosenGame();
    if (game.empty()) {
        return;
    }
    const Result<std::string> csv = library_.exportCsv(game);
    if (!csv.ok()) {
        say(fromEngine(csv.refusal()));
        return;
    }
    const QString path = chooseFile(
        this, {FileQuestion::Kind::Save, QStringLiteral("Export draws"),
               proposedName(fromEngine(game) + QStringLiteral(" draws"), QStringLiteral("csv")),
               QStringLiteral("CSV files (*.csv);;All files (*)"), QStringLiteral("csv")});
    if (path.isEmpty()) {
        return;
    }
    const QString problem = saveFileBytes(path, QByteArray::fromStdString(*csv));
    say(problem.isEmpty() ? QStringLiteral("The draws of %1 are written to %2.")
                                .arg(titleOf_(game), fileNameOf(path))
                          : problem);
}

void frmGameLibrary::forgetGame() {
    const std::string game = chosenGame();
    if (game.empty()) {
        return;
    }
    if (QMessageBox::question(
            this, windowTitle(),
            QStringLiteral("Forget every draw of %1? This cannot be undone; a backup can bring "
                           "them back.")
                .arg(titleOf_(game))) != QMessageBox::Yes) {
        return;
    }
    const Result<std::int64_t> gone = library_.forget(game);
    say(gone.ok()
            ? QStringLiteral("%1 of %2 forgotten; the file is compacted.")
                  .arg(fromEngine(counted(static_cast<std::size_t>(*gone), "draw")), titleOf_(game))
            : fromEngine(gone.refusal()));
    showGames();
}

} // namespace pick3
