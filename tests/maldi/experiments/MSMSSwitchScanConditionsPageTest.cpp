// The "Scan Conditions" page under the operator's hands.

#include "MSMSSwitchPagesTestSupport.h"

#include "maldi/dialogs/MaldiPatternFile.h"

using namespace switchtest;

using Strings = std::vector<CString>;

TEST_F(MSMSSwitchPagesTest, ScanConditionsManualModesUseWhatWasEnteredAndMCAFollowsTheDataFormat)
{
    Run(kScanConditions, [&](CWnd& d, Automation& a) {
        HWND format = a.Find(d, IDC_SC_DATA_FORMAT);
        HWND ion = a.Find(d, IDC_SC_ION_MODE);
        HWND mca = a.Find(d, IDC_SC_MCA_SCANS);
        EXPECT_EQ(a.Text(format), "Continuum");
        for (UINT id : {IDC_SC_SCAN_TIME, IDC_SC_INTER_SCAN_DELAY, IDC_SC_ION_MODE, IDC_SC_DATA_FORMAT,
                        IDC_SC_MCA_SCANS})
            EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;

        ASSERT_TRUE(a.Click(d, IDC_SC_MANUAL_SCAN_CONDITIONS));
        EXPECT_TRUE(a.IsEnabled(format));
        EXPECT_TRUE(a.IsEnabled(ion));
        EXPECT_FALSE(a.IsEnabled(mca));
        ASSERT_TRUE(a.ChooseComboItem(format, "MCA"));
        a.Pump();
        EXPECT_TRUE(a.IsEnabled(mca));
        EXPECT_EQ(scan.m_strDataFormatInEffect, "MCA");
        a.ReplaceText(mca, "12");
        ASSERT_TRUE(a.ChooseComboItem(ion, "LDI-"));
        EXPECT_EQ(scan.m_strIonModeInEffect, "LDI-");
        EXPECT_EQ(scan.m_nMCAScansInEffect, 12);
        ASSERT_TRUE(a.ChooseComboItem(format, "Centroid"));
        a.Pump();
        EXPECT_FALSE(a.IsEnabled(mca));
        EXPECT_EQ(scan.m_strDataFormatInEffect, "Centroid");

        ASSERT_TRUE(a.Click(d, IDC_SC_MANUAL_SCAN_RATE));
        a.ReplaceText(d, IDC_SC_SCAN_TIME, "2.5");
        a.ReplaceText(d, IDC_SC_INTER_SCAN_DELAY, "0.02");
        a.Click(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(scan.m_dScanTimeInEffect, 2.5);
    EXPECT_DOUBLE_EQ(scan.m_dInterScanDelayInEffect, 0.02);
    EXPECT_EQ(scan.m_strIonModeInEffect, "LDI-");

    // Back to the automatic modes: the fixed values, whatever was entered.
    Run(kScanConditions, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.Click(d, IDC_SC_AUTO_SCAN_RATE));
        ASSERT_TRUE(a.Click(d, IDC_SC_AUTO_SCAN_CONDITIONS));
        EXPECT_EQ(a.Text(d, IDC_SC_SCAN_TIME), "2.5");
        a.Click(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(scan.m_dScanTimeInEffect, 5.0);
    EXPECT_DOUBLE_EQ(scan.m_dInterScanDelayInEffect, 0.1);
    EXPECT_EQ(scan.m_strIonModeInEffect, "LDI+");
    EXPECT_EQ(scan.m_strDataFormatInEffect, "Continuum");
    EXPECT_EQ(scan.m_nMCAScansInEffect, 5);
    EXPECT_EQ(scan.m_strDataFormat, "Centroid");
}

TEST_F(MSMSSwitchPagesTest, ScanConditionsOffersTheFiringRatesOfTheLaserTypeInEffect)
{
    struct Case {
        UINT laserType;
        UINT rate;
        UINT plateSpeed;
        std::vector<CString> rates;
        const char* shownRate;
        const char* shownSpeed;
    };
    const Case cases[] = {
        {3, 500, 8, Strings({"1", "5", "10", "20", "500", "1000"}), "500", "8"},
        {7, 20, 9, Strings({"1", "5", "10"}), "1", "1"}, // an unknown type in effect is taken as 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.laserType);
        scan.m_nLaserTypeInEffect = c.laserType;
        scan.m_nLaserFiringRateInEffect = c.rate;
        scan.m_nPlateSpeedInEffect = c.plateSpeed;
        // Entered values equal to those in effect, as a sheet set-up in user defined mode gives.
        scan.m_nLaserType = c.laserType;
        scan.m_nLaserFiringRate = c.rate;
        scan.m_nPlateSpeed = c.plateSpeed;
        scan.m_bTunePageMaldiSettings = FALSE;
        scan.m_bUserDefinedMaldiSettings = TRUE;
        Run(kScanConditions, [&](CWnd& d, Automation& a) {
            HWND rates = a.Find(d, IDC_LASER_FIRING_RATE);
            HWND speeds = a.Find(d, IDC_PLATE_SPEED);
            EXPECT_EQ(a.ComboItems(rates), c.rates);
            EXPECT_EQ(a.ComboItems(speeds).size(), 8u);
            EXPECT_EQ(a.Text(rates), c.shownRate);
            EXPECT_EQ(a.Text(speeds), c.shownSpeed);
            EXPECT_TRUE(a.IsEnabled(rates));
            a.Click(d, IDCANCEL);
        });
        EXPECT_EQ(scan.m_nLaserType, c.laserType) << "the entered laser type goes back as it was set";
    }
}

TEST_F(MSMSSwitchPagesTest, ScanConditionsTunePageSettingsUseTheDefaultsAndTheType1List)
{
    scan.SetPatternFiles("/data/own.ptn", "/data/own.ptn");
    scan.m_nLaserFiringRate = 5;
    scan.m_nPlateSpeed = 6;
    Run(kScanConditions, [&](CWnd& d, Automation& a) {
        HWND pattern = a.Find(d, IDC_SC_PATTERN_FILE);
        EXPECT_EQ(a.Text(pattern), "/data/own.ptn");
        EXPECT_EQ(a.Text(a.Find(d, IDC_LASER_FIRING_RATE)), "10") << "the greyed lists show what is in effect";
        EXPECT_EQ(a.Text(a.Find(d, IDC_PLATE_SPEED)), "2");
        EXPECT_EQ(a.ComboItems(a.Find(d, IDC_LASER_FIRING_RATE)), Strings({"1", "5", "10"}));
        for (UINT id : {IDC_SC_PATTERN_FILE, IDC_SC_PATTERN_BROWSE, IDC_PLATE_SPEED, IDC_LASER_FIRING_RATE})
            EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;

        ASSERT_TRUE(a.Click(d, IDC_SC_USER_DEFINED));
        EXPECT_EQ(scan.m_nPlateSpeedInEffect, 2u) << "user defined takes the entry the list shows";
        for (UINT id : {IDC_SC_PATTERN_FILE, IDC_SC_PATTERN_BROWSE, IDC_PLATE_SPEED, IDC_LASER_FIRING_RATE})
            EXPECT_TRUE(a.IsEnabled(a.Find(d, id))) << id;
        ASSERT_TRUE(a.ChooseComboItem(a.Find(d, IDC_PLATE_SPEED), "6"));
        EXPECT_EQ(scan.m_nPlateSpeedInEffect, 6u);
        ASSERT_TRUE(a.ChooseComboItem(a.Find(d, IDC_LASER_FIRING_RATE), "5"));
        EXPECT_EQ(scan.m_nLaserFiringRateInEffect, 5u);
        EXPECT_EQ(scan.m_strPatternFileInEffect, "/data/own.ptn");

        a.ChooseFile("/data/other.ptn");
        ASSERT_TRUE(a.Click(d, IDC_SC_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(pattern), "/data/other.ptn");
        ASSERT_FALSE(a.FileDialogs().empty());
        EXPECT_EQ(a.FileDialogs().back().filter, MaldiPatternFile::kFilter);

        ASSERT_TRUE(a.Click(d, IDC_SC_TUNE_PAGE_MALDI));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(scan.m_strPatternFile, "/data/other.ptn");
    EXPECT_EQ(scan.m_strPatternFileInEffect, MaldiPatternFile::DefaultName());
    EXPECT_EQ(scan.m_nPlateSpeedInEffect, 2u);
    EXPECT_EQ(scan.m_nLaserFiringRateInEffect, 10u);
    EXPECT_EQ(scan.m_nLaserTypeInEffect, 1u);
    EXPECT_EQ(scan.m_nPlateSpeed, 6u);
}

TEST_F(MSMSSwitchPagesTest, ScanConditionsOnTheMaldiEsiModelKeepsThePatternFixed)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    scan.SetPatternFiles("/data/own.ptn", "/data/own.ptn");
    EXPECT_EQ(scan.m_strPatternFile, MaldiPatternFile::DefaultName());
    EXPECT_EQ(scan.m_strPatternFileInEffect, MaldiPatternFile::DefaultName());
    Run(kScanConditions, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.Click(d, IDC_SC_USER_DEFINED));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SC_PATTERN_FILE)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SC_PATTERN_BROWSE)));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_PLATE_SPEED)));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(scan.m_strPatternFileInEffect, MaldiPatternFile::DefaultName());
}
