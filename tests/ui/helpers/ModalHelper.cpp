#include "helpers/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pick3::test {

namespace {
// Polls until a modal widget is active, then hands it to the handler. Polling
// (rather than one shot) survives a modal window that needs a moment to show.
void waitForModal(std::function<void(QWidget*)> handler, std::shared_ptr<bool> ran,
                  std::shared_ptr<bool> armed, int triesLeft) {
    QTimer::singleShot(10, [handler = std::move(handler), ran, armed, triesLeft]() mutable {
        if (!*armed) {
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            *ran = true;
            *armed = false;
            handler(modal);
        } else if (triesLeft > 0) {
            waitForModal(std::move(handler), ran, armed, triesLeft - 1);
        }
    });
}
} // namespace

void ModalHelper::expect(std::function<void(QWidget*)> handler) {
    *ran_ = false;
    *armed_ = false; // a handler armed before and not run yet is replaced
    armed_ = std::make_shared<bool>(true);
    waitForModal(std::move(handler), ran_, armed_, 500);
}

std::shared_ptr<MessageSeen> expectMessage(ModalHelper& helper) {
    auto seen = std::make_shared<MessageSeen>();
    helper.expect([seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen->shown = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            box->button(QMessageBox::Ok)->click();
        } else {
            modal->close();
        }
    });
    return seen;
}

} // namespace pick3::test
