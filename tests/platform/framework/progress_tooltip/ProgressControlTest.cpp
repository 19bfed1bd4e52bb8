// The standard progress bar as a host drives it: range, position and step messages with their
// results, clamping and the step-it wrap, colours, and what it paints.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

constexpr int IDC_BAR = 3001;
constexpr int IDC_LABEL = 3002;

DialogTemplate barTemplate(DWORD barStyle)
{
    return DialogTemplate{700, "Bar", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 60,
                          "MS Sans Serif", 8,
                          {
                              {IDC_BAR, "msctls_progress32", "Progress1", WS_CHILD | WS_VISIBLE | barStyle, 0, 5, 5, 150, 12},
                              {IDC_LABEL, "Static", "label", WS_CHILD | WS_VISIBLE, 0, 5, 30, 50, 8},
                          }};
}

struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    CDialog dialog;
    HWND bar = nullptr;
    explicit Fixture(DWORD barStyle = PBS_SMOOTH)
    {
        EXPECT_TRUE(dialog.CreateIndirect(barTemplate(barStyle), nullptr));
        bar = a.Find(dialog, IDC_BAR);
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessage(bar, message, wParam, lParam); }
};

// A memory context the size of the bar's client area; the bar prints itself into it, as a host
// capturing the control asks it to.
struct Painted {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
    explicit Painted(HWND bar)
    {
        CRect client;
        ::GetClientRect(bar, &client);
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        previous = dc.SelectObject(&bitmap);
        ::SendMessage(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    }
    ~Painted() { dc.SelectObject(previous); }
    COLORREF at(int x, int y) const { return bitmap.GetSurface()->GetPixel(x, y); }
    int width() const { return bitmap.GetSurface()->Width(); }
    int height() const { return bitmap.GetSurface()->Height(); }
};

} // namespace

TEST(ProgressControl, StartsAtZeroInZeroToHundredWithStepTen)
{
    Fixture f;
    EXPECT_EQ(f.a.ClassName(f.bar), "msctls_progress32");
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
    EXPECT_EQ(f.a.ProgressRange(f.bar), std::make_pair(0, 100));
    EXPECT_EQ(f.send(PBM_STEPIT), 0);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 10);
    EXPECT_EQ(f.send(PBM_SETSTEP, 5), 10); // the previous step
    EXPECT_EQ(f.send(PBM_SETSTEP, 7), 5);
    // The wrapper of a template's control is the progress wrapper.
    auto* wrapper = dynamic_cast<CProgressCtrl*>(CWnd::FromHandle(f.bar));
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->StepIt(), 10);
    EXPECT_EQ(wrapper->GetPos(), 17);
}

TEST(ProgressControl, RangesReturnThePreviousRangeAndPullThePositionIn)
{
    Fixture f;
    f.send(PBM_SETPOS, 80);
    EXPECT_EQ(f.send(PBM_SETRANGE, 0, MAKELPARAM(10, 50)), static_cast<LRESULT>(MAKELONG(0, 100)));
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 50);
    EXPECT_EQ(f.send(PBM_GETRANGE, TRUE), 10);
    EXPECT_EQ(f.send(PBM_GETRANGE, FALSE), 50);

    // 16-bit limits are unsigned; the 32-bit form takes any int.
    f.send(PBM_SETRANGE, 0, MAKELPARAM(0, 60000));
    EXPECT_EQ(f.send(PBM_GETRANGE, FALSE), 60000);
    EXPECT_EQ(f.send(PBM_SETRANGE32, static_cast<WPARAM>(-200), 70000), static_cast<LRESULT>(MAKELONG(0, 60000)));
    PBRANGE range;
    EXPECT_EQ(f.send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), -200);
    EXPECT_EQ(range.iLow, -200);
    EXPECT_EQ(range.iHigh, 70000);
    // The previous range comes back cut to 16 bits, as the message documents.
    EXPECT_EQ(f.send(PBM_SETRANGE32, 0, 100), static_cast<LRESULT>(MAKELONG(static_cast<WORD>(-200), static_cast<WORD>(70000))));
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 50);
    f.send(PBM_SETRANGE32, 60, 100);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 60);
}

TEST(ProgressControl, PositionsClampAndReturnThePreviousPosition)
{
    Fixture f;
    EXPECT_EQ(f.send(PBM_SETPOS, 40), 0);
    EXPECT_EQ(f.send(PBM_SETPOS, 250), 40);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_SETPOS, static_cast<WPARAM>(-5)), 100);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
    EXPECT_EQ(f.send(PBM_DELTAPOS, 30), 0);
    EXPECT_EQ(f.send(PBM_DELTAPOS, static_cast<WPARAM>(-12)), 30);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 18);
    EXPECT_EQ(f.send(PBM_DELTAPOS, 1000), 18);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_DELTAPOS, static_cast<WPARAM>(INT32_MIN)), 100); // no overflow
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
}

TEST(ProgressControl, StepItStartsOverPastEitherEnd)
{
    Fixture f;
    f.send(PBM_SETRANGE32, 0, 25);
    EXPECT_EQ(f.send(PBM_STEPIT), 0);
    EXPECT_EQ(f.send(PBM_STEPIT), 10);
    EXPECT_EQ(f.send(PBM_STEPIT), 20);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0); // 30 is past 25: back to the lower limit
    f.send(PBM_SETRANGE32, 0, 20);
    f.send(PBM_SETPOS, 10);
    f.send(PBM_STEPIT);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 20); // reaching the limit exactly is not past it
    f.send(PBM_SETSTEP, static_cast<WPARAM>(-15));
    f.send(PBM_STEPIT);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 5);
    f.send(PBM_STEPIT);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 20); // below the lower limit: over at the top
}

TEST(ProgressControl, ColoursReturnTheirPreviousValueAndPaint)
{
    Fixture f;
    EXPECT_EQ(static_cast<COLORREF>(f.send(PBM_SETBARCOLOR, 0, RGB(255, 0, 0))), CLR_DEFAULT);
    EXPECT_EQ(static_cast<COLORREF>(f.send(PBM_SETBARCOLOR, 0, RGB(0, 0, 255))), RGB(255, 0, 0));
    EXPECT_EQ(static_cast<COLORREF>(f.send(PBM_SETBKCOLOR, 0, RGB(0, 0, 0))), CLR_DEFAULT);
    EXPECT_EQ(static_cast<COLORREF>(f.send(PBM_GETBKCOLOR)), RGB(0, 0, 0));
    f.send(PBM_SETPOS, 50);

    Painted p(f.bar);
    const int inner = p.width() - 2; // the bar moves inside a 1-pixel margin
    const int head = 1 + inner / 2;
    EXPECT_EQ(p.at(0, p.height() / 2), RGB(0, 0, 0));
    EXPECT_EQ(p.at(1, p.height() / 2), RGB(0, 0, 255));
    EXPECT_EQ(p.at(head - 1, p.height() / 2), RGB(0, 0, 255));
    EXPECT_EQ(p.at(head, p.height() / 2), RGB(0, 0, 0));
    EXPECT_EQ(p.at(2, 0), RGB(0, 0, 0));
    // The window system shows the same (the bar has no border: its window is its client area).
    EXPECT_EQ(PaintManager::Get().Render(f.bar), *p.bitmap.GetSurface());
}

TEST(ProgressControl, DefaultColoursAreTheSystemsAndVerticalBarsGrowUpward)
{
    Fixture f(PBS_SMOOTH | PBS_VERTICAL);
    ::SetWindowPos(f.bar, nullptr, 0, 0, 20, 102, SWP_NOMOVE | SWP_NOZORDER);
    f.send(PBM_SETPOS, 25);
    Painted p(f.bar);
    const COLORREF bar = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(p.at(10, p.height() - 2), bar);
    EXPECT_EQ(p.at(10, p.height() - 1 - 25), bar);
    EXPECT_EQ(p.at(10, p.height() - 1 - 26), face);
    EXPECT_EQ(p.at(10, 1), face);
}

TEST(ProgressControl, SegmentedBarsShowBlocksWithGaps)
{
    Fixture f(0);
    ::SetWindowPos(f.bar, nullptr, 0, 0, 102, 14, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    ::GetClientRect(f.bar, &client);
    const int thickness = client.Height() - 2;
    const int block = thickness * 2 / 3;
    f.send(PBM_SETPOS, 100);
    Painted p(f.bar);
    const COLORREF bar = ::GetSysColor(COLOR_HIGHLIGHT);
    const int y = client.Height() / 2;
    EXPECT_EQ(p.at(1, y), bar);
    EXPECT_EQ(p.at(block, y), bar);
    EXPECT_NE(p.at(1 + block, y), bar); // the gap
    EXPECT_EQ(p.at(1 + block + 2, y), bar);
    EXPECT_EQ(p.at(1 + 9 * (block + 2), y), bar); // the tenth block

    f.send(PBM_SETPOS, 0);
    Painted empty(f.bar);
    EXPECT_NE(empty.at(1, y), bar);
}

TEST(ProgressControl, AnEmptyRangeDrawsNoBarAndAutomationRefusesOtherWindows)
{
    Fixture f;
    f.send(PBM_SETRANGE32, 50, 50);
    f.send(PBM_SETPOS, 50);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 50);
    Painted p(f.bar);
    EXPECT_EQ(p.at(p.width() / 2, p.height() / 2), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_THROW(f.a.ProgressPosition(f.a.Find(f.dialog, IDC_LABEL)), AutomationError);
}
