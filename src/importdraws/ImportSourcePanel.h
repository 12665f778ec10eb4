#pragma once
// Where the import window reads from: a file, the clipboard or the draw box,
// and which of them the preview shows.

#include <QWidget>

class QLabel;
class QPushButton;

namespace pick3 {

class ImportSourcePanel : public QWidget {
    Q_OBJECT
  public:
    explicit ImportSourcePanel(QWidget* parent);

    // "Read from the clipboard."; empty before the first reading.
    void setSource(const QString& source);
    // Where the keyboard starts in the window.
    QPushButton* firstButton() const { return cmdFile_; }

  Q_SIGNALS:
    void fileChosen(const QString& path);
    void clipboardChosen();
    void drawBoxChosen();

  private:
    void chooseFile();

    QPushButton* cmdFile_ = nullptr;
    QLabel* lblSource_ = nullptr;
};

} // namespace pick3
