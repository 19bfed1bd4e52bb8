#pragma once
// Template and control ids of the MS/MS scan function dialog "Maldi MSMS Scan"
// (CMaldiMSMSAcqFunctionSetupDialog). The scan-function library's own MS/MS template, 12552, belongs to
// the host and lacks these controls.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

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

} // namespace maldi::res
