// The source swap panel's face: the window as created, the status log, the probe position
// indicator, the temperature gauge, and a new run on an old window (its looks: the golden images).

#include "tests/maldi/PictureButtonChecks.h"
#include "SourceSwapTestSupport.h"

using namespace swap_test;

namespace {

// The text of one line of the log as the edit control counts lines (after word wrap).
std::string LogLine(HWND log, int line)
{
    const int start = static_cast<int>(::SendMessage(log, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    const int length = static_cast<int>(::SendMessage(log, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    CString text;
    ::GetWindowText(log, text.GetBuffer(32000), 32000);
    text.ReleaseBuffer();
    return text.str().substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

} // namespace

TEST(SourceSwapPanel, OpensTopmostAndContractedWithTheStepButtonsDisabled)
{
    Bench b;
    b.panel = std::make_unique<CMaldiProbeSwapControlDlg>(&b.host, &b.control);
    HICON icon = MaldiResources::Module().FindIcon(IDI_THERMOMETER);
    b.panel->CreateUI(icon);
    ASSERT_TRUE(b.panel->Create());
    b.wnd = b.panel->m_hWnd;

    EXPECT_TRUE(b.a.IsTopmost(b.wnd));
    EXPECT_EQ(b.a.Icon(b.wnd, true), icon);
    EXPECT_EQ(b.a.Icon(b.wnd, false), icon);
    EXPECT_EQ(b.StepButtons(), std::pair(false, false));
    EXPECT_TRUE(b.a.IsEnabled(b.a.Find(b.wnd, kThermometer)));
    EXPECT_EQ(b.a.CheckState(b.a.Find(b.wnd, kExpand)), BST_UNCHECKED);
    EXPECT_EQ(b.panel->Frame().ExpandState(), ToolWindowFrame::kContracted);
    EXPECT_EQ(b.a.ProgressRange(b.a.Find(b.wnd, kIndicator)), std::make_pair(0, 100));

    ExpectNoBlankOrUnnamedPictureButton(b.a, b.wnd);

    // The timer runs from creation: a first run begins at step 0, with nothing known of the
    // temperature until a readback at or below 45 arrives.
    b.instrument.Temperature(50.0);
    b.a.Advance(3 * CMaldiProbeSwapControlDlg::kTimerInterval);
    EXPECT_EQ(b.Step(), 0);
    EXPECT_EQ(b.Log(), "");
    EXPECT_EQ(b.a.Text(b.wnd, kGauge), "50 \xB0" "C");
    b.instrument.Temperature(40.0);
    EXPECT_EQ(b.StepAfterTick(), 2);
    EXPECT_EQ(b.Title(), "Temperature Ok");
}

TEST(SourceSwapPanel, ContractingHidesExactlyTheStatusLog)
{
    Bench b;
    b.Open();
    const CRect contracted = b.a.WindowRect(b.wnd);
    ASSERT_TRUE(b.Click(kExpand));
    EXPECT_EQ(b.a.CheckState(b.a.Find(b.wnd, kExpand)), BST_CHECKED);
    EXPECT_NE(b.a.WindowRect(b.wnd), contracted);
    EXPECT_TRUE(b.a.IsOnScreen(b.a.Find(b.wnd, kLog)));

    ASSERT_TRUE(b.Click(kExpand));
    EXPECT_EQ(b.a.WindowRect(b.wnd), contracted);
    EXPECT_EQ(b.a.CheckState(b.a.Find(b.wnd, kExpand)), BST_UNCHECKED);
    EXPECT_FALSE(b.a.IsOnScreen(b.a.Find(b.wnd, kLog)));
}

TEST(SourceSwapPanel, KeysNeitherCloseTheWindowNorPressAButton)
{
    Bench b;
    b.instrument.FitCover(kApiCone); // disagrees with MALDI mode: confirm at once
    b.Open();
    b.Tick(4);
    ASSERT_EQ(b.Step(), 15);
    ::SetFocus(b.a.Find(b.wnd, kNextStep));
    for (UINT key : {VK_RETURN, VK_ESCAPE, VK_TAB}) b.a.PressKey(key);
    EXPECT_TRUE(b.a.IsVisible(b.wnd));
    EXPECT_EQ(b.Step(), 15);
    EXPECT_TRUE(b.host.CallsOf(RecordingAppInterface::Operation::SourceSwapComplete).empty());
}

TEST(SourceSwapPanel, RepeatedTextsAreLoggedOnceANewProbeStateLogsAgainAndAFullLogLosesItsOldest)
{
    // In the temperature check the bar is full and the probe is not read: the tag shows the
    // values stored so far.
    Bench b;
    b.instrument.Probe(8, 2);
    b.instrument.Temperature(75.0);
    b.Open();
    b.Tick(20);
    EXPECT_EQ(b.Title(), "Temperature!");
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 1));
    EXPECT_EQ(b.LogCount(kTemperatureHot), 1);
    EXPECT_EQ(b.LogCount("(P:0 S:0  E:0)"), 1);

    Bench c;
    c.Open();
    ASSERT_TRUE(PlaySwap(c, 22, kApiCone));
    c.instrument.Probe(8, 3);
    c.instrument.PreviousState(0x1A);
    c.Tick(5);
    c.instrument.Probe(8, 4);
    c.Tick(5);
    EXPECT_EQ(c.Step(), 22);
    EXPECT_EQ(c.LogCount(kLoadingApi), 2);
    EXPECT_EQ(c.LogCount("(P:8 S:3  E:1A)"), 1);
    EXPECT_EQ(c.LogCount("(P:8 S:4  E:1A)"), 1);

    // A full log drops its oldest entries, whole, so that the newest shows complete.
    ::SendMessage(c.a.Find(c.wnd, kLog), EM_SETLIMITTEXT, 1000, 0);
    for (int i = 0; i < 12; ++i) {
        c.instrument.Probe(8, 3 + i % 2);
        c.Tick();
    }
    const std::string text = c.Log().str();
    ASSERT_GE(text.size(), 15u);
    EXPECT_LE(text.size(), 1000u);
    EXPECT_EQ(text.substr(text.size() - 15), "(P:8 S:4  E:1A)") << "the newest entry cut off: the log was not trimmed";
    EXPECT_EQ(text.find("\r\n\r\n" + std::string(44, '-')), 0u) << "trimmed at an entry's rule";
}

TEST(SourceSwapPanel, EachLogEntryFillsElevenLinesWithItsTagOnTheLast)
{
    Bench b;
    b.Open();
    HWND log = b.a.Find(b.wnd, kLog);
    EXPECT_EQ(b.Log(), "PROBE SWAP");
    ASSERT_EQ(b.LogLines(), 1);

    b.Tick(); // "Temperature Ok"
    EXPECT_EQ(b.LogLines(), 1 + 11);
    EXPECT_EQ(LogLine(log, 11), "(P:0 S:0  E:0)");
    EXPECT_EQ(b.Log().str().find("PROBE SWAP\r\n\r\n" + std::string(44, '-') + "\r\n\r\n" + kTemperatureOk), 0u);
    b.Tick(3); // "Open Source", read with the probe ready at MALDI
    EXPECT_EQ(b.LogLines(), 1 + 11 + 11);
    EXPECT_EQ(LogLine(log, 22), "(P:3 S:0  E:1)");
    // The newest entry is scrolled into view.
    EXPECT_GT(::SendMessage(log, EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    // An entry of eleven or more lines gets its tag straight after it, with no padding.
    Bench n;
    n.instrument.Temperature(60.0);
    n.Open();
    HWND narrow = n.a.Find(n.wnd, kLog);
    ::SetWindowPos(narrow, nullptr, 0, 0, 40, n.a.WindowRect(narrow).Height(), SWP_NOMOVE | SWP_NOZORDER);
    n.Tick();
    const std::string text = n.Log().str();
    const std::string tail = kTemperatureHot + "\r\n\r\n(P:0 S:0  E:0)";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_GT(n.LogLines() - 1, 11);
}

TEST(SourceSwapPanel, IndicatorShowsHowFarTheProbeIsFromItsWorkingPosition)
{
    struct Row {
        int state;
        int subStep;
        int position;
        int upper;
    };
    std::vector<Row> rows{{0, 0, 1, 1}, {0, 9, 1, 1}, {3, 0, 0, 9}, {9, 0, 0, 0}, {9, 4, 0, 0}};
    for (int l = 0; l <= 8; ++l) rows.push_back({1, l, 9 - l, 9});
    for (int l = 0; l <= 3; ++l) rows.push_back({4, l, l + 1, 5});
    for (int l = 0; l <= 5; ++l) rows.push_back({8, l, 5 - l, 6});
    rows.push_back({8, 6, 6, 6});
    rows.push_back({8, 7, 6, 6}); // 7 of 6: the control keeps its position within the range
    // With no cover the run goes straight to "Open Source", which reads the probe.
    auto openSource = [](int state, int subStep) {
        auto b = std::make_unique<Bench>();
        b->instrument.RemoveCover();
        b->instrument.Probe(state, subStep);
        b->Open();
        b->Tick(3);
        EXPECT_EQ(b->Title(), "Open Source");
        return b;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("probe " + std::to_string(row.state) + "," + std::to_string(row.subStep));
        EXPECT_EQ(openSource(row.state, row.subStep)->Indicator(), std::make_pair(row.position, row.upper));
    }

    // Pairs not in the table leave the indicator as it was; the title still changes.
    for (std::pair<int, int> other : {std::pair{3, 1}, {4, 4}, {1, 9}, {8, 8}, {2, 0}, {15, 15}}) {
        SCOPED_TRACE("probe " + std::to_string(other.first) + "," + std::to_string(other.second));
        auto bench = openSource(4, 2);
        Bench& b = *bench;
        ASSERT_EQ(b.Indicator(), std::make_pair(3, 5));
        b.instrument.Probe(other.first, other.second);
        b.instrument.OpenSource();
        b.Tick(2); // 5, 6 "Unloading"
        EXPECT_EQ(b.Title(), "Unloading");
        EXPECT_EQ(b.Indicator(), std::make_pair(3, 5));
    }
}

TEST(SourceSwapPanel, UnknownProbeSymbolsLeaveTheIndicatorButNotTheLog)
{
    Bench b;
    b.instrument.RemoveCover();
    b.instrument.Forget(kPrevious);
    b.Open();
    b.Tick(3); // step 4 shows "Open Source"
    EXPECT_EQ(b.Title(), "Temperature Ok");
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 1));
    EXPECT_EQ(b.LogCount(kOpenSource), 1);
}

TEST(SourceSwapPanel, GaugeShowsTheReadbackInWholeDegrees)
{
    Bench b;
    b.Open();
    EXPECT_EQ(b.a.Text(b.wnd, kGauge), "30 \xB0" "C");
    EXPECT_EQ(b.a.ProgressRange(b.a.Find(b.wnd, kGauge)), std::make_pair(0, 180));
    for (auto [readback, shown] : {std::pair{-3.7, "-3 \xB0" "C"}, {250.0, "180 \xB0" "C"}, {1e12, "180 \xB0" "C"}}) {
        b.instrument.Temperature(readback); // 1e12: beyond any int, nothing undefined
        b.Tick();
        EXPECT_EQ(b.a.Text(b.wnd, kGauge), shown);
    }

    // A readback the instrument does not know leaves gauge, temperature and status as they were.
    b.instrument.Forget(kReadback);
    b.Tick();
    EXPECT_EQ(b.a.Text(b.wnd, kGauge), "180 \xB0" "C");
    EXPECT_EQ(b.panel->GetSourceTemperature(), 1e12);
}

TEST(SourceSwapPanel, DisplayWindowStartsANewRun)
{
    Bench b;
    b.host.SetSourceMode(CMaldiAppInterface::SourceModeApi);
    b.instrument.FitCover(kApiCone);
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 24, kMaldiCap));
    ASSERT_TRUE(b.Click(kNextStep));
    ASSERT_FALSE(b.a.IsVisible(b.wnd));

    // After a finished run, then after one closed in the temperature check, whose last entry the
    // new run shows first.
    b.instrument.Temperature(60.0);
    b.panel->SetSourceTemperature();
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        b.panel->DisplayWindow();
        EXPECT_TRUE(b.a.IsVisible(b.wnd));
        EXPECT_EQ(b.Log(), "PROBE SWAP");
        EXPECT_EQ(b.Title(), "");
        EXPECT_EQ(b.a.ProgressPosition(b.a.Find(b.wnd, kIndicator)), 0);
        EXPECT_EQ(b.Step(), 0);
        EXPECT_EQ(b.panel->GetPressureCheckTicks(), 0) << "the last run's pressure check count kept";
        EXPECT_EQ(b.panel->GetTargetSourceMode(), 0);
        b.Tick(3);
        EXPECT_EQ(b.Title(), "Temperature!") << "the timer runs again";
        EXPECT_EQ(b.LogCount(kTemperatureHot), 1) << "the last entry is forgotten with the log";
        ASSERT_TRUE(b.a.PressCloseBox(b.wnd));
    }
}

TEST(SourceSwapPanel, IndicatorAndGaugeShowTheirOwnColoursNotTheSystemOnes)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 22, kApiCone));
    b.instrument.Probe(8, 3); // 2 of 6
    b.Tick();
    const Surface shot = b.a.Render(b.wnd);

    // The gradient itself is in the golden images; here the grey past the bar's first third and
    // the title beside the bar in dark blue ink, which no golden state shows.
    const CRect window = b.a.WindowRect(b.wnd);
    CRect bar = b.a.WindowRect(b.a.Find(b.wnd, kIndicator));
    bar.OffsetRect(-window.left, -window.top);
    EXPECT_EQ(shot.GetPixel(bar.right - 3, bar.top + 2), RGB(0xC0, 0xC0, 0xC0)) << "background past the bar";
    const int head = bar.left + bar.Width() / 3;
    int darkInk = 0;
    for (int y = bar.top; y < bar.bottom; ++y)
        for (int x = head + 2; x < bar.right; ++x) darkInk += shot.GetPixel(x, y) == RGB(0, 0, 0x7F);
    EXPECT_GT(darkInk, 5);
    // The gauge: red from 45 up is not reached at 30 degrees, so its bar is green.
    CRect gauge = b.a.WindowRect(b.a.Find(b.wnd, kGauge));
    gauge.OffsetRect(-window.left, -window.top);
    EXPECT_EQ(shot.GetPixel(gauge.left + 3, gauge.top + 2), RGB(0, 0x80, 0));
}
