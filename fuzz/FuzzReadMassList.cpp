// Any file handed to the mass list reader: no crash, no out-of-bounds access, no leak, and a list
// that is either absent or consistent.

#include <cstdint>
#include <vector>

#include "fuzz/FuzzInputFile.h"
#include "maldi/experiments/MaldiListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MaldiSwitchMassList* list = MaldiListFile::ReadMassList(FuzzInputFile::Write(data, size));
    if (list != nullptr) {
        int count = MaldiSwitchMassList::Count(list);
        if (count < 0 || count > list->nCapacity || list->pEntries == nullptr)
            __builtin_trap();
        std::vector<MaldiSwitchMassEntry> copy(static_cast<std::size_t>(count));
        if (!MaldiSwitchMassList::CopyOut(list, copy.data()))
            __builtin_trap();
    }
    MaldiSwitchMassList::Destroy(list);
    return 0;
}
