#pragma once
// Template and control ids of the target plate sheet's pages "Plate Geometry" (CProbeGeometryView)
// and "Spatial Calibration" (CProbeSpatialView).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

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

} // namespace maldi::res
