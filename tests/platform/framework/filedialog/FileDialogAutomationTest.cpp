// File dialogs as the automation interface plays them: the queue of choices, the log of what each
// dialog was asked for, and unscripted dialogs.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CommDlg.h"

namespace {

FileDialogRecord openPattern()
{
    FileDialogRecord d;
    d.open = true;
    d.filter = "Pattern File(*.ptn) | *.ptn||";
    d.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    d.initialFolder = "/data/patterns";
    return d;
}

} // namespace

TEST(FileDialogAutomation, QueuedChoicesAreTakenInOrderAndLogged)
{
    AutomationSession automation;
    automation->ChooseFile("/plates/a.ptn");
    automation->CancelFileDialog();
    EXPECT_EQ(automation->PendingFileDialogAnswers(), 2u);

    FileDialogRecord first = openPattern();
    EXPECT_TRUE(automation->ShowFileDialog(first));
    EXPECT_EQ(first.path, "/plates/a.ptn");
    FileDialogRecord second = openPattern();
    second.open = false;
    second.initialName = "b.ptn";
    second.defaultExtension = "ptn";
    EXPECT_FALSE(automation->ShowFileDialog(second));
    EXPECT_TRUE(second.path.IsEmpty());

    const auto& log = automation->FileDialogs();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].open);
    EXPECT_TRUE(log[0].ok);
    EXPECT_TRUE(log[0].scripted);
    EXPECT_EQ(log[0].filter, "Pattern File(*.ptn) | *.ptn||");
    EXPECT_EQ(log[0].flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(log[0].initialFolder, "/data/patterns");
    EXPECT_FALSE(log[1].open);
    EXPECT_FALSE(log[1].ok);
    EXPECT_EQ(log[1].initialName, "b.ptn");
    EXPECT_EQ(log[1].defaultExtension, "ptn");
    EXPECT_EQ(automation->PendingFileDialogAnswers(), 0u);
}

TEST(FileDialogAutomation, UnansweredDialogsFailClearlyAndAreLogged)
{
    AutomationSession automation;
    FileDialogRecord d = openPattern();
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
