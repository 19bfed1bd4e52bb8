// Bad input and unusual sequences: failures stay contained, nothing is left half done.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/WindowManager.h"

namespace {

class FailingCreate : public CWnd {
public:
    bool refuse = false;
    bool explode = false;
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        if (explode) throw std::runtime_error("handler failed");
        return refuse ? -1 : 0;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingCreate, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(EdgeCases, ACreationRefusedOrFailingInItsHandlerLeavesNoWindow)
{
    AutomationSession session;
    FailingCreate refused;
    refused.refuse = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(refused.m_hWnd, nullptr);
    FailingCreate exploding;
    exploding.explode = true;
    EXPECT_THROW(exploding.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr), std::runtime_error);
    EXPECT_EQ(exploding.m_hWnd, nullptr);
    EXPECT_TRUE(session->TopLevelWindows().empty());
}

namespace {

class Asking : public CWnd {
public:
    int answer = 0;
    afx_msg void OnDestroy()
    {
        answer = AfxMessageBox("Save before closing?", MB_YESNOCANCEL);
        CWnd::OnDestroy();
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Asking, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

TEST(EdgeCases, ResetCleansUpEvenWhenHandlersAskQuestions)
{
    AutomationSession session;
    Asking asking;
    ASSERT_TRUE(asking.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    session->AnswerMessageBox(IDYES, "something else entirely");
    session->Reset(); // nothing thrown: the box takes its way out, the script is dropped
    EXPECT_EQ(asking.m_hWnd, nullptr);
    EXPECT_EQ(asking.answer, IDCANCEL);
    EXPECT_EQ(session->PendingMessageBoxAnswers(), 0u);
    EXPECT_TRUE(session->MessageBoxes().empty());
}
