// Any file handed to the plate loader: no crash, no out-of-bounds access, no leak, no huge
// allocation, and either a refused file with the plate untouched or a plate that passes IsValid.

#include <cstdint>

#include "fuzz/FuzzInputFile.h"
#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "platform/platemodel/CMaldiPlate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFile file;
    if (!file.Open(FuzzInputFile::Write(data, size), CFile::modeRead))
        __builtin_trap();
    CMaldiPlate plate;
    CArchive ar(&file, CArchive::load, 4096);
    plate.Serialize(ar);
    if (ar.IsFailed()) {
        if (!(plate == CMaldiPlate()))
            __builtin_trap();
        return 0;
    }
    if (!plate.IsValid())
        __builtin_trap();
    // Name the first and last wells and one beyond, whatever the geometry.
    CString name;
    int wells = plate.GetWellCount();
    if (!plate.ConvertWellReference(1, name) || !plate.ConvertWellReference(wells, name) ||
        plate.ConvertWellReference(wells + 1, name) || !name.IsEmpty())
        __builtin_trap();
    return 0;
}
