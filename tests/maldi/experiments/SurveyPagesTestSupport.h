#pragma once
// The survey page tests' host: a host window and the five MALDI pages in a sheet the operator drives.

#include <vector>

#include "maldi/experiments/CMaldiSurveyLaserPage.h"
#include "maldi/experiments/CMaldiSurveyMSMSToMSPage.h"
#include "maldi/experiments/CMaldiSurveyMSToMSMSPage.h"
#include "maldi/experiments/CMaldiSurveyPage.h"
#include "maldi/experiments/CMaldiSurveyTemplatePage.h"
#include "tests/maldi/MaldiHostTest.h"

namespace surveytest {

using namespace maldi::res;

// Tab order of the pages in the test sheet.
enum PageIndex { kSurvey, kMSToMSMS, kMSMSToMS, kTemplate, kLaser };

class SurveyPagesTest : public MaldiHostTest {
protected:
    void SetUp() override
    {
        MaldiHostTest::SetUp();
        sheet.AddPage(&survey);
        sheet.AddPage(&msToMsms);
        sheet.AddPage(&msmsToMs);
        sheet.AddPage(&templ);
        sheet.AddPage(&laser);
    }
    INT_PTR Run(PageIndex first, Automation::ModalScript script)
    {
        return RunSheet(sheet, first, "Survey Experiment", std::move(script));
    }

    CMaldiSurveyPage survey;
    CMaldiSurveyMSToMSMSPage msToMsms;
    CMaldiSurveyMSMSToMSPage msmsToMs;
    CMaldiSurveyTemplatePage templ;
    CMaldiSurveyLaserPage laser;
    CPropertySheet sheet{"Survey Experiment", &host};
};

using Strings = std::vector<CString>;

} // namespace surveytest
