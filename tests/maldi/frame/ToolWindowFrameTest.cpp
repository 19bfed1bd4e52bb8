// The tool window frame on a test window driven as the operator and the host drive the real ones:
// creation, contracting and expanding, the expand button, the greyed close box and key filtering.

#include <memory>

#include "FrameTestSupport.h"
#include "maldi/resources/MaldiResources.h"

using namespace frame_test;
using namespace maldi::res;

namespace {

struct Fixture {
    AutomationSession session;
    FrameResources resources;

    // The template's own window rectangle: the same template made by a plain dialog.
    CRect templateRect(UINT templateId)
    {
        CDialog plain(templateId);
        if (!plain.Create(templateId, CWnd::GetDesktopWindow())) throw std::runtime_error("no template");
        CRect r = session->WindowRect(plain.m_hWnd);
        plain.DestroyWindow();
        return r;
    }

    auto open(const ToolWindowInfo& info) { return resources.Open<TestToolWindow<>>(info); }
};

HICON libraryIcon(UINT id) { return MaldiResources::Module().FindIcon(id); }

} // namespace

TEST(ToolWindowFrame, OpensContractedWhateverItsTemplateHeightAndFirstExpandRestoresIt)
{
    for (UINT templateId : {IDD_TOOL, IDD_TOOL_TALL}) {
        SCOPED_TRACE("template " + std::to_string(templateId));
        Fixture f;
        CRect full = f.templateRect(templateId);
        auto w = f.open(probeAdjustKind(templateId));
        HWND hwnd = w->m_hWnd;

        CRect contracted = f.session->WindowRect(hwnd);
        EXPECT_EQ(contracted.left, full.left); // opens where its template places it
        EXPECT_EQ(contracted.top, full.top);
        EXPECT_EQ(contracted.Width(), full.Width());
        EXPECT_EQ(contracted.Height(), full.Height() - kContract);
        EXPECT_EQ(w->Frame().ExpandState(), ToolWindowFrame::kContracted);
        EXPECT_EQ(w->Frame().FullHeight(), full.Height());

        ASSERT_TRUE(f.session->Click(hwnd, IDI_EXPAND_DIALOG));
        EXPECT_EQ(f.session->WindowRect(hwnd), full);
        EXPECT_EQ(w->Frame().ExpandState(), ToolWindowFrame::kExpanded);

        ASSERT_TRUE(f.session->Click(hwnd, IDI_EXPAND_DIALOG));
        EXPECT_EQ(f.session->WindowRect(hwnd), contracted);
    }
}

TEST(ToolWindowFrame, MovingOrResizingBetweenContractAndExpandKeepsTheNewPlace)
{
    Fixture f;
    auto w = f.open(acquisitionKind());
    HWND hwnd = w->m_hWnd;
    CRect full = f.templateRect(IDD_TOOL);

    // The operator drags the contracted window elsewhere, then expands it.
    ::SetWindowPos(hwnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    f.session->Click(hwnd, IDI_EXPAND_DIALOG);
    EXPECT_EQ(f.session->WindowRect(hwnd), CRect(300, 200, 300 + full.Width(), 200 + full.Height()));

    // Moved and made taller while expanded: contracting folds from the new height, and expanding
    // gives back the height saved at that contraction.
    ::SetWindowPos(hwnd, nullptr, 120, 90, full.Width(), full.Height() + 40, SWP_NOZORDER);
    f.session->Click(hwnd, IDI_EXPAND_DIALOG);
    EXPECT_EQ(f.session->WindowRect(hwnd), CRect(120, 90, 120 + full.Width(), 90 + full.Height() + 40 - kContract));
    ::SetWindowPos(hwnd, nullptr, 10, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    f.session->Click(hwnd, IDI_EXPAND_DIALOG);
    EXPECT_EQ(f.session->WindowRect(hwnd), CRect(10, 700, 10 + full.Width(), 700 + full.Height() + 40));
}

TEST(ToolWindowFrame, TheIconExpandButtonShowsWhatItWillDo)
{
    Fixture f;
    auto w = f.open(probeAdjustKind());
    HWND button = f.session->Find(w->m_hWnd, IDI_EXPAND_DIALOG);
    EXPECT_EQ(w->Frame().ExpandButton().GetIconIn(), libraryIcon(IDI_EXPAND_DIALOG));
    EXPECT_EQ(f.session->ToolTipText(f.session->ToolTipOf(button), button), "Expand Dialog");
    f.session->Click(button);
    EXPECT_EQ(w->Frame().ExpandButton().GetIconIn(), libraryIcon(IDI_CONTRACT_DIALOG));
    EXPECT_EQ(f.session->CheckState(button), BST_UNCHECKED); // the icon kind is not a two-state button
    f.session->Click(button);
    EXPECT_EQ(w->Frame().ExpandButton().GetIconIn(), libraryIcon(IDI_EXPAND_DIALOG));
}

TEST(ToolWindowFrame, TheTwoStateExpandButtonIsCheckedWhileExpanded)
{
    Fixture f;
    ToolWindowInfo info = sourceSwapKind();
    TestToolWindow<> w(info);
    EXPECT_EQ(w.Frame().ExpandState(), 0); // not set before creation
    w.CreateUI(f.resources.WindowIcon());
    ASSERT_TRUE(w.Create());
    HWND button = f.session->Find(w.m_hWnd, IDI_EXPAND_INFORMATION);
    EXPECT_EQ(w.Frame().ExpandState(), ToolWindowFrame::kContracted);
    EXPECT_EQ(f.session->CheckState(button), BST_UNCHECKED);
    EXPECT_EQ(w.Frame().ExpandButton().GetIconIn(), libraryIcon(IDI_EXPAND_INFORMATION));
    EXPECT_EQ(f.session->ToolTipText(f.session->ToolTipOf(button), button), "Information");

    f.session->Click(button);
    EXPECT_EQ(f.session->CheckState(button), BST_CHECKED);
    EXPECT_EQ(w.Frame().ExpandButton().GetIconIn(), libraryIcon(IDI_EXPAND_INFORMATION));
    EXPECT_TRUE(f.session->IsOnScreen(f.session->Find(w.m_hWnd, IDC_LOWER)));
    f.session->Click(button);
    EXPECT_EQ(f.session->CheckState(button), BST_UNCHECKED);
    EXPECT_EQ(w.Frame().ExpandState(), ToolWindowFrame::kContracted);
}

TEST(ToolWindowFrame, ExpandOnlyTogglesFromAKnownState)
{
    Fixture f;
    TestToolWindow<> w(calibrationKind());
    // No window yet: nothing to fold, nothing changes.
    w.OnExpandDialog();
    w.SetContractDialog();
    EXPECT_EQ(w.Frame().ExpandState(), 0);
    EXPECT_EQ(w.Frame().FullHeight(), 0);

    ASSERT_TRUE(w.Create());
    CRect contracted = f.session->WindowRect(w.m_hWnd);
    // Contracting again folds again: the frame does what the window asks.
    w.SetContractDialog();
    EXPECT_EQ(f.session->WindowRect(w.m_hWnd).Height(), contracted.Height() - kContract);
    w.SetExpandDialog();
    EXPECT_EQ(f.session->WindowRect(w.m_hWnd), contracted);
}

TEST(ToolWindowFrame, ToolWindowsFloatOnTheDesktopTopmostWithTheHostsIcon)
{
    Fixture f;
    // The host's main window is active when the tool window is made.
    CDialog host(IDD_TOOL_NO_EXPAND);
    ASSERT_TRUE(host.Create(IDD_TOOL_NO_EXPAND));
    host.SetActiveWindow();

    auto w = f.open(probeAdjustKind());
    HWND hwnd = w->m_hWnd;
    EXPECT_EQ(::GetParent(hwnd), nullptr);
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_TRUE(f.session->IsTopmost(hwnd));
    EXPECT_FALSE(f.session->IsTopmost(host.m_hWnd));
    EXPECT_EQ(f.session->Icon(hwnd, true), f.resources.WindowIcon());
    EXPECT_EQ(f.session->Icon(hwnd, false), f.resources.WindowIcon());
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessage(hwnd, WM_QUERYDRAGICON, 0, 0)), f.resources.WindowIcon());
    EXPECT_EQ(f.session->Text(hwnd), "Probe-like");
    // Hiding the host's window leaves the tool window up.
    host.ShowWindow(SW_HIDE);
    EXPECT_TRUE(f.session->IsVisible(hwnd));

    // A window described without icon or topmost placement gets neither.
    auto plain = f.open(calibrationKind());
    EXPECT_FALSE(f.session->IsTopmost(plain->m_hWnd));
    EXPECT_EQ(f.session->Icon(plain->m_hWnd, true), nullptr);
}

TEST(ToolWindowFrame, DisplayWindowShowsTheMembersValues)
{
    Fixture f;
    auto w = f.open(calibrationKind());
    EXPECT_FALSE(f.session->IsVisible(w->m_hWnd)); // its template is not visible until shown
    w->value = 42;
    w->DisplayWindow();
    EXPECT_TRUE(f.session->IsVisible(w->m_hWnd));
    EXPECT_EQ(f.session->Text(w->m_hWnd, IDC_VALUE), "42");
}

TEST(ToolWindowFrame, AGreyedCloseBoxRefusesTheOperator)
{
    Fixture f;
    auto w = f.open(probeAdjustKind());
    EXPECT_FALSE(f.session->CloseBoxEnabled(w->m_hWnd));
    EXPECT_FALSE(f.session->PressCloseBox(w->m_hWnd));
    EXPECT_TRUE(f.session->IsVisible(w->m_hWnd));
    EXPECT_EQ(w->cancels, 0);

    // Without the greyed box the close goes to the dialog's cancel.
    auto swap = f.open(sourceSwapKind());
    EXPECT_TRUE(f.session->PressCloseBox(swap->m_hWnd));
    EXPECT_EQ(swap->cancels, 1);
    EXPECT_FALSE(f.session->IsVisible(swap->m_hWnd));
}

TEST(ToolWindowFrame, AMissingExpandButtonIsReportedOnlyForAKindThatHasOneAndTheWindowStillWorks)
{
    Fixture f;
    auto reported = [&f] {
        bool found = false;
        for (const CString& d : f.session->Diagnostics()) found = found || d.Find("expand button") >= 0;
        return found;
    };
    ToolWindowInfo none = acquisitionKind();
    none.expandButton = ExpandButtonKind::None;
    auto plain = f.open(none);
    EXPECT_FALSE(reported());
    const CRect whole = f.session->WindowRect(plain->m_hWnd);
    plain->SetExpandDialog(); // never contracted: nothing to restore
    EXPECT_EQ(f.session->WindowRect(plain->m_hWnd), whole) << "expanding a window never contracted collapsed it";
    auto w = f.open(acquisitionKind(IDD_TOOL_NO_EXPAND));
    EXPECT_TRUE(reported());
    EXPECT_EQ(w->Frame().ExpandState(), ToolWindowFrame::kContracted);
    w->OnExpandDialog();
    EXPECT_EQ(w->Frame().ExpandState(), ToolWindowFrame::kExpanded);
}
