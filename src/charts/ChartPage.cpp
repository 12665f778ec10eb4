#include "charts/ChartPage.h"

#include "widgets/Look.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

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
    if (values == nullptr) {
        page->addWidget(picture, 1);
        return;
    }
    // The chart over its table, the split the player's to move; the window keeps
    // it for the run, in the program's own properties.
    splitter_ = named(new QSplitter(Qt::Vertical, this), objectName() + QStringLiteral("Split"));
    splitter_->addWidget(picture);
    splitter_->addWidget(values);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setChildrenCollapsible(false);
    page->addWidget(splitter_, 1);
    connect(splitter_, &QSplitter::splitterMoved, this,
            [this] { qApp->setProperty(splitKey().constData(), splitter_->saveState()); });
}

QByteArray ChartPage::splitKey() const {
    return QByteArrayLiteral("pick3.chartSplit.") + objectName().toLatin1();
}

void ChartPage::placeSplit() {
    const QByteArray kept = qApp->property(splitKey().constData()).toByteArray();
    if (!kept.isEmpty() && splitter_->restoreState(kept)) {
        return;
    }
    // At first the table shows six rows and its heading.
    auto* table = qobject_cast<QTableView*>(splitter_->widget(1));
    const int row = table != nullptr ? table->verticalHeader()->defaultSectionSize() : 24;
    const int header = table != nullptr ? table->horizontalHeader()->sizeHint().height() : 24;
    const int wanted = header + 6 * row + 2 * (table != nullptr ? table->frameWidth() : 1) + 4;
    const int total = splitter_->height();
    splitter_->setSizes({std::max(total - wanted, total / 2), std::min(wanted, total / 2)});
}

void ChartPage::setDraws(std::shared_ptr<const ChartDraws> draws) {
    draws_ = std::move(draws);
    drawn_ = false;
    due_ = true;
    redrawIfShown();
}

void ChartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (splitter_ != nullptr && !splitPlaced_) {
        splitPlaced_ = true;
        placeSplit();
    }
    redrawIfShown();
}

void ChartPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!redrawWhenResized_ || !draws_) {
        return;
    }
    if (resized_ == nullptr) {
        // Once the size settles: a dragged window edge would otherwise draw at every step.
        resized_ = new QTimer(this);
        resized_->setSingleShot(true);
        resized_->setInterval(150);
        connect(resized_, &QTimer::timeout, this, [this] {
            due_ = true;
            redrawIfShown();
        });
    }
    drawn_ = false;
    resized_->start();
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
