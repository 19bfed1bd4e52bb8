#pragma once
// What goes wrong when the operator's side of a test or a simulation is incomplete: a message box
// or modal dialog nobody scripted an answer for, a modal script that left its dialog open, a
// control that does not exist. The message says what was shown and what was missing.

#include <stdexcept>
#include <string>

class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const std::string& what) : std::runtime_error(what) {}
};
