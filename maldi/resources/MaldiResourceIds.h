#pragma once
// Ids of the library's resources: string table (1 to 50), icons and the controls several windows
// share. Every icon button shows the icon whose id is its own control id, so the button ids double
// as icon ids. Texts are in MaldiStringTable.cpp, pictures in MaldiIcons.cpp. Each window's template
// and control ids are in a header named after it (Maldi<window>Ids.h), all included below; the
// collision energy range dialog's are in MaldiCERangeIds.h (its template is the experiment-page
// library's).

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

// --- controls that several windows share -------------------------------------------------------------
// The scan function dialogs, the settings dialogs and the sheets' laser and scan-condition pages.
constexpr UINT IDC_PLATE_SPEED = 37284;
constexpr UINT IDC_LASER_FIRING_RATE = 37285;
constexpr UINT IDC_LOCK_MASS_TIME = 37328;
constexpr UINT IDC_USE_LOCK_MASS = 37329;

} // namespace maldi::res

// Each window's template and control ids, in a header named after the window.
#include "maldi/resources/MaldiAcquireControlIds.h"
#include "maldi/resources/MaldiCrossAcquireIds.h"
#include "maldi/resources/MaldiESIProbeIds.h"
#include "maldi/resources/MaldiMSMSScanIds.h"
#include "maldi/resources/MaldiMSScanIds.h"
#include "maldi/resources/MaldiPatternEditorIds.h"
#include "maldi/resources/MaldiPlateCalibrationIds.h"
#include "maldi/resources/MaldiPlateSheetIds.h"
#include "maldi/resources/MaldiProbeSwapIds.h"
#include "maldi/resources/MaldiSettingsIds.h"
#include "maldi/resources/MaldiSurveyIds.h"
#include "maldi/resources/MaldiSwitchCollisionEnergyIds.h"
#include "maldi/resources/MaldiSwitchLockMassIds.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "maldi/resources/MaldiSwitchScanConditionsIds.h"
#include "maldi/resources/MaldiSwitchTemplateIds.h"
