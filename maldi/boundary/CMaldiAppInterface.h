#pragma once
// The host application's callback interface. The host implements it and hands a non-owning pointer
// to the tool windows; the library only calls it, never creates, copies or deletes it, and tests
// the pointer before every call (a null pointer skips the call).
//
// The host was built against this exact virtual table: the twelve operations occupy slots 0 to 11
// in declaration order. Do not reorder them or insert anything before them. The virtual destructor
// is therefore declared last, after slot 11, so its entries follow the twelve operations.

#include "platform/framework/CString.h"

class CMaldiAppInterface {
public:
    // SendPlateCommand codes: (command, value).
    static constexpr int PlateCommandLaser = 1;     // value LaserOn or LaserOff
    static constexpr int LaserOn = 1;
    static constexpr int LaserOff = 2;
    static constexpr int PlateCommandMove = 2;      // value MoveStop, MovePrevious, MoveNext, ...
    static constexpr int MoveStop = 1;
    static constexpr int MovePrevious = 2;          // move left, previous spots
    static constexpr int MoveNext = 3;              // move right, next spots
    static constexpr int RequestInitialStates = 14; // with PlateCommandMove
    static constexpr int PlateCommandSpeed = 5;     // value: plate speed 1 to 8

    // GetSourceMode answers (the coding of the probe cover status).
    static constexpr int SourceModeApi = 1;
    static constexpr int SourceModeMaldi = 2;
    // SourceSwapComplete arguments.
    static constexpr int SwapToApi = 0;
    static constexpr int SwapToMaldi = 2;

    // 0: move the plate; x and y in plate units relative to the well centre.
    virtual void MovePlateToPosition(double x, double y) = 0;
    // 1: lock-mass well on or off; well is passed empty and not read back, value is 1.
    virtual void GoToLockMassWell(bool on, CString& well, int value) = 0;
    // 2: plate, laser and speed commands (codes above).
    virtual void SendPlateCommand(int command, int value) = 0;
    // 3: the operator confirmed the stop; the host answers by ending the panel.
    virtual void RequestStopAcquisition() = 0;
    // 4
    virtual void RequestContinueAcquisition() = 0;
    // 5
    virtual void RequestPauseAcquisition() = 0;
    // 6: the host stores the ESI probe's saved position.
    virtual void SaveESIProbePosition(int position) = 0;
    // 7: the ESI probe window closed with this step size (1, 5 or 50).
    virtual void ESIProbeWindowClosed(int stepSize) = 0;
    // 8: reads the calibration values from the current plate during the call.
    virtual void StartPlateCalibration(BOOL useInitialConditions) = 0;
    // 9
    virtual void AbortPlateCalibration() = 0;
    // 10: the software's source mode, SourceModeApi or SourceModeMaldi.
    virtual int GetSourceMode() = 0;
    // 11: switch the software's source mode to SwapToApi or SwapToMaldi.
    virtual void SourceSwapComplete(int mode) = 0;

    // After slot 11, see above.
    virtual ~CMaldiAppInterface();
};
