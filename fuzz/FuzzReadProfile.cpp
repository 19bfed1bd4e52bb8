// Any file handed to the profile reader: no crash, no out-of-bounds access, no leak, and a list
// that is either absent or consistent.

#include <cstdint>
#include <vector>

#include "fuzz/FuzzInputFile.h"
#include "maldi/experiments/MaldiListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MaldiCEProfileList* list = MaldiListFile::ReadProfile(FuzzInputFile::Write(data, size));
    if (list != nullptr) {
        int count = MaldiCEProfileList::Count(list);
        if (count < 0 || count > list->nCapacity || list->pEntries == nullptr)
            __builtin_trap();
        std::vector<MaldiCEProfileEntry> copy(static_cast<std::size_t>(count));
        if (!MaldiCEProfileList::CopyOut(list, copy.data()))
            __builtin_trap();
    }
    MaldiCEProfileList::Destroy(list);
    return 0;
}
