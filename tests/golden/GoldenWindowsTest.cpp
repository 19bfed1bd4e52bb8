// Golden screenshots: every window of the library in each state worth seeing, as maldi-sim's
// scenarios show it, compared pixel for pixel with the committed images in docs/gallery/. A
// difference fails naming the window and leaves <golden>-actual.png, -expected.png and -diff.png in
// the build's test output.
//
// After an intended change, tools/golden.sh regenerates the images and the README gallery: it runs
// this test with MALDI_GOLDEN_UPDATE=1, which writes instead of comparing.
//
// The scenarios run in one fixed folder, because the pattern and plate file paths they show are
// part of the pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/framework/gdi/PngFile.h"
#include "platform/framework/gdi/SurfaceDiff.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

namespace {

struct Golden {
    const char* scenario; // the scenario that shows the window
    const char* shot;     // its screenshot's label
    const char* group;    // the README gallery's group, as the library's table groups the windows
    const char* caption;
};

// One entry per window and state, in gallery order; docs/gallery/<scenario>-<shot>.png.
const Golden kGoldens[] = {
    {"acquisition", "contracted", "Tool windows", "Plate acquisition, contracted"},
    {"acquisition", "reference-spot", "Tool windows", "Plate acquisition on the reference spot"},
    {"acquisition", "paused", "Tool windows", "Plate acquisition paused"},
    {"crosshair", "contracted", "Tool windows", "Crosshair acquisition, contracted"},
    {"crosshair", "laser-marks", "Tool windows", "Crosshair acquisition with laser marks"},
    {"source-swap", "to-api-contracted", "Tool windows", "Source swap, contracted"},
    {"source-swap", "to-api-start", "Tool windows", "Source swap behind the interlock"},
    {"source-swap", "to-api-confirm", "Tool windows", "Source swap asking to confirm the API cone"},
    {"esi-probe", "contracted", "Tool windows", "ESI probe adjust, contracted"},
    {"esi-probe", "after-hold", "Tool windows", "ESI probe adjust after a held \"Source Out\""},
    {"calibration", "contracted", "Tool windows", "Spatial calibration, contracted"},
    {"calibration", "complete", "Tool windows", "Spatial calibration complete"},
    {"ms-scan", "edited", "Modal dialogs", "MS scan function"},
    {"msms-scan", "tune-page", "Modal dialogs", "MS/MS scan function, tune page energy"},
    {"msms-scan", "fixed-energy", "Modal dialogs", "MS/MS scan function, fixed energy"},
    {"maldi-settings", "maldi-esi", "Modal dialogs", "MALDI settings (MALDI/ESI instrument)"},
    {"maldi-settings", "cross-hairs", "Modal dialogs", "MALDI settings, cross hairs"},
    {"maldi-settings", "pattern-file", "Modal dialogs", "MALDI settings, pattern file"},
    {"pattern-editor", "drawn", "Modal dialogs", "Laser pattern editor with a pattern drawn"},
    {"pattern-editor", "reopened", "Modal dialogs", "Laser pattern editor, file reopened"},
    {"target-plate", "geometry-edited", "Property sheets", "Target plate: Plate Geometry"},
    {"target-plate", "spatial-edited", "Property sheets", "Target plate: Spatial Calibration"},
    {"survey", "survey", "Property sheets", "Survey: Survey"},
    {"survey", "ms-to-msms", "Property sheets", "Survey: MS to MSMS"},
    {"survey", "msms-switch", "Property sheets", "Survey: MSMS Switch"},
    {"survey", "msms-template", "Property sheets", "Survey: MSMS Template"},
    {"survey", "include", "Property sheets", "Survey: Include"},
    {"survey", "exclude", "Property sheets", "Survey: Exclude"},
    {"survey", "laser", "Property sheets", "Survey: Laser"},
    {"survey", "adducts", "Property sheets", "Survey: Adducts"},
    {"survey", "collision-energy", "Property sheets", "Survey: Collision Energy"},
    {"msms-switch", "msms-mass", "Property sheets", "MS/MS switch: MS/MS Mass"},
    {"msms-switch", "template", "Property sheets", "MS/MS switch: Acqusition Template"},
    {"msms-switch", "scan-conditions", "Property sheets", "MS/MS switch: Scan Conditions"},
    {"msms-switch", "lock-mass", "Property sheets", "MS/MS switch: Lock Mass"},
    {"msms-switch", "collision-energy", "Property sheets", "MS/MS switch: Collision Energy"},
    {"acquisition", "really-stop", "Message boxes", "Stopping the acquisition"},
    {"esi-probe", "exit-without-saving", "Message boxes", "Leaving the ESI probe unsaved"},
    {"calibration", "cannot-exit", "Message boxes", "Closing during a calibration search"},
    {"pattern-editor", "save-failed", "Message boxes", "A pattern that could not be saved"},
    {"pattern-editor", "save-changes", "Message boxes", "Unsaved pattern changes"},
    {"target-plate", "file-changed", "Message boxes", "Unsaved target plate changes"},
    {"msms-switch", "unsaved-lists", "Message boxes", "Unsaved switch lists"},
};

const std::filesystem::path kGallery = std::filesystem::path(MALDI_SOURCE_DIR) / "docs" / "gallery";
const char* const kRunFolder = "/tmp/maldi-golden";

std::string Name(const Golden& g) { return std::string(g.scenario) + "-" + g.shot; }

bool Updating()
{
    const char* update = std::getenv("MALDI_GOLDEN_UPDATE");
    return update && *update && std::string(update) != "0";
}

// The README's gallery: a table of small images per group, each linking its full image.
std::string GalleryMarkdown()
{
    std::ostringstream out;
    std::string group;
    int column = 0;
    for (const Golden& g : kGoldens) {
        if (group != g.group) {
            if (column) out << "\n";
            group = g.group;
            column = 0;
            out << "\n**" << group << "**\n\n";
        }
        const std::string file = "docs/gallery/" + Name(g) + ".png";
        std::string caption;
        for (const char* c = g.caption; *c; ++c) caption += *c == '"' ? std::string("&quot;") : std::string(1, *c);
        out << "<a href=\"" << file << "\"><img src=\"" << file << "\" width=\"200\" title=\"" << caption
            << "\" alt=\"" << caption << "\"></a>";
        out << (++column % 4 ? " " : "\n");
    }
    if (column % 4) out << "\n";
    return out.str();
}

void ReplaceReadmeGallery()
{
    const std::filesystem::path readme = std::filesystem::path(MALDI_SOURCE_DIR) / "README.md";
    std::ifstream in(readme);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    const std::string begin = "<!-- gallery: tools/golden.sh writes this part -->", end = "<!-- end of gallery -->";
    size_t from = s.find(begin), to = s.find(end);
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos && to > from) << "README.md has no gallery markers";
    s.replace(from + begin.size(), to - from - begin.size(), "\n" + GalleryMarkdown() + "\n");
    std::ofstream(readme) << s;
}

} // namespace

TEST(GoldenWindows, EveryWindowLooksAsItsGoldenImage)
{
    // The screenshot each scenario took, by "<scenario>-<label>".
    SimOptions options;
    options.outDir = kRunFolder;
    std::map<std::string, std::string> shots;
    for (const SimScenario& scenario : SimScenarios::All()) {
        SimSession session(options, scenario.name, nullptr);
        ASSERT_NO_THROW(scenario.run(session)) << scenario.name;
        for (const std::string& path : session.Screenshots()) {
            // <scenario>-<nn>-<label>.png
            std::string file = std::filesystem::path(path).stem().string();
            file.erase(std::string(scenario.name).size(), 3);
            shots[file] = path;
        }
    }

    const bool update = Updating();
    if (update) {
        std::filesystem::remove_all(kGallery);
        std::filesystem::create_directories(kGallery);
    }
    for (const Golden& golden : kGoldens) {
        const std::string name = Name(golden);
        SCOPED_TRACE(name + " (" + golden.caption + ")");
        auto shot = shots.find(name);
        ASSERT_NE(shot, shots.end()) << "the scenario " << golden.scenario << " took no screenshot " << golden.shot;
        Surface actual, expected;
        std::string error;
        ASSERT_TRUE(PngFile::Read(shot->second, actual, &error)) << error;
        const std::string goldenPath = (kGallery / (name + ".png")).string();
        if (update) {
            ASSERT_TRUE(PngFile::Write(actual, goldenPath, &error)) << error;
            continue;
        }
        ASSERT_TRUE(PngFile::Read(goldenPath, expected, &error))
            << error << " (tools/golden.sh makes the golden images)";
        EXPECT_EQ(SurfaceDiff::Compare(actual, expected, "golden-" + name), "")
            << golden.caption << " no longer looks as " << goldenPath << " (tools/golden.sh regenerates it after an "
            << "intended change)";
    }
    if (update) ReplaceReadmeGallery();
}
