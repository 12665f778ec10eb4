#pragma once
// The draw entry of the hot/cold counter: the history box, "Count" and the
// sort option of the ranking.

#include "engine/HotCold.h"

#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace pick3 {

class DrawEntryPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DrawEntryPanel(QWidget* parent);

    // The history as typed or pasted, as UTF-8.
    std::string draws() const;
    QString text() const;
    // Replaces the whole history as one edit, which Ctrl+Z in the box undoes.
    void replaceDraws(const QString& text);
    // optSortOrder, read when a count starts.
    SortOrder sortOrder() const;
    void focusEntry();
    std::vector<QWidget*> tabOrder() const;

  Q_SIGNALS:
    void countRequested();  // cmdGo
    void importRequested(); // cmdImportDraws
    void chartsRequested(); // cmdCharts
    // A local file was dropped on the draw box.
    void fileDropped(const QString& path);

  private:
    void showWarning();

    QPlainTextEdit* txtDrawnNumber_;
    QWidget* cmdGo_;
    QWidget* cmdImportDraws_;
    QWidget* cmdCharts_;
    QLabel* lblDatedText_;
    bool warningDue_ = false;
    std::array<QRadioButton*, 2> optSortOrder_{};
};

} // namespace pick3
