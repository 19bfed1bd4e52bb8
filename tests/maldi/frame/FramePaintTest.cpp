// What the tool windows show: the host's icon while minimised, and the library's icon buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "FrameTestSupport.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/gdi/PaintManager.h"
#include "platform/framework/gdi/PngFile.h"
#include "platform/framework/gdi/SurfaceDiff.h"

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

TEST(ToolWindowPainting, ScreenshotsOfTheWindowContractedAndExpandedShowWhatTheOperatorSees)
{
    AutomationSession session;
    FrameResources resources;
    TestToolWindow<> w(sourceSwapKind());
    w.CreateUI(resources.WindowIcon());
    ASSERT_TRUE(w.Create());
    std::filesystem::create_directories(SurfaceDiff::OutputDirectory());
    session->Pump();
    Surface contracted = PaintManager::Get().Render(w.m_hWnd);
    EXPECT_EQ(contracted.Height(), session->WindowRect(w.m_hWnd).Height());
    EXPECT_TRUE(PngFile::Write(contracted, SurfaceDiff::OutputDirectory() + "/tool-window-contracted.png"));

    session->Click(w.m_hWnd, maldi::res::IDI_EXPAND_INFORMATION);
    Surface expanded = PaintManager::Get().Render(w.m_hWnd);
    EXPECT_EQ(expanded.Height(), contracted.Height() + kContract);
    EXPECT_TRUE(PngFile::Write(expanded, SurfaceDiff::OutputDirectory() + "/tool-window-expanded.png"));
}

namespace {

// Every icon button of the library on one dialog, as the windows show them.
const std::vector<int> kGallery = {14163, 14170, 14166, 14169, 14177, 14101, 14181, 14183, 125,  14178, 14167,
                                   14179, 14171, 14165, 14212, 14208, 14173, 14209, 14205, 14211, 14168, 14175};
constexpr UINT IDD_GALLERY = 890;

DialogTemplate galleryTemplate()
{
    DialogTemplate t{IDD_GALLERY, "Icon buttons", kToolStyle, 0, 10, 10, 7 + 6 * 31, 7 + 4 * 29, "MS Sans Serif", 8, {}};
    for (size_t i = 0; i < kGallery.size(); ++i) {
        short x = static_cast<short>(7 + (i % 6) * 31);
        short y = static_cast<short>(7 + (i / 6) * 29);
        // Icon 125 has no button of its own: it shows on the expand button while expanded.
        int id = kGallery[i] == 125 ? 9125 : kGallery[i];
        t.items.push_back({id, "Button", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, 29, 26});
    }
    return t;
}

class Gallery : public CDialog {
public:
    Gallery() : CDialog(IDD_GALLERY) {}
    std::vector<std::unique_ptr<CButtonST>> buttons;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int icon : kGallery) {
            auto b = std::make_unique<CButtonST>();
            b->SubclassDlgItem(icon == 125 ? 9125 : icon, this);
            b->SetIcon(icon, 0);
            buttons.push_back(std::move(b));
        }
        return TRUE;
    }
};

} // namespace

TEST(ToolWindowPainting, EveryLibraryIconShowsOnItsButton)
{
    AutomationSession session;
    MaldiResources::Module();
    ResourceModule module("gallery", {galleryTemplate()}, {}, {});
    ResourceRegistrar registered(module);
    Gallery gallery;
    ASSERT_TRUE(gallery.Create(IDD_GALLERY));
    // Checked (laser on) and disabled (plate stop) as the panels show them.
    gallery.buttons[0]->SetCheck(BST_CHECKED);
    gallery.buttons[4]->EnableWindow(FALSE);
    session->Pump();

    Surface image = PaintManager::Get().Render(gallery.m_hWnd);
    std::filesystem::create_directories(SurfaceDiff::OutputDirectory());
    std::string path = SurfaceDiff::OutputDirectory() + "/icon-buttons.png";
    EXPECT_TRUE(PngFile::Write(image, path)) << path;

    // Each button shows something other than its face in the middle.
    for (auto& b : gallery.buttons) {
        CRect r;
        b->GetWindowRect(&r);
        CRect window = session->WindowRect(gallery.m_hWnd);
        int shown = 0;
        for (int y = r.top + 8; y < r.bottom - 8; ++y) {
            for (int x = r.left + 8; x < r.right - 8; ++x) {
                shown += image.GetPixel(x - window.left, y - window.top) != ::GetSysColor(COLOR_BTNFACE) ? 1 : 0;
            }
        }
        EXPECT_GT(shown, 40) << "button " << b->GetDlgCtrlID();
    }
}
