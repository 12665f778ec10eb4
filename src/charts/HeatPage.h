#pragma once
// The digit heat map: how often each digit came in each position and in any
// position, coloured by how unusual that is by the game's odds. A table of
// coloured cells, so that the keyboard and a screen reader reach every one.

#include "charts/ChartPage.h"
#include "engine/stats/ChartSeries.h"

class QComboBox;
class QLabel;

namespace pick3 {

class HeatPage : public ChartPage {
    Q_OBJECT
  public:
    explicit HeatPage(QWidget* parent);
    QWidget* picture() const override { return picture_; }
    const DigitHeat& heat() const { return heat_; }

  protected:
    void redraw() override;

  private:
    void show(const DigitHeat& heat);
    void showCell(int row, int column);
    QWidget* makeKey(QWidget* parent);

    QComboBox* window_;
    QWidget* picture_;
    QTableWidget* table_;
    QLabel* luck_;
    QLabel* cell_;
    DigitHeat heat_;
};

} // namespace pick3
