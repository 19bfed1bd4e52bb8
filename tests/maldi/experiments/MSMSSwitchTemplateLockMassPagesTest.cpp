// The "Acqusition Template" and "Lock Mass" pages under the operator's hands.

#include "MSMSSwitchPagesTestSupport.h"

using namespace switchtest;

TEST_F(MSMSSwitchPagesTest, TemplatePageAutomaticModesUseFixedValuesAndKeepWhatWasEntered)
{
    Run(kTemplate, [&](CWnd& d, Automation& a) {
        HWND start = a.Find(d, IDC_SW_START_MASS);
        HWND offset = a.Find(d, IDC_SW_SET_MASS_OFFSET);
        HWND pusher = a.Find(d, IDC_SW_CONSERVE_PUSHER);
        HWND duration = a.Find(d, IDC_SW_MAX_DURATION);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SW_AUTO_MASS_RANGE)), BST_CHECKED);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SW_AUTO_ACQ_TIME)), BST_CHECKED);
        EXPECT_EQ(a.Text(duration), "345678");
        for (HWND h : {start, offset, pusher, duration}) EXPECT_FALSE(a.IsEnabled(h));

        ASSERT_TRUE(a.Click(d, IDC_SW_MANUAL_MASS_RANGE));
        for (HWND h : {start, offset, pusher}) EXPECT_TRUE(a.IsEnabled(h));
        EXPECT_FALSE(a.IsEnabled(duration));
        a.ReplaceText(start, "300");
        a.ReplaceText(offset, "25.5");
        ASSERT_TRUE(a.Click(pusher));
        EXPECT_DOUBLE_EQ(templ.m_dStartMassInEffect, 300.0);
        EXPECT_DOUBLE_EQ(templ.m_dSetMassOffsetInEffect, 25.5);
        EXPECT_EQ(templ.m_bConservePusherFrequencyInEffect, TRUE);

        // Back to automatic: the fixed values are used, what was typed stays in the edits.
        ASSERT_TRUE(a.Click(d, IDC_SW_AUTO_MASS_RANGE));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SW_MANUAL_MASS_RANGE)), BST_UNCHECKED);
        EXPECT_DOUBLE_EQ(templ.m_dStartMassInEffect, 50.0);
        EXPECT_DOUBLE_EQ(templ.m_dSetMassOffsetInEffect, 50.0);
        EXPECT_EQ(templ.m_bConservePusherFrequencyInEffect, FALSE);
        EXPECT_FALSE(a.IsEnabled(start));
        ASSERT_TRUE(a.Click(d, IDC_SW_MANUAL_MASS_RANGE));
        EXPECT_EQ(a.Text(start), "300");
        EXPECT_EQ(a.Text(offset), "25.5");
        EXPECT_DOUBLE_EQ(templ.m_dStartMassInEffect, 300.0);

        ASSERT_TRUE(a.Click(d, IDC_SW_MANUAL_ACQ_TIME));
        EXPECT_TRUE(a.IsEnabled(duration));
        a.ReplaceText(duration, "600");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(templ.m_nMaxDuration, 600);
    EXPECT_EQ(templ.m_nMaxDurationInEffect, 600);
    EXPECT_EQ(templ.m_bManualAcquisitionTime, TRUE);
    EXPECT_EQ(templ.m_bAutoAcquisitionTime, FALSE);
    EXPECT_DOUBLE_EQ(templ.m_dStartMass, 300.0);

    // A record set up with automatic modes but odd in-effect values is corrected on the next exchange.
    templ.m_bAutoAcquisitionTime = TRUE;
    templ.m_bManualAcquisitionTime = FALSE;
    Run(kTemplate, [&](CWnd& d, Automation& a) { a.Click(d, IDOK); });
    EXPECT_EQ(templ.m_nMaxDurationInEffect, 345678);
    EXPECT_EQ(templ.m_nMaxDuration, 600);
}

TEST_F(MSMSSwitchPagesTest, StopChecksEnableTheirOwnEditsOnBothPages)
{
    struct Case {
        PageIndex page;
        UINT intensity, topCheck, top, afterCheck, after;
    };
    const Case cases[] = {
        {kTemplate, IDC_SW_INTENSITY_THRESHOLD, IDC_SW_USE_NOT_CONSIDER_TOP, IDC_SW_TOP_PERCENTAGE,
         IDC_SW_USE_COMPLETE_AFTER, IDC_SW_COMPLETE_AFTER_TIME},
        {kLockMass, IDC_LM_INTENSITY_THRESHOLD, IDC_LM_USE_NOT_CONSIDER_TOP, IDC_LM_TOP_PERCENTAGE,
         IDC_LM_USE_COMPLETE_AFTER, IDC_LM_COMPLETE_AFTER_TIME},
    };
    lockMass.m_bUseLockMass = TRUE;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Run(c.page, [&](CWnd& d, Automation& a) {
            EXPECT_EQ(a.Text(d, c.intensity), "1234");
            EXPECT_EQ(a.Text(d, c.top), "5");
            EXPECT_EQ(a.Text(d, c.after), "15");
            EXPECT_TRUE(a.IsEnabled(a.Find(d, c.intensity)));
            EXPECT_FALSE(a.IsEnabled(a.Find(d, c.top)));
            EXPECT_FALSE(a.IsEnabled(a.Find(d, c.after)));
            ASSERT_TRUE(a.Click(d, c.topCheck));
            EXPECT_TRUE(a.IsEnabled(a.Find(d, c.top)));
            EXPECT_FALSE(a.IsEnabled(a.Find(d, c.after)));
            ASSERT_TRUE(a.Click(d, c.afterCheck));
            EXPECT_TRUE(a.IsEnabled(a.Find(d, c.after)));
            ASSERT_TRUE(a.Click(d, c.topCheck));
            EXPECT_FALSE(a.IsEnabled(a.Find(d, c.top)));
            a.ReplaceText(d, c.after, "42");
            a.Click(d, IDOK);
        });
    }
    EXPECT_EQ(templ.m_bUseCompleteAfter, TRUE);
    EXPECT_EQ(templ.m_bUseNotConsiderTop, FALSE);
    EXPECT_DOUBLE_EQ(templ.m_dCompleteAfterTime, 42.0);
    EXPECT_EQ(lockMass.m_bUseCompleteAfter, TRUE);
    EXPECT_DOUBLE_EQ(lockMass.m_dCompleteAfterTime, 42.0);
}

TEST_F(MSMSSwitchPagesTest, TemplatePageRefusesAStartMassThatIsNotANumber)
{
    Run(kTemplate, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.Click(d, IDC_SW_MANUAL_MASS_RANGE));
        a.ReplaceText(d, IDC_SW_START_MASS, "400");
        ASSERT_TRUE(a.Click(d, IDC_SW_USE_COMPLETE_AFTER));
        a.ReplaceText(d, IDC_SW_START_MASS, "4x0");
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        a.Click(d, IDC_SW_AUTO_MASS_RANGE);
        EXPECT_EQ(a.PendingMessageBoxAnswers(), 0u);
        EXPECT_DOUBLE_EQ(templ.m_dStartMass, 400.0);
        EXPECT_DOUBLE_EQ(templ.m_dStartMassInEffect, 400.0);
        a.Click(d, IDCANCEL);
    });
}

TEST_F(MSMSSwitchPagesTest, LockMassPageEnablesEverythingOnlyWithUseLockMass)
{
    const UINT below[] = {IDC_LM_LOCK_MASS,       IDC_LM_INTENSITY_THRESHOLD,  IDC_LM_USE_NOT_CONSIDER_TOP,
                          IDC_LM_TOP_PERCENTAGE,  IDC_LM_USE_COMPLETE_AFTER,   IDC_LM_COMPLETE_AFTER_TIME,
                          IDC_LM_TUNE_PAGE_CE,    IDC_LM_FIXED_CE,             IDC_LM_FIXED_ENERGY};
    Run(kLockMass, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_LM_LOCK_MASS), "1500");
        EXPECT_EQ(a.Text(d, IDC_LM_FIXED_ENERGY), "77");
        for (UINT id : below) EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;

        ASSERT_TRUE(a.Click(d, IDC_LM_USE_LOCK_MASS));
        for (UINT id : {IDC_LM_LOCK_MASS, IDC_LM_INTENSITY_THRESHOLD, IDC_LM_USE_NOT_CONSIDER_TOP,
                        IDC_LM_USE_COMPLETE_AFTER, IDC_LM_TUNE_PAGE_CE, IDC_LM_FIXED_CE})
            EXPECT_TRUE(a.IsEnabled(a.Find(d, id))) << id;
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_LM_FIXED_ENERGY)));
        EXPECT_DOUBLE_EQ(lockMass.m_dCollisionEnergyInEffect, 77.0);

        ASSERT_TRUE(a.Click(d, IDC_LM_FIXED_CE));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_LM_FIXED_ENERGY)));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_LM_TUNE_PAGE_CE)), BST_UNCHECKED);
        a.ReplaceText(d, IDC_LM_FIXED_ENERGY, "33.5");
        a.ReplaceText(d, IDC_LM_LOCK_MASS, "1234.5");
        ASSERT_TRUE(a.Click(d, IDC_LM_USE_NOT_CONSIDER_TOP));
        EXPECT_DOUBLE_EQ(lockMass.m_dCollisionEnergyInEffect, 33.5);

        // Unchecked: every control below is disabled, the energy in effect stays as it was.
        ASSERT_TRUE(a.Click(d, IDC_LM_USE_LOCK_MASS));
        for (UINT id : below) EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;
        a.Click(d, IDOK);
    });
    EXPECT_EQ(lockMass.m_bUseLockMass, FALSE);
    EXPECT_DOUBLE_EQ(lockMass.m_dLockMass, 1234.5);
    EXPECT_DOUBLE_EQ(lockMass.m_dCollisionEnergyInEffect, 33.5);
    EXPECT_EQ(lockMass.m_bFixedCollisionEnergy, TRUE);

    // Without the lock mass even the tune page mode leaves a set-up energy in effect alone.
    lockMass.m_bTunePageCollisionEnergy = TRUE;
    lockMass.m_bFixedCollisionEnergy = FALSE;
    lockMass.m_dCollisionEnergyInEffect = 12.0;
    Run(kLockMass, [&](CWnd& d, Automation& a) { a.Click(d, IDOK); });
    EXPECT_DOUBLE_EQ(lockMass.m_dCollisionEnergyInEffect, 12.0);
    lockMass.m_bUseLockMass = TRUE;
    Run(kLockMass, [&](CWnd& d, Automation& a) { a.Click(d, IDOK); });
    EXPECT_DOUBLE_EQ(lockMass.m_dCollisionEnergyInEffect, 77.0);
}
