#pragma once
// The operator's side of the window system, for tests, the simulator and host developers: one
// object (Automation::Get()) that advances the virtual clock, gives input the way an operator does,
// answers message boxes and modal dialogs from a script, and reads what is on screen.
//
// A test starts clean with an AutomationSession (or Automation::Get().Reset() in its set-up): all
// windows destroyed, timers and queues emptied, scripts and logs cleared, time back to 0. The
// resource chain is not touched (modules are registered by their owners).
//
// Input goes where an operator's would and through the same path (the host loop of MessageLoop:
// PreTranslateMessage, the dialog's key handling, then the window):
//   Click        press and release the left button in the middle of the control; nothing happens
//                (false is returned) when the control or one of its parents is disabled or hidden,
//                or when its middle lies outside a parent's client area (folded away by a window
//                made smaller); the click activates the control's top-level window;
//   Hold/Release press now, release later (the button reports BST_PUSHED meanwhile; time can be
//                advanced in between); a button disabled meanwhile lets go of the mouse, and the
//                release passes over it to the window beneath (WindowManager::PostInput);
//   PressKey     key down and up to the window with the focus (else the active window), with
//                Shift / Control / Alt held when asked (with Alt and without Control the key is a
//                system key, WM_SYSKEYDOWN / WM_SYSKEYUP, as a keyboard gives it: the dialog's
//                mnemonics);
//   Type         click into an edit, then each character as a key press (characters without a key
//                of their own arrive as WM_CHAR), so every change notifies as typing does;
//   ReplaceText  click into the edit, select all, then type (an empty text deletes the selection);
//   TypeKeys     the characters as Type gives them, to the window with the focus, no click first;
//   PressCloseBox the caption's close box: WM_SYSCOMMAND SC_CLOSE, refused (false) when the window
//                has no system menu or its Close item is greyed or disabled;
//   PressMinimizeBox the caption's minimise box: WM_SYSCOMMAND SC_MINIMIZE, refused (false) when
//                the style has no WS_MINIMIZEBOX or the window is minimised already;
//   ClickIcon    a click on a minimised window's icon restores it (SC_RESTORE); false when the
//                window is not minimised.
// After each action the queue is pumped. Addressing a window that does not exist throws
// AutomationError; so does a control id that a window does not have.
//
// Message boxes never wait. Each one takes the next answer queued with AnswerMessageBox (which can
// insist on part of the text); with none queued the responder is asked (the simulator's operator
// policy); with no answer at all the box throws AutomationError naming its text and caption, and
// that error reaches the test through the call that led to the box. An answer that is not one of
// the box's buttons is an error too. Every box is logged: text, caption, flags, answer.
//
// Modal runs never wait either. Each DoModal takes the next script queued with OnNextModal: a
// function that receives the dialog and this object and does what the operator does in it. A
// modal opened from inside a script (a dialog opened by a click in a modal dialog) takes the next
// script in turn. A modal with no script and no responder, or a script that returns while its
// dialog is still open, throws AutomationError. A dialog that ends itself in OnInitDialog runs no
// script.
//
// File dialogs (Open, Save As) never wait either. Each one takes the next choice queued with
// ChooseFile or CancelFileDialog; with none queued the responder is asked; with neither, the
// dialog throws AutomationError naming what it was opened for. A chosen path is the operator's
// final choice (any question the dialog would ask on the way, such as overwrite-prompt, counts as
// answered yes); a relative one is taken in the dialog's initial folder (or the current folder
// when none was given), and the default extension is added when the name has no extension of its
// own. The dialog returns the full, normalised path. Every dialog is logged with its parameters.

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/framework/AutomationError.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/Diagnostics.h"
#include "platform/framework/FileDialogRecord.h"
#include "platform/framework/MessageBoxRecord.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/Surface.h"

class CWnd;

class Automation {
public:
    using ModalScript = std::function<void(CWnd& dialog, Automation& automation)>;
    // Returns the answer, or 0 to leave the box unanswered.
    using MessageBoxResponder = std::function<int(const MessageBoxRecord& box)>;
    // Returns false to decline the dialog (it then counts as unscripted).
    using ModalResponder = std::function<bool(CWnd& dialog, Automation& automation)>;
    // Fills dialog.ok and dialog.path and returns true, or returns false to leave it unanswered.
    using FileDialogResponder = std::function<bool(FileDialogRecord& dialog)>;

    enum Modifier : UINT { None = 0, Shift = 1, Control = 2, Alt = 4 };

    static Automation& Get();
    void Reset();

    // --- time ---------------------------------------------------------------------------------------
    ULONGLONG Now() const;
    void Advance(ULONGLONG ms);
    void Pump();

    // --- finding windows ------------------------------------------------------------------------------
    // Searches the root's descendants (depth first, in z-order) for the id; throws when absent.
    HWND Find(HWND root, int id) const;
    HWND TryFind(HWND root, int id) const;
    HWND FindByText(HWND root, LPCTSTR text) const;
    // A top-level window by caption (visible or not); null when none.
    HWND FindTopLevel(LPCTSTR caption) const;
    HWND ActiveWindow() const;
    HWND FocusWindow() const;
    std::vector<HWND> TopLevelWindows() const;
    std::vector<HWND> Children(HWND parent) const;

    // --- operator input -------------------------------------------------------------------------------
    bool Click(HWND control);
    bool Click(HWND root, int id) { return Click(Find(root, id)); }
    bool Hold(HWND control);
    bool Hold(HWND root, int id) { return Hold(Find(root, id)); }
    bool Release(HWND control);
    bool Release(HWND root, int id) { return Release(Find(root, id)); }
    // Clicks a check box or radio button until it shows the state; false when it cannot.
    bool SetChecked(HWND control, bool checked);
    bool SetChecked(HWND root, int id, bool checked) { return SetChecked(Find(root, id), checked); }
    bool PressKey(UINT vk, UINT modifiers = None);
    bool PressKeyTo(HWND target, UINT vk, UINT modifiers = None);
    bool Type(HWND edit, LPCTSTR text);
    bool Type(HWND root, int id, LPCTSTR text) { return Type(Find(root, id), text); }
    bool ReplaceText(HWND edit, LPCTSTR text);
    // Each character as typed on the keyboard to the window with the focus (else the active one),
    // without clicking anywhere first: what a person types into whatever has the focus.
    bool TypeKeys(LPCTSTR text);
    bool ReplaceText(HWND root, int id, LPCTSTR text) { return ReplaceText(Find(root, id), text); }
    bool PressCloseBox(HWND window);
    bool CloseBoxEnabled(HWND window) const;
    bool PressMinimizeBox(HWND window);
    bool ClickIcon(HWND window);

    // --- message boxes --------------------------------------------------------------------------------
    // Queues the operator's answer to the next box; with expectedText the box must contain it.
    void AnswerMessageBox(int answer, LPCTSTR expectedText = nullptr);
    void SetMessageBoxResponder(MessageBoxResponder responder);
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_boxes; }
    size_t PendingMessageBoxAnswers() const { return m_answers.size(); }

    // --- modal runs -----------------------------------------------------------------------------------
    // Queues what the operator does in the next modal run; with expectedCaption the dialog's
    // caption must contain it.
    void OnNextModal(ModalScript script, LPCTSTR expectedCaption = nullptr);
    void SetModalResponder(ModalResponder responder);
    size_t PendingModalScripts() const { return m_modals.size(); }
    int ModalDepth() const { return m_modalDepth; }

    // --- file dialogs ---------------------------------------------------------------------------------
    // Queues the operator's choice in the next file dialog: a file, or Cancel.
    void ChooseFile(LPCTSTR path);
    void CancelFileDialog();
    void SetFileDialogResponder(FileDialogResponder responder);
    const std::vector<FileDialogRecord>& FileDialogs() const { return m_fileDialogs; }
    size_t PendingFileDialogAnswers() const { return m_fileChoices.size(); }

    // --- inspection -----------------------------------------------------------------------------------
    CString Text(HWND window) const;
    CString Text(HWND root, int id) const { return Text(Find(root, id)); }
    bool IsEnabled(HWND window) const;   // the window's own state
    bool IsVisible(HWND window) const;   // it and all its parents
    // Visible, and not wholly outside any parent's client area (what the operator can see of it).
    bool IsOnScreen(HWND window) const;
    int CheckState(HWND window) const;   // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
    bool IsPressed(HWND window) const;   // a button held down
    CRect WindowRect(HWND window) const; // screen pixels
    CRect ClientRect(HWND window) const;
    DWORD Style(HWND window) const;
    DWORD ExStyle(HWND window) const;
    bool IsTopmost(HWND window) const;
    bool IsIconic(HWND window) const;
    int Id(HWND window) const;
    CString ClassName(HWND window) const;
    HICON Icon(HWND window, bool big) const;
    HFONT Font(HWND window) const;
    // Standard progress bars (a subclassed one too); a window of another class throws.
    int ProgressPosition(HWND progress) const;
    std::pair<int, int> ProgressRange(HWND progress) const; // lower, upper
    // Tooltips: the one holding a tool for a window (null when none), whether it is active, and the
    // text a tool would show (id 0: the tool that is the window itself). A non-tooltip throws.
    HWND ToolTipOf(HWND tool) const;
    bool IsToolTipActive(HWND tooltip) const;
    CString ToolTipText(HWND tooltip, HWND toolWindow, UINT_PTR id = 0) const;

    // --- screenshots ----------------------------------------------------------------------------------
    // What the operator sees of a window: its top-level window's image after everything pending has
    // painted (frames, update regions; parents before children; hidden children not drawn; a hidden
    // top-level window is drawn as if shown), or a child window's part of that image. At scale 2 the
    // image is twice the size, drawn at that size (text rendered larger, not enlarged); a scale
    // outside 1 to 4 throws.
    Surface Render(HWND window, int scale = 1);
    // Render written as a PNG file; a file that cannot be written throws, naming the path and why.
    void Screenshot(HWND window, const CString& path, int scale = 1);

    // --- combo boxes, list views, sliders, property sheets --------------------------------------------
    // ChooseComboItem: the operator opens the list (a press on a drop-down list, or on the button of
    // a drop-down), scrolls it to the item and clicks it; the combo notifies as documented
    // (ComboBoxControl). False when the combo cannot take input; an index out of range or a text
    // that no item has is an AutomationError. Type and ReplaceText type into a drop-down's edit
    // field when given the combo box.
    bool ChooseComboItem(HWND combo, int index);
    bool ChooseComboItem(HWND combo, LPCTSTR text);
    std::vector<CString> ComboItems(HWND combo) const;
    int ComboSelection(HWND combo) const; // -1 without a selection
    bool ComboDropped(HWND combo) const;

    // ClickListItem: a press and release on a list view row (its first cell, or the given column's
    // cell), scrolled into view first as the operator would; Control and Shift as held. A double
    // click is press, release, double-click, release. An item or column out of range is an
    // AutomationError. The readers give the headings, a cell's text (by column, as shown), whole
    // rows, the selected rows in order and the focused row (-1 for none).
    bool ClickListItem(HWND list, int item, UINT modifiers = None, int column = 0);
    bool DoubleClickListItem(HWND list, int item, int column = 0);
    std::vector<CString> ListColumns(HWND list) const;
    CString ListCell(HWND list, int item, int column) const;
    std::vector<std::vector<CString>> ListRows(HWND list) const;
    std::vector<int> ListSelection(HWND list) const;
    int ListFocus(HWND list) const;

    // DragSlider: the operator takes the thumb, moves it to where the position lies (the slider
    // reports each position it passes as TB_THUMBTRACK) and, unless told to hold on, lets it go
    // (TB_THUMBPOSITION, TB_ENDTRACK, NM_RELEASEDCAPTURE). ReleaseSlider lets a held thumb go.
    // A position outside the range drags the thumb to its end.
    bool DragSlider(HWND slider, int position, bool release = true);
    bool ReleaseSlider(HWND slider);
    int SliderPosition(HWND slider) const;
    std::pair<int, int> SliderRange(HWND slider) const; // minimum, maximum

    // Property sheets: SelectSheetPage presses the page's tab (the sheet's rules decide whether the
    // page changes: true when it did); an index out of range is an AutomationError. The readers give
    // the tab captions and the active page's index.
    bool SelectSheetPage(HWND sheet, int index);
    std::vector<CString> SheetTabs(HWND sheet) const;
    int SheetActivePage(HWND sheet) const;

    // --- beeps and diagnostics ------------------------------------------------------------------------
    int BeepCount() const { return m_beeps; }
    // What the window system reported on its diagnostics channel (platform/framework/Diagnostics.h)
    // since the last reset.
    const std::vector<CString>& Diagnostics() const { return ::Diagnostics::Reports(); }

    // --- entry points of the framework ----------------------------------------------------------------
    int ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
    void RunModal(CWnd& window);
    // Plays a file dialog: fills dialog.ok and dialog.path, logs it and returns dialog.ok.
    bool ShowFileDialog(FileDialogRecord& dialog);
    void Beep(UINT type);
    static CString DescribeFlags(UINT type);

private:
    Automation() = default;
    struct Answer {
        int answer;
        CString expected;
    };
    struct Modal {
        ModalScript script;
        CString expected;
    };
    HWND window(HWND hwnd, const char* action) const;
    bool canTakeInput(HWND hwnd) const;
    bool reachable(HWND hwnd) const;
    void postAndPump(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool typeCharacter(HWND edit, unsigned char ch);
    HWND findIn(HWND root, int id) const;
    // The window, checked to exist and to be of the class; AutomationError otherwise.
    HWND control(HWND hwnd, const char* action, LPCTSTR className) const;
    // A press and a release of the left button at a point of the window's client area.
    void pressAt(HWND hwnd, POINT p, WPARAM keys);
    void releaseAt(HWND hwnd, POINT p, WPARAM keys);
    HWND sheetTabs(HWND sheet, const char* action) const;
    HWND m_heldSlider = nullptr;
    CString describe(HWND hwnd) const;

    std::deque<Answer> m_answers;
    std::deque<Modal> m_modals;
    struct FileChoice {
        bool ok;
        CString path;
    };
    std::deque<FileChoice> m_fileChoices;
    FileDialogResponder m_fileResponder;
    std::vector<FileDialogRecord> m_fileDialogs;
    MessageBoxResponder m_boxResponder;
    ModalResponder m_modalResponder;
    std::vector<MessageBoxRecord> m_boxes;
    HWND m_held = nullptr;
    int m_beeps = 0;
    int m_modalDepth = 0;
    bool m_resetting = false;
};
