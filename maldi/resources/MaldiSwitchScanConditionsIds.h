#pragma once
// Template and control ids of the "Scan Conditions" page of the MS/MS switch sheet (CMaldiMSMSSwitchScanConditionsPage). Its plate speed and firing rate lists are the
// scan function dialogs' (IDC_PLATE_SPEED, IDC_LASER_FIRING_RATE in MaldiResourceIds.h).

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MSMS_SWITCH_SCAN_CONDITIONS_PAGE = 128; // "Scan Conditions"
constexpr UINT IDC_SC_ION_MODE = 43027;
constexpr UINT IDC_SC_DATA_FORMAT = 43028;
constexpr UINT IDC_SC_MCA_SCANS = 43029;
constexpr UINT IDC_SC_SCAN_TIME = 43030;
constexpr UINT IDC_SC_INTER_SCAN_DELAY = 43031;
constexpr UINT IDC_SC_PATTERN_FILE = 37302;
constexpr UINT IDC_SC_PATTERN_BROWSE = 41625;
constexpr UINT IDC_SC_AUTO_SCAN_RATE = 41658;
constexpr UINT IDC_SC_MANUAL_SCAN_RATE = 41659;
constexpr UINT IDC_SC_AUTO_SCAN_CONDITIONS = 41600;
constexpr UINT IDC_SC_MANUAL_SCAN_CONDITIONS = 41660;
constexpr UINT IDC_SC_TUNE_PAGE_MALDI = 41602;
constexpr UINT IDC_SC_USER_DEFINED = 41603;

} // namespace maldi::res
