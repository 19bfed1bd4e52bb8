// The "Survey" and "MS to MSMS " pages under the operator's hands (the number prompt: the sheet tests).

#include "SurveyPagesTestSupport.h"

#include <functional>

using namespace surveytest;

namespace {

struct Times {
    CString lockMass, sample, total;
    bool operator==(const Times&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Times& t)
{
    return os << "lock mass " << t.lockMass.GetString() << ", sample " << t.sample.GetString() << ", total "
              << t.total.GetString();
}

Times TimesShown(CWnd& d, Automation& a)
{
    return {a.Text(d, IDC_LOCK_MASS_TIME), a.Text(d, IDC_SV_SAMPLE_TIME), a.Text(d, IDC_SV_TOTAL_TIME)};
}

} // namespace

TEST_F(SurveyPagesTest, SurveyPageOpensWithTheSampleTimeLeftAfterTheLockMassAndTogglesItOff)
{
    survey.m_nEndTime = 60;
    survey.m_nLockMassTime = 10;
    survey.m_bUseLockMass = TRUE;
    survey.m_nStartTime = 3; // replaced by the bookkeeping
    INT_PTR result = Run(kSurvey, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "50", "60"}));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_LOCK_MASS)), BST_CHECKED);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SV_TOTAL_TIME)));
        EXPECT_EQ(survey.m_nStartTime, 10);

        ASSERT_TRUE(a.Click(d, IDC_USE_LOCK_MASS));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_LOCK_MASS)), BST_UNCHECKED);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "50", "50"}));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(survey.m_nStartTime, 0);
    EXPECT_EQ(survey.m_nEndTime, 50);
    EXPECT_EQ(survey.m_bUseLockMass, FALSE);
    EXPECT_DOUBLE_EQ(survey.m_dTotalTime, 50.0);
}

TEST_F(SurveyPagesTest, SurveyPageTypedTimesMoveTheEndTimeAndAnEmptyEditMovesNothing)
{
    survey.m_nEndTime = 60;
    survey.m_nLockMassTime = 10;
    survey.m_bUseLockMass = TRUE;
    Run(kSurvey, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.ReplaceText(d, IDC_SV_SAMPLE_TIME, "30"));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "30", "40"}));
        EXPECT_EQ(survey.m_nEndTime, 40);

        // Cleared: no prompt, nothing moves until a digit is typed.
        ASSERT_TRUE(a.ReplaceText(d, IDC_LOCK_MASS_TIME, ""));
        EXPECT_EQ(a.Text(d, IDC_SV_TOTAL_TIME), "40");
        ASSERT_TRUE(a.Type(d, IDC_LOCK_MASS_TIME, "5"));
        EXPECT_EQ(TimesShown(d, a), (Times{"5", "30", "35"}));
        EXPECT_EQ(survey.m_nStartTime, 5);
        a.Click(d, IDCANCEL);
    });
    EXPECT_TRUE(automation->MessageBoxes().empty());
    EXPECT_EQ(survey.m_nEndTime, 35);
    EXPECT_EQ(survey.m_bUseLockMass, TRUE);
}

TEST_F(SurveyPagesTest, SurveyPageShowsItsDefaultsAndEveryFieldReachesItsValue)
{
    struct Field {
        UINT id;
        const char* shown; // the default
        const char* typed;
        std::function<double()> value;
        double expected;
    };
    const std::vector<Field> fields{
        {IDC_SV_START_MASS, "100", "200", [&] { return survey.m_dStartMass; }, 200},
        {IDC_SV_END_MASS, "1000", "2000", [&] { return survey.m_dEndMass; }, 2000},
        {IDC_SV_SCAN_TIME, "1", "2.5", [&] { return survey.m_dScanTime; }, 2.5},
        {IDC_SV_INTER_SCAN_DELAY, "0.1", "0.05", [&] { return survey.m_dInterScanDelay; }, 0.05},
        {IDC_SV_MONITOR_START, "100", "150", [&] { return survey.m_dMonitorStartMass; }, 150},
        {IDC_SV_MONITOR_END, "1000", "1500", [&] { return survey.m_dMonitorEndMass; }, 1500},
        {IDC_SV_MONITOR_THRESHOLD, "10", "11", [&] { return survey.m_dMonitorThreshold; }, 11},
        {IDC_SV_SWITCH_START, "100", "250", [&] { return survey.m_dSwitchStartMass; }, 250},
        {IDC_SV_SWITCH_END, "1000", "2500", [&] { return survey.m_dSwitchEndMass; }, 2500},
        {IDC_SV_SWITCH_THRESHOLD, "10", "12", [&] { return survey.m_dSwitchThreshold; }, 12},
    };
    Run(kSurvey, [&](CWnd& d, Automation& a) {
        for (const Field& f : fields) {
            EXPECT_EQ(a.Text(d, f.id), f.shown) << f.id;
            EXPECT_TRUE(a.ReplaceText(d, f.id, f.typed)) << f.id;
        }
        EXPECT_EQ(a.ComboItems(a.Find(d, IDC_SV_ION_MODE)), Strings({"LDI+", "LDI-"}));
        EXPECT_EQ(a.ComboItems(a.Find(d, IDC_SV_DATA_FORMAT)), Strings({"Centroid", "Continuum", "MCA"}));
        EXPECT_EQ(a.Text(d, IDC_SV_ION_MODE), "LDI+");
        EXPECT_EQ(a.Text(d, IDC_SV_DATA_FORMAT), "Centroid");
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "10", "10"})); // end time 10, no lock mass
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        EXPECT_TRUE(a.ChooseComboItem(a.Find(d, IDC_SV_ION_MODE), "LDI-"));
        EXPECT_TRUE(a.ChooseComboItem(a.Find(d, IDC_SV_DATA_FORMAT), "MCA"));
        a.Click(d, IDOK);
    });
    for (const Field& f : fields) EXPECT_DOUBLE_EQ(f.value(), f.expected) << f.id;
    EXPECT_EQ(survey.m_strIonMode, "LDI-");
    EXPECT_EQ(survey.m_strDataFormat, "MCA");
}

TEST_F(SurveyPagesTest, MSToMSMSPageShowsOneFunctionAndReadsTheCriteriaAndTheSelection)
{
    Run(kMSToMSMS, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_SV_MSMS_FUNCTIONS), "1");
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SV_MSMS_FUNCTIONS)));
        EXPECT_EQ(a.Text(d, IDC_SV_PEAKS_TO_SWITCH_ON), "20");
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_EVERYTHING)), BST_CHECKED);
        a.ReplaceText(d, IDC_SV_TIC_SUM_THRESHOLD, "500");
        a.ReplaceText(d, IDC_SV_PEAKS_TO_SWITCH_ON, "35");
        a.ReplaceText(d, IDC_SV_RETENTION_WINDOW, "12.5");
        a.Click(d, IDC_SV_INCLUDED_ONLY);
        a.Click(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(msToMsms.m_dTICSumThreshold, 500.0);
    EXPECT_EQ(msToMsms.m_nPeaksToSwitchOn, 35);
    EXPECT_DOUBLE_EQ(msToMsms.m_dRetentionTimeWindow, 12.5);
    EXPECT_EQ(msToMsms.m_nMSMSFunctions, 1u);
    EXPECT_EQ(msToMsms.m_bEverything, FALSE);
    EXPECT_EQ(msToMsms.m_bIncludedMassesOnly, TRUE);
    EXPECT_EQ(msToMsms.m_bIncludedMassesPriority, FALSE);
}
