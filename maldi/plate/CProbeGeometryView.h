#pragma once
// "Plate Geometry" (template 10146), the first page of the target plate sheet: the plate file
// (Browse, Save, New), the sample wells and the lock-mass wells. The page edits the sheet's plate
// through a pointer it does not own and tells the sheet when the plate changes.
//
// On the MALDI/ESI model both wells-per-row boxes are disabled and their fields are always 1.
// Every change notification, New and the lock-mass check mark the sheet modified; showing the
// plate's values does not.

#include "platform/framework/CEdit.h"
#include "platform/framework/CPropertyPage.h"
#include "platform/platemodel/CMaldiPlate.h"

class CMaldiProbeSheet;

class CProbeGeometryView : public CPropertyPage {
    DECLARE_DYNCREATE(CProbeGeometryView)
public:
    CProbeGeometryView();
    CProbeGeometryView(CMaldiPlate* plate, CMaldiProbeSheet* sheet);

    // Save: asks for a file and stores the plate in it. IDOK when saved; the file dialog's result
    // when the operator cancelled it; IDCANCEL when the file could not be written (after telling
    // the operator) or the page's values are not valid.
    int SavePlate();

    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnChange();
    afx_msg void OnLockMassCorrection();
    afx_msg void OnBrowse();
    afx_msg void OnSave();
    afx_msg void OnNew();

    CMaldiPlate* m_pPlate = nullptr;
    CMaldiProbeSheet* m_pSheet = nullptr;
    // Disabled on the MALDI/ESI model.
    CEdit m_WellsPerRowEdit;
    CEdit m_LockMassWellsPerRowEdit;

    DECLARE_MESSAGE_MAP()

private:
    void EnableLockMassFields();
    void MarkModified(int modified);
    // Setting the controls' texts notifies changes that are not the operator's.
    bool m_bShowing = false;
};
