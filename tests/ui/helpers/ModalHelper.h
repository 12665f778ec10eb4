#pragma once
// Operating modal dialogs and message boxes from a UI test: arm a handler
// before the click that opens the window; it runs once the window is the active
// modal widget, and must close it.

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
    // A handler that has not run yet cannot take a modal window of a later step.
    ~ModalHelper() { *armed_ = false; }

    // Arms `handler` for the next modal widget that becomes active.
    void expect(std::function<void(QWidget*)> handler);
    // True once the armed handler has run; check it after the opening click.
    bool ran() const { return *ran_; }

  private:
    std::shared_ptr<bool> ran_ = std::make_shared<bool>(false);
    std::shared_ptr<bool> armed_ = std::make_shared<bool>(false);
};

// Arms a handler that records the title and text of the next message box and presses OK.
struct MessageSeen {
    QString title;
    QString text;
    bool shown = false;
};
std::shared_ptr<MessageSeen> expectMessage(ModalHelper& helper);

// A child of `parent` by objectName; null when there is none.
template <typename T> T* child(const QObject* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

} // namespace pick3::test
