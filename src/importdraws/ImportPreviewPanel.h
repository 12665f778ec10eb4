#pragma once
// The import window's preview: the draws that go into the draw box, and the
// tabs of what a reading found wrong (lines not read, conflicts, rows given
// twice, missing dates). Large readings cost nothing until scrolled to.

#include "engine/history/DrawImport.h"
#include "importdraws/GameReading.h"

#include <QTabWidget>
#include <memory>
#include <vector>

class QTableView;

namespace pick3 {

class ConflictsTable;
class RowsModel;

class ImportPreviewPanel : public QTabWidget {
    Q_OBJECT
  public:
    explicit ImportPreviewPanel(QWidget* parent);

    // A new reading's problems and conflicts; none clears them. With a game's findings the
    // missing tab lists missing draws (date and draw time), and an add-on has a column.
    void showReading(const std::shared_ptr<const ImportResult>& result,
                     std::shared_ptr<const GameFindings> findings = nullptr);
    // The draws that go into the draw box, as the choices stand.
    void showKept(const std::shared_ptr<const ImportResult>& result,
                  const std::shared_ptr<const std::vector<DatedDraw>>& kept);
    // The number picked for each conflict of the reading.
    std::vector<std::optional<std::uint16_t>> conflictPicks(std::size_t conflicts) const;
    QTableView* drawsView() const { return tblDraws_; }

  Q_SIGNALS:
    void conflictPicked();

  private:
    void showProblems(const std::shared_ptr<const ImportResult>& result);
    void showMissing(const std::shared_ptr<const ImportResult>& result);

    RowsModel* draws_ = nullptr;
    RowsModel* unread_ = nullptr;
    RowsModel* twice_ = nullptr;
    RowsModel* missing_ = nullptr;
    QTableView* tblDraws_ = nullptr;
    ConflictsTable* tblConflicts_ = nullptr;
    std::shared_ptr<const GameFindings> findings_;
};

} // namespace pick3
