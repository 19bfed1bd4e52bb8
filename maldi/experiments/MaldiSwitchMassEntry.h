#pragma once
// One precursor mass of the mass switch list. A value is given when its bit in wFlags is set;
// a value not given holds -1.0 and is neither shown nor used. Bits above bit 8 mean nothing here
// but are kept and written back.

#include <type_traits>

#include "platform/framework/WinTypes.h"

struct MaldiSwitchMassEntry {
    double dSetMass = 0.0;             // precursor m/z, always given
    double dLM = 0.0;                  // bit 0
    double dHM = 0.0;                  // bit 1
    double dTimeout = 0.0;             // seconds, bit 2
    double dStopIntensity = 0.0;       // counts, bit 3
    double dCollisionEnergy[5] = {};   // volts, energies 1 to 5: bits 4 to 8
    WORD wFlags = 0;

    static constexpr WORD kLM = 0x0001;
    static constexpr WORD kHM = 0x0002;
    static constexpr WORD kTimeout = 0x0004;
    static constexpr WORD kStopIntensity = 0x0008;
    static constexpr WORD CollisionEnergyBit(int energy) { return static_cast<WORD>(0x0010u << (energy - 1)); }
    static constexpr int kValueCount = 9;  // LM ... energy 5, in bit order
};

static_assert(std::is_trivially_copyable_v<MaldiSwitchMassEntry> && std::is_standard_layout_v<MaldiSwitchMassEntry>);
