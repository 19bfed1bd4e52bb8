#pragma once
// Control ids of the experiment-page library's pages. An instrument page derived from one of them
// brings its own template; where it keeps these ids, the base page's handlers (mapped by id) work
// on its controls.

#include "platform/framework/WinTypes.h"

namespace quadfs {

// Survey page
constexpr int IDC_SURVEY_START_MASS = 15043;
constexpr int IDC_SURVEY_END_MASS = 15045;
constexpr int IDC_SURVEY_SCAN_TIME = 15053;
constexpr int IDC_SURVEY_INTER_SCAN_DELAY = 15055;

// MS to MS/MS page
constexpr int IDC_TIC_SUM_THRESHOLD = 15086;
constexpr int IDC_MSMS_FUNCTIONS = 15088;
constexpr int IDC_PRECURSOR_EVERYTHING = 15095;
constexpr int IDC_PRECURSOR_INCLUDED_ONLY = 15096;
constexpr int IDC_PRECURSOR_INCLUDED_PRIORITY = 15097;
constexpr int IDC_RETENTION_TIME_WINDOW = 15099;

// MS/MS to MS page
constexpr int IDC_INTENSITY_THRESHOLD = 15087;
constexpr int IDC_SWITCH_BACK_TIME = 15091;
constexpr int IDC_AFTER_TIME = 15094;

// MS/MS template page
constexpr int IDC_TEMPLATE_PARAMETER_FILE = 14200;
constexpr int IDC_TEMPLATE_BROWSE = 14201;
constexpr int IDC_TEMPLATE_USE_TUNE_PAGE_CE = 14202;
constexpr int IDC_TEMPLATE_COLLISION_ENERGY = 14203;

} // namespace quadfs
