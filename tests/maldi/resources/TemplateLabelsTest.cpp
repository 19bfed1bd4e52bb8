// Every label of every dialog template shows whole: the text of each static, check box and radio
// button, drawn in the dialog font as the controls draw it, fits the rectangle the template gives.

#include <gtest/gtest.h>

#include "maldi/resources/MaldiDialogTemplates.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/CDC.h"

namespace {

bool isMarkButton(DWORD style)
{
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
    case BS_3STATE: case BS_AUTO3STATE: return true;
    default: return false;
    }
}

bool isTextStatic(DWORD style)
{
    const DWORD type = style & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
}

} // namespace

TEST(TemplateLabels, NoLabelIsCutByItsRectangle)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SelectStockObject(SYSTEM_FONT); // the font the controls of a template draw with
    int labels = 0;
    for (const DialogTemplate& t : MaldiDialogTemplates::Templates()) {
        const CSize base = DialogManager::BaseUnits(t.fontName, t.pointSize);
        for (const DialogItem& item : t.items) {
            const bool button = item.className.CompareNoCase("Button") == 0 && isMarkButton(item.style);
            const bool label = item.className.CompareNoCase("Static") == 0 && isTextStatic(item.style);
            if ((!button && !label) || item.text.IsEmpty()) continue;
            ++labels;
            CRect room = DialogManager::UnitsToPixels(base, item.x, item.y, item.cx, item.cy);
            room.OffsetRect(-room.left, -room.top);
            if (button) room.right -= 13 + 4; // the mark and its gap
            const bool wraps = label ? (item.style & SS_TYPEMASK) != SS_SIMPLE &&
                                           (item.style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP
                                     : (item.style & BS_MULTILINE) != 0;
            CRect need(0, 0, room.Width(), 0);
            const int height = dc.DrawText(item.text, &need, DT_CALCRECT | DT_LEFT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
            EXPECT_TRUE(need.Width() <= room.Width() && height <= room.Height())
                << t.caption << ": \"" << item.text << "\" needs " << need.Width() << " x " << height << ", has "
                << room.Width() << " x " << room.Height();
        }
    }
    EXPECT_GT(labels, 100);
}
