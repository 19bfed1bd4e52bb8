// The scenarios of the scan function and MALDI settings dialogs:
//   ms-scan         a lock-mass MS acquisition, laser type 3 at 500 Hz, a pattern browsed
//   msms-scan       the tune page's collision energy, then a fixed one
//   maldi-settings  both settings dialogs; the laser frequency reaches the instrument on OK only
#include "sim/SimStories.h"

#include "maldi/dialogs/CMaldiMSAcqFunctionSetupDialog.h"
#include "maldi/dialogs/CMaldiMSMSAcqFunctionSetupDialog.h"
#include "maldi/dialogs/CMaldiSettingsDialog.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/instrument/VEXPropertyTable.h"

using namespace maldi::res;

namespace {

int Id(UINT id) { return static_cast<int>(id); }

void PrintMs(SimSession& s, const std::string& heading, const CMaldiMSAcqFunctionSetupDialog& d)
{
    SimRecord(s, heading)("start mass", d.m_dStartMass)("end mass", d.m_dEndMass)("scan time", d.m_dScanTime)(
        "inter-scan delay", d.m_dInterScanDelay)("scans to sum", d.m_nScansToSum)("ion mode", d.m_strIonMode)(
        "data format", d.m_strDataFormat)("laser type", d.GetLaserType())("laser firing rate", d.GetLaserFiringRate())(
        "plate speed", d.GetPlateSpeed())("use lock mass", d.GetUseLockMass())("lock-mass time", d.GetLockMassTime())(
        "start time", d.GetIntStartTime())("end time", d.GetIntEndTime())("sample time", d.m_nSampleTime)(
        "total time", d.m_dTotalTime)("laser pattern file", d.GetLaserPatternFilename());
}

void PrintMsMs(SimSession& s, const std::string& heading, const CMaldiMSMSAcqFunctionSetupDialog& d)
{
    SimRecord(s, heading)("start mass", d.m_dStartMass)("end mass", d.m_dEndMass)("set mass", d.m_dSetMass)(
        "use tune page collision energy", d.m_bUseTunePageCE)("collision energy", d.m_dCollisionEnergy)(
        "scan time", d.m_dScanTime)("data format", d.m_strDataFormat)("laser type", d.GetLaserType())(
        "laser firing rate", d.GetLaserFiringRate())("plate speed", d.GetPlateSpeed())(
        "start time", d.GetStartTime())("end time", d.GetEndTime())("laser pattern file", d.GetLaserPatternFilename());
}

} // namespace

void MsScanFunctionScenario(SimSession& s)
{
    s.Say("a MALDI instrument, where the operator picks the laser pattern; the host edits the MS function of a "
          "lock-mass method");
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const std::string raster = WriteRasterPattern(s);

    CMaldiMSAcqFunctionSetupDialog dialog(nullptr);
    dialog.SetLaserType(3);
    dialog.SetLaserFiringRate(500);
    dialog.SetPlateSpeed(2);
    dialog.SetIntEndTime(60);
    dialog.SetLockMassTime(10);
    dialog.SetUseLockMass(1);
    dialog.m_dStartMass = 500.0;
    dialog.m_dEndMass = 4000.0;
    dialog.m_strDataFormat = "Continuum";
    PrintMs(s, "sets the MS scan function:", dialog);

    INT_PTR result = RunModal(s, dialog, "Maldi MS", [&](HWND d) {
        ShowFields(s, "ms", d, {{Id(IDC_LASER_FIRING_RATE), "Firing Rate"}, {Id(IDC_LOCK_MASS_TIME), "Lock Mass Time"},
                                {Id(IDC_MS_SAMPLE_TIME), "Sample Time"}, {Id(IDC_MS_TOTAL_TIME), "Total Time"},
                                {Id(IDC_MS_SCANS_TO_SUM), "Scans To Sum"}});
        std::string rates;
        for (const CString& item : s.Ui().ComboItems(s.Ui().Find(d, Id(IDC_LASER_FIRING_RATE))))
            rates += (rates.empty() ? "" : ", ") + item.ToUtf8();
        s.Transcript().Add("ms", "firing rates offered: " + rates + " Hz");
        s.Screenshot(d, "opened");
        s.Operator().Type(d, Id(IDC_MS_SAMPLE_TIME), "80", "\"Sample Time\"");
        s.Operator().Choose(d, Id(IDC_MS_DATA_FORMAT), "MCA", "\"Data\"");
        s.Operator().Type(d, Id(IDC_MS_SCANS_TO_SUM), "12", "\"Scans To Sum\"");
        s.Operator().ChooseFile(raster);
        s.Operator().Click(d, Id(IDC_MS_PATTERN_BROWSE), "\"...\" to browse for a pattern");
        ShowFields(s, "ms", d, {{Id(IDC_MS_SAMPLE_TIME), "Sample Time"}, {Id(IDC_MS_TOTAL_TIME), "Total Time"},
                                {Id(IDC_MS_SCANS_TO_SUM), "Scans To Sum"}, {Id(IDC_MS_PATTERN_FILE), "Pattern Type"}});
        s.Screenshot(d, "edited");
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    Expect(result == IDOK, "the MS scan function dialog did not end with OK");
    PrintMs(s, "reads the MS scan function back:", dialog);
}

void MsMsScanFunctionScenario(SimSession& s)
{
    s.Say("a MALDI instrument; the host edits the MS/MS function of a precursor at m/z 750.4");
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    CMaldiMSMSAcqFunctionSetupDialog first(nullptr);
    first.SetLaserType(2);
    first.SetLaserFiringRate(20);
    first.SetEndTime(30);
    first.m_dSetMass = 750.4;
    first.m_dStartMass = 50.0;
    first.m_dEndMass = 800.0;
    first.m_dCollisionEnergy = 35.0;
    first.SetLaserPatternFilename(WriteRasterPattern(s).c_str()); // the lab's, not the install's default
    PrintMsMs(s, "sets the MS/MS scan function:", first);

    s.Say("1: the operator lets the tune page supply the collision energy");
    INT_PTR result = RunModal(s, first, "Maldi MSMS", [&](HWND d) {
        s.Operator().Type(d, Id(IDC_MSMS_SET_MASS), "756.3", "\"Set Mass\"");
        s.Operator().Click(d, Id(IDC_MSMS_USE_TUNE_PAGE_CE), "\"Use Tune Page Setting\"");
        ShowFields(s, "msms", d, {{Id(IDC_MSMS_SET_MASS), "Set Mass"}, {Id(IDC_MSMS_COLLISION_ENERGY), "Collision Energy"}});
        s.Screenshot(d, "tune-page");
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    Expect(result == IDOK, "the MS/MS dialog did not end with OK");
    PrintMsMs(s, "reads the MS/MS scan function back:", first);

    s.Say("2: the host opens the function again; the operator fixes the collision energy at 42.5 V");
    CMaldiMSMSAcqFunctionSetupDialog second(nullptr);
    second.SetLaserType(first.GetLaserType());
    second.SetLaserFiringRate(first.GetLaserFiringRate());
    second.SetEndTime(first.GetEndTime());
    second.m_dSetMass = first.m_dSetMass;
    second.m_dStartMass = first.m_dStartMass;
    second.m_dEndMass = first.m_dEndMass;
    second.m_dCollisionEnergy = first.m_dCollisionEnergy;
    second.SetLaserPatternFilename(first.GetLaserPatternFilename());
    second.m_bUseTunePageCE = first.m_bUseTunePageCE;
    result = RunModal(s, second, "Maldi MSMS", [&](HWND d) {
        ShowFields(s, "msms", d, {{Id(IDC_MSMS_COLLISION_ENERGY), "Collision Energy"}});
        s.Operator().Click(d, Id(IDC_MSMS_USE_TUNE_PAGE_CE), "\"Use Tune Page Setting\" off again");
        s.Operator().Type(d, Id(IDC_MSMS_COLLISION_ENERGY), "42.5", "\"Collision Energy (V)\"");
        ShowFields(s, "msms", d, {{Id(IDC_MSMS_COLLISION_ENERGY), "Collision Energy"}});
        s.Screenshot(d, "fixed-energy");
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    Expect(result == IDOK, "the MS/MS dialog did not end with OK");
    PrintMsMs(s, "reads the MS/MS scan function back:", second);
}

void MaldiSettingsScenario(SimSession& s)
{
    auto laser = [&s] { s.Say("the laser fires at " + std::to_string(s.Instrument().LaserFrequency()) + " Hz"); };
    s.Say("1: the MALDI/ESI instrument, where the laser pattern is fixed: the simple settings dialog");
    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    laser();
    for (int button : {IDCANCEL, IDOK}) {
        CMaldiESISettingsDialog dialog(&s.Client(), nullptr);
        dialog.SetLaserType(3);
        dialog.SetLaserFiringRate(500);
        dialog.SetPlateSpeed(2);
        dialog.SetPatternFilename("/patterns/old.ptn");
        SimRecord(s, "sets the MALDI settings:")("laser type", dialog.GetLaserType())(
            "laser firing rate", dialog.GetLaserFiringRate())("plate speed", dialog.GetPlateSpeed())(
            "pattern file", dialog.GetPatternFilename());
        RunModal(s, dialog, "Maldi Settings", [&](HWND d) {
            ShowFields(s, "settings", d, {{Id(IDC_LASER_PATTERN_TYPE), "Laser Pattern"},
                                          {Id(IDC_LASER_FIRING_RATE), "Firing Rate"}, {Id(IDC_PLATE_SPEED), "Speed"}});
            s.Operator().Choose(d, Id(IDC_LASER_FIRING_RATE), "1000", "\"Firing Rate (Hz)\"");
            s.Operator().Choose(d, Id(IDC_PLATE_SPEED), "4", "\"Speed (Hz)\"");
            laser();
            if (button == IDOK) s.Screenshot(d, "maldi-esi");
            s.Operator().Click(d, button, button == IDOK ? "\"OK\"" : "\"Cancel\"");
        });
        SimRecord(s, "reads the MALDI settings back:")("laser firing rate", dialog.GetLaserFiringRate())(
            "plate speed", dialog.GetPlateSpeed())("pattern file", dialog.GetPatternFilename());
        laser();
    }

    s.Say("2: a MALDI instrument: the settings dialog with the probe motion; from the cross hairs to a pattern");
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const std::string raster = WriteRasterPattern(s);
    CMaldiSettingsDialog dialog(&s.Client(), nullptr);
    dialog.SetLaserType(2);
    dialog.SetLaserFiringRate(20);
    dialog.SetProbeMotionType(CMaldiSettingsDialog::kCrossHairs);
    SimRecord(s, "sets the MALDI settings:")("laser type", dialog.GetLaserType())(
        "laser firing rate", dialog.GetLaserFiringRate())("probe motion type", dialog.GetProbeMotionType());
    RunModal(s, dialog, "Maldi Settings", [&](HWND d) {
        ShowFields(s, "settings", d, {{Id(IDC_SETTINGS_PATTERN_FILE), "Pattern File"}, {Id(IDC_LASER_FIRING_RATE), "Firing Rate"}});
        s.Screenshot(d, "cross-hairs");
        s.Operator().Click(d, Id(IDC_USE_PATTERN_FILE), "\"Pattern File\"");
        s.Operator().ChooseFile(raster);
        s.Operator().Click(d, Id(IDC_SETTINGS_PATTERN_BROWSE), "\"...\" to browse for a pattern");
        s.Operator().Choose(d, Id(IDC_LASER_FIRING_RATE), "5", "\"Firing Rate (Hz)\"");
        ShowFields(s, "settings", d, {{Id(IDC_SETTINGS_PATTERN_FILE), "Pattern File"}, {Id(IDC_LASER_FIRING_RATE), "Firing Rate"}});
        s.Screenshot(d, "pattern-file");
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    SimRecord(s, "reads the MALDI settings back:")("laser firing rate", dialog.GetLaserFiringRate())(
        "plate speed", dialog.GetPlateSpeed())("probe motion type", dialog.GetProbeMotionType())(
        "pattern file", dialog.GetPatternFilename());
    laser();
}
