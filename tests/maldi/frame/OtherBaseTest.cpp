// The frame over a dialog base with its own initialisation, key handling and message map, as the
// acquisition panels' property-page base has: the base keeps all of it.

#include "FrameTestSupport.h"

using namespace frame_test;

namespace {

class PageLikeBase : public CDialog {
public:
    explicit PageLikeBase(UINT templateId) : CDialog(templateId) {}

    int baseInits = 0;
    int radio2Clicks = 0;
    int keyDownsSeen = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++baseInits;
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) ++keyDownsSeen;
        return CDialog::PreTranslateMessage(msg);
    }
    afx_msg void OnRadio2() { ++radio2Clicks; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PageLikeBase, CDialog)
    ON_BN_CLICKED(IDC_RADIO2, &PageLikeBase::OnRadio2)
END_MESSAGE_MAP()

} // namespace

TEST(ToolWindowFrameOnAnotherBase, TheBaseKeepsItsInitialisationKeysAndMessageMap)
{
    AutomationSession session;
    FrameResources resources;
    auto window = resources.Open<TestToolWindow<PageLikeBase>>(acquisitionKind());
    auto& w = *window;
    HWND hwnd = w.m_hWnd;

    EXPECT_EQ(w.baseInits, 1);

    session->Click(hwnd, IDC_RADIO2);
    EXPECT_EQ(w.radio2Clicks, 1);
    session->Click(hwnd, maldi::res::IDI_EXPAND_DIALOG);
    EXPECT_EQ(w.Frame().ExpandState(), ToolWindowFrame::kExpanded);

    // A swallowed key never reaches the base; one passed on does.
    session->Click(hwnd, IDC_VALUE);
    session->PressKey(VK_ESCAPE);
    EXPECT_EQ(w.keyDownsSeen, 0);
    EXPECT_EQ(w.cancels, 0);
    session->PressKey(VK_RETURN);
    EXPECT_EQ(w.keyDownsSeen, 1);
    EXPECT_EQ(w.goClicks, 1);
}
