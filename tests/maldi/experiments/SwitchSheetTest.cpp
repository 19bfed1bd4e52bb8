// The MS/MS switch sheet as the host uses it, and OK guarding list changes that were not saved.

#include <functional>
#include <new>

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/experiments/CMaldiMSMSSwitchPropertySheet.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "platform/experimentpages/CQuadFSBasePropPage.h"
#include "tests/maldi/MaldiHostTest.h"

using namespace maldi::res;

// The nothrow allocation after the armed count fails, once, to reach a page that cannot be made.
namespace {
int g_nothrowLeft = -1; // -1: never fail
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_nothrowLeft == 0) {
        g_nothrowLeft = -1;
        return nullptr;
    }
    if (g_nothrowLeft > 0) --g_nothrowLeft;
    try {
        return ::operator new(size); // released by the ordinary delete, as a nothrow allocation is
    } catch (...) {
        return nullptr;
    }
}

namespace {

enum Tab { kMass, kTemplate, kScan, kLockMass, kEnergy };

class SwitchSheetTest : public MaldiHostTest {
protected:
    INT_PTR Run(Tab first, Automation::ModalScript script)
    {
        return RunSheet(sheet, first, "MS/MS Switch", std::move(script));
    }
    // Adds one row to the mass list the operator has chosen, so the page holds unsaved changes.
    void AddMass(CWnd& d, Automation& a, const char* mass)
    {
        a.Click(d, IDC_SM_LIST_BELOW);
        automation->OnNextModal([&](CWnd& s, Automation& b) {
            b.ReplaceText(s, IDC_SM_SET_MASS, mass);
            b.Click(s, IDOK);
        }, "Set Mass");
        a.Click(d, CQuadFSBasePropPage::IDC_ADD);
    }

    CMaldiMSMSSwitchPropertySheet sheet{"MS/MS Switch", &host, 0};
    MaldiMSMSSwitchMassInfo mass{FALSE, 612.5, FALSE, TRUE, FALSE, "/data/masses.txt"};
    MaldiMSMSSwitchTemplateInfo templ{51, 52, 53, 400, 25, 90, 7.25, 999, 3, 12, TRUE, TRUE, FALSE, TRUE, TRUE, TRUE};
    MaldiMSMSSwitchScanConditionsInfo scan{1.5, 0.2, 1.6, 0.3, 7, "MCA", "LDI-", 8, "Centroid", "LDI+", 20, 4, 2,
                                           "/p/effect.ptn", 500, 6, 3, "/p/entered.ptn", FALSE, TRUE, FALSE};
    MaldiMSMSSwitchLMInfo lockMass{TRUE, 1600, 2000, 4, 20, TRUE, FALSE, FALSE, 80, 81};
    MaldiMSMSSwitchCEInfo energy{FALSE, TRUE, FALSE, 33.5, "/data/profile.txt"};

    using Transfer = std::function<char(bool null)>;
    std::vector<std::pair<const char*, Transfer>> Transfers(CMaldiMSMSSwitchPropertySheet& s)
    {
        return {
            {"SetupSwitchMassPage", [&](bool n) { return s.SetupSwitchMassPage(n ? nullptr : &mass); }},
            {"GetSwitchMassPage", [&](bool n) { return s.GetSwitchMassPage(n ? nullptr : &mass); }},
            {"SetupMSMSTemplatePage", [&](bool n) { return s.SetupMSMSTemplatePage(n ? nullptr : &templ); }},
            {"GetMSMSTemplatePage", [&](bool n) { return s.GetMSMSTemplatePage(n ? nullptr : &templ); }},
            {"SetupScanConditionsPage", [&](bool n) { return s.SetupScanConditionsPage(n ? nullptr : &scan); }},
            {"GetScanConditionsPage", [&](bool n) { return s.GetScanConditionsPage(n ? nullptr : &scan); }},
            {"SetupLockMassPage", [&](bool n) { return s.SetupLockMassPage(n ? nullptr : &lockMass); }},
            {"GetLockMassPage", [&](bool n) { return s.GetLockMassPage(n ? nullptr : &lockMass); }},
            {"SetupCollisionEnergyPage", [&](bool n) { return s.SetupCollisionEnergyPage(n ? nullptr : &energy); }},
            {"GetCollisionEnergyPage", [&](bool n) { return s.GetCollisionEnergyPage(n ? nullptr : &energy); }},
        };
    }
};

} // namespace

TEST_F(SwitchSheetTest, TransfersRefuseWithoutPagesOrRecordAndASecondSetUpLeavesOnePageOfEachInTabOrder)
{
    EXPECT_STREQ(sheet.GetRuntimeClass()->m_lpszClassName, "CMaldiMSMSSwitchPropertySheet");
    for (const auto& [name, transfer] : Transfers(sheet)) EXPECT_EQ(transfer(false), 0) << name << " before SetUpPages";
    EXPECT_DOUBLE_EQ(mass.dSingleMass, 612.5) << "a refused get copies nothing";

    sheet.SetUpPages();
    sheet.SetUpPages(); // replaces every page of the first
    for (const auto& [name, transfer] : Transfers(sheet)) EXPECT_EQ(transfer(true), 0) << name << " with a null record";
    for (const auto& [name, transfer] : Transfers(sheet)) EXPECT_EQ(transfer(false), 1) << name;
    Run(kMass, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.SheetTabs(d.GetSafeHwnd()), (std::vector<CString>{"MS/MS Mass", "Acqusition Template",
                                                                      "Scan Conditions", "Lock Mass", "Collision Energy"}));
        a.Click(d, IDCANCEL);
    });
}

TEST_F(SwitchSheetTest, APageThatCannotBeMadeLeavesTheSheetEmptyAndRefusesItsOwnTransfers)
{
    // Creation order: mass, template, lock mass, collision energy, scan conditions.
    const char* const missing[] = {"SwitchMassPage", "MSMSTemplatePage", "LockMassPage", "CollisionEnergyPage",
                                   "ScanConditionsPage"};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(missing[k]);
        CMaldiMSMSSwitchPropertySheet s("MS/MS Switch", &host, 0);
        g_nothrowLeft = k;
        s.SetUpPages();
        g_nothrowLeft = -1;
        EXPECT_EQ(s.GetPageCount(), 0);
        for (const auto& [name, transfer] : Transfers(s))
            EXPECT_EQ(transfer(false), CString(name).Find(missing[k]) >= 0 ? 0 : 1) << name;
    }
}

TEST_F(SwitchSheetTest, RecordsComeBackAsSetExceptTheReservedFieldAndTheSecondOfEachPair)
{
    sheet.SetUpPages();
    for (const auto& [name, transfer] : Transfers(sheet))
        if (CString(name).Find("Setup") == 0) {
            ASSERT_EQ(transfer(false), 1) << name;
        }

    MaldiMSMSSwitchMassInfo m{};
    MaldiMSMSSwitchTemplateInfo t{};
    t.dReserved = -4.5;
    MaldiMSMSSwitchScanConditionsInfo c{};
    MaldiMSMSSwitchLMInfo l{};
    MaldiMSMSSwitchCEInfo e{};
    ASSERT_TRUE(sheet.GetSwitchMassPage(&m) && sheet.GetMSMSTemplatePage(&t) && sheet.GetScanConditionsPage(&c) &&
                sheet.GetLockMassPage(&l) && sheet.GetCollisionEnergyPage(&e));
    EXPECT_TRUE(!m.bUseSingleMass && m.dSingleMass == 612.5 && !m.bUseSampleListEntries && m.bUseSampleListFile &&
                !m.bUseListBelow && m.strMassListFile == "/data/masses.txt");
    EXPECT_TRUE(t.dStartMassInEffect == 51 && t.dSetMassOffsetInEffect == 52 && t.nMaxDurationInEffect == 53 &&
                t.dStartMass == 400 && t.dSetMassOffset == 25 && t.nMaxDuration == 90 && t.dIntensityThreshold == 999 &&
                t.dTopPercentage == 3 && t.dCompleteAfterTime == 12 && t.bUseCompleteAfter && t.bUseNotConsiderTop &&
                !t.bAutoMassRange && t.bAutoAcquisitionTime && t.bConservePusherFrequencyInEffect &&
                t.bConservePusherFrequency);
    EXPECT_EQ(t.dReserved, -4.5) << "the reserved field is the caller's";
    EXPECT_TRUE(c.dScanTimeInEffect == 1.5 && c.dInterScanDelayInEffect == 0.2 && c.dScanTime == 1.6 &&
                c.dInterScanDelay == 0.3 && c.nMCAScansInEffect == 7 && c.strDataFormatInEffect == "MCA" &&
                c.strIonModeInEffect == "LDI-" && c.nMCAScans == 8 && c.strDataFormat == "Centroid" &&
                c.strIonMode == "LDI+" && c.nLaserFiringRateInEffect == 20 && c.nPlateSpeedInEffect == 4 &&
                c.nLaserTypeInEffect == 2 && c.strPatternFileInEffect == "/p/effect.ptn" && c.nLaserFiringRate == 500 &&
                c.nPlateSpeed == 6 && c.nLaserType == 3 && c.strPatternFile == "/p/entered.ptn" && !c.bAutoScanRate &&
                c.bAutoScanConditions && !c.bTunePageMaldiSettings);
    EXPECT_TRUE(l.bUseLockMass && l.dLockMass == 1600 && l.dIntensityThreshold == 2000 && l.dTopPercentage == 4 &&
                l.dCompleteAfterTime == 20 && l.bUseNotConsiderTop && !l.bUseCompleteAfter &&
                !l.bTunePageCollisionEnergy && l.dCollisionEnergyInEffect == 80 && l.dFixedCollisionEnergy == 81);
    EXPECT_TRUE(!e.bUseTunePageCE && e.bUseFixedCE && !e.bUseCEProfile && e.dFixedCE == 33.5 &&
                e.strProfileFile == "/data/profile.txt");

    // The second radio of each pair is the negation: the pages show the manual and fixed modes.
    Run(kTemplate, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SW_MANUAL_MASS_RANGE)), BST_CHECKED);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SW_AUTO_ACQ_TIME)), BST_CHECKED);
        a.SelectSheetPage(d.GetSafeHwnd(), kScan);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SC_MANUAL_SCAN_RATE)), BST_CHECKED);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SC_USER_DEFINED)), BST_CHECKED);
        a.SelectSheetPage(d.GetSafeHwnd(), kLockMass);
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_LM_FIXED_CE)), BST_CHECKED);
        a.Click(d, IDCANCEL);
    });
}

TEST_F(SwitchSheetTest, OnTheMaldiEsiModelTheScanConditionsSetUpKeepsThePatternFiles)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    sheet.SetUpPages();
    ASSERT_EQ(sheet.SetupScanConditionsPage(&scan), 1);
    MaldiMSMSSwitchScanConditionsInfo back{};
    sheet.GetScanConditionsPage(&back);
    EXPECT_EQ(back.strPatternFile, MaldiPatternFile::DefaultName());
    EXPECT_EQ(back.strPatternFileInEffect, MaldiPatternFile::DefaultName());
    EXPECT_EQ(back.nLaserFiringRate, 500u) << "the other fields are copied";
}

TEST_F(SwitchSheetTest, OKAsksOnceForUnsavedListChangesAndNoKeepsTheSheetOpen)
{
    sheet.SetUpPages();
    // Nothing changed: OK ends at once.
    EXPECT_EQ(Run(kMass, [&](CWnd& d, Automation& a) { a.Click(d, IDOK); }), IDOK);
    EXPECT_TRUE(automation->MessageBoxes().empty());

    EXPECT_EQ(Run(kMass, [&](CWnd& d, Automation& a) {
                  AddMass(d, a, "750");
                  a.AnswerMessageBox(IDNO, "Continue without saving ?");
                  a.Click(d, IDOK);
                  EXPECT_TRUE(a.IsVisible(d.GetSafeHwnd())) << "No keeps the sheet open";
                  EXPECT_TRUE(a.IsEnabled(a.Find(d, CQuadFSBasePropPage::IDC_SAVE))) << "the changes stay pending";
                  a.AnswerMessageBox(IDYES, "Continue without saving ?");
                  a.Click(d, IDOK);
              }),
              IDOK);
    ASSERT_EQ(automation->MessageBoxes().size(), 2u);
    EXPECT_EQ(automation->MessageBoxes()[0].text, CMaldiMSMSSwitchPropertySheet::kUnsavedChanges);
    EXPECT_EQ(automation->MessageBoxes()[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));

    // Yes forgot the changes: the next OK asks nothing. The collision energy page's list counts too.
    EXPECT_EQ(Run(kMass, [&](CWnd& d, Automation& a) { a.Click(d, IDOK); }), IDOK);
    EXPECT_EQ(automation->MessageBoxes().size(), 2u);
}

TEST_F(SwitchSheetTest, OKWithAFieldThatDoesNotReadPromptsAndStillEndsKeepingTheLastGoodValue)
{
    sheet.SetUpPages();
    sheet.SetupLockMassPage(&lockMass);
    EXPECT_EQ(Run(kLockMass, [&](CWnd& d, Automation& a) {
                  a.ReplaceText(d, IDC_LM_LOCK_MASS, "1700");
                  a.ReplaceText(d, IDC_LM_INTENSITY_THRESHOLD, "lots");
                  a.AnswerMessageBox(IDOK, "number");
                  a.Click(d, IDOK);
              }),
              IDOK);
    MaldiMSMSSwitchLMInfo back{};
    sheet.GetLockMassPage(&back);
    EXPECT_DOUBLE_EQ(back.dLockMass, 1700.0) << "fields before the bad one are read";
    EXPECT_DOUBLE_EQ(back.dIntensityThreshold, 2000.0);
    EXPECT_EQ(automation->MessageBoxes().size(), 1u);
}
