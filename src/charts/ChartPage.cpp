#include "charts/ChartPage.h"

#include "widgets/Look.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pick3 {

ChartPage::ChartPage(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {}

void ChartPage::layOutPage(std::initializer_list<QWidget*> choices, QWidget* picture,
                           QWidget* values) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    if (choices.size() > 0) {
        auto* row = new QHBoxLayout;
        for (QWidget* choice : choices) {
            row->addWidget(choice);
        }
        row->addStretch(1);
        page->addLayout(row);
    }
    page->addWidget(picture, values != nullptr ? 4 : 1);
    if (values != nullptr) {
        page->addWidget(values, 1);
    }
}

void ChartPage::setDraws(std::shared_ptr<const ChartDraws> draws) {
    draws_ = std::move(draws);
    drawn_ = false;
    due_ = true;
    redrawIfShown();
}

void ChartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    redrawIfShown();
}

void ChartPage::redrawIfShown() {
    if (due_ && draws_ && isVisible()) {
        due_ = false;
        redraw();
    }
}

QTableWidget* makeValuesTable(const QString& name, const QString& heading,
                              const QStringList& columns, QWidget* parent) {
    auto* table = named(new QTableWidget(0, static_cast<int>(columns.size()), parent), name);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(60);
    describe(table, heading);
    table->horizontalHeader()->setAccessibleName(heading + QStringLiteral(": columns"));
    return table;
}

void setValuesRow(QTableWidget* table, int row, const QStringList& cells) {
    if (table->rowCount() <= row) {
        table->setRowCount(row + 1);
    }
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

} // namespace pick3
