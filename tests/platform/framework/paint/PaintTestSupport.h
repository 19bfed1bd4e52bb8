#pragma once
// Helpers of the painting tests: where screenshots go, and reading pixels of a rendered window.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/framework/Automation.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/Surface.h"

namespace painttest {

// $MALDI_TEST_OUTPUT/paint (the system's temporary folder when unset), made on demand.
inline std::string OutputPath(const std::string& file)
{
    const char* root = std::getenv("MALDI_TEST_OUTPUT");
    std::filesystem::path dir = root && *root ? std::filesystem::path(root) : std::filesystem::temp_directory_path();
    dir /= "paint";
    std::filesystem::create_directories(dir);
    return (dir / file).string();
}

// Pixels of `color` in a rectangle of the image.
inline int CountColor(const Surface& s, const CRect& r, COLORREF color)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (s.GetPixel(x, y) == color) ++n;
    return n;
}

// Pixels in a rectangle that differ from `background`.
inline int CountInk(const Surface& s, const CRect& r, COLORREF background)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (s.GetPixel(x, y) != background) ++n;
    return n;
}

// A window's rectangle relative to its top-level window's image.
inline CRect InImage(HWND window)
{
    auto& a = Automation::Get();
    CRect r = a.WindowRect(window);
    HWND top = ::GetAncestor(window, GA_ROOT);
    CRect t = a.WindowRect(top ? top : window);
    r.OffsetRect(-t.left, -t.top);
    return r;
}

} // namespace painttest
