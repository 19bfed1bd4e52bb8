#pragma once
// The survey page tests' host: a host window and the five MALDI pages in a sheet the operator drives.

#include <gtest/gtest.h>

#include <vector>

#include "maldi/experiments/CMaldiSurveyLaserPage.h"
#include "maldi/experiments/CMaldiSurveyMSMSToMSPage.h"
#include "maldi/experiments/CMaldiSurveyMSToMSMSPage.h"
#include "maldi/experiments/CMaldiSurveyPage.h"
#include "maldi/experiments/CMaldiSurveyTemplatePage.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CommCtrl.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/HostResources.h"

namespace surveytest {

using namespace maldi::res;

// Tab order of the pages in the test sheet.
enum PageIndex { kSurvey, kMSToMSMS, kMSMSToMS, kTemplate, kLaser };

class SurveyPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A MALDI instrument, where the operator chooses the laser pattern.
        VEXPropertyTable::Instance().Reset();
        VEXPropertyTable::Instance().SetMaldiEsiModel(false);
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
        sheet.AddPage(&survey);
        sheet.AddPage(&msToMsms);
        sheet.AddPage(&msmsToMs);
        sheet.AddPage(&templ);
        sheet.AddPage(&laser);
    }
    void TearDown() override { VEXPropertyTable::Instance().Reset(); }

    // Runs the sheet on the given page with the operator's script; the script ends it.
    INT_PTR Run(PageIndex first, Automation::ModalScript script)
    {
        sheet.SetActivePage(first);
        automation->OnNextModal(std::move(script), "Survey Experiment");
        return sheet.DoModal();
    }

    AutomationSession automation;
    HostResources hostResources;
    CWnd host;
    CMaldiSurveyPage survey;
    CMaldiSurveyMSToMSMSPage msToMsms;
    CMaldiSurveyMSMSToMSPage msmsToMs;
    CMaldiSurveyTemplatePage templ;
    CMaldiSurveyLaserPage laser;
    CPropertySheet sheet{"Survey Experiment", &host};
};

using Strings = std::vector<CString>;

} // namespace surveytest
