#pragma once
// The standard combo box ("ComboBox"): a list of strings with a selection, shown closed as one
// field with a drop-down button and opened as a list below it.
//
// Kinds: CBS_DROPDOWNLIST shows the selected item and cannot be typed into; CBS_DROPDOWN (and
// CBS_SIMPLE, treated alike) has an edit field (a child "Edit", id 1001) the operator types into.
// The combo keeps the keyboard focus itself and hands characters and editing keys to its edit.
// CBS_SORT keeps the items sorted, compared without regard to case, for CB_ADDSTRING (not for
// CB_INSERTSTRING). Searches (CB_FINDSTRING prefix, CB_FINDSTRINGEXACT whole) ignore case, start
// after the given index and wrap around; -1 searches from the top. An empty prefix matches the
// first item searched.
//
// Geometry: the height given at creation is the height with the list open; the closed window is
// one field high (the font's line height + 2, plus a 3-pixel border above and below), and the list
// shows as many whole items as fit in the rest (at least one), scrolling through the others.
// WS_VSCROLL and WS_HSCROLL are the list's: the combo's own window drops them when made.
//
// Text: WM_GETTEXT gives the edit's text, or for a drop-down list the selected item's (empty with
// no selection). WM_SETTEXT sets the edit's text silently; a drop-down list has no edit field, so
// there it returns CB_ERR and changes nothing (a text exchange into such a list leaves its
// selection as it was: select with CB_SETCURSEL or CB_SELECTSTRING). Program changes
// (CB_SETCURSEL, WM_SETTEXT ...) notify nobody.
//
// The operator: a press on a drop-down list, or on the button of a drop-down, opens the list
// (CBN_DROPDOWN first) and captures the mouse; a release on an item chooses it: the list closes,
// CBN_SELCHANGE is sent when the selection changed (a drop-down's edit still shows the old text at
// that moment and takes the new one just after, as documented), then CBN_SELENDOK and CBN_CLOSEUP.
// A press elsewhere, Escape or the loss of the focus closes it with CBN_SELENDCANCEL and
// CBN_CLOSEUP. F4 opens and closes; Enter chooses the highlighted item. While closed, the arrow,
// Home, End, Page keys move the selection, and for a drop-down list a character selects the next
// item starting with it; each such change sends CBN_SELCHANGE. Typing into a drop-down's edit
// sends CBN_EDITUPDATE then CBN_EDITCHANGE, and the selection becomes the item equal to the new
// text (none when no item is).
//
// Painting (classic look): a sunken field in the parent's edit colours with the drop-down button at
// its right (a raised face with a black arrow, pushed in while the list is open); a drop-down list
// shows its selection in the field, highlighted with a focus rectangle while the combo has the
// focus; a drop-down's edit paints its own text. Disabled: grey field and arrow. The open list lies
// outside the combo's window and is not drawn.

#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CDC;

class ComboBoxControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int kEditId = 1001;
    static constexpr int kBorder = 3;
    static constexpr int kButtonWidth = 17;

    // For inspection and painting.
    static bool IsDropped(HWND hwnd);
    // The open list's rectangle in the combo's client coordinates (below the closed field), and
    // the rectangle of an item in it; empty when the list is closed or the item is not shown.
    static CRect ListRect(HWND hwnd);
    static CRect ItemRect(HWND hwnd, int index);
    static CRect ButtonRect(HWND hwnd);
    static void Paint(HWND hwnd, CDC& dc);

private:
    struct Item {
        CString text;
        LPARAM data = 0;
    };

    static ComboBoxControl* from(HWND hwnd);
    static LRESULT handle(HWND hwnd, ComboBoxControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static void notify(HWND hwnd, UINT code);
    static bool isList(HWND hwnd);
    // Sets the selection and shows it (edit text or field) without notifying.
    static void select(HWND hwnd, int index);
    static void setEditText(HWND hwnd, const CString& text);
    static CString currentText(HWND hwnd);
    // The operator changed the selection: notify, then show it in the edit.
    static void operatorSelect(HWND hwnd, int index);
    static void open(HWND hwnd);
    static void close(HWND hwnd, bool accept);
    static void layout(HWND hwnd);
    static int find(const ComboBoxControl& self, int start, LPCTSTR text, bool exact);
    static int visibleItems(const ComboBoxControl& self);

    std::vector<Item> m_items;
    int m_cursel = -1;
    int m_top = 0;        // first item shown in the open list
    int m_hot = -1;       // item highlighted in the open list
    bool m_dropped = false;
    bool m_openingClick = false; // the press that opened the list has not been released yet
    bool m_focused = false;
    bool m_quiet = false;        // the combo changes its edit's text itself
    int m_itemHeight = 13;
    int m_droppedHeight = 0;     // window height with the list open, as created
    HWND m_edit = nullptr;
};
