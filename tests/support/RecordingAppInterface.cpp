#include "tests/support/RecordingAppInterface.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

const char* RecordingAppInterface::OperationName(Operation operation)
{
    // In the order of Operation.
    static const char* const names[] = {"MovePlateToPosition",        "GoToLockMassWell",        "SendPlateCommand",
                                        "RequestStopAcquisition",     "RequestContinueAcquisition",
                                        "RequestPauseAcquisition",    "SaveESIProbePosition",    "ESIProbeWindowClosed",
                                        "StartPlateCalibration",      "AbortPlateCalibration",   "GetSourceMode",
                                        "SourceSwapComplete"};
    static_assert(std::size(names) == static_cast<std::size_t>(Operation::SourceSwapComplete) + 1);
    const auto index = static_cast<std::size_t>(operation);
    return index < std::size(names) ? names[index] : "?";
}

std::string RecordingAppInterface::Call::Text() const
{
    std::string text = OperationName(operation);
    text += '(';
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) text += ',';
        // The well string sits between the lock-mass flag and the value.
        if (operation == Operation::GoToLockMassWell && i == 1) text += "\"" + well.str() + "\",";
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.10g", args[i]);
        text += buffer;
    }
    text += ')';
    return text;
}

std::vector<std::string> RecordingAppInterface::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(calls.size());
    for (const Call& call : calls) texts.push_back(call.Text());
    return texts;
}

std::vector<RecordingAppInterface::Call> RecordingAppInterface::CallsOf(Operation operation) const
{
    std::vector<Call> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
                 [operation](const Call& call) { return call.operation == operation; });
    return result;
}

int RecordingAppInterface::Count(Operation operation) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [operation](const Call& call) { return call.operation == operation; }));
}
