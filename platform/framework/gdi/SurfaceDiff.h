#pragma once
// Compares two surfaces for tests. On a mismatch both are written as PNG files to the folder named
// by $MALDI_TEST_OUTPUT (CTest sets it to build/<preset>/test-output; ./test-output otherwise), as
// <name>-actual.png and <name>-expected.png, and the report names the first differing pixel.

#include <string>

#include "platform/framework/gdi/Surface.h"

class SurfaceDiff {
public:
    // Empty when equal, else a one-paragraph report.
    static std::string Compare(const Surface& actual, const Surface& expected, const std::string& name);
    // The folder mismatching images go to (created on demand).
    static std::string OutputDirectory();
};
