#include "platform/framework/gdi/PaintFunctions.h"

#include <array>

#include "platform/framework/IconImage.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/GdiHandleTable.h"
#include "platform/framework/gdi/PaintManager.h"

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    if (!paint) return nullptr;
    return PaintManager::Get().BeginPaint(nullptr, hwnd, *paint);
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint)
{
    if (!paint) return FALSE;
    return PaintManager::Get().EndPaint(hwnd, *paint);
}

HDC GetDC(HWND hwnd)
{
    return PaintManager::Get().GetDC(hwnd, false);
}

HDC GetWindowDC(HWND hwnd)
{
    return PaintManager::Get().GetDC(hwnd, true);
}

int ReleaseDC(HWND hwnd, HDC dc)
{
    return PaintManager::Get().ReleaseDC(hwnd, dc);
}

HBRUSH GetSysColorBrush(int index)
{
    constexpr int kColors = COLOR_GRADIENTINACTIVECAPTION + 1;
    static std::array<HGDIOBJ, kColors>* brushes = new std::array<HGDIOBJ, kColors>{}; // never freed, as stock
    if (index < 0 || index >= kColors) return nullptr;
    HGDIOBJ& h = (*brushes)[static_cast<size_t>(index)];
    if (!h) {
        auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Brush);
        d->brushColor = ::GetSysColor(index);
        d->stock = true;
        h = GdiHandleTable::Add(d, nullptr);
    }
    return static_cast<HBRUSH>(h);
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    CDC* d = CDC::FromHandle(dc);
    CBrush* b = CBrush::FromHandle(brush);
    if (!d || !rect || !b) return 0;
    d->FillRect(rect, b);
    return 1;
}

BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->DrawEdge(rect, edge, flags) : FALSE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->DrawIcon(x, y, icon) : FALSE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->DrawIconEx(x, y, icon, cx, cy) : FALSE;
}

int DrawText(HDC dc, LPCTSTR text, int count, LPRECT rect, UINT format)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->DrawText(text, count, rect, format) : 0;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect)
{
    CDC* d = CDC::FromHandle(dc);
    if (!d || !rect) return FALSE;
    d->DrawFocusRect(rect);
    return TRUE;
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->SetTextColor(color) : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->SetBkColor(color) : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode)
{
    CDC* d = CDC::FromHandle(dc);
    return d ? d->SetBkMode(mode) : 0;
}
