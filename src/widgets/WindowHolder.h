#pragma once
// One instance per window class: created on first use (its constructor is the
// load handler), discarded when it asks to be (DiscardableDialog), and created
// afresh, in its initial state, by the next use.

#include <QObject>
#include <QPointer>
#include <functional>

namespace pick3 {

template <typename Window> class WindowHolder {
  public:
    // `make` is the owner's member function that creates and connects the window.
    template <typename Owner>
    WindowHolder(Owner* owner, Window* (Owner::*make)())
        : make_([owner, make] { return (owner->*make)(); }) {}
    ~WindowHolder() { QObject::disconnect(discardConnection_); }
    WindowHolder(const WindowHolder&) = delete;
    WindowHolder& operator=(const WindowHolder&) = delete;

    // The live instance, created now if there is none.
    Window& get() {
        if (window_.isNull()) {
            Window* window = make_();
            discardConnection_ =
                QObject::connect(window, &Window::discardRequested, window, [this] { discard(); });
            window_ = window;
        }
        return *window_;
    }
    // The live instance, or null: for readers that must not create the window.
    Window* existing() const { return window_.data(); }

  private:
    // The next get() creates a new instance. The old one is deleted once control
    // is back in the event loop, so a window may discard itself from its own handler.
    void discard() {
        if (!window_.isNull()) {
            window_->hide();
            window_->deleteLater();
            window_.clear();
        }
    }

    std::function<Window*()> make_;
    QPointer<Window> window_;
    QMetaObject::Connection discardConnection_;
};

} // namespace pick3
