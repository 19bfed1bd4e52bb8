#pragma once
// Ids of the library's resources: string table (1 to 50), icons and the windows that use them.
// Every icon button shows the icon whose id is its own control id, so the button ids double as
// icon ids. Texts are in MaldiStringTable.cpp, pictures in MaldiIcons.cpp.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

// --- strings ----------------------------------------------------------------------------------------
// Tab captions of the MS/MS switch sheet.
constexpr UINT IDS_MSMS_MASS = 1;               // "MS/MS Mass"
constexpr UINT IDS_COLLISION_ENERGY = 2;        // "Collision Energy"
// Source swap panel tooltips.
constexpr UINT IDS_REDUCE_PROBE_TEMPERATURE = 3;
constexpr UINT IDS_PREV_STEP = 4;
constexpr UINT IDS_NEXT_STEP = 5;               // also the acquisition panel's next button
constexpr UINT IDS_INFORMATION = 6;             // the source swap panel's expand button
constexpr UINT IDS_PROBE_POSITION = 7;
constexpr UINT IDS_SOURCE_TEMPERATURE = 8;
// Pattern editor tooltips (the acquisition panels' laser button shares 9, the probe adjust
// panel's exit button 12).
constexpr UINT IDS_FIRE_LASER = 9;
constexpr UINT IDS_SAVE = 10;
constexpr UINT IDS_NEW = 11;
constexpr UINT IDS_EXIT = 12;
constexpr UINT IDS_UNDO = 13;
constexpr UINT IDS_LASER_WIDTH = 14;
constexpr UINT IDS_OK = 15;
constexpr UINT IDS_MODIFY_ALL_LASER_WIDTHS = 16;
// Pattern editor save-changes prompts: 17 + path + " ?", or 18 when there is no path.
constexpr UINT IDS_SAVE_CHANGES_TO = 17;        // "Save Changes to "
constexpr UINT IDS_SAVE_CURRENT_CHANGES = 18;   // "Do you want to save current changes ?\n"
constexpr UINT IDS_EXPAND_DIALOG = 19;          // every icon-kind expand button
// Scan-function parameter names for the host: 20 to 23 key names, 24 to 36 display labels.
constexpr UINT IDS_PARAM_FIRST = 20;
constexpr UINT IDS_PARAM_LAST = 36;
// Progress bar tooltips.
constexpr UINT IDS_PLATE_SPOT_POSITION = 37;    // acquisition panel
constexpr UINT IDS_SOURCE_POSITION = 38;        // ESI probe adjust panel
// Tooltips the windows name without an id of their own; kept here so that every operator text
// comes from the string table.
constexpr UINT IDS_PAUSE_ACQUISITION = 39;
constexpr UINT IDS_STOP_ACQUISITION = 40;
constexpr UINT IDS_PREVIOUS_STEP = 41;          // acquisition panel ("Prev Step" is the swap panel's)
constexpr UINT IDS_PROBE_STOP = 42;
constexpr UINT IDS_LOCK_MASS = 43;
constexpr UINT IDS_HOME_POSITION = 44;
constexpr UINT IDS_SAVE_POSITION = 45;
constexpr UINT IDS_SOURCE_IN = 46;
constexpr UINT IDS_SOURCE_STOP = 47;
constexpr UINT IDS_SOURCE_OUT = 48;
// Pattern editor message box texts.
constexpr UINT IDS_PATTERN_FILE = 49;           // caption of the save-changes prompt
constexpr UINT IDS_NO_POINTS_LOADED = 50;
constexpr UINT IDS_FIRST = 1;
constexpr UINT IDS_LAST = 50;

// --- icons (also the ids of the icon buttons) -------------------------------------------------------
constexpr UINT IDI_EXPAND_DIALOG = 14181;       // expand button while contracted: unfold
constexpr UINT IDI_CONTRACT_DIALOG = 125;       // expand button while expanded: fold away
constexpr UINT IDI_EXPAND_INFORMATION = 14167;  // source swap panel's two-state expand button
constexpr UINT IDI_NEXT = 14101;                // next step, source out
constexpr UINT IDI_PREVIOUS = 14169;            // previous step, source in
constexpr UINT IDI_FIRE_LASER = 14163;
constexpr UINT IDI_EXIT = 14165;                // ESI probe adjust panel
constexpr UINT IDI_STOP_ACQUISITION = 14166;
constexpr UINT IDI_OK = 14168;                  // pattern editor
constexpr UINT IDI_PAUSE = 14170;
constexpr UINT IDI_SAVE_POSITION = 14171;
constexpr UINT IDI_PATTERN_EXIT = 14173;
constexpr UINT IDI_ALL_LASER_WIDTHS = 14175;
constexpr UINT IDI_STOP = 14177;                // plate stop, source stop
constexpr UINT IDI_THERMOMETER = 14178;
constexpr UINT IDI_HOME = 14179;
constexpr UINT IDI_LOCK_MASS = 14183;
constexpr UINT IDI_UNDO = 14205;
constexpr UINT IDI_PATTERN_SAVE = 14208;
constexpr UINT IDI_NEW = 14209;
constexpr UINT IDI_LASER_WIDTH = 14211;
constexpr UINT IDI_PATTERN_LASER = 14212;

// --- controls that are not icon buttons -------------------------------------------------------------
constexpr UINT IDC_SOURCE_TEMPERATURE = 14103;  // source swap panel: temperature gauge
constexpr UINT IDC_PROBE_POSITION = 14195;      // source swap panel: probe position indicator
constexpr UINT IDC_SWAP_STATUS_LOG = 37317;     // source swap panel: status log

// --- dialog templates -------------------------------------------------------------------------------
constexpr UINT IDD_ACQUIRE_CONTROL = 14142;     // "Maldi Acquisition"
constexpr UINT IDD_ESI_PROBE_CONTROL = 14144;   // "ESI Probe Adjust"
constexpr UINT IDD_PROBE_SWAP_CONTROL = 14146;  // "Swap Source"
constexpr UINT IDD_CROSS_ACQUIRE_CONTROL = 14194; // "Maldi Acquisition"
constexpr UINT IDD_PATTERN_EDITOR = 14196;      // "PatternEditor"
constexpr UINT IDD_PLATE_CALIBRATION = 147;     // "Spatial Calibration"

// --- pattern editor controls (its icon buttons use the icon ids above) --------------------------------
constexpr UINT IDC_PATTERN_CONTROL = 14100;     // the embedded pattern control
constexpr UINT IDC_PATTERN_FILE_NAME = 14106;   // the pattern file's full path
constexpr UINT IDC_PATTERN_BROWSE = 14108;      // "Browse..."
constexpr UINT IDC_PATTERN_LASER_WIDTH = 14111; // laser width combo box

// --- ESI probe adjust panel controls (its buttons use the icon ids above) -------------------------------
constexpr UINT IDC_SOURCE_POSITION = 14195;     // probe position indicator
constexpr UINT IDC_STEP_SIZE_ONE = 41588;       // "Step Size" radio buttons: 1, 5 and 50 units a step
constexpr UINT IDC_STEP_SIZE_FIVE = 41589;
constexpr UINT IDC_STEP_SIZE_FIFTY = 41590;

// --- acquisition control panel controls (its buttons use the icon ids above) -------------------------
constexpr UINT IDC_PLATE_SPOT_PROGRESS = 14195; // plate spot progress bar
constexpr UINT IDC_COLLISION_ENERGY = 43064;    // instrument edit box "CE"
constexpr UINT IDC_SPEED_SLIDER = 37316;        // plate speed slider
constexpr UINT IDC_SPEED_TEXT = 37318;          // the selected plate speed

// --- crosshair acquisition panel controls (its buttons use the icon ids above) -----------------------
constexpr UINT IDC_TRACKER = 14197;             // crosshair tracker: the laser's position in the well
constexpr UINT IDC_CROSS_COLLISION_ENERGY = 43065; // instrument edit box "CE"

// --- plate spatial calibration window controls -------------------------------------------------------
constexpr UINT IDC_CALIBRATION_HOLE1_GRID = 37321;    // calibration grid of hole 1 (top left)
constexpr UINT IDC_CALIBRATION_HOLE2_GRID = 37320;    // calibration grid of hole 2 (bottom right)
constexpr UINT IDC_CALIBRATION_HOLE1_LIST = 37322;    // hit list of hole 1
constexpr UINT IDC_CALIBRATION_HOLE2_LIST = 37323;    // hit list of hole 2
constexpr UINT IDC_CALIBRATION_SEARCH_STEP = 37330;   // "Search Step (mm)"
constexpr UINT IDC_CALIBRATION_ROW_DELAY = 37331;     // "Delay per Row (ms)"
constexpr UINT IDC_CALIBRATION_SEARCH_WINDOW = 14122; // "Search Window ( row x cols)"
constexpr UINT IDC_CALIBRATION_USE_INITIAL = 14141;   // "Use Calibration Initial Conditions"
constexpr UINT IDC_CALIBRATION_START = 43062;         // "&Start" / "&Abort"
constexpr UINT IDC_CALIBRATION_STATUS = 43063;        // status text

// --- MS scan function dialog "Maldi MS Scan" (a named template) ----------------------------------
constexpr LPCTSTR IDD_MALDI_MS_SCAN = "Maldi MS Scan";
constexpr UINT IDC_MS_START_MASS = 43011;
constexpr UINT IDC_MS_SCANS_TO_SUM = 43012;
constexpr UINT IDC_MS_TOTAL_TIME = 43013;
constexpr UINT IDC_MS_END_MASS = 43014;
constexpr UINT IDC_MS_SCAN_TIME = 43015;
constexpr UINT IDC_MS_INTER_SCAN_DELAY = 43016;
constexpr UINT IDC_MS_SAMPLE_TIME = 43017;
constexpr UINT IDC_MS_ION_MODE = 43018;
constexpr UINT IDC_MS_DATA_FORMAT = 43019;
constexpr UINT IDC_MS_PATTERN_FILE = 37315;
constexpr UINT IDC_MS_PATTERN_BROWSE = 37308;
// Shared by the scan function and settings dialogs.
constexpr UINT IDC_PLATE_SPEED = 37284;
constexpr UINT IDC_LASER_FIRING_RATE = 37285;
constexpr UINT IDC_LOCK_MASS_TIME = 37328;
constexpr UINT IDC_USE_LOCK_MASS = 37329;

// --- MS/MS scan function dialog "Maldi MSMS Scan" ---------------------------------------------------
// (The scan-function library's own MS/MS template, 12552, belongs to the host and lacks these controls.)
constexpr UINT IDD_MALDI_MSMS_SCAN = 12528;
constexpr UINT IDC_MSMS_TOTAL_TIME = 43020;
constexpr UINT IDC_MSMS_SET_MASS = 43021;
constexpr UINT IDC_MSMS_START_MASS = 43022;
constexpr UINT IDC_MSMS_END_MASS = 43023;
constexpr UINT IDC_MSMS_SAMPLE_TIME = 43024;
constexpr UINT IDC_MSMS_USE_TUNE_PAGE_CE = 43025;
constexpr UINT IDC_MSMS_COLLISION_ENERGY = 43026;
constexpr UINT IDC_MSMS_ION_MODE = 43027;
constexpr UINT IDC_MSMS_DATA_FORMAT = 43028;
constexpr UINT IDC_MSMS_SCANS_TO_SUM = 43029;
constexpr UINT IDC_MSMS_SCAN_TIME = 43030;
constexpr UINT IDC_MSMS_INTER_SCAN_DELAY = 43031;
constexpr UINT IDC_MSMS_PATTERN_FILE = 37302;
constexpr UINT IDC_MSMS_PATTERN_BROWSE = 37313;

// --- MALDI settings dialogs, both captioned "Maldi Settings" ----------------------------------------
constexpr UINT IDD_MALDI_ESI_SETTINGS = 14186;  // CMaldiESISettingsDialog
constexpr UINT IDD_MALDI_SETTINGS = 14187;      // CMaldiSettingsDialog
constexpr UINT IDC_LASER_PATTERN_TYPE = 37283;  // the fixed pattern's name, display only
constexpr UINT IDC_USE_CROSS_HAIRS = 37300;     // "Probe Motion" radio buttons
constexpr UINT IDC_USE_PATTERN_FILE = 37303;
constexpr UINT IDC_SETTINGS_PATTERN_FILE = 37311;
constexpr UINT IDC_SETTINGS_PATTERN_BROWSE = 37312;

// --- target plate sheet pages -------------------------------------------------------------------------
constexpr UINT IDD_PROBE_GEOMETRY = 10146;      // "Plate Geometry"
constexpr UINT IDD_PROBE_SPATIAL = 10147;       // "Spatial Calibration"
constexpr UINT IDC_PLATE_FILE_NAME = 43045;
constexpr UINT IDC_PLATE_BROWSE = 43044;
constexpr UINT IDC_PLATE_SAVE = 43046;
constexpr UINT IDC_PLATE_NEW = 43047;
constexpr UINT IDC_WELLS_PER_COLUMN = 43038;
constexpr UINT IDC_WELLS_PER_ROW = 43039;
constexpr UINT IDC_WELL_DIAMETER = 43040;
constexpr UINT IDC_WELL_PITCH = 43051;
constexpr UINT IDC_WELL_REFERENCE = 37333;
constexpr UINT IDC_LOCK_MASS_CORRECTION = 43052;
constexpr UINT IDC_LM_WELLS_PER_COLUMN = 43041;
constexpr UINT IDC_LM_WELLS_PER_ROW = 43042;
constexpr UINT IDC_LM_WELL_DIAMETER = 43043;
constexpr UINT IDC_LM_WELL_PITCH = 43055;
constexpr UINT IDC_CALIBRATE_ON_LOAD = 37332;
constexpr UINT IDC_HOLE1_X = 43048;
constexpr UINT IDC_HOLE1_Y = 43033;
constexpr UINT IDC_HOLE2_X = 43049;
constexpr UINT IDC_HOLE2_Y = 43034;
constexpr UINT IDC_HYSTERESIS_X = 43050;
constexpr UINT IDC_HYSTERESIS_Y = 43037;
constexpr UINT IDC_SEARCH_WINDOW = 43056;
constexpr UINT IDC_SEARCH_STEP = 43057;
constexpr UINT IDC_SEARCH_DELAY = 43058;
constexpr UINT IDC_CURRENT_HOLE1_X = 43053;     // current calibration, shown only
constexpr UINT IDC_CURRENT_HOLE1_Y = 43035;
constexpr UINT IDC_CURRENT_HOLE2_X = 43054;
constexpr UINT IDC_CURRENT_HOLE2_Y = 43036;
constexpr UINT IDC_CURRENT_TILT = 43059;
constexpr UINT IDC_CURRENT_OFFSET_X = 43060;
constexpr UINT IDC_CURRENT_OFFSET_Y = 43061;

// --- survey sheet pages (named templates; the 15xxx and 142xx ids are the experiment-page library's) ---
constexpr LPCTSTR IDD_SURVEY_PAGE = "Survey";
constexpr LPCTSTR IDD_SURVEY_MS_TO_MSMS_PAGE = "MS to MSMS ";
constexpr LPCTSTR IDD_SURVEY_MSMS_TO_MS_PAGE = "MSMS Switch";
constexpr LPCTSTR IDD_SURVEY_TEMPLATE_PAGE = "MSMS Template";
constexpr LPCTSTR IDD_SURVEY_LASER_PAGE = "Laser";
// "Survey" (lock mass: IDC_USE_LOCK_MASS, IDC_LOCK_MASS_TIME)
constexpr UINT IDC_SV_START_MASS = 15043;
constexpr UINT IDC_SV_END_MASS = 15045;
constexpr UINT IDC_SV_ION_MODE = 15048;
constexpr UINT IDC_SV_DATA_FORMAT = 15050;
constexpr UINT IDC_SV_SCAN_TIME = 15053;
constexpr UINT IDC_SV_INTER_SCAN_DELAY = 15055;
constexpr UINT IDC_SV_MONITOR_START = 37273;
constexpr UINT IDC_SV_MONITOR_END = 37274;
constexpr UINT IDC_SV_MONITOR_THRESHOLD = 37298;
constexpr UINT IDC_SV_SWITCH_START = 37275;
constexpr UINT IDC_SV_SWITCH_END = 37276;
constexpr UINT IDC_SV_SWITCH_THRESHOLD = 37277;
constexpr UINT IDC_SV_SAMPLE_TIME = 37336;
constexpr UINT IDC_SV_TOTAL_TIME = 41638;
// "MS to MSMS "
constexpr UINT IDC_SV_TIC_SUM_THRESHOLD = 15086;
constexpr UINT IDC_SV_MSMS_FUNCTIONS = 15088;
constexpr UINT IDC_SV_PEAKS_TO_SWITCH_ON = 37299;
constexpr UINT IDC_SV_RETENTION_WINDOW = 15099;
constexpr UINT IDC_SV_EVERYTHING = 15095;
constexpr UINT IDC_SV_INCLUDED_ONLY = 15096;
constexpr UINT IDC_SV_INCLUDED_PRIORITY = 15097;
// "MSMS Switch"
constexpr UINT IDC_SV_INTENSITY_THRESHOLD = 15087;
constexpr UINT IDC_SV_USE_MONITOR_WINDOW = 37310;
constexpr UINT IDC_SV_MONITOR_WINDOW = 37305;
constexpr UINT IDC_SV_AFTER_TIME = 15094;
constexpr UINT IDC_SV_SWITCH_BACK_TIME = 15091;
// "MSMS Template"
constexpr UINT IDC_SV_USE_OWN_FILE = 37288;
constexpr UINT IDC_SV_PARAMETER_FILE = 14200;
constexpr UINT IDC_SV_PARAMETER_BROWSE = 14201;
constexpr UINT IDC_SV_TEMPLATE_START_MASS = 37289;
constexpr UINT IDC_SV_SET_MASS_OFFSET = 37290;
constexpr UINT IDC_SV_TEMPLATE_SCAN_TIME = 37291;
constexpr UINT IDC_SV_TEMPLATE_INTER_SCAN_DELAY = 37292;
constexpr UINT IDC_SV_USE_TUNE_PAGE_CE = 14202;
constexpr UINT IDC_SV_COLLISION_ENERGY = 14203;
// "Laser" (lists: IDC_PLATE_SPEED, IDC_LASER_FIRING_RATE)
constexpr UINT IDC_SV_PATTERN_FILE = 37314;
constexpr UINT IDC_SV_PATTERN_BROWSE = 37309;
constexpr UINT IDC_SV_FIRST_DIFF_WIDTH = 37324;
constexpr UINT IDC_SV_SECOND_DIFF_WIDTH = 37325;
constexpr UINT IDC_SV_MIN_POINTS = 10230;
constexpr UINT IDC_SV_MIN_HEIGHT = 37326;
constexpr UINT IDC_SV_USE_PEAK_AREA = 37327;

} // namespace maldi::res
