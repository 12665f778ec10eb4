#pragma once
// The draw entry of the hot/cold counter: the history box, "Count" and the
// sort option of the ranking.

#include "engine/HotCold.h"

#include <QWidget>
#include <array>
#include <vector>

class QPlainTextEdit;
class QRadioButton;

namespace pick3 {

class DrawEntryPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DrawEntryPanel(QWidget* parent);

    // The history as typed or pasted, as UTF-8.
    std::string draws() const;
    // optSortOrder, read when a count starts.
    SortOrder sortOrder() const;
    void focusEntry();
    std::vector<QWidget*> tabOrder() const;

  Q_SIGNALS:
    void countRequested(); // cmdGo

  private:
    QPlainTextEdit* txtDrawnNumber_;
    QWidget* cmdGo_;
    std::array<QRadioButton*, 2> optSortOrder_{};
};

} // namespace pick3
