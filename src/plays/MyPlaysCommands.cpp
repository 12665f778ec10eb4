// What the "My plays" window does with the tickets: keeps those typed, deletes the chosen
// ones and brings them back, marks wins claimed, writes a year's plays to a CSV file or to paper.

#include "engine/plays/NextDraws.h"
#include "engine/plays/TicketReading.h"
#include "engine/stats/Chance.h"
#include "plays/frmMyPlays.h"
#include "widgets/FileAccess.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintAccess.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <map>

namespace pick3 {

namespace {

// The draw date of a line that gives none: the day of the game's next draw.
CivilDate defaultDrawDate(const GameDefinition& game, const LocalMoment& now) {
    const auto next = nextDraws(game, now, 1);
    return next.ok() && !next->empty() ? next->front().date : now.date;
}

} // namespace

// Keeps the tickets that read and that the game sells; the box is left with the lines
// not kept, and a message says why for each.
void frmMyPlays::keepTickets() {
    const GameDefinition* game = gameWithId(games_, toEngine(cboGame_->currentData().toString()));
    if (game == nullptr || library_ == nullptr) {
        return;
    }
    const LocalMoment now = gameNow(*game);
    const QString typed = txtTickets_->toPlainText();
    const ReadTickets read =
        readTickets(toEngine(typed), *game, {defaultDrawDate(*game, now), now});
    std::map<int, QString> problems; // by line
    for (const TicketLineError& error : read.errors) {
        problems[error.line] = fromEngine(error.text());
    }
    std::vector<Ticket> keep;
    for (std::size_t i = 0; i < read.tickets.size(); ++i) {
        const auto standing = judgeTicket(*game, read.tickets[i]);
        if (standing.ok()) {
            keep.push_back(read.tickets[i]);
        } else {
            problems[read.lines[i]] = QStringLiteral("line %1: %2")
                                          .arg(read.lines[i])
                                          .arg(fromEngine(standing.refusal()));
        }
    }
    if (keep.empty() && problems.empty()) {
        say(QStringLiteral("Type or paste your tickets first, one a line."));
        return;
    }
    if (!keep.empty()) {
        const auto kept = library_->keepTickets(keep);
        if (!kept.ok()) {
            say(fromEngine(kept.refusal()));
            return;
        }
    }
    const QStringList lines = typed.split(QLatin1Char('\n'));
    QStringList left;
    QStringList why;
    for (const auto& [line, text] : problems) {
        left << lines.value(line - 1);
        why << text;
    }
    txtTickets_->setPlainText(left.join(QLatin1Char('\n')));
    showTickets();
    QString message =
        QStringLiteral("Kept %1 in %2.")
            .arg(fromEngine(counted(keep.size(), "ticket")), fromEngine(game->title()));
    if (!why.isEmpty()) {
        message += QStringLiteral("\nNot kept (left in the box):\n") + why.join(QLatin1Char('\n'));
    }
    say(message);
}

std::vector<std::int64_t> frmMyPlays::chosenIds() const {
    std::vector<std::int64_t> ids;
    for (const QModelIndex& index : tblTickets_->selectionModel()->selectedRows()) {
        const auto row = static_cast<std::size_t>(index.row());
        if (row < held_.size()) {
            ids.push_back(held_[row].id);
        }
    }
    return ids;
}

void frmMyPlays::deleteChosen() {
    const std::vector<std::int64_t> ids = chosenIds();
    if (ids.empty() || library_ == nullptr || library_->readOnly()) {
        return;
    }
    const Result<Done> done = library_->deleteTickets(ids);
    if (!done.ok()) {
        say(fromEngine(done.refusal()));
        return;
    }
    deleted_.push_back(ids);
    lblUndo_->setText(QStringLiteral("%1 deleted: Ctrl+Z brings %2 back.")
                          .arg(fromEngine(counted(ids.size(), "ticket")),
                               ids.size() == 1 ? QStringLiteral("it") : QStringLiteral("them")));
    showTickets();
}

// The chosen wins marked claimed, in the library; where every one of them is claimed
// already, marked not claimed (a mark made by mistake).
void frmMyPlays::markChosenClaimed() {
    if (library_ == nullptr || library_->readOnly()) {
        return;
    }
    std::vector<std::int64_t> wins;
    bool allClaimed = true;
    for (const QModelIndex& index : tblTickets_->selectionModel()->selectedRows()) {
        const auto row = static_cast<std::size_t>(index.row());
        if (row < held_.size() && row < checked_.size() && checked_[row].check &&
            checked_[row].check->wonCents > 0) {
            wins.push_back(held_[row].id);
            allClaimed = allClaimed && held_[row].ticket.claimed;
        }
    }
    if (wins.empty()) {
        say(QStringLiteral("Choose the wins to mark claimed first."));
        return;
    }
    const Result<Done> done = library_->markClaimed(wins, !allClaimed);
    if (!done.ok()) {
        say(fromEngine(done.refusal()));
        return;
    }
    showTickets();
}

void frmMyPlays::undoDelete() {
    if (deleted_.empty() || library_ == nullptr) {
        return;
    }
    const Result<Done> done = library_->restoreTickets(deleted_.back());
    if (!done.ok()) {
        say(fromEngine(done.refusal()));
        return;
    }
    lblUndo_->setText(QStringLiteral("%1 brought back.")
                          .arg(fromEngine(counted(deleted_.back().size(), "ticket"))));
    deleted_.pop_back();
    showTickets();
}

void frmMyPlays::exportYear() {
    const int year = spnYear_->value();
    const QString path = chooseFile(this, {FileQuestion::Kind::Save, QStringLiteral("Export plays"),
                                           QStringLiteral("pick3-tallymoor plays %1.csv").arg(year),
                                           QStringLiteral("CSV files (*.csv);;All files (*)"),
                                           QStringLiteral("csv")});
    if (path.isEmpty()) {
        return;
    }
    const QString problem =
        saveFileBytes(path, QByteArray::fromStdString(playsCsv(checked_, year)));
    say(problem.isEmpty()
            ? QStringLiteral("The plays of %1 are written to %2.").arg(year).arg(fileNameOf(path))
            : problem);
}

void frmMyPlays::printPlays() {
    QString problem;
    const PrintModuleApi* print = printing(&problem);
    if (print == nullptr) {
        say(problem);
        return;
    }
    const std::optional<QString> printed =
        print->printPlays(this, QStringLiteral("Print my plays"), checked_, spnYear_->value());
    if (printed && !printed->isEmpty()) {
        say(*printed);
    }
}

} // namespace pick3
