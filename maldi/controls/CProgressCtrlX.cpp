#include "maldi/controls/CProgressCtrlX.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CPaintDC.h"
#include "platform/framework/gdi/CRgn.h"

namespace {

// Widths and precisions beyond this are not a progress text; such a conversion is drawn as written.
constexpr int kMaxFieldWidth = 256;

// Prints a text format with one integer (see the header): printf for the integer conversions, the
// rest copied, so no format string can read arguments that are not there.
CString FormatWithValue(const CString& format, int value)
{
    const std::string& f = format.str();
    const size_t n = f.size();
    std::string out;
    size_t i = 0;
    while (i < n) {
        if (f[i] != '%') {
            out += f[i++];
            continue;
        }
        if (i + 1 < n && f[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        size_t j = i + 1;
        while (j < n && std::strchr("-+ #0", f[j]) && f[j] != '\0') ++j;
        int width = 0;
        while (j < n && std::isdigit(static_cast<unsigned char>(f[j]))) width = std::min(width * 10 + (f[j++] - '0'), 100000);
        int precision = 0;
        if (j < n && f[j] == '.') {
            ++j;
            while (j < n && std::isdigit(static_cast<unsigned char>(f[j])))
                precision = std::min(precision * 10 + (f[j++] - '0'), 100000);
        }
        const size_t conversionEnd = j; // length modifiers are dropped: the value is an int
        while (j < n && std::strchr("hlLqjzt", f[j]) && f[j] != '\0') ++j;
        if (j < n && std::strchr("diuxXo", f[j]) && f[j] != '\0' && width <= kMaxFieldWidth &&
            precision <= kMaxFieldWidth) {
            std::string conversion = f.substr(i, conversionEnd - i) + f[j];
            char buffer[2 * kMaxFieldWidth + 32];
            int written = std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
            if (written > 0) out.append(buffer, std::min<size_t>(static_cast<size_t>(written), sizeof buffer - 1));
            i = j + 1;
        } else {
            size_t end = j < n ? j + 1 : n;
            out.append(f, i, end - i);
            i = end;
        }
    }
    return CString(out);
}

// The rectangle of the span [a, b) along the bar (see the header's ConvertToReal).
inline RECT ToReal(const CProgressCtrlX::CDrawInfo& info, int a, int b)
{
    RECT r = info.rcClient;
    const bool reverse = (info.dwStyle & PBS_REVERSE) != 0;
    if (info.dwStyle & PBS_VERTICAL) {
        r.top = reverse ? info.rcClient.top + a : info.rcClient.bottom - b;
        r.bottom = reverse ? info.rcClient.top + b : info.rcClient.bottom - a;
    } else {
        r.left = reverse ? info.rcClient.right - b : info.rcClient.left + a;
        r.right = reverse ? info.rcClient.right - a : info.rcClient.left + b;
    }
    return r;
}

} // namespace

BEGIN_MESSAGE_MAP(CProgressCtrlX, CProgressCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(PBM_SETBARCOLOR, &CProgressCtrlX::OnSetBarColor)
    ON_MESSAGE(PBM_SETBKCOLOR, &CProgressCtrlX::OnSetBkColor)
    ON_MESSAGE(PBM_SETSTEP, &CProgressCtrlX::OnSetStep)
    ON_MESSAGE(PBM_SETPOS, &CProgressCtrlX::OnSetPos)
    ON_MESSAGE(PBM_DELTAPOS, &CProgressCtrlX::OnDeltaPos)
    ON_MESSAGE(PBM_STEPIT, &CProgressCtrlX::OnStepIt)
END_MESSAGE_MAP()

CProgressCtrlX::CProgressCtrlX()
    : m_clrBk(::GetSysColor(COLOR_BTNFACE)),
      m_clrTextOnBar(::GetSysColor(COLOR_CAPTIONTEXT)),
      m_clrTextOnBk(::GetSysColor(COLOR_BTNTEXT))
{
    m_ardwGradColors.SetSize(2);
    m_ardwGradColors.SetAt(0, ::GetSysColor(COLOR_ACTIVECAPTION));
    m_ardwGradColors.SetAt(1, ::GetSysColor(COLOR_ACTIVECAPTION));
}

CProgressCtrlX::~CProgressCtrlX() = default;

// --- properties ---------------------------------------------------------------------------------------

void CProgressCtrlX::SetGradientColors(COLORREF start, COLORREF end)
{
    m_ardwGradColors.SetSize(2);
    m_ardwGradColors.SetAt(0, start);
    m_ardwGradColors.SetAt(1, end);
}

void CProgressCtrlX::GetGradientColors(COLORREF& start, COLORREF& end) const
{
    start = m_ardwGradColors.GetAt(0);
    end = m_ardwGradColors.GetAt(1);
}

void CProgressCtrlX::SetGradientColorsX(int count, COLORREF first, COLORREF second, ...)
{
    count = std::max(count, 2);
    m_ardwGradColors.SetSize(count);
    m_ardwGradColors.SetAt(0, first);
    m_ardwGradColors.SetAt(1, second);
    va_list args;
    va_start(args, second);
    for (int i = 2; i < count; ++i) m_ardwGradColors.SetAt(i, va_arg(args, COLORREF));
    va_end(args);
}

void CProgressCtrlX::SetTextColor(COLORREF onBar, COLORREF onBk)
{
    m_clrTextOnBar = m_clrTextOnBk = onBar;
    if (onBk != static_cast<COLORREF>(-1)) m_clrTextOnBk = onBk;
}

void CProgressCtrlX::SetTextFormat(LPCTSTR format, DWORD flags)
{
    if (format && *format && flags) {
        ModifyStyle(PBS_TEXTMASK, flags);
        SetWindowText(format);
    } else {
        ModifyStyle(PBS_TEXTMASK, 0);
        SetWindowText("");
    }
}

void CProgressCtrlX::SetShowPercent(BOOL show)
{
    SetTextFormat(show ? "%d%%" : nullptr, PBS_SHOW_PERCENT);
}

void CProgressCtrlX::HideText()
{
    SetTextFormat(nullptr, PBS_TEXTMASK);
}

void CProgressCtrlX::SetTiedText(BOOL tied)
{
    ModifyStyle(tied ? 0 : PBS_TIED_TEXT, tied ? PBS_TIED_TEXT : 0, SWP_FRAMECHANGED);
}

void CProgressCtrlX::SetRubberBar(BOOL rubber)
{
    ModifyStyle(rubber ? 0 : PBS_RUBBER_BAR, rubber ? PBS_RUBBER_BAR : 0, SWP_FRAMECHANGED);
}

void CProgressCtrlX::SetReverse(BOOL reverse)
{
    ModifyStyle(reverse ? 0 : PBS_REVERSE, reverse ? PBS_REVERSE : 0, SWP_FRAMECHANGED);
}

void CProgressCtrlX::SetSnake(BOOL snake)
{
    const DWORD bits = PBS_SNAKE | PBS_RUBBER_BAR;
    ModifyStyle(snake ? 0 : bits, snake ? bits : 0, SWP_FRAMECHANGED);
}

// --- tooltip ------------------------------------------------------------------------------------------

void CProgressCtrlX::InitToolTip()
{
    if (m_tooltip.GetSafeHwnd()) return;
    m_tooltip.Create(this);
    m_tooltip.Activate(FALSE);
}

void CProgressCtrlX::SetTooltipText(const CString* text, BOOL activate)
{
    if (!text) return;
    InitToolTip();
    if (m_tooltip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_tooltip.AddTool(this, *text, &client, 1);
    }
    m_tooltip.UpdateTipText(*text, this, 1);
    m_tooltip.Activate(activate);
}

void CProgressCtrlX::SetTooltipText(int stringId, BOOL activate)
{
    CString text;
    if (text.LoadString(static_cast<UINT>(stringId)) && !text.IsEmpty()) SetTooltipText(&text, activate);
}

BOOL CProgressCtrlX::PreTranslateMessage(MSG* msg)
{
    InitToolTip();
    m_tooltip.RelayEvent(msg);
    return CProgressCtrl::PreTranslateMessage(msg);
}

// --- position messages --------------------------------------------------------------------------------

LRESULT CProgressCtrlX::OnSetBarColor(WPARAM wParam, LPARAM lParam)
{
    const auto color = static_cast<COLORREF>(lParam);
    SetGradientColors(color, wParam ? static_cast<COLORREF>(wParam) : color);
    return static_cast<LRESULT>(CLR_DEFAULT);
}

LRESULT CProgressCtrlX::OnSetBkColor(WPARAM, LPARAM lParam)
{
    m_clrBk = static_cast<COLORREF>(lParam);
    return static_cast<LRESULT>(CLR_DEFAULT);
}

LRESULT CProgressCtrlX::OnSetStep(WPARAM wParam, LPARAM)
{
    m_nStep = static_cast<int>(wParam);
    return Default();
}

LRESULT CProgressCtrlX::OnSetPos(WPARAM wParam, LPARAM)
{
    int old = 0;
    if (SetSnakePos(old, static_cast<int>(wParam), FALSE)) return old;
    return Default();
}

LRESULT CProgressCtrlX::OnDeltaPos(WPARAM wParam, LPARAM)
{
    int old = 0;
    if (SetSnakePos(old, static_cast<int>(wParam), TRUE)) return old;
    return Default();
}

LRESULT CProgressCtrlX::OnStepIt(WPARAM, LPARAM)
{
    int old = 0;
    if (SetSnakePos(old, m_nStep, TRUE)) return old;
    return Default();
}

BOOL CProgressCtrlX::SetSnakePos(int& oldPos, int newPos, BOOL increment)
{
    if (!(GetStyle() & PBS_SNAKE)) return FALSE;
    int lower = 0;
    int upper = 0;
    GetRange(lower, upper);
    // Positions are summed in 64 bits so that no step, however large, overflows.
    long long candidate = newPos;
    if (increment) {
        long long current = GetPos();
        // The standard control holds a head past the far end at upper: while the tail is less than
        // a tail size behind it, the snake is still running out and its head is really further on.
        if (current == upper && current - m_nTail < m_nTailSize) current = static_cast<long long>(m_nTail) + m_nTailSize;
        candidate = current + std::llabs(static_cast<long long>(newPos));
    }
    const long long farEnd = static_cast<long long>(upper) + m_nTailSize;
    if (candidate > farEnd) {
        // Wholly out of the far end: start again from the lower end, drawn from the other side.
        candidate -= static_cast<long long>(upper) - lower + m_nTailSize;
        if (candidate > farEnd) candidate = farEnd;
        const bool reversed = (GetStyle() & PBS_REVERSE) != 0;
        ModifyStyle(reversed ? PBS_REVERSE : 0, reversed ? 0 : PBS_REVERSE);
    } else if (candidate >= upper) {
        Invalidate(TRUE);
    }
    const long long head = std::clamp<long long>(candidate, INT32_MIN, INT32_MAX);
    m_nTail = static_cast<int>(std::max<long long>(head - m_nTailSize, lower));
    oldPos = static_cast<int>(DefWindowProc(PBM_SETPOS, static_cast<WPARAM>(static_cast<int>(head)), 0));
    return TRUE;
}

// --- painting -----------------------------------------------------------------------------------------

BOOL CProgressCtrlX::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CProgressCtrlX::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (paintDC.IsPrinting()) {
        Paint(paintDC, rcClient);
        return;
    }
    // Everything goes to an off-screen copy of the clip box and reaches the screen in one copy.
    CRect rcClip;
    paintDC.GetClipBox(&rcClip);
    CDC memDC;
    memDC.CreateCompatibleDC(&paintDC);
    // The buffer is kept from paint to paint while its size and scale fit, since the background
    // covers all of it. A background brush may leave pixels unpainted: then a new (black) one.
    CBitmap fresh;
    CBitmap* bitmap = &fresh;
    if (m_pbrBk) {
        fresh.CreateCompatibleBitmap(&paintDC, rcClip.Width(), rcClip.Height());
    } else {
        const int scale = paintDC.GetDeviceScale();
        if (!m_offscreen.m_hObject || m_offscreenSize != rcClip.Size() || m_offscreenScale != scale) {
            m_offscreen.DeleteObject();
            m_offscreen.CreateCompatibleBitmap(&paintDC, rcClip.Width(), rcClip.Height());
            m_offscreenSize = rcClip.Size();
            m_offscreenScale = scale;
        }
        bitmap = &m_offscreen;
    }
    CBitmap* oldBitmap = memDC.SelectObject(bitmap);
    memDC.SetWindowOrg(rcClip.left, rcClip.top);
    Paint(memDC, rcClient);
    paintDC.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &memDC, rcClip.left, rcClip.top, SRCCOPY);
    memDC.SelectObject(oldBitmap);
}

void CProgressCtrlX::Paint(CDC& dc, const CRect& rcClient)
{
    const int pos = GetPos();
    int lower = 0;
    int upper = 0;
    GetRange(lower, upper);

    if (m_pbrBk)
        dc.FillRect(&rcClient, m_pbrBk);
    else
        dc.FillSolidRect(&rcClient, m_clrBk);

    CRect rc = rcClient;
    rc.DeflateRect(m_rcBorders.left, m_rcBorders.top, m_rcBorders.right, m_rcBorders.bottom);
    if (pos < lower || pos > upper || upper <= lower || rc.IsRectEmpty()) return;

    CDrawInfo info;
    info.pDC = &dc;
    info.dwStyle = GetStyle();
    info.rcClient = rc;
    info.nCurPos = pos;
    info.nLower = lower;
    info.nUpper = upper;

    const int length = (info.dwStyle & PBS_VERTICAL) ? rc.Height() : rc.Width();
    const double range = static_cast<double>(upper) - lower;
    const int head = static_cast<int>((static_cast<double>(pos) - lower) * length / range);
    int tail = 0;
    if (info.dwStyle & PBS_SNAKE) tail = static_cast<int>((static_cast<double>(m_nTail) - lower) * length / range);
    tail = std::min(tail, head); // a tail left over from before the snake was switched on

    const CRect rcFull(0, 0, length, 0);
    const CRect rcBar(tail, 0, head, 0);
    if (m_pbrBar) {
        CRect rcReal = ConvertToReal(info, rcBar);
        dc.FillRect(&rcReal, m_pbrBar);
    } else {
        DrawMultiGradient(info, (info.dwStyle & PBS_RUBBER_BAR) ? rcBar : rcFull, rcBar);
    }
    DrawText(info, rcFull, rcBar);
}

CRect CProgressCtrlX::ConvertToReal(const CDrawInfo& info, const CRect& span) const
{
    return ToReal(info, span.left, span.right);
}

void CProgressCtrlX::DrawMultiGradient(const CDrawInfo& info, const CRect& rcGrad, const CRect& rcBar)
{
    const int segments = static_cast<int>(m_ardwGradColors.GetSize()) - 1;
    if (segments <= 0) return;
    const float width = static_cast<float>(rcGrad.Width()) / static_cast<float>(segments);
    for (int i = 0; i < segments; ++i) {
        CRect segment(rcGrad.left + static_cast<int>(static_cast<float>(i) * width), 0,
                      i == segments - 1 ? rcGrad.right : rcGrad.left + static_cast<int>(static_cast<float>(i + 1) * width),
                      0);
        if (segment.right < rcBar.left) continue;
        CRect clipped(std::max(segment.left, rcBar.left), 0, std::min(segment.right, rcBar.right), 0);
        DrawGradient(info, segment, clipped, m_ardwGradColors.GetAt(i), m_ardwGradColors.GetAt(i + 1));
        if (clipped.right == rcBar.right) break;
    }
}

void CProgressCtrlX::DrawGradient(const CDrawInfo& info, const CRect& rcGrad, const CRect& rcDraw, COLORREF start,
                                  COLORREF end)
{
    CDC* dc = info.pDC;
    if (!dc) return;
    const int r0 = GetRValue(start), g0 = GetGValue(start), b0 = GetBValue(start);
    const int dr = GetRValue(end) - r0, dg = GetGValue(end) - g0, db = GetBValue(end) - b0;
    int steps = std::max({std::abs(dr), std::abs(dg), std::abs(db)});
    steps = std::max(std::min(steps, rcGrad.Width()), 1);

    const bool palette = (dc->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
    if (!palette && dc->GetDeviceCaps(BITSPIXEL) * dc->GetDeviceCaps(PLANES) < 8) steps = 1;

    const float rStep = static_cast<float>(dr) / static_cast<float>(steps);
    const float gStep = static_cast<float>(dg) / static_cast<float>(steps);
    const float bStep = static_cast<float>(db) / static_cast<float>(steps);
    const float width = static_cast<float>(rcGrad.Width()) / static_cast<float>(steps);

    // The strips are gathered first (at most 255 of them: no more than the largest channel
    // difference), with no call in the loop. Without a palette they go to the context in one call,
    // which writes them a row at a time; with one, each is a brush of its own.
    constexpr int kMaxSteps = 256;
    RECT strips[kMaxSteps];
    COLORREF colors[kMaxSteps];
    int stripCount = 0;
    int edge = rcGrad.left;  // where step i starts: where step i - 1 ended
    for (int i = 0; i < steps; ++i) {
        const float fi = static_cast<float>(i);
        const int left = edge;
        const int right = i == steps - 1 ? rcGrad.right : rcGrad.left + static_cast<int>((fi + 1.0f) * width);
        edge = right;
        if (right < rcDraw.left) continue;
        const int clippedLeft = std::max(left, rcDraw.left);
        const int clippedRight = std::min(right, rcDraw.right);
        if (clippedRight > clippedLeft) {
            const COLORREF color = RGB(static_cast<BYTE>(r0 + static_cast<int>(fi * rStep)),
                                       static_cast<BYTE>(g0 + static_cast<int>(fi * gStep)),
                                       static_cast<BYTE>(b0 + static_cast<int>(fi * bStep)));
            strips[stripCount] = ToReal(info, clippedLeft, clippedRight);
            colors[stripCount++] = color;
        }
        if (clippedRight >= rcDraw.right) break;
    }
    if (!palette) {
        dc->FillSolidRects(strips, colors, stripCount);
        return;
    }
    for (int i = 0; i < stripCount; ++i) {
        CBrush brush;
        brush.CreateSolidBrush(colors[i]);
        dc->FillRect(&strips[i], &brush);
        brush.DeleteObject();
    }
}

void CProgressCtrlX::DrawText(const CDrawInfo& info, const CRect& rcFull, const CRect& rcBar)
{
    const DWORD textMode = info.dwStyle & PBS_TEXTMASK;
    CDC* dc = info.pDC;
    if (!textMode || !dc) return;

    CString format;
    GetWindowText(format);
    int value = 0;
    if (textMode == PBS_SHOW_PERCENT) {
        if (format.IsEmpty()) format = "%d%%";
        value = static_cast<int>((static_cast<double>(info.nCurPos) - info.nLower) * 100.0 /
                                 (static_cast<double>(info.nUpper) - info.nLower));
    } else if (textMode == PBS_SHOW_POSITION) {
        if (format.IsEmpty()) format = "%d";
        value = info.nCurPos;
    }
    if (format.IsEmpty()) return;
    const CString text = FormatWithValue(format, value);

    // The state is saved whole so that the clip regions set for the text do not outlive it.
    const int saved = dc->SaveDC();
    CFont* font = GetFont();
    CFont* oldFont = font ? dc->SelectObject(font) : nullptr;
    const COLORREF oldColor = dc->SetTextColor(m_clrTextOnBar);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc->SetTextAlign(TA_CENTER | TA_BOTTOM);
    const CPoint ptWOrg = dc->GetWindowOrg();

    int angle = 0;
    if (font) {
        LOGFONT lf;
        if (font->GetLogFont(&lf)) angle = lf.lfEscapement / 10;
    }
    const CSize extent = dc->GetTextExtent(text);
    int extentX = 0, extentY = 0, offsetX = 0, offsetY = 0;
    switch (angle) {
    case 0: extentX = extent.cx; extentY = extent.cy; offsetY = extent.cy; break;
    case 90: extentX = extent.cy; extentY = extent.cx; offsetX = extent.cy; break;
    case 180: extentX = extent.cx; extentY = extent.cy; offsetY = -extent.cy; break;
    case 270: extentX = extent.cy; extentY = extent.cx; offsetX = -extent.cy; break;
    default: break;
    }

    const CPoint ptVOrg = dc->GetViewportOrg();
    auto anchorIn = [&](const CRect& r) {
        return CPoint((r.Width() + offsetX) / 2 + r.left, (r.Height() + offsetY) / 2 + r.top);
    };
    if (info.dwStyle & PBS_TIED_TEXT) {
        const CRect rcBarReal = ConvertToReal(info, rcBar);
        const int along = (info.dwStyle & PBS_VERTICAL) ? extentY : extentX;
        if (along <= rcBar.Width()) {
            dc->SetViewportOrg(ptVOrg + anchorIn(rcBarReal));
            DrawClippedText(info, rcBar, text, ptWOrg);
        }
    } else {
        dc->SetViewportOrg(ptVOrg + anchorIn(info.rcClient));
        if (m_clrTextOnBar == m_clrTextOnBk) {
            DrawClippedText(info, rcFull, text, ptWOrg);
        } else {
            if (rcBar.right > rcBar.left) DrawClippedText(info, rcBar, text, ptWOrg);
            if (rcFull.right > rcBar.right) {
                dc->SetTextColor(m_clrTextOnBk);
                DrawClippedText(info, CRect(rcBar.right, 0, rcFull.right, 0), text, ptWOrg);
            }
            if (rcBar.left > 0) {
                dc->SetTextColor(m_clrTextOnBk);
                DrawClippedText(info, CRect(0, 0, rcBar.left, 0), text, ptWOrg);
            }
        }
    }

    dc->SetViewportOrg(ptVOrg);
    dc->SetTextAlign(oldAlign);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
    if (oldFont) dc->SelectObject(oldFont);
    dc->RestoreDC(saved);
}

void CProgressCtrlX::DrawClippedText(const CDrawInfo& info, const CRect& rcClip, const CString& text,
                                     const CPoint& ptWOrg)
{
    CDC* dc = info.pDC;
    if (!dc) return;
    CRect rc = ConvertToReal(info, rcClip);
    rc.OffsetRect(-ptWOrg.x, -ptWOrg.y);
    CRgn region;
    region.CreateRectRgnIndirect(&rc);
    dc->SelectClipRgn(&region);
    dc->TextOut(0, 0, text);
    region.DeleteObject();
}
