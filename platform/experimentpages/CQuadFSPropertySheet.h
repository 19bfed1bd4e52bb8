#pragma once
// The function-switch experiment sheet: the base of instrument experiment sheets. It owns eight
// page slots (survey, MS to MS/MS, MS/MS to MS, template, include, exclude, adducts, collision
// energy) and moves the switch records between them and the host.
//
// An instrument sheet fills the slots in its SetUpPages (pure here: the library has no pages of
// its own for the four experiment slots), starting with InitialiseFunctionSwitchInfo, which empties
// slots filled by an earlier call. The sheet deletes the pages in its slots when it is destroyed.
//
// Every transfer returns 0, changing nothing, when its page slot or its record pointer is null, and
// 1 after the transfer. The transfers move the fields the library's pages hold:
//   MStoMSMSInfo   threshold, number of MS/MS functions, retention time window, precursor selection
//   MSMStoMSInfo   intensity threshold, after-time flag, switch-back time
//   MSMSTemplateInfo  start mass, scan time, inter-scan delay, collision energy, the carried values,
//                  the parameter file flag and name, and the two strings
// Other record fields belong to the instrument sheet (and stay as the caller had them here).

#include "platform/experimentpages/CQuadCollisionEnergyPage.h"
#include "platform/experimentpages/CQuadAdductPage.h"
#include "platform/experimentpages/CQuadFSExcludePage.h"
#include "platform/experimentpages/CQuadFSIncludePage.h"
#include "platform/experimentpages/CQuadMSMSTemplatePage.h"
#include "platform/experimentpages/CQuadMSMSToMSPage.h"
#include "platform/experimentpages/CQuadMSToMSMSPage.h"
#include "platform/experimentpages/CQuadSurveyPage.h"
#include "platform/experimentpages/MSMSTemplateInfo.h"
#include "platform/experimentpages/MSMStoMSInfo.h"
#include "platform/experimentpages/MStoMSMSInfo.h"
#include "platform/framework/CPropertySheet.h"

class CQuadFSPropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(CQuadFSPropertySheet)
public:
    explicit CQuadFSPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CQuadFSPropertySheet() override;

    virtual void SetUpPages() = 0;
    virtual char SetupTemplatePage(MSMSTemplateInfo* info, CString first, CString second);
    virtual char GetTemplatePage(MSMSTemplateInfo* info, CString& first, CString& second);
    virtual char SetupMSToMSMSPage(MStoMSMSInfo* info);
    virtual char GetMSToMSMSPage(MStoMSMSInfo* info);
    virtual char SetupMSMSToMSPage(MSMStoMSInfo* info);
    virtual char GetMSMSToMSPage(MSMStoMSInfo* info);
    // The OK button of an instrument sheet that maps it: completes OK as the property sheet does.
    virtual void OnOK();

protected:
    // Removes and deletes the pages of the slots, which are null afterwards.
    void InitialiseFunctionSwitchInfo();

    CQuadSurveyPage* m_pSurveyPage = nullptr;
    CQuadMSToMSMSPage* m_pMSToMSMSPage = nullptr;
    CQuadMSMSToMSPage* m_pMSMSToMSPage = nullptr;
    CQuadMSMSTemplatePage* m_pTemplatePage = nullptr;
    CQuadFSIncludePage* m_pIncludePage = nullptr;
    CQuadFSExcludePage* m_pExcludePage = nullptr;
    CQuadAdductPage* m_pAdductPage = nullptr;
    CQuadCollisionEnergyPage* m_pCollisionEnergyPage = nullptr;
};
