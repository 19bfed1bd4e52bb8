// The paint protocol as windows see it: when WM_PAINT comes, what BeginPaint hands over, the order
// of parents and children on a resize, and painting that never settles. Pixels are read back through the
// automation interface's Render; how windows look is checked by the golden images.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/MessageMap.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CPaintDC.h"
#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

// Pixels of `color` in a rectangle of the image.
int CountColor(const Surface& s, const CRect& r, COLORREF color)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (s.GetPixel(x, y) == color) ++n;
    return n;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

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
    CWnd* hideWhilePainting = nullptr;

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        g_log.push_back(m_name + " paint");
        lastPaint = dc.m_ps.rcPaint;
        lastErase = dc.m_ps.fErase;
        dc.GetClipBox(&lastClip);
        dc.FillSolidRect(-1000, -1000, 3000, 3000, m_color);
        if (invalidateParentWhilePainting) GetParent()->Invalidate(FALSE);
        if (hideWhilePainting) hideWhilePainting->ShowWindow(SW_HIDE);
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

TEST(PaintProtocol, AWindowHiddenWhileOthersPaintIsNotPainted)
{
    AutomationSession session;
    Scene scene;
    Painter above{"above", kBlue};
    ASSERT_TRUE(above.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(100, 10, 140, 40), &scene.top, 2));
    above.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    scene.child.hideWhilePainting = &above;
    g_log.clear();
    Surface image = session->Render(scene.top);
    EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "above paint"), 0);
    EXPECT_EQ(CountColor(image, CRect(100, 10, 140, 40), kRed), 40 * 30);
}

} // namespace
