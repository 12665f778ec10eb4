#pragma once
// The help window: points to the help document on the maker's web site and asks for a donation.

#include "widgets/DiscardableDialog.h"

namespace pick3 {

class frmWheelHelp : public DiscardableDialog {
    Q_OBJECT
  public:
    explicit frmWheelHelp(QWidget* parent = nullptr);
};

} // namespace pick3
