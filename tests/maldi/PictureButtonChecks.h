#pragma once
// What every window owes the operator whatever its layout: no picture button is left blank, and
// each names itself in an active tooltip.

#include <gtest/gtest.h>

#include "platform/framework/Automation.h"

inline void ExpectNoBlankOrUnnamedPictureButton(Automation& a, HWND window)
{
    int buttons = 0;
    for (HWND child : a.Children(window)) {
        if (a.ClassName(child).CompareNoCase("Button") != 0 || !(a.Style(child) & BS_ICON)) continue;
        ++buttons;
        SCOPED_TRACE("button " + std::to_string(a.Id(child)));
        EXPECT_NE(::SendMessage(child, BM_GETIMAGE, IMAGE_ICON, 0), 0) << "no picture";
        HWND tooltip = a.ToolTipOf(child);
        ASSERT_NE(tooltip, nullptr);
        EXPECT_TRUE(a.IsToolTipActive(tooltip));
        EXPECT_FALSE(a.ToolTipText(tooltip, child).IsEmpty());
    }
    EXPECT_GT(buttons, 2);
}
