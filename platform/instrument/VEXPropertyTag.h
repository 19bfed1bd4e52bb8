#pragma once
// One instrument property as the property runtime keeps it. Callers receive a pointer to it from
// getPropertyHandleFromSymbol and treat it as an opaque handle.
//
// A tag is never freed while the process runs: removing a symbol only marks its tag unknown, so a
// handle that someone kept against the rules still points at valid memory.

#include <string>

enum class VEXPropertyKind {
    Setting,  // a set point the host writes
    Readback, // a measured value the instrument reports
    Status,   // a small integer code the instrument reports, kept as a double
    Command,  // an action; its value carries no meaning
};

struct VEXPropertyTag {
    std::string symbol;
    VEXPropertyKind kind = VEXPropertyKind::Setting;
    // The value last transferred between instrument and host, in the property's own unit.
    double lastTransferValue = 0.0;
    // False once the symbol was removed from the table; lookups then give null.
    bool known = true;
};
