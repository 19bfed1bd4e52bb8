#include "maldi/resources/MaldiStringTable.h"

#include "maldi/resources/MaldiResourceIds.h"

using namespace maldi::res;

// Texts are Windows-1252 bytes, kept exactly as the operator sees them (trailing blanks and line
// breaks included: 17 is followed by a path, 18 ends the prompt's first line).
std::vector<StringResource> MaldiStringTable::Strings()
{
    return {
        {IDS_MSMS_MASS, "MS/MS Mass"},
        {IDS_COLLISION_ENERGY, "Collision Energy"},
        {IDS_REDUCE_PROBE_TEMPERATURE, "Reduce Probe Temperature"},
        {IDS_PREV_STEP, "Prev Step"},
        {IDS_NEXT_STEP, "Next Step"},
        {IDS_INFORMATION, "Information"},
        {IDS_PROBE_POSITION, "Probe Position"},
        {IDS_SOURCE_TEMPERATURE, "Source Temperature"},
        {IDS_FIRE_LASER, "Fire Laser"},
        {IDS_SAVE, "Save"},
        {IDS_NEW, "New"},
        {IDS_EXIT, "Exit"},
        {IDS_UNDO, "Undo"},
        {IDS_LASER_WIDTH, "Laser Width"},
        {IDS_OK, "Ok"},
        {IDS_MODIFY_ALL_LASER_WIDTHS, "Modify All Laser Widths"},
        {IDS_SAVE_CHANGES_TO, "Save Changes to "},
        {IDS_SAVE_CURRENT_CHANGES, "Do you want to save current changes ?\n"},
        {IDS_EXPAND_DIALOG, "Expand Dialog"},
        // Scan-function parameters: key names, then display labels.
        {20, "MaldiStartTime"},
        {21, "MaldiEndTime"},
        {22, "MaldiLockMassAcquireTime"},
        {23, "MaldiUseLockMass"},
        {24, "Start Mass"},
        {25, "End Mass"},
        {26, "Data Format"},
        {27, "Ion Mode"},
        {28, "Instrument Parameter Filename"},
        {29, "Lock Mass Function"},
        {30, "Start Time (secs)"},
        {31, "End Time (secs)"},
        {32, "Lock Mass Time (secs)"},
        {33, "Laser Firing Rate (Hz)"},
        {34, "Plate Speed (Hz)"},
        {35, "Pattern Filename"},
        {36, "Use Tune Page Collision Energy"},
        {IDS_PLATE_SPOT_POSITION, "Plate Spot Position"},
        {IDS_SOURCE_POSITION, "Source Position"},
        {IDS_PAUSE_ACQUISITION, "Pause Acquisition"},
        {IDS_STOP_ACQUISITION, "Stop Acquisition"},
        {IDS_PREVIOUS_STEP, "Previous Step"},
        {IDS_PROBE_STOP, "Probe Stop"},
        {IDS_LOCK_MASS, "Lock Mass"},
        {IDS_HOME_POSITION, "Home Position"},
        {IDS_SAVE_POSITION, "Save Position"},
        {IDS_SOURCE_IN, "Source In"},
        {IDS_SOURCE_STOP, "Source Stop"},
        {IDS_SOURCE_OUT, "Source Out"},
        {IDS_PATTERN_FILE, "Pattern File"},
        {IDS_NO_POINTS_LOADED, "No Points Loaded"},
    };
}
