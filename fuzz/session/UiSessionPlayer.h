#pragma once
// Plays one operator session on one window, every decision read from a UiSessionInput, through the
// automation interface only: clicks on any control on screen, holds and releases, any bytes typed
// or put into edits, combo and list choices, slider drags (let go or held), page changes, keys with
// modifiers, the close box, virtual time; message boxes answered with one of their buttons and file
// dialogs with a file the session wrote, a garbage file, a folder, a missing path, a new name or
// Cancel; modal dialogs opened on the way played too, then closed. On the other side the host calls
// the window's exported operations and the instrument changes, removes and brings back properties;
// the host, the control client, the monitor client or the plate may be absent from the start.
//
// What counts as a finding (UiSessionFinding, with the session's last actions): an exception other
// than the automation's own refusals (AutomationError: a control that cannot take input, a file
// dialog the window did not expect), one action taking longer than the hang limit of wall-clock
// time, a dialog that Cancel, Escape and the close box all fail to close. Crashes and sanitizer
// reports speak for themselves.
//
// The window is chosen by the first byte from UiWindowFactories (its name when the caller fixes it),
// what is absent by the second.

#include <chrono>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/session/UiSessionInput.h"
#include "fuzz/session/UiSessionWorld.h"
#include "platform/framework/Automation.h"
#include "platform/framework/CWnd.h"

struct UiWindowFactory;

class UiSessionFinding : public std::runtime_error {
public:
    explicit UiSessionFinding(const std::string& what) : std::runtime_error(what) {}
};

class UiSessionPlayer {
public:
    struct Options {
        unsigned maxActions = 1500;   // the session ends after this many actions
        double hangSeconds = 1.0;     // one action taking longer is a finding
        bool transcript = false;      // describe every action to the world (costs time)
        // Called with the window once it is made and shown, before the first action (benchmarks
        // measure it there).
        std::function<void(HWND window)> onShown;
    };
    // Something the host or the instrument does while the window is open.
    struct HostOperation {
        const char* name;
        std::function<void(UiSessionInput& input)> call;
    };
    using HostOperations = std::vector<HostOperation>;

    // What is absent for the whole session (read from the input).
    struct Absent {
        bool host = false, control = false, monitor = false, plate = false;
    };

    UiSessionPlayer(UiSessionWorld& world, UiSessionInput& input, Options options);
    ~UiSessionPlayer();
    UiSessionPlayer(const UiSessionPlayer&) = delete;
    UiSessionPlayer& operator=(const UiSessionPlayer&) = delete;

    // One whole session; the window from the first byte. Throws UiSessionFinding.
    void Play();
    // One whole session on this window (the first byte is not read).
    void Play(const UiWindowFactory& window);

    // --- for the window factories -----------------------------------------------------------------
    CMaldiAppInterface* Host() const;
    CInstCtlClient* Control() const;
    CInstMonClient* Monitor() const;
    HICON Icon() const { return m_world.Icon(); }
    // The host's main window, the owner of modal dialogs.
    CWnd* Owner() { return &m_owner; }
    UiSessionInput& Input() { return m_input; }
    // A folder of this session's own, emptied at its end: files written and chosen in dialogs.
    const std::string& Folder() const { return m_folder; }
    // A path in the folder: a file the session wrote earlier when there is one, else a new name.
    std::string SomeFile(const std::string& extension);
    // A folder in the session's folder, where a file is expected.
    std::string SomeFolder();
    // Plays on a tool window until the session ends; the window stays (the factory destroys it).
    void OperateToolWindow(CWnd& window, const HostOperations& operations);
    // Runs the dialog modally (DoModal) with the session as the operator, then closes it.
    INT_PTR RunModal(CWnd& dialog, const HostOperations& operations);
    // A transcript line (when the transcript is on).
    void Say(const std::string& text);

    unsigned Actions() const { return m_actions; }
    const Absent& Absence() const { return m_absent; }

private:
    enum class Closing { No, PreferNo, PreferYes };
    bool sessionOver() const;
    void operate(CWnd& window, const HostOperations& operations, int depth);
    void act(HWND root, const HostOperations& operations, int depth);
    void operatorAction(HWND root, std::uint8_t kind);
    void instrumentAction();
    void closeDialog(CWnd& dialog, int depth);
    bool open(CWnd& dialog) const;
    std::vector<HWND> onScreen(HWND root, const char* className) const;
    HWND pick(HWND root, const char* className);
    std::string describe(HWND control) const;
    int answerBox(const MessageBoxRecord& box);
    bool answerFile(FileDialogRecord& dialog);
    bool playNestedModal(CWnd& dialog);
    void record(const std::string& action);
    [[noreturn]] void fail(const std::string& what);

    UiSessionWorld& m_world;
    UiSessionInput& m_input;
    Options m_options;
    Absent m_absent;
    Automation& m_ui;
    CWnd m_owner;
    std::string m_folder;
    unsigned m_actions = 0;
    unsigned m_files = 0;
    int m_depth = 0;
    Closing m_closing = Closing::No;
    HWND m_held = nullptr;
    // Wall-clock time spent in nested modal runs, not counted against the action that opened them.
    std::chrono::steady_clock::duration m_nested{};
    std::deque<std::string> m_recent; // the last actions, for a finding's message
};
