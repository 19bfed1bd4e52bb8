// The controls as the operator sees them: a dialog holding every kind of control and a property
// sheet rendered to PNG files ($MALDI_TEST_OUTPUT/controls), with pixel checks of what each control
// must show (the combo's arrow and selection, the list's highlighted row and header, the slider's
// thumb following its position, the sheet's tabs).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "ControlFixture.h"
#include "platform/framework/ComboBoxControl.h"
#include "platform/framework/ListViewControl.h"
#include "platform/framework/ProgressControl.h"
#include "platform/framework/TabControl.h"
#include "platform/framework/TrackbarControl.h"
#include "platform/framework/gdi/Surface.h"

using namespace controls_test;

namespace {

std::string outputPath(const std::string& file)
{
    const char* root = std::getenv("MALDI_TEST_OUTPUT");
    std::filesystem::path dir = root && *root ? std::filesystem::path(root) : std::filesystem::temp_directory_path();
    dir /= "controls";
    std::filesystem::create_directories(dir);
    return (dir / file).string();
}

// A child's rectangle in its top-level window's image.
CRect inImage(Automation& a, HWND window)
{
    CRect r = a.WindowRect(window);
    CRect top = a.WindowRect(::GetAncestor(window, GA_ROOT));
    r.OffsetRect(-top.left, -top.top);
    return r;
}

// Pixels of text drawn in black: anti-aliased edges are lighter, stems stay near black.
int countDark(const Surface& s, const CRect& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            COLORREF c = s.GetPixel(x, y);
            if (GetRValue(c) < 0x50 && GetGValue(c) < 0x50 && GetBValue(c) < 0x50) ++n;
        }
    }
    return n;
}

int countColor(const Surface& s, const CRect& r, COLORREF color)
{
    int n = 0;
    for (int y = std::max(0, static_cast<int>(r.top)); y < std::min(static_cast<int>(r.bottom), s.Height()); ++y) {
        for (int x = std::max(0, static_cast<int>(r.left)); x < std::min(static_cast<int>(r.right), s.Width()); ++x) {
            if (s.GetPixel(x, y) == color) ++n;
        }
    }
    return n;
}

enum : int {
    IDC_GROUP = 500, IDC_PUSH, IDC_CHECK, IDC_RADIO1, IDC_RADIO2, IDC_LABEL, IDC_NAME, IDC_LOG, IDC_FORMAT, IDC_WIDTH,
    IDC_LIST, IDC_SPEED, IDC_PROGRESS
};

std::vector<DialogItem> everyControl()
{
    const DWORD tab = kChild | WS_TABSTOP;
    return {
        {IDC_GROUP, "Button", "Acquisition", kChild | BS_GROUPBOX, 0, 7, 5, 130, 75},
        {IDC_LABEL, "Static", "Start &Mass", kChild, 0, 14, 20, 45, 8},
        {IDC_NAME, "Edit", "250.5", tab | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 62, 18, 68, 14},
        {IDC_CHECK, "Button", "Use Lock Mass", tab | BS_AUTOCHECKBOX, 0, 14, 38, 80, 10},
        {IDC_RADIO1, "Button", "Automatic", tab | WS_GROUP | BS_AUTORADIOBUTTON, 0, 14, 52, 55, 10},
        {IDC_RADIO2, "Button", "Manual", kChild | BS_AUTORADIOBUTTON, 0, 72, 52, 50, 10},
        {IDC_FORMAT, "ComboBox", "", tab | WS_GROUP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0, 145, 8, 70, 60},
        {IDC_WIDTH, "ComboBox", "", tab | CBS_DROPDOWN | WS_VSCROLL, 0, 225, 8, 40, 70},
        {IDC_LOG, "Edit", "", kChild | ES_MULTILINE | ES_READONLY | WS_VSCROLL, WS_EX_CLIENTEDGE, 145, 28, 120, 52},
        {IDC_LIST, WC_LISTVIEW, "", tab | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, 7, 86, 258, 62},
        {IDC_SPEED, TRACKBAR_CLASS, "", tab | TBS_AUTOTICKS, 0, 7, 154, 110, 20},
        {IDC_PROGRESS, PROGRESS_CLASS, "", kChild, WS_EX_CLIENTEDGE, 125, 157, 140, 12},
        {IDC_PUSH, "Button", "&Browse...", tab, 0, 160, 178, 50, 14},
        {IDOK, "Button", "OK", tab | BS_DEFPUSHBUTTON, 0, 215, 178, 50, 14},
    };
}

void fillEveryControl(Fixture& f)
{
    auto* format = static_cast<CComboBox*>(CWnd::FromHandle(f.item(IDC_FORMAT)));
    for (const char* s : {"MCA", "Centroid", "Continuum"}) format->AddString(s);
    format->SelectString(-1, "Continuum");
    auto* width = static_cast<CComboBox*>(CWnd::FromHandle(f.item(IDC_WIDTH)));
    for (const char* s : {"1", "2", "4", "8"}) width->AddString(s);
    width->SetCurSel(2);
    ::SetWindowText(f.item(IDC_LOG), "Vent the source and wait until the temperature falls below 45 degrees.\r\n"
                                     "(P:1 S:0  E:0)");
    auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(f.item(IDC_LIST)));
    const char* headings[] = {"From Mass  ", "To Mass    ", "CE 1 ", "CE 2 "};
    for (int i = 0; i < 4; ++i) list->InsertColumn(i, headings[i], LVCFMT_LEFT, list->GetStringWidth(headings[i]) + 15, i);
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 3; ++i) {
        CString mass;
        mass.Format("%.4f", 250.0 * (i + 1));
        list->InsertItem(i, mass);
        mass.Format("%.4f", 250.0 * (i + 1) + 100);
        list->SetItemText(i, 1, mass);
        list->SetItemText(i, 2, "30.00");
    }
    auto* speed = static_cast<CSliderCtrl*>(CWnd::FromHandle(f.item(IDC_SPEED)));
    speed->SetRange(0, 7);
    speed->SetPos(2);
    ::SendMessage(f.item(IDC_PROGRESS), PBM_SETPOS, 60, 0);
    ::CheckDlgButton(f.dialog.m_hWnd, IDC_CHECK, BST_CHECKED);
    ::CheckDlgButton(f.dialog.m_hWnd, IDC_RADIO1, BST_CHECKED);
}

} // namespace

TEST(ControlPaint, ADialogWithEveryKindOfControl)
{
    Fixture f(everyControl(), 272, 198);
    fillEveryControl(f);
    HWND list = f.item(IDC_LIST);
    f.a.ClickListItem(list, 1); // the list has the focus: its selected row is highlighted
    f.a.Screenshot(f.dialog.m_hWnd, outputPath("every-control.png").c_str());
    Surface image = f.a.Render(f.dialog.m_hWnd);

    // The drop-down list: its arrow, and its selection in the window text colour.
    HWND format = f.item(IDC_FORMAT);
    CRect button = ComboBoxControl::ButtonRect(format);
    CRect combo = inImage(f.a, format);
    CRect arrow(combo.left + button.left, combo.top + button.top, combo.left + button.right, combo.top + button.bottom);
    EXPECT_GE(countColor(image, arrow, ::GetSysColor(COLOR_BTNTEXT)), 16) << "a 7 x 4 arrow";
    CRect field(combo.left + 3, combo.top + 3, arrow.left, combo.bottom - 3);
    EXPECT_GT(countDark(image, field), 30) << "the selection's text";
    EXPECT_EQ(f.a.Style(format) & WS_VSCROLL, 0u) << "the list's scroll bar is not the field's";

    // The list: header on the face colour, the selected row highlighted across the whole row.
    CRect listRect = inImage(f.a, list);
    CRect header = ListViewControl::HeaderRect(list);
    CRect headerInImage(listRect.left + 2, listRect.top + 2, listRect.right - 2, listRect.top + 2 + header.Height());
    EXPECT_GT(countColor(image, headerInImage, ::GetSysColor(COLOR_3DFACE)), headerInImage.Width() * 4);
    CRect row = ListViewControl::CellRect(list, 1, 3);
    CRect rowInImage(listRect.left + 2 + row.left, listRect.top + 2 + row.top, listRect.left + 2 + row.right,
                     listRect.top + 2 + row.bottom);
    EXPECT_GT(countColor(image, rowInImage, ::GetSysColor(COLOR_HIGHLIGHT)), rowInImage.Width() * 4)
        << "full-row selection reaches the last column";
    CRect other = rowInImage;
    other.OffsetRect(0, -row.Height());
    EXPECT_EQ(countColor(image, other, ::GetSysColor(COLOR_HIGHLIGHT)), 0);

    // The progress bar shows 60 %: its left half is bar, its right end is not.
    CRect progress = inImage(f.a, f.item(IDC_PROGRESS));
    COLORREF bar = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(countColor(image, CRect(progress.left, progress.top, progress.CenterPoint().x, progress.bottom), bar), 20);
    EXPECT_EQ(countColor(image, CRect(progress.right - 20, progress.top, progress.right, progress.bottom), bar), 0);
}

TEST(ControlPaint, TheSliderThumbFollowsThePosition)
{
    Fixture f(everyControl(), 272, 198);
    fillEveryControl(f);
    HWND speed = f.item(IDC_SPEED);
    CRect slider = inImage(f.a, speed);
    auto thumbLeft = [&]() {
        // The first column from the left whose thumb face shows at the thumb's middle height.
        Surface image = f.a.Render(f.dialog.m_hWnd);
        CRect thumb = TrackbarControl::ThumbRect(speed);
        int y = slider.top + 2 + thumb.CenterPoint().y;
        for (int x = slider.left; x < slider.right; ++x) {
            if (image.GetPixel(x, y) == ::GetSysColor(COLOR_3DHIGHLIGHT)) return x - slider.left;
        }
        return -1;
    };
    int at2 = thumbLeft();
    f.a.DragSlider(speed, 6);
    int at6 = thumbLeft();
    ASSERT_GE(at2, 0);
    EXPECT_EQ(at6 - at2, TrackbarControl::PointOf(speed, 6).x - TrackbarControl::PointOf(speed, 2).x);
}

namespace {

constexpr UINT IDD_PAGE_A = 820;
constexpr UINT IDD_PAGE_B = 821;

struct PageResources {
    ResourceModule module{"paint pages",
                          {DialogTemplate{IDD_PAGE_A, "Plate Geometry", WS_CHILD | DS_SETFONT, 0, 0, 0, 200, 90, "MS Sans Serif", 8,
                                          {{IDC_STATIC, "Static", "Wells per Column", kChild, 0, 7, 9, 60, 8},
                                           {43038, "Edit", "12", kChild | WS_TABSTOP, WS_EX_CLIENTEDGE, 75, 7, 40, 14},
                                           {37333, "ComboBox", "", kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 75, 27, 80, 50}}},
                           DialogTemplate{IDD_PAGE_B, "Spatial Calibration", WS_CHILD | DS_SETFONT, 0, 0, 0, 200, 90,
                                          "MS Sans Serif", 8,
                                          {{37332, "Button", "Calibrate on Probe Load", kChild | WS_TABSTOP | BS_AUTOCHECKBOX,
                                            0, 7, 7, 100, 10}}}},
                          {},
                          {}};
    ResourceRegistrar registrar{module};
};

} // namespace

TEST(ControlPaint, APropertySheetShowsItsTabsAndTheActivePage)
{
    static PageResources resources;
    AutomationSession session;
    Automation& a = *session;
    CPropertyPage geometry(IDD_PAGE_A), spatial(IDD_PAGE_B);
    CPropertySheet sheet("Target Plate", nullptr, 0);
    sheet.AddPage(&geometry);
    sheet.AddPage(&spatial);
    a.OnNextModal([&](CWnd& dialog, Automation& op) {
        auto* naming = static_cast<CComboBox*>(CWnd::FromHandle(op.Find(dialog.m_hWnd, 37333)));
        naming->AddString("Numerical");
        naming->AddString("Alpha Numeric");
        naming->SetCurSel(1);
        op.Screenshot(dialog.m_hWnd, outputPath("property-sheet.png").c_str());
        Surface image = op.Render(dialog.m_hWnd);
        HWND tabs = op.Find(dialog.m_hWnd, AFX_IDC_TAB_CONTROL);
        CRect tabsInImage = inImage(op, tabs);
        // The selected tab stands higher than the other.
        CRect first = TabControl::TabRect(tabs, 0), second = TabControl::TabRect(tabs, 1);
        COLORREF light = ::GetSysColor(COLOR_3DHIGHLIGHT);
        int x1 = tabsInImage.left + first.CenterPoint().x, x2 = tabsInImage.left + second.CenterPoint().x;
        int top = tabsInImage.top + first.top;
        EXPECT_EQ(image.GetPixel(x1, top - 2), light) << "the selected tab's top line, two pixels up";
        EXPECT_EQ(image.GetPixel(x2, top), light) << "the other tab's top line";
        EXPECT_NE(image.GetPixel(x2, top - 2), light);
        op.SelectSheetPage(dialog.m_hWnd, 1);
        Surface after = op.Render(dialog.m_hWnd);
        EXPECT_EQ(after.GetPixel(x2, top - 2), light);
        op.Screenshot(dialog.m_hWnd, outputPath("property-sheet-second-page.png").c_str());
        op.Click(op.Find(dialog.m_hWnd, IDCANCEL));
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}
