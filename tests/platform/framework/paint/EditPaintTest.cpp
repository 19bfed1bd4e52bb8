// A multi-line edit shows exactly the lines it counts: painting and EM_GETLINECOUNT share one
// line breaking, at the edit's width in its font.

#include <gtest/gtest.h>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/EditControl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/CFont.h"
#include "tests/platform/framework/paint/PaintTestSupport.h"

namespace {

using painttest::CountInk;
using painttest::InImage;

constexpr int IDC_NOTES = 200;

DialogTemplate notesTemplate(short width, DWORD extraStyle = 0)
{
    return DialogTemplate{701,
                          "Notes",
                          DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                          0,
                          0,
                          0,
                          static_cast<short>(width + 20),
                          150,
                          "MS Sans Serif",
                          8,
                          {{IDC_NOTES, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | extraStyle, 0, 10,
                            10, width, 130}}};
}

// Line slots of the edit's formatting rectangle (one font height each) that hold any ink.
std::vector<bool> InkedSlots(Automation& a, HWND dialog, HWND edit)
{
    const Surface image = a.Render(dialog);
    const CRect client = a.ClientRect(edit);
    const CRect onScreen = a.WindowRect(edit);
    const CRect window = InImage(edit);
    // Client area inside the edit's window (its sunken edge).
    const CRect clientInImage(window.left + (onScreen.Width() - client.Width()) / 2,
                              window.top + (onScreen.Height() - client.Height()) / 2,
                              window.left + (onScreen.Width() + client.Width()) / 2,
                              window.top + (onScreen.Height() + client.Height()) / 2);
    CRect format = EditControl::FormatRect(edit);
    format.OffsetRect(clientInImage.left, clientInImage.top);
    CDC measure;
    measure.CreateCompatibleDC(nullptr);
    if (HFONT font = a.Font(edit)) measure.SelectObject(CFont::FromHandle(font));
    const int height = measure.GetTextExtent("X", 1).cy;
    std::vector<bool> slots;
    for (int y = format.top; y + height <= format.bottom; y += height)
        slots.push_back(CountInk(image, CRect(format.left, y, format.right, y + height), ::GetSysColor(COLOR_WINDOW)) > 0);
    return slots;
}

int CountLeadingInked(const std::vector<bool>& slots)
{
    int n = 0;
    while (n < static_cast<int>(slots.size()) && slots[static_cast<size_t>(n)]) ++n;
    return n;
}

TEST(EditPainting, PaintedLinesAreTheCountedLines)
{
    AutomationSession session;
    const char* text = "Laser energy is set in steps of one percent; the\r\nsource temperature follows "
                       "its set point within a few degrees once the heater has settled.";
    for (short width : {60, 90, 140, 220}) {
        SCOPED_TRACE(width);
        CDialog dialog;
        ASSERT_TRUE(dialog.CreateIndirect(notesTemplate(width)));
        dialog.ShowWindow(SW_SHOW);
        HWND edit = session->Find(dialog, IDC_NOTES);
        ::SetWindowText(edit, text);
        const int counted = static_cast<int>(::SendMessage(edit, EM_GETLINECOUNT, 0, 0));
        ASSERT_GT(counted, 1);
        const std::vector<bool> slots = InkedSlots(*session, dialog, edit);
        ASSERT_GT(slots.size(), static_cast<size_t>(counted)) << "the edit is tall enough for every line";
        EXPECT_EQ(CountLeadingInked(slots), counted);
        for (size_t i = static_cast<size_t>(counted); i < slots.size(); ++i) EXPECT_FALSE(slots[i]) << i;
        if (width == 60) session->Screenshot(dialog, painttest::OutputPath("edit-wrapped.png").c_str());
    }
}

TEST(EditPainting, ScrollingShowsTheLinesFromTheFirstVisibleOne)
{
    AutomationSession session;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(notesTemplate(80)));
    dialog.ShowWindow(SW_SHOW);
    HWND edit = session->Find(dialog, IDC_NOTES);
    ::SetWindowText(edit, "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(CountLeadingInked(InkedSlots(*session, dialog, edit)), 4);
    ::SendMessage(edit, EM_LINESCROLL, 0, 2);
    EXPECT_EQ(::SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 2);
    EXPECT_EQ(CountLeadingInked(InkedSlots(*session, dialog, edit)), 2);
}

TEST(EditPainting, SelectionIsHighlightedOnlyWhileFocused)
{
    AutomationSession session;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(notesTemplate(120)));
    dialog.ShowWindow(SW_SHOW);
    HWND edit = session->Find(dialog, IDC_NOTES);
    ::SetWindowText(edit, "selected words");
    ::SendMessage(edit, EM_SETSEL, 0, 8);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    ::SetFocus(nullptr);
    EXPECT_EQ(painttest::CountColor(session->Render(dialog), InImage(edit), highlight), 0);
    ::SetFocus(edit);
    EXPECT_GT(painttest::CountColor(session->Render(dialog), InImage(edit), highlight), 50);
}

} // namespace
