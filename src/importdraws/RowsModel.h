#pragma once
// A read-only table whose cells are worked out when they are shown, so that a
// preview of millions of rows costs nothing until it is scrolled to.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <optional>

namespace pick3 {

class RowsModel : public QAbstractTableModel {
  public:
    using Cell = std::function<QString(int row, int column)>;
    RowsModel(QStringList headers, QObject* parent)
        : QAbstractTableModel(parent), headers_(std::move(headers)) {}

    // Replaces every row at once; with headers, the columns too.
    void show(int rows, Cell cell, std::optional<QStringList> headers = std::nullopt) {
        beginResetModel();
        if (headers) {
            headers_ = std::move(*headers);
        }
        rows_ = rows;
        cell_ = std::move(cell);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || !cell_) {
            return {};
        }
        return cell_(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        return headers_.value(section);
    }

  private:
    QStringList headers_;
    int rows_ = 0;
    Cell cell_;
};

} // namespace pick3
