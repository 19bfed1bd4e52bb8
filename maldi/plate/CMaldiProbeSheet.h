#pragma once
// The target plate sheet: a modal property sheet in which the operator edits a MALDI target plate
// definition and keeps it in a ".mtp" file. The plate is held here by value; the pages
// (CProbeGeometryView "Plate Geometry", CProbeSpatialView "Spatial Calibration", the latter not on
// the MALDI/ESI model) edit its fields, and the plate stores and loads itself through an archive.
//
// The host constructs the sheet with the plate file's name (the file is created with the default
// plate when it does not exist), runs DoModal and reads back Plate(): the plate's file name as last
// shown. OK asks to save when anything changed (OnOK); Cancel leaves the file as it is.
//
// Choices where the plate sheet's behaviour is open:
// - a plate file that can be neither opened nor created leaves the default plate, without a message;
// - a file that opens but does not load (foreign, short, corrupt) leaves the plate as it was.

#include <memory>

#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CString.h"
#include "platform/platemodel/CMaldiPlate.h"

class CProbeGeometryView;
class CProbeSpatialView;

class CMaldiProbeSheet : public CPropertySheet {
    DECLARE_DYNCREATE(CMaldiProbeSheet)
public:
    // An empty sheet without pages, for creation by class name.
    CMaldiProbeSheet();
    CMaldiProbeSheet(CString plateFile, const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CMaldiProbeSheet() override;

    // Loads the plate from the plate file (creating the file when it cannot be opened); not modified.
    void LoadPlate();
    CString& Plate() { return m_strPlateFile; }
    void PlateModified(int modified) { m_bModified = modified; }

    // The sheet's OK button: ask to save when modified (see the header comment).
    virtual void OnOK();

    // The plate's file: load from or store into `path` through the plate's serialisation. FALSE
    // when the file cannot be opened or created, the archive fails, or (storing) the plate is not
    // valid and so would not load again; a failed load leaves the plate as it was and a failed
    // store leaves the previous file.
    static BOOL ReadPlateFile(const CString& path, CMaldiPlate& plate);
    static BOOL WritePlateFile(const CString& path, CMaldiPlate& plate);

protected:
    int IsModified() const { return m_bModified; }

    afx_msg void OnDestroy();

    CString m_strPlateFile;
    CMaldiPlate m_Plate;
    int m_bModified = 0;
    std::unique_ptr<CProbeGeometryView> m_pGeometryView;
    std::unique_ptr<CProbeSpatialView> m_pSpatialView;

    DECLARE_MESSAGE_MAP()
};
