// The MS/MS switch scenario: the host sets up the five pages of the switch sheet from its records,
// with a mass switch list and a collision energy profile on disk; the operator adds a precursor
// mass, edits a profile range, chooses manual modes, tries OK with the lists unsaved, answers No,
// saves both, then OK; the host reads the five records back and the two files are shown as written.
#include "sim/SimStories.h"

#include <fstream>

#include "maldi/experiments/CMaldiCERangeDialog.h"
#include "maldi/experiments/CMaldiMSMSSwitchPropertySheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "platform/instrument/VEXPropertyTable.h"

using namespace maldi::res;

namespace {

int Id(UINT id) { return static_cast<int>(id); }
using ListPage = CQuadFSBasePropPage;

void PrintRecords(SimSession& s, const std::string& verb, const MaldiMSMSSwitchMassInfo& m,
                  const MaldiMSMSSwitchTemplateInfo& t, const MaldiMSMSSwitchScanConditionsInfo& c,
                  const MaldiMSMSSwitchLMInfo& l, const MaldiMSMSSwitchCEInfo& e)
{
    SimRecord(s, verb + " MaldiMSMSSwitchMassInfo:")("bUseSingleMass", m.bUseSingleMass)("dSingleMass", m.dSingleMass)(
        "bUseSampleListEntries", m.bUseSampleListEntries)("bUseSampleListFile", m.bUseSampleListFile)(
        "bUseListBelow", m.bUseListBelow)("strMassListFile", m.strMassListFile);
    SimRecord(s, verb + " MaldiMSMSSwitchTemplateInfo:")("dStartMassInEffect", t.dStartMassInEffect)(
        "dSetMassOffsetInEffect", t.dSetMassOffsetInEffect)("nMaxDurationInEffect", t.nMaxDurationInEffect)(
        "dStartMass", t.dStartMass)("dSetMassOffset", t.dSetMassOffset)("nMaxDuration", t.nMaxDuration)(
        "dReserved", t.dReserved)("dIntensityThreshold", t.dIntensityThreshold)("dTopPercentage", t.dTopPercentage)(
        "dCompleteAfterTime", t.dCompleteAfterTime)("bUseCompleteAfter", t.bUseCompleteAfter)(
        "bUseNotConsiderTop", t.bUseNotConsiderTop)("bAutoMassRange", t.bAutoMassRange)(
        "bAutoAcquisitionTime", t.bAutoAcquisitionTime)(
        "bConservePusherFrequencyInEffect", t.bConservePusherFrequencyInEffect)(
        "bConservePusherFrequency", t.bConservePusherFrequency);
    SimRecord(s, verb + " MaldiMSMSSwitchScanConditionsInfo:")("dScanTimeInEffect", c.dScanTimeInEffect)(
        "dInterScanDelayInEffect", c.dInterScanDelayInEffect)("dScanTime", c.dScanTime)(
        "dInterScanDelay", c.dInterScanDelay)("nMCAScansInEffect", c.nMCAScansInEffect)(
        "strDataFormatInEffect", c.strDataFormatInEffect)("strIonModeInEffect", c.strIonModeInEffect)(
        "nMCAScans", c.nMCAScans)("strDataFormat", c.strDataFormat)("strIonMode", c.strIonMode)(
        "nLaserFiringRateInEffect", c.nLaserFiringRateInEffect)("nPlateSpeedInEffect", c.nPlateSpeedInEffect)(
        "nLaserTypeInEffect", c.nLaserTypeInEffect)("strPatternFileInEffect", c.strPatternFileInEffect)(
        "nLaserFiringRate", c.nLaserFiringRate)("nPlateSpeed", c.nPlateSpeed)("nLaserType", c.nLaserType)(
        "strPatternFile", c.strPatternFile)("bAutoScanRate", c.bAutoScanRate)(
        "bAutoScanConditions", c.bAutoScanConditions)("bTunePageMaldiSettings", c.bTunePageMaldiSettings);
    SimRecord(s, verb + " MaldiMSMSSwitchLMInfo:")("bUseLockMass", l.bUseLockMass)("dLockMass", l.dLockMass)(
        "dIntensityThreshold", l.dIntensityThreshold)("dTopPercentage", l.dTopPercentage)(
        "dCompleteAfterTime", l.dCompleteAfterTime)("bUseNotConsiderTop", l.bUseNotConsiderTop)(
        "bUseCompleteAfter", l.bUseCompleteAfter)("bTunePageCollisionEnergy", l.bTunePageCollisionEnergy)(
        "dCollisionEnergyInEffect", l.dCollisionEnergyInEffect)("dFixedCollisionEnergy", l.dFixedCollisionEnergy);
    SimRecord(s, verb + " MaldiMSMSSwitchCEInfo:")("bUseTunePageCE", e.bUseTunePageCE)("bUseFixedCE", e.bUseFixedCE)(
        "bUseCEProfile", e.bUseCEProfile)("dFixedCE", e.dFixedCE)("strProfileFile", e.strProfileFile);
}

std::string WriteText(const std::string& path, const char* text)
{
    std::ofstream(path) << text;
    return path;
}

} // namespace

void MsMsSwitchScenario(SimSession& s)
{
    s.Say("a MALDI instrument; the host sets up its MS/MS switch experiment with a mass list and a profile on disk");
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const std::string folder = OutputFolder(s, "switch");
    const std::string masses = WriteText(folder + "/masses.txt", "1046.542000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n"
                                                                 "1296.685000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n");
    const std::string profile = WriteText(folder + "/profile.txt", "100,1000,-1,-1,25,-1,-1,-1,-1,1\n"
                                                                   "1000,3000,-1,-1,45,-1,-1,-1,-1,1\n");
    const std::string raster = WriteRasterPattern(s);
    CMaldiMSMSSwitchPropertySheet sheet("MS/MS Switch", nullptr, 0);
    sheet.SetUpPages();

    MaldiMSMSSwitchMassInfo mass{FALSE, 50.0, FALSE, FALSE, TRUE, masses.c_str()};
    MaldiMSMSSwitchTemplateInfo templ;
    templ.dReserved = 1.0;
    MaldiMSMSSwitchScanConditionsInfo scan;
    scan.nLaserType = scan.nLaserTypeInEffect = 3;
    scan.nLaserFiringRate = scan.nLaserFiringRateInEffect = 500;
    scan.bTunePageMaldiSettings = FALSE;
    scan.strPatternFile = raster.c_str();
    scan.strPatternFileInEffect = raster.c_str();
    MaldiMSMSSwitchLMInfo lockMass;
    MaldiMSMSSwitchCEInfo energy{FALSE, FALSE, TRUE, 77.0, profile.c_str()};
    PrintRecords(s, "sets", mass, templ, scan, lockMass, energy);
    Expect(sheet.SetupSwitchMassPage(&mass) == 1 && sheet.SetupMSMSTemplatePage(&templ) == 1 &&
               sheet.SetupScanConditionsPage(&scan) == 1 && sheet.SetupLockMassPage(&lockMass) == 1 &&
               sheet.SetupCollisionEnergyPage(&energy) == 1,
           "a switch page refused its set-up");

    INT_PTR result = RunModal(s, sheet, "MS/MS Switch", [&](HWND d) {
        s.Ui().OnNextModal([&](CWnd& dialog, Automation&) {
            HWND m = dialog.GetSafeHwnd();
            s.Operator().Type(m, Id(IDC_SM_SET_MASS), "2093.087", "\"Set Mass\"");
            s.Operator().Click(m, IDOK, "\"OK\" of the set-mass dialog");
        }, "Set Mass");
        s.Operator().Click(d, ListPage::IDC_ADD, "\"Add...\" for a third precursor mass");
        s.Screenshot(d, "msms-mass");

        s.Operator().SelectPage(d, 1);
        s.Operator().Click(d, Id(IDC_SW_MANUAL_MASS_RANGE), "\"Manual Mass Range\"");
        s.Operator().Type(d, Id(IDC_SW_START_MASS), "100", "\"Start Mass\"");
        s.Operator().Click(d, Id(IDC_SW_MANUAL_ACQ_TIME), "\"Manual Acquisition Time\"");
        s.Operator().Type(d, Id(IDC_SW_MAX_DURATION), "30", "\"Maximum Duration\"");
        s.Screenshot(d, "template");

        s.Operator().SelectPage(d, 2);
        s.Operator().Click(d, Id(IDC_SC_MANUAL_SCAN_RATE), "\"Manual Scan Rate\"");
        s.Operator().Type(d, Id(IDC_SC_SCAN_TIME), "2.5", "\"Scan Time\"");
        s.Operator().Choose(d, Id(IDC_LASER_FIRING_RATE), "1000", "\"Laser Rep Rate\"");
        s.Screenshot(d, "scan-conditions");

        s.Operator().SelectPage(d, 3);
        s.Operator().Click(d, Id(IDC_LM_USE_LOCK_MASS), "\"Use Lock Mass\"");
        s.Operator().Click(d, Id(IDC_LM_FIXED_CE), "\"Use Fixed Collision Energy\"");
        s.Operator().Type(d, Id(IDC_LM_FIXED_ENERGY), "60", "the lock mass energy");
        s.Screenshot(d, "lock-mass");

        s.Operator().SelectPage(d, 4);
        s.Ui().OnNextModal([&](CWnd& dialog, Automation&) {
            HWND r = dialog.GetSafeHwnd();
            s.Operator().Type(r, kCERangeEdits[0], "50", "\"CE 1\"");
            s.Operator().Click(r, IDOK, "\"OK\" of the range dialog");
        });
        s.Transcript().Add("oper", "double-clicks the second profile range to edit it");
        s.Ui().DoubleClickListItem(s.Ui().Find(d, ListPage::IDC_FILE_LIST), 1);
        s.Screenshot(d, "collision-energy");

        s.Operator().AnswerOnce("Continue without saving ?", IDNO, "unsaved-lists");
        s.Operator().Click(d, IDOK, "\"OK\" with both lists unsaved");
        Expect(s.Ui().IsVisible(d), "the sheet closed although the operator answered No");
        s.Operator().Click(d, ListPage::IDC_SAVE, "\"Save\" of the profile");
        s.Operator().SelectPage(d, 0);
        s.Operator().Click(d, ListPage::IDC_SAVE, "\"Save\" of the mass list");
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    Expect(result == IDOK, "the MS/MS switch sheet did not end with OK");

    Expect(sheet.GetSwitchMassPage(&mass) == 1 && sheet.GetMSMSTemplatePage(&templ) == 1 &&
               sheet.GetScanConditionsPage(&scan) == 1 && sheet.GetLockMassPage(&lockMass) == 1 &&
               sheet.GetCollisionEnergyPage(&energy) == 1,
           "a switch page refused to be read");
    PrintRecords(s, "reads back", mass, templ, scan, lockMass, energy);
    PrintFile(s, masses);
    PrintFile(s, profile);
}
