// The survey sheet as the host uses it: pages set up once, records in, a modal run, records out.

#include <functional>
#include <tuple>

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/experiments/CMaldiSurveyPropertySheet.h"
#include "tests/maldi/MaldiHostTest.h"
#include "tests/support/VirtualSlot.h"

using namespace maldi::res;

namespace {

constexpr int kTemplateTab = 3;
constexpr int kLaserTab = 6;

struct SurveyValues {
    double start = 0, end = 0, monStart = 0, monEnd = 0, monThreshold = 0, swStart = 0, swEnd = 0, swThreshold = 0;
    int startTime = 0, endTime = 0;
    double scanTime = 0, delay = 0;
    int lockMassTime = 0, useLockMass = 0;
    UINT options = 0;
    CString ionMode, dataFormat, file;
    bool operator==(const SurveyValues&) const = default;
};

char SetupSurvey(CMaldiSurveyPropertySheet& s, const SurveyValues& v)
{
    return s.SetupSurveyPage(v.start, v.end, v.monStart, v.monEnd, v.monThreshold, v.swStart, v.swEnd, v.swThreshold,
                             v.startTime, v.endTime, v.scanTime, v.delay, v.lockMassTime, v.useLockMass, v.options,
                             v.ionMode, v.dataFormat, v.file);
}

char GetSurvey(CMaldiSurveyPropertySheet& s, SurveyValues& v)
{
    return s.GetSurveyPage(v.start, v.end, v.monStart, v.monEnd, v.monThreshold, v.swStart, v.swEnd, v.swThreshold,
                           v.startTime, v.endTime, v.scanTime, v.delay, v.lockMassTime, v.useLockMass, v.options,
                           v.ionMode, v.dataFormat, v.file);
}

const SurveyValues kSurvey{200, 2000, 150, 1500, 11, 250, 2500, 12, 7, 60, 2.5, 0.05, 10, 1, 0x5A, "LDI-", "MCA",
                           "/data/survey.ipr"};

class SurveySheetTest : public MaldiHostTest {
protected:
    INT_PTR Run(int first, Automation::ModalScript script)
    {
        return RunSheet(sheet, first, "Survey", std::move(script));
    }
    CMaldiSurveyPropertySheet sheet{"Survey", &host, 0};
};

} // namespace

TEST_F(SurveySheetTest, EveryTransferRefusesBeforeThePagesExistOrWithoutARecord)
{
    MStoMSMSInfo toMsms;
    toMsms.nPeaksToSwitchOn = 77;
    MSMStoMSInfo toMs;
    toMs.dMonitorWindow = 9.5;
    MSMSTemplateInfo templ;
    templ.dStartMass = 123;
    MaldiLaserInfo laser;
    laser.nPlateSpeed = 6;
    CString first = "a", second = "b";
    SurveyValues values = kSurvey;

    const std::vector<std::pair<const char*, std::function<char(bool)>>> transfers = {
        {"SetupSurveyPage", [&](bool) { return SetupSurvey(sheet, values); }},
        {"GetSurveyPage", [&](bool) { return GetSurvey(sheet, values); }},
        {"SetupMSToMSMSPage", [&](bool null) { return sheet.SetupMSToMSMSPage(null ? nullptr : &toMsms); }},
        {"GetMSToMSMSPage", [&](bool null) { return sheet.GetMSToMSMSPage(null ? nullptr : &toMsms); }},
        {"SetupMSMSToMSPage", [&](bool null) { return sheet.SetupMSMSToMSPage(null ? nullptr : &toMs); }},
        {"GetMSMSToMSPage", [&](bool null) { return sheet.GetMSMSToMSPage(null ? nullptr : &toMs); }},
        {"SetupTemplatePage", [&](bool null) { return sheet.SetupTemplatePage(null ? nullptr : &templ, "x", "y"); }},
        {"GetTemplatePage", [&](bool null) { return sheet.GetTemplatePage(null ? nullptr : &templ, first, second); }},
        {"SetupLaserPage", [&](bool null) { return sheet.SetupLaserPage(null ? nullptr : &laser); }},
        {"GetLaserPage", [&](bool null) { return sheet.GetLaserPage(null ? nullptr : &laser); }},
    };
    for (const auto& [name, transfer] : transfers) EXPECT_EQ(transfer(false), 0) << name << " before SetUpPages";
    EXPECT_EQ(values, kSurvey);
    EXPECT_EQ(toMsms.nPeaksToSwitchOn, 77);
    EXPECT_DOUBLE_EQ(toMs.dMonitorWindow, 9.5);
    EXPECT_DOUBLE_EQ(templ.dStartMass, 123.0);
    EXPECT_EQ(first, "a");
    EXPECT_EQ(laser.nPlateSpeed, 6);

    sheet.SetUpPages();
    sheet.SetUpPages();
    ASSERT_EQ(sheet.GetPageCount(), 9);
    EXPECT_NE(dynamic_cast<CMaldiSurveyLaserPage*>(sheet.GetPage(6)), nullptr) << "a second set-up left the old laser page in";
    for (const auto& [name, transfer] : transfers) {
        if (CString(name).Find("SurveyPage") >= 0) continue; // no record to be null
        EXPECT_EQ(transfer(true), 0) << name << " with a null record";
    }
    EXPECT_EQ(first, "a");
    for (const auto& [name, transfer] : transfers) EXPECT_EQ(transfer(false), 1) << name << " after SetUpPages";
}

#ifdef MALDI_HAS_VIRTUAL_SLOT
TEST(SurveySheetSlots, OKHasTheSlotAfterGetMSMSToMSPageAndTheLaserTransfersFollow)
{
    using S = CMaldiSurveyPropertySheet;
    const auto ok = SlotOf(&S::OnOK);
    EXPECT_EQ(ok, SlotOf(&S::GetMSMSToMSPage) + 1);
    EXPECT_EQ(SlotOf(&S::SetupLaserPage), ok + 1);
    EXPECT_EQ(SlotOf(&S::GetLaserPage), ok + 2);
}
#endif

TEST_F(SurveySheetTest, SurveyValuesComeBackWithTheTimesTheBookkeepingLeft)
{
    sheet.SetUpPages();
    ASSERT_EQ(SetupSurvey(sheet, kSurvey), 1);
    // Never shown: exactly what was set.
    SurveyValues out;
    ASSERT_EQ(GetSurvey(sheet, out), 1);
    EXPECT_EQ(out, kSurvey);

    EXPECT_EQ(Run(0, [&](CWnd& d, Automation& a) {
                  EXPECT_EQ(a.Text(d, IDC_SV_SAMPLE_TIME), "50");
                  a.Click(d, IDOK);
              }),
              IDOK);
    ASSERT_EQ(GetSurvey(sheet, out), 1);
    SurveyValues expected = kSurvey;
    expected.startTime = 10; // the lock-mass time: the sample phase follows it
    EXPECT_EQ(out, expected);
}

TEST_F(SurveySheetTest, SwitchCriteriaTravelWithTheFieldsOfThePagesAndTheBase)
{
    sheet.SetUpPages();
    MStoMSMSInfo toMsms;
    toMsms.dTICSumThreshold = 800;
    toMsms.nPeaksToSwitchOn = 12;
    toMsms.dRetentionTimeWindow = 45;
    toMsms.bEverything = FALSE;
    toMsms.bIncludedMassesPriority = TRUE;
    MSMStoMSInfo toMs;
    toMs.dIntensityThreshold = 3000;
    toMs.dMonitorWindow = 8;
    toMs.dSwitchBackTime = 4;
    toMs.bAfterTime = FALSE;
    toMs.bMonitorWindow = TRUE;
    ASSERT_EQ(sheet.SetupMSToMSMSPage(&toMsms), 1);
    ASSERT_EQ(sheet.SetupMSMSToMSPage(&toMs), 1);
    Run(1, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_SV_PEAKS_TO_SWITCH_ON), "12");
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_INCLUDED_PRIORITY)), BST_CHECKED);
        a.ReplaceText(d, IDC_SV_PEAKS_TO_SWITCH_ON, "15");
        ASSERT_TRUE(a.SelectSheetPage(d.GetSafeHwnd(), 2));
        EXPECT_EQ(a.Text(d, IDC_SV_MONITOR_WINDOW), "8");
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_USE_MONITOR_WINDOW)), BST_CHECKED) << "the host's flag reaches the page";
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SV_AFTER_TIME)), BST_UNCHECKED);
        a.Click(d, IDOK);
    });
    MStoMSMSInfo outMsms;
    MSMStoMSInfo outMs;
    ASSERT_EQ(sheet.GetMSToMSMSPage(&outMsms), 1);
    ASSERT_EQ(sheet.GetMSMSToMSPage(&outMs), 1);
    EXPECT_EQ(std::tie(outMsms.nPeaksToSwitchOn, outMsms.dTICSumThreshold, outMsms.dRetentionTimeWindow,
                       outMsms.bEverything, outMsms.bIncludedMassesPriority),
              std::make_tuple(15, 800.0, 45.0, FALSE, TRUE));
    EXPECT_EQ(std::tie(outMs.dMonitorWindow, outMs.bMonitorWindow, outMs.bAfterTime, outMs.dIntensityThreshold,
                       outMs.dSwitchBackTime),
              std::make_tuple(8.0, TRUE, FALSE, 3000.0, 4.0));
}

TEST_F(SurveySheetTest, TemplateEndMassIsAHundredAboveTheStartAndTheLibraryFieldsAreLeftAlone)
{
    sheet.SetUpPages();
    MSMSTemplateInfo in;
    in.dStartMass = 300;
    in.dEndMass = 999;
    in.dSetMassOffset = 40;
    in.dCarried = 1.25;
    in.nCarriedFirst = 3;
    in.nCarriedSecond = 4;
    in.dCollisionEnergy = 45;
    in.bUseTunePageCE = TRUE;
    in.bCERamp = TRUE;
    in.dCERampLow = 11;
    ASSERT_EQ(sheet.SetupTemplatePage(&in, "first", "second"), 1);

    MSMSTemplateInfo out;
    out.bCERamp = FALSE;
    out.dCERampLow = 77;
    out.dCERampHigh = 88;
    CString first, second;
    ASSERT_EQ(sheet.GetTemplatePage(&out, first, second), 1);
    EXPECT_EQ(std::tie(out.dEndMass, out.dSetMassOffset, out.dCarried, out.nCarriedFirst, out.nCarriedSecond,
                       out.dCollisionEnergy, out.bUseTunePageCE),
              std::make_tuple(400.0, 40.0, 1.25, 3, 4, 45.0, TRUE));
    EXPECT_EQ(first, "first");
    EXPECT_EQ(second, "second");
    // Not this sheet's to read or write.
    EXPECT_EQ(std::tie(out.bCERamp, out.dCERampLow, out.dCERampHigh), std::make_tuple(FALSE, 77.0, 88.0));
}

TEST_F(SurveySheetTest, OKGivesTheTemplateTheSurveyParameterFileUnlessItUsesItsOwn)
{
    struct Case {
        BOOL useOwn;
        bool ok;
        const char* expected;
    };
    for (const Case& c : {Case{FALSE, true, "/data/survey.ipr"}, Case{TRUE, true, "/data/own.ipr"},
                          Case{FALSE, false, "/data/own.ipr"}}) {
        CMaldiSurveyPropertySheet s("Survey", &host, 0);
        s.SetUpPages();
        SetupSurvey(s, kSurvey);
        MSMSTemplateInfo in;
        in.bUseOwnInstParamFile = c.useOwn;
        in.strInstParamFile = "/data/own.ipr";
        s.SetupTemplatePage(&in, "", "");
        s.SetActivePage(kTemplateTab); // the page shown at OK reads its controls last
        automation->OnNextModal([&](CWnd& d, Automation& a) { a.Click(d, c.ok ? IDOK : IDCANCEL); }, "Survey");
        s.DoModal();
        MSMSTemplateInfo out;
        CString first, second;
        ASSERT_EQ(s.GetTemplatePage(&out, first, second), 1);
        EXPECT_EQ(out.strInstParamFile, c.expected) << "own file " << c.useOwn << ", ok " << c.ok;
    }
}

TEST_F(SurveySheetTest, OKStaysOpenWhileAFieldOfThePageShownDoesNotRead)
{
    sheet.SetUpPages();
    INT_PTR result = Run(kTemplateTab, [&](CWnd& d, Automation& a) {
        a.Click(d, IDC_SV_USE_TUNE_PAGE_CE);
        a.ReplaceText(d, IDC_SV_COLLISION_ENERGY, "250");
        a.AnswerMessageBox(IDOK, "Please enter a number between 0 and 200.");
        a.Click(d, IDOK);
        EXPECT_EQ(a.MessageBoxes().size(), 1u); // one prompt, not one per reader
        a.ReplaceText(d, IDC_SV_COLLISION_ENERGY, "150");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    MSMSTemplateInfo out;
    CString first, second;
    sheet.GetTemplatePage(&out, first, second);
    EXPECT_DOUBLE_EQ(out.dCollisionEnergy, 150.0);
}

TEST_F(SurveySheetTest, LaserSettingsTravelWholeAndTheMaldiEsiModelKeepsItsPattern)
{
    for (bool maldiEsi : {false, true}) {
        VEXPropertyTable::Instance().SetMaldiEsiModel(maldiEsi);
        CMaldiSurveyPropertySheet s("Survey", &host, 0);
        s.SetUpPages();
        MaldiLaserInfo in{3, 500, 4, "/data/patterns/spiral.ptn", 3, 4, 5, 6, FALSE};
        ASSERT_EQ(s.SetupLaserPage(&in), 1);
        s.SetActivePage(kLaserTab);
        automation->OnNextModal(
            [&](CWnd& d, Automation& a) {
                EXPECT_EQ(a.Text(d, IDC_LASER_FIRING_RATE), "500");
                a.Click(d, IDOK);
            },
            "Survey");
        s.DoModal();
        MaldiLaserInfo out{};
        ASSERT_EQ(s.GetLaserPage(&out), 1);
        EXPECT_EQ(std::tie(out.nLaserType, out.nLaserFiringRate, out.nPlateSpeed, out.nFirstDiffWidth,
                           out.nSecondDiffWidth, out.nMinPointsInPeak, out.nMinPeakHeight, out.bUsePeakArea),
                  std::make_tuple(3u, 500, 4, 3, 4, 5, 6, FALSE));
        EXPECT_EQ(out.strLaserPatternFilename,
                  maldiEsi ? MaldiPatternFile::DefaultName() : CString("/data/patterns/spiral.ptn"));
    }
}
