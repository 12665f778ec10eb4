#pragma once
// A window's frame: the red "&Close" in the top-left corner, the title strip
// lblStateName across the top, the side strip lblLeft down the left, and the
// content area. The gradients are painted on this widget's surface under the
// two transparent labels, so they come back after every cover and resize.

#include <QWidget>

class QLabel;
class QPushButton;

class QDialog;

namespace pick3 {

// The red "&Close" of every window (objectName cmdClose), the size of the corner square.
QPushButton* makeCloseButton(QWidget* parent);

class BannerFrame : public QWidget {
    Q_OBJECT
  public:
    explicit BannerFrame(const QString& title, QWidget* parent);
    // A banner that fills `window`, titled `title`.
    static BannerFrame* around(QWidget* window, const QString& title);
    // The same around a dialog, whose Close rejects it ("Closes this window").
    static BannerFrame* aroundDialog(QDialog* dialog, const QString& title);

    QWidget* content() const { return content_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* titleStrip() const { return title_; }
    QLabel* sideStrip() const { return side_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPushButton* close_;
    QLabel* title_;
    QLabel* side_;
    QWidget* content_;
};

} // namespace pick3
