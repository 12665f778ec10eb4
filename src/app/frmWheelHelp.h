#pragma once
// The help window: points to the help document on the maker's web site and asks for a donation.

#include <QDialog>

namespace pick3 {

class frmWheelHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmWheelHelp(QWidget* parent = nullptr);

Q_SIGNALS:
    // "&Close" (or the title-bar close): the owner discards this window.
    void discardRequested();
};

} // namespace pick3
