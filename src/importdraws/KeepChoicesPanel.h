#pragma once
// "What goes into the draw box": the draw times to use, the dates, the newest
// so many draws and which end of the draw box the newest goes to.

#include "engine/history/DrawImport.h"

#include <QGroupBox>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;

namespace pick3 {

class KeepChoicesPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit KeepChoicesPanel(QWidget* parent);

    // The choices as they stand; the conflicts' picks are the preview's.
    KeepChoices choices() const;
    bool newestFirst() const;
    // A draw-time tick per draw time of the reading (none without one); a
    // draw time unticked stays so when the text is read again.
    void showDrawTimes(const ImportResult* result);
    // The dates the reading spans, all of them chosen.
    void showDates(const ImportResult& result);

  Q_SIGNALS:
    void changed();

  private:
    QLayout* makeDateRange();
    QLayout* makeLastDraws();
    QLayout* makeOrder();

    QHBoxLayout* drawTimesRow_ = nullptr;
    std::vector<QCheckBox*> chkDrawTime_;
    QDateEdit* dtpFrom_ = nullptr;
    QDateEdit* dtpTo_ = nullptr;
    QComboBox* cboLastDraws_ = nullptr;
    QButtonGroup* newest_ = nullptr;
};

} // namespace pick3
