#pragma once
// The virtual table slot of a virtual member function, for tests that hold a class to the slot
// order a host compiled against. Only on x86 with the Itanium C++ ABI, where a pointer to a virtual
// member holds 1 + the byte offset of its slot; elsewhere MALDI_HAS_VIRTUAL_SLOT is not defined.

#if defined(__x86_64__) || defined(__i386__)
#define MALDI_HAS_VIRTUAL_SLOT 1

#include <cstddef>
#include <cstdint>
#include <cstring>

template <typename F>
std::uintptr_t SlotOf(F member)
{
    struct Representation {
        std::uintptr_t ptr;
        std::ptrdiff_t adj;
    } r;
    static_assert(sizeof(F) == sizeof(Representation));
    std::memcpy(&r, &member, sizeof r);
    return (r.ptr - 1) / sizeof(void*);
}
#endif
