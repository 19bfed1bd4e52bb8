// Host values at the ends of their range, in every dialog (the sanitizer build checks the arithmetic).

#include <climits>

#include "MSDialogTestSupport.h"
#include "maldi/dialogs/CMaldiESISettingsDialog.h"
#include "maldi/dialogs/CMaldiMSMSAcqFunctionSetupDialog.h"

using namespace maldi::res;

namespace {

struct Extremes {
    UINT laserType, rate, speed;
    int end, lockMass, use;
};
const Extremes kExtremes[] = {
    {UINT_MAX, UINT_MAX, UINT_MAX, INT_MAX, INT_MIN, 1}, {0, 0, 0, INT_MIN, INT_MAX, 1},
    {3, 7, 9, INT_MAX, INT_MAX, 0},                      {1, 1u << 31, 1u << 31, INT_MIN, INT_MIN, INT_MIN},
};

// Opens the dialog, toggles the lock mass twice (the bookkeeping both ways) and presses OK.
template <class Dialog>
void Operate(Dialog& dialog, LPCTSTR caption, Automation& automation)
{
    automation.OnNextModal([](CWnd& d, Automation& a) {
        a.Click(d, IDC_USE_LOCK_MASS);
        a.Click(d, IDC_USE_LOCK_MASS);
        a.Click(d, IDOK);
    }, caption);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetLaserFiringRate(), 1u) << "a rate no list holds reads back as the first entry";
    EXPECT_EQ(dialog.GetPlateSpeed(), 1u);
}

class ExtremeHostValuesTest : public msdlg::DialogTest {};

} // namespace

TEST_F(ExtremeHostValuesTest, ScanFunctionDialogsKeepTheirBooksDefinedAtTheEndsOfTheRange)
{
    for (const Extremes& e : kExtremes) {
        SCOPED_TRACE(e.end);
        CMaldiMSAcqFunctionSetupDialog ms(&host);
        ms.SetLaserType(e.laserType), ms.SetLaserFiringRate(e.rate), ms.SetPlateSpeed(e.speed);
        ms.SetIntEndTime(e.end), ms.SetLockMassTime(e.lockMass), ms.SetUseLockMass(e.use);
        ms.SetIntStartTime(e.lockMass);
        Operate(ms, "Maldi MS", *automation);

        CMaldiMSMSAcqFunctionSetupDialog msms(&host);
        msms.SetLaserType(e.laserType), msms.SetLaserFiringRate(e.rate), msms.SetPlateSpeed(e.speed);
        msms.SetEndTime(e.end), msms.SetLockMassTime(e.lockMass), msms.SetUseLockMass(e.use);
        msms.SetStartTime(e.end);
        Operate(msms, "Maldi MSMS", *automation);
    }
}

TEST_F(ExtremeHostValuesTest, SettingsDialogReadsAnUnlistedRateAsTheFirstEntry)
{
    for (const Extremes& e : kExtremes) {
        CMaldiESISettingsDialog dialog(nullptr, &host);
        dialog.SetLaserType(e.laserType), dialog.SetLaserFiringRate(e.rate), dialog.SetPlateSpeed(e.speed);
        automation->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDOK); }, "Maldi Settings");
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetLaserFiringRate(), 1u);
        EXPECT_EQ(dialog.GetPlateSpeed(), 1u);
    }
}
