#pragma once
// The MS/MS switch page tests' host: three pages in a sheet, or one list page alone with a folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "maldi/experiments/CMaldiMSMSSwitchLockMassPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchScanConditionsPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchTemplatePage.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CommCtrl.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/HostResources.h"

namespace switchtest {

using namespace maldi::res;

// Tab order of the pages in the test sheet.
enum PageIndex { kTemplate, kLockMass, kScanConditions };

class MSMSSwitchPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VEXPropertyTable::Instance().Reset();
        VEXPropertyTable::Instance().SetMaldiEsiModel(false);
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
        sheet.AddPage(&templ);
        sheet.AddPage(&lockMass);
        sheet.AddPage(&scan);
    }
    void TearDown() override { VEXPropertyTable::Instance().Reset(); }

    // Runs the sheet on the given page with the operator's script; the script ends it.
    INT_PTR Run(PageIndex first, Automation::ModalScript script)
    {
        sheet.SetActivePage(first);
        automation->OnNextModal(std::move(script), "MS/MS Switch");
        return sheet.DoModal();
    }

    AutomationSession automation;
    HostResources hostResources;
    CWnd host;
    CMaldiMSMSSwitchTemplatePage templ;
    CMaldiMSMSSwitchLockMassPage lockMass;
    CMaldiMSMSSwitchScanConditionsPage scan;
    CPropertySheet sheet{"MS/MS Switch", &host};
};

template <class PageType, UINT dialogId, UINT titleId>
class ListPageTest : public ::testing::Test {
protected:
    using Page = CQuadFSBasePropPage;

    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
        sheet.AddPage(&page);
        dir = std::filesystem::temp_directory_path() / ("switch-list-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    INT_PTR Run(Automation::ModalScript script)
    {
        automation->OnNextModal(std::move(script), "Switch");
        return sheet.DoModal();
    }
    CString WriteFile(const char* name, const char* text)
    {
        std::ofstream(dir / name) << text;
        return CString((dir / name).string().c_str());
    }
    static HWND List(CWnd& d, Automation& a) { return a.Find(d, Page::IDC_FILE_LIST); }

    AutomationSession automation;
    HostResources hostResources;
    CWnd host;
    PageType page{dialogId, titleId};
    CPropertySheet sheet{"Switch", &host};
    std::filesystem::path dir;
};

} // namespace switchtest
