#include "platform/calibrationgrid/CalibrationGridControl.h"

#include <algorithm>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/gdi/CDC.h"

void CalibrationGridControl::Register()
{
    ControlWindow::RegisterOnce(kClassName, &CalibrationGridControl::WindowProc);
}

CalibrationGridControl* CalibrationGridControl::FromHandle(HWND hwnd)
{
    return ControlWindow::Find<CalibrationGridControl>(hwnd, kClassName);
}

LRESULT CALLBACK CalibrationGridControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<CalibrationGridControl>(hwnd, message, wParam, lParam, &Handle);
}

LRESULT CalibrationGridControl::Handle(HWND hwnd, CalibrationGridControl& self, UINT message, WPARAM wParam,
                                       LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        self.m_hwnd = hwnd;
        break;
    case CGM_DISPATCH:
        if (lParam) self.Dispatch(*reinterpret_cast<CalibrationGridDispatch*>(lParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        break;
    }
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

void CalibrationGridControl::Paint(HWND hwnd, CDC& dc)
{
    if (CalibrationGridControl* self = FromHandle(hwnd)) self->Draw(dc);
}

void CalibrationGridControl::Dispatch(CalibrationGridDispatch& call)
{
    call.handled = false;
    call.result = 0;
    if (call.argCount != 1) return;
    const long arg = call.arg;
    bool taken = false;
    switch (call.dispid) {
    case griddispid::SetGridSize:
        if (arg >= 0) {
            m_size = static_cast<int>(std::min<long>(arg, kMaxGridSize));
            m_hits.clear();
            m_current = -1;
            taken = true;
        }
        break;
    case griddispid::SetHit:
        if (OnGrid(arg)) {
            m_hits.insert(arg);
            taken = true;
        }
        break;
    case griddispid::SetCurrentAim:
        taken = OnGrid(arg);
        if (m_current != (taken ? arg : -1)) {
            m_current = taken ? arg : -1;
            ::InvalidateRect(m_hwnd, nullptr, FALSE);
        }
        break;
    default:
        return;
    }
    call.handled = true;
    call.result = taken ? TRUE : FALSE;
    if (taken) ::InvalidateRect(m_hwnd, nullptr, FALSE);
}

RECT CalibrationGridControl::CellRect(long aim) const
{
    RECT cell{0, 0, 0, 0};
    if (!OnGrid(aim)) return cell;
    RECT client;
    ::GetClientRect(m_hwnd, &client);
    const int side = std::min(client.right, client.bottom);
    const int left = (client.right - side) / 2;
    const int top = (client.bottom - side) / 2;
    const int row = static_cast<int>(aim / m_size);
    const int column = static_cast<int>(aim % m_size);
    // Cell edges by proportion, so that the cells fill the square exactly.
    cell.left = left + column * side / m_size;
    cell.right = left + (column + 1) * side / m_size;
    cell.top = top + row * side / m_size;
    cell.bottom = top + (row + 1) * side / m_size;
    return cell;
}

void CalibrationGridControl::Draw(CDC& dc)
{
    CRect client;
    ::GetClientRect(m_hwnd, &client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    if (m_size <= 0) return;

    for (long aim : m_hits) {
        const RECT r = CellRect(aim);
        dc.FillSolidRect(&r, kHitColour);
    }
    const RECT first = CellRect(0);
    const RECT last = CellRect(static_cast<long>(m_size) * m_size - 1);
    for (int i = 0; i <= m_size; ++i) {
        // Vertical and horizontal lines at the cell edges (the last one on the square's far edge).
        const RECT cell = CellRect(std::min(i, m_size - 1));
        const int x = i < m_size ? cell.left : last.right - 1;
        const RECT rowCell = CellRect(static_cast<long>(std::min(i, m_size - 1)) * m_size);
        const int y = i < m_size ? rowCell.top : last.bottom - 1;
        dc.FillSolidRect(x, first.top, 1, last.bottom - first.top, kLineColour);
        dc.FillSolidRect(first.left, y, last.right - first.left, 1, kLineColour);
    }
    if (m_current >= 0) {
        const RECT r = CellRect(m_current);
        const int width = std::max(1, std::min<int>(2, (r.right - r.left) / 4));
        dc.FillSolidRect(r.left, r.top, r.right - r.left, width, kCurrentColour);
        dc.FillSolidRect(r.left, r.bottom - width, r.right - r.left, width, kCurrentColour);
        dc.FillSolidRect(r.left, r.top, width, r.bottom - r.top, kCurrentColour);
        dc.FillSolidRect(r.right - width, r.top, width, r.bottom - r.top, kCurrentColour);
    }
}
