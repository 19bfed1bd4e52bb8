#pragma once
// Template and control ids of the MS scan function dialog "Maldi MS Scan" (a named template,
// CMaldiMSAcqFunctionSetupDialog). The plate speed, firing rate and lock-mass controls are the ones
// several windows share (MaldiResourceIds.h).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

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

} // namespace maldi::res
