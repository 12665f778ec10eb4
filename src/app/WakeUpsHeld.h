#pragma once

namespace pick3 {

// While one of these lives on the main thread, that thread does not write Qt's GLib event loop
// a wake-up for each event it posts to itself.
//
// Every widget made posts itself a polish request, and Qt's GLib loop answers every post with
// g_main_context_wakeup(): a write to an event descriptor, about 260 system calls while the main
// window is built and shown, though no loop is waiting. A thread that is building is not blocked
// in its loop, and the loop's next pass sees the posted events without being woken (Qt marks the
// thread as having events to send, so GLib does not wait). A post from any other thread still
// wakes the main loop, and a post to a worker thread's loop still wakes that loop. Where the program's g_main_context_wakeup does not stand in for GLib's (another
// event loop, another linker), the writes simply go on as before.
class WakeUpsHeld {
  public:
    WakeUpsHeld();
    ~WakeUpsHeld();
    WakeUpsHeld(const WakeUpsHeld&) = delete;
    WakeUpsHeld& operator=(const WakeUpsHeld&) = delete;

  private:
    bool wasHeld_;
};

} // namespace pick3
