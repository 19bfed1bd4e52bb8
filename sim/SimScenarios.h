#pragma once
// The scenarios maldi-sim runs, in order. Each drives one or more windows through a whole
// session against the simulated instrument, as the host and the operator would, and leaves the
// instrument and the host in a known state for its tests.

#include <string>
#include <vector>

class SimSession;

struct SimScenario {
    const char* name;
    const char* description;
    void (*run)(SimSession& session);
};

class SimScenarios {
public:
    static const std::vector<SimScenario>& All();
    // Null when there is no scenario of that name.
    static const SimScenario* Find(const std::string& name);
};
