#pragma once
// What an operator did, in the automation interface's terms, as a readable script that replays
// on the virtual clock: a recording of a session by hand becomes a regression test.
//
// One step a line, in time order: the virtual time (mm:ss.mmm, or plain milliseconds), the
// action, the top-level window by its caption in double quotes, then the action's arguments.
// Blank lines and lines starting with # are comments. Texts are quoted; inside quotes a backslash
// escapes a quote or itself, and \xHH stands for any byte (Windows-1252 text exactly as typed).
//
//   00:01.250  click    "Source Swap" 14101      press and release on the control
//   00:02.000  hold     "ESI Probe" 14172        press, the release comes in a later step
//   00:02.400  release  "ESI Probe" 14172
//   00:03.000  type     "Settings" "12.5"        characters to the control with the focus
//   00:03.100  key      "Settings" Tab+Shift     a key to the control with the focus
//   00:04.000  answer   "Confirm" IDYES          the open message box (window: its caption)
//   00:05.000  file     "Open" "/data/a.ptn"     the open file dialog: a file ...
//   00:05.000  file     "Open" cancel            ... or Cancel
//   00:06.000  close    "Source Swap"            the caption's close box
//   00:06.500  minimize "Source Swap"            the caption's minimise box
//   00:06.800  restore  "Source Swap"            a click on the minimised window's icon
//   00:07.000  choose   "Settings" 1001 3        combo box item by index
//   00:08.000  item     "Settings" 1002 4        list view row (dblitem: a double click)
//   00:09.000  slider   "Settings" 1003 50       slider dragged to a position and let go
//   00:10.000  page     "Sheet" 2                property sheet page by index
//
// Clicks replay in the middle of the control, as Automation::Click gives them.

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class Automation;

struct AutomationStep {
    enum class Action { Click, Hold, Release, Type, Key, Answer, File, Close, Minimize, Restore, Choose, Item, DoubleItem, Slider, Page };
    ULONGLONG time = 0;
    Action action = Action::Click;
    CString window;     // caption of the top-level window (of the message box or file dialog)
    int id = 0;         // control id
    int value = 0;      // key code, answer, item, position or page; 1 = chosen for File
    UINT modifiers = 0; // Automation::Modifier bits for Key
    CString text;       // typed text, chosen path
};

class AutomationScript {
public:
    std::vector<AutomationStep> steps;

    static std::string FormatStep(const AutomationStep& step);
    std::string Write() const;
    // Throws AutomationError naming the line and what is wrong with it.
    static AutomationScript Parse(const std::string& text);
    // Throws AutomationError when the file cannot be read or written.
    static AutomationScript Load(const std::string& path);
    void Save(const std::string& path) const;

    static std::string KeyName(UINT vk);
    static UINT KeyFromName(const std::string& name); // 0 when unknown
};

// Plays a script through the automation interface. While it plays, it answers message boxes,
// file dialogs and modal runs from the script itself (each takes the steps recorded while it was
// open), so the steps go back in the order they were recorded. `advanceTo` moves the virtual
// clock to a step's time (the simulator steps its world; by default Automation::Advance).
// A step that cannot be played (no such window, a box where the script has none, the script
// ending while a dialog waits) throws AutomationError naming the step.
class AutomationPlayer {
public:
    using AdvanceTo = std::function<void(ULONGLONG time)>;
    AutomationPlayer(Automation& automation, const AutomationScript& script, AdvanceTo advanceTo = nullptr);
    // Called before each step is played.
    std::function<void(const AutomationStep&)> onStep;
    void Play();
    size_t Played() const { return m_next; }

private:
    void playUntil(const std::function<bool()>& done);
    const AutomationStep& take(const char* what, AutomationStep::Action expected);
    void perform(const AutomationStep& step);
    HWND window(const AutomationStep& step) const;
    [[noreturn]] void fail(const AutomationStep& step, const std::string& why) const;

    Automation& m_ui;
    const AutomationScript& m_script;
    AdvanceTo m_advanceTo;
    size_t m_next = 0;
};
