#pragma once
// "Spatial Calibration" (template 10147), the second page of the target plate sheet (not on the
// MALDI/ESI model): the initial conditions of the plate's spatial calibration, which the operator
// edits, and the current calibration, shown only. Edits the sheet's plate through a pointer it does
// not own and tells the sheet when the plate changes; showing the values does not.

#include "platform/framework/CPropertyPage.h"
#include "platform/platemodel/CMaldiPlate.h"

class CMaldiProbeSheet;

class CProbeSpatialView : public CPropertyPage {
    DECLARE_DYNCREATE(CProbeSpatialView)
public:
    CProbeSpatialView();
    CProbeSpatialView(CMaldiPlate* plate, CMaldiProbeSheet* sheet);

    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    afx_msg void OnChange();

    CMaldiPlate* m_pPlate = nullptr;
    CMaldiProbeSheet* m_pSheet = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    bool m_bShowing = false;
};
