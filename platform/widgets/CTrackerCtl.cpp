#include "platform/widgets/CTrackerCtl.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

#include "platform/framework/ControlWindow.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CPen.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

constexpr COLORREF kCircleColour = 0x808080;
constexpr COLORREF kAxisColour = 0xE0E0E0;
constexpr COLORREF kCrossColour = 0x000000;
constexpr int kCrossArm = 8; // pixels from the centre
constexpr int kCrossGap = 2; // left open around the centre, so a spot under the cross shows
constexpr int kSpotRadius = 2;

struct Range {
    int min = -100;
    int max = 100;
    int clamp(int v) const { return std::clamp(v, min, max); }
    int span() const { return max - min; }
};

struct TrackerState {
    Range x, y;
    Range circleX, circleY;
    double ratio = 1.0;
    POINT value{0, 0};
    std::deque<TrackerSpot> spots;
    bool dragging = false;
    bool keyDown = false; // an arrow key went down here; its release ends the move
    bool focused = false;

    static void Paint(HWND hwnd, CDC& dc);
};

TrackerState* stateOf(HWND hwnd)
{
    char name[16] = {};
    if (!::IsWindow(hwnd) || ::GetClassName(hwnd, name, sizeof name) <= 0 ||
        std::strcmp(name, CTrackerCtl::kClassName) != 0) {
        return nullptr;
    }
    return reinterpret_cast<TrackerState*>(::GetWindowLongPtr(hwnd, 0));
}

CRect field(HWND hwnd)
{
    CRect client;
    ::GetClientRect(hwnd, &client);
    client.DeflateRect(CTrackerCtl::kBorder, CTrackerCtl::kBorder);
    if (client.right <= client.left) client.right = client.left + 1;
    if (client.bottom <= client.top) client.bottom = client.top + 1;
    return client;
}

// Pixel of a value along one axis: `first` shows `from`, `last` shows `to`.
int toPixel(int value, int from, int to, int first, int last)
{
    if (to == from) return first;
    double share = static_cast<double>(value - from) / (to - from);
    return first + static_cast<int>(std::lround(share * (last - first)));
}

int toValue(int pixel, int first, int last, int from, int to)
{
    if (last == first) return from;
    double share = static_cast<double>(pixel - first) / (last - first);
    int v = from + static_cast<int>(std::lround(share * (to - from)));
    return std::clamp(v, std::min(from, to), std::max(from, to));
}

POINT pointOf(HWND hwnd, const TrackerState& s, int x, int y)
{
    CRect f = field(hwnd);
    return POINT{toPixel(x, s.x.min, s.x.max, f.left, f.right - 1), toPixel(y, s.y.max, s.y.min, f.top, f.bottom - 1)};
}

POINT valueAt(HWND hwnd, const TrackerState& s, POINT p)
{
    CRect f = field(hwnd);
    return POINT{toValue(p.x, f.left, f.right - 1, s.x.min, s.x.max), toValue(p.y, f.top, f.bottom - 1, s.y.max, s.y.min)};
}

void redraw(HWND hwnd)
{
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

void notifyChange(HWND hwnd)
{
    HWND parent = ::GetParent(hwnd);
    int id = ::GetDlgCtrlID(hwnd);
    if (parent) {
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(TRN_CHANGE)),
                      reinterpret_cast<LPARAM>(hwnd));
    }
}

void notifyRelease(HWND hwnd)
{
    HWND parent = ::GetParent(hwnd);
    if (!parent) return;
    NMHDR hdr;
    hdr.hwndFrom = hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    hdr.code = TRN_RELEASE;
    ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

// Moves the cross; true when it moved.
bool moveTo(HWND hwnd, TrackerState& s, POINT value)
{
    POINT v{s.x.clamp(value.x), s.y.clamp(value.y)};
    if (v.x == s.value.x && v.y == s.value.y) return false;
    s.value = v;
    redraw(hwnd);
    return true;
}

BOOL setLimits(HWND hwnd, TrackerState& s, Range& axis, int minimum, int maximum)
{
    if (maximum < minimum) return FALSE;
    axis = Range{minimum, maximum};
    s.value = POINT{s.x.clamp(s.value.x), s.y.clamp(s.value.y)};
    redraw(hwnd);
    return TRUE;
}

void drawSpot(CDC& dc, POINT p, const TrackerSpot& spot)
{
    CRect r(p.x - kSpotRadius, p.y - kSpotRadius, p.x + kSpotRadius + 1, p.y + kSpotRadius + 1);
    if (spot.kind == CTrackerCtl::kSpotKindRing || spot.kind == CTrackerCtl::kSpotKindDot) {
        CPen pen(PS_SOLID, 1, spot.colour);
        CBrush brush(spot.colour);
        CPen* oldPen = dc.SelectObject(&pen);
        CGdiObject* oldBrush = spot.kind == CTrackerCtl::kSpotKindDot ? dc.SelectObject(&brush)
                                                                      : dc.SelectStockObject(NULL_BRUSH);
        dc.Ellipse(&r);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    } else {
        dc.FillSolidRect(&r, spot.colour);
    }
}

void paint(HWND hwnd, CDC& dc)
{
    TrackerState* s = stateOf(hwnd);
    if (!s) return;
    CRect client;
    ::GetClientRect(hwnd, &client);
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    CRect f = field(hwnd);
    dc.FillSolidRect(&client, ::GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    CRect edge = client;
    dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);

    int saved = dc.SaveDC();
    dc.IntersectClipRect(&f);

    // The axes through (0, 0) when it lies in the field.
    POINT origin = pointOf(hwnd, *s, 0, 0);
    if (s->x.min <= 0 && 0 <= s->x.max) dc.FillSolidRect(origin.x, f.top, 1, f.Height(), kAxisColour);
    if (s->y.min <= 0 && 0 <= s->y.max) dc.FillSolidRect(f.left, origin.y, f.Width(), 1, kAxisColour);

    // The circle.
    POINT low = pointOf(hwnd, *s, s->circleX.min, s->circleY.max);
    POINT high = pointOf(hwnd, *s, s->circleX.max, s->circleY.min);
    double cx = (low.x + high.x) / 2.0, cy = (low.y + high.y) / 2.0;
    double rx = (high.x - low.x) / 2.0 * s->ratio, ry = (high.y - low.y) / 2.0 * s->ratio;
    if (rx >= 1.0 && ry >= 1.0) {
        CPen pen(PS_SOLID, 1, kCircleColour);
        CPen* oldPen = dc.SelectObject(&pen);
        CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
        dc.Ellipse(static_cast<int>(std::lround(cx - rx)), static_cast<int>(std::lround(cy - ry)),
                   static_cast<int>(std::lround(cx + rx)) + 1, static_cast<int>(std::lround(cy + ry)) + 1);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }

    for (const TrackerSpot& spot : s->spots) drawSpot(dc, pointOf(hwnd, *s, spot.x, spot.y), spot);

    // The cross: four arms around an open centre.
    POINT c = pointOf(hwnd, *s, s->value.x, s->value.y);
    COLORREF cross = enabled ? kCrossColour : ::GetSysColor(COLOR_GRAYTEXT);
    dc.FillSolidRect(c.x - kCrossArm, c.y, kCrossArm - kCrossGap, 1, cross);
    dc.FillSolidRect(c.x + kCrossGap + 1, c.y, kCrossArm - kCrossGap, 1, cross);
    dc.FillSolidRect(c.x, c.y - kCrossArm, 1, kCrossArm - kCrossGap, cross);
    dc.FillSolidRect(c.x, c.y + kCrossGap + 1, 1, kCrossArm - kCrossGap, cross);
    dc.RestoreDC(saved);

    if (s->focused) {
        CRect focus = f;
        dc.DrawFocusRect(&focus);
    }
}

LRESULT handle(HWND hwnd, TrackerState& s, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TRKM_SETXLIMITS:
        return setLimits(hwnd, s, s.x, static_cast<int>(wParam), static_cast<int>(lParam));
    case TRKM_SETYLIMITS:
        return setLimits(hwnd, s, s.y, static_cast<int>(wParam), static_cast<int>(lParam));
    case TRKM_SETCIRCLELIMITS:
        if (const auto* r = reinterpret_cast<const RECT*>(lParam)) {
            s.circleX = Range{std::min(r->left, r->right), std::max(r->left, r->right)};
            s.circleY = Range{std::min(r->top, r->bottom), std::max(r->top, r->bottom)};
            redraw(hwnd);
        }
        return 0;
    case TRKM_SETCIRCLERATIO:
        if (const auto* ratio = reinterpret_cast<const double*>(lParam); ratio && std::isfinite(*ratio)) {
            s.ratio = std::clamp(*ratio, 0.0, 1.0);
            redraw(hwnd);
        }
        return 0;
    case TRKM_GETVALUE:
        if (auto* p = reinterpret_cast<POINT*>(lParam)) *p = s.value;
        return 0;
    case TRKM_SETVALUE:
        moveTo(hwnd, s, POINT{static_cast<int>(wParam), static_cast<int>(lParam)});
        return 0;
    case TRKM_ADDSPOT:
        if (const auto* spot = reinterpret_cast<const TrackerSpot*>(lParam)) {
            if (s.spots.size() >= CTrackerCtl::kMaxSpots) s.spots.pop_front();
            s.spots.push_back(*spot);
            redraw(hwnd);
        }
        return 0;
    case TRKM_CLEARSPOTS:
        if (!s.spots.empty()) redraw(hwnd);
        s.spots.clear();
        return 0;
    case TRKM_GETSPOTCOUNT:
        return static_cast<LRESULT>(s.spots.size());
    case TRKM_GETSPOT:
        if (auto* out = reinterpret_cast<TrackerSpot*>(lParam); out && wParam < s.spots.size()) {
            *out = s.spots[wParam];
            return TRUE;
        }
        return FALSE;
    case TRKM_GETLIMITS:
        if (auto* r = reinterpret_cast<RECT*>(lParam)) {
            const Range& rx = wParam ? s.circleX : s.x;
            const Range& ry = wParam ? s.circleY : s.y;
            *r = RECT{rx.min, ry.min, rx.max, ry.max};
        }
        return 0;
    case TRKM_GETCIRCLERATIO:
        if (auto* ratio = reinterpret_cast<double*>(lParam)) *ratio = s.ratio;
        return 0;

    // --- the operator -----------------------------------------------------------------------------
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        s.focused = message == WM_SETFOCUS;
        redraw(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        TrackerState* self = stateOf(hwnd);
        if (!self) return 0;
        self->dragging = true;
        ::SetCapture(hwnd);
        if (moveTo(hwnd, *self, valueAt(hwnd, *self, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
            notifyChange(hwnd);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s.dragging && moveTo(hwnd, s, valueAt(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
            notifyChange(hwnd);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!s.dragging) return 0;
        if (moveTo(hwnd, s, valueAt(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
            notifyChange(hwnd);
        }
        TrackerState* self = stateOf(hwnd);
        if (!self) return 0;
        self->dragging = false;
        if (::GetCapture() == hwnd) ::ReleaseCapture();
        if (stateOf(hwnd)) notifyRelease(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        // Taken away mid-drag: the drag ends where it is.
        if (s.dragging && reinterpret_cast<HWND>(lParam) != hwnd) {
            s.dragging = false;
            notifyRelease(hwnd);
        }
        return 0;
    case WM_KEYDOWN: {
        POINT v = s.value;
        switch (wParam) {
        case VK_LEFT: --v.x; break;
        case VK_RIGHT: ++v.x; break;
        case VK_UP: ++v.y; break;
        case VK_DOWN: --v.y; break;
        default: return ::DefWindowProc(hwnd, message, wParam, lParam);
        }
        s.keyDown = true;
        if (moveTo(hwnd, s, v)) notifyChange(hwnd);
        return 0;
    }
    case WM_KEYUP:
        if (wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN) {
            // Only the release of a key that went down here (one whose press was kept from the
            // tracker releases nothing).
            if (s.keyDown) {
                s.keyDown = false;
                notifyRelease(hwnd);
            }
            return 0;
        }
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    case WM_ENABLE:
        if (!wParam && s.dragging && ::GetCapture() == hwnd) ::ReleaseCapture();
        redraw(hwnd);
        return 0;
    case WM_SIZE:
        redraw(hwnd);
        return 0;
    default:
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void TrackerState::Paint(HWND hwnd, CDC& dc)
{
    paint(hwnd, dc);
}

} // namespace

LRESULT CALLBACK CTrackerCtl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<TrackerState>(hwnd, message, wParam, lParam, &handle);
}

bool CTrackerCtl::RegisterWindowClass()
{
    return ControlWindow::RegisterOnce(kClassName, &CTrackerCtl::WndProc);
}

CTrackerCtl::CTrackerCtl()
{
    RegisterWindowClass();
}

CTrackerCtl::~CTrackerCtl() = default;

BOOL CTrackerCtl::SetXLimits(int minimum, int maximum)
{
    return m_hWnd ? static_cast<BOOL>(SendMessage(TRKM_SETXLIMITS, static_cast<WPARAM>(minimum), maximum)) : FALSE;
}

BOOL CTrackerCtl::SetYLimits(int minimum, int maximum)
{
    return m_hWnd ? static_cast<BOOL>(SendMessage(TRKM_SETYLIMITS, static_cast<WPARAM>(minimum), maximum)) : FALSE;
}

void CTrackerCtl::SetCircleLimits(int xMin, int xMax, int yMin, int yMax)
{
    RECT r{xMin, yMin, xMax, yMax};
    if (m_hWnd) SendMessage(TRKM_SETCIRCLELIMITS, 0, reinterpret_cast<LPARAM>(&r));
}

void CTrackerCtl::SetCircleRatio(double ratio)
{
    if (m_hWnd) SendMessage(TRKM_SETCIRCLERATIO, 0, reinterpret_cast<LPARAM>(&ratio));
}

CRect CTrackerCtl::GetLimits() const
{
    RECT r{};
    if (m_hWnd) ::SendMessage(m_hWnd, TRKM_GETLIMITS, 0, reinterpret_cast<LPARAM>(&r));
    return CRect(r);
}

CRect CTrackerCtl::GetCircleLimits() const
{
    RECT r{};
    if (m_hWnd) ::SendMessage(m_hWnd, TRKM_GETLIMITS, 1, reinterpret_cast<LPARAM>(&r));
    return CRect(r);
}

double CTrackerCtl::GetCircleRatio() const
{
    double ratio = 0.0;
    if (m_hWnd) ::SendMessage(m_hWnd, TRKM_GETCIRCLERATIO, 0, reinterpret_cast<LPARAM>(&ratio));
    return ratio;
}

void CTrackerCtl::GetValue(int& x, int& y) const
{
    POINT p{0, 0};
    if (m_hWnd) ::SendMessage(m_hWnd, TRKM_GETVALUE, 0, reinterpret_cast<LPARAM>(&p));
    x = p.x;
    y = p.y;
}

void CTrackerCtl::SetValue(int x, int y)
{
    if (m_hWnd) SendMessage(TRKM_SETVALUE, static_cast<WPARAM>(x), y);
}

void CTrackerCtl::AddSpot(int x, int y, int kind, COLORREF colour)
{
    TrackerSpot spot{x, y, kind, colour};
    if (m_hWnd) SendMessage(TRKM_ADDSPOT, 0, reinterpret_cast<LPARAM>(&spot));
}

void CTrackerCtl::ClearSpots()
{
    if (m_hWnd) SendMessage(TRKM_CLEARSPOTS);
}

int CTrackerCtl::GetSpotCount() const
{
    return m_hWnd ? static_cast<int>(::SendMessage(m_hWnd, TRKM_GETSPOTCOUNT)) : 0;
}

std::vector<TrackerSpot> CTrackerCtl::GetSpots() const
{
    std::vector<TrackerSpot> spots(static_cast<size_t>(GetSpotCount()));
    for (size_t i = 0; i < spots.size(); ++i) {
        ::SendMessage(m_hWnd, TRKM_GETSPOT, i, reinterpret_cast<LPARAM>(&spots[i]));
    }
    return spots;
}

POINT CTrackerCtl::PointOf(HWND tracker, int x, int y)
{
    const TrackerState* s = stateOf(tracker);
    return s ? pointOf(tracker, *s, x, y) : POINT{0, 0};
}

POINT CTrackerCtl::ValueAt(HWND tracker, POINT client)
{
    const TrackerState* s = stateOf(tracker);
    return s ? valueAt(tracker, *s, client) : POINT{0, 0};
}
