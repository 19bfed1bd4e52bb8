#include "sim/SimInteractive.h"

#include <csignal>
#include <fstream>
#include <ostream>

#include "platform/desktop/Desktop.h"
#include "platform/framework/WindowManager.h"
#include "sim/SimCommandLine.h"
#include "sim/SimReplay.h"
#include "sim/SimSession.h"
#include "sim/SimStages.h"

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void interrupted(int)
{
    g_interrupted = 1;
}

bool anyWindowShown()
{
    for (HWND hwnd : WindowManager::Get().TopLevelWindows())
        if (::IsWindowVisible(hwnd)) return true;
    return false;
}

} // namespace

int SimInteractive::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    SimReplay::Recording recording;
    std::string recordPath;
    int scale = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg == "--scenario" && hasValue) {
            recording.stage = args[++i];
        } else if (arg == "--record" && hasValue) {
            recordPath = args[++i];
        } else if (arg == "--scale" && hasValue) {
            const std::string& value = args[++i];
            if (value != "1" && value != "2") {
                err << "maldi-sim: --scale " << value << ": the scale is 1 or 2\n";
                return SimCommandLine::kExitUsage;
            }
            scale = value == "2" ? 2 : 1;
        } else {
            err << "maldi-sim: --interactive takes --scenario NAME, --record FILE and --scale 1 or 2, not \"" << arg
                << "\"\n";
            return SimCommandLine::kExitUsage;
        }
    }
    const SimStage* stage = SimStages::Find(recording.stage);
    if (!stage) {
        err << "maldi-sim: no interactive start \"" << recording.stage << "\"; there are:";
        for (const SimStage& s : SimStages::All()) err << " " << s.name;
        err << "\n";
        return SimCommandLine::kExitUsage;
    }
    std::signal(SIGINT, interrupted);
    std::signal(SIGTERM, interrupted);
    try {
        SimOptions options;
        SimSession session(options, "interactive", &out);
        Desktop desktop(session.Ui(), scale);
        desktop.advanceTo = [&session](ULONGLONG t) { SimReplay::StepTo(session, t); };
        desktop.onInput = [&](const AutomationStep& step) {
            recording.script.steps.push_back(step);
            SimReplay::Say(session, step);
        };
        stage->open(session);
        out.flush();
        while (!g_interrupted && desktop.RunFrame() && anyWindowShown()) out.flush();
        recording.end = session.Ui().Now();
        session.Say("end of the session");
        if (!recordPath.empty()) {
            std::ofstream file(recordPath, std::ios::binary | std::ios::trunc);
            file << SimReplay::Write(recording);
            if (!file.flush()) throw std::runtime_error("cannot write the recording \"" + recordPath + "\"");
            err << "maldi-sim: recorded " << recording.script.steps.size() << " steps in " << recordPath << "\n";
        }
    } catch (const std::exception& e) {
        err << "maldi-sim: interactive session failed: " << e.what() << "\n";
        return SimCommandLine::kExitScenarioFailed;
    }
    return SimCommandLine::kExitOk;
}
