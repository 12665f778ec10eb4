#pragma once
// A read-only table of texts, a row of cells each, for the long lists of the plays
// windows: a season of tickets is tens of thousands of cells, which a model holding
// the texts shows without an item object for each, and whose columns are fitted to
// every row's texts.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QTableView;

namespace pick3 {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    TextTableModel(QStringList headings, QObject* parent);

    void setRows(std::vector<QStringList> rows); // replaces every row
    const std::vector<QStringList>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList headings_;
    std::vector<QStringList> rows_;
};

// Each column of `table` as wide as the widest of its texts, every row looked at (Qt's own
// fitting looks at a thousand rows of a long table, and measures each text once a row): a
// text is measured once however many rows hold it, and the widest one's cell sized as Qt
// sizes it; never narrower than its heading.
void fitColumns(QTableView* table, const std::vector<QStringList>& rows);

} // namespace pick3
