#include "app/WakeUpsHeld.h"

#include <dlfcn.h>

namespace {

// Held by this thread: its own posts need no wake-up.
thread_local bool held = false;

using WakeUp = void (*)(void*);

WakeUp glibWakeUp() {
    static const auto wakeUp = reinterpret_cast<WakeUp>(dlsym(RTLD_NEXT, "g_main_context_wakeup"));
    return wakeUp;
}

} // namespace

// Stands in for GLib's own: the program is searched first for the symbols that Qt takes from
// GLib. Everything but a held thread's wake-up goes on to GLib.
extern "C" __attribute__((visibility("default"))) void g_main_context_wakeup(void* context) {
    if (held) {
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
