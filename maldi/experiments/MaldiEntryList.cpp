#include "maldi/experiments/MaldiEntryList.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void* HeapAllocate(std::size_t count, std::size_t size)
{
    return std::calloc(count, size);
}

std::atomic<MaldiEntryListAllocator> g_allocator{&HeapAllocate};

void* Allocate(std::size_t count, std::size_t size)
{
    return g_allocator.load()(count, size);
}

}  // namespace

MaldiEntryListAllocator SetMaldiEntryListAllocator(MaldiEntryListAllocator allocator)
{
    return g_allocator.exchange(allocator != nullptr ? allocator : &HeapAllocate);
}

template <class Entry>
MaldiEntryList<Entry>* MaldiEntryList<Entry>::Create(int capacity)
{
    if (capacity < 0)
        return nullptr;
    // Zero-filled memory already holds valid lists and entries (both are plain aggregates).
    auto* list = static_cast<MaldiEntryList*>(Allocate(1, sizeof(MaldiEntryList)));
    if (list == nullptr)
        return nullptr;
    list->nCount = 0;
    list->nCapacity = 0;
    list->pEntries = nullptr;
    if (capacity > 0) {
        list->pEntries = static_cast<Entry*>(Allocate(static_cast<std::size_t>(capacity), sizeof(Entry)));
        if (list->pEntries != nullptr)
            list->nCapacity = capacity;
    }
    return list;
}

template <class Entry>
MaldiEntryList<Entry>* MaldiEntryList<Entry>::Destroy(MaldiEntryList* list)
{
    if (list != nullptr) {
        std::free(list->pEntries);
        std::free(list);
    }
    return nullptr;
}

template <class Entry>
int MaldiEntryList<Entry>::Count(const MaldiEntryList* list)
{
    return list != nullptr ? list->nCount : 0;
}

template <class Entry>
bool MaldiEntryList<Entry>::Append(MaldiEntryList*& list, const Entry& entry)
{
    if (list == nullptr || list->pEntries == nullptr)
        return false;
    if (list->nCount >= list->nCapacity) {
        long long doubled = 2LL * list->nCapacity;
        if (doubled > std::numeric_limits<std::int32_t>::max())
            return false;
        MaldiEntryList* grown = Create(static_cast<int>(doubled));
        if (grown == nullptr || grown->pEntries == nullptr) {
            Destroy(grown);
            return false;
        }
        std::memcpy(static_cast<void*>(grown->pEntries), list->pEntries,
                    static_cast<std::size_t>(list->nCount) * sizeof(Entry));
        grown->nCount = list->nCount;
        Destroy(list);
        list = grown;
    }
    list->pEntries[list->nCount++] = entry;
    return true;
}

template <class Entry>
bool MaldiEntryList<Entry>::Remove(MaldiEntryList*& list, int index)
{
    if (list == nullptr || index < 0 || index >= list->nCount)
        return false;
    MaldiEntryList* shrunk = Create(list->nCount);
    if (shrunk == nullptr || shrunk->pEntries == nullptr) {
        Destroy(shrunk);
        return false;
    }
    std::size_t before = static_cast<std::size_t>(index);
    std::size_t after = static_cast<std::size_t>(list->nCount - index - 1);
    std::memcpy(static_cast<void*>(shrunk->pEntries), list->pEntries, before * sizeof(Entry));
    std::memcpy(static_cast<void*>(shrunk->pEntries + index), list->pEntries + index + 1, after * sizeof(Entry));
    shrunk->nCount = list->nCount - 1;
    Destroy(list);
    list = shrunk;
    return true;
}

template <class Entry>
bool MaldiEntryList<Entry>::Replace(MaldiEntryList* list, int index, const Entry& entry)
{
    if (list == nullptr || index < 0 || index >= list->nCount)
        return false;
    list->pEntries[index] = entry;
    return true;
}

template <class Entry>
bool MaldiEntryList<Entry>::CopyOut(const MaldiEntryList* list, Entry* destination)
{
    if (list == nullptr)
        return false;
    if (list->nCount == 0)
        return true;
    if (destination == nullptr)
        return false;
    std::memcpy(static_cast<void*>(destination), list->pEntries, static_cast<std::size_t>(list->nCount) * sizeof(Entry));
    return true;
}

template struct MaldiEntryList<MaldiSwitchMassEntry>;
template struct MaldiEntryList<MaldiCEProfileEntry>;
