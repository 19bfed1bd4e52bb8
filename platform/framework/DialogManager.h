#pragma once
// The dialog manager: dialogs made from templates, the dialog window procedure and the dialog's
// own keyboard handling.
//
// Creation (CreateIndirect), in this order: the dialog window (class "#32770", hidden), the
// template font's WM_SETFONT, each control in template order (a control that cannot be created
// fails the whole dialog unless DS_NOFAILCREATE), WM_INITDIALOG with the first tab stop as the
// proposed focus (given the focus when the answer is non-zero), then the window is shown if the
// template says WS_VISIBLE.
//
// Dialog units: pixels = MulDiv(units, base x, 4) across and MulDiv(units, base y, 8) down. The
// classic 8-point dialog font has base units 6 x 13 at 96 dpi; another point size scales them in
// proportion (MulDiv(6, points, 8), MulDiv(13, points, 8)). Controls convert position and size
// separately, as the template gives them.
//
// Keys (IsDialogMessage), unless the focused control asks for them through WM_GETDLGCODE:
//   Tab / Shift+Tab  focus to the next / previous visible, enabled WS_TABSTOP control (an edit
//                    reached this way has its text selected);
//   Enter            the focused push button if any, else the default button (DM_GETDEFID:
//                    nothing when it is disabled; an id with no control, such as the -1 of
//                    "no default", is sent as a command nobody handles), else IDOK;
//   Escape           WM_COMMAND IDCANCEL;
//   arrow keys       focus to the next / previous control of the group (an automatic radio button
//                    reached this way is clicked);
//   Alt+letter       the control whose mnemonic it is (the character after a single '&' in its
//                    text; "&&" is a plain '&', a static with SS_NOPREFIX has none), searched in tab
//                    order from the control after the focus, among visible, enabled buttons, group
//                    boxes and statics: a button of any kind is clicked (BM_CLICK: a check box
//                    toggles, a radio button is chosen, a push button commands; each takes the
//                    focus as a click gives it); a static or group box labels what follows it, so
//                    the focus goes to the next tab stop after it. When several controls share the
//                    mnemonic, each press only moves the focus to the next of them (none is
//                    clicked), so the operator can reach each one. An Alt+letter nobody has beeps;
//   letter           the same, without Alt, when the focused control does not take characters
//                    itself (WM_GETDLGCODE without DLGC_WANTCHARS: not an edit, combo box or list);
//                    a letter nobody has goes on to the focused control.
// Alt+letter arrives as WM_SYSKEYDOWN, translated to WM_SYSCHAR; the plain letter as WM_CHAR.
// WM_CLOSE (the caption's close box) posts IDCANCEL, or does nothing (a beep) when the dialog has
// an IDCANCEL control that is disabled.
//
// EndDialog records the result, marks the dialog ended and hides it; a modal run notices the mark,
// a modeless dialog simply stays hidden until shown again or destroyed.

#include "platform/framework/CRect.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/WinUser.h"

class CWnd;
class DialogState;

class DialogManager {
public:
    static constexpr const char* kClassName = "#32770";

    // `attach` is the framework object that receives the dialog's messages from the first one on.
    // Null when a template control cannot be created or the parent is not a window.
    static HWND CreateIndirect(HINSTANCE instance, const DialogTemplate& dialogTemplate, HWND parent,
                               DLGPROC proc, LPARAM initParam, CWnd* attach = nullptr);
    static LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL IsDialogMessage(HWND dialog, MSG* msg);
    // IsDialogMessage for keyboard and mouse input only (what a dialog's PreTranslateMessage passes).
    static BOOL PreTranslateInput(HWND dialog, MSG* msg);
    static BOOL EndDialog(HWND dialog, INT_PTR result);
    static HWND NextTabItem(HWND dialog, HWND control, bool previous);
    static HWND NextGroupItem(HWND dialog, HWND control, bool previous);
    // The mnemonic of a control text, upper-cased (Windows-1252); 0 when it has none.
    static unsigned char Mnemonic(const CString& text);
    // Gives the focus as the dialog manager does: an edit's text is selected.
    static void FocusControl(HWND control);

    static DialogState* State(HWND dialog);
    static CSize BaseUnits(const CString& fontName, int pointSize);
    static CRect UnitsToPixels(CSize baseUnits, short x, short y, short cx, short cy);

    // The painting library makes the template's font; until it registers a maker, dialogs and
    // their controls have no font (null), which only painting cares about.
    using FontMaker = HFONT (*)(const CString& fontName, int pointSize);
    static void SetFontMaker(FontMaker maker);
};
