// File dialogs nobody scripted, as the automation interface fails them. The library's window tests
// play queued choices and read the dialogs' log throughout.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CommDlg.h"

TEST(FileDialogAutomation, UnansweredDialogsFailClearlyAndAreLogged)
{
    AutomationSession automation;
    FileDialogRecord d;
    d.open = true;
    d.filter = "Pattern File(*.ptn) | *.ptn||";
    try {
        automation->ShowFileDialog(d);
        FAIL() << "an unscripted file dialog must fail";
    } catch (const AutomationError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("Open file dialog"), std::string::npos) << what;
        EXPECT_NE(what.find("*.ptn"), std::string::npos) << what;
        EXPECT_NE(what.find("nobody scripted"), std::string::npos) << what;
    }
    // A responder that declines counts as no answer; so does a choice of nothing.
    automation->SetFileDialogResponder([](FileDialogRecord&) { return false; });
    EXPECT_THROW(automation->ShowFileDialog(d), AutomationError);
    automation->ChooseFile("");
    EXPECT_THROW(automation->ShowFileDialog(d), AutomationError);
    EXPECT_EQ(automation->FileDialogs().size(), 3u);
    EXPECT_FALSE(automation->FileDialogs().back().ok);

    // A reset forgets choices, responder and log.
    automation->ChooseFile("/x.ptn");
    automation->Reset();
    EXPECT_TRUE(automation->FileDialogs().empty());
    EXPECT_EQ(automation->PendingFileDialogAnswers(), 0u);
    EXPECT_THROW(automation->ShowFileDialog(d), AutomationError);
}
