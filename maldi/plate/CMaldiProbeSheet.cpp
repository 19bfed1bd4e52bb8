#include "maldi/plate/CMaldiProbeSheet.h"

#include "maldi/plate/CProbeGeometryView.h"
#include "maldi/plate/CProbeSpatialView.h"
#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/tuning/HostMessageBox.h"

namespace {

constexpr int kLoadBufferSize = 4096;
constexpr int kStoreBufferSize = 512;
constexpr LPCTSTR kCaption = "Target Plate";
constexpr LPCTSTR kSaveChanges = "File has changed. Save?";

// The plate loads itself from an open file; FALSE (plate unchanged) when the data is not a plate.
BOOL LoadFrom(CFile& file, CMaldiPlate& plate)
{
    CArchive ar(&file, CArchive::load, kLoadBufferSize);
    plate.Serialize(ar);
    return ar.Close();
}

} // namespace

IMPLEMENT_DYNCREATE(CMaldiProbeSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CMaldiProbeSheet, CPropertySheet)
    ON_BN_CLICKED(IDOK, &CMaldiProbeSheet::OnOK)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMaldiProbeSheet::CMaldiProbeSheet() = default;

CMaldiProbeSheet::CMaldiProbeSheet(CString plateFile, const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_strPlateFile(plateFile)
{
    LoadPlate();
    m_pGeometryView = std::make_unique<CProbeGeometryView>(&m_Plate, this);
    m_Plate.m_strFileName = m_strPlateFile;
    AddPage(m_pGeometryView.get());
    if (!vexZephyrMaldiESIInstrument()) {
        m_pSpatialView = std::make_unique<CProbeSpatialView>(&m_Plate, this);
        AddPage(m_pSpatialView.get());
    }
}

CMaldiProbeSheet::~CMaldiProbeSheet()
{
    // The pages' windows go with the sheet's, before the page objects do.
    if (m_hWnd) DestroyWindow();
}

void CMaldiProbeSheet::LoadPlate()
{
    CFile file;
    if (file.Open(m_strPlateFile, CFile::modeRead)) {
        LoadFrom(file, m_Plate);
    } else {
        WritePlateFile(m_strPlateFile, m_Plate);
    }
    m_bModified = 0;
}

BOOL CMaldiProbeSheet::ReadPlateFile(const CString& path, CMaldiPlate& plate)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return FALSE;
    return LoadFrom(file, plate);
}

BOOL CMaldiProbeSheet::WritePlateFile(const CString& path, CMaldiPlate& plate)
{
    // A file the plate would refuse to load is never written.
    if (!plate.IsValid()) return FALSE;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    CArchive ar(&file, CArchive::store, kStoreBufferSize);
    plate.Serialize(ar);
    if (!ar.Close()) {
        file.Abort();
        return FALSE;
    }
    return file.Close();
}

void CMaldiProbeSheet::OnOK()
{
    UpdateData(TRUE);
    CPropertyPage* active = GetActivePage();
    if (active && !active->UpdateData(TRUE)) return; // the operator was told; the page stays

    if (!IsModified()) {
        EndDialog(IDOK);
        return;
    }
    if (HostMessageBox(kSaveChanges, kCaption, MB_YESNO | MB_SETFOREGROUND) != IDYES) {
        EndDialog(IDCANCEL);
        return;
    }
    auto* geometry = DYNAMIC_DOWNCAST(CProbeGeometryView, GetPage(0));
    if (!geometry) {
        EndDialog(IDCANCEL);
        return;
    }
    if (geometry->SavePlate() == IDOK) EndDialog(IDOK);
}

void CMaldiProbeSheet::OnDestroy()
{
    CPropertySheet::OnDestroy();
}
