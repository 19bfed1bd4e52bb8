#pragma once
// Template and control ids of the "Spatial Calibration" window (CPlateCalibrationSetupDialog).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_PLATE_CALIBRATION = 147;     // "Spatial Calibration"
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

} // namespace maldi::res
