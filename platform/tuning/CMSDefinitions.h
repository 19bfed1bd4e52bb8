#pragma once
// Fixed definitions of the tuning library that the scan-function dialogs and experiment pages use.

#include "platform/framework/CString.h"

class CMSDefinitions {
public:
    // Full path of the default laser pattern file, which ships with the tuning library (see
    // platform/tuning/CMakeLists.txt: by default the repository's data/default.ptn, or the folder
    // named by MALDI_PATTERN_DIR at configuration time, where it is then installed).
    static CString GetDefaultMaldiPatternFilename();
};
