#pragma once
// A dialog holding the gradient bar as the tool windows hold it (a standard progress control of the
// template, subclassed by data exchange), a plain standard progress control beside it to compare
// results with, and memory canvases to paint the bar into.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "maldi/controls/CProgressCtrlX.h"
#include "maldi/controls/CTemperatureGuage.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"

namespace controls_test {

constexpr int IDC_BAR = 1100;
constexpr int IDC_PLAIN = 1101;

// Style of the templates' progress controls.
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | PBS_SMOOTH;

inline DialogTemplate barTemplate()
{
    return DialogTemplate{900, "Bars", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 10, 10, 300, 120,
                          "MS Sans Serif", 8,
                          {
                              {IDC_BAR, "msctls_progress32", "Progress1", kBarStyle, 0, 5, 5, 200, 12},
                              {IDC_PLAIN, "msctls_progress32", "Progress1", kBarStyle, 0, 5, 25, 200, 12},
                          }};
}

// A bar that records what it is asked to draw through its drawing operations.
template <class Base>
class Recording : public Base {
public:
    using CDrawInfo = typename Base::CDrawInfo;
    struct TextCall {
        CRect clip;          // span along the bar
        CString text;
        COLORREF color;
        CPoint viewportOrg;  // the anchor
    };
    std::vector<TextCall> texts;
    int gradients = 0; // gradient parts drawn

    // Paints the whole control into a context, as OnPaint paints into its buffer.
    void PaintInto(CDC& dc)
    {
        texts.clear();
        gradients = 0;
        CRect client;
        this->GetClientRect(&client);
        this->Paint(dc, client);
    }
    using Base::ConvertToReal;

protected:
    void DrawGradient(const CDrawInfo& info, const CRect& rcGrad, const CRect& rcDraw, COLORREF start,
                      COLORREF end) override
    {
        ++gradients;
        Base::DrawGradient(info, rcGrad, rcDraw, start, end);
    }
    void DrawClippedText(const CDrawInfo& info, const CRect& rcClip, const CString& text,
                         const CPoint& ptWOrg) override
    {
        texts.push_back({rcClip, text, info.pDC->GetTextColor(), info.pDC->GetViewportOrg()});
        Base::DrawClippedText(info, rcClip, text, ptWOrg);
    }
};

using TestBar = Recording<CProgressCtrlX>;
using TestGauge = Recording<CTemperatureGuage>;

template <class Bar>
class BarDialog : public CDialog {
public:
    Bar bar;
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_BAR, bar);
    }
};

// The bar's gradient colours: start, end.
inline std::pair<COLORREF, COLORREF> gradientOf(const CProgressCtrlX& bar)
{
    COLORREF start = 0, end = 0;
    bar.GetGradientColors(start, end);
    return {start, end};
}

// A memory context over a bitmap; the surface starts white.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
    Canvas(int width, int height)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        previous = dc.SelectObject(&bitmap);
        bitmap.GetSurface()->Fill(RGB(255, 255, 255));
    }
    ~Canvas() { dc.SelectObject(previous); }
    COLORREF at(int x, int y) const { return bitmap.GetSurface()->GetPixel(x, y); }
    const Surface& surface() const { return *bitmap.GetSurface(); }
};

// The box of the pixels of a colour.
inline CRect boxOf(const Canvas& c, COLORREF color)
{
    CRect box(INT32_MAX, INT32_MAX, -1, -1);
    for (int y = 0; y < c.surface().Height(); ++y)
        for (int x = 0; x < c.surface().Width(); ++x)
            if (c.at(x, y) == color) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.right < 0 ? CRect() : box;
}

template <class Bar = TestBar>
struct BarFixture {
    AutomationSession session;
    Automation& a = *session;
    BarDialog<Bar> dialog;
    Bar& bar = dialog.bar;
    HWND plain = nullptr;

    // The bar's client area is width x height pixels (its border is outside).
    explicit BarFixture(int width = 100, int height = 20)
    {
        EXPECT_TRUE(dialog.CreateIndirect(barTemplate(), nullptr));
        plain = a.Find(dialog, IDC_PLAIN);
        Resize(width, height);
    }
    void Resize(int width, int height)
    {
        ::SetWindowPos(bar.GetSafeHwnd(), nullptr, 0, 0, width + 2, height + 2, SWP_NOMOVE | SWP_NOZORDER);
    }
    // Paints the bar into a canvas of its client size.
    std::unique_ptr<Canvas> Paint()
    {
        CRect client;
        bar.GetClientRect(&client);
        auto canvas = std::make_unique<Canvas>(client.Width(), client.Height());
        bar.PaintInto(canvas->dc);
        return canvas;
    }
};

} // namespace controls_test
