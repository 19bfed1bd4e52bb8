// The source swap sequence: 25 numbered steps, one performed per tick of the panel's 200 ms timer,
// and the commands of the step buttons.
//
// Each step reads the instrument, shows the operator what to do, writes a probe command where the
// hardware must move, and names the step that follows; a new step takes effect at the next tick.
// When a step cannot read a status because the instrument does not know its symbol, the tick ends
// there and the step stays (the sequence waits), except where a step says otherwise.
//
// The path of a typical swap: 0 temperature check, 2-3 which cover against which software mode,
// 4-9 open the source, isolate the probe, remove the cover, 10-15 fit a cover, check the backing
// pressure, confirm its type, 16-20 isolate the probe, close the source, 21-24 drive the probe in
// and confirm the new software mode. Taking the cover off during 15-20 goes back to 10; opening
// the source during 21-24 goes back to 4.

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/boundary/InstrumentProperty.h"
#include "maldi/panels/CMaldiProbeSwapControlDlg.h"

namespace {

using Property = InstrumentProperty;

// "PROBE_COVER_STATE_STATUS"
constexpr BYTE kNoCover = 0;
constexpr BYTE kApiCone = 1;
constexpr BYTE kMaldiCoverCap = 2;
// "SOURCE_PRESENT_STATE_STATUS"
constexpr BYTE kSourceOpen = 0;
constexpr BYTE kSourceClosed = 1;
// Probe state, high four bits of "PROBE_STATE_STATUS".
constexpr BYTE kProbeIsolated = 0;
constexpr BYTE kProbeLoadingMaldi = 1;
constexpr BYTE kProbeAtMaldi = 3;    // ready with sub-step 0
constexpr BYTE kProbeApi = 8;        // ready with sub-step 5
constexpr BYTE kProbeApiReadySubStep = 5;

bool ReadCover(BYTE& cover)
{
    return Property::ReadStatus(Property::ProbeCoverStateStatus, cover);
}

bool ReadFront(BYTE& front)
{
    return Property::ReadStatus(Property::SourcePresentStateStatus, front);
}

bool IsFitted(BYTE cover)
{
    return cover == kApiCone || cover == kMaldiCoverCap;
}

} // namespace

void CMaldiProbeSwapControlDlg::ProbeSwapStatuses()
{
    BYTE cover = 0;
    BYTE front = 0;

    switch (m_nSwapStep) {
    // --- temperature interlock -------------------------------------------------------------------
    case 0: // Wait until the source has been cool at a tick, or the operator overrides.
        ShowTemperatureTexts();
        if (m_nTemperatureStatus == kTemperatureOk) m_nSwapStep = 2;
        break;

    case 1: // Overridden: say so once, then go on.
        ShowTemperatureTexts();
        m_nSwapStep = 2;
        break;

    // --- which cover, which software mode ----------------------------------------------------------
    case 2:
        EnableStepButtons(false, false);
        if (!ReadCover(cover)) break;
        m_nSwapStep = cover != kNoCover ? 3 : 4;
        break;

    case 3: { // A cover that matches the software mode is the one to change; otherwise the
              // hardware was changed already and only its type is to be confirmed.
        if (!m_pApp) break;
        const int mode = m_pApp->GetSourceMode();
        if (!ReadCover(cover)) break;
        const bool agree = (cover == kApiCone && mode == CMaldiAppInterface::SourceModeApi) ||
                           (cover == kMaldiCoverCap && mode == CMaldiAppInterface::SourceModeMaldi);
        m_nSwapStep = agree ? 4 : 14;
        break;
    }

    // --- open the source, isolate the probe, remove the cover ----------------------------------------
    case 4:
        EnableStepButtons(false, false);
        Show("Open Source", "Remove the source front, plumbing and open the side window.");
        m_nSwapStep = 5;
        break;

    case 5:
        if (!ReadFront(front)) break;
        if (front == kSourceOpen) m_nSwapStep = 6;
        break;

    case 6: // Goes on whether or not the command could be written.
        Property::SendCommand(m_pControl, Property::UnloadProbeCommand);
        Show("Unloading", "Probe moving to isolate position.");
        m_nSwapStep = 7;
        break;

    case 7:
        if (!RefreshHardwareProbeStates()) break;
        if (m_nProbeState == kProbeIsolated) m_nSwapStep = 8;
        break;

    case 8: // Goes on even when the cover cannot be read.
        if (ReadCover(cover)) {
            if (cover == kApiCone) Show("Remove Cone", "Remove the API cone.");
            if (cover == kMaldiCoverCap) Show("Remove Cover", "Remove the MALDI cover cap.");
        }
        m_nSwapStep = 9;
        break;

    case 9:
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) m_nSwapStep = 10;
        break;

    // --- fit a cover, check the pressure, confirm its type -------------------------------------------
    case 10:
        EnableStepButtons(false, false);
        Show("Fit Sample Cover", "Fit either sample cover. The type will be auto detected.");
        m_nSwapStep = 11;
        break;

    case 11:
        if (!ReadCover(cover)) break;
        if (IsFitted(cover)) m_nSwapStep = 12;
        break;

    case 12:
        Show("Pressure Check", "Checking the backing pressure to determine which sample cover is fitted.");
        m_nPressureCheckTicks = 0;
        m_nSwapStep = 13;
        break;

    case 13: // The instrument tells the cover type by the backing pressure.
        ++m_nPressureCheckTicks;
        if (m_nPressureCheckTicks >= kPressureCheckTicks) m_nSwapStep = 14;
        break;

    case 14: // Goes on even when the cover cannot be read.
        if (ReadCover(cover)) {
            if (cover == kApiCone) {
                Show("Confirm API", "Press Next Step arrow to confirm API mode. Press Prev Step arrow to go back "
                                    "and change cover type.");
                EnableStepButtons(true, true);
            } else if (cover == kMaldiCoverCap) {
                Show("Confirm MALDI", "Press Next Step arrow to confirm MALDI mode. Press Prev Step arrow to go "
                                      "back and change cover type.");
                EnableStepButtons(true, true);
            }
        }
        m_nSwapStep = 15;
        break;

    case 15: // The operator answers with a step button (ProcessCommand).
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) m_nSwapStep = 10;
        break;

    // --- isolate the probe, close the source ---------------------------------------------------------
    case 16:
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) {
            m_nSwapStep = 10;
            break;
        }
        if (!RefreshHardwareProbeStates()) break;
        if (m_nProbeState == kProbeIsolated) {
            m_nSwapStep = 19;
        } else {
            Property::SendCommand(m_pControl, Property::UnloadProbeCommand);
            Show("Unloading", "Probe moving to isolate position.");
            m_nSwapStep = 17;
        }
        break;

    case 17:
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) {
            m_nSwapStep = 10;
            break;
        }
        Show("Unloading", "Probe moving to isolate position.");
        m_nSwapStep = 18;
        break;

    case 18:
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) {
            m_nSwapStep = 10;
            break;
        }
        if (!RefreshHardwareProbeStates()) break;
        if (m_nProbeState == kProbeIsolated) {
            Show("Unloaded", "Probe at the isoltation position.");
            m_nSwapStep = 19;
        }
        break;

    case 19: // Relies on the probe state stored by the steps before.
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) {
            m_nSwapStep = 10;
            break;
        }
        if (m_nProbeState == kProbeIsolated) {
            Show("Close Source", "Replace the source front, plumbing and close the side window");
            m_nSwapStep = 20;
        }
        break;

    case 20:
        if (!ReadCover(cover)) break;
        if (cover == kNoCover) {
            m_nSwapStep = 10;
            break;
        }
        if (!ReadFront(front)) break;
        if (front == kSourceClosed) m_nSwapStep = 21;
        break;

    // --- drive the probe in, confirm the new mode ----------------------------------------------------
    case 21: // Goes on whether or not the command could be written.
        if (!ReadFront(front)) break;
        if (front == kSourceOpen) {
            m_nSwapStep = 4;
            break;
        }
        if (!ReadCover(cover)) break;
        if (cover == kApiCone) Property::SendCommand(m_pControl, Property::EsProbeModeCommand);
        if (cover == kMaldiCoverCap) Property::SendCommand(m_pControl, Property::LoadProbeCommand);
        if (IsFitted(cover)) m_nSwapStep = 22;
        break;

    case 22: // Until the probe is ready at the position of the fitted source.
        if (!ReadFront(front)) break;
        if (front == kSourceOpen) {
            m_nSwapStep = 4;
            break;
        }
        if (!RefreshHardwareProbeStates()) break;
        if (m_nProbeState == kProbeLoadingMaldi) {
            Show("Loading MALDI", "Probe moving to MALDI index position.");
        } else if (m_nProbeState == kProbeAtMaldi && m_nProbeSubStep == 0) {
            Show("MALDI Ready", "Press Next Step arrow to set the software mode, and close this window. If swapped "
                                "from API, plate will then index to A1 position.");
            m_nTargetSourceMode = CMaldiAppInterface::SwapToMaldi;
            m_nSwapStep = 23;
        } else if (m_nProbeState == kProbeApi && m_nProbeSubStep == kProbeApiReadySubStep) {
            Show("API Ready", "Press Next Step arrow to set the software mode and close this window.");
            m_nTargetSourceMode = CMaldiAppInterface::SwapToApi;
            m_nSwapStep = 23;
        } else if (m_nProbeState == kProbeApi) {
            Show("Loading API", "Probe moving to API throttle position.");
        }
        break;

    case 23:
        EnableStepButtons(false, true);
        m_nSwapStep = 24;
        break;

    case 24: // The operator confirms with "Next Step" (ProcessCommand).
        if (!ReadFront(front)) break;
        if (front == kSourceOpen) m_nSwapStep = 4;
        break;

    default:
        break;
    }
}

// A step button: "Prev Step" (next = false), "Next Step" or the thermometer (next = true).
void CMaldiProbeSwapControlDlg::ProcessCommand(bool next)
{
    switch (m_nSwapStep) {
    case 0: // Either button overrides the interlock: lower the set point and go on at once.
        if (!Property::IsKnown(Property::SourceTemperatureSetting)) return;
        Property::WriteSetting(m_pControl, Property::SourceTemperatureSetting, kOverrideSetPoint);
        Property::SetLastTransfer(Property::SourceTemperatureSetting, kOverrideSetPoint);
        m_nTemperatureStatus = kTemperatureOverridden;
        m_nSwapStep = 1;
        break;

    case 15: // Confirm the fitted cover, or go back to change it.
        m_nSwapStep = next ? 16 : 4;
        EnableStepButtons(false, false);
        break;

    case 24: // Set the software mode and close.
        ProbeSwapComplete();
        UpdateData(FALSE);
        OnCancel();
        EnableStepButtons(false, false);
        break;

    default:
        break;
    }
}

void CMaldiProbeSwapControlDlg::ProbeSwapComplete()
{
    if (m_pApp) m_pApp->SourceSwapComplete(m_nTargetSourceMode);
}

bool CMaldiProbeSwapControlDlg::RefreshHardwareProbeStates()
{
    BYTE status = 0;
    BYTE previous = 0;
    if (!Property::ReadStatus(Property::ProbeStateStatus, status) ||
        !Property::ReadStatus(Property::ProbePreviousState, previous)) {
        return false;
    }
    m_nProbeState = Property::ProbeState(status);
    m_nProbeSubStep = Property::ProbeSubStep(status);
    m_nProbePreviousState = previous;
    return true;
}

void CMaldiProbeSwapControlDlg::Show(LPCTSTR title, LPCTSTR instruction)
{
    DisplayProgressBarMessage(title);
    DisplayStatusMessage(instruction);
}

void CMaldiProbeSwapControlDlg::ShowTemperatureTexts()
{
    switch (m_nTemperatureStatus) {
    case kTemperatureOk:
        Show("Temperature Ok", "Source temperature is below 45\xB0" "C. Follow the instructions in the message box "
                               "to swap the source.");
        break;
    case kTemperatureHot:
        Show("Temperature!", "Source Temp above 45\xB0" "C. Probe swap suspended until source cools or interlock is "
                             "overridden. Press thermometer button to override and continue.");
        break;
    case kTemperatureOverridden:
        Show("Temperature!", "Reducing temperature. Interlock overridden.");
        break;
    default: // not yet known: nothing to say
        break;
    }
}
