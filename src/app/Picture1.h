#pragma once
// The main window's small product picture; a click opens the download page.

#include <QWidget>

namespace pick3 {

class Picture1 : public QWidget {
    Q_OBJECT
  public:
    explicit Picture1(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void openDownloadPage();
};

} // namespace pick3
