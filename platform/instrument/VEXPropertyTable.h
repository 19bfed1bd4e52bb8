#pragma once
// The property runtime's table: every symbol the connected instrument knows, with its kind and its
// last-transfer value, and the instrument model. The free functions of PropertyRuntime.h read it;
// tests and the simulated instrument set it up through this class.
//
// The table starts as an idle MALDI/ESI instrument with the MALDI source fitted and closed, the
// probe ready at the MALDI position and a cool source:
//
//   symbol                                   kind      value   unit
//   ELECTROSPRAY_THROTTLE_POSITION_SETTING   setting   2000    probe position steps
//   SOURCE_TEMPERATURE_SETTING               setting   30.0    degrees Celsius
//   SOURCE_TEMPERATURE_RB                    readback  30.0    degrees Celsius
//   PROBE_COVER_STATE_STATUS                 status    2       0 none, 1 API cone, 2 MALDI cover cap
//   SOURCE_PRESENT_STATE_STATUS              status    1       0 source front open, 1 closed
//   PROBE_STATE_STATUS                       status    0x30    state 3 (MALDI position) in the high
//                                                              four bits, sub-step 0 in the low four
//   PROBE_PREVIOUS_STATE                     status    1       state 1 (moving to MALDI)
//   UNLOAD_PROBE_COMMAND                     command   0       -
//   LOAD_PROBE_COMMAND                       command   0       -
//   ES_PROBE_MODE_COMMAND                    command   0       -
//
// Reset() returns to exactly this state. Handles stay valid for the life of the process (see
// VEXPropertyTag.h); removing and re-adding a symbol gives back the same handle.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/instrument/VEXPropertyTag.h"

class VEXPropertyTable {
public:
    // The one table of the process, as the runtime has one connected instrument.
    static VEXPropertyTable& Instance();

    VEXPropertyTable();
    VEXPropertyTable(const VEXPropertyTable&) = delete;
    VEXPropertyTable& operator=(const VEXPropertyTable&) = delete;

    // The tag of a known symbol, null for an unknown, empty or null symbol.
    VEXPropertyTag* Find(std::string_view symbol);
    VEXPropertyTag* Find(const char* symbol);

    // Makes the symbol known with this kind and value (both replaced if it was known already) and
    // returns its tag. An empty symbol is refused with null.
    VEXPropertyTag* Add(std::string_view symbol, VEXPropertyKind kind, double value);
    // Makes the symbol unknown; false if it was not known.
    bool Remove(std::string_view symbol);

    // Known symbols in alphabetical order.
    std::vector<std::string> Symbols() const;

    // The connected instrument model: true for the MALDI/ESI model (the default).
    void SetMaldiEsiModel(bool maldiEsi) { m_maldiEsi = maldiEsi; }
    bool IsMaldiEsiModel() const { return m_maldiEsi; }

    // Back to the starting state above: default symbols and values, added symbols unknown, the
    // MALDI/ESI model.
    void Reset();

private:
    std::map<std::string, std::unique_ptr<VEXPropertyTag>, std::less<>> m_tags;
    bool m_maldiEsi = true;
};
