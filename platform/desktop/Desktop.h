#pragma once
// The window system on a real display, for a person, in real time (SDL2).
//
// Each shown top-level window is mirrored by one borderless desktop window at its rectangle,
// showing exactly what the renderer draws (frame and caption are the window system's own). After
// each batch of desktop events the posted messages are pumped, windows with pending paint are
// rendered, and a desktop window is uploaded only when its image changed.
//
// Input goes in as the hardware would give it: the pointer is hit-tested (capture first, else
// WindowFromPoint), the caption (WM_NCHITTEST) drags the window, the close and minimise boxes go
// through SC_CLOSE and SC_MINIMIZE, a minimised window is its icon (dragged by it; a click without
// moving restores it), button and move messages carry client coordinates and go through PostInput, keys and
// typed text (converted to Windows-1252) go to the focus through the message loop, so that
// PreTranslateMessage and the dialog's key handling see them (Alt+letter as a system key: the
// dialog's mnemonics; its text is not typed). The desktop windows stack as the window system's
// z-order says (topmost band first, the active window on top of its band).
//
// Scale: with a scale of 2 every desktop window is twice its window's size (and at twice its
// position), drawn by the renderer at that size; pointer positions are divided by the scale before
// they go in, so hit-testing and everything after it work in the window system's own pixels.
//
// Time: the virtual clock follows the wall clock; `advanceTo` (by default Automation::Advance) is
// given the virtual time the wall clock has reached.
//
// Modal runs, message boxes and file dialogs: Desktop installs the automation responders. A modal
// run is a nested loop until the dialog ends; a message box is the window system's own box window
// (MessageBoxWindow: text, icon, the buttons of its flags, its default button, Escape); a file dialog is a window made of the
// standard controls (see FileDialogWindow).
//
// Recording: every input is also reported, in automation terms (AutomationStep), to `onInput`;
// inside a message box or file dialog only the answer is reported.

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include "platform/framework/AutomationScript.h"
#include "platform/framework/CRect.h"
#include "platform/framework/FileDialogRecord.h"
#include "platform/framework/MessageBoxRecord.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/Surface.h"

class Automation;
struct SDL_Window;
struct WindowRecord;
union SDL_Event;

class Desktop {
public:
    // Throws std::runtime_error when no display can be opened, std::invalid_argument for a scale
    // outside 1 to CDC::kMaxScale.
    explicit Desktop(Automation& automation, int scale = 1);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    std::function<void(ULONGLONG virtualTime)> advanceTo;
    std::function<void(const AutomationStep&)> onInput;
    // Called once a frame, nested loops included (idle work, test drivers).
    std::function<void()> onFrame;

    // One batch: desktop events, time, windows and pixels. False once the person asked to quit.
    bool RunFrame();
    // Frames until `done` holds or the person quits; false when they quit.
    bool RunUntil(const std::function<bool()>& done);
    bool QuitRequested() const { return m_quit; }

    // The desktop window mirroring a top-level window (null when none).
    SDL_Window* MirrorOf(HWND topLevel) const;
    int Scale() const { return m_scale; }

private:
    struct Mirror {
        SDL_Window* window = nullptr;
        CRect rect;
        bool topmost = false;
        Surface shown;
    };
    struct Press {
        HWND target = nullptr;
        ULONGLONG time = 0;
        int before = 0; // combo selection, slider position
        int item = -1;  // list view row
        bool doubleClick = false;
    };
    void handle(const SDL_Event& event);
    void mouseButton(const SDL_Event& event, bool down);
    void mouseMove(const SDL_Event& event);
    void key(const SDL_Event& event, bool down);
    void sync();
    void upload(Mirror& mirror, HWND hwnd);
    HWND hwndOf(unsigned windowId) const;
    void record(AutomationStep step);
    void recordRelease(const Press& press, HWND under);
    int showMessageBox(const MessageBoxRecord& box);
    bool showFileDialog(FileDialogRecord& dialog);
    // A dialog window of our own until one of its buttons ends it; the button id.
    int runDialog(HWND dialog, HWND owner);
    void tickClock();
    // A point in a desktop window's pixels as a screen point of the window system.
    POINT toScreen(const WindowRecord& rec, int x, int y) const;

    Automation& m_ui;
    int m_scale = 1;
    std::map<HWND, Mirror> m_mirrors;
    std::vector<HWND> m_order;
    ULONGLONG m_wallStart = 0;
    ULONGLONG m_virtualStart = 0;
    bool m_quit = false;
    int m_quietDepth = 0; // inside message boxes and file dialogs: not recorded
    // Caption drag in progress.
    HWND m_drag = nullptr;
    POINT m_dragFrom{};
    POINT m_dragOrigin{};
    HWND m_boxPress = nullptr; // the caption box pressed (close or minimise) ...
    LRESULT m_boxHit = 0;      // ... which one
    Press m_press;
    bool m_moved = false;
    POINT m_lastMove{};
    unsigned m_moveWindow = 0;
};
