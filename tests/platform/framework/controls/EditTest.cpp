// Edits beyond typing: word-wrapped line counting in the edit's font, scrolling to the last line,
// and the status-log pattern of the source swap panel.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ControlFixture.h"
#include "platform/framework/EditControl.h"
#include "platform/framework/TextLayout.h"

using namespace controls_test;

namespace {

constexpr int IDC_LOG = 100;     // multi-line, word-wrapped, read-only, vertical scroll bar
constexpr int IDC_WIDE = 101;    // multi-line that scrolls sideways: no wrapping
constexpr int IDC_SINGLE = 102;
constexpr int IDC_NOTES = 103;   // multi-line, auto vertical scroll, typed into

constexpr DWORD kLogStyle = kChild | WS_BORDER | ES_MULTILINE | ES_READONLY | WS_VSCROLL;

std::vector<DialogItem> editItems()
{
    return {
        {IDC_LOG, "Edit", "", kLogStyle, 0, 7, 7, 103, 69},
        {IDC_WIDE, "Edit", "", kChild | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL, 0, 120, 7, 60, 40},
        {IDC_SINGLE, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 120, 60, 60, 14},
        {IDC_NOTES, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 190, 7, 60, 30},
    };
}

CEdit& edit(Fixture& f, int id)
{
    return *static_cast<CEdit*>(CWnd::FromHandle(f.item(id)));
}

// The edit's lines as EM_GETLINE gives them.
std::vector<CString> linesOf(CEdit& e)
{
    std::vector<CString> out;
    for (int i = 0; i < e.GetLineCount(); ++i) {
        char buffer[512];
        WORD size = sizeof buffer;
        std::memcpy(buffer, &size, sizeof size);
        int n = static_cast<int>(e.SendMessage(EM_GETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer)));
        out.emplace_back(buffer, n);
    }
    return out;
}

CString trimmedRight(CString s)
{
    s.TrimRight();
    return s;
}

} // namespace

TEST(EditWrap, LinesBreakBetweenWordsAtTheFormattingWidthAndLoseNoCharacter)
{
    Fixture f(editItems());
    CEdit& log = edit(f, IDC_LOG);
    const CString text = "Remove the source cover and disconnect the probe cable before you continue.";
    log.SetWindowText(text);
    HFONT font = TextLayout::FontOf(log);
    int width = EditControl::FormatRect(log).Width();
    ASSERT_GT(TextLayout::Width(font, text), width); // the sentence is wider than the edit

    std::vector<CString> lines = linesOf(log);
    ASSERT_GE(lines.size(), 2u);
    CString joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        joined += lines[i];
        // Every line fits (its trailing blanks hang over the edge) ...
        EXPECT_LE(TextLayout::Width(font, trimmedRight(lines[i])), width) << "line " << i;
        // ... and no line could have taken the next line's first word.
        if (i + 1 < lines.size()) {
            CString next = lines[i + 1];
            int blank = next.Find(' ');
            CString word = blank < 0 ? next : next.Left(blank);
            EXPECT_GT(TextLayout::Width(font, lines[i] + word), width) << "line " << i;
            EXPECT_EQ(lines[i].Right(1), " ") << "a soft break falls after the blank";
        }
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(log.GetLineCount(), static_cast<int>(lines.size()));
    // Indexes run over the wrapped lines.
    EXPECT_EQ(log.LineIndex(1), lines[0].GetLength());
    EXPECT_EQ(log.SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(lines[0].GetLength())), 1);
    EXPECT_EQ(log.LineLength(lines[0].GetLength()), lines[1].GetLength());
}

TEST(EditWrap, TheStatusLogCountsTheLinesEachEntryAddsAfterWrapping)
{
    // The source swap panel pads each entry to 11 lines with its tag on the last.
    Fixture f(editItems());
    CEdit& log = edit(f, IDC_LOG);
    log.SetWindowText("PROBE SWAP");
    auto append = [&](const CString& entry) {
        int before = log.GetLineCount();
        CString text;
        log.GetWindowText(text);
        log.SetWindowText(text + entry);
        return log.GetLineCount() - before;
    };
    const CString rule(static_cast<char>('-'), 44);
    int added = append("\r\n\r\n" + rule + "\r\n\r\nVent the source and wait until the temperature falls below 45 degrees.\r\n\r\n");
    EXPECT_GE(added, 8) << "the rule and the sentence both wrap";
    CString tag = "(P:1 S:0  E:0)";
    for (int i = added; i < 11; ++i) tag = "\r\n" + tag;
    append(tag);
    EXPECT_EQ(log.GetLineCount(), 1 + 11);
    EXPECT_TRUE(log.LineScroll(log.GetLineCount()));
    EXPECT_EQ(log.GetFirstVisibleLine(), log.GetLineCount() - 1) << "EM_LINESCROLL brings the last line to the top";
}

TEST(EditScroll, TheScrollBarAndTheCaretStopWithTheLastLineAtTheBottom)
{
    Fixture f(editItems());
    CEdit& log = edit(f, IDC_LOG);
    CString text;
    for (int i = 0; i < 30; ++i) text.AppendFormat("line %d\r\n", i);
    log.SetWindowText(text);
    int count = log.GetLineCount();
    ASSERT_EQ(count, 31);
    int visible = EditControl::VisibleLineCount(log);
    ASSERT_GT(visible, 1);
    ASSERT_LT(visible, count);

    log.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), 1);
    log.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), 1 + visible);
    log.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), count - visible);
    log.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), 3);
    log.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), 0);
    EXPECT_EQ(f.dialog.count(IDC_LOG, EN_VSCROLL), 5);

    // Moving the caret to the end brings it into view.
    log.SetSel(text.GetLength(), text.GetLength());
    EXPECT_EQ(log.GetFirstVisibleLine(), count - visible);
    log.SetSel(0, 0);
    EXPECT_EQ(log.GetFirstVisibleLine(), 0);
}
