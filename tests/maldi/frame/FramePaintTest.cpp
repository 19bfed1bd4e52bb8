// What a minimised tool window shows: the host's icon, or nothing of its own.

#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/gdi/PaintManager.h"

using namespace frame_test;

namespace {

// A tool window that also counts the icon-erase messages its minimised painting sends.
class CountingToolWindow : public TestToolWindow<> {
public:
    using TestToolWindow::TestToolWindow;
    int iconErases = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ICONERASEBKGND && wParam) ++iconErases;
        return TestToolWindow::WindowProc(message, wParam, lParam);
    }
};

// Where a window's client area starts in its image.
POINT clientOrigin(Automation& automation, HWND hwnd)
{
    CRect window = automation.WindowRect(hwnd);
    POINT p{0, 0};
    ::ClientToScreen(hwnd, &p);
    return {p.x - window.left, p.y - window.top};
}

const COLORREF kMagenta = RGB(0xC0, 0x20, 0xC0);

} // namespace

TEST(ToolWindowPainting, MinimisedItDrawsTheHostsIconCentredInItsClientArea)
{
    AutomationSession session;
    FrameResources resources;
    CountingToolWindow w(probeAdjustKind());
    w.CreateUI(resources.WindowIcon());
    ASSERT_TRUE(w.Create());
    HWND hwnd = w.m_hWnd;
    // System commands get the default processing: minimise, later restore.
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(session->IsIconic(hwnd));
    session->Pump();

    Surface image = PaintManager::Get().Render(hwnd);
    POINT o = clientOrigin(*session, hwnd);
    CRect client = session->ClientRect(hwnd);
    int x = o.x + (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = o.y + (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    EXPECT_EQ(image.GetPixel(x, y), kMagenta);
    EXPECT_EQ(image.GetPixel(x + 31, y + 31), kMagenta);
    EXPECT_NE(image.GetPixel(x - 1, y), kMagenta);
    EXPECT_NE(image.GetPixel(x, y - 1), kMagenta);
    EXPECT_NE(image.GetPixel(x + 32, y + 31), kMagenta);
    EXPECT_NE(image.GetPixel(x + 31, y + 32), kMagenta);
    EXPECT_GE(w.iconErases, 1);

    // Restored, the window paints itself as usual: no icon in the middle.
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(session->IsIconic(hwnd));
    session->Pump();
    image = PaintManager::Get().Render(hwnd);
    EXPECT_NE(image.GetPixel(x + 16, y + 16), kMagenta);
}

TEST(ToolWindowPainting, AWindowWithoutAnIconHasNoMinimisedDrawingOfItsOwn)
{
    AutomationSession session;
    FrameResources resources;
    CountingToolWindow w(calibrationKind());
    w.CreateUI(resources.WindowIcon()); // given, but the window's description sets no icon
    ASSERT_TRUE(w.Create());
    w.DisplayWindow();
    ::SendMessage(w.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    session->Pump();
    Surface image = PaintManager::Get().Render(w.m_hWnd);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) ASSERT_NE(image.GetPixel(x, y), kMagenta) << x << "," << y;
    }
    EXPECT_EQ(w.iconErases, 0);
}
