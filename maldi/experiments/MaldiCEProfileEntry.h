#pragma once
// One mass range of the collision energy profile. Energy k is given when bit k-1 of wFlags is set;
// an energy not given holds -1.0. The two carried values have no bit: they are kept and written
// back but not shown or edited. Bits above bit 4 mean nothing here but are kept.

#include <type_traits>

#include "platform/framework/WinTypes.h"

struct MaldiCEProfileEntry {
    double dFromMass = 0.0;            // m/z, always given
    double dToMass = 0.0;              // m/z, always given
    double dCarriedA = 0.0;
    double dCarriedB = 0.0;
    double dCollisionEnergy[5] = {};   // volts, energies 1 to 5: bits 0 to 4
    WORD wFlags = 0;

    static constexpr WORD CollisionEnergyBit(int energy) { return static_cast<WORD>(0x0001u << (energy - 1)); }
    static constexpr int kEnergyCount = 5;
};

static_assert(std::is_trivially_copyable_v<MaldiCEProfileEntry> && std::is_standard_layout_v<MaldiCEProfileEntry>);
