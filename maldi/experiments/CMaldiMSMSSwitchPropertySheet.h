#pragma once
// The MALDI MS-to-MS/MS switch experiment sheet. The host constructs it, calls SetUpPages once,
// fills the pages from its five records through the set-up operations, runs it (DoModal) and after
// OK reads the records back through the get operations. The sheet holds no experiment data of its
// own: every value lives in its pages, which it creates in SetUpPages and destroys with itself.
//
// Pages, in tab order: "MS/MS Mass", "Acqusition Template", "Scan Conditions", "Lock Mass",
// "Collision Energy". When any page cannot be made, none is added (the sheet then does not run),
// and the transfers of a page that does not exist refuse.
//
// Transfers: each returns 0, copying nothing, while its page does not exist or its record pointer
// is null, and 1 otherwise. A set-up copies every field unchanged (no mode rule is applied until the
// page exchanges its data); a mode pair is set from its record field and its negation, and read
// back from its first member only. The template record's reserved field stays the caller's. On the
// MALDI/ESI instrument model the scan conditions page keeps its own pattern files.
//
// OK: the page shown is read (a field that does not read is prompted for and keeps its last good
// value; OK goes on). When either list page holds changes not yet written to its file, the operator
// is asked "Continue without saving ?"; anything but Yes keeps the sheet open with the changes
// still pending, Yes forgets them and ends the sheet.

#include "maldi/experiments/MaldiMSMSSwitchCEInfo.h"
#include "maldi/experiments/MaldiMSMSSwitchLMInfo.h"
#include "maldi/experiments/MaldiMSMSSwitchMassInfo.h"
#include "maldi/experiments/MaldiMSMSSwitchScanConditionsInfo.h"
#include "maldi/experiments/MaldiMSMSSwitchTemplateInfo.h"
#include "platform/framework/CPropertySheet.h"

class CMaldiMSMSSwitchMassPage;
class CMaldiMSMSSwitchTemplatePage;
class CMaldiMSMSSwitchLockMassPage;
class CMaldiMSMSSwitchScanConditionsPage;
class CMaldiMSMSSwitchCollisionEnergyPage;

class CMaldiMSMSSwitchPropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(CMaldiMSMSSwitchPropertySheet)
public:
    static constexpr LPCTSTR kUnsavedChanges = "Changes have been made but not saved!\n\nContinue without saving ?";

    CMaldiMSMSSwitchPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage);
    ~CMaldiMSMSSwitchPropertySheet() override;

    virtual void SetUpPages();

    char SetupSwitchMassPage(MaldiMSMSSwitchMassInfo* info);
    char GetSwitchMassPage(MaldiMSMSSwitchMassInfo* info);
    char SetupMSMSTemplatePage(MaldiMSMSSwitchTemplateInfo* info);
    char GetMSMSTemplatePage(MaldiMSMSSwitchTemplateInfo* info);
    char SetupScanConditionsPage(MaldiMSMSSwitchScanConditionsInfo* info);
    char GetScanConditionsPage(MaldiMSMSSwitchScanConditionsInfo* info);
    char SetupLockMassPage(MaldiMSMSSwitchLMInfo* info);
    char GetLockMassPage(MaldiMSMSSwitchLMInfo* info);
    char SetupCollisionEnergyPage(MaldiMSMSSwitchCEInfo* info);
    char GetCollisionEnergyPage(MaldiMSMSSwitchCEInfo* info);

    virtual void OnOK();

protected:
    CMaldiMSMSSwitchMassPage* m_pSwitchMassPage = nullptr;
    CMaldiMSMSSwitchTemplatePage* m_pTemplatePage = nullptr;
    CMaldiMSMSSwitchLockMassPage* m_pLockMassPage = nullptr;
    CMaldiMSMSSwitchScanConditionsPage* m_pScanConditionsPage = nullptr;
    CMaldiMSMSSwitchCollisionEnergyPage* m_pCollisionEnergyPage = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    void DeletePages();
};
