#include "sim/SimReplay.h"

#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "sim/SimCommandLine.h"
#include "sim/SimSession.h"
#include "sim/SimStages.h"

std::string SimReplay::Write(const Recording& recording)
{
    return "# stage: " + recording.stage + "\n" + recording.script.Write() + "# end: " + std::to_string(recording.end) + "\n";
}

SimReplay::Recording SimReplay::Read(const std::string& text)
{
    Recording recording;
    recording.script = AutomationScript::Parse(text);
    bool staged = false;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("# stage: ", 0) == 0) {
            recording.stage = line.substr(9);
            staged = true;
        } else if (line.rfind("# end: ", 0) == 0) {
            recording.end = std::stoull(line.substr(7));
        }
    }
    if (!staged) throw std::runtime_error("the recording does not say where it started (# stage: NAME)");
    if (!SimStages::Find(recording.stage)) throw std::runtime_error("the recording starts at an unknown stage \"" + recording.stage + "\"");
    return recording;
}

void SimReplay::StepTo(SimSession& session, ULONGLONG time)
{
    while (session.Ui().Now() + SimSession::kStepMs <= time) session.Wait(SimSession::kStepMs);
}

void SimReplay::Say(SimSession& session, const AutomationStep& step)
{
    std::string line = AutomationScript::FormatStep(step);
    session.Transcript().Add("oper", line.substr(line.find("  ") + 2));
}

int SimReplay::Run(const std::string& path, std::ostream& out, std::ostream& err)
{
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file) throw std::runtime_error("cannot read the recording \"" + path + "\"");
        std::ostringstream text;
        text << file.rdbuf();
        Recording recording = Read(text.str());
        SimOptions options;
        SimSession session(options, "replay", &out);
        SimStages::Find(recording.stage)->open(session);
        AutomationPlayer player(session.Ui(), recording.script, [&session](ULONGLONG t) { StepTo(session, t); });
        player.onStep = [&session](const AutomationStep& step) { Say(session, step); };
        player.Play();
        StepTo(session, recording.end);
        session.Say("end of the session");
    } catch (const std::exception& e) {
        err << "maldi-sim: replay of " << path << " failed: " << e.what() << "\n";
        return SimCommandLine::kExitScenarioFailed;
    }
    return SimCommandLine::kExitOk;
}
