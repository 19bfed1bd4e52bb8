// The file dialog as a program uses it: what it hands to the operator (checked in the automation
// log) and what it gives back.

#include <gtest/gtest.h>

#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CDialog.h"

TEST(CFileDialogS, HandsItsParametersToTheOperator)
{
    AutomationSession automation;
    CFileDialogS open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Pattern File(*.ptn) | *.ptn||",
                      nullptr, ".");
    automation->CancelFileDialog();
    EXPECT_EQ(open.DoModal(), IDCANCEL);

    CFileDialogS save(FALSE, ".mtp", "plate1", OFN_OVERWRITEPROMPT, "Plate Files (*.mtp)|*.mtp||");
    save.m_ofn.lpstrInitialDir = "/plates";
    save.m_ofn.lpstrTitle = "Save Plate";
    automation->CancelFileDialog();
    save.DoModal();

    const auto& log = automation->FileDialogs();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].open);
    EXPECT_EQ(log[0].filter, "Pattern File(*.ptn) | *.ptn||");
    EXPECT_EQ(log[0].flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(log[0].initialFolder, ".");
    EXPECT_TRUE(log[0].initialName.IsEmpty());
    EXPECT_TRUE(log[0].defaultExtension.IsEmpty());
    EXPECT_EQ(log[0].owner, nullptr);
    EXPECT_FALSE(log[1].open);
    EXPECT_EQ(log[1].defaultExtension, "mtp"); // the leading dot is not part of it
    EXPECT_EQ(log[1].initialName, "plate1");
    EXPECT_EQ(log[1].initialFolder, "/plates");
    EXPECT_EQ(log[1].title, "Save Plate");
    EXPECT_EQ(log[1].flags, OFN_OVERWRITEPROMPT);
}

TEST(CFileDialogS, GivesBackTheChosenFullPath)
{
    AutomationSession automation;
    CFileDialogS save(FALSE, "mtp", "plate1", OFN_OVERWRITEPROMPT, "Plate Files (*.mtp)|*.mtp||", nullptr, "/plates");
    EXPECT_EQ(save.GetPathName(), "plate1"); // before the run: the initial name

    automation->CancelFileDialog();
    EXPECT_EQ(save.DoModal(), IDCANCEL);
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
}

TEST(CFileDialogS, OwnerIsTheParentWindowAndUnscriptedDialogsFail)
{
    AutomationSession automation;
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "Static", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, 0));
    CFileDialogS open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "All (*.*)|*.*||", &owner);
    automation->ChooseFile("/a.txt");
    open.DoModal();
    EXPECT_EQ(automation->FileDialogs().back().owner, owner.GetSafeHwnd());
    EXPECT_THROW(open.DoModal(), AutomationError);
    EXPECT_EQ(open.GetPathName(), "/a.txt");
}
