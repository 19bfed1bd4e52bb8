// libmaldi_ui.so as a host sees it: loading it registers its resources, and its windows work
// with the window system inside it.
#include <gtest/gtest.h>

#include "maldi/panels/CESIProbeControlDlg.h"
#include "maldi/panels/CMaldiProbeSwapControlDlg.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CString.h"
#include "platform/framework/ResourceChain.h"

TEST(MaldiLibrary, LoadingRegistersTheResourceModule)
{
    // Nothing in this program refers to the module before this check: the registration happened
    // when the library was loaded.
    bool registered = false;
    for (const ResourceModule* module : ResourceChain::Get().Modules())
        registered = registered || module->Name() == MaldiResources::kModuleName;
    EXPECT_TRUE(registered);
    CString text;
    ASSERT_TRUE(text.LoadString(19));
    EXPECT_STREQ(text.GetString(), "Expand Dialog");
}

TEST(MaldiLibrary, ToolWindowsCreateFromTheLibrarysTemplates)
{
    AutomationSession session;
    // A host without an instrument link: null pointers are skipped.
    CESIProbeControlDlg probe(nullptr, nullptr);
    probe.CreateUI(nullptr);
    ASSERT_TRUE(probe.Create());
    probe.DisplayWindow();
    HWND window = probe.GetSafeHwnd();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(session->Text(window), CString("ESI Probe Adjust"));
    EXPECT_TRUE(session->IsVisible(window));
    EXPECT_TRUE(session->IsTopmost(window));

    CMaldiProbeSwapControlDlg swap(nullptr, nullptr);
    ASSERT_TRUE(swap.Create());
    swap.DisplayWindow();
    session->Advance(1000);
    EXPECT_EQ(session->Text(swap.GetSafeHwnd()), CString("Swap Source"));
}
