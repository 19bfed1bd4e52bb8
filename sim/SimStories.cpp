#include "sim/SimStories.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/framework/WindowManager.h"
#include "platform/tuning/CPatternFile.h"
#include "platform/widgets/CTrackerCtl.h"

void Expect(bool condition, const std::string& what)
{
    if (!condition) throw std::runtime_error(what);
}

std::string Quote(const CString& text) { return "\"" + text.ToUtf8() + "\""; }

const char* ButtonState(HWND button)
{
    Automation& ui = Automation::Get();
    if (!ui.IsEnabled(button)) return "greyed";
    return ui.CheckState(button) == BST_CHECKED ? "pressed" : "enabled";
}

// The operator takes the cross and moves it through the points (tracker units), a step every
// 200 ms, and lets go at the last.
void DragCross(SimSession& s, HWND tracker, const std::vector<POINT>& path, const std::string& what)
{
    auto at = [tracker](POINT v) {
        POINT p = CTrackerCtl::PointOf(tracker, v.x, v.y);
        return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
    };
    s.Transcript().Add("oper", "drags the cross " + what);
    WindowManager& wm = WindowManager::Get();
    wm.PostInput(tracker, WM_LBUTTONDOWN, MK_LBUTTON, at(path.front()));
    for (size_t i = 1; i + 1 < path.size(); ++i) {
        s.Wait(200);
        wm.PostInput(tracker, WM_MOUSEMOVE, MK_LBUTTON, at(path[i]));
    }
    s.Wait(200);
    wm.PostInput(tracker, WM_LBUTTONUP, 0, at(path.back()));
    s.Wait(200);
}


INT_PTR RunModal(SimSession& s, const std::function<INT_PTR()>& doModal, const std::string& name,
                 const std::function<void(HWND)>& operate)
{
    s.Transcript().Add("host", "DoModal -> " + name);
    s.Ui().OnNextModal([&operate](CWnd& shown, Automation&) { operate(shown.GetSafeHwnd()); });
    INT_PTR result = doModal();
    const char* meaning = result == IDOK ? " (IDOK)" : result == IDCANCEL ? " (IDCANCEL)" : "";
    s.Transcript().Add("host", name + " DoModal returned " + std::to_string(result) + meaning);
    return result;
}

void ShowFields(SimSession& s, const std::string& tag, HWND root, std::initializer_list<std::pair<int, const char*>> fields)
{
    std::string line;
    for (const auto& [id, label] : fields) {
        HWND field = s.Ui().Find(root, id);
        if (!line.empty()) line += ", ";
        line += std::string(label) + " " + Quote(s.Ui().Text(field)) + (s.Ui().IsEnabled(field) ? "" : " (greyed)");
    }
    s.Transcript().Add(tag, line);
}

SimRecord::SimRecord(SimSession& s, const std::string& heading) : m_session(s)
{
    m_session.Transcript().Add("host", heading);
}

void SimRecord::line(const char* field, const std::string& value)
{
    m_session.Transcript().Add("host", std::string("    ") + field + " = " + value);
}

SimRecord& SimRecord::operator()(const char* field, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    line(field, text);
    return *this;
}

SimRecord& SimRecord::operator()(const char* field, int value)
{
    line(field, std::to_string(value));
    return *this;
}

SimRecord& SimRecord::operator()(const char* field, const CString& value)
{
    line(field, Quote(value));
    return *this;
}

void PrintFile(SimSession& s, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    s.Transcript().Add("file", path + " as written, " + std::to_string(bytes.size()) + " bytes:");
    bool text = true;
    for (unsigned char c : bytes)
        if (c < 9 || (c > 13 && c < 32) || c > 126) text = false;
    if (text) {
        size_t at = 0;
        while (at < bytes.size()) {
            size_t end = bytes.find('\n', at);
            if (end == std::string::npos) end = bytes.size();
            s.Transcript().Add("file", "  | " + bytes.substr(at, end - at));
            at = end + 1;
        }
        return;
    }
    for (size_t row = 0; row < bytes.size(); row += 16) {
        char line[80];
        int n = std::snprintf(line, sizeof line, "  %04zx ", row);
        for (size_t i = row; i < row + 16 && i < bytes.size(); ++i)
            n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), " %02x", static_cast<unsigned char>(bytes[i]));
        s.Transcript().Add("file", line);
    }
}

std::string OutputFolder(SimSession& s, const std::string& name)
{
    std::filesystem::path folder = std::filesystem::absolute(std::filesystem::path(s.Options().outDir) / name);
    std::filesystem::create_directories(folder);
    return folder.lexically_normal().string();
}

std::string WriteRasterPattern(SimSession& s)
{
    const std::string path = OutputFolder(s, "patterns") + "/raster.ptn";
    CPatternFile file;
    for (int row = -1; row <= 1; ++row)
        for (int column = -1; column <= 1; ++column)
            file.AddLaserPoint(PatternPoint{0.25 * (row % 2 ? -column : column), 0.25 * row, 1, 2});
    Expect(file.Write(CString(path.c_str())), "the raster pattern could not be written to " + path);
    s.Say("the lab's raster pattern is " + path);
    return path;
}
