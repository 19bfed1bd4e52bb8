#pragma once
// Template and control ids of the "PatternEditor" window (CPatternEditorDlg); its icon buttons use
// the icon ids of MaldiResourceIds.h.

#include "platform/framework/WinTypes.h"

namespace maldi::res {

constexpr UINT IDD_PATTERN_EDITOR = 14196;      // "PatternEditor"
constexpr UINT IDC_PATTERN_CONTROL = 14100;     // the embedded pattern control
constexpr UINT IDC_PATTERN_FILE_NAME = 14106;   // the pattern file's full path
constexpr UINT IDC_PATTERN_BROWSE = 14108;      // "Browse..."
constexpr UINT IDC_PATTERN_LASER_WIDTH = 14111; // laser width combo box

} // namespace maldi::res
