#include "platform/patternctrl/PatternControl.h"

#include <algorithm>
#include <memory>

#include "platform/framework/CRect.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CPen.h"

void PatternControl::Register()
{
    ControlWindow::RegisterOnce(kClassName, &PatternControl::WindowProc);
}

PatternControl* PatternControl::FromHandle(HWND hwnd)
{
    return ControlWindow::Find<PatternControl>(hwnd, kClassName);
}

LRESULT CALLBACK PatternControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<PatternControl>(hwnd, message, wParam, lParam, &Handle);
}

LRESULT PatternControl::Handle(HWND hwnd, PatternControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        self.m_hwnd = hwnd;
        break;
    case PCM_DISPATCH:
        if (lParam) self.Dispatch(*reinterpret_cast<PatternDispatch*>(lParam));
        return 0;
    case PCM_ADDPOINT:
        return self.AddPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) ? TRUE : FALSE;
    case WM_LBUTTONDOWN: {
        RECT client;
        ::GetClientRect(hwnd, &client);
        self.AddPoint(GET_X_LPARAM(lParam) - client.right / 2, GET_Y_LPARAM(lParam) - client.bottom / 2);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    default:
        break;
    }
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

void PatternControl::Paint(HWND hwnd, CDC& dc)
{
    if (PatternControl* self = FromHandle(hwnd)) self->Draw(dc);
}

PatternControl::Point* PatternControl::At(long index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_points.size()) return nullptr;
    return &m_points[static_cast<size_t>(index)];
}

void PatternControl::RecordUndo()
{
    if (m_undo.size() == kUndoDepth) m_undo.erase(m_undo.begin());
    m_undo.push_back(m_points);
}

void PatternControl::Changed()
{
    m_modified = true;
    ::InvalidateRect(m_hwnd, nullptr, FALSE);
}

bool PatternControl::AddPoint(long x, long y)
{
    if (m_points.size() >= kMaxPoints) return false;
    RecordUndo();
    m_points.push_back(Point{x, y, m_laser, m_width});
    Changed();
    return true;
}

void PatternControl::Dispatch(PatternDispatch& call)
{
    using namespace patterndispid;
    auto takes = [&](PatternDispatch::Kind kind, int count) { return call.kind == kind && call.argCount == count; };
    const long a0 = call.args[0];
    const long a1 = call.args[1];
    long result = 0;
    bool ok = true;
    if (takes(PatternDispatch::PropertySet, 1)) {
        switch (call.dispid) {
        case LaserState: m_laser = a0 ? TRUE : FALSE; break;
        case LaserWidth: m_width = static_cast<short>(a0); break;
        case Scale:
            if (a0 > 0) {
                m_scale = a0;
                ::InvalidateRect(m_hwnd, nullptr, FALSE);
            }
            break;
        default: ok = false; break;
        }
    } else if (takes(PatternDispatch::Method, 0)) {
        switch (call.dispid) {
        case NewPattern:
            RecordUndo();
            m_points.clear();
            Changed();
            result = TRUE;
            break;
        case Undo:
            if (!m_undo.empty()) {
                m_points = std::move(m_undo.back());
                m_undo.pop_back();
                Changed();
                result = TRUE;
            }
            break;
        case IsPatternModified: result = m_modified ? TRUE : FALSE; break;
        case ResetModified:
            m_modified = false;
            result = TRUE;
            break;
        case GetPointCount: result = static_cast<long>(m_points.size()); break;
        case GetScale: result = m_scale; break;
        case DISPID_REFRESH: ::InvalidateRect(m_hwnd, nullptr, FALSE); break;
        default: ok = false; break;
        }
    } else if (takes(PatternDispatch::Method, 1)) {
        const Point* p = At(a0);
        switch (call.dispid) {
        case GetPointX: result = p ? p->x : 0; break;
        case GetPointY: result = p ? p->y : 0; break;
        case GetPointLaserState: result = p ? p->laser : FALSE; break;
        case GetPointLaserWidth: result = p ? p->width : 0; break;
        case SetAllLaserWidths: {
            // The width every point has already is no edit: no undo step that would push real
            // ones out, no copy of the pattern and no repaint, so a held or repeated button costs
            // one look at the points.
            const short width = static_cast<short>(a0);
            if (std::any_of(m_points.begin(), m_points.end(), [&](const Point& q) { return q.width != width; })) {
                RecordUndo();
                for (Point& q : m_points) q.width = width;
                Changed();
            }
            result = TRUE;
            break;
        }
        default: ok = false; break;
        }
    } else if (takes(PatternDispatch::Method, 2)) {
        Point* p = At(a0);
        switch (call.dispid) {
        case SetPointX:
            if (!p && a0 >= 0 && static_cast<size_t>(a0) == m_points.size() && m_points.size() < kMaxPoints) {
                m_points.push_back(Point{a1, 0, m_laser, m_width});
                Changed();
                result = TRUE;
            } else if (p) {
                p->x = a1;
                Changed();
                result = TRUE;
            }
            break;
        case SetPointY:
            if (p) {
                p->y = a1;
                Changed();
                result = TRUE;
            }
            break;
        case SetPointLaserWidth:
            if (p) {
                p->width = static_cast<short>(a1);
                Changed();
                result = TRUE;
            }
            break;
        case SetPointLaserState:
            if (p) {
                p->laser = static_cast<short>(a1) ? TRUE : FALSE;
                Changed();
                result = TRUE;
            }
            break;
        default: ok = false; break;
        }
    } else {
        ok = false;
    }
    call.handled = ok;
    call.result = ok ? result : 0;
}

void PatternControl::Draw(CDC& dc)
{
    CRect client;
    ::GetClientRect(m_hwnd, &client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    const int cx = client.right / 2;
    const int cy = client.bottom / 2;
    dc.FillSolidRect(0, cy, client.right, 1, RGB(210, 210, 210));
    dc.FillSolidRect(cx, 0, 1, client.bottom, RGB(210, 210, 210));

    CPen onPen(PS_SOLID, 1, kLaserOnColour);
    CPen offPen(PS_SOLID, 1, kLaserOffColour);
    CPen* oldPen = dc.SelectObject(&offPen);
    for (size_t i = 1; i < m_points.size(); ++i) {
        const Point& from = m_points[i - 1];
        const Point& to = m_points[i];
        dc.SelectObject(to.laser ? &onPen : &offPen);
        dc.MoveTo(static_cast<int>(cx + from.x), static_cast<int>(cy + from.y));
        dc.LineTo(static_cast<int>(cx + to.x), static_cast<int>(cy + to.y));
    }
    CPen ring(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush onFill(kLaserOnColour);
    CBrush offFill(RGB(255, 255, 255));
    dc.SelectObject(&ring);
    CBrush* oldBrush = dc.SelectObject(&offFill);
    for (const Point& p : m_points) {
        const int radius = 1 + std::clamp<int>(p.width, 0, 20);
        dc.SelectObject(p.laser ? &onFill : &offFill);
        const int x = static_cast<int>(cx + p.x);
        const int y = static_cast<int>(cy + p.y);
        dc.Ellipse(x - radius, y - radius, x + radius + 1, y + radius + 1);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}
