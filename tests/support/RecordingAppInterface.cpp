#include "tests/support/RecordingAppInterface.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

const char* RecordingAppInterface::OperationName(Operation operation)
{
    switch (operation) {
    case Operation::MovePlateToPosition: return "MovePlateToPosition";
    case Operation::GoToLockMassWell: return "GoToLockMassWell";
    case Operation::SendPlateCommand: return "SendPlateCommand";
    case Operation::RequestStopAcquisition: return "RequestStopAcquisition";
    case Operation::RequestContinueAcquisition: return "RequestContinueAcquisition";
    case Operation::RequestPauseAcquisition: return "RequestPauseAcquisition";
    case Operation::SaveESIProbePosition: return "SaveESIProbePosition";
    case Operation::ESIProbeWindowClosed: return "ESIProbeWindowClosed";
    case Operation::StartPlateCalibration: return "StartPlateCalibration";
    case Operation::AbortPlateCalibration: return "AbortPlateCalibration";
    case Operation::GetSourceMode: return "GetSourceMode";
    case Operation::SourceSwapComplete: return "SourceSwapComplete";
    }
    return "?";
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

void RecordingAppInterface::MovePlateToPosition(double x, double y)
{
    Log(Operation::MovePlateToPosition, {x, y});
}

void RecordingAppInterface::GoToLockMassWell(bool on, CString& well, int value)
{
    Log(Operation::GoToLockMassWell, {on ? 1.0 : 0.0, static_cast<double>(value)}, well);
}

void RecordingAppInterface::SendPlateCommand(int command, int value)
{
    Log(Operation::SendPlateCommand, {static_cast<double>(command), static_cast<double>(value)});
}

void RecordingAppInterface::RequestStopAcquisition()
{
    Log(Operation::RequestStopAcquisition, {});
}

void RecordingAppInterface::RequestContinueAcquisition()
{
    Log(Operation::RequestContinueAcquisition, {});
}

void RecordingAppInterface::RequestPauseAcquisition()
{
    Log(Operation::RequestPauseAcquisition, {});
}

void RecordingAppInterface::SaveESIProbePosition(int position)
{
    Log(Operation::SaveESIProbePosition, {static_cast<double>(position)});
}

void RecordingAppInterface::ESIProbeWindowClosed(int stepSize)
{
    Log(Operation::ESIProbeWindowClosed, {static_cast<double>(stepSize)});
}

void RecordingAppInterface::StartPlateCalibration(BOOL useInitialConditions)
{
    Log(Operation::StartPlateCalibration, {useInitialConditions ? 1.0 : 0.0});
}

void RecordingAppInterface::AbortPlateCalibration()
{
    Log(Operation::AbortPlateCalibration, {});
}

int RecordingAppInterface::GetSourceMode()
{
    Log(Operation::GetSourceMode, {});
    return sourceMode;
}

void RecordingAppInterface::SourceSwapComplete(int mode)
{
    Log(Operation::SourceSwapComplete, {static_cast<double>(mode)});
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

void RecordingAppInterface::Log(Operation operation, std::vector<double> args, CString well)
{
    calls.push_back(Call{operation, std::move(args), std::move(well)});
}
