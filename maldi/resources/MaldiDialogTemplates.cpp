// Dialog templates of the library, one section per window.
//
// Index (template id, caption, window):
//   1. Tool windows
//      14142 "Maldi Acquisition"    CMaldiAcquireControlDlg
//      14194 "Maldi Acquisition"    CMaldiCrossAcquireControlDlg
//      14146 "Swap Source"          CMaldiProbeSwapControlDlg
//      14144 "ESI Probe Adjust"     CESIProbeControlDlg
//      147   "Spatial Calibration"  CPlateCalibrationSetupDialog
//   2. Scan function and settings dialogs
//   3. Experiment sheet pages
//   4. Plate tools
//      14196 "PatternEditor"        CPatternEditorDlg
//
// To add a window's template: write a function `DialogTemplate <name>()` in its section (rectangles
// in dialog units of the template font, controls in tab order), list it in the index above and
// append it to Templates() at the bottom. Ids are in MaldiResourceIds.h.

#include "maldi/resources/MaldiDialogTemplates.h"

#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/ProgressControl.h"
#include "platform/framework/WinUser.h"

using namespace maldi::res;

namespace {

// Styles shared by the templates.
[[maybe_unused]] constexpr DWORD kToolWindowStyle =
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
[[maybe_unused]] constexpr DWORD kIconButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;

// --- 1. Tool windows ----------------------------------------------------------------------------------

// "Swap Source": the temperature row, the "Probe Control" group (step buttons, expand button,
// position indicator) and, below it, the status log that contracting folds away (124 pixels).
DialogTemplate probeSwapControl()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD progress = child | WS_BORDER | PBS_SMOOTH;
    constexpr DWORD statusLog =
        child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    return DialogTemplate{
        IDD_PROBE_SWAP_CONTROL, "Swap Source", kToolWindowStyle, 0, 20, 20, 118, 202, "MS Sans Serif", 8,
        {
            {static_cast<int>(IDI_THERMOMETER), "Button", "", kIconButton, 0, 13, 16, 29, 26},
            {static_cast<int>(IDC_SOURCE_TEMPERATURE), "msctls_progress32", "", progress, 0, 51, 19, 51, 19},
            {IDC_STATIC, "Button", "", child | BS_GROUPBOX, 0, 7, 8, 104, 39},
            {IDC_STATIC, "Button", "Probe Control", child | BS_GROUPBOX, 0, 7, 50, 104, 69},
            {static_cast<int>(IDI_PREVIOUS), "Button", "", kIconButton, 0, 13, 63, 29, 26},
            {static_cast<int>(IDI_EXPAND_INFORMATION), "Button", "", kIconButton, 0, 44, 63, 29, 26},
            {static_cast<int>(IDI_NEXT), "Button", "", kIconButton, 0, 75, 63, 29, 26},
            {static_cast<int>(IDC_PROBE_POSITION), "msctls_progress32", "", progress, 0, 13, 95, 91, 14},
            {static_cast<int>(IDC_SWAP_STATUS_LOG), "Edit", "", statusLog, 0, 7, 126, 103, 69},
        }};
}

// "ESI Probe Adjust": home, save and exit in an uncaptioned group with the expand button beside
// it; the "Probe Control" group (in, stop, out, position indicator); below them the "Step Size"
// radio buttons, the part that contracting folds away (60 pixels: the group starts 5 pixels below
// the contracted window's bottom, the controls above end 5 pixels above it).
DialogTemplate esiProbeControl()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD progress = child | WS_BORDER | PBS_SMOOTH;
    constexpr DWORD radio = child | BS_AUTORADIOBUTTON;
    return DialogTemplate{
        IDD_ESI_PROBE_CONTROL, "ESI Probe Adjust", kToolWindowStyle, 0, 20, 20, 150, 152, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "", child | BS_GROUPBOX, 0, 7, 8, 104, 39},
            {static_cast<int>(IDI_HOME), "Button", "", kIconButton, 0, 13, 16, 29, 26},
            {static_cast<int>(IDI_SAVE_POSITION), "Button", "", kIconButton, 0, 44, 16, 29, 26},
            {static_cast<int>(IDI_EXIT), "Button", "", kIconButton, 0, 75, 16, 29, 26},
            {static_cast<int>(IDI_EXPAND_DIALOG), "Button", "", kIconButton, 0, 114, 16, 29, 26},
            {IDC_STATIC, "Button", "Probe Control", child | BS_GROUPBOX, 0, 7, 50, 136, 62},
            {static_cast<int>(IDI_PREVIOUS), "Button", "", kIconButton, 0, 13, 63, 29, 26},
            {static_cast<int>(IDI_STOP), "Button", "", kIconButton, 0, 60, 63, 29, 26},
            {static_cast<int>(IDI_NEXT), "Button", "", kIconButton, 0, 108, 63, 29, 26},
            {static_cast<int>(IDC_SOURCE_POSITION), "msctls_progress32", "Progress1", progress, 0, 13, 94, 124, 13},
            {IDC_STATIC, "Button", "Step Size", child | BS_GROUPBOX, 0, 7, 118, 136, 28},
            {static_cast<int>(IDC_STEP_SIZE_ONE), "Button", "1", radio | WS_GROUP | WS_TABSTOP, 0, 23, 130, 25, 10},
            {static_cast<int>(IDC_STEP_SIZE_FIVE), "Button", "5", radio, 0, 64, 130, 25, 10},
            {static_cast<int>(IDC_STEP_SIZE_FIFTY), "Button", "50", radio, 0, 105, 130, 25, 10},
        }};
}

// --- 2. Scan function and settings dialogs ----------------------------------------------------------

// --- 3. Experiment sheet pages ------------------------------------------------------------------------

// --- 4. Plate tools -----------------------------------------------------------------------------------

} // namespace

std::vector<DialogTemplate> MaldiDialogTemplates::Templates()
{
    return {probeSwapControl(), esiProbeControl()};
}
