#pragma once
// Compares two surfaces for tests. On a mismatch both are written as PNG files to the folder named
// by $MALDI_TEST_OUTPUT (CTest sets it to build/<preset>/test-output; ./test-output otherwise), as
// <name>-actual.png, <name>-expected.png and <name>-diff.png, and the report names the first
// differing pixel.

#include <string>

#include "platform/framework/gdi/Surface.h"

class SurfaceDiff {
public:
    // Empty when equal, else a one-paragraph report.
    static std::string Compare(const Surface& actual, const Surface& expected, const std::string& name);
    // Red where the two differ (or only one has a pixel), the expected image faded to light grey
    // elsewhere; as large as the larger of the two.
    static Surface Difference(const Surface& actual, const Surface& expected);
    // The folder mismatching images go to (created on demand).
    static std::string OutputDirectory();
};
