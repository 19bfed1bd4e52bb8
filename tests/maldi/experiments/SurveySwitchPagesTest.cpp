// The "MSMS Switch", "MSMS Template" and "Laser" pages under the operator's hands.

#include "SurveyPagesTestSupport.h"

#include "maldi/dialogs/MaldiPatternFile.h"

using namespace surveytest;

TEST_F(SurveyPagesTest, MSMSSwitchPageEnablesOnlyTheChosenWayBack)
{
    Run(kMSMSToMS, [&](CWnd& d, Automation& a) {
        HWND afterTime = a.Find(d, IDC_SV_SWITCH_BACK_TIME);
        HWND monitor = a.Find(d, IDC_SV_MONITOR_WINDOW);
        EXPECT_EQ(a.Text(monitor), "5");
        EXPECT_TRUE(a.IsEnabled(afterTime));
        EXPECT_FALSE(a.IsEnabled(monitor));

        ASSERT_TRUE(a.Click(d, IDC_SV_USE_MONITOR_WINDOW));
        EXPECT_FALSE(a.IsEnabled(afterTime));
        EXPECT_TRUE(a.IsEnabled(monitor));
        EXPECT_EQ(msmsToMs.m_bMonitorWindow, TRUE);
        EXPECT_EQ(msmsToMs.m_bAfterTime, FALSE);
        a.ReplaceText(monitor, "7.5");

        ASSERT_TRUE(a.Click(d, IDC_SV_AFTER_TIME));
        EXPECT_TRUE(a.IsEnabled(afterTime));
        EXPECT_FALSE(a.IsEnabled(monitor));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_USE_MONITOR_WINDOW)), BST_UNCHECKED);
        EXPECT_EQ(msmsToMs.m_bMonitorWindow, FALSE);

        ASSERT_TRUE(a.Click(d, IDC_SV_USE_MONITOR_WINDOW));
        a.ReplaceText(d, IDC_SV_INTENSITY_THRESHOLD, "2500");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(msmsToMs.m_bMonitorWindow, TRUE);
    EXPECT_EQ(msmsToMs.m_bAfterTime, FALSE);
    EXPECT_DOUBLE_EQ(msmsToMs.m_dMonitorWindow, 7.5);
    EXPECT_DOUBLE_EQ(msmsToMs.m_dIntensityThreshold, 2500.0);
}

TEST_F(SurveyPagesTest, TemplatePageKeepsTheEndMassAHundredAboveTheStartAndEnablesByItsChecks)
{
    Run(kTemplate, [&](CWnd& d, Automation& a) {
        HWND file = a.Find(d, IDC_SV_PARAMETER_FILE);
        HWND browse = a.Find(d, IDC_SV_PARAMETER_BROWSE);
        HWND energy = a.Find(d, IDC_SV_COLLISION_ENERGY);
        EXPECT_EQ(a.Text(d, IDC_SV_SET_MASS_OFFSET), "50");
        EXPECT_FALSE(a.IsEnabled(file));
        EXPECT_FALSE(a.IsEnabled(browse));
        EXPECT_FALSE(a.IsEnabled(energy));

        a.ReplaceText(d, IDC_SV_TEMPLATE_START_MASS, "300");
        ASSERT_TRUE(a.Click(d, IDC_SV_USE_OWN_FILE));
        EXPECT_TRUE(a.IsEnabled(file));
        EXPECT_TRUE(a.IsEnabled(browse));
        EXPECT_DOUBLE_EQ(templ.m_dEndMass, 400.0);

        ASSERT_TRUE(a.Click(d, IDC_SV_USE_TUNE_PAGE_CE));
        EXPECT_TRUE(a.IsEnabled(energy));
        ASSERT_TRUE(a.Click(d, IDC_SV_USE_TUNE_PAGE_CE));
        EXPECT_FALSE(a.IsEnabled(energy));
        ASSERT_TRUE(a.Click(d, IDC_SV_USE_OWN_FILE));
        EXPECT_FALSE(a.IsEnabled(file));
        EXPECT_FALSE(a.IsEnabled(browse));

        a.ReplaceText(d, IDC_SV_TEMPLATE_START_MASS, "450.5");
        a.Click(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(templ.m_dStartMass, 450.5);
    EXPECT_DOUBLE_EQ(templ.m_dEndMass, 550.5);
    EXPECT_EQ(templ.m_bUseOwnInstParamFile, FALSE);
    EXPECT_EQ(templ.m_bUseTunePageCE, FALSE);
}

TEST_F(SurveyPagesTest, TemplatePageBrowsesForItsParameterFile)
{
    templ.m_bUseOwnInstParamFile = TRUE;
    templ.m_strInstParamFile = "C:\\old.ipr";
    Run(kTemplate, [&](CWnd& d, Automation& a) {
        a.CancelFileDialog();
        a.Click(d, IDC_SV_PARAMETER_BROWSE);
        EXPECT_EQ(a.Text(d, IDC_SV_PARAMETER_FILE), "C:\\old.ipr");
        a.ReplaceText(d, IDC_SV_TEMPLATE_START_MASS, "321");
        a.ChooseFile("/data/methods/msms.ipr");
        a.Click(d, IDC_SV_PARAMETER_BROWSE);
        EXPECT_EQ(a.Text(d, IDC_SV_PARAMETER_FILE), "/data/methods/msms.ipr");
        EXPECT_EQ(a.Text(d, IDC_SV_TEMPLATE_START_MASS), "321"); // typed before the browse, kept
        a.Click(d, IDOK);
    });
    ASSERT_EQ(automation->FileDialogs().size(), 2u);
    const FileDialogRecord& dialog = automation->FileDialogs().back();
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(dialog.filter, CQuadMSMSTemplatePage::kFilter);
    EXPECT_EQ(templ.m_strInstParamFile, "/data/methods/msms.ipr");
}

TEST_F(SurveyPagesTest, LaserPageFillsTheFiringRatesOfTheLaserTypeEachTimeItIsShown)
{
    laser.m_nLaserType = 3;
    laser.m_nLaserFiringRate = 500;
    laser.m_nPlateSpeed = 4;
    Run(kLaser, [&](CWnd& d, Automation& a) {
        HWND rates = a.Find(d, IDC_LASER_FIRING_RATE);
        HWND speeds = a.Find(d, IDC_PLATE_SPEED);
        EXPECT_EQ(a.ComboItems(rates), Strings({"1", "5", "10", "20", "500", "1000"}));
        EXPECT_EQ(a.Text(rates), "500");
        EXPECT_EQ(a.ComboItems(speeds), Strings({"1", "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(a.Text(speeds), "4");

        // The sheet changes the laser type while another page is shown.
        ASSERT_TRUE(a.SelectSheetPage(d.GetSafeHwnd(), kSurvey));
        laser.m_nLaserType = 2;
        laser.m_nLaserFiringRate = 1000; // not offered by type 2
        ASSERT_TRUE(a.SelectSheetPage(d.GetSafeHwnd(), kLaser));
        EXPECT_EQ(a.ComboItems(rates), Strings({"1", "5", "10", "20"}));
        EXPECT_EQ(a.ComboSelection(rates), 0);
        EXPECT_EQ(a.ComboItems(speeds).size(), 8u);

        ASSERT_TRUE(a.SelectSheetPage(d.GetSafeHwnd(), kSurvey));
        laser.m_nLaserType = 4; // unknown: the first type
        ASSERT_TRUE(a.SelectSheetPage(d.GetSafeHwnd(), kLaser));
        EXPECT_EQ(a.ComboItems(rates), Strings({"1", "5", "10"}));
        EXPECT_TRUE(a.ChooseComboItem(rates, "10"));
        EXPECT_TRUE(a.ChooseComboItem(speeds, "8"));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(laser.m_nLaserType, 1u);
    EXPECT_EQ(laser.m_nLaserFiringRate, 10);
    EXPECT_EQ(laser.m_nPlateSpeed, 8);
}

TEST_F(SurveyPagesTest, LaserPageReadsTheCentroidParametersAndBrowsesForAPattern)
{
    laser.SetLaserPatternFilename("/data/patterns/spiral.ptn");
    Run(kLaser, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_SV_PATTERN_FILE), "/data/patterns/spiral.ptn");
        EXPECT_EQ(a.Text(d, IDC_SV_FIRST_DIFF_WIDTH), "2");
        EXPECT_EQ(a.Text(d, IDC_SV_SECOND_DIFF_WIDTH), "2");
        EXPECT_EQ(a.Text(d, IDC_SV_MIN_POINTS), "1");
        EXPECT_EQ(a.Text(d, IDC_SV_MIN_HEIGHT), "1");
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_USE_PEAK_AREA)), BST_CHECKED);
        a.ReplaceText(d, IDC_SV_FIRST_DIFF_WIDTH, "3");
        a.ReplaceText(d, IDC_SV_SECOND_DIFF_WIDTH, "4");
        a.ReplaceText(d, IDC_SV_MIN_POINTS, "5");
        a.ReplaceText(d, IDC_SV_MIN_HEIGHT, "6");
        a.Click(d, IDC_SV_USE_PEAK_AREA);
        a.ChooseFile("/data/patterns/raster.ptn");
        a.Click(d, IDC_SV_PATTERN_BROWSE);
        EXPECT_EQ(a.Text(d, IDC_SV_PATTERN_FILE), "/data/patterns/raster.ptn");
        a.Click(d, IDOK);
    });
    ASSERT_EQ(automation->FileDialogs().size(), 1u);
    EXPECT_EQ(automation->FileDialogs()[0].filter, "Pattern File(*.ptn) | *.ptn||");
    EXPECT_EQ(automation->FileDialogs()[0].initialFolder, ".");
    EXPECT_EQ(laser.GetLaserPatternFilename(), "/data/patterns/raster.ptn");
    EXPECT_EQ(laser.m_nFirstDiffWidth, 3);
    EXPECT_EQ(laser.m_nSecondDiffWidth, 4);
    EXPECT_EQ(laser.m_nMinPointsInPeak, 5);
    EXPECT_EQ(laser.m_nMinPeakHeight, 6);
    EXPECT_EQ(laser.m_bUsePeakArea, FALSE);
}

TEST_F(SurveyPagesTest, LaserPageKeepsTheFixedPatternOfTheMaldiEsiModel)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    laser.SetLaserPatternFilename("/data/patterns/spiral.ptn");
    EXPECT_EQ(laser.GetLaserPatternFilename(), MaldiPatternFile::DefaultName());
    Run(kLaser, [&](CWnd& d, Automation& a) {
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SV_PATTERN_FILE)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SV_PATTERN_BROWSE)));
        EXPECT_FALSE(a.Click(d, IDC_SV_PATTERN_BROWSE));
        a.Click(d, IDOK);
    });
    EXPECT_TRUE(automation->FileDialogs().empty());
    EXPECT_EQ(laser.GetLaserPatternFilename(), MaldiPatternFile::DefaultName());
}
