#include "platform/framework/ControlWindow.h"

#include "platform/framework/CString.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

bool ControlWindow::Paint(HWND hwnd, UINT message, WPARAM wParam, PaintFunction paint)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hwnd, &ps);
        if (CDC* dc = hdc ? CDC::FromHandle(hdc) : nullptr) paint(hwnd, *dc);
        ::EndPaint(hwnd, &ps);
        return true;
    }
    if (message == WM_PRINTCLIENT) {
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) paint(hwnd, *dc);
        return true;
    }
    return false;
}

bool ControlWindow::RegisterOnce(LPCTSTR className, WNDPROC proc)
{
    WNDCLASS wc;
    if (::GetClassInfo(nullptr, className, &wc)) return true;
    wc = WNDCLASS{};
    wc.lpszClassName = className;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = kExtraBytes;
    return ::RegisterClass(&wc) != 0;
}

bool ControlWindow::IsOfClass(HWND hwnd, LPCTSTR className)
{
    if (!hwnd || !::IsWindow(hwnd)) return false;
    char name[64] = {};
    return ::GetClassName(hwnd, name, sizeof name) && CString(name) == className;
}

void* ControlWindow::StateOf(HWND hwnd)
{
    return reinterpret_cast<void*>(::GetWindowLongPtr(hwnd, 0));
}

void ControlWindow::SetState(HWND hwnd, void* state)
{
    ::SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
}

LRESULT ControlWindow::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowManager::Get().DefWindowProc(hwnd, message, wParam, lParam);
}
