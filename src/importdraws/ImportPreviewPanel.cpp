#include "importdraws/ImportPreviewPanel.h"

#include "importdraws/ConflictsTable.h"
#include "importdraws/ImportDates.h"
#include "importdraws/RowsModel.h"
#include "widgets/Look.h"

#include <QHeaderView>
#include <QTableView>

namespace pick3 {

namespace {

QTableView* makeView(const QString& name, const QString& heading, RowsModel* model,
                     QWidget* parent) {
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    // Fixed row heights and no measuring of contents: a million rows cost nothing.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    describe(view, heading);
    return view;
}

} // namespace

ImportPreviewPanel::ImportPreviewPanel(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("tabImportPreview"));
    describe(this, QStringLiteral("Preview"));
    draws_ =
        new RowsModel({QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Draw time"),
                       QStringLiteral("Number"), QStringLiteral("Line")},
                      this);
    unread_ = new RowsModel(
        {QStringLiteral("Line"), QStringLiteral("Why not read"), QStringLiteral("Text")}, this);
    twice_ = new RowsModel({QStringLiteral("Date"), QStringLiteral("Draw time"),
                            QStringLiteral("Number"), QStringLiteral("Lines")},
                           this);
    missing_ = new RowsModel({QStringLiteral("Date"), QStringLiteral("Day")}, this);
    tblDraws_ =
        makeView(QStringLiteral("tblImportedDraws"), QStringLiteral("Draws to use"), draws_, this);
    addTab(tblDraws_, QString());
    addTab(
        makeView(QStringLiteral("tblUnreadLines"), QStringLiteral("Lines not read"), unread_, this),
        QString());
    tblConflicts_ = new ConflictsTable(this);
    connect(tblConflicts_, &ConflictsTable::picked, this, &ImportPreviewPanel::conflictPicked);
    addTab(tblConflicts_, QString());
    addTab(
        makeView(QStringLiteral("tblRowsTwice"), QStringLiteral("Rows given twice"), twice_, this),
        QString());
    addTab(makeView(QStringLiteral("tblMissingDates"), QStringLiteral("Missing dates"), missing_,
                    this),
           QString());
    const int digitWidth = tblDraws_->fontMetrics().horizontalAdvance(QStringLiteral("0"));
    for (const auto& [column, digits] : {std::pair{0, 13}, {1, 6}, {2, 14}, {3, 9}}) {
        tblDraws_->setColumnWidth(column, digits * digitWidth);
    }
}

void ImportPreviewPanel::showReading(const std::shared_ptr<const ImportResult>& result,
                                     std::shared_ptr<const GameFindings> findings) {
    findings_ = std::move(findings);
    tblConflicts_->showConflicts(result.get());
    showProblems(result);
}

std::vector<std::optional<std::uint16_t>>
ImportPreviewPanel::conflictPicks(std::size_t conflicts) const {
    return tblConflicts_->picks(conflicts);
}

// The tabs of lines not read, rows given twice and missing dates.
void ImportPreviewPanel::showProblems(const std::shared_ptr<const ImportResult>& result) {
    const ImportResult none;
    const ImportResult& r = result ? *result : none;
    unread_->show(static_cast<int>(r.unread.size()), [result](int row, int column) {
        const UnreadLine& line = result->unread[static_cast<std::size_t>(row)];
        return column == 0   ? QString::number(line.line)
               : column == 1 ? fromEngine(line.reason)
                             : fromEngine(line.text);
    });
    twice_->show(static_cast<int>(r.duplicates.size()), [result](int row, int column) {
        const DuplicateRow& twice = result->duplicates[static_cast<std::size_t>(row)];
        return column == 0   ? fromEngine(isoDateText(twice.draw.day))
               : column == 1 ? fromEngine(result->drawTimes[twice.draw.time])
               : column == 2 ? drawText(twice.draw.number)
                             : QStringLiteral("%1, %2").arg(twice.draw.line).arg(twice.repeatLine);
    });
    showMissing(result);
    setTabText(1, QStringLiteral("Not r&ead (%1)").arg(r.unreadCount));
    widget(1)->setToolTip(
        r.unreadCount > r.unread.size()
            ? QStringLiteral("The first %1 of them are listed.").arg(r.unread.size())
            : QString());
    setTabText(2, QStringLiteral("Co&nflicts (%1)").arg(r.conflicts.size()));
    setTabText(3, QStringLiteral("Rows t&wice (%1)").arg(r.duplicates.size()));
}

// The dates with no draw, or with a game the draws its schedule held that the text lacks.
void ImportPreviewPanel::showMissing(const std::shared_ptr<const ImportResult>& result) {
    if (findings_ == nullptr || result == nullptr) {
        const std::size_t rows = result ? result->missingDates.size() : 0;
        missing_->show(
            static_cast<int>(rows),
            [result](int row, int column) {
                const DayNumber day = result->missingDates[static_cast<std::size_t>(row)];
                return fromEngine(column == 0 ? isoDateText(day) : weekdayText(day));
            },
            QStringList{QStringLiteral("Date"), QStringLiteral("Day")});
        setTabText(4, QStringLiteral("Missin&g dates (%1)").arg(rows));
        widget(4)->setToolTip(QString());
        return;
    }
    missing_->show(
        static_cast<int>(findings_->missing.size()),
        [findings = findings_](int row, int column) {
            const HeldDraw& draw = findings->missing[static_cast<std::size_t>(row)];
            return fromEngine(column == 0 ? draw.date.text()
                              : column == 1
                                  ? std::string(weekdayName(draw.date.weekday())).substr(0, 3)
                                  : draw.drawTime);
        },
        QStringList{QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Draw time")});
    setTabText(4, QStringLiteral("Missin&g draws (%1)").arg(findings_->missing.size()));
    widget(4)->setToolTip(fromEngine(findings_->missingRefusal));
}

void ImportPreviewPanel::showKept(const std::shared_ptr<const ImportResult>& result,
                                  const std::shared_ptr<const std::vector<DatedDraw>>& kept) {
    // The add-on's digits in a column of their own, titled by its name ("Fireball").
    const QString addOn = findings_ && result ? fromEngine(findings_->addOnName) : QString();
    QStringList headers{QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Draw time"),
                        QStringLiteral("Number"), QStringLiteral("Line")};
    if (!addOn.isEmpty()) {
        headers.insert(4, addOn);
    }
    const bool withAddOn = !addOn.isEmpty();
    draws_->show(
        static_cast<int>(kept->size()),
        [result, kept, withAddOn](int row, int at) {
            const DatedDraw& d = (*kept)[static_cast<std::size_t>(row)];
            if (withAddOn && at == 4) {
                return d.addOn < 0 ? QString() : QString::number(d.addOn);
            }
            const int column = withAddOn && at > 4 ? at - 1 : at;
            switch (column) {
            case 0:
                return fromEngine(isoDateText(d.day));
            case 1:
                return fromEngine(weekdayText(d.day));
            case 2:
                return fromEngine(result->drawTimes[d.time]);
            case 3:
                return drawText(d.number);
            default:
                return QString::number(d.line);
            }
        },
        headers);
    setTabText(0, QStringLiteral("&Draws to use (%1)").arg(kept->size()));
}

} // namespace pick3
