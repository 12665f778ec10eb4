#pragma once
// A modal window that lives from its opening to its closing: "&Close", Esc and
// the title-bar close all hide it and ask its owner, once, to discard it, so the
// next opening starts afresh.

#include <QDialog>

namespace pick3 {

class DiscardableDialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

    void reject() override {
        QDialog::reject();
        if (!discardSent_) {
            discardSent_ = true;
            Q_EMIT discardRequested();
        }
    }

  Q_SIGNALS:
    void discardRequested();

  private:
    bool discardSent_ = false;
};

} // namespace pick3
