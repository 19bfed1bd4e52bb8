#pragma once
// Objects by handle, for the painting layer's contexts and objects: a table of slots where a handle
// names a slot and the serial number it was issued with. Finding an object is an index and a
// compare, no hashing, and a handle kept after its object went away never names the object that
// took its slot later.
//
// A handle is (serial << 24 | slot) << 2, serial from 1: never null, a multiple of four, each one
// issued once. At most 2^24 objects are open at a time (Add throws std::length_error beyond).

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

template <typename T>
class HandleSlots {
    static_assert(sizeof(std::uintptr_t) >= 8, "handles carry a serial number above the slot");

public:
    std::uintptr_t Add(T value)
    {
        std::uint32_t slot = 0;
        if (!m_free.empty()) {
            slot = m_free.back();
            m_free.pop_back();
        } else {
            if (m_slots.size() > kSlotMask)
                throw std::length_error("too many painting objects open at once");
            slot = static_cast<std::uint32_t>(m_slots.size());
            m_slots.emplace_back();
        }
        const std::uintptr_t handle = ((m_nextSerial++ << kSlotBits) | slot) << 2;
        m_slots[slot].handle = handle;
        m_slots[slot].value = std::move(value);
        ++m_count;
        return handle;
    }

    // The object of an open handle, or null. The pointer holds until the next Add or Remove.
    T* Find(std::uintptr_t handle)
    {
        const std::size_t slot = (handle >> 2) & kSlotMask;
        if (handle == 0 || slot >= m_slots.size() || m_slots[slot].handle != handle)
            return nullptr;
        return &m_slots[slot].value;
    }

    // Closes an open handle and hands back its object; false (and nothing changed) for any other.
    bool Remove(std::uintptr_t handle, T& removed)
    {
        T* value = Find(handle);
        if (!value)
            return false;
        removed = std::move(*value);
        *value = T();
        const auto slot = static_cast<std::uint32_t>((handle >> 2) & kSlotMask);
        m_slots[slot].handle = 0;
        m_free.push_back(slot);
        --m_count;
        return true;
    }

    std::size_t Count() const { return m_count; }

private:
    static constexpr int kSlotBits = 24;
    static constexpr std::uintptr_t kSlotMask = (std::uintptr_t{1} << kSlotBits) - 1;
    struct Slot {
        std::uintptr_t handle = 0;
        T value{};
    };
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_free;
    std::uintptr_t m_nextSerial = 1;
    std::size_t m_count = 0;
};
