#pragma once
// Interactive sessions (maldi-sim --interactive) and their replays (maldi-sim --replay FILE).
//
// A recording is an operator script (platform/framework/AutomationScript.h) with two comment lines
// of its own: "# stage: NAME" (where the session started, SimStages) and "# end: MS" (the virtual
// time the person stopped at). A replay starts the same stage on the virtual clock, plays the
// steps, runs on to the end time and prints the transcript the session printed.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/framework/AutomationScript.h"

class SimSession;

class SimReplay {
public:
    struct Recording {
        std::string stage = "launcher";
        ULONGLONG end = 0;
        AutomationScript script;
    };
    static std::string Write(const Recording& recording);
    // Throws AutomationError (bad steps) or std::runtime_error (no stage, unknown stage).
    static Recording Read(const std::string& text);

    // Steps the session's world (in its steps of time) up to the virtual time.
    static void StepTo(SimSession& session, ULONGLONG time);
    // The transcript line of an operator's step.
    static void Say(SimSession& session, const AutomationStep& step);

    // maldi-sim --replay FILE: exit codes as SimCommandLine's.
    static int Run(const std::string& path, std::ostream& out, std::ostream& err);
};
