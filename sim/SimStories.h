#pragma once
// The scenarios of the modal dialogs, sheets and editors, and what every scenario shares: each
// story is the host setting a window up, the operator working in it, and the host reading back what
// the operator set, all in the transcript (records field by field, files as written).

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <functional>

#include "platform/framework/CDialog.h"
#include "sim/SimSession.h"

// --- the stories (SimScenarios lists them) ------------------------------------------------------------
void MsScanFunctionScenario(SimSession& s);
void MsMsScanFunctionScenario(SimSession& s);
void MaldiSettingsScenario(SimSession& s);
void PatternEditorScenario(SimSession& s);
void TargetPlateScenario(SimSession& s);
void SurveyScenario(SimSession& s);
void MsMsSwitchScenario(SimSession& s);

// --- shared by the scenarios ----------------------------------------------------------------------------
// Fails the scenario with a clear message.
void Expect(bool condition, const std::string& what);
std::string Quote(const CString& text);
// A button as the operator sees it: "greyed", "pressed" (checked) or "enabled".
const char* ButtonState(HWND button);

// The operator drags the crosshair's cross through the points (tracker units), a step every 200 ms.
void DragCross(SimSession& s, HWND tracker, const std::vector<POINT>& path, const std::string& what);

// Runs the dialog or sheet modally as the host does (`doModal`); `operate` is the operator's part,
// and must close it. Returns the dialog's result, written to the transcript.
INT_PTR RunModal(SimSession& s, const std::function<INT_PTR()>& doModal, const std::string& name,
                 const std::function<void(HWND)>& operate);
template <class Modal>
INT_PTR RunModal(SimSession& s, Modal& dialog, const std::string& name, const std::function<void(HWND)>& operate)
{
    return RunModal(s, std::function<INT_PTR()>([&dialog] { return dialog.DoModal(); }), name, operate);
}

// What a window shows in some fields, in one line under `tag`: label "text", ...
void ShowFields(SimSession& s, const std::string& tag, HWND root,
                std::initializer_list<std::pair<int, const char*>> fields);

// A record printed field by field under "host": a heading, then one line a field.
class SimRecord {
public:
    SimRecord(SimSession& s, const std::string& heading);
    SimRecord& operator()(const char* field, double value);
    SimRecord& operator()(const char* field, int value);
    SimRecord& operator()(const char* field, unsigned value) { return (*this)(field, static_cast<int>(value)); }
    SimRecord& operator()(const char* field, const CString& value);

private:
    void line(const char* field, const std::string& value);
    SimSession& m_session;
};

// A file as written, under "file": text line by line, anything else as a hex dump.
void PrintFile(SimSession& s, const std::string& path);
// A folder under the output folder (created), as a full path.
std::string OutputFolder(SimSession& s, const std::string& name);
// A laser pattern file as the lab keeps one: a 3 x 3 raster, the laser on throughout.
std::string WriteRasterPattern(SimSession& s);
