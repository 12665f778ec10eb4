#include "importdraws/ConflictsTable.h"

#include "importdraws/ImportDates.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHeaderView>

namespace pick3 {

namespace {
// Conflicts get a choice of their own up to this many; the rest stay out.
constexpr int kListedConflicts = 200;
} // namespace

ConflictsTable::ConflictsTable(QWidget* parent) : QTableWidget(0, 4, parent) {
    setObjectName(QStringLiteral("tblConflicts"));
    setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Draw time"),
                               QStringLiteral("Numbers given"), QStringLiteral("Number to use")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    horizontalHeader()->setStretchLastSection(true);
    describe(this, QStringLiteral("Conflicts"),
             QStringLiteral("A date and draw time given with different numbers stays out of the "
                            "draw box until you pick the number to use"));
}

void ConflictsTable::showConflicts(const ImportResult* result) {
    const std::size_t all = result ? result->conflicts.size() : 0;
    const int listed = static_cast<int>(std::min<std::size_t>(all, kListedConflicts));
    setRowCount(listed);
    for (int row = 0; row < listed; ++row) {
        const Conflict& c = result->conflicts[static_cast<std::size_t>(row)];
        // Every number given, with its line, stays in view beside the choice.
        QStringList given;
        for (std::size_t n = 0; n < c.numbers.size(); ++n) {
            given << QStringLiteral("%1 (line %2)").arg(drawText(c.numbers[n])).arg(c.lines[n]);
        }
        const QStringList cells{fromEngine(weekdayText(c.day) + " " + isoDateText(c.day)),
                                fromEngine(result->drawTimes[c.time]),
                                given.join(QStringLiteral(", "))};
        for (int column = 0; column < 3; ++column) {
            setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        auto* pick = named(new QComboBox, QStringLiteral("cboConflict(%1)").arg(row));
        pick->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        pick->addItem(QStringLiteral("leave out"), -1);
        for (std::size_t n = 0; n < c.numbers.size(); ++n) {
            pick->addItem(given[static_cast<int>(n)], c.numbers[n]);
        }
        describe(pick, QStringLiteral("Number to use on %1 %2").arg(cells[0], cells[1]));
        connect(pick, &QComboBox::currentIndexChanged, this, &ConflictsTable::picked);
        setCellWidget(row, 3, pick);
    }
    resizeColumnsToContents();
    setToolTip(all > kListedConflicts
                   ? QStringLiteral("The first %1 of %2 conflicts are listed; the others stay out.")
                         .arg(kListedConflicts)
                         .arg(all)
                   : accessibleDescription());
}

std::vector<std::optional<std::uint16_t>> ConflictsTable::picks(std::size_t conflicts) const {
    std::vector<std::optional<std::uint16_t>> picks;
    for (int row = 0; row < rowCount(); ++row) {
        const auto* pick = static_cast<QComboBox*>(cellWidget(row, 3));
        const int picked = pick->currentData().toInt();
        picks.push_back(picked < 0 ? std::nullopt : std::optional<std::uint16_t>(picked));
    }
    picks.resize(conflicts);
    return picks;
}

} // namespace pick3
