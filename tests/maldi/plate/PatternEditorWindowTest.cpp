// The editor as it opens and its drawing buttons.

#include "tests/maldi/plate/PatternEditorTestSupport.h"

#include "tests/maldi/PictureButtonChecks.h"

#include "platform/framework/CComboBox.h"

namespace patterned {
namespace {

TEST_F(PatternEditorTest, OpensWithAnEmptyPatternTheWidthListAndNoCloseBox)
{
    Run([&](Automation& a, HWND dlg) {
        EXPECT_EQ(a.FocusWindow(), a.Find(dlg, static_cast<int>(IDC_PATTERN_FILE_NAME)));
        ExpectNoBlankOrUnnamedPictureButton(a, dlg);
        EXPECT_EQ(a.ComboItems(a.Find(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH))),
                  (std::vector<CString>{"1", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}));
        EXPECT_EQ(WidthBox(a, dlg), "1");
        EXPECT_EQ(FileNameBox(a, dlg), "");
        EXPECT_FALSE(LaserPressed(a, dlg));
        EXPECT_FALSE(a.PressCloseBox(dlg));
        EXPECT_EQ(a.Icon(dlg, true), icon);
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

} // namespace
} // namespace patterned
