// What the operator sees of an icon button: the icon centred on a raised face, pushed in while
// held or checked, greyed while disabled.

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/gdi/PaintManager.h"

using namespace widgets_test;

namespace {

COLORREF colourOf(std::uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

int brightness(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// A button's pixels, read from its top-level window's image, in the button's client coordinates.
struct ButtonImage {
    Surface image;
    POINT origin{};
    CRect client;

    ButtonImage(Automation& automation, HWND button)
    {
        image = PaintManager::Get().Render(::GetAncestor(button, GA_ROOT));
        CRect window = automation.WindowRect(::GetAncestor(button, GA_ROOT));
        POINT p{0, 0};
        ::ClientToScreen(button, &p);
        origin = {p.x - window.left, p.y - window.top};
        client = automation.ClientRect(button);
    }
    COLORREF at(int x, int y) const { return image.GetPixel(origin.x + x, origin.y + y); }
    // Top-left corner of a 32-pixel icon centred in the button.
    POINT iconCorner() const { return {(client.Width() - 32) / 2, (client.Height() - 32) / 2}; }
};

ButtonImage look(Fixture& f, int id)
{
    return ButtonImage(*f.session, f.control(id));
}

} // namespace

TEST(CButtonSTPainting, TheIconSitsCentredOnARaisedFace)
{
    Fixture f;
    ButtonImage b = look(f, IDC_FIRE);
    POINT c = b.iconCorner();
    // The icon's red square starts 4 pixels into the icon; the face shows around it.
    EXPECT_EQ(b.at(c.x + 4, c.y + 4), colourOf(kFireColour));
    EXPECT_EQ(b.at(c.x + 27, c.y + 27), colourOf(kFireColour));
    EXPECT_EQ(b.at(c.x + 3, c.y + 4), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.at(c.x + 28, c.y + 27), ::GetSysColor(COLOR_BTNFACE));
    // Raised: light at the top-left edge, dark at the bottom-right.
    EXPECT_GT(brightness(b.at(0, 0)), brightness(b.at(b.client.Width() - 1, b.client.Height() - 1)));
}

TEST(CButtonSTPainting, CheckedOrHeldItPaintsPushedIn)
{
    Fixture f;
    f.dialog.fire.SetCheck(BST_CHECKED);
    f.session->Pump();
    ButtonImage checked = look(f, IDC_FIRE);
    POINT c = checked.iconCorner();
    // Sunken edge, icon one pixel down and right.
    EXPECT_LT(brightness(checked.at(0, 0)), brightness(checked.at(checked.client.Width() - 1, checked.client.Height() - 1)));
    EXPECT_EQ(checked.at(c.x + 4, c.y + 4), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(checked.at(c.x + 5, c.y + 5), colourOf(kFireColour));
    EXPECT_EQ(checked.at(c.x + 28, c.y + 28), colourOf(kFireColour));

    // Repainting keeps the look.
    ::RedrawWindow(f.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(look(f, IDC_FIRE).at(c.x + 5, c.y + 5), colourOf(kFireColour));

    f.session->Hold(f.session->Find(f.hwnd, IDC_STEP));
    ButtonImage held = look(f, IDC_STEP);
    EXPECT_EQ(held.at(c.x + 4, c.y + 4), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(held.at(c.x + 5, c.y + 5), colourOf(kStepColour));
    f.session->Release(f.session->Find(f.hwnd, IDC_STEP));
    EXPECT_EQ(look(f, IDC_STEP).at(c.x + 4, c.y + 4), colourOf(kStepColour));
}

TEST(CButtonSTPainting, TheSecondIconShowsWhilePushedIn)
{
    Fixture f;
    f.dialog.fire.SetIcon(IDC_FIRE, IDI_PUSHED);
    f.session->Pump();
    POINT c = look(f, IDC_FIRE).iconCorner();
    EXPECT_EQ(look(f, IDC_FIRE).at(c.x + 16, c.y + 16), colourOf(kFireColour));
    f.dialog.fire.SetCheck(BST_CHECKED);
    f.session->Pump();
    EXPECT_EQ(look(f, IDC_FIRE).at(c.x + 16, c.y + 16), colourOf(kPushedColour));
}

TEST(CButtonSTPainting, ADisabledButtonShowsItsIconGreyed)
{
    Fixture f;
    f.dialog.fire.EnableWindow(FALSE);
    f.session->Pump();
    ButtonImage b = look(f, IDC_FIRE);
    POINT c = b.iconCorner();
    COLORREF grey = b.at(c.x + 16, c.y + 16);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_NE(grey, ::GetSysColor(COLOR_BTNFACE)); // still visible
    f.dialog.fire.EnableWindow(TRUE);
    f.session->Pump();
    EXPECT_EQ(look(f, IDC_FIRE).at(c.x + 16, c.y + 16), colourOf(kFireColour));
}

TEST(CButtonSTPainting, AButtonSmallerThanItsIconShowsItShrunkInside)
{
    Fixture f;
    ButtonImage b = look(f, IDC_SMALL);
    ASSERT_LT(b.client.Width(), 32);
    EXPECT_EQ(b.at(b.client.Width() / 2, b.client.Height() / 2), colourOf(kFireColour));
    // The edge is still drawn all round.
    EXPECT_NE(b.at(0, b.client.Height() / 2), colourOf(kFireColour));
    EXPECT_NE(b.at(b.client.Width() - 1, b.client.Height() / 2), colourOf(kFireColour));
}
