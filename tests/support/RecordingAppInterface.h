#pragma once
// A host that records every call the library makes through CMaldiAppInterface, in order, with its
// arguments, and answers GetSourceMode with a value the test chooses (MALDI until told otherwise).
// The simulator's host derives from it: override an operation, do the host's work, and call the
// base to keep the record.

#include <string>
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

    void MovePlateToPosition(double x, double y) override;
    void GoToLockMassWell(bool on, CString& well, int value) override;
    void SendPlateCommand(int command, int value) override;
    void RequestStopAcquisition() override;
    void RequestContinueAcquisition() override;
    void RequestPauseAcquisition() override;
    void SaveESIProbePosition(int position) override;
    void ESIProbeWindowClosed(int stepSize) override;
    void StartPlateCalibration(BOOL useInitialConditions) override;
    void AbortPlateCalibration() override;
    int GetSourceMode() override;
    void SourceSwapComplete(int mode) override;

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
    void Log(Operation operation, std::vector<double> args, CString well = CString());
};
