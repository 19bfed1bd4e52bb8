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
//      "Maldi MS Scan"              CMaldiMSAcqFunctionSetupDialog ("Maldi MS")
//      12528 "Maldi MSMS Scan"      CMaldiMSMSAcqFunctionSetupDialog ("Maldi MSMS")
//      14186 "Maldi Settings"       CMaldiESISettingsDialog
//      14187 "Maldi Settings"       CMaldiSettingsDialog
//   3. Experiment sheet pages
//      "Survey"                     CMaldiSurveyPage
//      "MS to MSMS "                CMaldiSurveyMSToMSMSPage
//      "MSMS Switch"                CMaldiSurveyMSMSToMSPage
//      "MSMS Template"              CMaldiSurveyTemplatePage
//      "Laser"                      CMaldiSurveyLaserPage
//      121 "Acqusition Template"    CMaldiMSMSSwitchTemplatePage
//      124 "Lock Mass"              CMaldiMSMSSwitchLockMassPage
//      128 "Scan Conditions"        CMaldiMSMSSwitchScanConditionsPage
//      122 "MS/MS Mass"             CMaldiMSMSSwitchMassPage
//      125 "Set Mass"               CMaldiSetMassDialog (opened by the "MS/MS Mass" page)
//      127 "Collision Energy"       CMaldiMSMSSwitchCollisionEnergyPage
//   4. Plate tools
//      14196 "PatternEditor"        CPatternEditorDlg
//      10146 "Plate Geometry"       CProbeGeometryView (page of CMaldiProbeSheet)
//      10147 "Spatial Calibration"  CProbeSpatialView (page of CMaldiProbeSheet)
//
// To add a window's template: write a function `DialogTemplate <name>()` in its section (rectangles
// in dialog units of the template font, controls in tab order), list it in the index above and
// append it to Templates() at the bottom. Each window's ids are in a header named after it
// (Maldi<window>Ids.h), which MaldiResourceIds.h includes. The collision energy range dialog's
// template is the experiment-page library's (ids in MaldiCERangeIds.h).

#include "maldi/resources/MaldiDialogTemplates.h"

#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/CommCtrl.h"
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
        child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY;
    return DialogTemplate{
        IDD_PROBE_SWAP_CONTROL, "Swap Source", kToolWindowStyle, 0, 20, 20, 118, 202, "MS Sans Serif", 8,
        {
            {static_cast<int>(IDI_THERMOMETER), "Button", "", kIconButton, 0, 13, 16, 29, 26},
            {static_cast<int>(IDC_SOURCE_TEMPERATURE), "msctls_progress32", "Progress1", progress, 0, 51, 19, 51, 19},
            {IDC_STATIC, "Button", "", child | BS_GROUPBOX, 0, 7, 8, 104, 39},
            {IDC_STATIC, "Button", "Probe Control", child | BS_GROUPBOX, 0, 7, 50, 104, 69},
            {static_cast<int>(IDI_PREVIOUS), "Button", "", kIconButton, 0, 13, 63, 29, 26},
            {static_cast<int>(IDI_EXPAND_INFORMATION), "Button", "", kIconButton, 0, 44, 63, 29, 26},
            {static_cast<int>(IDI_NEXT), "Button", "", kIconButton, 0, 75, 63, 29, 26},
            {static_cast<int>(IDC_PROBE_POSITION), "msctls_progress32", "Progress1", progress, 0, 13, 95, 91, 14},
            {static_cast<int>(IDC_SWAP_STATUS_LOG), "Edit", "", statusLog, 0, 7, 126, 103, 69},
        }};
}

// "Maldi Acquisition": laser, pause and stop in an uncaptioned group; the "Plate Control" group
// (previous, plate stop, next, lock mass, expand, spot progress); below them the "Control" group
// (collision energy, plate speed), the part that contracting folds away (108 pixels: the client
// area is 260 pixels high, so the fold lies at 152 pixels, between the plate group's bottom at 150
// and the control group's top at 153).
DialogTemplate acquireControl()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD progress = child | WS_BORDER | PBS_SMOOTH;
    return DialogTemplate{
        IDD_ACQUIRE_CONTROL, "Maldi Acquisition", kToolWindowStyle, 0, 20, 20, 150, 160, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "", child | BS_GROUPBOX, 0, 4, 2, 142, 32},
            {static_cast<int>(IDI_FIRE_LASER), "Button", "", kIconButton, 0, 9, 9, 24, 22},
            {static_cast<int>(IDI_PAUSE), "Button", "", kIconButton, 0, 36, 9, 24, 22},
            {static_cast<int>(IDI_STOP_ACQUISITION), "Button", "", kIconButton, 0, 63, 9, 24, 22},
            {IDC_STATIC, "Button", "Plate Control", child | BS_GROUPBOX, 0, 4, 36, 142, 56},
            {static_cast<int>(IDI_PREVIOUS), "Button", "", kIconButton, 0, 9, 46, 24, 22},
            {static_cast<int>(IDI_STOP), "Button", "", kIconButton, 0, 36, 46, 24, 22},
            {static_cast<int>(IDI_NEXT), "Button", "", kIconButton, 0, 63, 46, 24, 22},
            {static_cast<int>(IDI_LOCK_MASS), "Button", "", kIconButton, 0, 90, 46, 24, 22},
            {static_cast<int>(IDI_EXPAND_DIALOG), "Button", "", kIconButton, 0, 117, 46, 24, 22},
            {static_cast<int>(IDC_PLATE_SPOT_PROGRESS), "msctls_progress32", "Progress1", progress, 0, 9, 73, 132, 14},
            {IDC_STATIC, "Button", "Control", child | BS_GROUPBOX, 0, 4, 95, 142, 60},
            {IDC_STATIC, "Static", "CE", child | SS_LEFT, 0, 10, 110, 16, 8},
            {static_cast<int>(IDC_COLLISION_ENERGY), "Edit", "", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0,
             30, 108, 44, 12},
            {IDC_STATIC, "Static", "Speed", child | SS_LEFT, 0, 10, 133, 22, 8},
            {static_cast<int>(IDC_SPEED_SLIDER), "msctls_trackbar32", "", child | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
             0, 34, 128, 92, 18},
            {static_cast<int>(IDC_SPEED_TEXT), "Static", "1", child | SS_LEFT, 0, 130, 133, 10, 8},
        }};
}

// "Maldi Acquisition" with a crosshair: laser, pause and stop in an uncaptioned group; the "Plate
// Control" group (the tracker, lock mass, expand); below them the "Control" group (collision
// energy), the part that contracting folds away (73 pixels: the client area is 296 pixels high, so
// the fold lies at 223 pixels, between the plate group's bottom at 219 and the control group's top
// at 226).
DialogTemplate crossAcquireControl()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    return DialogTemplate{
        IDD_CROSS_ACQUIRE_CONTROL, "Maldi Acquisition", kToolWindowStyle, 0, 20, 20, 150, 182, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "", child | BS_GROUPBOX, 0, 4, 2, 142, 32},
            {static_cast<int>(IDI_FIRE_LASER), "Button", "", kIconButton, 0, 9, 9, 24, 22},
            {static_cast<int>(IDI_PAUSE), "Button", "", kIconButton, 0, 36, 9, 24, 22},
            {static_cast<int>(IDI_STOP_ACQUISITION), "Button", "", kIconButton, 0, 63, 9, 24, 22},
            {IDC_STATIC, "Button", "Plate Control", child | BS_GROUPBOX, 0, 4, 36, 142, 99},
            {static_cast<int>(IDC_TRACKER), "Tracker", "", child | WS_TABSTOP, 0, 9, 46, 90, 84},
            {static_cast<int>(IDI_LOCK_MASS), "Button", "", kIconButton, 0, 114, 46, 24, 22},
            {static_cast<int>(IDI_EXPAND_DIALOG), "Button", "", kIconButton, 0, 114, 72, 24, 22},
            {IDC_STATIC, "Button", "Control", child | BS_GROUPBOX, 0, 4, 139, 142, 36},
            {IDC_STATIC, "Static", "CE", child | SS_LEFT, 0, 10, 156, 16, 8},
            {static_cast<int>(IDC_CROSS_COLLISION_ENERGY), "Edit", "",
             child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 30, 154, 44, 12},
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

// "Spatial Calibration": the two hole grids in frames side by side; the "Calibration Settings"
// group (the three search settings, the check box, Start and Close in a frame, the status row with
// the expand button); below it the two hit lists, the part that contracting folds away (185
// pixels). An overlapped window, shown only by DisplayWindow. The grids' window class is the
// calibration grid library's (CalibrationGridControl::kClassName).
DialogTemplate plateCalibration()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD frame = child | SS_ETCHEDFRAME;
    constexpr DWORD label = child | SS_LEFT;
    constexpr DWORD edit = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD hitList = child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    constexpr DWORD push = child | WS_TABSTOP | BS_PUSHBUTTON;
    return DialogTemplate{
        IDD_PLATE_CALIBRATION, "Spatial Calibration", DS_SETFONT | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
        345, 375, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Static", "Hits on Calibration Hole 1 (Top Left)", label, 0, 29, 8, 113, 8},
            {IDC_STATIC, "Static", "Hit on Calibration Hole 2 (Bottom Right)", label, 0, 194, 8, 124, 8},
            {IDC_STATIC, "Static", "", frame, 0, 6, 16, 163, 112},
            {IDC_STATIC, "Static", "", frame, 0, 175, 16, 163, 112},
            {static_cast<int>(IDC_CALIBRATION_HOLE1_GRID), "MaldiCalibrationGrid", "", child, 0, 8, 22, 158, 103},
            {static_cast<int>(IDC_CALIBRATION_HOLE2_GRID), "MaldiCalibrationGrid", "", child, 0, 177, 22, 158, 103},
            {IDC_STATIC, "Button", "Calibration Settings", child | BS_GROUPBOX, 0, 6, 132, 332, 121},
            {IDC_STATIC, "Static", "Search Step (mm)", label, 0, 15, 155, 72, 8},
            {static_cast<int>(IDC_CALIBRATION_SEARCH_STEP), "Edit", "", edit, 0, 91, 152, 40, 14},
            {IDC_STATIC, "Static", "Delay per Row (ms)", label, 0, 15, 173, 72, 8},
            {static_cast<int>(IDC_CALIBRATION_ROW_DELAY), "Edit", "", edit, 0, 91, 170, 40, 14},
            {IDC_STATIC, "Static", "Search Window\n( row x cols)", label, 0, 15, 187, 72, 16},
            {static_cast<int>(IDC_CALIBRATION_SEARCH_WINDOW), "Edit", "", edit | ES_NUMBER, 0, 91, 188, 40, 14},
            {static_cast<int>(IDC_CALIBRATION_USE_INITIAL), "Button", "Use Calibration Initial Conditions",
             child | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 91, 211, 128, 10},
            {IDC_STATIC, "Static", "", frame, 0, 186, 156, 123, 34},
            {static_cast<int>(IDC_CALIBRATION_START), "Button", "&Start", push, 0, 196, 168, 50, 14},
            {IDCANCEL, "Button", "&Close", push, 0, 250, 168, 50, 14},
            {IDC_STATIC, "Static", "Status:", label, 0, 15, 233, 23, 8},
            {static_cast<int>(IDC_CALIBRATION_STATUS), "Static", "Ready", label | WS_BORDER, 0, 40, 232, 271, 12},
            {static_cast<int>(IDI_EXPAND_DIALOG), "Button", "", kIconButton, 0, 317, 231, 12, 14},
            {static_cast<int>(IDC_CALIBRATION_HOLE1_LIST), "Edit", "", hitList, 0, 6, 267, 165, 101},
            {static_cast<int>(IDC_CALIBRATION_HOLE2_LIST), "Edit", "", hitList, 0, 173, 267, 165, 101},
        }};
}

// --- 2. Scan function and settings dialogs ----------------------------------------------------------

// "Maldi MS": the mass range and scan duration side by side, the acquisition time beside the
// method, then the laser and the probe motion; OK and Cancel below. The firing-rate list is filled
// by the dialog; the other lists too (a template holds no list contents).
DialogTemplate maldiMSScan()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD group = child | BS_GROUPBOX;
    constexpr DWORD label = child | SS_LEFT;
    constexpr DWORD edit = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD digits = edit | ES_NUMBER;
    constexpr DWORD list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    constexpr DWORD button = child | WS_TABSTOP | BS_PUSHBUTTON;
    return DialogTemplate{
        IDD_MALDI_MS_SCAN, "Maldi MS", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
        320, 224, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "Mass Range (m/z)", group, 0, 7, 7, 150, 50},
            {IDC_STATIC, "Static", "&Start", label, 0, 15, 22, 66, 8},
            {static_cast<int>(IDC_MS_START_MASS), "Edit", "", edit | WS_GROUP, 0, 87, 20, 60, 14},
            {IDC_STATIC, "Static", "En&d", label, 0, 15, 40, 66, 8},
            {static_cast<int>(IDC_MS_END_MASS), "Edit", "", edit, 0, 87, 38, 60, 14},

            {IDC_STATIC, "Button", "Scan Duration (secs)", group, 0, 163, 7, 150, 50},
            {IDC_STATIC, "Static", "Sca&n Time", label, 0, 171, 22, 70, 8},
            {static_cast<int>(IDC_MS_SCAN_TIME), "Edit", "", edit, 0, 245, 20, 60, 14},
            {IDC_STATIC, "Static", "Inter-Scan Dela&y", label, 0, 171, 40, 70, 8},
            {static_cast<int>(IDC_MS_INTER_SCAN_DELAY), "Edit", "", edit, 0, 245, 38, 60, 14},

            {IDC_STATIC, "Button", "Acquisition Time (secs)", group, 0, 7, 61, 150, 86},
            {static_cast<int>(IDC_USE_LOCK_MASS), "Button", "Use Loc&k Mass", child | WS_TABSTOP | BS_AUTOCHECKBOX,
             0, 15, 75, 80, 10},
            {IDC_STATIC, "Static", "&Lock Mass Time", label, 0, 15, 93, 66, 8},
            {static_cast<int>(IDC_LOCK_MASS_TIME), "Edit", "", digits, 0, 87, 91, 60, 14},
            {IDC_STATIC, "Static", "&Sample Time", label, 0, 15, 111, 66, 8},
            {static_cast<int>(IDC_MS_SAMPLE_TIME), "Edit", "", digits, 0, 87, 109, 60, 14},
            {IDC_STATIC, "Static", "&Total Time", label, 0, 15, 129, 66, 8},
            {static_cast<int>(IDC_MS_TOTAL_TIME), "Edit", "", edit | WS_DISABLED, 0, 87, 127, 60, 14},

            {IDC_STATIC, "Button", "Method", group, 0, 163, 61, 150, 86},
            {IDC_STATIC, "Static", "Ioni&zation Mode", label, 0, 171, 77, 70, 8},
            {static_cast<int>(IDC_MS_ION_MODE), "ComboBox", "", list, 0, 245, 75, 60, 50},
            {IDC_STATIC, "Static", "D&ata", label, 0, 171, 95, 70, 8},
            {static_cast<int>(IDC_MS_DATA_FORMAT), "ComboBox", "", list | CBS_SORT, 0, 245, 93, 60, 60},
            {IDC_STATIC, "Static", "Scans To S&um", label, 0, 171, 113, 70, 8},
            {static_cast<int>(IDC_MS_SCANS_TO_SUM), "Edit", "", edit, 0, 245, 111, 60, 14},

            {IDC_STATIC, "Button", "Laser", group, 0, 7, 151, 150, 50},
            {IDC_STATIC, "Static", "&Firing Rate (Hz)", label, 0, 15, 167, 66, 8},
            {static_cast<int>(IDC_LASER_FIRING_RATE), "ComboBox", "", list, 0, 87, 165, 60, 90},

            {IDC_STATIC, "Button", "Probe Motion", group, 0, 163, 151, 150, 50},
            {IDC_STATIC, "Static", "&Pattern Type", label, 0, 171, 167, 50, 8},
            {static_cast<int>(IDC_MS_PATTERN_FILE), "Edit", "", edit, 0, 223, 165, 66, 14},
            {static_cast<int>(IDC_MS_PATTERN_BROWSE), "Button", "...", button, 0, 291, 165, 14, 14},
            {IDC_STATIC, "Static", "P&late Speed (Hz)", label, 0, 171, 185, 70, 8},
            {static_cast<int>(IDC_PLATE_SPEED), "ComboBox", "", list, 0, 245, 183, 60, 110},

            {IDOK, "Button", "&OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 199, 206, 50, 14},
            {IDCANCEL, "Button", "&Cancel", button, 0, 257, 206, 50, 14},
        }};
}

// "Maldi MSMS": as "Maldi MS" with the set mass in the mass range and a "Collision Energy" group;
// rows of paired groups: mass range | scan duration, acquisition time | method, collision energy |
// probe motion, then the laser beside OK and Cancel.
DialogTemplate maldiMSMSScan()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD group = child | BS_GROUPBOX;
    constexpr DWORD label = child | SS_LEFT;
    constexpr DWORD edit = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD digits = edit | ES_NUMBER;
    constexpr DWORD list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    constexpr DWORD button = child | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD check = child | WS_TABSTOP | BS_AUTOCHECKBOX;
    return DialogTemplate{
        IDD_MALDI_MSMS_SCAN, "Maldi MSMS", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
        320, 262, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "Mass Range (m/z)", group, 0, 7, 7, 150, 68},
            {IDC_STATIC, "Static", "&Start", label, 0, 15, 22, 66, 8},
            {static_cast<int>(IDC_MSMS_START_MASS), "Edit", "", edit | WS_GROUP, 0, 87, 20, 60, 14},
            {IDC_STATIC, "Static", "En&d", label, 0, 15, 40, 66, 8},
            {static_cast<int>(IDC_MSMS_END_MASS), "Edit", "", edit, 0, 87, 38, 60, 14},
            {IDC_STATIC, "Static", "Se&t Mass", label, 0, 15, 58, 66, 8},
            {static_cast<int>(IDC_MSMS_SET_MASS), "Edit", "", edit, 0, 87, 56, 60, 14},

            {IDC_STATIC, "Button", "Scan Duration (secs)", group, 0, 163, 7, 150, 68},
            {IDC_STATIC, "Static", "Sca&n Time", label, 0, 171, 22, 70, 8},
            {static_cast<int>(IDC_MSMS_SCAN_TIME), "Edit", "", edit, 0, 245, 20, 60, 14},
            {IDC_STATIC, "Static", "Inter-Scan Dela&y", label, 0, 171, 40, 70, 8},
            {static_cast<int>(IDC_MSMS_INTER_SCAN_DELAY), "Edit", "", edit, 0, 245, 38, 60, 14},

            {IDC_STATIC, "Button", "Acquition Time (secs)", group, 0, 7, 79, 150, 86},
            {static_cast<int>(IDC_USE_LOCK_MASS), "Button", "Use Loc&k Mass", check, 0, 15, 93, 80, 10},
            {IDC_STATIC, "Static", "&Lock Mass Time", label, 0, 15, 111, 66, 8},
            {static_cast<int>(IDC_LOCK_MASS_TIME), "Edit", "", digits, 0, 87, 109, 60, 14},
            {IDC_STATIC, "Static", "&Sample Time", label, 0, 15, 129, 66, 8},
            {static_cast<int>(IDC_MSMS_SAMPLE_TIME), "Edit", "", digits, 0, 87, 127, 60, 14},
            {IDC_STATIC, "Static", "&Total Time", label, 0, 15, 147, 66, 8},
            {static_cast<int>(IDC_MSMS_TOTAL_TIME), "Edit", "", edit | WS_DISABLED, 0, 87, 145, 60, 14},

            {IDC_STATIC, "Button", "Method", group, 0, 163, 79, 150, 86},
            {IDC_STATIC, "Static", "Ioni&zation Mode", label, 0, 171, 95, 70, 8},
            {static_cast<int>(IDC_MSMS_ION_MODE), "ComboBox", "", list, 0, 245, 93, 60, 50},
            {IDC_STATIC, "Static", "D&ata", label, 0, 171, 113, 70, 8},
            {static_cast<int>(IDC_MSMS_DATA_FORMAT), "ComboBox", "", list | CBS_SORT, 0, 245, 111, 60, 60},
            {IDC_STATIC, "Static", "Scans To S&um", label, 0, 171, 131, 70, 8},
            {static_cast<int>(IDC_MSMS_SCANS_TO_SUM), "Edit", "", edit, 0, 245, 129, 60, 14},

            {IDC_STATIC, "Button", "Collision Energy", group, 0, 7, 169, 150, 50},
            {static_cast<int>(IDC_MSMS_USE_TUNE_PAGE_CE), "Button", "Use Tune Pa&ge Setting", check, 0, 15, 183, 100,
             10},
            {IDC_STATIC, "Static", "C&ollision Energy (V)", label, 0, 15, 201, 70, 8},
            {static_cast<int>(IDC_MSMS_COLLISION_ENERGY), "Edit", "", edit, 0, 87, 199, 60, 14},

            {IDC_STATIC, "Button", "Probe Motion", group, 0, 163, 169, 150, 50},
            {IDC_STATIC, "Static", "&Pattern Type", label, 0, 171, 185, 50, 8},
            {static_cast<int>(IDC_MSMS_PATTERN_FILE), "Edit", "", edit, 0, 223, 183, 66, 14},
            {static_cast<int>(IDC_MSMS_PATTERN_BROWSE), "Button", "...", button, 0, 291, 183, 14, 14},
            {IDC_STATIC, "Static", "P&late Speed (Hz)", label, 0, 171, 203, 70, 8},
            {static_cast<int>(IDC_PLATE_SPEED), "ComboBox", "", list, 0, 245, 201, 60, 110},

            {IDC_STATIC, "Button", "Laser", group, 0, 7, 223, 150, 32},
            {IDC_STATIC, "Static", "&Firing Rate (Hz)", label, 0, 15, 239, 66, 8},
            {static_cast<int>(IDC_LASER_FIRING_RATE), "ComboBox", "", list, 0, 87, 237, 60, 90},

            {IDOK, "Button", "&OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 199, 241, 50, 14},
            {IDCANCEL, "Button", "&Cancel", button, 0, 257, 241, 50, 14},
        }};
}

// "Maldi Settings" without a choice of probe motion: the fixed laser pattern's name, then the
// "Laser" and "Plate" groups.
DialogTemplate maldiESISettings()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD group = child | BS_GROUPBOX;
    constexpr DWORD label = child | SS_LEFT;
    constexpr DWORD list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    return DialogTemplate{
        IDD_MALDI_ESI_SETTINGS, "Maldi Settings", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
        0, 0, 180, 122, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Static", "Laser Pattern", label, 0, 7, 9, 52, 8},
            {static_cast<int>(IDC_LASER_PATTERN_TYPE), "Edit", "", child | WS_BORDER | ES_AUTOHSCROLL | WS_DISABLED, 0,
             62, 7, 111, 14},
            {IDC_STATIC, "Button", "Laser", group, 0, 7, 27, 166, 32},
            {IDC_STATIC, "Static", "Firing Rate (Hz)", label, 0, 15, 41, 70, 8},
            {static_cast<int>(IDC_LASER_FIRING_RATE), "ComboBox", "", list | WS_GROUP, 0, 110, 39, 55, 90},
            {IDC_STATIC, "Button", "Plate", group, 0, 7, 63, 166, 32},
            {IDC_STATIC, "Static", "Speed (Hz)", label, 0, 15, 77, 70, 8},
            {static_cast<int>(IDC_PLATE_SPEED), "ComboBox", "", list, 0, 110, 75, 55, 110},
            {IDOK, "Button", "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 61, 101, 50, 14},
            {IDCANCEL, "Button", "Cancel", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 123, 101, 50, 14},
        }};
}

// "Maldi Settings" with the probe motion: cross hairs, or a pattern file chosen with "...".
DialogTemplate maldiSettings()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD group = child | BS_GROUPBOX;
    constexpr DWORD label = child | SS_LEFT;
    constexpr DWORD list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    constexpr DWORD radio = child | BS_AUTORADIOBUTTON;
    return DialogTemplate{
        IDD_MALDI_SETTINGS, "Maldi Settings", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
        180, 156, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "Probe Motion", group, 0, 7, 7, 166, 50},
            {static_cast<int>(IDC_USE_CROSS_HAIRS), "Button", "Cross Hairs", radio | WS_GROUP | WS_TABSTOP, 0, 15, 20,
             60, 10},
            {static_cast<int>(IDC_USE_PATTERN_FILE), "Button", "Pattern File", radio, 0, 15, 38, 55, 10},
            {static_cast<int>(IDC_SETTINGS_PATTERN_FILE), "Edit", "",
             child | WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, 0, 72, 36, 78, 14},
            {static_cast<int>(IDC_SETTINGS_PATTERN_BROWSE), "Button", "...", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 152,
             36, 14, 14},
            {IDC_STATIC, "Button", "Laser", group, 0, 7, 61, 166, 32},
            {IDC_STATIC, "Static", "Firing Rate (Hz)", label, 0, 15, 75, 70, 8},
            {static_cast<int>(IDC_LASER_FIRING_RATE), "ComboBox", "", list, 0, 110, 73, 55, 90},
            {IDC_STATIC, "Button", "Plate", group, 0, 7, 97, 166, 32},
            {IDC_STATIC, "Static", "Speed (Hz)", label, 0, 15, 111, 70, 8},
            {static_cast<int>(IDC_PLATE_SPEED), "ComboBox", "", list, 0, 110, 109, 55, 110},
            {IDOK, "Button", "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 61, 135, 50, 14},
            {IDCANCEL, "Button", "Cancel", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 123, 135, 50, 14},
        }};
}

// --- 3. Experiment sheet pages ------------------------------------------------------------------------

// Survey sheet pages: groups in two columns, a label at the group's left and its field 64 units in.
namespace survey {

constexpr DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_CAPTION;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroup = kChild | BS_GROUPBOX;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kDigits = kEdit | ES_NUMBER;
constexpr DWORD kList = kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;

// A labelled field on row y of a group starting at x.
void field(std::vector<DialogItem>& c, int x, int y, LPCTSTR label, UINT id, LPCTSTR cls, DWORD style,
           int height = 14)
{
    auto du = [](int v) { return static_cast<short>(v); };
    c.push_back({IDC_STATIC, "Static", label, kLabel, 0, du(x + 8), du(y + 2), 60, 8});
    c.push_back({static_cast<int>(id), cls, "", style, 0, du(x + 72), du(y), 50, du(height)});
}

} // namespace survey

// "Survey": mass range | scan duration, peak monitor | peak switch, acquisition time | method.
DialogTemplate surveyPage()
{
    using namespace survey;
    std::vector<DialogItem> c;
    c.push_back({IDC_STATIC, "Button", "Mass Range (m/z)", kGroup, 0, 7, 7, 130, 50});
    field(c, 7, 20, "&Start", IDC_SV_START_MASS, "Edit", kEdit | WS_GROUP);
    field(c, 7, 38, "En&d", IDC_SV_END_MASS, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Scan Duration (secs)", kGroup, 0, 143, 7, 130, 50});
    field(c, 143, 20, "Sca&n Time", IDC_SV_SCAN_TIME, "Edit", kEdit);
    field(c, 143, 38, "Inter-Scan Dela&y", IDC_SV_INTER_SCAN_DELAY, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Peak Monitor Mass Range (m/z)", kGroup, 0, 7, 61, 130, 68});
    field(c, 7, 74, "S&tart", IDC_SV_MONITOR_START, "Edit", kEdit);
    field(c, 7, 92, "&End", IDC_SV_MONITOR_END, "Edit", kEdit);
    field(c, 7, 110, "Threshold (counts)", IDC_SV_MONITOR_THRESHOLD, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Peak Switch Mass Range (m/z)", kGroup, 0, 143, 61, 130, 68});
    field(c, 143, 74, "Start", IDC_SV_SWITCH_START, "Edit", kEdit);
    field(c, 143, 92, "End", IDC_SV_SWITCH_END, "Edit", kEdit);
    field(c, 143, 110, "Threshold (counts)", IDC_SV_SWITCH_THRESHOLD, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Acquisition Time (secs)", kGroup, 0, 7, 133, 130, 86});
    c.push_back({static_cast<int>(IDC_USE_LOCK_MASS), "Button", "Use Loc&k Mass", kCheck, 0, 15, 147, 80, 10});
    field(c, 7, 163, "&Lock Mass Time", IDC_LOCK_MASS_TIME, "Edit", kDigits);
    field(c, 7, 181, "&Sample Time", IDC_SV_SAMPLE_TIME, "Edit", kDigits);
    field(c, 7, 199, "&Total Time", IDC_SV_TOTAL_TIME, "Edit", kEdit | WS_DISABLED);
    c.push_back({IDC_STATIC, "Button", "Method", kGroup, 0, 143, 133, 130, 50});
    field(c, 143, 146, "Ioni&zation Mode", IDC_SV_ION_MODE, "ComboBox", kList, 50);
    field(c, 143, 164, "D&ata", IDC_SV_DATA_FORMAT, "ComboBox", kList | CBS_SORT, 60);
    return DialogTemplate{IDD_SURVEY_PAGE, "Survey", kPageStyle, 0, 0, 0, 280, 226, "MS Sans Serif", 8, c};
}

// "MS to MSMS ": one group of switch criteria, the precursor selection below it.
DialogTemplate surveyMSToMSMSPage()
{
    using namespace survey;
    std::vector<DialogItem> c;
    c.push_back({IDC_STATIC, "Button", "MS to MSMS Switch Criteria", kGroup, 0, 7, 7, 266, 86});
    c.push_back({IDC_STATIC, "Static", "TIC Sum Threshold (counts)", kLabel, 0, 15, 22, 120, 8});
    c.push_back({static_cast<int>(IDC_SV_TIC_SUM_THRESHOLD), "Edit", "", kEdit | WS_GROUP, 0, 143, 20, 60, 14});
    c.push_back({IDC_STATIC, "Static", "MSMS Functions (1-8)", kLabel, 0, 15, 40, 120, 8});
    c.push_back({static_cast<int>(IDC_SV_MSMS_FUNCTIONS), "Edit", "", kEdit | WS_DISABLED, 0, 143, 38, 60, 14});
    c.push_back({IDC_STATIC, "Static", "Peaks to Switch on", kLabel, 0, 15, 58, 120, 8});
    c.push_back({static_cast<int>(IDC_SV_PEAKS_TO_SWITCH_ON), "Edit", "", kEdit, 0, 143, 56, 60, 14});
    c.push_back({IDC_STATIC, "Static", "Retention Time Window (s)", kLabel, 0, 15, 76, 120, 8});
    c.push_back({static_cast<int>(IDC_SV_RETENTION_WINDOW), "Edit", "", kEdit, 0, 143, 74, 60, 14});
    c.push_back({IDC_STATIC, "Button", "Precursor Selection", kGroup, 0, 7, 99, 266, 60});
    c.push_back({static_cast<int>(IDC_SV_EVERYTHING), "Button", "Everything", kRadio | WS_GROUP, 0, 15, 113, 200,
                 10});
    c.push_back({static_cast<int>(IDC_SV_INCLUDED_ONLY), "Button", "Included Masses only", kRadio, 0, 15, 127, 200,
                 10});
    c.push_back({static_cast<int>(IDC_SV_INCLUDED_PRIORITY), "Button", "Included Masses take Priority", kRadio, 0, 15,
                 141, 200, 10});
    return DialogTemplate{IDD_SURVEY_MS_TO_MSMS_PAGE, "MS to MSMS ", kPageStyle, 0, 0, 0, 280, 226, "MS Sans Serif",
                          8, c};
}

// "MSMS Switch": the threshold, then two ways back, each radio with its value beside it.
DialogTemplate surveyMSMSToMSPage()
{
    using namespace survey;
    std::vector<DialogItem> c;
    c.push_back({IDC_STATIC, "Button", "MSMS Switch Criteria", kGroup, 0, 7, 7, 266, 76});
    c.push_back({IDC_STATIC, "Static", "Intensity rising above Threshold (counts)", kLabel, 0, 15, 22, 150, 8});
    c.push_back({static_cast<int>(IDC_SV_INTENSITY_THRESHOLD), "Edit", "", kEdit | WS_GROUP, 0, 185, 20, 60, 14});
    c.push_back({static_cast<int>(IDC_SV_USE_MONITOR_WINDOW), "Button", "Monitor Window (% Less the Parent)",
                 kRadio | WS_GROUP, 0, 15, 42, 160, 10});
    c.push_back({static_cast<int>(IDC_SV_MONITOR_WINDOW), "Edit", "", kEdit, 0, 185, 40, 60, 14});
    c.push_back({static_cast<int>(IDC_SV_AFTER_TIME), "Button", "After Time (sec)", kRadio, 0, 15, 62, 160, 10});
    c.push_back({static_cast<int>(IDC_SV_SWITCH_BACK_TIME), "Edit", "", kEdit, 0, 185, 60, 60, 14});
    return DialogTemplate{IDD_SURVEY_MSMS_TO_MS_PAGE, "MSMS Switch", kPageStyle, 0, 0, 0, 280, 226, "MS Sans Serif",
                          8, c};
}

// "MSMS Template": the parameter file across the top, then mass range | scan duration, and the
// collision energy below.
DialogTemplate surveyTemplatePage()
{
    using namespace survey;
    std::vector<DialogItem> c;
    c.push_back({IDC_STATIC, "Button", "Instrument Parameter File", kGroup, 0, 7, 7, 266, 32});
    c.push_back({static_cast<int>(IDC_SV_USE_OWN_FILE), "Button", "File", kCheck | WS_GROUP, 0, 15, 21, 30, 10});
    c.push_back({static_cast<int>(IDC_SV_PARAMETER_FILE), "Edit", "", kEdit, 0, 49, 19, 170, 14});
    c.push_back({static_cast<int>(IDC_SV_PARAMETER_BROWSE), "Button", "&Browse", kButton, 0, 223, 19, 42, 14});
    c.push_back({IDC_STATIC, "Button", "Acquisition Mass Range (m/z)", kGroup, 0, 7, 45, 130, 50});
    field(c, 7, 58, "&Start Mass", IDC_SV_TEMPLATE_START_MASS, "Edit", kEdit);
    field(c, 7, 76, "Set Mass Offset", IDC_SV_SET_MASS_OFFSET, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Scan Duration (secs)", kGroup, 0, 143, 45, 130, 50});
    field(c, 143, 58, "Sca&n Time", IDC_SV_TEMPLATE_SCAN_TIME, "Edit", kEdit);
    field(c, 143, 76, "Inter-Scan Dela&y", IDC_SV_TEMPLATE_INTER_SCAN_DELAY, "Edit", kEdit);
    c.push_back({IDC_STATIC, "Button", "Collision Energy", kGroup, 0, 7, 101, 130, 50});
    c.push_back({static_cast<int>(IDC_SV_USE_TUNE_PAGE_CE), "Button", "Use Tune Page", kCheck, 0, 15, 115, 80, 10});
    field(c, 7, 131, "Collision Energy (V)", IDC_SV_COLLISION_ENERGY, "Edit", kEdit);
    return DialogTemplate{IDD_SURVEY_TEMPLATE_PAGE, "MSMS Template", kPageStyle, 0, 0, 0, 280, 226, "MS Sans Serif",
                          8, c};
}

// "Laser": probe motion, laser and centroid parameters, one group under the other across the page.
DialogTemplate surveyLaserPage()
{
    using namespace survey;
    std::vector<DialogItem> c;
    c.push_back({IDC_STATIC, "Button", "Probe Motion", kGroup, 0, 7, 7, 266, 50});
    c.push_back({IDC_STATIC, "Static", "Pattern Type", kLabel, 0, 15, 22, 60, 8});
    c.push_back({static_cast<int>(IDC_SV_PATTERN_FILE), "Edit", "", kEdit | WS_GROUP, 0, 79, 20, 170, 14});
    c.push_back({static_cast<int>(IDC_SV_PATTERN_BROWSE), "Button", "...", kButton, 0, 251, 20, 14, 14});
    c.push_back({IDC_STATIC, "Static", "Plate Speed (Hz)", kLabel, 0, 15, 40, 60, 8});
    c.push_back({static_cast<int>(IDC_PLATE_SPEED), "ComboBox", "", kList, 0, 79, 38, 50, 110});
    c.push_back({IDC_STATIC, "Button", "Laser", kGroup, 0, 7, 61, 266, 32});
    c.push_back({IDC_STATIC, "Static", "Firing Rate (Hz)", kLabel, 0, 15, 76, 60, 8});
    c.push_back({static_cast<int>(IDC_LASER_FIRING_RATE), "ComboBox", "", kList, 0, 79, 74, 50, 90});
    c.push_back({IDC_STATIC, "Button", "Centroid Parameters", kGroup, 0, 7, 97, 266, 104});
    c.push_back({IDC_STATIC, "Static", "1st Diff Width", kLabel, 0, 15, 112, 100, 8});
    c.push_back({static_cast<int>(IDC_SV_FIRST_DIFF_WIDTH), "Edit", "", kEdit, 0, 121, 110, 50, 14});
    c.push_back({IDC_STATIC, "Static", "2nd Diff Width", kLabel, 0, 15, 130, 100, 8});
    c.push_back({static_cast<int>(IDC_SV_SECOND_DIFF_WIDTH), "Edit", "", kEdit, 0, 121, 128, 50, 14});
    c.push_back({IDC_STATIC, "Static", "Minimum Points in Peak", kLabel, 0, 15, 148, 100, 8});
    c.push_back({static_cast<int>(IDC_SV_MIN_POINTS), "Edit", "", kEdit, 0, 121, 146, 50, 14});
    c.push_back({IDC_STATIC, "Static", "Minimum Peak Height", kLabel, 0, 15, 166, 100, 8});
    c.push_back({static_cast<int>(IDC_SV_MIN_HEIGHT), "Edit", "", kEdit, 0, 121, 164, 50, 14});
    c.push_back({static_cast<int>(IDC_SV_USE_PEAK_AREA), "Button", "Use Peak Area", kCheck, 0, 15, 184, 80, 10});
    return DialogTemplate{IDD_SURVEY_LASER_PAGE, "Laser", kPageStyle, 0, 0, 0, 280, 226, "MS Sans Serif", 8, c};
}

// MS/MS switch sheet pages: groups one under the other, a label at the group's left, its field and
// unit label to the right.
namespace msmsswitch {

using survey::kButton;
using survey::kCheck;
using survey::kDigits;
using survey::kEdit;
using survey::kGroup;
using survey::kLabel;
using survey::kList;
using survey::kPageStyle;
using survey::kRadio;

void add(std::vector<DialogItem>& c, UINT id, LPCTSTR cls, LPCTSTR text, DWORD style, int x, int y, int w, int h)
{
    c.push_back({static_cast<int>(id), cls, text, style, 0, static_cast<short>(x), static_cast<short>(y),
                 static_cast<short>(w), static_cast<short>(h)});
}
void label(std::vector<DialogItem>& c, LPCTSTR text, int x, int y, int w = 90)
{
    c.push_back({IDC_STATIC, "Static", text, kLabel, 0, static_cast<short>(x), static_cast<short>(y),
                 static_cast<short>(w), 8});
}

} // namespace msmsswitch

// "Acqusition Template": mass range, stop conditions, acquisition times.
DialogTemplate msmsSwitchTemplatePage()
{
    using namespace msmsswitch;
    std::vector<DialogItem> c;
    add(c, IDC_STATIC, "Button", "Acqusition Mass Range", kGroup, 7, 7, 266, 70);
    add(c, IDC_SW_AUTO_MASS_RANGE, "Button", "Automatic Mass Range", kRadio | WS_GROUP, 15, 19, 110, 10);
    add(c, IDC_SW_MANUAL_MASS_RANGE, "Button", "Manual Mass Range", kRadio, 140, 19, 110, 10);
    label(c, "&Start Mass", 15, 36, 70);
    add(c, IDC_SW_START_MASS, "Edit", "", kEdit | WS_GROUP, 90, 34, 50, 14);
    label(c, "m/z", 144, 36, 20);
    label(c, "Set Mass Offset", 15, 56, 70);
    add(c, IDC_SW_SET_MASS_OFFSET, "Edit", "", kEdit, 90, 54, 50, 14);
    label(c, "m/z", 144, 56, 20);
    add(c, IDC_SW_CONSERVE_PUSHER, "Button", "Conserve Pusher Frequency", kCheck, 166, 36, 104, 10);
    add(c, IDC_STATIC, "Button", "Stop each MS/MS when", kGroup, 7, 81, 266, 66);
    label(c, "Intensity rises above", 15, 96);
    add(c, IDC_SW_INTENSITY_THRESHOLD, "Edit", "", kEdit, 110, 94, 50, 14);
    label(c, "Counts", 164, 96, 60);
    add(c, IDC_SW_USE_NOT_CONSIDER_TOP, "Button", "Do not consider top", kCheck, 15, 113, 90, 10);
    add(c, IDC_SW_TOP_PERCENTAGE, "Edit", "", kEdit, 110, 111, 50, 14);
    label(c, "% of mass range", 164, 113, 80);
    add(c, IDC_SW_USE_COMPLETE_AFTER, "Button", "Complete after", kCheck, 15, 130, 90, 10);
    add(c, IDC_SW_COMPLETE_AFTER_TIME, "Edit", "", kEdit, 110, 128, 50, 14);
    label(c, "seconds regardless", 164, 130, 80);
    add(c, IDC_STATIC, "Button", "Times for Acquisition", kGroup, 7, 151, 266, 52);
    add(c, IDC_SW_AUTO_ACQ_TIME, "Button", "Automatic Acquisition Time", kRadio | WS_GROUP, 15, 163, 120, 10);
    add(c, IDC_SW_MANUAL_ACQ_TIME, "Button", "Manual Acquisition Time", kRadio, 140, 163, 120, 10);
    label(c, "Maximum Duration", 15, 182);
    add(c, IDC_SW_MAX_DURATION, "Edit", "", kDigits | WS_GROUP, 110, 180, 50, 14);
    label(c, "seconds", 164, 182, 40);
    return DialogTemplate{IDD_MSMS_SWITCH_TEMPLATE_PAGE, "Acqusition Template", kPageStyle, 0, 0, 0, 280, 226,
                          "MS Sans Serif", 8, c};
}

// "Lock Mass": the lock mass, when it stops, its collision energy.
DialogTemplate msmsSwitchLockMassPage()
{
    using namespace msmsswitch;
    std::vector<DialogItem> c;
    add(c, IDC_STATIC, "Button", "Lock Mass", kGroup, 7, 7, 266, 46);
    add(c, IDC_LM_USE_LOCK_MASS, "Button", "Use Lock Mass", kCheck, 15, 19, 80, 10);
    label(c, "MS/MS Mass for Lock Mass", 15, 36, 108);
    add(c, IDC_LM_LOCK_MASS, "Edit", "", kEdit, 125, 34, 50, 14);
    label(c, "m/z", 179, 36, 20);
    add(c, IDC_STATIC, "Button", "Stop Lock Mass when", kGroup, 7, 57, 266, 66);
    label(c, "Intensity rises above", 15, 72);
    add(c, IDC_LM_INTENSITY_THRESHOLD, "Edit", "", kEdit, 110, 70, 50, 14);
    label(c, "Counts", 164, 72, 60);
    add(c, IDC_LM_USE_NOT_CONSIDER_TOP, "Button", "Do not consider top", kCheck, 15, 89, 90, 10);
    add(c, IDC_LM_TOP_PERCENTAGE, "Edit", "", kEdit, 110, 87, 50, 14);
    label(c, "% of mass range", 164, 89, 80);
    add(c, IDC_LM_USE_COMPLETE_AFTER, "Button", "Complete after", kCheck, 15, 106, 90, 10);
    add(c, IDC_LM_COMPLETE_AFTER_TIME, "Edit", "", kEdit, 110, 104, 50, 14);
    label(c, "seconds regardless", 164, 106, 80);
    add(c, IDC_STATIC, "Button", "Lock Mass Collision Energy", kGroup, 7, 127, 266, 50);
    add(c, IDC_LM_TUNE_PAGE_CE, "Button", "Use Tune Page Collision Energy", kRadio | WS_GROUP, 15, 140, 150, 10);
    add(c, IDC_LM_FIXED_CE, "Button", "Use Fixed Collision Energy", kRadio, 15, 158, 100, 10);
    add(c, IDC_LM_FIXED_ENERGY, "Edit", "", kEdit | WS_GROUP, 120, 156, 50, 14);
    label(c, "volts", 174, 158, 30);
    return DialogTemplate{IDD_MSMS_SWITCH_LOCK_MASS_PAGE, "Lock Mass", kPageStyle, 0, 0, 0, 280, 226,
                          "MS Sans Serif", 8, c};
}

// "Scan Conditions": scan rates, scan conditions, MALDI settings. The lists are filled by the page.
DialogTemplate msmsSwitchScanConditionsPage()
{
    using namespace msmsswitch;
    std::vector<DialogItem> c;
    add(c, IDC_STATIC, "Button", "Scan Rates", kGroup, 7, 7, 266, 62);
    add(c, IDC_SC_AUTO_SCAN_RATE, "Button", "Automatic Scan Rate", kRadio | WS_GROUP, 15, 19, 110, 10);
    add(c, IDC_SC_MANUAL_SCAN_RATE, "Button", "Manual Scan Rate", kRadio, 140, 19, 110, 10);
    label(c, "Scan Time", 15, 36);
    add(c, IDC_SC_SCAN_TIME, "Edit", "", kEdit | WS_GROUP, 110, 34, 50, 14);
    label(c, "seconds", 164, 36, 40);
    label(c, "Interscan Delay", 15, 52);
    add(c, IDC_SC_INTER_SCAN_DELAY, "Edit", "", kEdit, 110, 50, 50, 14);
    label(c, "seconds", 164, 52, 40);
    add(c, IDC_STATIC, "Button", "Scan Conditions", kGroup, 7, 73, 266, 76);
    add(c, IDC_SC_AUTO_SCAN_CONDITIONS, "Button", "Automatic Scan Conditions", kRadio | WS_GROUP, 15, 85, 120, 10);
    add(c, IDC_SC_MANUAL_SCAN_CONDITIONS, "Button", "Manual Scan Conditions", kRadio, 140, 85, 120, 10);
    label(c, "Ioni&zation Mode", 15, 102);
    add(c, IDC_SC_ION_MODE, "ComboBox", "", kList | WS_GROUP, 110, 100, 60, 60);
    label(c, "Data Format", 15, 118);
    add(c, IDC_SC_DATA_FORMAT, "ComboBox", "", kList | CBS_SORT, 110, 116, 60, 60);
    label(c, "MCA Scans to Sum", 15, 134);
    add(c, IDC_SC_MCA_SCANS, "Edit", "", kDigits | WS_DISABLED, 110, 132, 50, 14);
    add(c, IDC_STATIC, "Button", "MALDI Settings", kGroup, 7, 153, 266, 68);
    add(c, IDC_SC_TUNE_PAGE_MALDI, "Button", "Tune Page MALDI Settings", kRadio | WS_GROUP, 15, 165, 120, 10);
    add(c, IDC_SC_USER_DEFINED, "Button", "User Defined", kRadio, 140, 165, 110, 10);
    label(c, "Pattern", 15, 182, 40);
    add(c, IDC_SC_PATTERN_FILE, "Edit", "", kEdit | WS_GROUP, 60, 180, 180, 14);
    add(c, IDC_SC_PATTERN_BROWSE, "Button", "...", kButton, 244, 180, 14, 14);
    label(c, "Plate Speed", 15, 200, 44);
    add(c, IDC_PLATE_SPEED, "ComboBox", "", kList, 60, 198, 40, 110);
    label(c, "Hz", 104, 200, 14);
    label(c, "Laser Rep Rate", 140, 200, 56);
    add(c, IDC_LASER_FIRING_RATE, "ComboBox", "", kList, 200, 198, 40, 90);
    label(c, "Hz", 244, 200, 14);
    return DialogTemplate{IDD_MSMS_SWITCH_SCAN_CONDITIONS_PAGE, "Scan Conditions", kPageStyle, 0, 0, 0, 280, 226,
                          "MS Sans Serif", 8, c};
}

// MS/MS switch sheet: "MS/MS Mass" (the precursor source on top, the mass switch list below it)
// and its "Set Mass" dialog (a check box and an edit for each optional value).
namespace switchmass {

using survey::kButton;
using survey::kCheck;
using survey::kChild;
using survey::kEdit;
using survey::kGroup;
using survey::kLabel;
using survey::kPageStyle;
using survey::kRadio;

// The list group's controls, with the experiment-page library's ids, from row y down.
void listGroup(std::vector<DialogItem>& c, short y, int labelRoom = 0)
{
    auto at = [y, labelRoom](int dy) { return static_cast<short>(y + labelRoom + dy); };
    c.push_back({15007, "Edit", "", kEdit | ES_READONLY, 0, 15, at(14), 230, 14});
    c.push_back({15008, "Button", "...", kButton, 0, 249, at(14), 16, 14});
    c.push_back({15006, "SysListView32", "List1",
                 kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 15, at(32), 250, 82});
    c.push_back({15001, "Button", "&New", kButton, 0, 15, at(118), 46, 14});
    c.push_back({15002, "Button", "&Add...", kButton, 0, 66, at(118), 46, 14});
    c.push_back({15003, "Button", "&Delete", kButton, 0, 117, at(118), 46, 14});
    c.push_back({15004, "Button", "&Save", kButton, 0, 168, at(118), 46, 14});
    c.push_back({15005, "Button", "Save &As..", kButton, 0, 219, at(118), 46, 14});
}

DialogTemplate switchMassPage()
{
    auto id = [](UINT v) { return static_cast<int>(v); };
    std::vector<DialogItem> c{
        {IDC_STATIC, "Button", "MS/MS Precursor Mass Defined By", kGroup, 0, 7, 7, 266, 70},
        {id(IDC_SM_SINGLE_MASS), "Button", "Single Mass", kRadio | WS_GROUP, 0, 15, 21, 80, 10},
        {id(IDC_SM_SINGLE_MASS_VALUE), "Edit", "", kEdit, 0, 100, 19, 50, 14},
        {id(IDC_SM_SAMPLE_LIST_ENTRIES), "Button", "Entries in Sample List                (MASS A to MASS Z)",
         kRadio, 0, 15, 36, 240, 10},
        {id(IDC_SM_SAMPLE_LIST_FILE), "Button", "File in Sample List                      (SPARE 1)", kRadio, 0, 15,
         49, 240, 10},
        {id(IDC_SM_LIST_BELOW), "Button", "List below", kRadio, 0, 15, 62, 80, 10},
        {IDC_STATIC, "Button", "Mass Switch List", kGroup, 0, 7, 81, 266, 140},
    };
    listGroup(c, 81);
    return DialogTemplate{IDD_MSMS_SWITCH_MASS_PAGE, "MS/MS Mass", kPageStyle, 0, 0, 0, 280,
                          226, "MS Sans Serif", 8, c};
}

// "Collision Energy": the energy mode on top, the profile list below it.
DialogTemplate collisionEnergyPage()
{
    auto id = [](UINT v) { return static_cast<int>(v); };
    std::vector<DialogItem> c{
        {IDC_STATIC, "Button", "Collision Energy", kGroup, 0, 7, 7, 266, 62},
        {id(IDC_CE_USE_TUNE_PAGE), "Button", "Use Tune Page Collision Energy", kRadio | WS_GROUP, 0, 15, 21, 140, 10},
        {id(IDC_CE_USE_FIXED), "Button", "Use Fixed Collision Energy", kRadio, 0, 15, 36, 110, 10},
        {id(IDC_CE_FIXED_ENERGY), "Edit", "", kEdit, 0, 130, 34, 50, 14},
        {IDC_STATIC, "Static", "volts", kLabel, 0, 184, 37, 30, 8},
        {id(IDC_CE_USE_PROFILE), "Button", "Use Collision Energy Profile", kRadio, 0, 15, 51, 140, 10},
        {IDC_STATIC, "Button", "Collision Energy Profile", kGroup, 0, 7, 73, 266, 150},
        {IDC_STATIC, "Static", "Collision Energy File", kLabel, 0, 15, 86, 100, 8},
    };
    listGroup(c, 73, 10);
    return DialogTemplate{IDD_MSMS_SWITCH_CE_PAGE, "Collision Energy", kPageStyle, 0, 0, 0,
                          280, 226, "MS Sans Serif", 8, c};
}

DialogTemplate setMassDialog()
{
    static const char* const kLabels[9] = {"LM", "HM", "Timeout (sec)", "Stop Intensity", "CE1", "CE2", "CE3",
                                           "CE4", "CE5"};
    std::vector<DialogItem> c{
        {IDC_STATIC, "Button", "Add/Modify", kGroup, 0, 7, 7, 150, 172},
        {IDC_STATIC, "Static", "Set Mass", kLabel, 0, 15, 22, 60, 8},
        {static_cast<int>(IDC_SM_SET_MASS), "Edit", "", kEdit, 0, 90, 20, 58, 14},
    };
    for (int i = 0; i < 9; ++i) {
        const auto y = static_cast<short>(40 + 15 * i);
        c.push_back({static_cast<int>(kSetMassChecks[i]), "Button", kLabels[i], kCheck, 0, 15, y, 70, 10});
        c.push_back({static_cast<int>(kSetMassEdits[i]), "Edit", "", kEdit, 0, 90, static_cast<short>(y - 2), 58, 14});
    }
    c.push_back({IDOK, "Button", "OK", kButton | BS_DEFPUSHBUTTON, 0, 164, 7, 50, 14});
    c.push_back({IDCANCEL, "Button", "Cancel", kButton, 0, 164, 25, 50, 14});
    return DialogTemplate{IDD_SET_MASS, "Set Mass", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          0, 0, 0, 221, 186, "MS Sans Serif", 8, c};
}

} // namespace switchmass

// --- 4. Plate tools -----------------------------------------------------------------------------------

// "PatternEditor": the file row on top, the drawing area on the left; on the right the laser width
// box and two framed blocks of icon buttons (editing, then exit and ok). The pattern control's
// window class is the pattern control library's (PatternControl::kClassName).
DialogTemplate patternEditor()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD frame = child | SS_ETCHEDFRAME;
    return DialogTemplate{
        IDD_PATTERN_EDITOR, "PatternEditor", kToolWindowStyle & ~WS_VISIBLE, 0, 0, 0, 368, 317, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "Pattern File Name", child | BS_GROUPBOX, 0, 7, 7, 354, 38},
            {IDC_STATIC, "Static", "File:", child | SS_LEFT, 0, 16, 25, 14, 8},
            {static_cast<int>(IDC_PATTERN_FILE_NAME), "Edit", "", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0,
             31, 23, 260, 14},
            {static_cast<int>(IDC_PATTERN_BROWSE), "Button", "Browse...", child | WS_TABSTOP | BS_PUSHBUTTON, 0, 302,
             23, 50, 14},
            {IDC_STATIC, "Static", "", frame, 0, 7, 51, 281, 259},
            {static_cast<int>(IDC_PATTERN_CONTROL), "MaldiPatternControl", "", child | WS_TABSTOP, 0, 9, 56, 277, 252},
            {IDC_STATIC, "Button", "Laser Width", child | BS_GROUPBOX, 0, 293, 51, 67, 37},
            {static_cast<int>(IDC_PATTERN_LASER_WIDTH), "ComboBox", "",
             child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN, 0, 303, 66, 48, 70},
            {IDC_STATIC, "Static", "", frame, 0, 294, 88, 67, 94},
            {static_cast<int>(IDI_PATTERN_LASER), "Button", "", kIconButton, 0, 297, 95, 29, 26},
            {static_cast<int>(IDI_NEW), "Button", "", kIconButton, 0, 328, 95, 29, 26},
            {static_cast<int>(IDI_UNDO), "Button", "", kIconButton, 0, 297, 124, 29, 26},
            {static_cast<int>(IDI_LASER_WIDTH), "Button", "", kIconButton, 0, 328, 124, 29, 26},
            {static_cast<int>(IDI_PATTERN_SAVE), "Button", "", kIconButton, 0, 297, 154, 29, 26},
            {static_cast<int>(IDI_ALL_LASER_WIDTHS), "Button", "", kIconButton, 0, 328, 154, 29, 26},
            {IDC_STATIC, "Static", "", frame, 0, 294, 182, 67, 35},
            {static_cast<int>(IDI_PATTERN_EXIT), "Button", "", kIconButton, 0, 297, 189, 29, 26},
            {static_cast<int>(IDI_OK), "Button", "", kIconButton, 0, 328, 189, 29, 26},
        }};
}

// Target plate sheet pages: a label left of each box, X and Y boxes side by side.
constexpr DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPageEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kPageLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kPageGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kPageCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kPageButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// "Plate Geometry": the plate file row, then the sample wells and the lock-mass wells, each group
// with counts on the left and sizes on the right.
DialogTemplate probeGeometry()
{
    auto id = [](UINT v) { return static_cast<int>(v); };
    return DialogTemplate{
        IDD_PROBE_GEOMETRY, "Plate Geometry", kPageStyle, 0, 0, 0, 250, 204, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Static", "File Name", kPageLabel, 0, 7, 10, 40, 8},
            {id(IDC_PLATE_FILE_NAME), "Edit", "", kPageEdit, 0, 50, 7, 193, 14},
            {id(IDC_PLATE_BROWSE), "Button", "&Browse...", kPageButton, 0, 83, 25, 50, 14},
            {id(IDC_PLATE_SAVE), "Button", "&Save...", kPageButton, 0, 138, 25, 50, 14},
            {id(IDC_PLATE_NEW), "Button", "&New...", kPageButton, 0, 193, 25, 50, 14},
            {IDC_STATIC, "Button", "Plate Geometry", kPageGroup, 0, 7, 45, 236, 70},
            {IDC_STATIC, "Static", "Wells per Column", kPageLabel, 0, 15, 60, 66, 8},
            {id(IDC_WELLS_PER_COLUMN), "Edit", "", kPageEdit, 0, 85, 58, 35, 14},
            {IDC_STATIC, "Static", "Wells per Row", kPageLabel, 0, 15, 78, 66, 8},
            {id(IDC_WELLS_PER_ROW), "Edit", "", kPageEdit, 0, 85, 76, 35, 14},
            {IDC_STATIC, "Static", "Well Diameter (mm)", kPageLabel, 0, 128, 60, 68, 8},
            {id(IDC_WELL_DIAMETER), "Edit", "", kPageEdit, 0, 200, 58, 35, 14},
            {IDC_STATIC, "Static", "Well Pitch (mm)", kPageLabel, 0, 128, 78, 68, 8},
            {id(IDC_WELL_PITCH), "Edit", "", kPageEdit, 0, 200, 76, 35, 14},
            {IDC_STATIC, "Static", "Well Reference", kPageLabel, 0, 15, 96, 66, 8},
            {id(IDC_WELL_REFERENCE), "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
             0, 85, 94, 80, 60},
            {IDC_STATIC, "Button", "Lock Mass Correction", kPageGroup, 0, 7, 121, 236, 76},
            {id(IDC_LOCK_MASS_CORRECTION), "Button", "Lock Mass Correction", kPageCheck, 0, 15, 134, 100, 10},
            {IDC_STATIC, "Static", "Wells per Column", kPageLabel, 0, 15, 154, 66, 8},
            {id(IDC_LM_WELLS_PER_COLUMN), "Edit", "", kPageEdit, 0, 85, 152, 35, 14},
            {IDC_STATIC, "Static", "Wells per Row", kPageLabel, 0, 15, 172, 66, 8},
            {id(IDC_LM_WELLS_PER_ROW), "Edit", "", kPageEdit, 0, 85, 170, 35, 14},
            {IDC_STATIC, "Static", "Well Diameter (mm)", kPageLabel, 0, 128, 154, 68, 8},
            {id(IDC_LM_WELL_DIAMETER), "Edit", "", kPageEdit, 0, 200, 152, 35, 14},
            {IDC_STATIC, "Static", "Well Pitch (mm)", kPageLabel, 0, 128, 172, 68, 8},
            {id(IDC_LM_WELL_PITCH), "Edit", "", kPageEdit, 0, 200, 170, 35, 14},
        }};
}

// "Spatial Calibration": the initial conditions the operator sets, and below them the current
// calibration, shown only.
DialogTemplate probeSpatial()
{
    auto id = [](UINT v) { return static_cast<int>(v); };
    constexpr DWORD shown = kPageEdit | ES_READONLY;
    return DialogTemplate{
        IDD_PROBE_SPATIAL, "Spatial Calibration", kPageStyle, 0, 0, 0, 250, 254, "MS Sans Serif", 8,
        {
            {IDC_STATIC, "Button", "Spatial Calibration Initial Conditions", kPageGroup, 0, 7, 7, 236, 142},
            {id(IDC_CALIBRATE_ON_LOAD), "Button", "Calibrate on Probe Load", kPageCheck, 0, 15, 20, 120, 10},
            {IDC_STATIC, "Static", "X", kPageLabel, 0, 150, 35, 10, 8},
            {IDC_STATIC, "Static", "Y", kPageLabel, 0, 205, 35, 10, 8},
            {IDC_STATIC, "Static", "Hole 1 Coordinates (mm)", kPageLabel, 0, 15, 50, 110, 8},
            {id(IDC_HOLE1_X), "Edit", "", kPageEdit, 0, 130, 48, 48, 14},
            {id(IDC_HOLE1_Y), "Edit", "", kPageEdit, 0, 185, 48, 48, 14},
            {IDC_STATIC, "Static", "Hole 2 Coordinates (mm)", kPageLabel, 0, 15, 68, 110, 8},
            {id(IDC_HOLE2_X), "Edit", "", kPageEdit, 0, 130, 66, 48, 14},
            {id(IDC_HOLE2_Y), "Edit", "", kPageEdit, 0, 185, 66, 48, 14},
            {IDC_STATIC, "Static", "Hysterisis (mm)", kPageLabel, 0, 15, 86, 110, 8},
            {id(IDC_HYSTERESIS_X), "Edit", "", kPageEdit, 0, 130, 84, 48, 14},
            {id(IDC_HYSTERESIS_Y), "Edit", "", kPageEdit, 0, 185, 84, 48, 14},
            {IDC_STATIC, "Static", "Search Window (row x column)", kPageLabel, 0, 15, 104, 110, 8},
            {id(IDC_SEARCH_WINDOW), "Edit", "", kPageEdit, 0, 130, 102, 48, 14},
            {IDC_STATIC, "Static", "Search Step (mm)", kPageLabel, 0, 15, 120, 110, 8},
            {id(IDC_SEARCH_STEP), "Edit", "", kPageEdit, 0, 130, 118, 48, 14},
            {IDC_STATIC, "Static", "Search Delay per Step (ms)", kPageLabel, 0, 15, 136, 110, 8},
            {id(IDC_SEARCH_DELAY), "Edit", "", kPageEdit, 0, 130, 134, 48, 14},
            {IDC_STATIC, "Button", "Current Calibration", kPageGroup, 0, 7, 155, 236, 92},
            {IDC_STATIC, "Static", "X", kPageLabel, 0, 150, 167, 10, 8},
            {IDC_STATIC, "Static", "Y", kPageLabel, 0, 205, 167, 10, 8},
            {IDC_STATIC, "Static", "Hole 1 Coordinates (mm)", kPageLabel, 0, 15, 182, 110, 8},
            {id(IDC_CURRENT_HOLE1_X), "Edit", "", shown, 0, 130, 180, 48, 14},
            {id(IDC_CURRENT_HOLE1_Y), "Edit", "", shown, 0, 185, 180, 48, 14},
            {IDC_STATIC, "Static", "Hole 2 Coordinates (mm)", kPageLabel, 0, 15, 198, 110, 8},
            {id(IDC_CURRENT_HOLE2_X), "Edit", "", shown, 0, 130, 196, 48, 14},
            {id(IDC_CURRENT_HOLE2_Y), "Edit", "", shown, 0, 185, 196, 48, 14},
            {IDC_STATIC, "Static", "Tilt (degrees)", kPageLabel, 0, 15, 214, 110, 8},
            {id(IDC_CURRENT_TILT), "Edit", "", shown, 0, 130, 212, 48, 14},
            {IDC_STATIC, "Static", "Offset (mm)", kPageLabel, 0, 15, 230, 110, 8},
            {id(IDC_CURRENT_OFFSET_X), "Edit", "", shown, 0, 130, 228, 48, 14},
            {id(IDC_CURRENT_OFFSET_Y), "Edit", "", shown, 0, 185, 228, 48, 14},
        }};
}

} // namespace

std::vector<DialogTemplate> MaldiDialogTemplates::Templates()
{
    return {acquireControl(), crossAcquireControl(), probeSwapControl(), esiProbeControl(), plateCalibration(),
            maldiMSScan(), maldiMSMSScan(), maldiESISettings(), maldiSettings(), patternEditor(),
            probeGeometry(), probeSpatial(), surveyPage(), surveyMSToMSMSPage(), surveyMSMSToMSPage(),
            surveyTemplatePage(), surveyLaserPage(), msmsSwitchTemplatePage(), msmsSwitchLockMassPage(),
            msmsSwitchScanConditionsPage(), switchmass::switchMassPage(),
            switchmass::setMassDialog(),
            switchmass::collisionEnergyPage()};
}
