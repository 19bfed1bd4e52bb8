// The paint protocol as windows see it: when WM_PAINT comes, what BeginPaint hands over (update box,
// clip, origin, erasing), the order of parents and children, clipping, and the contexts outside the
// paint cycle. Pixels are read back through the automation interface's Render.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/MessageMap.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CClientDC.h"
#include "platform/framework/gdi/CPaintDC.h"
#include "platform/framework/gdi/CWindowDC.h"
#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/PaintManager.h"
#include "tests/platform/framework/paint/PaintTestSupport.h"

namespace {

using painttest::CountColor;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

std::vector<std::string> g_log;

// Fills its whole paint context (far beyond its own rectangle) with one colour and logs what
// BeginPaint gave it.
class Painter : public CWnd {
public:
    Painter(const char* name, COLORREF color) : m_name(name), m_color(color) {}
    std::string m_name;
    COLORREF m_color;
    CRect lastPaint;
    CRect lastClip;
    BOOL lastErase = FALSE;
    bool eraseHadContext = false;
    BOOL eraseResult = TRUE;
    bool invalidateParentWhilePainting = false;

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        g_log.push_back(m_name + " paint");
        lastPaint = dc.m_ps.rcPaint;
        lastErase = dc.m_ps.fErase;
        dc.GetClipBox(&lastClip);
        dc.FillSolidRect(-1000, -1000, 3000, 3000, m_color);
        if (invalidateParentWhilePainting) GetParent()->Invalidate(FALSE);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* dc)
    {
        g_log.push_back(m_name + " erase");
        eraseHadContext = dc != nullptr && dc->GetSafeHdc() != nullptr;
        return eraseResult;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painter, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

struct Scene {
    Painter top{"top", kRed};
    Painter child{"child", kBlue};

    // A 200 x 150 popup (no frame) at (100, 100) with a 40 x 30 child at (20, 10).
    explicit Scene(DWORD childStyle = WS_CHILD | WS_VISIBLE, CRect childRect = CRect(20, 10, 60, 40))
    {
        EXPECT_TRUE(top.CreateEx(0, nullptr, "top", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr, nullptr));
        EXPECT_TRUE(child.Create(nullptr, "", childStyle, childRect, &top, 1));
        g_log.clear();
    }
};

TEST(PaintProtocol, InvalidationWaitsForTheQueueUpdateWindowPaintsAtOnce)
{
    AutomationSession session;
    Scene scene;
    session->Pump();
    g_log.clear();

    scene.top.InvalidateRect(CRect(100, 100, 110, 110));
    scene.top.InvalidateRect(CRect(150, 120, 160, 130));
    ::PostMessage(scene.top, WM_NULL, 0, 0);
    EXPECT_TRUE(g_log.empty()) << "painting happens only when the queue is pumped";
    session->Pump();
    EXPECT_EQ(g_log, (std::vector<std::string>{"top erase", "top paint"}));
    EXPECT_EQ(scene.top.lastPaint, CRect(100, 100, 160, 130)) << "requests accumulate into one box";
    EXPECT_EQ(scene.top.lastClip, scene.top.lastPaint);
    EXPECT_FALSE(scene.top.lastErase) << "the erase handler erased";

    g_log.clear();
    scene.child.Invalidate(FALSE);
    scene.child.UpdateWindow();
    EXPECT_EQ(g_log, (std::vector<std::string>{"child paint"})) << "no erase was asked for";
    scene.child.UpdateWindow();
    EXPECT_EQ(g_log.size(), 1u) << "an up-to-date window is not painted again";

    // A background nobody erased is reported to the painter.
    scene.child.eraseResult = FALSE;
    scene.child.Invalidate(TRUE);
    scene.child.UpdateWindow();
    EXPECT_TRUE(scene.child.lastErase);
    EXPECT_TRUE(scene.child.eraseHadContext) << "WM_ERASEBKGND carries the paint context";
}

TEST(PaintProtocol, RedrawWindowPaintsTheTreeNowParentFirst)
{
    AutomationSession session;
    Scene scene;
    session->Pump();
    g_log.clear();
    ::RedrawWindow(scene.top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(g_log, (std::vector<std::string>{"top erase", "top paint", "child erase", "child paint"}));
    g_log.clear();
    session->Pump();
    EXPECT_TRUE(g_log.empty()) << "nothing left to paint";

    // Without RDW_UPDATENOW the paint waits for the queue.
    ::RedrawWindow(scene.child, nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_TRUE(g_log.empty());
    session->Pump();
    EXPECT_EQ(g_log, (std::vector<std::string>{"child paint"}));
}

TEST(PaintProtocol, ParentsPaintFirstAndChildrenStayClippedToTheirRectangle)
{
    AutomationSession session;
    Scene scene;
    Surface image = session->Render(scene.top);
    EXPECT_EQ(g_log, (std::vector<std::string>{"top erase", "top paint", "child erase", "child paint"}));
    ASSERT_EQ(image.Width(), 200);
    ASSERT_EQ(image.Height(), 150);
    // The child's fill far past its rectangle lands only inside it.
    EXPECT_EQ(CountColor(image, CRect(20, 10, 60, 40), kBlue), 40 * 30);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 40 * 30);
    EXPECT_EQ(CountColor(image, image.Bounds(), kRed), 200 * 150 - 40 * 30);

    // Repainting the parent over the child makes the child paint again after it.
    g_log.clear();
    scene.top.Invalidate();
    session->Pump();
    EXPECT_EQ(g_log, (std::vector<std::string>{"top erase", "top paint", "child erase", "child paint"}));
    image = session->Render(scene.top);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 40 * 30);

    // A parent repainting elsewhere leaves the child alone.
    g_log.clear();
    scene.top.InvalidateRect(CRect(100, 100, 120, 120), FALSE);
    image = session->Render(scene.top);
    EXPECT_EQ(g_log, (std::vector<std::string>{"top paint"}));
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 40 * 30);
}

TEST(PaintProtocol, ChildrenAreClippedToTheParentsClientAreaAndHiddenOnesAreNotDrawn)
{
    AutomationSession session;
    Scene scene(WS_CHILD | WS_VISIBLE, CRect(180, 140, 230, 190)); // hangs over the parent's corner
    Surface image = session->Render(scene.top);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 20 * 10);
    EXPECT_EQ(CountColor(image, CRect(180, 140, 200, 150), kBlue), 20 * 10);

    scene.child.ShowWindow(SW_HIDE);
    g_log.clear();
    image = session->Render(scene.top);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 0) << "the parent painted over the hidden child's place";
    EXPECT_EQ(g_log, (std::vector<std::string>{"top erase", "top paint"}));

    // A hidden top-level window still renders (for the screenshots of a window not shown yet).
    scene.child.ShowWindow(SW_SHOW);
    scene.top.ShowWindow(SW_HIDE);
    image = session->Render(scene.top);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 20 * 10);
}

TEST(PaintProtocol, ContextsStartAtTheClientOriginClippedToTheVisibleWindow)
{
    AutomationSession session;
    Scene scene(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(20, 10, 60, 40));
    session->Render(scene.top);
    const size_t open = PaintManager::Get().OpenContexts();
    {
        CClientDC dc(&scene.child); // the child's client area is inside its 1-pixel border
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(clip, CRect(0, 0, 38, 28));
        dc.SetPixel(0, 0, kGreen);
        dc.SetPixel(-1, -1, kGreen); // the border: outside a client context
    }
    {
        CWindowDC dc(&scene.child);
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(clip, CRect(0, 0, 40, 30));
        dc.SetPixel(39, 29, kGreen);
    }
    Surface image = session->Render(scene.top);
    EXPECT_EQ(image.GetPixel(21, 11), kGreen);
    EXPECT_EQ(image.GetPixel(59, 39), kGreen);
    EXPECT_EQ(CountColor(image, image.Bounds(), kGreen), 2);

    // Handle-level contexts go back to the window system.
    HDC hdc = ::GetDC(scene.child);
    ASSERT_NE(hdc, nullptr);
    CDC* dc = scene.child.GetDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(PaintManager::Get().OpenContexts(), open + 2);
    EXPECT_EQ(::ReleaseDC(scene.child, hdc), 1);
    EXPECT_EQ(scene.child.ReleaseDC(dc), 1);
    EXPECT_EQ(::ReleaseDC(scene.child, hdc), 0) << "released twice";
    EXPECT_EQ(PaintManager::Get().OpenContexts(), open);
    EXPECT_EQ(::GetDC(reinterpret_cast<HWND>(0x7fff0000)), nullptr);
    PAINTSTRUCT ps;
    EXPECT_EQ(::BeginPaint(reinterpret_cast<HWND>(0x7fff0000), &ps), nullptr);
    EXPECT_EQ(::BeginPaint(scene.top, nullptr), nullptr);
}

TEST(PaintProtocol, PaintingThatNeverSettlesIsReportedNotLoopedOn)
{
    AutomationSession session;
    Scene scene;
    // The parent repaints over the child, which invalidates the parent again, and so on.
    scene.child.invalidateParentWhilePainting = true;
    EXPECT_THROW(session->Render(scene.top), AutomationError);
    scene.child.invalidateParentWhilePainting = false;
    EXPECT_NO_THROW(session->Render(scene.top));
}

TEST(PaintProtocol, ResizingATopLevelWindowRepaintsAllOfIt)
{
    AutomationSession session;
    Scene scene;
    session->Render(scene.top);
    g_log.clear();
    scene.top.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    Surface image = session->Render(scene.top);
    EXPECT_EQ(image.Width(), 300);
    EXPECT_EQ(image.Height(), 200);
    EXPECT_EQ(CountColor(image, image.Bounds(), kRed), 300 * 200 - 40 * 30);
    EXPECT_EQ(CountColor(image, image.Bounds(), kBlue), 40 * 30);
}

TEST(PaintProtocol, RenderAndScreenshotRefuseWhatTheyCannotDo)
{
    AutomationSession session;
    HWND gone;
    {
        Scene scene;
        gone = scene.top;
        EXPECT_EQ(session->Render(scene.child).Width(), 40) << "a child renders as its part of the image";
    }
    EXPECT_THROW(session->Render(gone), AutomationError);
    Scene scene;
    try {
        session->Screenshot(scene.top, "/nonexistent-folder/shot.png");
        FAIL() << "writing into a missing folder must fail";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/shot.png"), std::string::npos) << e.what();
    }
}

} // namespace
