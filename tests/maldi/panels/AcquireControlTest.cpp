// The acquisition control panel as the host and the operator drive it (its looks: the golden images).

#include <array>
#include <climits>
#include <cmath>
#include <tuple>
#include <utility>

#include "AcquirePanelSupport.h"
#include "maldi/panels/CMaldiAcquireControlDlg.h"

namespace {

struct Panel : AcquirePanel<CMaldiAcquireControlDlg> {
    explicit Panel(bool withHost = true, bool withPlate = true) : AcquirePanel(withHost, withPlate, "%.1f") {}
    CString barText() const { return session->Text(item(IDC_PLATE_SPOT_PROGRESS)); }
    void tick() { session->Advance(CMaldiAcquireControlDlg::kProgressInterval); }
    // A new run at the third of five spots, shown; the host's record starts from there.
    void atThirdSpot()
    {
        dlg->InitialiseDialog(30.0);
        dlg->UpdateProgressIndicator(5, 2, 0, 3);
        tick();
        host.Clear();
    }
    std::pair<bool, bool> moves() const { return {enabled(IDI_PREVIOUS), enabled(IDI_NEXT)}; } // enabled
    // The bar's colours: text over the bar, text beside it, gradient start and end.
    std::array<COLORREF, 4> colours() const
    {
        COLORREF start = 0, end = 0;
        dlg->GetProgressBar().GetGradientColors(start, end);
        return {dlg->GetProgressBar().GetTextColor(), dlg->GetProgressBar().GetTextColorOnBk(), start, end};
    }
};

constexpr std::array<COLORREF, 4> kSampleColours{0xFFFFFF, 0x800000, 0x800000, 0xFF8000};
constexpr std::array<COLORREF, 4> kReferenceColours{0xFFFFFF, 0x4980, 0x4980, 0x93FF};

TEST(AcquireControl, OpensContractedAndAsksForTheInitialStatesOnce)
{
    Panel p;
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(2,14)"}));
    EXPECT_TRUE(p.session->IsTopmost(p.hwnd));
    EXPECT_FALSE(p.session->CloseBoxEnabled(p.hwnd));

    // The "Control" group is folded away until the operator expands the panel.
    EXPECT_FALSE(p.session->IsOnScreen(p.item(IDC_SPEED_SLIDER)));
    ASSERT_TRUE(p.click(IDI_EXPAND_DIALOG));
    EXPECT_TRUE(p.click(IDC_COLLISION_ENERGY));

    // The box shows the collision energy, bound to the instrument as the host described it; the
    // slider the default speed index 1, speed 2.
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_COLLISION_ENERGY), "30.0");
    ASSERT_EQ(p.dlg->GetEditBindings().size(), 1u);
    const CTunePage::EditBinding& ce = p.dlg->GetEditBindings()[0];
    EXPECT_EQ(ce.pMonClient, &p.monitor);
    EXPECT_EQ(ce.nControlId, IDC_COLLISION_ENERGY);
    EXPECT_EQ(ce.strName + "|" + ce.strUnits + "|" + ce.strFormat + "|" + ce.param.strPositive, "CE|V|%.1f|CE_POS");
    EXPECT_EQ(std::make_tuple(ce.nMode, ce.nDecimals, ce.nFlags), std::make_tuple(1, 2, 1));
    EXPECT_EQ(p.session->SliderPosition(p.item(IDC_SPEED_SLIDER)), 1);
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_SPEED_TEXT), "2");
    EXPECT_EQ(p.session->SliderRange(p.item(IDC_SPEED_SLIDER)), std::make_pair(0, 7)) << "the eight speeds, and no more";

    ExpectNoBlankOrUnnamedPictureButton(*p.session, p.hwnd);
    HWND bar = p.item(IDC_PLATE_SPOT_PROGRESS);
    EXPECT_EQ(p.session->ToolTipText(p.session->ToolTipOf(bar), bar, 1), "Plate Spot Position");

    // Before the first tick the bar is the panel's own: 0 of 100, blues on grey.
    EXPECT_EQ(p.session->ProgressRange(bar), std::make_pair(0, 100));
    EXPECT_EQ(p.session->ProgressPosition(bar), 0);
    EXPECT_EQ(p.colours(), (std::array<COLORREF, 4>{0xFFFFFF, 0x7F0000, 0x800000, 0xFF8000}));
    EXPECT_EQ(p.dlg->GetProgressBar().GetBkColor(), 0xC0C0C0u);

    // Ticks send nothing more; only InitialiseDialog asks again.
    p.session->Advance(5000);
    EXPECT_EQ(p.host.Texts().size(), 1u);
    p.dlg->InitialiseDialog(25.0);
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(2,14)", "SendPlateCommand(2,14)"}));
    p.dlg->DisplayWindow(); // the new run's collision energy
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_COLLISION_ENERGY), "25.0");
    const int spot = p.session->ProgressPosition(bar);
    p.dlg->GetProgressBar().StepIt(); // the host steps the bar it is given
    EXPECT_EQ(p.session->ProgressPosition(bar), spot + 1) << "a step of the bar is not one spot";
}

TEST(AcquireControl, ProgressIsShownAtTheNextTickOnlyAndAMoveIsReleasedAtThePlatesEnd)
{
    Panel p;
    p.dlg->InitialiseDialog(30.0);
    EXPECT_EQ(p.moves(), std::make_pair(false, false));
    EXPECT_FALSE(p.checked(IDI_NEXT));
    EXPECT_EQ(p.barText(), "");
    p.tick(); // the previous values are -1, so the first tick writes the text
    EXPECT_EQ(p.barText(), ": 1 of 0");

    p.dlg->UpdateProgressIndicator(5, 2, 0, 7);
    EXPECT_EQ(p.barText(), ": 1 of 0");
    p.tick();
    EXPECT_EQ(p.barText(), "A7: 3 of 5");
    EXPECT_EQ(p.session->ProgressRange(p.item(IDC_PLATE_SPOT_PROGRESS)), std::make_pair(0, 5));
    EXPECT_EQ(p.session->ProgressPosition(p.item(IDC_PLATE_SPOT_PROGRESS)), 3);
    EXPECT_EQ(p.moves(), std::make_pair(true, true));

    // The same report again does not rewrite the text.
    p.dlg->GetProgressBar().SetTextFormat("unchanged", 0x0300);
    p.dlg->UpdateProgressIndicator(5, 2, 0, 7);
    p.tick();
    EXPECT_EQ(p.barText(), "unchanged");

    // A move running into the end of the plate is released there.
    ASSERT_TRUE(p.click(IDI_NEXT));
    p.dlg->UpdateProgressIndicator(5, 4, 0, 13);
    p.tick();
    EXPECT_EQ(p.barText(), "B1: 5 of 5");
    EXPECT_EQ(p.moves(), std::make_pair(true, false));
    EXPECT_FALSE(p.checked(IDI_NEXT));

    ASSERT_TRUE(p.click(IDI_PREVIOUS));
    p.dlg->UpdateProgressIndicator(5, 0, 0, 1);
    p.tick();
    EXPECT_EQ(p.moves(), std::make_pair(false, true));
    EXPECT_FALSE(p.checked(IDI_PREVIOUS));

    // The reference spot is named "Ref" and coloured as the reference.
    p.dlg->UpdateProgressIndicator(5, 1, 1, 90);
    p.tick();
    EXPECT_EQ(p.barText(), "Ref: 2 of 5");
    EXPECT_EQ(p.colours(), kReferenceColours);
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));
}

TEST(AcquireControl, ReferenceFlagWithoutASpotRecoloursButKeepsTheText)
{
    Panel p;
    p.tick();
    // Well 0 has no name on the plate; no spot yet (-1) of the default 10.
    EXPECT_EQ(p.barText(), ": 0 of 10");

    p.dlg->UpdateProgressIndicator(10, -1, 1, 0);
    p.dlg->GetProgressBar().SetTextFormat("kept", 0x0300);
    p.tick();
    EXPECT_EQ(p.barText(), "kept");
    EXPECT_EQ(p.colours(), kReferenceColours);
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));

    p.dlg->UpdateProgressIndicator(10, -1, 0, 0);
    p.tick();
    EXPECT_EQ(p.colours(), kSampleColours);
    EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
}

TEST(AcquireControl, PlateButtonsSendTheirCommandsAndToggle)
{
    Panel p;
    p.atThirdSpot();

    ASSERT_TRUE(p.click(IDI_NEXT));
    EXPECT_TRUE(p.checked(IDI_NEXT));
    ASSERT_TRUE(p.click(IDI_PREVIOUS)); // previous takes over from next
    EXPECT_FALSE(p.checked(IDI_NEXT));
    EXPECT_TRUE(p.checked(IDI_PREVIOUS));
    ASSERT_TRUE(p.click(IDI_PREVIOUS));
    EXPECT_FALSE(p.checked(IDI_PREVIOUS));
    ASSERT_TRUE(p.click(IDI_NEXT));
    ASSERT_TRUE(p.click(IDI_STOP));
    EXPECT_FALSE(p.checked(IDI_NEXT));
    ASSERT_TRUE(p.click(IDI_FIRE_LASER));
    EXPECT_TRUE(p.checked(IDI_FIRE_LASER));
    for (UINT id : {IDI_FIRE_LASER, IDI_FIRE_LASER, IDI_NEXT}) ASSERT_TRUE(p.click(id));
    ASSERT_TRUE(p.click(IDI_LOCK_MASS)); // going to the lock-mass well releases the moves too
    EXPECT_FALSE(p.checked(IDI_FIRE_LASER));
    EXPECT_FALSE(p.checked(IDI_NEXT));
    ASSERT_TRUE(p.click(IDI_LOCK_MASS));

    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(2,3)", "SendPlateCommand(2,2)", "SendPlateCommand(2,1)",
                                     "SendPlateCommand(2,3)", "SendPlateCommand(2,1)", "SendPlateCommand(1,1)",
                                     "SendPlateCommand(1,2)", "SendPlateCommand(1,1)", "SendPlateCommand(2,3)",
                                     "GoToLockMassWell(0,\"\",1)", "GoToLockMassWell(1,\"\",1)"}));

    // A new run releases every button, ends a pause and resets the lock-mass toggle.
    for (UINT id : {IDI_LOCK_MASS, IDI_FIRE_LASER, IDI_NEXT, IDI_PAUSE}) ASSERT_TRUE(p.click(id));
    p.dlg->InitialiseDialog(30.0);
    for (UINT id : {IDI_FIRE_LASER, IDI_NEXT, IDI_PAUSE}) EXPECT_FALSE(p.checked(id)) << id;
    EXPECT_TRUE(p.enabled(IDI_FIRE_LASER));
    ASSERT_TRUE(p.click(IDI_LOCK_MASS));
    EXPECT_EQ(p.host.Texts().back(), "GoToLockMassWell(0,\"\",1)");
}

TEST(AcquireControl, StopAsksFirstAndOnlyYesRequestsTheStop)
{
    Panel p;
    p.host.Clear();
    p.session->AnswerMessageBox(IDNO, "Really stop the acquisition ?");
    ASSERT_TRUE(p.click(IDI_STOP_ACQUISITION));
    EXPECT_TRUE(p.host.Texts().empty());
    p.session->AnswerMessageBox(IDYES);
    ASSERT_TRUE(p.click(IDI_STOP_ACQUISITION));
    EXPECT_EQ(p.host.Texts(), (Texts{"RequestStopAcquisition()"}));

    ASSERT_EQ(p.session->MessageBoxes().size(), 2u);
    const MessageBoxRecord& box = p.session->MessageBoxes()[0];
    EXPECT_EQ(box.caption, "Information");
    EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));

    // The panel does not close itself: the host ends it.
    EXPECT_TRUE(p.session->IsVisible(p.hwnd));
    p.dlg->StopAcquisition();
    EXPECT_FALSE(p.session->IsVisible(p.hwnd));
    p.dlg->UpdateProgressIndicator(5, 2, 0, 3);
    p.session->Advance(2000);
    EXPECT_NE(p.barText(), "A3: 3 of 5"); // the timer is gone
}

TEST(AcquireControl, PauseDisablesTheMovesUntilContinued)
{
    Panel p;
    p.atThirdSpot();

    ASSERT_TRUE(p.click(IDI_PAUSE));
    EXPECT_TRUE(p.checked(IDI_PAUSE));
    EXPECT_TRUE(p.dlg->IsPaused());
    for (UINT id : {IDI_NEXT, IDI_PREVIOUS, IDI_FIRE_LASER, IDI_STOP, IDI_LOCK_MASS}) EXPECT_FALSE(p.enabled(id)) << id;
    p.dlg->SetButtonStates(); // nothing while paused
    p.dlg->UpdateProgressIndicator(5, 3, 0, 4);
    p.tick();
    EXPECT_FALSE(p.enabled(IDI_NEXT));
    EXPECT_FALSE(p.click(IDI_NEXT));

    ASSERT_TRUE(p.click(IDI_PAUSE));
    for (UINT id : {IDI_NEXT, IDI_PREVIOUS, IDI_FIRE_LASER, IDI_STOP, IDI_LOCK_MASS}) EXPECT_TRUE(p.enabled(id)) << id;
    EXPECT_EQ(p.host.Texts(), (Texts{"RequestPauseAcquisition()", "RequestContinueAcquisition()"}));

    // The host's own pause and continue change the panel, and tell the host nothing.
    p.host.Clear();
    p.dlg->PauseAcquisition();
    EXPECT_TRUE(p.checked(IDI_PAUSE));
    EXPECT_FALSE(p.enabled(IDI_FIRE_LASER));
    p.dlg->ContinueAcquisition();
    EXPECT_FALSE(p.checked(IDI_PAUSE));
    EXPECT_TRUE(p.enabled(IDI_FIRE_LASER));
    EXPECT_TRUE(p.host.Texts().empty());
}

TEST(AcquireControl, PlateSpeedFromTheHostAndTheSlider)
{
    Panel p;
    p.dlg->SetPlateSpeed(9);
    EXPECT_EQ(p.dlg->GetSpeedIndex(), 1);
    p.dlg->SetPlateSpeed(3);
    EXPECT_EQ(p.dlg->GetSpeedIndex(), 2);
    EXPECT_EQ(p.session->SliderPosition(p.item(IDC_SPEED_SLIDER)), 1); // shown at InitialiseDialog
    p.dlg->InitialiseDialog(30.0);
    EXPECT_EQ(p.session->SliderPosition(p.item(IDC_SPEED_SLIDER)), 2);
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_SPEED_TEXT), "3");

    p.dlg->SetExpandDialog();
    p.host.Clear();
    ASSERT_TRUE(p.session->DragSlider(p.item(IDC_SPEED_SLIDER), 6, false));
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_SPEED_TEXT), "7");
    EXPECT_TRUE(p.host.Texts().empty()); // sent when the thumb is let go
    ASSERT_TRUE(p.session->ReleaseSlider(p.item(IDC_SPEED_SLIDER)));
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(5,7)"}));
    EXPECT_EQ(p.dlg->GetSpeedIndex(), 6);
    ASSERT_TRUE(p.session->DragSlider(p.item(IDC_SPEED_SLIDER), 0)); // the slowest speed is sent too
    EXPECT_EQ(p.host.Texts().back(), "SendPlateCommand(5,1)");
}

TEST(AcquireControl, LockMassButtonFollowsThePlate)
{
    {
        Panel p;
        p.plate.m_bLockMassCorrection = FALSE;
        p.dlg->InitialiseDialog(30.0);
        EXPECT_FALSE(p.enabled(IDI_LOCK_MASS));
        p.dlg->UpdateProgressIndicator(5, 1, 1, 2);
        p.tick();
        EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
        EXPECT_FALSE(p.enabled(IDI_LOCK_MASS));
    }
    {
        // Without a current plate the button is left as it is and the wells have no names.
        Panel p(true, false);
        p.dlg->InitialiseDialog(30.0);
        p.dlg->UpdateProgressIndicator(5, 1, 0, 2);
        p.tick();
        EXPECT_EQ(p.barText(), ": 2 of 5");
        EXPECT_TRUE(p.enabled(IDI_LOCK_MASS));
    }
}

TEST(AcquireControl, WithoutAHostTheButtonsOnlyChangeThePanel)
{
    Panel p(false);
    p.atThirdSpot();
    ASSERT_TRUE(p.click(IDI_NEXT));
    EXPECT_TRUE(p.checked(IDI_NEXT));
    ASSERT_TRUE(p.click(IDI_PAUSE));
    EXPECT_FALSE(p.enabled(IDI_NEXT));
    p.session->AnswerMessageBox(IDYES);
    ASSERT_TRUE(p.click(IDI_STOP_ACQUISITION));
    EXPECT_EQ(p.session->MessageBoxes().size(), 1u);
    EXPECT_TRUE(p.host.Texts().empty());
}

TEST(AcquireControl, EscapeAndTabAreSwallowedAndEnterPressesNoButton)
{
    Panel p;
    p.dlg->SetExpandDialog();
    ASSERT_TRUE(p.click(IDC_COLLISION_ENERGY)); // the operator is in the CE box
    p.host.Clear();
    for (UINT key : {static_cast<UINT>(VK_ESCAPE), static_cast<UINT>(VK_TAB), static_cast<UINT>(VK_RETURN)}) {
        p.session->PressKey(key);
    }
    EXPECT_TRUE(p.session->IsVisible(p.hwnd));
    EXPECT_EQ(p.session->FocusWindow(), p.item(IDC_COLLISION_ENERGY)); // Tab moved nothing
    EXPECT_EQ(p.host.Texts(), Texts{});
}

} // namespace

// The host's numbers at the ends of the int range: the next-button rule ("spot count - 1") and the
// tick's "current spot + 1" once overflowed. The rules still give what they give for a real run.
TEST(AcquireControl, ProgressAtTheEndsOfTheIntRangeDoesNotOverflow)
{
    struct Case {
        int spotCount, currentSpot, reference, well;
        const char* text;
        bool next, previous;
    };
    const Case cases[] = {
        {INT_MIN, 0, 0, 1, "A1: 1 of -2147483648", false, false},
        {INT_MIN, INT_MIN, 1, INT_MIN, "Ref: -2147483647 of -2147483648", false, false},
        {10, INT_MAX, 0, INT_MAX, ": 2147483648 of 10", false, true},
        {INT_MAX, INT_MAX - 1, 1, 0, "Ref: 2147483647 of 2147483647", false, true},
        {INT_MAX, INT_MIN, 0, -1, ": -2147483647 of 2147483647", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Panel p;
        p.dlg->SetPlateSpeed(c.spotCount);
        p.dlg->InitialiseDialog(c.currentSpot < 0 ? -HUGE_VAL : HUGE_VAL);
        p.dlg->UpdateProgressIndicator(c.spotCount, c.currentSpot, c.reference, c.well);
        p.dlg->SetButtonStates();
        EXPECT_EQ(p.moves(), std::make_pair(c.previous, c.next));
        p.tick();
        EXPECT_EQ(p.barText(), c.text);
        EXPECT_EQ(p.enabled(IDI_NEXT), c.next);
        EXPECT_FALSE(p.session->Render(p.hwnd).IsEmpty());  // the bar paints at those ends too
    }
}
