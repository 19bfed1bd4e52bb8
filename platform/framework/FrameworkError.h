#pragma once
// A programming error detected by the framework (a data exchange with a control id the dialog does
// not have, messages that recurse without end): thrown at once with a message that says what and
// where, instead of corrupting state or crashing later.

#include <stdexcept>
#include <string>

class FrameworkError : public std::logic_error {
public:
    explicit FrameworkError(const std::string& what) : std::logic_error(what) {}
};
