#include "plays/frmMyPlays.h"

#include "engine/stats/Chance.h"
#include "plays/MoneyLuckPanel.h"
#include "plays/TextTable.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace pick3 {

namespace {

constexpr int kClaimSoonDays = 30;

QPushButton* makeButton(const char* name, const QString& text, const QString& tip,
                        QWidget* parent) {
    auto* button = named(new QPushButton(text, parent), QLatin1String(name));
    button->setAutoDefault(false);
    describe(button, QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")), tip);
    return button;
}

QTableWidget* makeTable(const char* name, const QStringList& headings, const QString& heading,
                        const QString& tip, QWidget* parent) {
    auto* table =
        named(new QTableWidget(0, static_cast<int>(headings.size()), parent), QLatin1String(name));
    table->setHorizontalHeaderLabels(headings);
    setUpRowsTable(table, heading, tip);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

// "won $80: boxed 6-way: 321 is 123 in another order", each win with its part.
QString winsText(const CheckedTicket& entry) {
    QStringList wins;
    for (const TicketWin& win : entry.check->wins) {
        const QString part =
            win.part == entry.standing->playName ? QString() : fromEngine(win.part) + ' ';
        wins << QStringLiteral("%1won %2: %3").arg(part, dollars(win.cents), fromEngine(win.why));
    }
    QString text = wins.join(QStringLiteral("; "));
    text += QStringLiteral("; %1").arg(fromEngine(entry.check->claimBy));
    if (entry.check->reportedForTaxes) {
        text += QStringLiteral("; ") + fromEngine(kTaxNote);
    }
    if (entry.ticket.claimed) {
        text += QStringLiteral("; claimed");
    }
    // Said once, even where the claim period's text says it already.
    const QString check = fromEngine(kCheckYourTicket);
    return text.endsWith(check) ? text : text + QStringLiteral("; ") + check;
}

// What became of a ticket: won (why, what it pays), lost, waiting, not checked, and
// "entered after the draw" before any of them.
QString resultText(const CheckedTicket& entry) {
    if (!entry.standing) {
        return fromEngine(entry.refusal);
    }
    QStringList parts;
    if (entry.standing->enteredAfterDraw) {
        parts << fromEngine(kEnteredAfterDraw);
    }
    QStringList notChecked;
    for (const std::string& text :
         entry.check ? entry.check->notChecked : entry.standing->notChecked) {
        notChecked << fromEngine(text);
    }
    if (!entry.check) {
        parts << QStringLiteral("waiting for the draw");
    } else if (!entry.check->wins.empty()) {
        parts << winsText(entry);
    } else if (notChecked.isEmpty()) {
        parts << QStringLiteral("lost");
    } else {
        parts << QStringLiteral("not checked");
    }
    return (parts + notChecked).join(QStringLiteral("; "));
}

QStringList ticketCells(const CheckedTicket& entry, const GameList& games) {
    const Ticket& ticket = entry.ticket;
    const GameDefinition* game = gameWithId(games, ticket.gameId);
    const TicketStanding* standing = entry.standing ? &*entry.standing : nullptr;
    QString play = fromEngine(standing ? standing->playName : ticket.playType);
    if (standing && !standing->addOnName.empty()) {
        play += QStringLiteral(" + ") + fromEngine(standing->addOnName);
    }
    return {fromEngine(ticket.drawDate.text()),
            fromEngine(standing ? standing->drawTime : ticket.drawTime),
            fromEngine(game ? game->title() : ticket.gameId),
            fromEngine(ticketNumberText(ticket.digits)),
            play,
            dollars(standing ? standing->costCents() : baseCostCents(ticket)),
            resultText(entry)};
}

QStringList moneyCells(const QString& what, const MoneyLine& line) {
    return {what, QString::number(line.tickets), dollars(line.stakedCents), dollars(line.wonCents),
            dollars(line.netCents())};
}

} // namespace

frmMyPlays::frmMyPlays(QWidget* parent) : DiscardableDialog(parent) {
    setObjectName(QStringLiteral("frmMyPlays"));
    setWindowTitle(QStringLiteral("My plays"));
    setSizeGripEnabled(true);
    BannerFrame* banner = BannerFrame::aroundDialog(this, QStringLiteral("My plays"));
    QWidget* area = banner->content();

    tblTickets_ = named(new QTableView(area), QStringLiteral("tblTickets"));
    tickets_ =
        new TextTableModel({QStringLiteral("Date"), QStringLiteral("Draw"), QStringLiteral("Game"),
                            QStringLiteral("Ticket"), QStringLiteral("Play"),
                            QStringLiteral("Stake"), QStringLiteral("Result")},
                           tblTickets_);
    tblTickets_->setModel(tickets_);
    setUpRowsTable(
        tblTickets_, QStringLiteral("Tickets kept"),
        QStringLiteral("Your tickets, each checked against its draw where the library "
                       "holds it; Delete deletes the chosen ones, Ctrl+Z brings them back"));
    tblTotals_ = makeTable("tblPlayTotals",
                           {QStringLiteral("Totals"), QStringLiteral("Tickets"),
                            QStringLiteral("Staked"), QStringLiteral("Won"), QStringLiteral("Net")},
                           QStringLiteral("Totals"),
                           QStringLiteral("Staked, won and net of the tickets checked: all, per "
                                          "month, per play type and per game"),
                           area);
    tblTotals_->setSelectionMode(QAbstractItemView::NoSelection);
    tblTotals_->setMaximumHeight(7 * tblTotals_->fontMetrics().lineSpacing());
    lblTotals_ = makeLabel(QStringLiteral("lblPlayTotals"), QString(), area);
    lblTotals_->setWordWrap(true);
    QLabel* helpLine = makeLabel(
        QStringLiteral("lblHelpLine"),
        QStringLiteral("If gambling is a problem for you or someone you know, call the national "
                       "problem-gambling help line: 1-800-GAMBLER."),
        area);
    helpLine->setWordWrap(true);
    moneyLuck_ = new MoneyLuckPanel(area);
    lblCorrections_ = makeLabel(QStringLiteral("lblCorrections"), QString(), area);
    lblCorrections_->setWordWrap(true);
    lblCorrections_->hide();

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(makeEntry(area));
    column->addWidget(lblCorrections_);
    column->addWidget(tblTickets_, 1);
    column->addWidget(makeTicketCommands(area));
    column->addWidget(tblTotals_);
    column->addWidget(lblTotals_);
    column->addWidget(moneyLuck_);
    column->addWidget(helpLine);
    setTabOrder(tblTotals_, moneyLuck_->chartButton());
    setTabOrder(moneyLuck_->chartButton(), banner->closeButton());
    new QShortcut(QKeySequence::Undo, this, this, &frmMyPlays::undoDelete);
    new QShortcut(QKeySequence::Delete, tblTickets_, this, &frmMyPlays::deleteChosen);
    txtTickets_->setFocus();
    resize(920, 600);
}

QWidget* frmMyPlays::makeEntry(QWidget* area) {
    auto* entry = new QWidget(area);
    txtTickets_ = named(new QPlainTextEdit(entry), QStringLiteral("txtTickets"));
    txtTickets_->setTabChangesFocus(true);
    txtTickets_->setPlaceholderText(
        QStringLiteral("123 straight $1 Evening 12/08/2026\n4-5-6 box 0.50 Midday"));
    txtTickets_->setFixedHeight(5 * txtTickets_->fontMetrics().lineSpacing());
    QLabel* ticketsLabel =
        makeLabel(QStringLiteral("lblTickets"), QStringLiteral("&Tickets, one a line:"), entry);
    ticketsLabel->setBuddy(txtTickets_);
    describe(txtTickets_, QStringLiteral("Tickets, one a line"),
             QStringLiteral("Type or paste your tickets as printed: number, play, stake, draw "
                            "time and date (the next draw where none is written)"));
    cboGame_ = named(new QComboBox(entry), QStringLiteral("cboPlaysGame"));
    describe(cboGame_, QStringLiteral("Game"), QStringLiteral("The game the tickets are of"));
    QLabel* gameLabel = makeLabel(QStringLiteral("lblPlaysGame"), QStringLiteral("&Game:"), entry);
    gameLabel->setBuddy(cboGame_);
    cmdKeep_ = makeButton("cmdKeepTickets", QStringLiteral("&Keep tickets"),
                          QStringLiteral("Reads the tickets and keeps them in the library"), entry);
    connect(cmdKeep_, &QPushButton::clicked, this, &frmMyPlays::keepTickets);
    lblClaims_ = makeLabel(QStringLiteral("lblClaims"), QString(), entry);
    lblClaims_->setWordWrap(true);
    lblClaims_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* gameRow = new QHBoxLayout;
    gameRow->addWidget(gameLabel);
    gameRow->addWidget(cboGame_, 1);
    gameRow->addWidget(cmdKeep_);
    auto* typing = new QVBoxLayout;
    typing->addWidget(ticketsLabel);
    typing->addWidget(txtTickets_);
    typing->addLayout(gameRow);
    auto* row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(typing, 1);
    row->addWidget(lblClaims_, 1);
    setTabOrder(txtTickets_, cboGame_);
    setTabOrder(cboGame_, cmdKeep_);
    setTabOrder(cmdKeep_, tblTickets_);
    return entry;
}

QWidget* frmMyPlays::makeTicketCommands(QWidget* area) {
    auto* commands = new QWidget(area);
    cmdDelete_ =
        makeButton("cmdDeleteTickets", QStringLiteral("&Delete"),
                   QStringLiteral("Deletes the chosen tickets; Ctrl+Z brings them back"), commands);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmMyPlays::deleteChosen);
    cmdClaimed_ = makeButton("cmdMarkClaimed", QStringLiteral("&Mark claimed"),
                             QStringLiteral("Marks the chosen wins claimed, or, where all of them "
                                            "are, not claimed"),
                             commands);
    connect(cmdClaimed_, &QPushButton::clicked, this, &frmMyPlays::markChosenClaimed);
    lblUndo_ = makeLabel(QStringLiteral("lblUndoDelete"), QString(), commands);
    spnYear_ = named(new QSpinBox(commands), QStringLiteral("spnPlaysYear"));
    spnYear_->setRange(1980, 9999);
    spnYear_->setValue(QDate::currentDate().year());
    describe(spnYear_, QStringLiteral("Year"), QStringLiteral("The year to export or print"));
    // The field's own line edit is what a screen reader lands on.
    spnYear_->findChild<QLineEdit*>()->setAccessibleName(QStringLiteral("Year"));
    QLabel* yearLabel =
        makeLabel(QStringLiteral("lblPlaysYear"), QStringLiteral("&Year:"), commands);
    yearLabel->setBuddy(spnYear_);
    QPushButton* exportCsv = makeButton(
        "cmdExportPlays", QStringLiteral("E&xport CSV..."),
        QStringLiteral("Writes the year's plays and their totals to a CSV file"), commands);
    QPushButton* print =
        makeButton("cmdPrintPlays", QStringLiteral("&Print..."),
                   QStringLiteral("Prints the year's plays and their totals"), commands);
    connect(exportCsv, &QPushButton::clicked, this, &frmMyPlays::exportYear);
    connect(print, &QPushButton::clicked, this, &frmMyPlays::printPlays);
    auto* row = new QHBoxLayout(commands);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(cmdDelete_);
    row->addWidget(cmdClaimed_);
    row->addWidget(lblUndo_, 1);
    row->addWidget(yearLabel);
    row->addWidget(spnYear_);
    row->addWidget(exportCsv);
    row->addWidget(print);
    setTabOrder(tblTickets_, cmdDelete_);
    setTabOrder(cmdDelete_, cmdClaimed_);
    setTabOrder(cmdClaimed_, spnYear_);
    setTabOrder(spnYear_, exportCsv);
    setTabOrder(exportCsv, print);
    setTabOrder(print, tblTotals_);
    return commands;
}

void frmMyPlays::showEvent(QShowEvent* event) {
    DiscardableDialog::showEvent(event);
    if (opened_) {
        return;
    }
    opened_ = true;
    games_ = playableGames();
    listGames(cboGame_, games_);
    library_ = openGameLibrary(this);
    cmdKeep_->setEnabled(library_ != nullptr && !library_->readOnly() && !games_.empty());
    cmdDelete_->setEnabled(library_ != nullptr && !library_->readOnly());
    cmdClaimed_->setEnabled(cmdDelete_->isEnabled());
    showTickets();
}

void frmMyPlays::showTickets() {
    held_.clear();
    if (library_ != nullptr) {
        Result<std::vector<StoredTicket>> tickets = library_->tickets({});
        if (!tickets.ok()) {
            say(fromEngine(tickets.refusal()));
        } else {
            held_ = std::move(*tickets);
        }
    }
    std::set<std::string> ids;
    std::vector<Ticket> tickets;
    for (const StoredTicket& stored : held_) {
        ids.insert(stored.ticket.gameId);
        tickets.push_back(stored.ticket);
    }
    std::vector<GameDraws> draws;
    for (const std::string& id : ids) {
        const GameDefinition* game = gameWithId(games_, id);
        if (game == nullptr) {
            continue;
        }
        draws.push_back({game, {}});
        const Result<std::vector<StoredDraw>> held = library_->draws(id, DrawQuery{});
        for (const StoredDraw& draw : held.ok() ? *held : std::vector<StoredDraw>()) {
            if (const auto drawn = drawnNumberOf(draw)) {
                draws.back().draws.push_back(*drawn);
            }
        }
    }
    checked_ = checkTickets(tickets, draws);
    addExpectedReturns(checked_, draws);
    const QStringList corrected = correctedDraws(held_, checked_, draws);
    if (!corrected.isEmpty()) {
        lblCorrections_->setText(corrected.join(QLatin1Char('\n')));
        lblCorrections_->show();
    }
    fillTable();
    showClaims();
    showTotals();
    moneyLuck_->setTickets(checked_, draws, games_);
}

void frmMyPlays::fillTable() {
    std::vector<QStringList> rows;
    rows.reserve(checked_.size());
    for (const CheckedTicket& entry : checked_) {
        rows.push_back(ticketCells(entry, games_));
    }
    tickets_->setRows(std::move(rows));
    fitColumns(tblTickets_, tickets_->rows());
}

// The wins not yet claimed whose deadline is within 30 days, and those the lottery reports.
void frmMyPlays::showClaims() {
    QStringList soon;
    QStringList taxes;
    for (const CheckedTicket& entry : checked_) {
        if (!entry.check || entry.check->wonCents == 0) {
            continue;
        }
        const GameDefinition* game = gameWithId(games_, entry.ticket.gameId);
        const QString what =
            QStringLiteral("%1 %2 %3, %4")
                .arg(fromEngine(entry.ticket.drawDate.text()), fromEngine(entry.standing->drawTime),
                     fromEngine(ticketNumberText(entry.ticket.digits)),
                     dollars(entry.check->wonCents));
        const auto deadline = game ? claimDeadline(*game, entry.ticket.drawDate) : std::nullopt;
        const int today = game ? gameNow(*game).date.daysSinceEpoch() : 0;
        if (!entry.ticket.claimed && deadline && deadline->daysSinceEpoch() >= today &&
            deadline->daysSinceEpoch() - today <= kClaimSoonDays) {
            soon << what + QStringLiteral(": claim by ") + fromEngine(deadline->text());
        }
        if (entry.check->reportedForTaxes) {
            taxes << what + QStringLiteral(": ") + fromEngine(kTaxNote);
        }
    }
    QString text = soon.isEmpty() ? QStringLiteral("No win is to be claimed within 30 days.")
                                  : QStringLiteral("To claim within 30 days:\n") + soon.join('\n');
    if (!taxes.isEmpty()) {
        text += QStringLiteral("\n") + taxes.join('\n');
    }
    lblClaims_->setText(text);
}

void frmMyPlays::showTotals() {
    const PlayTotals totals = playTotals(checked_);
    std::map<std::string, QString> playNames;
    for (const CheckedTicket& entry : checked_) {
        if (entry.standing) {
            playNames[entry.ticket.playType] = fromEngine(entry.standing->playName);
        }
    }
    std::vector<QStringList> rows{moneyCells(QStringLiteral("All tickets checked"), totals.all)};
    for (const auto& [month, line] : totals.byMonth) {
        rows.push_back(moneyCells(fromEngine(month), line));
    }
    for (const auto& [play, line] : totals.byPlayType) {
        rows.push_back(moneyCells(playNames[play], line));
    }
    for (const auto& [id, line] : totals.byGame) {
        const GameDefinition* game = gameWithId(games_, id);
        rows.push_back(moneyCells(fromEngine(game ? game->title() : id), line));
    }
    tblTotals_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < tblTotals_->rowCount(); ++row) {
        setRow(tblTotals_, row, rows[static_cast<std::size_t>(row)]);
    }
    tblTotals_->resizeColumnsToContents();
    const long long perTicket =
        totals.all.tickets == 0 ? 0 : std::llround(totals.expectedReturnCents / totals.all.tickets);
    QString text =
        QStringLiteral("Waiting for their draw: %1, %2 staked. The prize tables return %3 per "
                       "ticket checked, on average.")
            .arg(fromEngine(counted(static_cast<std::size_t>(totals.waiting.tickets), "ticket")),
                 dollars(totals.waiting.stakedCents), dollars(perTicket));
    if (totals.enteredAfterDraw.tickets > 0) {
        text += QStringLiteral(" Entered after the draw, counted apart: %1.")
                    .arg(fromEngine(counted(
                        static_cast<std::size_t>(totals.enteredAfterDraw.tickets), "ticket")));
    }
    lblTotals_->setText(text);
}

void frmMyPlays::say(const QString& text) {
    showMessage(this, windowTitle(), text);
}

} // namespace pick3
