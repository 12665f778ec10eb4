#include "app/WakeUpsHeld.h"

#include <dlfcn.h>

namespace {

// Held by this thread: its own posts need no wake-up.
thread_local bool held = false;

using WakeUp = void (*)(void*);
using DefaultContext = void* (*)();

WakeUp glibWakeUp() {
    static const auto wakeUp = reinterpret_cast<WakeUp>(dlsym(RTLD_NEXT, "g_main_context_wakeup"));
    return wakeUp;
}

// The main thread's loop: Qt runs it on GLib's default context. A worker thread's loop has a
// context of its own, which a post from a held thread must still wake.
void* mainLoopContext() {
    static void* const context = [] {
        const auto defaultContext =
            reinterpret_cast<DefaultContext>(dlsym(RTLD_NEXT, "g_main_context_default"));
        return defaultContext != nullptr ? defaultContext() : nullptr;
    }();
    return context;
}

} // namespace

// Stands in for GLib's own: the program is searched first for the symbols that Qt takes from
// GLib. Everything but a held thread's wake-up of the main loop goes on to GLib.
extern "C" __attribute__((visibility("default"))) void g_main_context_wakeup(void* context) {
    if (held && context == mainLoopContext()) {
        return;
    }
    if (const WakeUp wakeUp = glibWakeUp()) {
        wakeUp(context);
    }
}

namespace pick3 {

WakeUpsHeld::WakeUpsHeld() : wasHeld_(held) {
    held = true;
}

WakeUpsHeld::~WakeUpsHeld() {
    held = wasHeld_;
}

} // namespace pick3
