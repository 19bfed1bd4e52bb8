// The frame's one initialisation order (CToolWindow::InitialiseFrame) and its icon buttons.

#include <string>
#include <vector>

#include "FrameTestSupport.h"

using namespace frame_test;

namespace {

constexpr UINT IDC_NOT_IN_TEMPLATE = 8999;

// Logs each step with the window's height then, and the base's first data exchange.
class OrderedWindow : public TestToolWindow<> {
public:
    using TestToolWindow::TestToolWindow;
    std::vector<std::string> log;
    CButtonST go, missing;
    bool exchanged = false;

    void DoDataExchange(CDataExchange* dx) override
    {
        if (!exchanged) log.push_back("exchange");
        exchanged = true;
        TestToolWindow::DoDataExchange(dx);
    }
    BOOL OnInitDialog() override
    {
        return InitialiseFrame({
            .buttons =
                [this] {
                    step("buttons");
                    Frame().SetupIconButtons({{go, IDC_GO, 0}, {missing, IDC_NOT_IN_TEMPLATE, 0}});
                },
            .controls = [this] { step("controls"); },
            .opened = [this] { step("opened"); },
        });
    }

private:
    void step(const char* name)
    {
        CRect r;
        GetWindowRect(&r);
        log.push_back(std::string(name) + " " + std::to_string(r.Height()));
    }
};

} // namespace

TEST(InitialiseOrder, BaseRunsWhereTheDescriptionSaysAndTheWindowContractsBetweenControlsAndOpened)
{
    for (BaseInitialisation base : {BaseInitialisation::First, BaseInitialisation::AfterButtons}) {
        AutomationSession session;
        FrameResources resources;
        ToolWindowInfo info = acquisitionKind();
        info.baseInitialisation = base;
        auto w = resources.Open<OrderedWindow>(info);
        const int full = session->WindowRect(w->m_hWnd).Height() + kContract;
        const std::string h = std::to_string(full), contracted = std::to_string(full - kContract);
        std::vector<std::string> expected = {"buttons " + h, "controls " + h, "opened " + contracted};
        expected.insert(base == BaseInitialisation::First ? expected.begin() : expected.begin() + 1, "exchange");
        EXPECT_EQ(w->log, expected);

        EXPECT_NE(w->go.m_hWnd, nullptr); // a button of the template is attached
        bool reported = false;
        for (const CString& d : session->Diagnostics()) reported = reported || d.Find("button 8999") >= 0;
        EXPECT_TRUE(reported) << "a button missing from the template is reported";
    }
}
