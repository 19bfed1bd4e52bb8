#include "maldi/plate/CProbeSpatialView.h"

#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {

// Clears a flag however the exchange ends (a failed value leaves it by an exception).
struct ShowingGuard {
    bool& flag;
    explicit ShowingGuard(bool& f) : flag(f) { flag = true; }
    ~ShowingGuard() { flag = false; }
};

} // namespace

IMPLEMENT_DYNCREATE(CProbeSpatialView, CPropertyPage)

BEGIN_MESSAGE_MAP(CProbeSpatialView, CPropertyPage)
    ON_EN_CHANGE(IDC_HOLE1_X, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_HOLE1_Y, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_HOLE2_X, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_HOLE2_Y, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_HYSTERESIS_X, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_HYSTERESIS_Y, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_SEARCH_STEP, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_SEARCH_WINDOW, &CProbeSpatialView::OnChange)
    ON_EN_CHANGE(IDC_SEARCH_DELAY, &CProbeSpatialView::OnChange)
    ON_BN_CLICKED(IDC_CALIBRATE_ON_LOAD, &CProbeSpatialView::OnChange)
END_MESSAGE_MAP()

CProbeSpatialView::CProbeSpatialView() : CPropertyPage(IDD_PROBE_SPATIAL) {}

CProbeSpatialView::CProbeSpatialView(CMaldiPlate* plate, CMaldiProbeSheet* sheet)
    : CPropertyPage(IDD_PROBE_SPATIAL), m_pPlate(plate), m_pSheet(sheet)
{
}

void CProbeSpatialView::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    if (!m_pPlate) return;
    ShowingGuard showing(m_bShowing);
    m_bShowing = !dx->m_bSaveAndValidate;
    CMaldiPlate& plate = *m_pPlate;

    DDX_Check(dx, IDC_CALIBRATE_ON_LOAD, plate.m_bCalibrateOnLoad);
    DDX_Text(dx, IDC_HOLE1_X, plate.m_fHole1X);
    DDX_Text(dx, IDC_HOLE1_Y, plate.m_fHole1Y);
    DDX_Text(dx, IDC_HOLE2_X, plate.m_fHole2X);
    DDX_Text(dx, IDC_HOLE2_Y, plate.m_fHole2Y);
    DDX_Text(dx, IDC_HYSTERESIS_X, plate.m_fHysteresisX);
    DDX_Text(dx, IDC_HYSTERESIS_Y, plate.m_fHysteresisY);
    DDX_Text(dx, IDC_SEARCH_WINDOW, plate.m_nSearchWindow);
    DDX_Text(dx, IDC_SEARCH_STEP, plate.m_fSearchStep);
    DDX_Text(dx, IDC_SEARCH_DELAY, plate.m_nSearchDelay);

    if (!dx->m_bSaveAndValidate) {
        DDX_Text(dx, IDC_CURRENT_HOLE1_X, plate.m_fCurrentHole1X);
        DDX_Text(dx, IDC_CURRENT_HOLE1_Y, plate.m_fCurrentHole1Y);
        DDX_Text(dx, IDC_CURRENT_HOLE2_X, plate.m_fCurrentHole2X);
        DDX_Text(dx, IDC_CURRENT_HOLE2_Y, plate.m_fCurrentHole2Y);
        DDX_Text(dx, IDC_CURRENT_TILT, plate.m_fCurrentTilt);
        DDX_Text(dx, IDC_CURRENT_OFFSET_X, plate.m_fCurrentOffsetX);
        DDX_Text(dx, IDC_CURRENT_OFFSET_Y, plate.m_fCurrentOffsetY);
    }
}

void CProbeSpatialView::OnChange()
{
    // The check box is clicked only by the operator; texts also change when the values are shown.
    if (!m_bShowing && m_pSheet) m_pSheet->PlateModified(1);
}

void CProbeSpatialView::OnCancel()
{
    if (m_pSheet) m_pSheet->PlateModified(0);
    CPropertyPage::OnCancel();
}
