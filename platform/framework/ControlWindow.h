#pragma once
// What every standard control's window procedure does the same way, done once:
//   - its state object lives in the window's first extra bytes: made before the control sees
//     WM_NCCREATE, deleted after WM_NCDESTROY; a message outside that life goes to the default
//     procedure;
//   - WM_PAINT paints the update area through BeginPaint / EndPaint, and WM_PRINTCLIENT paints into
//     the context the caller gives, both with the control's one Paint(HWND, CDC&) function;
//   - WM_ENABLE invalidates the whole control before its handler sees it: a control looks enabled
//     or greyed by its own state alone (not its parent's), and EnableWindow repaints nothing itself.
// Everything else goes to the control's typed handler with its state. The state is made with
// `new State` (a control that needs its window keeps the handle its handler gets with WM_NCCREATE);
// a state class with a private constructor or Paint names ControlWindow its friend.

#include "platform/framework/WinUser.h"

class CDC;

class ControlWindow {
public:
    using PaintFunction = void (*)(HWND, CDC&);

    // What a control class registers as its window extra bytes: the pointer to its state.
    static constexpr int kExtraBytes = sizeof(void*);

    template <class State>
    using Handler = LRESULT (*)(HWND, State&, UINT, WPARAM, LPARAM);

    template <class State>
    static LRESULT Run(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Handler<State> handle)
    {
        auto* self = static_cast<State*>(StateOf(hwnd));
        if (message == WM_NCCREATE && !self) {
            self = new State;
            SetState(hwnd, self);
        }
        if (!self) return DefaultProc(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetState(hwnd, nullptr);
            delete self;
            return DefaultProc(hwnd, message, wParam, lParam);
        }
        if (Paint(hwnd, message, wParam, &State::Paint)) return 0;
        if (message == WM_ENABLE) ::InvalidateRect(hwnd, nullptr, TRUE);
        return handle(hwnd, *self, message, wParam, lParam);
    }

    // Serves WM_PAINT and WM_PRINTCLIENT with paint; false for any other message.
    static bool Paint(HWND hwnd, UINT message, WPARAM wParam, PaintFunction paint);

    // Registers a control class run by `proc` with room for its state, once per process (a later
    // call finds the class and does nothing). False when the class could not be registered.
    static bool RegisterOnce(LPCTSTR className, WNDPROC proc);
    // The state of a window of class `className`: null for a window of any other class, or one
    // no longer alive.
    template <class State>
    static State* Find(HWND hwnd, LPCTSTR className)
    {
        return IsOfClass(hwnd, className) ? static_cast<State*>(StateOf(hwnd)) : nullptr;
    }

private:
    static bool IsOfClass(HWND hwnd, LPCTSTR className);
    static void* StateOf(HWND hwnd);
    static void SetState(HWND hwnd, void* state);
    static LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
