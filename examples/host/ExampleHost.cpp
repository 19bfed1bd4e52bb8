#include "ExampleHost.h"

#include <cstdio>

#include "maldi/dialogs/CMaldiSettingsDialog.h"
#include "maldi/plate/CMaldiProbeSheet.h"
#include "platform/framework/IconImage.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/platemodel/TargetPlate.h"
#include "platform/tuning/PolarityDependentInstParam.h"

namespace {

std::string format(const char* pattern, double a, double b = 0)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

} // namespace

std::unique_ptr<CMaldiAcquireControlDlg> OpenAcquisitionPanel(CMaldiAppInterface* callbacks, CInstMonClient* monitor,
                                                               HICON icon, int plateSpeed, double collisionEnergy)
{
    auto panel = std::make_unique<CMaldiAcquireControlDlg>(callbacks, monitor);
    const PolarityDependentInstParam energy{ExampleHost::kCollisionEnergy, ExampleHost::kCollisionEnergy};
    panel->CreateUI(icon, energy, "Collision Energy", "eV", "%.1f");
    panel->SetPlateSpeed(plateSpeed);
    if (!panel->Create()) return nullptr;
    panel->InitialiseDialog(collisionEnergy);
    panel->DisplayWindow();
    return panel;
}

ExampleHost::ExampleHost()
    : m_resources("example host", {}, {}, {{ResourceId(kApplicationIcon), IconImage::Solid(32, 32, 0xFF1F4E79)}}),
      m_registrar(m_resources)
{
    // The instrument this host drives knows its collision energy; the panel's box shows it.
    VEXPropertyTable::Instance().Add(kCollisionEnergy, VEXPropertyKind::Setting, 30.0);
    SetTargetPlate(&m_plate);
    m_main.CreateEx(0, "Static", "Example Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0);
}

ExampleHost::~ExampleHost()
{
    m_panel.reset();
    SetTargetPlate(nullptr);
    VEXPropertyTable::Instance().Remove(kCollisionEnergy);
}

CMaldiAcquireControlDlg* ExampleHost::Panel() const
{
    return m_acquiring ? m_panel.get() : nullptr;
}

bool ExampleHost::StartAcquisition(std::vector<int> wells, double collisionEnergy)
{
    if (wells.empty() || m_acquiring) return false;
    // The panel of the last run has ended (hidden); a run gets a fresh one.
    m_panel = OpenAcquisitionPanel(this, &m_monitor, m_resources.FindIcon(ResourceId(kApplicationIcon)),
                                   static_cast<int>(m_laser.plateSpeed), collisionEnergy);
    if (!m_panel) return false;
    m_wells = std::move(wells);
    m_acquiring = true;
    m_paused = false;
    m_panel->UpdateProgressIndicator(static_cast<int>(m_wells.size()), -1, 0, m_wells.front());
    log(format("acquisition of %g wells at %.1f eV", static_cast<double>(m_wells.size()), collisionEnergy));
    return true;
}

void ExampleHost::SpotAcquired(int index)
{
    if (!m_acquiring || index < 0 || index >= static_cast<int>(m_wells.size())) return;
    m_panel->UpdateProgressIndicator(static_cast<int>(m_wells.size()), index, 0, m_wells[index]);
    if (index == static_cast<int>(m_wells.size()) - 1) endRun("acquisition complete");
}

void ExampleHost::endRun(const char* why)
{
    // Ends the panel as by OK; it is destroyed when the next run starts, never inside one of its
    // own button handlers (the stop request comes from one).
    m_panel->StopAcquisition();
    m_acquiring = false;
    m_paused = false;
    log(why);
}

bool ExampleHost::EditLaserSettings()
{
    CMaldiSettingsDialog dialog(&m_control, &m_main);
    dialog.SetLaserType(m_laser.laserType);
    dialog.SetLaserFiringRate(m_laser.firingRate);
    dialog.SetPlateSpeed(m_laser.plateSpeed);
    dialog.SetPatternFilename(m_laser.patternFile);
    dialog.SetProbeMotionType(m_laser.probeMotion);
    if (dialog.DoModal() != IDOK) return false;
    m_laser.firingRate = dialog.GetLaserFiringRate();
    m_laser.plateSpeed = dialog.GetPlateSpeed();
    m_laser.patternFile = dialog.GetPatternFilename();
    m_laser.probeMotion = dialog.GetProbeMotionType();
    log(format("laser settings: %g Hz, plate speed %g", m_laser.firingRate, m_laser.plateSpeed));
    return true;
}

bool ExampleHost::EditPlate(const CString& plateFile)
{
    CMaldiProbeSheet sheet(plateFile, "Target Plate", &m_main);
    if (sheet.DoModal() != IDOK) return false;
    // The sheet has saved what the operator changed; the file it shows last is the plate.
    CMaldiPlate chosen;
    if (!CMaldiProbeSheet::ReadPlateFile(sheet.Plate(), chosen)) return false;
    m_plate = chosen;
    log("plate " + sheet.Plate().str());
    return true;
}

void ExampleHost::MovePlateToPosition(double x, double y)
{
    log(format("move plate to %.3f, %.3f", x, y));
}

void ExampleHost::GoToLockMassWell(bool on, CString&, int)
{
    log(on ? "lock-mass well" : "back from the lock-mass well");
}

void ExampleHost::SendPlateCommand(int command, int value)
{
    if (command == PlateCommandSpeed) {
        m_laser.plateSpeed = static_cast<UINT>(value);
        log(format("plate speed %g", value));
    } else if (command == PlateCommandLaser) {
        log(value == LaserOn ? "laser on" : "laser off");
    } else if (command == PlateCommandMove && value == RequestInitialStates) {
        log("initial states requested");
    } else {
        log(format("plate command %g, %g", command, value));
    }
}

void ExampleHost::RequestStopAcquisition()
{
    if (m_acquiring) endRun("acquisition stopped by the operator");
}

void ExampleHost::RequestPauseAcquisition()
{
    m_paused = m_acquiring;
    log("acquisition paused");
}

void ExampleHost::RequestContinueAcquisition()
{
    m_paused = false;
    log("acquisition continued");
}

// This host has no ESI probe, source swap or calibration window; the requests are noted only.
void ExampleHost::SaveESIProbePosition(int position)
{
    log(format("ESI probe position %g", position));
}

void ExampleHost::ESIProbeWindowClosed(int stepSize)
{
    log(format("ESI probe window closed, step %g", stepSize));
}

void ExampleHost::StartPlateCalibration(BOOL useInitialConditions)
{
    log(useInitialConditions ? "calibration from the initial conditions" : "calibration");
}

void ExampleHost::AbortPlateCalibration()
{
    log("calibration aborted");
}

int ExampleHost::GetSourceMode()
{
    return SourceModeMaldi;
}

void ExampleHost::SourceSwapComplete(int mode)
{
    log(format("source swapped (%g)", mode));
}
