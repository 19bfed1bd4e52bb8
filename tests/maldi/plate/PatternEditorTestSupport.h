#pragma once
// The pattern editor tests' host: a folder for pattern files, the editor run modally, its drawing area.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "maldi/plate/CPatternEditorDlg.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ResourceModule.h"
#include "platform/patternctrl/PatternControl.h"
#include "platform/tuning/CPatternFile.h"

// Readable points in failure messages (found by argument lookup, so beside the point's class).
inline void PrintTo(const PatternControl::Point& p, std::ostream* out)
{
    *out << "(" << p.x << ", " << p.y << (p.laser ? ", on, " : ", off, ") << p.width << ")";
}

namespace patterned {

using namespace maldi::res;
using Point = PatternControl::Point;

class PatternEditorTest : public ::testing::Test {
protected:
    using Script = std::function<void(Automation& a, HWND dlg)>;

    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("pattern-editor-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs the editor as the host does; the script is the operator and must close it.
    INT_PTR Run(const Script& script)
    {
        CPatternEditorDlg editor(&host);
        editor.CreateUI(icon);
        automation->OnNextModal([&](CWnd& dialog, Automation& a) { script(a, dialog.m_hWnd); }, "PatternEditor");
        return editor.DoModal();
    }

    CString Path(const char* name) const { return CString((folder / name).string().c_str()); }

    // A pattern file written by the tuning library, as another editor would have saved it.
    CString WriteFile(const char* name, const std::vector<PatternPoint>& points) const
    {
        CPatternFile file;
        for (const PatternPoint& p : points) file.AddLaserPoint(p);
        EXPECT_TRUE(file.Write(Path(name)));
        return Path(name);
    }
    std::vector<PatternPoint> ReadFile(const CString& path) const
    {
        CPatternFile file;
        std::vector<PatternPoint> points;
        if (!file.Read(path)) return points;
        for (int i = 0; i < file.GetNumberOfEntries(); ++i) {
            points.push_back({file.GetXCoordinate(i), file.GetYCoordinate(i), file.GetLaserState(i),
                              file.GetLaserWidth(i)});
        }
        return points;
    }

    // --- the drawing area ---------------------------------------------------------------------------
    static HWND Control(HWND dlg) { return Automation::Get().Find(dlg, static_cast<int>(IDC_PATTERN_CONTROL)); }
    static long Call(HWND dlg, long dispid, PatternDispatch::Kind kind, int argCount = 0, long a0 = 0)
    {
        PatternDispatch call;
        call.dispid = dispid;
        call.kind = kind;
        call.argCount = argCount;
        call.args[0] = a0;
        ::SendMessage(Control(dlg), PCM_DISPATCH, 0, reinterpret_cast<LPARAM>(&call));
        EXPECT_TRUE(call.handled) << dispid;
        return call.result;
    }
    // The operator draws a point at pixels (x, y) from the middle of the drawing area.
    static void Draw(HWND dlg, int x, int y)
    {
        ::SendMessage(Control(dlg), PCM_ADDPOINT, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    static void SetScale(HWND dlg, long scale)
    {
        Call(dlg, patterndispid::Scale, PatternDispatch::PropertySet, 1, scale);
    }
    static std::vector<Point> Points(HWND dlg) { return PatternControl::FromHandle(Control(dlg))->Points(); }
    static bool Modified(HWND dlg) { return Call(dlg, patterndispid::IsPatternModified, PatternDispatch::Method) != 0; }
    static CString FileNameBox(Automation& a, HWND dlg) { return a.Text(dlg, static_cast<int>(IDC_PATTERN_FILE_NAME)); }
    static CString WidthBox(Automation& a, HWND dlg) { return a.Text(dlg, static_cast<int>(IDC_PATTERN_LASER_WIDTH)); }
    static bool LaserPressed(Automation& a, HWND dlg)
    {
        return a.CheckState(a.Find(dlg, static_cast<int>(IDI_PATTERN_LASER))) == BST_CHECKED;
    }

    AutomationSession automation;
    ResourceModule hostModule{"pattern editor test host", {}, {}, {{1, IconImage::Solid(32, 32, 0xFF2060C0)}}};
    HICON icon = hostModule.FindIcon(1);
    CWnd host;
    std::filesystem::path folder;
};

} // namespace patterned
