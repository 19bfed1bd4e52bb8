#pragma once
// The fixed lists of the MALDI scan function dialogs and experiment pages, and the host's default
// ion mode and data format. Written once here; every window with one of these lists fills and
// selects it through this class.
//
// Laser firing rates (Hz) by laser type: 1: 1, 5, 10; 2: 1, 5, 10, 20; 3: 1, 5, 10, 20, 500, 1000.
// Any other laser type is taken as type 1 and set to 1 where the caller keeps it.
//
// Default ion mode and data format: the host's strings 23023 and 23028, found through the resource
// chain. A host that does not provide them gets "LDI+" and "Centroid", the first entries of the
// lists, so that a dialog never opens with neither ion mode nor data format chosen.

#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class CWnd;

class MaldiScanLists {
public:
    static constexpr UINT IDS_HOST_DEFAULT_ION_MODE = 23023;
    static constexpr UINT IDS_HOST_DEFAULT_DATA_FORMAT = 23028;
    static constexpr LPCTSTR kFallbackIonMode = "LDI+";
    static constexpr LPCTSTR kFallbackDataFormat = "Centroid";

    // The firing rates offered for the laser type; a type other than 1, 2 or 3 becomes 1.
    static const std::vector<UINT>& FiringRates(UINT& laserType);
    static const std::vector<CString>& IonModes();     // "LDI+", "LDI-"
    static const std::vector<CString>& DataFormats();  // "Centroid", "Continuum", "MCA"
    static const std::vector<CString>& PlateSpeeds();  // "1" to "8"

    // Each empties a combo box and fills it in order (a sorted combo box sorts as it likes). The
    // firing rates are written "%d"; the laser type is normalised as above.
    static void FillFiringRates(CWnd& list, UINT& laserType);
    static void FillIonModes(CWnd& list);
    static void FillDataFormats(CWnd& list);
    static void FillPlateSpeeds(CWnd& list);

    // Selects the item whose text is exactly the value written "%d", else the first item.
    static void SelectNumber(CWnd& list, int value);
    static void SelectNumber(CWnd& list, UINT value) { SelectNumber(list, static_cast<int>(value)); }

    static CString DefaultIonMode();
    static CString DefaultDataFormat();
};
