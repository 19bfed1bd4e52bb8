#pragma once
// The MALDI survey experiment sheet. The host constructs it, calls SetUpPages once, fills the pages
// through the set-up operations, runs it (DoModal) and after OK reads the pages back through the
// get operations. Every set-up and get returns 0, changing nothing, while its page does not exist
// (before SetUpPages) or its record pointer is null; 1 (or the base sheet's answer) otherwise.
//
// Pages, in tab order: "Survey", "MS to MSMS ", "MSMS Switch", "MSMS Template" (the MALDI pages in
// the base's slots), include, exclude (library pages), "Laser" (this sheet's own), adducts and
// collision energy (library pages).
//
// OK: when the template does not use its own instrument parameter file ("File" clear), it takes the
// survey function's, so GetTemplatePage hands back the file the MS/MS functions will really use.
// A field of the page shown that does not read keeps the sheet open after the framework's prompt.

#include "maldi/experiments/CMaldiSurveyLaserPage.h"
#include "maldi/experiments/MaldiLaserInfo.h"
#include "platform/experimentpages/CQuadFSPropertySheet.h"

class CMaldiSurveyPage;
class CMaldiSurveyMSToMSMSPage;
class CMaldiSurveyMSMSToMSPage;
class CMaldiSurveyTemplatePage;

class CMaldiSurveyPropertySheet : public CQuadFSPropertySheet {
    DECLARE_DYNAMIC(CMaldiSurveyPropertySheet)
public:
    CMaldiSurveyPropertySheet(const char* caption, CWnd* parent, UINT selectPage);
    ~CMaldiSurveyPropertySheet() override;

    void SetUpPages() override;

    char SetupSurveyPage(double startMass, double endMass, double monitorStartMass, double monitorEndMass,
                         double monitorThreshold, double switchStartMass, double switchEndMass,
                         double switchThreshold, int startTime, int endTime, double scanTime, double interScanDelay,
                         int lockMassTime, int useLockMass, UINT functionOptions, CString ionMode,
                         CString dataFormat, CString instParamFile);
    char GetSurveyPage(double& startMass, double& endMass, double& monitorStartMass, double& monitorEndMass,
                       double& monitorThreshold, double& switchStartMass, double& switchEndMass,
                       double& switchThreshold, int& startTime, int& endTime, double& scanTime,
                       double& interScanDelay, int& lockMassTime, int& useLockMass, UINT& functionOptions,
                       CString& ionMode, CString& dataFormat, CString& instParamFile);

    char SetupTemplatePage(MSMSTemplateInfo* info, CString first, CString second) override;
    char GetTemplatePage(MSMSTemplateInfo* info, CString& first, CString& second) override;
    char SetupMSToMSMSPage(MStoMSMSInfo* info) override;
    char GetMSToMSMSPage(MStoMSMSInfo* info) override;
    char SetupMSMSToMSPage(MSMStoMSInfo* info) override;
    char GetMSMSToMSPage(MSMStoMSInfo* info) override;
    void OnOK() override;
    virtual char SetupLaserPage(MaldiLaserInfo* info);
    virtual char GetLaserPage(MaldiLaserInfo* info);

protected:
    CMaldiSurveyLaserPage* m_pLaserPage = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    // The base's slots hold this sheet's MALDI pages.
    CMaldiSurveyPage* SurveyPage() const;
    CMaldiSurveyMSToMSMSPage* MSToMSMSPage() const;
    CMaldiSurveyMSMSToMSPage* MSMSToMSPage() const;
    CMaldiSurveyTemplatePage* TemplatePage() const;
};
