#include "sim/SimCommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <ostream>

#include "sim/SimMonkey.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

std::string SimCommandLine::Usage()
{
    std::string usage =
        "Usage: maldi-sim [options]\n"
        "Runs scripted sessions of the MALDI tool windows against a simulated instrument, host and\n"
        "operator on a virtual clock; prints a transcript and writes PNG screenshots.\n"
        "\n"
        "Options:\n"
        "  --scenario NAME   run only this scenario (may be given more than once)\n"
        "  --out DIR         folder for the screenshots (default ./sim-output)\n"
        "  --pace PACE       fast (default: virtual time, done in seconds) or realtime\n"
        "  --quiet           no transcript, only the summary\n"
        "  --list            list the scenarios and exit\n"
        "  --monkey SEED     a random operator on random windows, replayable from its seed\n"
        "  --actions N       the monkey's number of actions (default 200)\n"
        "  --help            this text\n"
        "\n"
        "Scenarios:\n";
    for (const SimScenario& scenario : SimScenarios::All()) {
        std::string name = scenario.name;
        name.resize(std::max<size_t>(name.size() + 1, 18), ' ');
        usage += "  " + name + scenario.description + "\n";
    }
    return usage;
}

bool SimCommandLine::Parse(const std::vector<std::string>& args, SimOptions& options, std::string& error)
{
    bool hasActions = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (hasValue) return true;
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) {
                error = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        auto noValue = [&]() {
            if (hasValue) error = "option " + arg + " takes no value";
            return !hasValue;
        };
        if (arg == "--help" || arg == "-h") {
            if (!noValue()) return false;
            options.help = true;
        } else if (arg == "--list") {
            if (!noValue()) return false;
            options.list = true;
        } else if (arg == "--quiet" || arg == "-q") {
            if (!noValue()) return false;
            options.quiet = true;
        } else if (arg == "--scenario") {
            if (!takeValue()) return false;
            if (!SimScenarios::Find(value)) {
                error = "unknown scenario \"" + value + "\" (--list shows them)";
                return false;
            }
            options.scenarios.push_back(value);
        } else if (arg == "--out") {
            if (!takeValue()) return false;
            if (value.empty()) {
                error = "option --out needs a folder";
                return false;
            }
            options.outDir = value;
        } else if (arg == "--pace") {
            if (!takeValue()) return false;
            if (value == "fast") {
                options.pace = SimOptions::Pace::Fast;
            } else if (value == "realtime") {
                options.pace = SimOptions::Pace::Realtime;
            } else {
                error = "unknown pace \"" + value + "\" (fast or realtime)";
                return false;
            }
        } else if (arg == "--monkey" || arg == "--actions") {
            if (!takeValue()) return false;
            char* end = nullptr;
            errno = 0;
            unsigned long long number = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || value[0] == '-' || *end != '\0' || errno == ERANGE ||
                (arg == "--actions" && (number == 0 || number > 10000000))) {
                error = "option " + arg + " needs a whole number" + (arg == "--actions" ? " from 1 to 10000000" : "");
                return false;
            }
            if (arg == "--monkey") {
                options.monkey = true;
                options.monkeySeed = number;
            } else {
                options.monkeyActions = static_cast<unsigned>(number);
                hasActions = true;
            }
        } else {
            error = "unknown option \"" + args[i] + "\"";
            return false;
        }
    }
    if (hasActions && !options.monkey) {
        error = "option --actions goes with --monkey";
        return false;
    }
    return true;
}

int SimCommandLine::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    SimOptions options;
    std::string error;
    if (!Parse(args, options, error)) {
        err << "maldi-sim: " << error << "\n\n" << Usage();
        return kExitUsage;
    }
    if (options.help) {
        out << Usage();
        return kExitOk;
    }
    if (options.list) {
        for (const SimScenario& scenario : SimScenarios::All()) out << scenario.name << "  " << scenario.description << "\n";
        return kExitOk;
    }

    if (options.monkey) return SimMonkey::Run(options, out, err) == 0 ? kExitOk : kExitScenarioFailed;

    std::vector<const SimScenario*> chosen;
    if (options.scenarios.empty()) {
        for (const SimScenario& scenario : SimScenarios::All()) chosen.push_back(&scenario);
    } else {
        for (const std::string& name : options.scenarios) chosen.push_back(SimScenarios::Find(name));
    }

    int failed = 0;
    size_t shots = 0;
    for (const SimScenario* scenario : chosen) {
        out << "=== " << scenario->name << ": " << scenario->description << " ===\n";
        try {
            SimSession session(options, scenario->name, options.quiet ? nullptr : &out);
            scenario->run(session);
            session.Transcript().Add("sim", "end: " + session.Instrument().Describe() + "; host source mode " +
                                                session.Host().SourceModeName());
            shots += session.Screenshots().size();
            if (options.quiet) out << "  ok, " << session.Transcript().Lines().size() << " transcript lines\n";
        } catch (const std::exception& e) {
            ++failed;
            err << "maldi-sim: scenario " << scenario->name << " failed: " << e.what() << "\n";
        }
        out << "\n";
    }
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::absolute(options.outDir, ignored);
    out << chosen.size() - static_cast<size_t>(failed) << " of " << chosen.size() << " scenarios ran to their end; "
        << shots << " screenshots in " << folder.string() << "\n";
    return failed ? kExitScenarioFailed : kExitOk;
}
