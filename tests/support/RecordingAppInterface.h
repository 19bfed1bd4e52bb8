#pragma once
// A host that records every call the library makes through CMaldiAppInterface, in order, with its
// arguments, and answers GetSourceMode with a value the test chooses (MALDI until told otherwise).
// The simulator's host derives from it: override an operation, do the host's work, and call the
// base to keep the record.

#include <string>
#include <utility>
#include <vector>

#include "maldi/boundary/CMaldiAppInterface.h"

class RecordingAppInterface : public CMaldiAppInterface {
public:
    // One value per operation, in slot order.
    enum class Operation {
        MovePlateToPosition,
        GoToLockMassWell,
        SendPlateCommand,
        RequestStopAcquisition,
        RequestContinueAcquisition,
        RequestPauseAcquisition,
        SaveESIProbePosition,
        ESIProbeWindowClosed,
        StartPlateCalibration,
        AbortPlateCalibration,
        GetSourceMode,
        SourceSwapComplete,
    };

    struct Call {
        Operation operation = Operation::MovePlateToPosition;
        // Numeric arguments in order; bool and BOOL as 0 or 1.
        std::vector<double> args;
        // GoToLockMassWell's well string as it was passed.
        CString well;

        // "SendPlateCommand(2,14)", "GoToLockMassWell(1,\"\",1)", "GetSourceMode()".
        std::string Text() const;
    };

    static const char* OperationName(Operation operation);

    void MovePlateToPosition(double x, double y) override { Log(Operation::MovePlateToPosition, {x, y}); }
    void GoToLockMassWell(bool on, CString& well, int value) override
    {
        Log(Operation::GoToLockMassWell, {on ? 1.0 : 0.0, static_cast<double>(value)}, well);
    }
    void SendPlateCommand(int command, int value) override
    {
        Log(Operation::SendPlateCommand, {static_cast<double>(command), static_cast<double>(value)});
    }
    void RequestStopAcquisition() override { Log(Operation::RequestStopAcquisition, {}); }
    void RequestContinueAcquisition() override { Log(Operation::RequestContinueAcquisition, {}); }
    void RequestPauseAcquisition() override { Log(Operation::RequestPauseAcquisition, {}); }
    void SaveESIProbePosition(int position) override { Log(Operation::SaveESIProbePosition, {static_cast<double>(position)}); }
    void ESIProbeWindowClosed(int stepSize) override { Log(Operation::ESIProbeWindowClosed, {static_cast<double>(stepSize)}); }
    void StartPlateCalibration(BOOL useInitialConditions) override
    {
        Log(Operation::StartPlateCalibration, {useInitialConditions ? 1.0 : 0.0});
    }
    void AbortPlateCalibration() override { Log(Operation::AbortPlateCalibration, {}); }
    int GetSourceMode() override
    {
        Log(Operation::GetSourceMode, {});
        return sourceMode;
    }
    void SourceSwapComplete(int mode) override { Log(Operation::SourceSwapComplete, {static_cast<double>(mode)}); }

    // What GetSourceMode answers from now on.
    void SetSourceMode(int mode) { sourceMode = mode; }

    // Each call as text, in order.
    std::vector<std::string> Texts() const;
    // The calls of one operation, in order.
    std::vector<Call> CallsOf(Operation operation) const;
    int Count(Operation operation) const;
    void Clear() { calls.clear(); }

    std::vector<Call> calls;
    int sourceMode = SourceModeMaldi;

protected:
    void Log(Operation operation, std::vector<double> args, CString well = CString())
    {
        calls.push_back(Call{operation, std::move(args), std::move(well)});
    }
};
