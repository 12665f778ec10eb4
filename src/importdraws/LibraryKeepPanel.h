#pragma once
// What keeping the draws in a game would do, before anything is written: how many are
// new, held already, differ from a held draw (side by side, the held one kept unless
// the player ticks the new one), lie outside the game's schedule (kept only where the
// player says so), and the game's missing draws once they are kept.

#include "engine/games/Schedule.h"
#include "store/StoredDraws.h"

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace pick3 {

class LibraryKeepPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit LibraryKeepPanel(QWidget* parent);

    // The preview for `gameTitle`, with the draws outside the schedule (kept or not) and
    // the missing draws after the keep (or why they cannot be told).
    void showPreview(const QString& gameTitle, const MergePreview& preview, std::size_t outside,
                     const Result<std::vector<HeldDraw>>& missingAfter);
    // A sentence in place of a preview (the library could not be read).
    void showProblem(const QString& problem);
    // The rows of the preview whose new number the player takes over the held one.
    std::vector<std::size_t> takeNew() const;
    bool keepOutside() const;

  Q_SIGNALS:
    // The draws outside the schedule were ticked in or out: the batch changed.
    void outsideChanged();

  private:
    void showDiffering(const MergePreview& preview);

    QLabel* lblSummary_ = nullptr;
    QTableWidget* tblDiffers_ = nullptr;
    QCheckBox* chkOutside_ = nullptr;
    QLabel* lblMissing_ = nullptr;
    std::vector<std::size_t> differingRows_; // preview rows, by table row
};

// "12 new draws, 880 already held, 2 differ from a held draw"
QString mergeCounts(const MergePreview& preview);

} // namespace pick3
