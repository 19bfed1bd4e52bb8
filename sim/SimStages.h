#pragma once
// Where an interactive session starts: the instrument set up as a scenario starts it and the
// host's window opened, with nobody scripted to play the operator. "launcher" opens a small window
// of our own with a button for every other stage. Replays start from the same stage.

#include <string>
#include <vector>

class SimSession;

struct SimStage {
    const char* name;
    const char* description;
    void (*open)(SimSession& session);
};

class SimStages {
public:
    static const std::vector<SimStage>& All();
    static const SimStage* Find(const std::string& name); // null when unknown
    static constexpr const char* kLauncherCaption = "MALDI Windows";
};
