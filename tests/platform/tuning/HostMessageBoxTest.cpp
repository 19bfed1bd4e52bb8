// The tuning library's message box: what the operator sees, and the answer given back.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CWnd.h"
#include "platform/tuning/HostMessageBox.h"

TEST(HostMessageBox, ShowsTextCaptionAndFlagsOwnedByTheActiveWindowAndReturnsTheAnswer)
{
    AutomationSession automation;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 300, 200, nullptr, 0));
    ::SetActiveWindow(host.m_hWnd);
    for (int answer : {IDYES, IDNO, IDCANCEL}) automation->AnswerMessageBox(answer);
    EXPECT_EQ(HostMessageBox("Save ?", "Pattern File", 0x10033), IDYES);
    EXPECT_EQ(HostMessageBox("Save ?", "Pattern File", 0x10033), IDNO);
    EXPECT_EQ(HostMessageBox(nullptr, nullptr, 0x10033), IDCANCEL);

    const auto& boxes = automation->MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Save ?");
    EXPECT_EQ(boxes[0].caption, "Pattern File");
    EXPECT_EQ(boxes[0].flags, 0x10033u);
    EXPECT_EQ(boxes[0].owner, host.m_hWnd);
    EXPECT_EQ(boxes[2].text, "") << "a null text shows an empty box";

    // An answer that is not one of the box's buttons is refused.
    automation->AnswerMessageBox(IDYES);
    EXPECT_THROW(HostMessageBox("No Points Loaded", "Pattern File", 0x10030), AutomationError);
}
