#pragma once
// The charts window: pictures of what the program computes about a history,
// each against what luck alone gives. One page per chart, chosen in the list
// on the left; every page can be saved as PNG or SVG and printed.

#include "charts/ChartDraws.h"
#include "widgets/DiscardableDialog.h"

#include <memory>

class QButtonGroup;
class QLabel;
class QListWidget;
class QStackedWidget;

namespace pick3 {

class ChartPage;

class frmCharts : public DiscardableDialog {
    Q_OBJECT
  public:
    // The draws of a count in "HotCold" or of a back-test, in the order of the text.
    explicit frmCharts(ChartSource source, QWidget* parent = nullptr);

    int pageCount() const;
    ChartPage* page(int index) const;
    ChartPage* currentPage() const;
    // Saves the current page's picture; empty when saved, else the message shown.
    QString savePicture(const QString& path);

  private:
    void addPages();
    // One line per page: listed on the left, told the draws.
    void addPage(ChartPage* page);
    QWidget* makeNewestChoice(QWidget* parent);
    QWidget* makeButtons(QWidget* parent);
    void setNewest(NewestEnd newest);
    void cmdSave_Click(const QString& format);
    void cmdPrint_Click();

    ChartSource source_;
    std::shared_ptr<const ChartDraws> draws_;
    QLabel* lblDraws_ = nullptr;
    QButtonGroup* newest_ = nullptr;
    QListWidget* pages_ = nullptr;
    QStackedWidget* stack_ = nullptr;
};

} // namespace pick3
