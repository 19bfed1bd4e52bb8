// The tuning library's message box: owned by the active window, a null text shown as an empty box.
// The scenarios show the pattern editor's and plate sheet's boxes with their texts and answers.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CWnd.h"
#include "platform/tuning/HostMessageBox.h"

TEST(HostMessageBox, TheActiveWindowOwnsTheBoxAndANullTextShowsAnEmptyOne)
{
    AutomationSession automation;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 300, 200, nullptr, 0));
    ::SetActiveWindow(host.m_hWnd);
    automation->AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(HostMessageBox(nullptr, nullptr, 0x10033), IDCANCEL);
    ASSERT_EQ(automation->MessageBoxes().size(), 1u);
    EXPECT_EQ(automation->MessageBoxes()[0].owner, host.m_hWnd);
    EXPECT_EQ(automation->MessageBoxes()[0].text, "");
}
