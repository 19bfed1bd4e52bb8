#pragma once
// The target plate sheet tests' host: a folder for plate files and the sheet run modally.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CArchive.h"
#include "platform/framework/CFile.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace probesheet {

using namespace maldi::res;

inline int Id(UINT id) { return static_cast<int>(id); }

class ProbeSheetTest : public ::testing::Test {
protected:
    using Script = std::function<void(Automation& a, HWND sheet)>;

    void SetUp() override
    {
        VEXPropertyTable::Instance().Reset();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("probe-sheet-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder);
        VEXPropertyTable::Instance().Reset();
    }

    CString Path(const char* name) const { return CString((folder / name).string().c_str()); }
    bool Exists(const CString& path) const { return std::filesystem::exists(std::string(path)); }

    // A plate file as another session of the program saved it.
    CString WritePlate(const char* name, CMaldiPlate plate) const
    {
        CString path = Path(name);
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        plate.Serialize(ar);
        EXPECT_TRUE(ar.Close());
        EXPECT_TRUE(file.Close());
        return path;
    }
    // The plate in a file, or nothing loaded (`ok` false).
    CMaldiPlate ReadPlate(const CString& path, bool* ok = nullptr) const
    {
        CMaldiPlate plate;
        CFile file;
        bool loaded = false;
        if (file.Open(path, CFile::modeRead)) {
            CArchive ar(&file, CArchive::load);
            plate.Serialize(ar);
            loaded = ar.Close();
        }
        if (ok) *ok = loaded;
        return plate;
    }

    // Runs the sheet as the host does; the script is the operator and must close it.
    INT_PTR Run(CMaldiProbeSheet& sheet, const Script& script)
    {
        automation->OnNextModal([&](CWnd& dialog, Automation& a) { script(a, dialog.m_hWnd); }, "Target Plate");
        return sheet.DoModal();
    }

    // The operator replaces a box's text and presses the sheet's OK.
    static void Edit(Automation& a, HWND sheet, UINT id, const char* text)
    {
        ASSERT_TRUE(a.ReplaceText(sheet, Id(id), text));
    }
    static bool PressOk(Automation& a, HWND sheet) { return a.Click(sheet, IDOK); }

    AutomationSession automation;
    std::filesystem::path folder;
};

// A plate unlike the defaults in every field the sheet shows.
inline CMaldiPlate UnusualPlate()
{
    CMaldiPlate p;
    p.m_strFileName = "elsewhere.mtp";
    p.m_nWellsPerColumn = 16, p.m_nWellsPerRow = 24, p.m_fWellDiameter = 1.25f, p.m_fWellPitch = 4.5f;
    p.m_nWellReference = CMaldiPlate::wellNumeric;
    p.m_bLockMassCorrection = FALSE;
    p.m_nLockMassWellsPerColumn = 3, p.m_nLockMassWellsPerRow = 2;
    p.m_fLockMassWellDiameter = 0.75f, p.m_fLockMassWellPitch = 2.5f;
    p.m_bCalibrateOnLoad = TRUE;
    p.m_fHole1X = -3.5f, p.m_fHole1Y = 7.25f, p.m_fHole2X = 110.5f, p.m_fHole2Y = 80.75f;
    p.m_fHysteresisX = 0.125f, p.m_fHysteresisY = 0.25f;
    p.m_nSearchWindow = 7, p.m_fSearchStep = 0.5f, p.m_nSearchDelay = 350;
    p.m_fCurrentHole1X = -3.25f, p.m_fCurrentHole1Y = 7.5f, p.m_fCurrentHole2X = 110.25f, p.m_fCurrentHole2Y = 81.5f;
    p.m_fCurrentTilt = 0.375f, p.m_fCurrentOffsetX = 0.25f, p.m_fCurrentOffsetY = -0.5f;
    return p;
}

} // namespace probesheet
