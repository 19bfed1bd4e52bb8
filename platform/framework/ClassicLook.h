#pragma once
// The window system's own painting, in the classic look: what DefWindowProc does with the painting
// messages, and the pieces the standard controls share.
//
//   WM_NCPAINT     the frame: a 3-pixel raised dialog frame (4 for a sizing frame, a 1-pixel line
//                  for WS_BORDER), the caption bar (solid active or inactive caption colour) with
//                  the small icon when the window has a system menu and an icon, the caption text
//                  in the bold caption font, the close box (greyed, etched, when the system menu's
//                  Close is greyed), minimise and maximise boxes when the style asks for either
//                  (the one not asked for greyed); client and static edges; scroll bar areas.
//   WM_ERASEBKGND  fills the update area with the class background (a COLOR_ index + 1 or a
//                  brush); dialogs with the brush their WM_CTLCOLORDLG gives (COLOR_3DFACE).
//   WM_PAINT       BeginPaint / EndPaint (erases as asked, draws nothing else).
//   WM_CTLCOLOR... sets black text on the background and returns the system brush: COLOR_WINDOW
//                  for edits and list boxes, COLOR_3DFACE for the rest.
//   WM_PRINTCLIENT erases into the given context.
// A background fill (WM_ERASEBKGND, a tab control's body) skips what children and windows above
// the window in z-order will cover when it paints in its paint cycle: windows without a frame, not
// transparent, that paint every pixel of their window after the window under them, so the fill
// beneath would only be painted over; the pixels are the same. Those are dialogs painted by the
// dialog manager alone (no dialog procedure, erased with the solid brush of their WM_CTLCOLORDLG,
// no handler of their own for WM_PAINT, WM_ERASEBKGND or that colour), push buttons painted by
// their class, and windows whose object says it paints all of itself (CWnd::CoversItsWindow).
// Into any other context (WM_PRINTCLIENT, a memory context) the fill is whole.
// A minimised window shows its icon: WM_ERASEBKGND fills with the desktop colour, the default
// WM_PAINT draws the window's big icon (else its class icon) in the client area, WM_NCPAINT the
// caption under it (highlighted while active). Menu bars are not drawn.

#include "platform/framework/CRect.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/GdiTypes.h"

class CDC;

class ClassicLook {
public:
    // TRUE with the result when the message is one of the above.
    static bool DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The dialog's WM_ERASEBKGND.
    static LRESULT EraseDialog(HWND dialog, HDC dc);
    static void DrawFrame(HWND hwnd);
    // Fills a rectangle of the window's client area (logical units of the context) with the brush,
    // less what the windows over it cover (above).
    static void FillBackground(HWND hwnd, CDC& dc, const CRect& rect, HBRUSH brush);
    // The brush and colours a control paints with: its parent's answer to WM_CTLCOLOR... (the
    // system's when the parent gives none). Sets the context's text and background colours.
    static HBRUSH ControlColor(HWND control, CDC& dc, UINT ctlColorMessage);
    static HBRUSH DefaultControlColor(CDC& dc, UINT ctlColorMessage);
    // The font controls draw their text in: theirs, else the dialog font. Selects it into the context.
    static void SelectWindowFont(HWND hwnd, CDC& dc);
    // Bold caption font (never deleted).
    static HFONT CaptionFont();
    // Where the caption parts are, in window coordinates (empty when the window has none).
    static CRect CaptionRect(HWND hwnd);
    static CRect CloseBoxRect(HWND hwnd);
    // The minimise and maximise boxes (empty unless the style asks for either).
    static CRect MinimizeBoxRect(HWND hwnd);
    static CRect MaximizeBoxRect(HWND hwnd);
    static CRect IconRect(HWND hwnd);
    // Draws text etched (greyed: highlight offset by one pixel under the shadow colour), as disabled
    // controls show it.
    static void DrawEtchedText(CDC& dc, LPCTSTR text, CRect rect, UINT format);
};
