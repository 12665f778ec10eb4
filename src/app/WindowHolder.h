#pragma once
// One instance per window class: created on first use (its constructor is the
// load handler), forgotten by its "&Close", and created afresh, in its initial
// state, by the next use.

#include <QObject>
#include <QPointer>
#include <functional>

namespace pick3 {

template <typename Window> class WindowHolder {
  public:
    using Factory = std::function<Window*()>;
    explicit WindowHolder(Factory factory) : factory_(std::move(factory)) {}
    ~WindowHolder() { QObject::disconnect(discardConnection_); }
    WindowHolder(const WindowHolder&) = delete;
    WindowHolder& operator=(const WindowHolder&) = delete;

    // The live instance, created now if there is none. Its discardRequested()
    // signal discards it.
    Window& get() {
        if (window_.isNull()) {
            Window* window = factory_();
            discardConnection_ =
                QObject::connect(window, &Window::discardRequested, window, [this] { discard(); });
            window_ = window;
        }
        return *window_;
    }
    bool exists() const { return !window_.isNull(); }
    Window* ifExists() const { return window_.data(); }

    // Discards the instance: the next get() creates a new one. The old one is
    // deleted once control is back in the event loop, so a window may discard
    // itself from its own handler.
    void discard() {
        if (!window_.isNull()) {
            window_->hide();
            window_->deleteLater();
            window_.clear();
        }
    }

  private:
    Factory factory_;
    QPointer<Window> window_;
    QMetaObject::Connection discardConnection_;
};

} // namespace pick3
