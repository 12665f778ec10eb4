#pragma once
// Operating modal dialogs and message boxes from a UI test: arm a handler
// before the click that opens the window; it runs once the window is the active
// modal widget.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace pick3::test {

class ModalHelper {
  public:
    ModalHelper() = default;
    ModalHelper(const ModalHelper&) = delete;
    ModalHelper& operator=(const ModalHelper&) = delete;
    // Disarms a handler that has not run yet, so that it cannot take a modal
    // window of a later step or test.
    ~ModalHelper() { *armed_ = false; }

    // Arms `handler` for the next modal widget that becomes active. The handler
    // reads or operates the widget and must close it (closeMessageBox does for
    // message boxes).
    void expect(std::function<void(QWidget*)> handler);
    // True once the armed handler has run; check it after the opening click.
    bool ran() const { return *ran_; }

  private:
    std::shared_ptr<bool> ran_ = std::make_shared<bool>(false);
    std::shared_ptr<bool> armed_ = std::make_shared<bool>(false);
};

// Shorthand: arms a handler that records the title and text of the next
// message box and presses its OK button.
struct MessageSeen {
    QString title;
    QString text;
    bool shown = false;
};
std::shared_ptr<MessageSeen> expectMessage(ModalHelper& helper);

// A child of `parent` by objectName, failing the test when it is missing.
template <typename T> T* child(const QObject* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

} // namespace pick3::test
