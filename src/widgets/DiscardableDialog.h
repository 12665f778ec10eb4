#pragma once
// A modal window that its owner discards when it is closed, so that the next
// opening starts afresh. It asks once, by discardRequested(), and the
// WindowHolder that made it does the discarding: the one way any window goes.

#include <QDialog>

namespace pick3 {

class DiscardableDialog : public QDialog {
    Q_OBJECT
  public:
    // Every close, or only the window's own "&Close"; then Esc and the
    // title-bar close just hide it and it keeps its state.
    enum class Discard { OnEveryClose, OnCloseButtonOnly };

    explicit DiscardableDialog(QWidget* parent, Discard discard = Discard::OnEveryClose)
        : QDialog(parent), discard_(discard) {
        setModal(true);
    }

    void reject() override {
        QDialog::reject();
        if (discard_ == Discard::OnEveryClose) {
            requestDiscard();
        }
    }

  Q_SIGNALS:
    void discardRequested();

  protected:
    // Ends the modal loop and asks to be discarded (the "&Close" of a window that
    // only hides otherwise).
    void closeAndDiscard() {
        QDialog::accept();
        requestDiscard();
    }

  private:
    void requestDiscard() {
        if (!discardSent_) {
            discardSent_ = true;
            Q_EMIT discardRequested();
        }
    }

    Discard discard_;
    bool discardSent_ = false;
};

} // namespace pick3
