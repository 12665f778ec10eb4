#include "helpers/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pick3::test {

namespace {
// Polls until a modal widget is shown: a modal window may need a moment to show.
void waitForModal(std::function<void(QWidget*)> handler, std::shared_ptr<bool> ran,
                  std::shared_ptr<bool> armed, int triesLeft) {
    QTimer::singleShot(10, [handler = std::move(handler), ran, armed, triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (*armed && modal != nullptr && modal->isVisible()) {
            *ran = true;
            *armed = false;
            handler(modal);
        } else if (*armed && triesLeft > 0) {
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
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen->shown = box != nullptr;
        seen->title = modal->windowTitle();
        seen->text = box != nullptr ? box->text() : QString();
        modal->close();
    });
    return seen;
}

} // namespace pick3::test
