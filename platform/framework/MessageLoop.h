#pragma once
// The host's message loop, one message at a time, never waiting. Used by the clock and by the
// automation interface so that every queued message (posted messages, timer ticks, operator input)
// takes the same path:
//   1. PreTranslateMessage of each framework object from the message's window up to its top-level
//      window, innermost first; the first that returns TRUE swallows the message;
//   2. for a dialog without a framework object, the dialog manager's key handling (IsDialogMessage);
//   3. TranslateMessage (a character key also queues its WM_CHAR) and DispatchMessage.
// Pump repeats this until the queue is empty, then sends WM_PAINT to each window that needs it
// (once per invalidation: a window that does not validate itself is validated afterwards).

#include <cstddef>

#include "platform/framework/WinUser.h"

class MessageLoop {
public:
    static void Deliver(const MSG& msg);
    static void Pump();
    // A loop whose messages keep generating messages is reported instead of hanging the test.
    static constexpr std::size_t kMaxMessagesPerPump = 200000;
};
