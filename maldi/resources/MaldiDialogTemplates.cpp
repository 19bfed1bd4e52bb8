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
#include "platform/framework/WinUser.h"

using namespace maldi::res;

namespace {

// Styles shared by the templates.
[[maybe_unused]] constexpr DWORD kToolWindowStyle =
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
[[maybe_unused]] constexpr DWORD kIconButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;

// --- 1. Tool windows ----------------------------------------------------------------------------------

// --- 2. Scan function and settings dialogs ----------------------------------------------------------

// --- 3. Experiment sheet pages ------------------------------------------------------------------------

// --- 4. Plate tools -----------------------------------------------------------------------------------

} // namespace

std::vector<DialogTemplate> MaldiDialogTemplates::Templates()
{
    return {};
}
