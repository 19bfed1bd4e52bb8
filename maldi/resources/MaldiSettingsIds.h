#pragma once
// Template and control ids of the two "Maldi Settings" dialogs (CMaldiESISettingsDialog,
// CMaldiSettingsDialog), which share their controls.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_MALDI_ESI_SETTINGS = 14186;  // CMaldiESISettingsDialog
constexpr UINT IDD_MALDI_SETTINGS = 14187;      // CMaldiSettingsDialog
constexpr UINT IDC_LASER_PATTERN_TYPE = 37283;  // the fixed pattern's name, display only
constexpr UINT IDC_USE_CROSS_HAIRS = 37300;     // "Probe Motion" radio buttons
constexpr UINT IDC_USE_PATTERN_FILE = 37303;
constexpr UINT IDC_SETTINGS_PATTERN_FILE = 37311;
constexpr UINT IDC_SETTINGS_PATTERN_BROWSE = 37312;

} // namespace maldi::res
