#pragma once
// A MALDI target plate definition: the geometry of its sample wells and of its lock-mass
// (reference) wells, how wells are named, and its spatial calibration, both the initial conditions
// of a calibration search and the result of the last calibration. The plate sheet edits the fields
// directly (they are exchanged with its controls); the acquisition panels, the crosshair panel and
// the calibration window read them through TargetPlate().
//
// Defaults (constructor and New): a 96-well plate in the standard microplate footprint
// (127.76 x 85.48 mm), 8 rows "A".."H" of 12 wells, 9 mm pitch, 2.8 mm wells named alphanumerically,
// with a column of 8 lock-mass wells (1.5 mm) beside it and lock-mass correction on; calibration
// holes 1 (top left) and 2 (bottom right) just outside the well field, a 5 x 5 search of 0.1 mm
// steps with 200 ms per step, 0.05 mm hysteresis, no calibration on plate load; the current
// calibration is the initial one (holes where expected, no tilt, no offset). The file name is empty.
//
// File (".mtp"), version 1, through CArchive (little-endian; BOOL and int are 4 bytes, float 4):
//   DWORD  signature 0x4C50544D ("MTPL")      WORD  version (1)
//   CString file name
//   int wells per column, int wells per row, float well diameter, float well pitch, int well reference
//   BOOL lock-mass correction, int lock-mass wells per column, int lock-mass wells per row,
//   float lock-mass well diameter, float lock-mass well pitch
//   BOOL calibrate on load, float hole 1 X, Y, float hole 2 X, Y, float hysteresis X, Y,
//   int search window, float search step, int search delay
//   float current hole 1 X, Y, current hole 2 X, Y, current tilt, current offset X, Y
// Bytes after these are ignored. Loading accepts only what IsValid() accepts; anything else (a
// short, foreign, newer or corrupt file) records a failure in the archive (endOfFile or badSchema)
// and leaves the plate exactly as it was. Storing writes the fields as they are.

#include "platform/framework/CObject.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class CArchive;

// The plate's fields, compared member by member (the object base has nothing to compare).
struct MaldiPlateFields {
    friend bool operator==(const MaldiPlateFields&, const MaldiPlateFields&) = default;

    // Geometry page.
    CString m_strFileName;
    int m_nWellsPerColumn;             // rows of sample wells
    int m_nWellsPerRow;                // sample wells in a row
    float m_fWellDiameter;             // mm
    float m_fWellPitch;                // mm, centre to centre
    int m_nWellReference;              // WellReference
    BOOL m_bLockMassCorrection;
    int m_nLockMassWellsPerColumn;
    int m_nLockMassWellsPerRow;
    float m_fLockMassWellDiameter;     // mm
    float m_fLockMassWellPitch;        // mm

    // Spatial calibration, initial conditions (mm unless stated).
    BOOL m_bCalibrateOnLoad;
    float m_fHole1X, m_fHole1Y;        // expected position of calibration hole 1 (top left)
    float m_fHole2X, m_fHole2Y;        // expected position of calibration hole 2 (bottom right)
    float m_fHysteresisX, m_fHysteresisY;
    int m_nSearchWindow;               // n: the search tries n x n aims around each hole
    float m_fSearchStep;               // distance between aims
    int m_nSearchDelay;                // ms per step

    // Spatial calibration, result of the last one (shown only).
    float m_fCurrentHole1X, m_fCurrentHole1Y;
    float m_fCurrentHole2X, m_fCurrentHole2Y;
    float m_fCurrentTilt;              // degrees
    float m_fCurrentOffsetX, m_fCurrentOffsetY;
};

// A framework object (run-time class "CMaldiPlate", creatable by name) that serialises itself.
class CMaldiPlate : public CObject, public MaldiPlateFields {
    DECLARE_DYNCREATE(CMaldiPlate)
public:
    enum WellReference : int { wellNumeric = 0, wellAlphaNumeric = 1 };
    static constexpr DWORD kSignature = 0x4C50544D;
    static constexpr WORD kVersion = 1;
    static constexpr int kMaxWells = 100;            // per row and per column
    static constexpr float kMinWellSize = 0.001f;    // diameters and pitches, mm
    static constexpr float kMaxWellSize = 100.0f;
    static constexpr int kMaxFileNameLength = 4096;

    CMaldiPlate();
    ~CMaldiPlate() override = default;
    CMaldiPlate(const CMaldiPlate&) = default;
    CMaldiPlate& operator=(const CMaldiPlate&) = default;

    // Back to the defaults above.
    void New();
    // Stores or loads the plate, as the archive's direction says (see the file layout above).
    void Serialize(CArchive& ar) override;
    // Exactly the plate sheet's ranges, so that every plate the sheet can save loads again: well
    // counts 1..kMaxWells, diameters and pitches kMinWellSize..kMaxWellSize (the pages check these
    // same constants), well reference and the BOOLs 0 or 1, every float finite (an edit box gives
    // no other), the file name at most kMaxFileNameLength bytes without zero bytes. The search
    // window and delay have no range on the sheet and none here: the calibration window and the
    // host bound them where they use them.
    bool IsValid() const;

    // The display name of sample well `well` (1 .. wells per row x wells per column): numerically
    // "1", "2", ...; alphanumerically by rows of `wells per row`: "A1", "A2", ..., then "B1", and
    // after row "Z" come "AA", "AB", ... FALSE and an empty name for a well that is not on the plate
    // (zero, negative, beyond the last well, or any well when the counts are not positive).
    BOOL ConvertWellReference(int well, CString& name) const;
    int GetWellCount() const;
    BOOL IsLockMassCorrection() const { return m_bLockMassCorrection; }

    friend bool operator==(const CMaldiPlate& a, const CMaldiPlate& b)
    {
        return static_cast<const MaldiPlateFields&>(a) == static_cast<const MaldiPlateFields&>(b);
    }
};
