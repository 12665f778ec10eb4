#pragma once
// The help window: points to the help document on the maker's web site and asks for a donation.

#include <QDialog>

namespace pick3 {

class frmWheelHelp : public QDialog {
    Q_OBJECT
  public:
    explicit frmWheelHelp(QWidget* parent = nullptr);

    // "&Close", the title-bar close and Esc all end here.
    void reject() override;

  Q_SIGNALS:
    // "&Close" (or the title-bar close): the owner discards this window.
    void discardRequested();

  private:
    bool discardSent_ = false;
};

} // namespace pick3
