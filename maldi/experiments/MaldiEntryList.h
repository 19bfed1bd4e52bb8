#pragma once
// The growable list behind the two list pages: a count, a capacity and one contiguous array of
// capacity entries, zero-filled when allocated. One implementation serves both entry kinds.
//
// A page owns at most one list; "no list" (null) is a valid state, and every operation accepts it.
// Operations that may reallocate take the list pointer by reference and replace it, so the caller's
// pointer always names the current list. Nothing throws: failures return false or null and leave
// the existing list as it was.
//
//   MaldiSwitchMassList* list = MaldiSwitchMassList::Create(100);
//   MaldiSwitchMassList::Append(list, entry);
//   list = MaldiSwitchMassList::Destroy(list);

#include <cstddef>
#include <cstdint>

#include "maldi/experiments/MaldiCEProfileEntry.h"
#include "maldi/experiments/MaldiSwitchMassEntry.h"

template <class Entry>
struct MaldiEntryList {
    std::int32_t nCount;
    std::int32_t nCapacity;
    Entry* pEntries;  // nCapacity entries; null when the array could not be allocated

    // Header and zero-filled array. When only the array cannot be allocated (or capacity is 0) the
    // list has capacity 0 and no array, and takes no entries. Null when the header cannot be
    // allocated or capacity is negative.
    static MaldiEntryList* Create(int capacity);
    // Releases array and header; returns null, for `list = Destroy(list)`.
    static MaldiEntryList* Destroy(MaldiEntryList* list);
    // 0 for no list.
    static int Count(const MaldiEntryList* list);
    // Stores the entry at index count. A full list is first replaced by a copy with twice the
    // capacity. False for no list, a list without array, or when growth fails.
    static bool Append(MaldiEntryList*& list, const Entry& entry);
    // Replaces the list by a new one whose capacity is the old count, holding every entry but the
    // one at index, in order. False for no list, an index outside 0 .. count-1, or no memory.
    static bool Remove(MaldiEntryList*& list, int index);
    // Overwrites the entry at index (0 .. count-1).
    static bool Replace(MaldiEntryList* list, int index, const Entry& entry);
    // Copies the count entries, in order, to destination. False for no list, or no destination
    // while there are entries to copy.
    static bool CopyOut(const MaldiEntryList* list, Entry* destination);
};

using MaldiSwitchMassList = MaldiEntryList<MaldiSwitchMassEntry>;
using MaldiCEProfileList = MaldiEntryList<MaldiCEProfileEntry>;

extern template struct MaldiEntryList<MaldiSwitchMassEntry>;
extern template struct MaldiEntryList<MaldiCEProfileEntry>;

// Where lists get their memory: calloc semantics (zero-filled, null on failure, released with
// std::free). Tests install a failing one to exercise the out-of-memory paths. Null restores
// std::calloc; the previous function is returned.
using MaldiEntryListAllocator = void* (*)(std::size_t count, std::size_t size);
MaldiEntryListAllocator SetMaldiEntryListAllocator(MaldiEntryListAllocator allocator);
