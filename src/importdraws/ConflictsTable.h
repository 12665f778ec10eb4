#pragma once
// The preview's conflicts: each date and draw time given with different
// numbers, and the number the user picks to use for it (none: left out).

#include "engine/history/DrawImport.h"

#include <QTableWidget>
#include <optional>
#include <vector>

namespace pick3 {

class ConflictsTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit ConflictsTable(QWidget* parent);

    void showConflicts(const ImportResult* result);
    // The pick for each conflict of the reading; those not listed stay out.
    std::vector<std::optional<std::uint16_t>> picks(std::size_t conflicts) const;

  Q_SIGNALS:
    void picked();
};

} // namespace pick3
