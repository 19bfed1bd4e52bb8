// The bars painted by the window system (WM_PAINT through the off-screen buffer) and screenshots of
// a few characteristic ones, written to $MALDI_TEST_OUTPUT/controls for people to look at.

#include "ControlsTestSupport.h"

#include <filesystem>
#include <string>

#include "platform/framework/gdi/PaintManager.h"
#include "platform/framework/gdi/PngFile.h"
#include "platform/framework/gdi/SurfaceDiff.h"

using namespace controls_test;

namespace {

constexpr int IDC_PERCENT = 1201;
constexpr int IDC_SNAKE = 1202;
constexpr int IDC_VERTICAL = 1203;
constexpr int IDC_COLD = 1204;
constexpr int IDC_HOT = 1205;
constexpr int IDC_RAINBOW = 1206;

DialogTemplate galleryTemplate()
{
    return DialogTemplate{901, "Progress bars", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 250, 118,
                          "MS Sans Serif", 8,
                          {
                              {IDC_PERCENT, "msctls_progress32", "Progress1", kBarStyle, 0, 7, 7, 200, 12},
                              {IDC_SNAKE, "msctls_progress32", "Progress1", kBarStyle, 0, 7, 25, 200, 12},
                              {IDC_RAINBOW, "msctls_progress32", "Progress1", kBarStyle, 0, 7, 43, 200, 12},
                              {IDC_COLD, "msctls_progress32", "Progress1", kBarStyle, 0, 7, 61, 200, 12},
                              {IDC_HOT, "msctls_progress32", "Progress1", kBarStyle, 0, 7, 79, 200, 12},
                              {IDC_VERTICAL, "msctls_progress32", "Progress1", kBarStyle | PBS_VERTICAL, 0, 220, 7, 16, 100},
                          }};
}

class GalleryDialog : public CDialog {
public:
    CProgressCtrlX percent, snake, rainbow, vertical;
    CTemperatureGuage cold, hot;
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_PERCENT, percent);
        DDX_Control(dx, IDC_SNAKE, snake);
        DDX_Control(dx, IDC_RAINBOW, rainbow);
        DDX_Control(dx, IDC_VERTICAL, vertical);
        DDX_Control(dx, IDC_COLD, cold);
        DDX_Control(dx, IDC_HOT, hot);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        percent.SetGradientColors(RGB(0, 0, 128), RGB(0, 160, 255));
        percent.SetTextColor(RGB(255, 255, 255), RGB(0, 0, 0));
        percent.SetShowPercent(TRUE);
        percent.SetPos(63);

        snake.SetSnake(TRUE);
        snake.SetGradientColors(RGB(0, 96, 0), RGB(128, 255, 128));
        snake.SetStep(10);
        for (int i = 0; i < 7; ++i) snake.StepIt();

        rainbow.SetGradientColorsX(4, RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 200, 0), RGB(0, 0, 255));
        rainbow.SetRubberBar(TRUE);
        rainbow.SetTextFormat("Step %d", PBS_SHOW_POSITION);
        rainbow.SetTiedText(TRUE);
        rainbow.SetTextColor(RGB(0, 0, 0));
        rainbow.SetPos(80);

        vertical.SetGradientColors(RGB(128, 0, 0), RGB(255, 200, 0));
        vertical.SetPos(25);

        cold.Initialise();
        cold.SetTemperature(20);
        hot.Initialise();
        hot.SetTemperature(120);
        return TRUE;
    }
};

std::string outputFolder()
{
    std::filesystem::path folder = std::filesystem::path(SurfaceDiff::OutputDirectory()) / "controls";
    std::filesystem::create_directories(folder);
    return folder.string();
}

// The client area of a bar as the window system painted it.
Surface clientOf(HWND bar)
{
    Surface whole = PaintManager::Get().Render(bar);
    CRect client;
    ::GetClientRect(bar, &client);
    POINT origin{0, 0};
    ::ClientToScreen(bar, &origin);
    client.OffsetRect(origin.x, origin.y);
    CRect window;
    ::GetWindowRect(bar, &window);
    client.OffsetRect(-window.left, -window.top);
    Surface out(client.Width(), client.Height());
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x) out.SetPixel(x, y, whole.GetPixel(client.left + x, client.top + y));
    return out;
}

} // namespace

TEST(ProgressScreens, TheWindowSystemShowsWhatTheBarPaints)
{
    BarFixture<> f(150, 18);
    f.bar.SetGradientColors(RGB(0, 0, 0), RGB(0, 0, 255));
    f.bar.SetTextColor(RGB(255, 255, 0), RGB(255, 0, 0));
    f.bar.SetBkColor(RGB(255, 255, 255));
    f.bar.SetShowPercent(TRUE);
    f.bar.SetBorders(CRect(2, 2, 2, 2));
    f.bar.SetPos(40);
    Surface onScreen = clientOf(f.bar);
    auto painted = f.Paint();
    EXPECT_EQ(onScreen, painted->surface());

    // Repainting part of the bar paints only that part, with the same pixels as a full paint.
    f.bar.SetGradientColors(RGB(0, 128, 0), RGB(0, 128, 0));
    CRect part(100, 0, 150, 18);
    f.bar.InvalidateRect(&part, FALSE);
    Surface mixed = clientOf(f.bar);
    auto repainted = f.Paint();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 150; ++x) {
            const Surface& expected = x >= 100 ? repainted->surface() : painted->surface();
            ASSERT_EQ(mixed.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
        }
}

TEST(ProgressScreens, GalleryOfCharacteristicBars)
{
    AutomationSession session;
    GalleryDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(galleryTemplate(), nullptr));
    Surface shot = PaintManager::Get().Render(dialog);
    ASSERT_FALSE(shot.IsEmpty());
    const std::string folder = outputFolder();
    std::string error;
    EXPECT_TRUE(PngFile::Write(shot, folder + "/progress_bars.png", &error)) << error;

    // What the operator sees of the gauges: green or red on black.
    Surface cold = clientOf(dialog.cold);
    Surface hot = clientOf(dialog.hot);
    EXPECT_EQ(cold.GetPixel(2, cold.Height() / 2), 0x008000u);
    EXPECT_EQ(hot.GetPixel(2, hot.Height() / 2), 0x0000FFu);
    EXPECT_EQ(cold.GetPixel(cold.Width() - 2, cold.Height() / 2), 0u);
}
