// Any file handed to the pattern reader: no crash, no out-of-bounds access, no leak, and either a
// refused file that leaves no points or points that the writer would accept.

#include <cmath>
#include <cstdint>

#include "fuzz/FuzzInputFile.h"
#include "platform/tuning/CPatternFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPatternFile file;
    bool ok = file.Read(FuzzInputFile::Write(data, size));
    int n = file.GetNumberOfEntries();
    if (!ok && n != 0)
        __builtin_trap();
    if (n < 0 || n > CPatternFile::kMaxPoints)
        __builtin_trap();
    for (int i = 0; i < n; ++i) {
        double x = file.GetXCoordinate(i), y = file.GetYCoordinate(i);
        int state = file.GetLaserState(i), width = file.GetLaserWidth(i);
        if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > CPatternFile::kMaxCoordinate ||
            std::fabs(y) > CPatternFile::kMaxCoordinate || (state != 0 && state != 1) || width < CPatternFile::kMinLaserWidth ||
            width > CPatternFile::kMaxLaserWidth)
            __builtin_trap();
    }
    return 0;
}
