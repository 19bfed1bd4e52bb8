// The classic look as the operator sees it: dialogs with every standard control rendered through
// the automation interface, checked pixel by pixel where the look is fixed, and written to PNG.

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ClassicLook.h"
#include "platform/framework/Framework.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"
#include "platform/framework/gdi/PngFile.h"
#include "tests/platform/framework/paint/PaintTestSupport.h"

namespace {

using painttest::CountColor;
using painttest::InImage;

enum : int {
    IDC_LABEL_LEFT = 100,
    IDC_LABEL_CENTER,
    IDC_LABEL_RIGHT,
    IDC_LABEL_DISABLED,
    IDC_GROUP,
    IDC_CHECK_ON,
    IDC_CHECK_OFF,
    IDC_CHECK_GREY,
    IDC_CHECK_DISABLED,
    IDC_RADIO_A,
    IDC_RADIO_B,
    IDC_EDIT,
    IDC_EDIT_MULTI,
    IDC_EDIT_READONLY,
    IDC_EDIT_DISABLED,
    IDC_EDIT_PASSWORD,
    IDC_ETCHED,
    IDC_APPLY,
    IDC_DISABLED_BUTTON,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

DialogTemplate everyControl()
{
    return DialogTemplate{
        700,
        "Every control",
        DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        0,
        10,
        10,
        260,
        190,
        "MS Sans Serif",
        8,
        {
            {IDC_LABEL_LEFT, "Static", "Left label", kChild | SS_LEFT, 0, 7, 7, 70, 8},
            {IDC_LABEL_CENTER, "Static", "Centred", kChild | SS_CENTER, 0, 80, 7, 70, 8},
            {IDC_LABEL_RIGHT, "Static", "Right", kChild | SS_RIGHT, 0, 160, 7, 90, 8},
            {IDC_LABEL_DISABLED, "Static", "Disabled label", kChild | SS_LEFT | WS_DISABLED, 0, 7, 18, 70, 8},
            {IDC_GROUP, "Button", "Options", kChild | BS_GROUPBOX, 0, 7, 30, 120, 70},
            {IDC_CHECK_ON, "Button", "&Checked", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 14, 42, 100, 10},
            {IDC_CHECK_OFF, "Button", "Unchecked", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 14, 54, 100, 10},
            {IDC_CHECK_GREY, "Button", "Indeterminate", kChild | WS_TABSTOP | BS_AUTO3STATE, 0, 14, 66, 100, 10},
            {IDC_CHECK_DISABLED, "Button", "Disabled", kChild | WS_DISABLED | BS_AUTOCHECKBOX, 0, 14, 78, 100, 10},
            {IDC_RADIO_A, "Button", "Radio A", kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 140, 42, 60,
             10},
            {IDC_RADIO_B, "Button", "Radio B", kChild | BS_AUTORADIOBUTTON, 0, 140, 54, 60, 10},
            {IDC_EDIT, "Edit", "Single line", kEdit, 0, 140, 70, 110, 14},
            {IDC_EDIT_MULTI, "Edit",
             "A multi-line edit wraps its words at the width of the control, as the count of lines does.",
             kChild | WS_BORDER | WS_TABSTOP | ES_MULTILINE | WS_VSCROLL, 0, 7, 106, 120, 44},
            {IDC_EDIT_READONLY, "Edit", "Read-only", kEdit | ES_READONLY, 0, 140, 88, 110, 14},
            {IDC_EDIT_DISABLED, "Edit", "Disabled", kEdit | WS_DISABLED, 0, 140, 106, 110, 14},
            {IDC_EDIT_PASSWORD, "Edit", "secret", kEdit | ES_PASSWORD, 0, 140, 124, 110, 14},
            {IDC_ETCHED, "Static", "", kChild | SS_ETCHEDHORZ, 0, 7, 158, 246, 1},
            {IDOK, "Button", "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 168, 45, 14},
            {IDCANCEL, "Button", "Cancel", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 110, 168, 45, 14},
            {IDC_APPLY, "Button", "&Apply", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 160, 168, 45, 14},
            {IDC_DISABLED_BUTTON, "Button", "Help", kChild | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 0, 210, 168,
             45, 14},
        }};
}

class EveryControlDialog : public CDialog {
public:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CheckDlgButton(IDC_CHECK_ON, BST_CHECKED);
        CheckDlgButton(IDC_CHECK_GREY, BST_INDETERMINATE);
        CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_B);
        return TRUE;
    }
};

TEST(ClassicLook, DialogWithEveryControlIsWrittenToPng)
{
    AutomationSession session;
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(everyControl()));
    dialog.ShowWindow(SW_SHOW);
    session->Pump();

    const std::string path = painttest::OutputPath("every-control.png");
    session->Screenshot(dialog, path.c_str());
    Surface read;
    std::string error;
    ASSERT_TRUE(PngFile::Read(path, read, &error)) << error;
    EXPECT_EQ(read, session->Render(dialog));
    EXPECT_EQ(read.Width(), session->WindowRect(dialog).Width());
    EXPECT_EQ(read.Height(), session->WindowRect(dialog).Height());
}

// Scale 2 is the scale-1 picture with every fill and edge doubled, its text drawn at the larger
// size: a pixel-doubled scale-1 render differs from it in the labels only, and scale 1 again is
// the picture it was.
TEST(ClassicLook, AtScaleTwoEdgesAreDoubledAndTextIsRenderedLargerNotEnlarged)
{
    AutomationSession session;
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(everyControl()));
    dialog.ShowWindow(SW_SHOW);
    const Surface one = session->Render(dialog);
    const Surface two = session->Render(dialog, 2);
    ASSERT_EQ(CSize(two.Width(), two.Height()), CSize(one.Width() * 2, one.Height() * 2));
    auto notDoubled = [&](const CRect& r) {
        int n = 0;
        for (int y = r.top * 2; y < r.bottom * 2; ++y)
            for (int x = r.left * 2; x < r.right * 2; ++x) n += two.GetPixel(x, y) != one.GetPixel(x / 2, y / 2);
        return n;
    };
    EXPECT_GT(notDoubled(InImage(::GetDlgItem(dialog, IDC_LABEL_LEFT))), 40) << "text enlarged pixel by pixel";
    EXPECT_EQ(notDoubled(InImage(::GetDlgItem(dialog, IDC_ETCHED))), 0);
    EXPECT_EQ(notDoubled(CRect(0, 30, 4, one.Height())), 0) << "the frame's edges";
    EXPECT_EQ(session->Render(dialog), one);
}

// A front end drawing at scale 2 sets it as the default, so a new window's first paint is at that
// scale and rendering it there paints nothing again.
TEST(ClassicLook, ANewWindowPaintsAtTheDefaultScaleNotAtOneAndThenAgain)
{
    AutomationSession session;
    PaintManager::Get().SetDefaultScale(2);
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(everyControl()));
    dialog.ShowWindow(SW_SHOW);
    PaintManager::Get().PaintPending(dialog);
    const long long fills = CDC::GetTotalFillCount();
    EXPECT_EQ(session->Render(dialog, 2).Width(), session->WindowRect(dialog).Width() * 2);
    EXPECT_EQ(CDC::GetTotalFillCount(), fills) << "the window painted at scale 1 first";
}

// Leftmost and rightmost columns holding a colour (or, with `other` set, any other colour) in a
// rectangle; (-1, -1) when none do.
std::pair<int, int> ColumnsOf(const Surface& s, const CRect& r, COLORREF color, bool other = false)
{
    int first = -1, last = -1;
    for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y)
            if ((s.GetPixel(x, y) == color) != other) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// Pixels darker than a mid grey in every channel: the ink of black text, anti-aliased or not.
int CountDark(const Surface& s, const CRect& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = s.GetPixel(x, y);
            if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) ++n;
        }
    return n;
}

struct CaptionedWindow {
    CWnd wnd;
    explicit CaptionedWindow(const char* caption, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE)
    {
        EXPECT_TRUE(wnd.CreateEx(0, nullptr, caption, style, 50, 50, 240, 120, nullptr, nullptr));
        wnd.SetActiveWindow();
    }
};

TEST(ClassicLook, CaptionShowsItsTextInBoldOnTheActiveCaptionColour)
{
    AutomationSession session;
    CaptionedWindow w("Pixel caption");
    const CRect caption = ClassicLook::CaptionRect(w.wnd);
    ASSERT_EQ(caption, CRect(3, 3, 237, 21)) << "inside the 3-pixel frame, 18 pixels high";
    Surface image = session->Render(w.wnd);
    const COLORREF text = ::GetSysColor(COLOR_CAPTIONTEXT);
    EXPECT_GT(CountColor(image, caption, text), 40);
    EXPECT_GT(CountColor(image, caption, ::GetSysColor(COLOR_ACTIVECAPTION)), caption.Width() * caption.Height() / 2);
    // Bold: wider than the same text in the regular dialog font.
    auto [left, right] = ColumnsOf(image, caption, text);
    CDC measure;
    measure.CreateCompatibleDC(nullptr);
    EXPECT_GT(right - left + 1, measure.GetTextExtent("Pixel caption").cx);
    // The frame: raised edge outside, face colour inside it, and the line under the caption.
    EXPECT_EQ(image.GetPixel(0, 60), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(image.GetPixel(239, 60), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(image.GetPixel(2, 60), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(image.GetPixel(100, caption.bottom), ::GetSysColor(COLOR_3DFACE));

    // A new caption text and the loss of activation both redraw the frame.
    CaptionedWindow other("Other");
    w.wnd.SetWindowText("");
    image = session->Render(w.wnd);
    CRect textArea = caption;
    textArea.right = ClassicLook::CloseBoxRect(w.wnd).left;
    EXPECT_EQ(CountColor(image, textArea, text), 0);
    EXPECT_GT(CountColor(image, caption, ::GetSysColor(COLOR_INACTIVECAPTION)), caption.Width() * caption.Height() / 2);
    w.wnd.SetWindowText("Inactive");
    image = session->Render(w.wnd);
    EXPECT_GT(CountColor(image, caption, ::GetSysColor(COLOR_INACTIVECAPTIONTEXT)), 20);
}

TEST(ClassicLook, CloseBoxIsGreyedWithTheSystemMenusCloseItem)
{
    AutomationSession session;
    CaptionedWindow w("Closable");
    const CRect box = ClassicLook::CloseBoxRect(w.wnd);
    ASSERT_EQ(box.Size(), CSize(16, 14));
    CRect inside = box;
    inside.DeflateRect(2, 2);
    Surface image = session->Render(w.wnd);
    EXPECT_GT(CountColor(image, inside, ::GetSysColor(COLOR_BTNTEXT)), 10) << "a black cross";
    EXPECT_EQ(CountColor(image, inside, ::GetSysColor(COLOR_3DSHADOW)), 0);

    w.wnd.GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_FALSE(session->CloseBoxEnabled(w.wnd));
    image = session->Render(w.wnd);
    EXPECT_EQ(CountColor(image, inside, ::GetSysColor(COLOR_BTNTEXT)), 0) << "no black left";
    EXPECT_GT(CountColor(image, inside, ::GetSysColor(COLOR_3DSHADOW)), 10) << "the cross in grey";
    EXPECT_GT(CountColor(image, inside, ::GetSysColor(COLOR_3DHIGHLIGHT)), 5) << "etched with a highlight";
    session->Screenshot(w.wnd, painttest::OutputPath("greyed-close-box.png").c_str());

    w.wnd.GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    image = session->Render(w.wnd);
    EXPECT_GT(CountColor(image, inside, ::GetSysColor(COLOR_BTNTEXT)), 10);
}

TEST(ClassicLook, SystemMenuIconAndMinimiseBoxSitInTheCaption)
{
    AutomationSession session;
    HICON__ red(IconImage::Solid(16, 16, 0xFFFF0000u));
    HICON__ blue(IconImage::Solid(32, 32, 0xFF0000FFu));
    CaptionedWindow w("Iconic", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
    EXPECT_TRUE(ClassicLook::IconRect(w.wnd).IsRectEmpty()) << "no icon yet";
    w.wnd.SetIcon(&blue, TRUE);
    Surface image = session->Render(w.wnd);
    CRect icon = ClassicLook::IconRect(w.wnd);
    ASSERT_EQ(icon.Size(), CSize(16, 16));
    EXPECT_EQ(CountColor(image, icon, RGB(0, 0, 255)), 256) << "the big icon shrunk to the caption";
    w.wnd.SetIcon(&red, FALSE);
    image = session->Render(w.wnd);
    EXPECT_EQ(CountColor(image, icon, RGB(255, 0, 0)), 256) << "the small icon preferred";
    // The caption text starts after the icon.
    auto [left, right] = ColumnsOf(image, ClassicLook::CaptionRect(w.wnd), ::GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_GE(left, icon.right);

    // Minimise and (greyed) maximise boxes left of the close box.
    const CRect close = ClassicLook::CloseBoxRect(w.wnd);
    CRect minimise(close.left - 2 - 2 * close.Width(), close.top, close.left - 2 - close.Width(), close.bottom);
    CRect maximise(close.left - 2 - close.Width(), close.top, close.left - 2, close.bottom);
    minimise.DeflateRect(2, 2);
    maximise.DeflateRect(2, 2);
    EXPECT_GT(CountColor(image, minimise, ::GetSysColor(COLOR_BTNTEXT)), 5);
    EXPECT_EQ(CountColor(image, maximise, ::GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_GT(CountColor(image, maximise, ::GetSysColor(COLOR_3DSHADOW)), 5);

    // Without a system menu: no icon, no close box.
    w.wnd.ModifyStyle(WS_SYSMENU, 0);
    EXPECT_TRUE(ClassicLook::IconRect(w.wnd).IsRectEmpty());
    image = session->Render(w.wnd);
    EXPECT_EQ(CountColor(image, image.Bounds(), RGB(255, 0, 0)), 0);
}

TEST(ClassicLook, DialogControlsShowTheirState)
{
    AutomationSession session;
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(everyControl()));
    dialog.ShowWindow(SW_SHOW);
    Surface image = session->Render(dialog);
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    const COLORREF black = RGB(0, 0, 0);
    auto at = [&](int id) { return InImage(session->Find(dialog, id)); };

    // Dialog background.
    const CRect client = session->ClientRect(dialog);
    EXPECT_EQ(image.GetPixel(session->WindowRect(dialog).Width() - 8, client.Height() / 2 + 30), face);

    // Static alignment: ink hugs the left, the middle and the right of each label.
    auto ink = [&](int id) { return ColumnsOf(image, at(id), face, true); };
    EXPECT_LE(ink(IDC_LABEL_LEFT).first - at(IDC_LABEL_LEFT).left, 1);
    EXPECT_LE(at(IDC_LABEL_RIGHT).right - 1 - ink(IDC_LABEL_RIGHT).second, 1);
    const int leftGap = ink(IDC_LABEL_CENTER).first - at(IDC_LABEL_CENTER).left;
    const int rightGap = at(IDC_LABEL_CENTER).right - 1 - ink(IDC_LABEL_CENTER).second;
    EXPECT_LE(std::abs(leftGap - rightGap), 2);
    EXPECT_GT(CountDark(image, at(IDC_LABEL_LEFT)), 10);
    EXPECT_EQ(CountDark(image, at(IDC_LABEL_DISABLED)), 0) << "disabled text is grey";
    EXPECT_GT(painttest::CountInk(image, at(IDC_LABEL_DISABLED), face), 10);

    // Check boxes: the mark is in the 13-pixel box at the left, vertically centred.
    auto markBox = [&](int id) {
        CRect r = at(id);
        const int top = r.top + (r.Height() - 13) / 2;
        return CRect(r.left + 2, top + 2, r.left + 11, top + 11);
    };
    EXPECT_GT(CountColor(image, markBox(IDC_CHECK_ON), black), 10);
    EXPECT_EQ(CountColor(image, markBox(IDC_CHECK_OFF), ::GetSysColor(COLOR_WINDOW)), 81);
    EXPECT_GT(CountColor(image, markBox(IDC_CHECK_GREY), ::GetSysColor(COLOR_3DSHADOW)), 10);
    EXPECT_EQ(CountColor(image, markBox(IDC_CHECK_DISABLED), ::GetSysColor(COLOR_WINDOW)), 0);
    auto dot = [&](int id) {
        CRect r = at(id);
        const int top = r.top + (r.Height() - 13) / 2;
        return CRect(r.left + 4, top + 4, r.left + 8, top + 8);
    };
    EXPECT_GT(CountColor(image, dot(IDC_RADIO_B), black), 3) << "the checked radio's dot";
    EXPECT_EQ(CountColor(image, dot(IDC_RADIO_A), ::GetSysColor(COLOR_WINDOW)), 16);
    session->SetChecked(dialog, IDC_CHECK_OFF, true);
    image = session->Render(dialog);
    EXPECT_GT(CountColor(image, markBox(IDC_CHECK_OFF), black), 10);

    // Group box: an etched line broken by the text.
    const CRect group = at(IDC_GROUP);
    int shadowRow = -1;
    for (int y = group.top; y < group.top + 12 && shadowRow < 0; ++y)
        if (image.GetPixel(group.left + 2, y) == ::GetSysColor(COLOR_3DSHADOW)) shadowRow = y;
    ASSERT_GT(shadowRow, group.top);
    EXPECT_EQ(image.GetPixel(group.left + 2, shadowRow + 1), ::GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(image.GetPixel(group.right - 4, shadowRow), ::GetSysColor(COLOR_3DSHADOW));
    EXPECT_NE(image.GetPixel(group.left + 12, shadowRow), ::GetSysColor(COLOR_3DSHADOW)) << "broken by the text";

    // Push buttons: the default one framed in black, a held one sunken, a disabled one etched.
    const CRect ok = at(IDOK), cancel = at(IDCANCEL);
    CRect help = at(IDC_DISABLED_BUTTON);
    help.DeflateRect(2, 2);
    EXPECT_EQ(image.GetPixel(ok.left, ok.top + 5), black);
    EXPECT_EQ(image.GetPixel(ok.right - 1, ok.top + 5), black);
    EXPECT_EQ(image.GetPixel(cancel.left, cancel.top + 5), ::GetSysColor(COLOR_3DLIGHT)) << "raised";
    EXPECT_EQ(CountDark(image, help), 0);
    EXPECT_GT(painttest::CountInk(image, help, face), 10);
    ASSERT_TRUE(session->Hold(dialog, IDCANCEL));
    image = session->Render(dialog);
    EXPECT_EQ(image.GetPixel(cancel.left, cancel.top + 5), ::GetSysColor(COLOR_3DSHADOW)) << "sunken while held";
    session->Screenshot(dialog, painttest::OutputPath("cancel-held.png").c_str());
    session->Release(dialog, IDCANCEL);
}

} // namespace
