// The survey scenario: the host sets up every page of the survey sheet from its records, the
// operator visits each page and changes what a method developer would, and the host reads every
// record back.
#include "sim/SimStories.h"

#include "maldi/experiments/CMaldiSurveyPropertySheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/instrument/VEXPropertyTable.h"

using namespace maldi::res;

namespace {

int Id(UINT id) { return static_cast<int>(id); }

struct SurveyFunction {
    double start = 100, end = 2000, monStart = 150, monEnd = 1500, monThreshold = 20, swStart = 200, swEnd = 1800,
           swThreshold = 50;
    int startTime = 0, endTime = 60;
    double scanTime = 1.5, delay = 0.1;
    int lockMassTime = 10, useLockMass = 1;
    UINT options = 0;
    CString ionMode = "LDI+", dataFormat = "Continuum", parameterFile = "/methods/survey.ipr";
};

void PrintSurvey(SimSession& s, const std::string& heading, const SurveyFunction& v)
{
    SimRecord(s, heading)("start mass", v.start)("end mass", v.end)("peak monitor start", v.monStart)(
        "peak monitor end", v.monEnd)("peak monitor threshold", v.monThreshold)("peak switch start", v.swStart)(
        "peak switch end", v.swEnd)("peak switch threshold", v.swThreshold)("start time", v.startTime)(
        "end time", v.endTime)("scan time", v.scanTime)("inter-scan delay", v.delay)("lock-mass time", v.lockMassTime)(
        "use lock mass", v.useLockMass)("options", v.options)("ion mode", v.ionMode)("data format", v.dataFormat)(
        "instrument parameter file", v.parameterFile);
}

void PrintRecords(SimSession& s, const char* verb, const MStoMSMSInfo& a, const MSMStoMSInfo& b,
                  const MSMSTemplateInfo& t, const MaldiLaserInfo& l)
{
    const std::string v = verb;
    SimRecord(s, v + " MStoMSMSInfo:")("dTICSumThreshold", a.dTICSumThreshold)("nMSMSFunctions", a.nMSMSFunctions)(
        "nPeaksToSwitchOn", a.nPeaksToSwitchOn)("dRetentionTimeWindow", a.dRetentionTimeWindow)(
        "bEverything", a.bEverything)("bIncludedMassesOnly", a.bIncludedMassesOnly)(
        "bIncludedMassesPriority", a.bIncludedMassesPriority);
    SimRecord(s, v + " MSMStoMSInfo:")("dIntensityThreshold", b.dIntensityThreshold)("dMonitorWindow", b.dMonitorWindow)(
        "dSwitchBackTime", b.dSwitchBackTime)("bAfterTime", b.bAfterTime)("bMonitorWindow", b.bMonitorWindow);
    SimRecord(s, v + " MSMSTemplateInfo:")("dStartMass", t.dStartMass)("dEndMass", t.dEndMass)(
        "dSetMassOffset", t.dSetMassOffset)("dScanTime", t.dScanTime)("dInterScanDelay", t.dInterScanDelay)(
        "dCollisionEnergy", t.dCollisionEnergy)("bUseTunePageCE", t.bUseTunePageCE)(
        "bUseOwnInstParamFile", t.bUseOwnInstParamFile)("strInstParamFile", t.strInstParamFile);
    SimRecord(s, v + " MaldiLaserInfo:")("nLaserType", l.nLaserType)("nLaserFiringRate", l.nLaserFiringRate)(
        "nPlateSpeed", l.nPlateSpeed)("strLaserPatternFilename", l.strLaserPatternFilename)(
        "nFirstDiffWidth", l.nFirstDiffWidth)("nSecondDiffWidth", l.nSecondDiffWidth)(
        "nMinPointsInPeak", l.nMinPointsInPeak)("nMinPeakHeight", l.nMinPeakHeight)("bUsePeakArea", l.bUsePeakArea);
}

} // namespace

void SurveyScenario(SimSession& s)
{
    s.Say("a MALDI instrument; the host sets up its survey experiment");
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const std::string raster = WriteRasterPattern(s);
    CMaldiSurveyPropertySheet sheet("Survey", nullptr, 0);
    sheet.SetUpPages();

    SurveyFunction f;
    MStoMSMSInfo toMsms;
    toMsms.dTICSumThreshold = 5000;
    MSMStoMSInfo toMs;
    MSMSTemplateInfo templ;
    templ.dStartMass = 50;
    templ.strInstParamFile = "/methods/template.ipr";
    MaldiLaserInfo laser;
    laser.nLaserType = 3;
    laser.nLaserFiringRate = 500;
    laser.nPlateSpeed = 2;
    laser.strLaserPatternFilename = raster.c_str();
    PrintSurvey(s, "sets the survey function:", f);
    PrintRecords(s, "sets", toMsms, toMs, templ, laser);
    Expect(sheet.SetupSurveyPage(f.start, f.end, f.monStart, f.monEnd, f.monThreshold, f.swStart, f.swEnd,
                                 f.swThreshold, f.startTime, f.endTime, f.scanTime, f.delay, f.lockMassTime,
                                 f.useLockMass, f.options, f.ionMode, f.dataFormat, f.parameterFile) == 1 &&
               sheet.SetupMSToMSMSPage(&toMsms) == 1 && sheet.SetupMSMSToMSPage(&toMs) == 1 &&
               sheet.SetupTemplatePage(&templ, "fs-first", "fs-second") == 1 && sheet.SetupLaserPage(&laser) == 1,
           "a survey page refused its set-up");

    INT_PTR result = RunModal(s, sheet, "Survey", [&](HWND d) {
        ShowFields(s, "survey", d, {{Id(IDC_SV_SAMPLE_TIME), "Sample Time"}, {Id(IDC_SV_TOTAL_TIME), "Total Time"}});
        s.Operator().Type(d, Id(IDC_SV_END_MASS), "2500", "\"End\" of the mass range");
        s.Operator().Type(d, Id(IDC_SV_SAMPLE_TIME), "40", "\"Sample Time\"");
        ShowFields(s, "survey", d, {{Id(IDC_SV_SAMPLE_TIME), "Sample Time"}, {Id(IDC_SV_TOTAL_TIME), "Total Time"}});
        s.Screenshot(d, "survey");

        s.Operator().SelectPage(d, 1);
        s.Operator().Type(d, Id(IDC_SV_PEAKS_TO_SWITCH_ON), "8", "\"Peaks to Switch on\"");
        s.Screenshot(d, "ms-to-msms");

        s.Operator().SelectPage(d, 2);
        s.Operator().Click(d, Id(IDC_SV_USE_MONITOR_WINDOW), "\"Monitor Window (% Less the Parent)\"");
        s.Operator().Type(d, Id(IDC_SV_MONITOR_WINDOW), "12", "the monitor window");
        ShowFields(s, "survey", d, {{Id(IDC_SV_MONITOR_WINDOW), "Monitor Window"}, {Id(IDC_SV_SWITCH_BACK_TIME), "After Time"}});
        s.Screenshot(d, "msms-switch");

        s.Operator().SelectPage(d, 3);
        s.Operator().Type(d, Id(IDC_SV_TEMPLATE_START_MASS), "400", "\"Start Mass\"");
        s.Operator().Click(d, Id(IDC_SV_USE_TUNE_PAGE_CE), "\"Use Tune Page\"");
        s.Operator().Type(d, Id(IDC_SV_COLLISION_ENERGY), "40", "\"Collision Energy (V)\"");
        ShowFields(s, "survey", d, {{Id(IDC_SV_PARAMETER_FILE), "Instrument Parameter File"},
                                    {Id(IDC_SV_COLLISION_ENERGY), "Collision Energy"}});
        s.Screenshot(d, "msms-template");

        for (int page : {4, 5}) {
            s.Operator().SelectPage(d, page);
            s.Screenshot(d, page == 4 ? "include" : "exclude");
        }
        s.Operator().SelectPage(d, 6);
        s.Operator().Choose(d, Id(IDC_LASER_FIRING_RATE), "1000", "\"Firing Rate (Hz)\"");
        s.Operator().Choose(d, Id(IDC_PLATE_SPEED), "6", "\"Plate Speed (Hz)\"");
        s.Operator().Type(d, Id(IDC_SV_FIRST_DIFF_WIDTH), "3", "\"1st Diff Width\"");
        s.Operator().Click(d, Id(IDC_SV_USE_PEAK_AREA), "\"Use Peak Area\" off");
        s.Screenshot(d, "laser");
        for (int page : {7, 8}) {
            s.Operator().SelectPage(d, page);
            s.Screenshot(d, page == 7 ? "adducts" : "collision-energy");
        }
        s.Operator().Click(d, IDOK, "\"OK\"");
    });
    Expect(result == IDOK, "the survey sheet did not end with OK");

    SurveyFunction out;
    CString first, second;
    Expect(sheet.GetSurveyPage(out.start, out.end, out.monStart, out.monEnd, out.monThreshold, out.swStart, out.swEnd,
                               out.swThreshold, out.startTime, out.endTime, out.scanTime, out.delay, out.lockMassTime,
                               out.useLockMass, out.options, out.ionMode, out.dataFormat, out.parameterFile) == 1 &&
               sheet.GetMSToMSMSPage(&toMsms) == 1 && sheet.GetMSMSToMSPage(&toMs) == 1 &&
               sheet.GetTemplatePage(&templ, first, second) == 1 && sheet.GetLaserPage(&laser) == 1,
           "a survey page refused to be read");
    PrintSurvey(s, "reads the survey function back:", out);
    PrintRecords(s, "reads back", toMsms, toMs, templ, laser);
}
