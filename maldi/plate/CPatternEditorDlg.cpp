#include "maldi/plate/CPatternEditorDlg.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/DDX.h"
#include "platform/tuning/CPatternFile.h"
#include "platform/tuning/HostMessageBox.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kPatternEditorWindow{
    .templateId = IDD_PATTERN_EDITOR, .greyClose = true, .setIcon = true};

constexpr LPCTSTR kFilter = "Pattern Files (*.ptn) | *.ptn||";
constexpr LPCTSTR kInitialFolder = ".";
constexpr DWORD kFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr UINT kSaveChangesFlags = MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_SETFOREGROUND; // 0x10033
constexpr UINT kNoPointsFlags = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND;             // 0x10030
constexpr UINT kSaveFailedFlags = kNoPointsFlags;
constexpr LPCTSTR kSaveFailed = "The pattern could not be saved to\n%s\n(%s).\nIt has not been saved anywhere.";

// The laser width list, as the template's list data gives it.
constexpr LPCTSTR kLaserWidths[] = {"1", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"};

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

IMPLEMENT_DYNAMIC(CPatternEditorDlg, CDialog)

BEGIN_MESSAGE_MAP(CPatternEditorDlg, CToolDialog)
    ON_BN_CLICKED(IDI_OK, &CPatternEditorDlg::OnButtonOk)
    ON_BN_CLICKED(IDI_PATTERN_SAVE, &CPatternEditorDlg::OnButtonSave)
    ON_BN_CLICKED(IDI_NEW, &CPatternEditorDlg::OnButtonNew)
    ON_BN_CLICKED(IDI_PATTERN_EXIT, &CPatternEditorDlg::OnButtonCancel)
    ON_BN_CLICKED(IDI_UNDO, &CPatternEditorDlg::OnButtonUndo)
    ON_BN_CLICKED(IDI_PATTERN_LASER, &CPatternEditorDlg::OnButtonLaser)
    ON_BN_CLICKED(IDI_LASER_WIDTH, &CPatternEditorDlg::OnButtonLaserWidth)
    ON_BN_CLICKED(IDC_PATTERN_BROWSE, &CPatternEditorDlg::OnBrowse)
    ON_BN_CLICKED(IDI_ALL_LASER_WIDTHS, &CPatternEditorDlg::OnUpdateAllLaserWidths)
END_MESSAGE_MAP()

CPatternEditorDlg::CPatternEditorDlg(CWnd* parent)
    : CToolDialog(kPatternEditorWindow, IDD_PATTERN_EDITOR, parent)
{
}

CPatternEditorDlg::~CPatternEditorDlg() = default;

void CPatternEditorDlg::CreateUI(HICON icon)
{
    CToolDialog::CreateUI(icon);
}

void CPatternEditorDlg::DoDataExchange(CDataExchange* dx)
{
    CToolDialog::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(IDC_PATTERN_FILE_NAME), m_FileNameEdit);
    DDX_Control(dx, static_cast<int>(IDC_PATTERN_CONTROL), m_PatternCtrl);
    DDX_Text(dx, static_cast<int>(IDC_PATTERN_LASER_WIDTH), m_nLaserWidth);
}

BOOL CPatternEditorDlg::OnInitDialog()
{
    // The width list first, so that the first exchange finds its entries.
    if (CWnd* widths = GetDlgItem(static_cast<int>(IDC_PATTERN_LASER_WIDTH))) {
        for (LPCTSTR width : kLaserWidths) widths->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(width));
    }
    return InitialiseFrame({.buttons = [this] {
        m_frame.SetupIconButtons({{m_LaserButton, IDI_PATTERN_LASER, IDS_FIRE_LASER},
                                  {m_SaveButton, IDI_PATTERN_SAVE, IDS_SAVE},
                                  {m_ExitButton, IDI_PATTERN_EXIT, IDS_EXIT},
                                  {m_NewButton, IDI_NEW, IDS_NEW},
                                  {m_UndoButton, IDI_UNDO, IDS_UNDO},
                                  {m_LaserWidthButton, IDI_LASER_WIDTH, IDS_LASER_WIDTH},
                                  {m_OkButton, IDI_OK, IDS_OK},
                                  {m_AllWidthsButton, IDI_ALL_LASER_WIDTHS, IDS_MODIFY_ALL_LASER_WIDTHS}});
    }});
}

int CPatternEditorDlg::AskSaveChanges()
{
    if (!m_PatternCtrl.IsPatternModified()) return IDNO;
    CString text = m_strFileName.IsEmpty() ? LoadText(IDS_SAVE_CURRENT_CHANGES)
                                           : LoadText(IDS_SAVE_CHANGES_TO) + m_strFileName + " ?";
    return HostMessageBox(text, LoadText(IDS_PATTERN_FILE), kSaveChangesFlags);
}

void CPatternEditorDlg::CloseAfterPrompt()
{
    switch (AskSaveChanges()) {
    case IDCANCEL:
        return;
    case IDYES:
        if (!SavePattern()) return;  // the operator was told; the drawing stays
        break;
    default:
        break;
    }
    CToolDialog::OnCancel();
}

void CPatternEditorDlg::OnButtonOk()
{
    CloseAfterPrompt();
}

void CPatternEditorDlg::OnButtonCancel()
{
    CloseAfterPrompt();
}

void CPatternEditorDlg::OnButtonNew()
{
    switch (AskSaveChanges()) {
    case IDCANCEL:
        return;
    case IDYES:
        if (!SavePattern()) return;
        break;
    default:
        break;
    }
    m_strFileName.Empty();
    m_FileNameEdit.SetWindowText(m_strFileName);
    m_PatternCtrl.NewPattern();
    m_PatternCtrl.ResetModified();
}

void CPatternEditorDlg::OnBrowse()
{
    switch (AskSaveChanges()) {
    case IDCANCEL:
        return;
    case IDYES:
        // The changes are saved; opening another file is a second Browse.
        OnButtonSave();
        return;
    default:
        LoadFile();
        return;
    }
}

void CPatternEditorDlg::OnButtonSave()
{
    SavePattern();
}

bool CPatternEditorDlg::SavePattern()
{
    CFileDialogS dialog(FALSE, "", nullptr, kFileDialogFlags, kFilter, this, kInitialFolder);
    if (dialog.DoModal() != IDOK) return true;
    const CString previousName = m_strFileName;
    m_strFileName = dialog.GetPathName();
    if (m_strFileName.IsEmpty()) return true;

    const long count = m_PatternCtrl.GetPointCount();
    if (count > 0) {
        auto file = std::make_unique<CPatternFile>();
        for (long i = 0; i < count; ++i) {
            PatternPoint point;
            ScalePatternEditorToWellXY(static_cast<int>(m_PatternCtrl.GetPointX(i)), &point.dX);
            ScalePatternEditorToWellXY(static_cast<int>(m_PatternCtrl.GetPointY(i)), &point.dY);
            point.nLaserState = m_PatternCtrl.GetPointLaserState(i);
            point.nLaserWidth = m_PatternCtrl.GetPointLaserWidth(i);
            file->AddLaserPoint(point);
        }
        errno = 0;
        if (!file->Write(m_strFileName)) {
            // Nothing was written: the pattern still belongs to the file it came from, if any, and
            // stays modified.
            const int error = errno != 0 ? errno : EIO;
            CString text;
            text.Format(kSaveFailed, m_strFileName.GetString(), std::strerror(error));
            m_strFileName = previousName;
            HostMessageBox(text, LoadText(IDS_PATTERN_FILE), kSaveFailedFlags);
            return false;
        }
        file.reset();
        m_PatternCtrl.ResetModified();
    }
    m_FileNameEdit.SetWindowText(m_strFileName);
    return true;
}

void CPatternEditorDlg::LoadFile()
{
    CFileDialogS dialog(TRUE, "", nullptr, kFileDialogFlags, kFilter, this, kInitialFolder);
    if (dialog.DoModal() != IDOK) return;
    m_strFileName = dialog.GetPathName();
    auto file = std::make_unique<CPatternFile>();
    file->Read(m_strFileName);
    const int count = file->GetNumberOfEntries();
    if (count > 0) {
        m_PatternCtrl.NewPattern();
        for (int i = 0; i < count; ++i) {
            int x = 0;
            int y = 0;
            ScaleWellXYToPatternEditor(&x, file->GetXCoordinate(i));
            ScaleWellXYToPatternEditor(&y, file->GetYCoordinate(i));
            m_PatternCtrl.SetPointX(i, x);
            m_PatternCtrl.SetPointY(i, y);
            m_PatternCtrl.SetPointLaserState(i, static_cast<short>(file->GetLaserState(i)));
            m_PatternCtrl.SetPointLaserWidth(i, file->GetLaserWidth(i));
        }
        m_PatternCtrl.ResetModified();
        m_nLaserWidth = static_cast<short>(file->GetLaserWidth(count - 1));
        SetLaserOn(file->GetLaserState(count - 1) != 0);
        m_PatternCtrl.SetLaserWidth(m_nLaserWidth);
        UpdateData(FALSE);
    } else {
        HostMessageBox(LoadText(IDS_NO_POINTS_LOADED), LoadText(IDS_PATTERN_FILE), kNoPointsFlags);
    }
    file.reset();
    m_PatternCtrl.Refresh();
    m_FileNameEdit.SetWindowText(m_strFileName);
}

void CPatternEditorDlg::OnButtonLaser()
{
    SetLaserOn(!m_bLaserOn);
}

void CPatternEditorDlg::SetLaserOn(bool on)
{
    m_LaserButton.SetCheck(on ? BST_CHECKED : BST_UNCHECKED, TRUE);
    m_bLaserOn = on;
    m_PatternCtrl.SetLaserState(on ? TRUE : FALSE);
}

void CPatternEditorDlg::OnButtonLaserWidth()
{
    UpdateData(TRUE);
    m_PatternCtrl.SetLaserWidth(m_nLaserWidth);
}

void CPatternEditorDlg::OnUpdateAllLaserWidths()
{
    UpdateData(TRUE);
    m_PatternCtrl.SetAllLaserWidths(m_nLaserWidth);
}

void CPatternEditorDlg::OnButtonUndo()
{
    m_PatternCtrl.Undo();
}

void CPatternEditorDlg::ScalePatternEditorToWellXY(int pixels, double* well)
{
    if (!well) return;
    const long scale = m_PatternCtrl.GetScale();
    if (scale == 0) return;
    *well = (1.0 / static_cast<double>(scale)) * pixels;
}

void CPatternEditorDlg::ScaleWellXYToPatternEditor(int* pixels, double well)
{
    if (!pixels) return;
    double scaled = static_cast<double>(m_PatternCtrl.GetScale()) * well;
    // The file reader bounds well coordinates; clamp anyway, since a conversion out of an int's
    // range is undefined.
    if (std::isnan(scaled)) {
        *pixels = 0;
        return;
    }
    // A saved pixel comes back as (1 / scale x pixels) x scale, which can land a rounding error
    // below the whole pixel (29 at scale 100 gives 28.999999999999996). Within a few units in the
    // last place of a whole number that number is meant; anything further from it is truncated.
    const double nearest = std::nearbyint(scaled);
    if (std::fabs(scaled - nearest) <= std::fabs(nearest) * 4 * DBL_EPSILON) scaled = nearest;
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    *pixels = static_cast<int>(std::clamp(scaled, kMin, kMax));
}
