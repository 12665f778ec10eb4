#pragma once
// The draw entry of the hot/cold counter: the history box, "Count" and the
// sort option of the ranking.

#include "engine/numbers/HotCold.h"

#include <QWidget>
#include <array>
#include <vector>

class QHBoxLayout;
class QLabel;
class QRadioButton;

namespace pick3 {

class TextBox;

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
    // Places `widget` to the right of "Count" and its choices.
    void addBesideCount(QWidget* widget);
    std::vector<QWidget*> tabOrder() const;

  Q_SIGNALS:
    void countRequested();  // cmdGo
    void importRequested(); // cmdImportDraws
    void chartsRequested(); // cmdCharts
    // A local file was dropped on the draw box.
    void fileDropped(const QString& path);

  private:
    void makeDrawBox(QLabel* heading);
    void makeButtons();
    void makeDatedWarning();
    QWidget* makeSortFrame();
    void layOut(QLabel* heading, QLabel* hint, QWidget* sortFrame);
    void showWarning();

    TextBox* txtDrawnNumber_ = nullptr;
    QWidget* cmdGo_ = nullptr;
    QWidget* cmdImportDraws_ = nullptr;
    QWidget* cmdCharts_ = nullptr;
    QLabel* lblDatedText_ = nullptr;
    QHBoxLayout* entryRow_ = nullptr;
    bool warningDue_ = false;
    std::array<QRadioButton*, 2> optSortOrder_{};
};

} // namespace pick3
