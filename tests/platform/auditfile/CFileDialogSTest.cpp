// The file dialog as a program uses it: what it hands to the operator (checked in the automation
// log) and what it gives back.

#include <gtest/gtest.h>

#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/AutomationSession.h"

TEST(CFileDialogS, GivesBackTheChosenFullPath)
{
    AutomationSession automation;
    CFileDialogS save(FALSE, "mtp", "plate1", OFN_OVERWRITEPROMPT, "Plate Files (*.mtp)|*.mtp||", nullptr, "/plates");
    EXPECT_EQ(save.GetPathName(), "plate1"); // before the run: the initial name
    automation->CancelFileDialog();
    save.DoModal();
    EXPECT_EQ(save.GetPathName(), "plate1");

    automation->ChooseFile("big/plate2");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/plates/big/plate2.mtp");
    EXPECT_EQ(save.GetFileName(), "plate2.mtp");
    EXPECT_EQ(save.GetFileExt(), "mtp");
    EXPECT_EQ(save.GetFileTitle(), "plate2");

    automation->ChooseFile("/x/.hidden");
    save.DoModal();
    EXPECT_EQ(save.GetFileName(), ".hidden.mtp");
    EXPECT_EQ(save.GetFileTitle(), ".hidden");

    // Nobody scripted the next one: the test hears of it, and the last choice stays.
    EXPECT_THROW(save.DoModal(), AutomationError);
    EXPECT_EQ(save.GetPathName(), "/x/.hidden.mtp");
}
