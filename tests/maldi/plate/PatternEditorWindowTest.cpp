// The editor as it opens (layout, icons, tooltips, initial values) and its drawing buttons: laser
// on and off, the width for new points and for all points, undo. One screenshot.

#include "tests/maldi/plate/PatternEditorTestSupport.h"

#include <cstdlib>
#include <string>

#include "platform/framework/CComboBox.h"

namespace patterned {
namespace {

std::string Describe(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST_F(PatternEditorTest, OpensWithTheTemplatesLayoutIconsAndTooltips)
{
    struct Item {
        UINT id;
        RECT units;
        const char* tooltip;
    };
    const Item items[] = {
        {IDC_PATTERN_FILE_NAME, {31, 23, 260, 14}, nullptr},
        {IDC_PATTERN_BROWSE, {302, 23, 50, 14}, nullptr},
        {IDC_PATTERN_CONTROL, {9, 56, 277, 252}, nullptr},
        {IDC_PATTERN_LASER_WIDTH, {303, 66, 48, 70}, nullptr},
        {IDI_PATTERN_LASER, {297, 95, 29, 26}, "Fire Laser"},
        {IDI_NEW, {328, 95, 29, 26}, "New"},
        {IDI_UNDO, {297, 124, 29, 26}, "Undo"},
        {IDI_LASER_WIDTH, {328, 124, 29, 26}, "Laser Width"},
        {IDI_PATTERN_SAVE, {297, 154, 29, 26}, "Save"},
        {IDI_ALL_LASER_WIDTHS, {328, 154, 29, 26}, "Modify All Laser Widths"},
        {IDI_PATTERN_EXIT, {297, 189, 29, 26}, "Exit"},
        {IDI_OK, {328, 189, 29, 26}, "Ok"},
    };
    Run([&](Automation& a, HWND dlg) {
        auto& dialog = static_cast<CDialog&>(*CWnd::FromHandle(dlg));
        EXPECT_EQ(a.Text(dlg), "PatternEditor");
        CRect size(0, 0, 368, 317);
        dialog.MapDialogRect(&size);
        EXPECT_EQ(a.ClientRect(dlg).Size(), size.Size());
        for (const Item& item : items) {
            SCOPED_TRACE(item.id);
            HWND control = a.Find(dlg, static_cast<int>(item.id));
            // Position and size converted each on its own, as the dialog builds its controls.
            CRect units(item.units.left, item.units.top, item.units.right, item.units.bottom);
            dialog.MapDialogRect(&units);
            CRect expected(units.left, units.top, units.left + units.right, units.top + units.bottom);
            CRect actual = a.WindowRect(control);
            dialog.ScreenToClient(&actual);
            // A closed drop-down combo is as high as its edit field; 70 units is the dropped height.
            if (item.id == IDC_PATTERN_LASER_WIDTH) expected.bottom = actual.bottom;
            EXPECT_EQ(actual, expected) << Describe(actual) << " != " << Describe(expected);
            if (!item.tooltip) continue;
            auto* button = dynamic_cast<CButtonST*>(CWnd::FromHandlePermanent(control));
            ASSERT_NE(button, nullptr) << "an icon button";
            EXPECT_NE(button->GetIconIn(), nullptr);
            EXPECT_EQ(a.ToolTipText(a.ToolTipOf(control), control), item.tooltip);
        }
        EXPECT_EQ(a.ClassName(a.Find(dlg, static_cast<int>(IDC_PATTERN_CONTROL))), PatternControl::kClassName);
        EXPECT_EQ(a.ComboItems(a.Find(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH))),
                  (std::vector<CString>{"1", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}));
        EXPECT_EQ(WidthBox(a, dlg), "1");
        EXPECT_EQ(FileNameBox(a, dlg), "");
        EXPECT_FALSE(LaserPressed(a, dlg));
        EXPECT_FALSE(a.CloseBoxEnabled(dlg));
        EXPECT_FALSE(a.PressCloseBox(dlg));
        EXPECT_EQ(a.Icon(dlg, true), icon);
        EXPECT_EQ(a.Icon(dlg, false), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessage(dlg, WM_QUERYDRAGICON, 0, 0)), icon);
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
}

TEST_F(PatternEditorTest, LaserButtonKeepsThePressedStateAndTheControlInStep)
{
    Run([&](Automation& a, HWND dlg) {
        const bool expectedPressed[] = {true, false, true};
        for (bool pressed : expectedPressed) {
            a.Click(dlg, static_cast<int>(IDI_PATTERN_LASER));
            EXPECT_EQ(LaserPressed(a, dlg), pressed);
            Draw(dlg, 0, 0);
            EXPECT_EQ(Points(dlg).back().laser, pressed ? TRUE : FALSE);
        }
        a.AnswerMessageBox(IDNO);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
    });
}

TEST_F(PatternEditorTest, WidthButtonsTakeTheWidthBoxForNewPointsOrForAll)
{
    Run([&](Automation& a, HWND dlg) {
        HWND widths = a.Find(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH));
        Draw(dlg, 0, 0);
        a.ChooseComboItem(widths, "12");
        Draw(dlg, 1, 0);
        EXPECT_EQ(Points(dlg).back().width, 1) << "choosing a width is not enough";
        a.Click(dlg, static_cast<int>(IDI_LASER_WIDTH));
        Draw(dlg, 2, 0);
        EXPECT_EQ(Points(dlg).back().width, 12);
        a.ReplaceText(widths, "7"); // typed, not in the list
        a.Click(dlg, static_cast<int>(IDI_LASER_WIDTH));
        Draw(dlg, 3, 0);
        std::vector<short> each;
        for (const Point& p : Points(dlg)) each.push_back(p.width);
        EXPECT_EQ(each, (std::vector<short>{1, 1, 12, 7}));

        a.ChooseComboItem(widths, "16");
        a.Click(dlg, static_cast<int>(IDI_ALL_LASER_WIDTHS));
        for (const Point& p : Points(dlg)) EXPECT_EQ(p.width, 16);
        a.Click(dlg, static_cast<int>(IDI_UNDO));
        each.clear();
        for (const Point& p : Points(dlg)) each.push_back(p.width);
        EXPECT_EQ(each, (std::vector<short>{1, 1, 12, 7})) << "undo takes back the change of all widths";
        a.Click(dlg, static_cast<int>(IDI_UNDO));
        EXPECT_EQ(Points(dlg).size(), 3u) << "and then the last point drawn";
        Draw(dlg, 4, 0);
        EXPECT_EQ(Points(dlg).back().width, 7) << "all widths leaves the width for new points alone";
        a.AnswerMessageBox(IDNO);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
    });
}

TEST_F(PatternEditorTest, MinimisedEditorShowsItsIcon)
{
    Run([&](Automation& a, HWND dlg) {
        ::ShowWindow(dlg, SW_MINIMIZE);
        ASSERT_TRUE(a.IsIconic(dlg));
        Surface shot = a.Render(dlg);
        int iconPixels = 0;
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x) iconPixels += shot.GetPixel(x, y) == RGB(0x20, 0x60, 0xC0);
        EXPECT_GT(iconPixels, 100);
        ::ShowWindow(dlg, SW_RESTORE);
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
}

TEST_F(PatternEditorTest, Screenshot)
{
    const char* root = std::getenv("MALDI_TEST_OUTPUT");
    std::filesystem::path dir = root && *root ? std::filesystem::path(root) : folder;
    std::filesystem::create_directories(dir);
    const CString file = WriteFile("spiral.ptn", {{-1.2, -1.2, 0, 4}, {1.2, -1.2, 1, 4}, {1.2, 1.2, 1, 8},
                                                  {-1.2, 1.2, 1, 12}, {-1.2, -0.6, 0, 2}, {0.6, -0.6, 1, 2},
                                                  {0.6, 0.6, 1, 6}, {0, 0.6, 1, 6}, {0, 0, 1, 10}});
    Run([&](Automation& a, HWND dlg) {
        a.ChooseFile(file);
        a.Click(dlg, static_cast<int>(IDC_PATTERN_BROWSE));
        Draw(dlg, 60, 40);
        a.Screenshot(dlg, CString((dir / "pattern-editor.png").string().c_str()));
        HWND control = Control(dlg);
        Surface shot = a.Render(control);
        // The last loaded point fires: a red disc in the middle of the drawing area.
        EXPECT_EQ(shot.GetPixel(shot.Width() / 2, shot.Height() / 2), PatternControl::kLaserOnColour);
        a.AnswerMessageBox(IDNO);
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
    EXPECT_TRUE(std::filesystem::exists(dir / "pattern-editor.png"));
}

} // namespace
} // namespace patterned
