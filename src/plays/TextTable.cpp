#include "plays/TextTable.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace pick3 {

TextTableModel::TextTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)) {}

void TextTableModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= rows_.size()) {
        return {};
    }
    return rows_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return headings_.value(section);
}

void fitColumns(QTableView* table, const std::vector<QStringList>& rows) {
    const QFontMetrics metrics(table->font());
    const int columns = table->model()->columnCount();
    for (int column = 0; column < columns; ++column) {
        QHash<QString, int> measured;
        const QString* last = nullptr;
        int widest = -1;
        int widestRow = -1;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const QString& text = rows[row].at(column);
            if (last != nullptr && text == *last) {
                continue; // the row above said the same: measured already
            }
            last = &text;
            auto width = measured.constFind(text);
            if (width == measured.constEnd()) {
                width = measured.insert(text, metrics.horizontalAdvance(text));
            }
            if (*width > widest) {
                widest = *width;
                widestRow = static_cast<int>(row);
            }
        }
        int width = table->horizontalHeader()->sectionSizeHint(column);
        if (widestRow >= 0) {
            const QModelIndex cell = table->model()->index(widestRow, column);
            width = std::max(width,
                             table->sizeHintForIndex(cell).width() + (table->showGrid() ? 1 : 0));
        }
        table->setColumnWidth(column, width);
    }
}

} // namespace pick3
