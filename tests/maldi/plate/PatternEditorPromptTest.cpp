// The save-changes prompt that New, Ok, Exit and Browse share.

#include "tests/maldi/plate/PatternEditorTestSupport.h"

namespace patterned {
namespace {

constexpr int kSaveDialog = 1;
constexpr int kOpenDialog = 2;

TEST_F(PatternEditorTest, PromptNamesTheFileWhenThereIsOne)
{
    const CString path = Path("named.ptn");
    const INT_PTR result = Run([&](Automation& a, HWND dlg) {
        Draw(dlg, 3, 4);
        a.AnswerMessageBox(IDCANCEL);
        a.Click(dlg, static_cast<int>(IDI_NEW));
        a.ChooseFile(path);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
        Draw(dlg, 5, 6);
        a.AnswerMessageBox(IDCANCEL);
        a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        a.AnswerMessageBox(IDNO);
        a.Click(dlg, static_cast<int>(IDI_OK));
    });
    EXPECT_EQ(result, IDCANCEL);
    const auto& boxes = automation->MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Do you want to save current changes ?\n");
    EXPECT_EQ(boxes[1].text, "Save Changes to " + path + " ?");
    EXPECT_EQ(boxes[2].text, boxes[1].text);
    for (const MessageBoxRecord& box : boxes) {
        EXPECT_EQ(box.caption, "Pattern File");
        EXPECT_EQ(box.flags, 0x10033u);
    }
}

// Each operation with each answer on a changed pattern (one point, no file name yet).
TEST_F(PatternEditorTest, EachAnswerOfThePromptAsEachOperationTakesIt)
{
    struct Case {
        const char* what;
        UINT button;
        int answer;
        std::vector<int> fileDialogs; // in order
        bool ends;
        bool cleared;                 // the drawn point is gone
        bool saved;                   // the drawn point is in the saved file
    };
    const Case cases[] = {
        {"New, Cancel", IDI_NEW, IDCANCEL, {}, false, false, false},
        {"New, Yes", IDI_NEW, IDYES, {kSaveDialog}, false, true, true},
        {"New, No", IDI_NEW, IDNO, {}, false, true, false},
        {"Ok, Cancel", IDI_OK, IDCANCEL, {}, false, false, false},
        {"Ok, Yes", IDI_OK, IDYES, {kSaveDialog}, true, false, true},
        {"Ok, No", IDI_OK, IDNO, {}, true, false, false},
        {"Exit, Cancel", IDI_PATTERN_EXIT, IDCANCEL, {}, false, false, false},
        {"Exit, Yes", IDI_PATTERN_EXIT, IDYES, {kSaveDialog}, true, false, true},
        {"Exit, No", IDI_PATTERN_EXIT, IDNO, {}, true, false, false},
        {"Browse, Cancel", IDC_PATTERN_BROWSE, IDCANCEL, {}, false, false, false},
        {"Browse, Yes: saves and opens nothing", IDC_PATTERN_BROWSE, IDYES, {kSaveDialog}, false, false, true},
        {"Browse, No: opens at once", IDC_PATTERN_BROWSE, IDNO, {kOpenDialog}, false, true, false},
    };
    const CString other = WriteFile("other.ptn", {{0.5, 0.5, 1, 6}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CString saved = Path("saved.ptn");
        std::filesystem::remove(saved.GetString());
        const size_t dialogsBefore = automation->FileDialogs().size();
        const size_t boxesBefore = automation->MessageBoxes().size();
        bool ended = false;
        std::vector<Point> after;
        CString nameAfter;
        const INT_PTR result = Run([&](Automation& a, HWND dlg) {
            Draw(dlg, 8, 12);
            a.AnswerMessageBox(c.answer);
            for (int d : c.fileDialogs) a.ChooseFile(d == kSaveDialog ? saved : other);
            a.Click(dlg, static_cast<int>(c.button));
            ended = !a.IsVisible(dlg);
            if (ended) return;
            after = Points(dlg);
            nameAfter = FileNameBox(a, dlg);
            if (Modified(dlg)) a.AnswerMessageBox(IDNO);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(automation->PendingFileDialogAnswers(), 0u) << "every expected file dialog was opened";
        std::vector<int> opened;
        for (size_t i = dialogsBefore; i < automation->FileDialogs().size(); ++i) {
            opened.push_back(automation->FileDialogs()[i].open ? kOpenDialog : kSaveDialog);
        }
        EXPECT_EQ(opened, c.fileDialogs);
        ASSERT_GT(automation->MessageBoxes().size(), boxesBefore);
        EXPECT_EQ(automation->MessageBoxes()[boxesBefore].text, "Do you want to save current changes ?\n");
        const std::vector<PatternPoint> drawnPoint{{0.08, 0.12, 0, 1}};
        EXPECT_EQ(ReadFile(saved), c.saved ? drawnPoint : std::vector<PatternPoint>{});
        if (c.ends) continue;
        const bool hasDrawnPoint = !after.empty() && after[0] == Point{8, 12, FALSE, 1};
        EXPECT_EQ(hasDrawnPoint, !c.cleared);
        if (c.button == IDI_NEW && c.answer != IDCANCEL) {
            EXPECT_TRUE(after.empty());
            EXPECT_EQ(nameAfter, "") << "a new pattern has no file yet";
        }
        if (c.button == IDC_PATTERN_BROWSE && c.answer == IDYES) {
            EXPECT_EQ(nameAfter, saved);
        }
        if (c.button == IDC_PATTERN_BROWSE && c.answer == IDNO) {
            EXPECT_EQ(after, (std::vector<Point>{{50, 50, TRUE, 6}}));
            EXPECT_EQ(nameAfter, other);
        }
    }
}

// An unchanged pattern asks nothing: New clears it, Ok and Exit close.
TEST_F(PatternEditorTest, UnchangedPatternIsLeftWithoutAPrompt)
{
    for (UINT button : {IDI_NEW, IDI_OK, IDI_PATTERN_EXIT}) {
        SCOPED_TRACE(button);
        const CString path = Path("unchanged.ptn");
        bool ended = false;
        const INT_PTR result = Run([&](Automation& a, HWND dlg) {
            Draw(dlg, 1, 1);
            a.ChooseFile(path);
            a.Click(dlg, static_cast<int>(IDI_PATTERN_SAVE));
            a.Click(dlg, static_cast<int>(button));
            ended = !a.IsVisible(dlg);
            if (ended) return;
            EXPECT_TRUE(Points(dlg).empty());
            EXPECT_EQ(FileNameBox(a, dlg), "");
            EXPECT_FALSE(Modified(dlg));
            a.Click(dlg, static_cast<int>(IDI_PATTERN_EXIT));
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(ended, button != IDI_NEW);
    }
    EXPECT_TRUE(automation->MessageBoxes().empty());
}

// Enter and Escape keep the dialog's own handling: they close at once, changed pattern or not.
TEST_F(PatternEditorTest, EnterAndEscapeCloseWithoutAPrompt)
{
    for (auto [vk, expected] : {std::pair{VK_ESCAPE, IDCANCEL}, std::pair{VK_RETURN, IDOK}}) {
        const UINT key = vk;
        const INT_PTR result = Run([&](Automation& a, HWND dlg) {
            Draw(dlg, 1, 1);
            a.PressKeyTo(Control(dlg), key);
        });
        EXPECT_EQ(result, expected) << key;
    }
    EXPECT_TRUE(automation->MessageBoxes().empty());
}

} // namespace
} // namespace patterned
