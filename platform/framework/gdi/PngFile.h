#pragma once
// Surfaces to and from PNG files (8-bit RGB when written; any PNG when read).
//
// Writing goes to a temporary file beside the target that is renamed over it only when complete,
// so a failed write never destroys an earlier file. Reading refuses files that are not PNG,
// truncated or corrupt, or larger than Surface::kMaxDimension, and leaves the output untouched.
// Alpha is dropped when reading (composited over black); grey and palette images become RGB.

#include <string>

#include "platform/framework/gdi/Surface.h"

class PngFile {
public:
    // On failure returns false and, when error is given, says why.
    static bool Write(const Surface& surface, const std::string& path, std::string* error = nullptr);
    static bool Read(const std::string& path, Surface& surface, std::string* error = nullptr);
};
