#include "platform/tuning/CMSDefinitions.h"

#ifndef MALDI_DEFAULT_PATTERN_FILE
#error "MALDI_DEFAULT_PATTERN_FILE must name the default pattern file (set by the build)"
#endif

CString CMSDefinitions::GetDefaultMaldiPatternFilename()
{
    return CString(MALDI_DEFAULT_PATTERN_FILE);
}
