// What a minimised tool window shows: the host's icon, or nothing of its own.

#include <tuple>

#include "FrameTestSupport.h"
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

const COLORREF kMagenta = RGB(0xC0, 0x20, 0xC0);

} // namespace

TEST(ToolWindowPainting, MinimisedItDrawsTheHostsIconCentredInItsClientArea)
{
    AutomationSession session;
    FrameResources resources;
    auto w = resources.Open<CountingToolWindow>(probeAdjustKind());
    HWND hwnd = w->m_hWnd;
    // System commands get the default processing: minimise, later restore.
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(session->IsIconic(hwnd));
    session->Pump();

    Surface image = PaintManager::Get().Render(hwnd);
    POINT o{0, 0}; // where the client area starts in the image
    ::ClientToScreen(hwnd, &o);
    const CRect window = session->WindowRect(hwnd), client = session->ClientRect(hwnd);
    int x = o.x - window.left + (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = o.y - window.top + (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    for (auto [dx, dy, icon] : {std::tuple{0, 0, true}, {31, 31, true}, {-1, 0, false}, {0, -1, false},
                                {32, 31, false}, {31, 32, false}}) {
        EXPECT_EQ(image.GetPixel(x + dx, y + dy) == kMagenta, icon) << dx << "," << dy;
    }
    EXPECT_GE(w->iconErases, 1);

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
    auto w = resources.Open<CountingToolWindow>(calibrationKind()); // given an icon, described with none
    w->DisplayWindow();
    ::SendMessage(w->m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    session->Pump();
    Surface image = PaintManager::Get().Render(w->m_hWnd);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) ASSERT_NE(image.GetPixel(x, y), kMagenta) << x << "," << y;
    }
    EXPECT_EQ(w->iconErases, 0);
}
