#pragma once
// The MS/MS switch page tests' host: three pages in a sheet, or one list page alone with a folder.

#include <fstream>
#include <vector>

#include "maldi/experiments/CMaldiMSMSSwitchLockMassPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchScanConditionsPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchTemplatePage.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "tests/maldi/MaldiHostTest.h"

namespace switchtest {

using namespace maldi::res;

// Tab order of the pages in the test sheet.
enum PageIndex { kTemplate, kLockMass, kScanConditions };

class MSMSSwitchPagesTest : public MaldiHostTest {
protected:
    void SetUp() override
    {
        MaldiHostTest::SetUp();
        sheet.AddPage(&templ);
        sheet.AddPage(&lockMass);
        sheet.AddPage(&scan);
    }
    INT_PTR Run(PageIndex first, Automation::ModalScript script)
    {
        return RunSheet(sheet, first, "MS/MS Switch", std::move(script));
    }

    CMaldiMSMSSwitchTemplatePage templ;
    CMaldiMSMSSwitchLockMassPage lockMass;
    CMaldiMSMSSwitchScanConditionsPage scan;
    CPropertySheet sheet{"MS/MS Switch", &host};
};

template <class PageType, UINT dialogId, UINT titleId>
class ListPageTest : public MaldiHostTest {
protected:
    using Page = CQuadFSBasePropPage;

    void SetUp() override
    {
        MaldiHostTest::SetUp();
        sheet.AddPage(&page);
    }
    INT_PTR Run(Automation::ModalScript script) { return RunSheet(sheet, 0, "Switch", std::move(script)); }
    CString WriteFile(const char* name, const char* text)
    {
        std::ofstream(dir / name) << text;
        return CString((dir / name).string().c_str());
    }
    static HWND List(CWnd& d, Automation& a) { return a.Find(d, Page::IDC_FILE_LIST); }

    PageType page{dialogId, titleId};
    CPropertySheet sheet{"Switch", &host};
};

} // namespace switchtest
