#pragma once
// An allocator for lists that runs out, to reach the out-of-memory paths.

#include <cstdlib>

#include "maldi/experiments/MaldiEntryList.h"

// Lists get `allowed` more allocations, then none, for the life of the object.
class AllocationLimit {
public:
    explicit AllocationLimit(int allowed)
    {
        s_left = allowed;
        s_requests = 0;
        m_previous = SetMaldiEntryListAllocator(&Allocate);
    }
    ~AllocationLimit() { SetMaldiEntryListAllocator(m_previous); }
    int Requests() const { return s_requests; }

private:
    static void* Allocate(std::size_t count, std::size_t size)
    {
        ++s_requests;
        if (s_left <= 0)
            return nullptr;
        --s_left;
        return std::calloc(count, size);
    }
    static inline int s_left = 0;
    static inline int s_requests = 0;
    MaldiEntryListAllocator m_previous = nullptr;
};
