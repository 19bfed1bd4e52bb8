#pragma once
// Painting a window: the handle-level calls of the window system (BeginPaint, GetDC ...).
//
// Every top-level window has its own image (a surface the size of its window rectangle) that its
// own painting and its descendants' painting land in; screenshots copy it (PaintManager). A
// window's context starts with its origin at the top-left of its client area (GetDC, BeginPaint)
// or of its window rectangle (GetWindowDC), clipped to the window and to every ancestor's client
// area; a window or ancestor that is hidden leaves nothing visible. BeginPaint narrows the clip
// to the update rectangle (PAINTSTRUCT::rcPaint, client coordinates), validates the window, sends
// WM_NCPAINT when the frame needs drawing and WM_ERASEBKGND (wParam = the HDC) when the update was
// asked with erasing; fErase is TRUE when the background still needs erasing (nobody did).
//
// Order: parents paint first, children after them. Painting a window also invalidates the parts of
// its children (and of the siblings above it) that it painted over, so they paint again after it;
// a parent's context is never clipped around its children (WS_CLIPCHILDREN is not honoured).
//
// Contexts from GetDC/GetWindowDC/BeginPaint belong to the window system until ReleaseDC/EndPaint.
// GetDC(nullptr) is a context on the screen (for measuring text), not part of any window's image.

#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/GdiTypes.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint{};
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// Null (and the structure cleared) for an unknown window or a null structure.
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// 1 when the context was the window system's and is now released, 0 otherwise.
int ReleaseDC(HWND hwnd, HDC dc);

// A brush of a system colour (COLOR_...): owned by the system, DeleteObject leaves it alone.
// Null for an unknown index.
HBRUSH GetSysColorBrush(int index);

// Context-level drawing for code that holds an HDC (the CDC operations of the same names).
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// Scaled to cx x cy (0: the icon's size); the step, brush and flags are ignored (DI_NORMAL).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH brush, UINT flags);
int DrawText(HDC dc, LPCTSTR text, int count, LPRECT rect, UINT format);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
