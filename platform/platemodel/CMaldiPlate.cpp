#include "platform/platemodel/CMaldiPlate.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "platform/framework/CArchive.h"

namespace {

bool IsBool(BOOL b)
{
    return b == FALSE || b == TRUE;
}

bool IsWellCount(int n)
{
    return n >= 1 && n <= CMaldiPlate::kMaxWells;
}

bool IsWellSize(float mm)
{
    return mm >= CMaldiPlate::kMinWellSize && mm <= CMaldiPlate::kMaxWellSize;  // false for NaN too
}

// Row names as spreadsheet columns: 0 -> "A", 25 -> "Z", 26 -> "AA".
CString RowName(std::int64_t row)
{
    char letters[16];
    int n = 0;
    for (std::int64_t r = row + 1; r > 0 && n < 16; r = (r - 1) / 26)
        letters[n++] = static_cast<char>('A' + (r - 1) % 26);
    CString name;
    while (n > 0)
        name += letters[--n];
    return name;
}

}  // namespace

IMPLEMENT_DYNCREATE(CMaldiPlate, CObject)

CMaldiPlate::CMaldiPlate()
{
    New();
}

void CMaldiPlate::New()
{
    m_strFileName.Empty();
    m_nWellsPerColumn = 8;
    m_nWellsPerRow = 12;
    m_fWellDiameter = 2.8f;
    m_fWellPitch = 9.0f;
    m_nWellReference = wellAlphaNumeric;
    m_bLockMassCorrection = TRUE;
    m_nLockMassWellsPerColumn = 8;
    m_nLockMassWellsPerRow = 1;
    m_fLockMassWellDiameter = 1.5f;
    m_fLockMassWellPitch = 9.0f;

    m_bCalibrateOnLoad = FALSE;
    m_fHole1X = 6.0f;
    m_fHole1Y = 5.0f;
    m_fHole2X = 121.76f;
    m_fHole2Y = 80.48f;
    m_fHysteresisX = 0.05f;
    m_fHysteresisY = 0.05f;
    m_nSearchWindow = 5;
    m_fSearchStep = 0.1f;
    m_nSearchDelay = 200;

    m_fCurrentHole1X = m_fHole1X;
    m_fCurrentHole1Y = m_fHole1Y;
    m_fCurrentHole2X = m_fHole2X;
    m_fCurrentHole2Y = m_fHole2Y;
    m_fCurrentTilt = 0.0f;
    m_fCurrentOffsetX = 0.0f;
    m_fCurrentOffsetY = 0.0f;
}

bool CMaldiPlate::IsValid() const
{
    for (float f : {m_fWellDiameter, m_fWellPitch, m_fLockMassWellDiameter, m_fLockMassWellPitch, m_fHole1X,
                    m_fHole1Y, m_fHole2X, m_fHole2Y, m_fHysteresisX, m_fHysteresisY, m_fSearchStep,
                    m_fCurrentHole1X, m_fCurrentHole1Y, m_fCurrentHole2X, m_fCurrentHole2Y, m_fCurrentTilt,
                    m_fCurrentOffsetX, m_fCurrentOffsetY}) {
        if (!std::isfinite(f))
            return false;
    }
    return m_strFileName.GetLength() <= kMaxFileNameLength &&
           std::memchr(m_strFileName.GetString(), 0, static_cast<std::size_t>(m_strFileName.GetLength())) == nullptr &&
           IsWellCount(m_nWellsPerColumn) && IsWellCount(m_nWellsPerRow) && IsWellSize(m_fWellDiameter) &&
           IsWellSize(m_fWellPitch) && (m_nWellReference == wellNumeric || m_nWellReference == wellAlphaNumeric) &&
           IsBool(m_bLockMassCorrection) && IsWellCount(m_nLockMassWellsPerColumn) &&
           IsWellCount(m_nLockMassWellsPerRow) && IsWellSize(m_fLockMassWellDiameter) &&
           IsWellSize(m_fLockMassWellPitch) && IsBool(m_bCalibrateOnLoad);
}

void CMaldiPlate::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kSignature << kVersion << m_strFileName;
        ar << m_nWellsPerColumn << m_nWellsPerRow << m_fWellDiameter << m_fWellPitch << m_nWellReference;
        ar << m_bLockMassCorrection << m_nLockMassWellsPerColumn << m_nLockMassWellsPerRow
           << m_fLockMassWellDiameter << m_fLockMassWellPitch;
        ar << m_bCalibrateOnLoad << m_fHole1X << m_fHole1Y << m_fHole2X << m_fHole2Y << m_fHysteresisX
           << m_fHysteresisY << m_nSearchWindow << m_fSearchStep << m_nSearchDelay;
        ar << m_fCurrentHole1X << m_fCurrentHole1Y << m_fCurrentHole2X << m_fCurrentHole2Y << m_fCurrentTilt
           << m_fCurrentOffsetX << m_fCurrentOffsetY;
        return;
    }

    // Read into a copy, so that the plate changes only when the whole file is good.
    DWORD signature = 0;
    WORD version = 0;
    ar >> signature >> version;
    if (ar.IsFailed())
        return;
    if (signature != kSignature || version != kVersion) {
        ar.SetFailure(CArchive::badSchema);
        return;
    }
    CMaldiPlate p;
    ar >> p.m_strFileName;
    if (ar.IsFailed())
        return;
    if (p.m_strFileName.GetLength() > kMaxFileNameLength) {
        ar.SetFailure(CArchive::badSchema);
        return;
    }
    ar >> p.m_nWellsPerColumn >> p.m_nWellsPerRow >> p.m_fWellDiameter >> p.m_fWellPitch >> p.m_nWellReference;
    ar >> p.m_bLockMassCorrection >> p.m_nLockMassWellsPerColumn >> p.m_nLockMassWellsPerRow >>
        p.m_fLockMassWellDiameter >> p.m_fLockMassWellPitch;
    ar >> p.m_bCalibrateOnLoad >> p.m_fHole1X >> p.m_fHole1Y >> p.m_fHole2X >> p.m_fHole2Y >> p.m_fHysteresisX >>
        p.m_fHysteresisY >> p.m_nSearchWindow >> p.m_fSearchStep >> p.m_nSearchDelay;
    ar >> p.m_fCurrentHole1X >> p.m_fCurrentHole1Y >> p.m_fCurrentHole2X >> p.m_fCurrentHole2Y >> p.m_fCurrentTilt >>
        p.m_fCurrentOffsetX >> p.m_fCurrentOffsetY;
    if (ar.IsFailed())
        return;
    if (!p.IsValid()) {
        ar.SetFailure(CArchive::badSchema);
        return;
    }
    *this = p;
}

int CMaldiPlate::GetWellCount() const
{
    if (m_nWellsPerRow <= 0 || m_nWellsPerColumn <= 0)
        return 0;
    std::int64_t count = static_cast<std::int64_t>(m_nWellsPerRow) * m_nWellsPerColumn;
    return count > INT32_MAX ? INT32_MAX : static_cast<int>(count);
}

BOOL CMaldiPlate::ConvertWellReference(int well, CString& name) const
{
    name.Empty();
    if (well < 1 || well > GetWellCount())
        return FALSE;
    if (m_nWellReference == wellAlphaNumeric) {
        std::int64_t index = well - 1;
        name = RowName(index / m_nWellsPerRow);
        name.AppendFormat("%d", static_cast<int>(index % m_nWellsPerRow) + 1);
    } else {
        name.Format("%d", well);
    }
    return TRUE;
}
