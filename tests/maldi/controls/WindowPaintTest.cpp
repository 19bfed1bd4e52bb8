// The bar painted by the window system: WM_PAINT through the off-screen buffer, whole or in part.

#include "ControlsTestSupport.h"

#include "platform/framework/gdi/PaintManager.h"

using namespace controls_test;

namespace {

// The client area of a bar as the window system painted it.
Surface clientOf(HWND bar)
{
    Surface whole = PaintManager::Get().Render(bar);
    CRect client;
    ::GetClientRect(bar, &client);
    POINT origin{0, 0};
    ::ClientToScreen(bar, &origin);
    client.OffsetRect(origin.x, origin.y);
    CRect window;
    ::GetWindowRect(bar, &window);
    client.OffsetRect(-window.left, -window.top);
    Surface out(client.Width(), client.Height());
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x) out.SetPixel(x, y, whole.GetPixel(client.left + x, client.top + y));
    return out;
}

} // namespace

TEST(ProgressWindowPaint, TheWindowSystemShowsWhatTheBarPaints)
{
    BarFixture<> f(150, 18);
    f.bar.SetGradientColors(RGB(0, 0, 0), RGB(0, 0, 255));
    f.bar.SetTextColor(RGB(255, 255, 0), RGB(255, 0, 0));
    f.bar.SetBkColor(RGB(255, 255, 255));
    f.bar.SetShowPercent(TRUE);
    f.bar.SetBorders(CRect(2, 2, 2, 2));
    f.bar.SetPos(40);
    Surface onScreen = clientOf(f.bar);
    auto painted = f.Paint();
    EXPECT_EQ(onScreen, painted->surface());

    // Repainting part of the bar paints only that part, with the same pixels as a full paint.
    f.bar.SetGradientColors(RGB(0, 128, 0), RGB(0, 128, 0));
    CRect part(100, 0, 150, 18);
    f.bar.InvalidateRect(&part, FALSE);
    Surface mixed = clientOf(f.bar);
    auto repainted = f.Paint();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 150; ++x) {
            const Surface& expected = x >= 100 ? repainted->surface() : painted->surface();
            ASSERT_EQ(mixed.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
        }
}
