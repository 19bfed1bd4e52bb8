#include "sim/SimHost.h"

#include <cstdio>

#include "maldi/panels/CESIProbeControlDlg.h"
#include "maldi/panels/CMaldiAcquireControlDlg.h"
#include "maldi/panels/CMaldiCrossAcquireControlDlg.h"
#include "maldi/panels/CMaldiProbeSwapControlDlg.h"
#include "maldi/plate/CPlateCalibrationSetupDialog.h"
#include "platform/framework/CWnd.h"
#include "platform/platemodel/TargetPlate.h"
#include "platform/tuning/PolarityDependentInstParam.h"

namespace {

// The application's icon: a dark blue tile with a white target plate of four wells.
IconImage ApplicationIconImage()
{
    IconImage image = IconImage::Solid(32, 32, 0xFF1F3A73);
    for (int y = 6; y < 26; ++y)
        for (int x = 4; x < 28; ++x) image.argb[static_cast<size_t>(y * 32 + x)] = 0xFFF2F2F2;
    const int centres[4][2] = {{10, 12}, {21, 12}, {10, 20}, {21, 20}};
    for (const auto& c : centres)
        for (int y = c[1] - 2; y <= c[1] + 2; ++y)
            for (int x = c[0] - 2; x <= c[0] + 2; ++x)
                if ((x - c[0]) * (x - c[0]) + (y - c[1]) * (y - c[1]) <= 5)
                    image.argb[static_cast<size_t>(y * 32 + x)] = 0xFFD04020;
    return image;
}

bool Exists(CWnd* window)
{
    return window && window->GetSafeHwnd() && ::IsWindow(window->GetSafeHwnd());
}

} // namespace

SimHost::SimHost(SimInstrument& instrument, CInstMonClient& monitor, SimTranscript& transcript)
    : m_instrument(instrument), m_monitor(monitor), m_transcript(transcript)
{
    m_icon = Module().AddIcon(ResourceId(kApplicationIcon), ApplicationIconImage());
    SetTargetPlate(&m_plate);
    m_instrument.Stage().SetProgressListener([this](const SimPlateStage::Progress& p) { reportProgress(p); });
    m_instrument.Stage().SetEndListener([this](bool completed) { runEnded(completed); });
    m_instrument.Calibration().SetAimListener([this](const SimCalibrationSearch::Aim& a) { calibrationAim(a); });
    m_instrument.Calibration().SetEndListener([this](const SimCalibrationSearch::Result& r) { calibrationEnded(r); });
}

SimHost::~SimHost()
{
    m_instrument.Stage().SetProgressListener(nullptr);
    m_instrument.Stage().SetEndListener(nullptr);
    m_instrument.Calibration().SetAimListener(nullptr);
    m_instrument.Calibration().SetEndListener(nullptr);
    CloseWindows();
    if (TargetPlate() == &m_plate) SetTargetPlate(nullptr);
}

void SimHost::note()
{
    m_transcript.Add("host", calls.back().Text());
}

void SimHost::MovePlateToPosition(double x, double y)
{
    RecordingAppInterface::MovePlateToPosition(x, y);
    note();
    const SimPlateStage& stage = m_instrument.Stage();
    if (stage.LaserOn()) {
        char text[128];
        std::snprintf(text, sizeof text, "laser fires at (%+.3f, %+.3f) mm from the centre of well %s", x, y,
                      stage.WellName().c_str());
        m_transcript.Add("host", text);
    }
}

void SimHost::GoToLockMassWell(bool on, CString& well, int value)
{
    RecordingAppInterface::GoToLockMassWell(on, well, value);
    note();
    m_instrument.Stage().GoToLockMass(on);
}

void SimHost::SendPlateCommand(int command, int value)
{
    RecordingAppInterface::SendPlateCommand(command, value);
    note();
    SimPlateStage& stage = m_instrument.Stage();
    if (command == PlateCommandLaser) {
        if (value == LaserOn) stage.SetLaser(true);
        if (value == LaserOff) stage.SetLaser(false);
    } else if (command == PlateCommandMove) {
        switch (value) {
        case MoveStop: stage.StopPlate(); break;
        case MovePrevious: stage.MovePrevious(); break;
        case MoveNext: stage.MoveNext(); break;
        case RequestInitialStates:
            // The panel asks where things stand: during a run it hears the run's last progress.
            if (stage.Running()) reportProgress(stage.LastProgress());
            break;
        default: m_transcript.Add("host", "plate command (2," + std::to_string(value) + ") not known, ignored");
        }
    } else if (command == PlateCommandSpeed) {
        stage.SetSpeed(value);
    }
}

void SimHost::RequestStopAcquisition()
{
    RecordingAppInterface::RequestStopAcquisition();
    note();
    m_instrument.Stage().Stop();
}

void SimHost::RequestContinueAcquisition()
{
    RecordingAppInterface::RequestContinueAcquisition();
    note();
    m_instrument.Stage().Continue();
}

void SimHost::RequestPauseAcquisition()
{
    RecordingAppInterface::RequestPauseAcquisition();
    note();
    m_instrument.Stage().Pause();
}

void SimHost::SaveESIProbePosition(int position)
{
    RecordingAppInterface::SaveESIProbePosition(position);
    note();
    m_savedEsiPosition = position;
}

void SimHost::ESIProbeWindowClosed(int stepSize)
{
    RecordingAppInterface::ESIProbeWindowClosed(stepSize);
    note();
    m_esiStepSize = stepSize;
}

void SimHost::StartPlateCalibration(BOOL useInitialConditions)
{
    RecordingAppInterface::StartPlateCalibration(useInitialConditions);
    note();
    // The search is on the plate only during this call.
    SimCalibrationSearch::Settings search;
    if (const CMaldiPlate* plate = TargetPlate()) {
        search.hole1[0] = useInitialConditions ? plate->m_fHole1X : plate->m_fCurrentHole1X;
        search.hole1[1] = useInitialConditions ? plate->m_fHole1Y : plate->m_fCurrentHole1Y;
        search.hole2[0] = useInitialConditions ? plate->m_fHole2X : plate->m_fCurrentHole2X;
        search.hole2[1] = useInitialConditions ? plate->m_fHole2Y : plate->m_fCurrentHole2Y;
        search.step = plate->m_fSearchStep;
        search.delayPerRow = plate->m_nSearchDelay;
        search.window = plate->m_nSearchWindow;
    }
    char text[128];
    std::snprintf(text, sizeof text, "calibration search: %d x %d aims, %.3f mm apart, %d ms a row", search.window,
                  search.window, search.step, search.delayPerRow);
    m_transcript.Add("host", text);
    if (!m_instrument.Calibration().Start(search)) {
        m_transcript.Add("host", "the calibration search cannot start");
        return;
    }
    if (CPlateCalibrationSetupDialog* window = Calibration(); window && Exists(window)) {
        m_transcript.Add("host", "SetStatus(0), SetStatusText -> calibration window");
        window->SetStatus(0);
        window->SetStatusText("Searching calibration hole 1");
    }
}

void SimHost::AbortPlateCalibration()
{
    RecordingAppInterface::AbortPlateCalibration();
    note();
    m_instrument.Calibration().Abort();
}

void SimHost::calibrationAim(const SimCalibrationSearch::Aim& aim)
{
    char text[128];
    std::snprintf(text, sizeof text, "UpdateCalibrationDlg(%d,%d,%d,%.3f,%.3f) -> calibration window", aim.hole,
                  aim.aim, aim.hit ? 1 : 0, aim.x, aim.y);
    m_transcript.Add("host", text);
    CPlateCalibrationSetupDialog* window = Calibration();
    if (!window || !Exists(window)) return;
    if (aim.hole == 2 && aim.aim == 0) window->SetStatusText("Searching calibration hole 2");
    window->UpdateCalibrationDlg(aim.hole, aim.aim, aim.hit ? 1 : 0, aim.x, aim.y);
}

void SimHost::calibrationEnded(const SimCalibrationSearch::Result& result)
{
    // An abort was the window's own doing: it has shown it already.
    if (result.end == SimCalibrationSearch::End::Aborted) return;
    char text[160];
    const bool completed = result.end == SimCalibrationSearch::End::Completed;
    if (completed) {
        std::snprintf(text, sizeof text, "Calibration complete: hole 1 at (%.3f, %.3f), hole 2 at (%.3f, %.3f)",
                      result.hole1[0], result.hole1[1], result.hole2[0], result.hole2[1]);
        m_plate.m_fCurrentHole1X = static_cast<float>(result.hole1[0]);
        m_plate.m_fCurrentHole1Y = static_cast<float>(result.hole1[1]);
        m_plate.m_fCurrentHole2X = static_cast<float>(result.hole2[0]);
        m_plate.m_fCurrentHole2Y = static_cast<float>(result.hole2[1]);
    } else {
        std::snprintf(text, sizeof text, "Calibration failed: a hole was not found");
    }
    m_transcript.Add("host", text);
    if (CPlateCalibrationSetupDialog* window = Calibration(); window && Exists(window)) {
        m_transcript.Add("host", std::string("SetStatus(") + (completed ? "1" : "3") +
                                     "), SetStatusText -> calibration window");
        window->SetStatus(completed ? 1 : 3);
        window->SetStatusText(text);
    }
}

CPlateCalibrationSetupDialog* SimHost::OpenCalibration(int window, float step, int delayPerRow)
{
    if (!m_calibration) m_calibration = std::make_unique<CPlateCalibrationSetupDialog>(this);
    CPlateCalibrationSetupDialog* dialog = Calibration();
    if (!Exists(dialog)) {
        dialog->m_nSearchWindow = window;
        dialog->m_fSearchStep = step;
        dialog->m_nDelayPerRow = delayPerRow;
        m_transcript.Add("host", "calibration window: Create");
        if (!dialog->Create()) return nullptr;
    }
    m_transcript.Add("host", "calibration window: DisplayWindow");
    dialog->DisplayWindow();
    return dialog;
}

CPlateCalibrationSetupDialog* SimHost::Calibration()
{
    return static_cast<CPlateCalibrationSetupDialog*>(m_calibration.get());
}

int SimHost::GetSourceMode()
{
    int mode = RecordingAppInterface::GetSourceMode();
    note();
    return mode;
}

void SimHost::SourceSwapComplete(int mode)
{
    RecordingAppInterface::SourceSwapComplete(mode);
    note();
    if (mode == SwapToApi) {
        SetSourceMode(SourceModeApi);
    } else if (mode == SwapToMaldi) {
        SetSourceMode(SourceModeMaldi);
    } else {
        m_transcript.Add("host", "source mode " + std::to_string(mode) + " not known, mode unchanged");
        return;
    }
    m_transcript.Add("host", "software source mode is now " + SourceModeName());
    if (mode == SwapToMaldi) m_instrument.Stage().IndexToFirstWell();
}

std::string SimHost::SourceModeName() const
{
    switch (sourceMode) {
    case SourceModeApi: return "API";
    case SourceModeMaldi: return "MALDI";
    default: return "unknown (" + std::to_string(sourceMode) + ")";
    }
}

void SimHost::reportProgress(const SimPlateStage::Progress& progress)
{
    if (Exists(m_acquire.get())) {
        char text[96];
        std::snprintf(text, sizeof text, "UpdateProgressIndicator(%d,%d,%d,%d) -> acquisition panel",
                      progress.spotCount, progress.currentSpot, progress.reference, progress.well);
        m_transcript.Add("host", text);
        AcquisitionPanel()->UpdateProgressIndicator(progress.spotCount, progress.currentSpot, progress.reference,
                                           progress.well);
    }
}

void SimHost::runEnded(bool)
{
    // Completed or stopped, the run is over and so is the panel.
    if (Exists(m_acquire.get())) {
        m_transcript.Add("host", "StopAcquisition() -> acquisition panel");
        AcquisitionPanel()->StopAcquisition();
    }
}

bool SimHost::StartAcquisition(std::vector<SimPlateStage::Spot> spots, unsigned acquireMs, double collisionEnergy)
{
    if (Exists(m_acquire.get())) {
        char text[64];
        std::snprintf(text, sizeof text, "InitialiseDialog(%.1f) -> acquisition panel", collisionEnergy);
        m_transcript.Add("host", text);
        AcquisitionPanel()->InitialiseDialog(collisionEnergy);
    }
    return m_instrument.Stage().StartRun(std::move(spots), acquireMs);
}

CMaldiAcquireControlDlg* SimHost::OpenAcquisitionPanel()
{
    if (!m_acquire) m_acquire = std::make_unique<CMaldiAcquireControlDlg>(this, &m_monitor);
    CMaldiAcquireControlDlg* panel = AcquisitionPanel();
    if (!Exists(panel)) {
        // The collision energy box watches the instrument's collision energy, whatever the polarity.
        PolarityDependentInstParam polarity{SimInstrument::kCollisionEnergy, SimInstrument::kCollisionEnergy};
        panel->CreateUI(m_icon, polarity, "Collision Energy", "eV", "%.1f");
        panel->SetPlateSpeed(m_instrument.Stage().Speed());
        m_transcript.Add("host", "acquisition panel: CreateUI, Create");
        if (!panel->Create()) return nullptr;
    }
    m_transcript.Add("host", "acquisition panel: DisplayWindow");
    panel->DisplayWindow();
    return panel;
}

CMaldiCrossAcquireControlDlg* SimHost::OpenCrosshairPanel()
{
    if (!m_cross) m_cross = std::make_unique<CMaldiCrossAcquireControlDlg>(this, &m_monitor);
    CMaldiCrossAcquireControlDlg* panel = CrosshairPanel();
    if (!Exists(panel)) {
        PolarityDependentInstParam polarity{SimInstrument::kCollisionEnergy, SimInstrument::kCollisionEnergy};
        panel->CreateUI(m_icon, polarity, "Collision Energy", "eV", "%.1f");
        m_transcript.Add("host", "crosshair panel: CreateUI, Create");
        if (!panel->Create()) return nullptr;
    }
    m_transcript.Add("host", "crosshair panel: DisplayWindow");
    panel->DisplayWindow();
    return panel;
}

bool SimHost::StartCrosshairAcquisition(double collisionEnergy)
{
    if (!Exists(m_cross.get())) return false;
    char text[64];
    std::snprintf(text, sizeof text, "InitialiseDialog(%.1f) -> crosshair panel", collisionEnergy);
    m_transcript.Add("host", text);
    CrosshairPanel()->InitialiseDialog(collisionEnergy);
    CrosshairPanel()->DisplayWindow();
    return true;
}

bool SimHost::EndCrosshairAcquisition()
{
    if (!Exists(m_cross.get())) return false;
    m_transcript.Add("host", "StopAcquisition() -> crosshair panel");
    CrosshairPanel()->StopAcquisition();
    return true;
}

CMaldiProbeSwapControlDlg* SimHost::PrepareSourceSwap()
{
    if (!m_swap) m_swap = std::make_unique<CMaldiProbeSwapControlDlg>(this, &m_instrument.Client());
    CMaldiProbeSwapControlDlg* swap = SourceSwap();
    if (!Exists(swap)) {
        swap->CreateUI(m_icon);
        m_transcript.Add("host", "source swap: CreateUI, Create");
        if (!swap->Create()) return nullptr;
    }
    return swap;
}

CMaldiProbeSwapControlDlg* SimHost::OpenSourceSwap()
{
    CMaldiProbeSwapControlDlg* swap = PrepareSourceSwap();
    if (!swap) return nullptr;
    m_transcript.Add("host", "source swap: DisplayWindow");
    swap->DisplayWindow();
    return swap;
}

CESIProbeControlDlg* SimHost::OpenEsiProbe(int position, int stepSize)
{
    if (!m_esi) m_esi = std::make_unique<CESIProbeControlDlg>(&m_instrument.Client(), this);
    CESIProbeControlDlg* esi = EsiProbe();
    if (!Exists(esi)) {
        esi->CreateUI(m_icon);
        m_transcript.Add("host", "ESI probe adjust: CreateUI, Create");
        if (!esi->Create()) return nullptr;
    }
    m_transcript.Add("host", "ESI probe adjust: SetInitialProbePosition(" + std::to_string(position) +
                                 ",0), SetStepSize(" + std::to_string(stepSize) + "), DisplayWindow");
    esi->SetInitialProbePosition(position, 0);
    esi->SetStepSize(stepSize);
    esi->DisplayWindow();
    return esi;
}

HWND SimHost::handle(CWnd* window)
{
    return Exists(window) ? window->GetSafeHwnd() : nullptr;
}

CMaldiAcquireControlDlg* SimHost::AcquisitionPanel()
{
    return static_cast<CMaldiAcquireControlDlg*>(m_acquire.get());
}

CMaldiCrossAcquireControlDlg* SimHost::CrosshairPanel()
{
    return static_cast<CMaldiCrossAcquireControlDlg*>(m_cross.get());
}

CMaldiProbeSwapControlDlg* SimHost::SourceSwap()
{
    return static_cast<CMaldiProbeSwapControlDlg*>(m_swap.get());
}

CESIProbeControlDlg* SimHost::EsiProbe()
{
    return static_cast<CESIProbeControlDlg*>(m_esi.get());
}

void SimHost::CloseWindows()
{
    // The host destroys what it made; destroying a window object destroys its window.
    m_acquire.reset();
    m_cross.reset();
    m_swap.reset();
    m_esi.reset();
    if (CPlateCalibrationSetupDialog* window = Calibration(); window && Exists(window)) window->DestroyDlgWindow();
    m_calibration.reset();
}
