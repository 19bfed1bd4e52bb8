// The table of windows a session can open. Sections:
//   1. Tool windows (made, shown, operated while the host calls their operations, destroyed)
//   2. Modal dialogs (values set by the host, run modally, read back)
//   3. Property sheets
//   4. The table
#include "fuzz/session/UiWindowFactories.h"

#include "fuzz/session/UiSessionPlayer.h"
#include "maldi/dialogs/CMaldiESISettingsDialog.h"
#include "maldi/dialogs/CMaldiMSAcqFunctionSetupDialog.h"
#include "maldi/dialogs/CMaldiMSMSAcqFunctionSetupDialog.h"
#include "maldi/dialogs/CMaldiSettingsDialog.h"
#include "maldi/experiments/CMaldiMSMSSwitchPropertySheet.h"
#include "maldi/experiments/CMaldiSurveyPropertySheet.h"
#include "maldi/panels/CESIProbeControlDlg.h"
#include "maldi/panels/CMaldiAcquireControlDlg.h"
#include "maldi/panels/CMaldiCrossAcquireControlDlg.h"
#include "maldi/panels/CMaldiProbeSwapControlDlg.h"
#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/plate/CPatternEditorDlg.h"
#include "maldi/plate/CPlateCalibrationSetupDialog.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/tuning/PolarityDependentInstParam.h"

namespace {

using Ops = UiSessionPlayer::HostOperations;
using In = UiSessionInput;

// --- 1. Tool windows --------------------------------------------------------------------------------

// The host's way with a tool window: Create, then DisplayWindow; a window that cannot be made ends
// the session.
bool Start(UiSessionPlayer& p, BOOL created, CWnd& window)
{
    if (!created || !::IsWindow(window.m_hWnd)) {
        p.Say("the window could not be created");
        return false;
    }
    return true;
}

template <class Panel>
Ops AcquisitionOperations(Panel& dlg)
{
    return {
        {"DisplayWindow", [&](In&) { dlg.DisplayWindow(); }},
        {"StopAcquisition", [&](In&) { dlg.StopAcquisition(); }},
        {"PauseAcquisition", [&](In&) { dlg.PauseAcquisition(); }},
        {"ContinueAcquisition", [&](In&) { dlg.ContinueAcquisition(); }},
        {"SetButtonStates", [&](In&) { dlg.SetButtonStates(); }},
        {"PauseButtonsDisable", [&](In&) { dlg.PauseButtonsDisable(); }},
        {"UpdateProgressIndicator",
         [&](In& in) { dlg.UpdateProgressIndicator(in.Integer(), in.Integer(), in.Integer(), in.Integer()); }},
        {"SetPlateSpeed", [&](In& in) { dlg.SetPlateSpeed(in.Integer()); }},
        {"InitialiseDialog", [&](In& in) { dlg.InitialiseDialog(in.Number()); }},
    };
}

template <class Panel>
void PlayAcquisitionPanel(UiSessionPlayer& p, Panel& dlg, Ops operations)
{
    dlg.CreateUI(p.Icon(), PolarityDependentInstParam{"CE_POS", "CE_NEG"}, "CE", "V", "%.1f");
    if (!Start(p, dlg.Create(), dlg)) return;
    dlg.DisplayWindow();
    p.OperateToolWindow(dlg, operations);
}

void PlayAcquire(UiSessionPlayer& p)
{
    CMaldiAcquireControlDlg dlg(p.Host(), p.Monitor());
    PlayAcquisitionPanel(p, dlg, AcquisitionOperations(dlg));
}

void PlayCrosshair(UiSessionPlayer& p)
{
    CMaldiCrossAcquireControlDlg dlg(p.Host(), p.Monitor());
    Ops operations = AcquisitionOperations(dlg);
    operations.push_back({"ClearTrackerSpots", [&](In&) { dlg.ClearTrackerSpots(); }});
    operations.push_back({"SetCentre", [&](In&) { dlg.SetCentre(); }});
    PlayAcquisitionPanel(p, dlg, operations);
}

void PlaySourceSwap(UiSessionPlayer& p)
{
    CMaldiProbeSwapControlDlg dlg(p.Host(), p.Control());
    dlg.CreateUI(p.Icon());
    if (!Start(p, dlg.Create(), dlg)) return;
    dlg.SetSourceTemperature();
    dlg.DisplayWindow();
    p.OperateToolWindow(dlg, {{"DisplayWindow", [&](In&) { dlg.DisplayWindow(); }},
                              {"SetSourceTemperature", [&](In&) { dlg.SetSourceTemperature(); }}});
}

void PlayEsiProbe(UiSessionPlayer& p)
{
    CESIProbeControlDlg dlg(p.Control(), p.Host());
    dlg.CreateUI(p.Icon());
    if (!Start(p, dlg.Create(), dlg)) return;
    dlg.SetInitialProbePosition(p.Input().Integer(), 0);
    dlg.SetStepSize(p.Input().Integer());
    dlg.DisplayWindow();
    p.OperateToolWindow(dlg, {
        {"DisplayWindow", [&](In&) { dlg.DisplayWindow(); }},
        {"SetInitialProbePosition", [&](In& in) { dlg.SetInitialProbePosition(in.Integer(), in.Integer()); }},
        {"SetStepSize", [&](In& in) { dlg.SetStepSize(in.Integer()); }},
    });
}

void PlayCalibration(UiSessionPlayer& p)
{
    CPlateCalibrationSetupDialog dlg(p.Host());
    dlg.CreateUI(p.Icon());
    In& in = p.Input();
    dlg.m_nSearchWindow = static_cast<int>(in.Range(-1, 12));
    dlg.m_fSearchStep = static_cast<float>(in.Range(-1, 40)) / 40.0f;
    dlg.m_nDelayPerRow = static_cast<int>(in.Range(-1, 600));
    if (!Start(p, dlg.Create(), dlg)) return;
    dlg.DisplayWindow();
    p.OperateToolWindow(dlg, {
        {"DisplayWindow", [&](In&) { dlg.DisplayWindow(); }},
        {"Initialise", [&](In& in) { dlg.Initialise(in.Flag()); }},
        {"Calibrating", [&](In& in) { dlg.Calibrating(in.Flag()); }},
        {"SetStatus", [&](In& in) { dlg.SetStatus(static_cast<int>(in.Range(-1, 5))); }},
        {"SetStatusText", [&](In& in) { dlg.SetStatusText(in.Text(80).c_str()); }},
        {"UpdateCalibrationDlg",
         [&](In& in) {
             dlg.UpdateCalibrationDlg(static_cast<int>(in.Range(0, 3)), in.Integer(), in.Integer(), in.Number(), in.Number());
         }},
        {"DestroyDlgWindow", [&](In&) { dlg.DestroyDlgWindow(); }},
    });
}

// --- 2. Modal dialogs -------------------------------------------------------------------------------

// The instrument model the dialogs adapt to: MALDI/ESI, or MALDI only.
void ChooseModel(UiSessionPlayer& p)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(p.Input().Flag());
}

CString PatternName(UiSessionPlayer& p)
{
    return p.Input().Flag() ? CString(p.SomeFile(".ptn").c_str()) : CString(p.Input().Text(40).c_str());
}

template <class Dialog>
void SetLaser(UiSessionPlayer& p, Dialog& dlg)
{
    In& in = p.Input();
    dlg.SetLaserType(static_cast<UINT>(in.Integer()));
    dlg.SetLaserFiringRate(static_cast<UINT>(in.Integer()));
    dlg.SetPlateSpeed(static_cast<UINT>(in.Integer()));
}

void PlayMSFunction(UiSessionPlayer& p)
{
    ChooseModel(p);
    CMaldiMSAcqFunctionSetupDialog dlg(p.Owner());
    In& in = p.Input();
    SetLaser(p, dlg);
    dlg.SetIntStartTime(in.Integer());
    dlg.SetIntEndTime(in.Integer());
    dlg.SetLockMassTime(in.Integer());
    dlg.SetUseLockMass(in.Integer());
    dlg.SetLaserPatternFilename(PatternName(p));
    p.RunModal(dlg, {});
    p.Say("host reads the pattern \"" + dlg.GetLaserPatternFilename().ToUtf8() + "\", speed " +
          std::to_string(dlg.GetPlateSpeed()));
}

void PlayMSMSFunction(UiSessionPlayer& p)
{
    ChooseModel(p);
    CMaldiMSMSAcqFunctionSetupDialog dlg(p.Owner());
    In& in = p.Input();
    SetLaser(p, dlg);
    dlg.SetStartTime(in.Integer());
    dlg.SetEndTime(in.Integer());
    dlg.SetLockMassTime(in.Integer());
    dlg.SetUseLockMass(in.Integer());
    dlg.SetLaserPatternFilename(PatternName(p));
    p.RunModal(dlg, {});
}

void PlayESISettings(UiSessionPlayer& p)
{
    ChooseModel(p);
    CMaldiESISettingsDialog dlg(p.Control(), p.Owner());
    SetLaser(p, dlg);
    dlg.SetPatternFilename(PatternName(p));
    p.RunModal(dlg, {});
}

void PlaySettings(UiSessionPlayer& p)
{
    ChooseModel(p);
    CMaldiSettingsDialog dlg(p.Control(), p.Owner());
    SetLaser(p, dlg);
    dlg.SetProbeMotionType(static_cast<UINT>(p.Input().Integer()));
    dlg.SetPatternFilename(PatternName(p));
    p.RunModal(dlg, {});
}

void PlayPatternEditor(UiSessionPlayer& p)
{
    CPatternEditorDlg dlg(p.Owner());
    dlg.CreateUI(p.Icon());
    p.RunModal(dlg, {});
}

// --- 3. Property sheets -----------------------------------------------------------------------------

void PlayPlateSheet(UiSessionPlayer& p)
{
    ChooseModel(p);
    In& in = p.Input();
    std::string path;
    switch (in.Byte() % 4) {
    case 0: path = p.SomeFile(".mtp"); break;
    case 1: path = p.SomeFolder(); break;                   // a folder
    case 2: path = p.Folder() + "/missing/plate.mtp"; break; // can be neither opened nor created
    default: {
        path = p.Folder() + "/garbage.mtp";
        FILE* f = std::fopen(path.c_str(), "wb");
        if (f) {
            std::string bytes = in.Text(300);
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
    }
    CMaldiProbeSheet sheet(CString(path.c_str()), "Target Plate", p.Owner(), static_cast<UINT>(in.Range(0, 1)));
    p.RunModal(sheet, {});
    p.Say("host reads the plate file \"" + sheet.Plate().ToUtf8() + "\"");
}

void PlaySurveySheet(UiSessionPlayer& p)
{
    ChooseModel(p);
    In& in = p.Input();
    CMaldiSurveyPropertySheet sheet("Survey", p.Owner(), static_cast<UINT>(in.Range(0, 8)));
    sheet.SetUpPages();
    double d[12];
    for (double& v : d) v = in.Number();
    sheet.SetupSurveyPage(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], in.Integer(), in.Integer(), d[8], d[9],
                          in.Integer(), in.Integer(), static_cast<UINT>(in.Integer()), in.Text(8).c_str(),
                          in.Text(8).c_str(), in.Text(30).c_str());
    MStoMSMSInfo toMsms;
    toMsms.dTICSumThreshold = d[10];
    toMsms.nMSMSFunctions = static_cast<UINT>(in.Integer());
    MSMStoMSInfo toMs;
    MSMSTemplateInfo templ;
    MaldiLaserInfo laser;
    laser.nLaserType = static_cast<UINT>(in.Integer());
    laser.nLaserFiringRate = in.Integer();
    laser.strLaserPatternFilename = PatternName(p);
    sheet.SetupMSToMSMSPage(&toMsms);
    sheet.SetupMSMSToMSPage(&toMs);
    sheet.SetupTemplatePage(&templ, in.Text(20).c_str(), in.Text(20).c_str());
    sheet.SetupLaserPage(&laser);
    if (p.RunModal(sheet, {}) == IDOK) {
        CString first, second;
        sheet.GetMSToMSMSPage(&toMsms);
        sheet.GetMSMSToMSPage(&toMs);
        sheet.GetTemplatePage(&templ, first, second);
        sheet.GetLaserPage(&laser);
    }
}

void PlaySwitchSheet(UiSessionPlayer& p)
{
    ChooseModel(p);
    In& in = p.Input();
    CMaldiMSMSSwitchPropertySheet sheet("MS/MS Switch", p.Owner(), static_cast<UINT>(in.Range(0, 4)));
    sheet.SetUpPages();
    MaldiMSMSSwitchMassInfo mass;
    mass.bUseSingleMass = in.Integer();
    mass.dSingleMass = in.Number();
    mass.bUseListBelow = in.Integer();
    mass.strMassListFile = p.SomeFile(".txt").c_str();
    MaldiMSMSSwitchTemplateInfo templ;
    templ.dStartMass = in.Number();
    templ.nMaxDuration = in.Integer();
    templ.bAutoMassRange = in.Integer();
    MaldiMSMSSwitchScanConditionsInfo scan;
    scan.nLaserType = static_cast<UINT>(in.Integer());
    scan.nLaserTypeInEffect = static_cast<UINT>(in.Integer());
    scan.nLaserFiringRate = static_cast<UINT>(in.Integer());
    scan.nPlateSpeedInEffect = static_cast<UINT>(in.Integer());
    scan.strDataFormat = in.Text(12).c_str();
    scan.strPatternFile = PatternName(p);
    scan.bTunePageMaldiSettings = in.Integer();
    MaldiMSMSSwitchLMInfo lockMass;
    lockMass.bUseLockMass = in.Integer();
    lockMass.dFixedCollisionEnergy = in.Number();
    MaldiMSMSSwitchCEInfo energy;
    energy.bUseCEProfile = in.Integer();
    energy.dFixedCE = in.Number();
    energy.strProfileFile = p.SomeFile(".txt").c_str();
    sheet.SetupSwitchMassPage(&mass);
    sheet.SetupMSMSTemplatePage(&templ);
    sheet.SetupScanConditionsPage(&scan);
    sheet.SetupLockMassPage(&lockMass);
    sheet.SetupCollisionEnergyPage(&energy);
    p.RunModal(sheet, {});
    sheet.GetSwitchMassPage(&mass);
    sheet.GetMSMSTemplatePage(&templ);
    sheet.GetScanConditionsPage(&scan);
    sheet.GetLockMassPage(&lockMass);
    sheet.GetCollisionEnergyPage(&energy);
}

} // namespace

// --- 4. The table -----------------------------------------------------------------------------------

const std::vector<UiWindowFactory>& UiWindowFactories::All()
{
    // Append only: the first byte of every committed session names its window by position.
    static const std::vector<UiWindowFactory> windows = {
        {"acquire", "CMaldiAcquireControlDlg", &PlayAcquire},
        {"crosshair", "CMaldiCrossAcquireControlDlg", &PlayCrosshair},
        {"source-swap", "CMaldiProbeSwapControlDlg", &PlaySourceSwap},
        {"esi-probe", "CESIProbeControlDlg", &PlayEsiProbe},
        {"calibration", "CPlateCalibrationSetupDialog", &PlayCalibration},
        {"ms-function", "CMaldiMSAcqFunctionSetupDialog", &PlayMSFunction},
        {"msms-function", "CMaldiMSMSAcqFunctionSetupDialog", &PlayMSMSFunction},
        {"esi-settings", "CMaldiESISettingsDialog", &PlayESISettings},
        {"settings", "CMaldiSettingsDialog", &PlaySettings},
        {"pattern-editor", "CPatternEditorDlg", &PlayPatternEditor},
        {"plate-sheet", "CMaldiProbeSheet", &PlayPlateSheet},
        {"survey-sheet", "CMaldiSurveyPropertySheet", &PlaySurveySheet},
        {"switch-sheet", "CMaldiMSMSSwitchPropertySheet", &PlaySwitchSheet},
    };
    return windows;
}

const UiWindowFactory* UiWindowFactories::Find(const std::string& name)
{
    for (const UiWindowFactory& w : All())
        if (name == w.name) return &w;
    return nullptr;
}
