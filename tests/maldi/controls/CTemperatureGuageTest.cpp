// The temperature gauge as the source swap panel uses it: limits 0 to 180, hot mark 45, the
// temperature written on a green or red bar.

#include "ControlsTestSupport.h"

using namespace controls_test;

namespace {

constexpr COLORREF kGreen = 0x008000;
constexpr COLORREF kRed = 0x0000FF;

struct Gauge : BarFixture<TestGauge> {
    Gauge() : BarFixture<TestGauge>(180, 16) { bar.Initialise(); }
    COLORREF barColour()
    {
        auto [start, end] = gradientOf(bar);
        EXPECT_EQ(start, end); // always a solid bar
        return start;
    }
};

} // namespace

TEST(TemperatureGauge, InitialiseSetsTextModeFontAndAOneDegreeStep)
{
    Gauge f;
    EXPECT_EQ(f.a.Style(f.bar) & PBS_TEXTMASK, PBS_SHOW_TEXTONLY);
    EXPECT_EQ(f.barColour(), kGreen);
    // Arial in the default size (its colours and weight show in the swap panel's pictures).
    CFont* font = CFont::FromHandle(f.a.Font(f.bar));
    ASSERT_NE(font, nullptr);
    LOGFONT lf;
    ASSERT_TRUE(font->GetLogFont(&lf));
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, 0);
    // The step sent to the control is the gauge's: one degree.
    EXPECT_EQ(::SendMessage(f.bar, PBM_STEPIT, 0, 0), 20);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 21);
}

TEST(TemperatureGauge, GreenBelowTheHotMarkRedFromIt)
{
    Gauge f;
    f.bar.SetTemperature(44);
    EXPECT_EQ(f.barColour(), kGreen);
    f.bar.SetTemperature(45);
    EXPECT_EQ(f.barColour(), kRed);
    EXPECT_EQ(f.bar.GetTextColorOnBk(), kRed);
    EXPECT_EQ(f.a.Text(f.bar), "45 \xB0" "C");
    auto c = f.Paint(); // a quarter of the gauge red, the rest black
    EXPECT_EQ(c->at(5, 8), kRed);
    EXPECT_EQ(c->at(170, 8), RGB(0, 0, 0));

    // Moving the mark alone recolours without touching the text.
    f.bar.SetHotTemperature(50);
    EXPECT_EQ(f.barColour(), kGreen);
    EXPECT_EQ(f.a.Text(f.bar), "45 \xB0" "C");
    f.bar.SetHotTemperature(-10); // signed comparison
    EXPECT_EQ(f.barColour(), kRed);
}

TEST(TemperatureGauge, TemperaturesAreHeldAtTheUpperLimitButNotTheLower)
{
    Gauge f;
    f.bar.SetTemperature(200);
    EXPECT_EQ(f.a.Text(f.bar), "180 \xB0" "C");
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 180);
    EXPECT_EQ(f.barColour(), kRed);

    f.bar.SetTemperature(-5);
    EXPECT_EQ(f.a.Text(f.bar), "-5 \xB0" "C");
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0); // the bar is empty, the text tells

    // Lowering the limits leaves the stored temperature and its text until the next reading.
    f.bar.SetTemperature(150);
    f.bar.SetTemperatureLimits(0, 100);
    EXPECT_EQ(f.a.ProgressRange(f.bar), std::make_pair(0, 100));
    EXPECT_EQ(f.a.Text(f.bar), "150 \xB0" "C");
    f.bar.SetTemperature(150);
    EXPECT_EQ(f.a.Text(f.bar), "100 \xB0" "C");
}

TEST(TemperatureGauge, SettingsBeforeTheWindowExistsAreKept)
{
    AutomationSession session;
    CTemperatureGuage gauge; // not attached yet: nothing to draw on, nothing fails
    gauge.SetTemperatureLimits(0, 100);
    gauge.SetTemperature(300);
    gauge.SetHotTemperature(40);
    EXPECT_EQ(gradientOf(gauge).first, kRed);
}
