// The library's resource module as the windows and the host find it: through the resource chain.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/ResourceChain.h"
#include "platform/framework/ResourceRegistrar.h"

using namespace maldi::res;

namespace {

bool isLibraryModule(const ResourceModule* module)
{
    return module && module->Name() == MaldiResources::kModuleName;
}

// Every icon id a window or the pattern editor shows.
const std::vector<UINT> kIconIds = {125,   14101, 14163, 14165, 14166, 14167, 14168, 14169, 14170, 14171, 14173,
                                    14175, 14177, 14178, 14179, 14181, 14183, 14205, 14208, 14209, 14211, 14212};

// Ids whose pictures are shared because the buttons do the same thing.
const std::set<std::pair<UINT, UINT>> kSamePicture = {{14163, 14212}, {14165, 14173}, {14171, 14208}};

const IconImage& icon(UINT id)
{
    HICON h = ResourceChain::Get().FindIcon(id);
    if (!h) throw std::runtime_error("icon " + std::to_string(id) + " missing");
    return *h;
}

bool opaque(const IconImage& image, int x, int y)
{
    return (image.Pixel(x, y) >> 24) >= 0x80;
}

// Mean row of the opaque pixels of one column.
double meanOpaqueRow(const IconImage& image, int x)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height; ++y) {
        if (opaque(image, x, y)) {
            sum += y;
            ++n;
        }
    }
    return n ? sum / n : -1;
}

} // namespace

TEST(MaldiResources, TheModuleIsInTheChainAsSoonAsTheLibraryIsLoaded)
{
    // Nothing in this test touches the module first: loading registered it.
    const auto& modules = ResourceChain::Get().Modules();
    EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), isLibraryModule));
    // Asking for it neither adds it twice nor moves it.
    size_t count = modules.size();
    MaldiResources::Module();
    EXPECT_EQ(ResourceChain::Get().Modules().size(), count);
}

TEST(MaldiResources, EveryStringIdOneToFiftyResolvesToTheLibrarysText)
{
    // The texts the windows give; the other ids only need a text.
    const std::map<UINT, CString> given = {
        {1, "MS/MS Mass"},
        {2, "Collision Energy"},
        {3, "Reduce Probe Temperature"},
        {4, "Prev Step"},
        {5, "Next Step"},
        {6, "Information"},
        {7, "Probe Position"},
        {8, "Source Temperature"},
        {9, "Fire Laser"},
        {10, "Save"},
        {11, "New"},
        {12, "Exit"},
        {13, "Undo"},
        {14, "Laser Width"},
        {15, "Ok"},
        {16, "Modify All Laser Widths"},
        {17, "Save Changes to "},
        {18, "Do you want to save current changes ?\n"},
        {19, "Expand Dialog"},
        {20, "MaldiStartTime"},
        {21, "MaldiEndTime"},
        {22, "MaldiLockMassAcquireTime"},
        {23, "MaldiUseLockMass"},
        {24, "Start Mass"},
        {25, "End Mass"},
        {26, "Data Format"},
        {27, "Ion Mode"},
        {28, "Instrument Parameter Filename"},
        {29, "Lock Mass Function"},
        {30, "Start Time (secs)"},
        {31, "End Time (secs)"},
        {32, "Lock Mass Time (secs)"},
        {33, "Laser Firing Rate (Hz)"},
        {34, "Plate Speed (Hz)"},
        {35, "Pattern Filename"},
        {36, "Use Tune Page Collision Energy"},
        {37, "Plate Spot Position"},
        {38, "Source Position"},
    };
    for (UINT id = IDS_FIRST; id <= IDS_LAST; ++id) {
        SCOPED_TRACE("string " + std::to_string(id));
        ResourceModule* from = nullptr;
        const CString* text = ResourceChain::Get().FindString(id, &from);
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(isLibraryModule(from));
        EXPECT_FALSE(text->IsEmpty());
        if (auto it = given.find(id); it != given.end()) {
            EXPECT_EQ(*text, it->second);
        }
    }
    // The library holds nothing outside its range: the host's strings are not shadowed.
    for (UINT id : {0u, 51u, 23023u, 23028u}) EXPECT_EQ(MaldiResources::Module().FindString(id), nullptr) << id;
}

TEST(MaldiResources, TheHostSuppliesWhatTheLibraryLacksWithoutShadowingIt)
{
    ResourceModule host("host", {}, {{19, "host's own 19"}, {23023, "LDI+"}}, {});
    ResourceRegistrar started(host);
    CString text;
    EXPECT_TRUE(text.LoadString(19));
    EXPECT_EQ(text, "Expand Dialog");
    EXPECT_TRUE(text.LoadString(23023));
    EXPECT_EQ(text, "LDI+");
}

TEST(MaldiResources, EveryIconIsAThirtyTwoPixelPictureFromTheLibrary)
{
    for (UINT id : kIconIds) {
        SCOPED_TRACE("icon " + std::to_string(id));
        ResourceModule* from = nullptr;
        HICON h = ResourceChain::Get().FindIcon(id, &from);
        ASSERT_NE(h, nullptr);
        EXPECT_TRUE(isLibraryModule(from));
        ASSERT_EQ(h->width, 32);
        ASSERT_EQ(h->height, 32);
        // A picture on a transparent ground: neither blank nor a filled square.
        int shown = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) shown += opaque(*h, x, y) ? 1 : 0;
        }
        EXPECT_GT(shown, 32 * 32 / 10);
        EXPECT_LT(shown, 32 * 32 * 9 / 10);
        EXPECT_FALSE(opaque(*h, 0, 0) && opaque(*h, 31, 0) && opaque(*h, 0, 31) && opaque(*h, 31, 31));
    }
}

TEST(MaldiResources, ButtonsThatDoDifferentThingsShowDifferentPictures)
{
    for (size_t i = 0; i < kIconIds.size(); ++i) {
        for (size_t j = i + 1; j < kIconIds.size(); ++j) {
            UINT a = kIconIds[i], b = kIconIds[j];
            bool same = icon(a).argb == icon(b).argb;
            EXPECT_EQ(same, kSamePicture.count({a, b}) == 1) << a << " and " << b;
        }
    }
}

TEST(MaldiResources, DirectionalIconsPointTheWayTheirButtonsGo)
{
    // Next (14101) and previous (14169) are mirror images; next has its point on the right.
    const IconImage& next = icon(IDI_NEXT);
    const IconImage& previous = icon(IDI_PREVIOUS);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) ASSERT_EQ(next.Pixel(x, y), previous.Pixel(31 - x, y)) << x << "," << y;
    }
    auto rightmost = [](const IconImage& image) {
        int widest = -1;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (opaque(image, x, y)) widest = std::max(widest, x);
            }
        }
        return widest;
    };
    // The point of a right arrow is on the middle row.
    int tipRow = -1;
    for (int y = 0; y < 32 && tipRow < 0; ++y) {
        if (opaque(next, rightmost(next), y)) tipRow = y;
    }
    EXPECT_NEAR(tipRow, 16, 2);

    // Expand (shown while contracted) points down: its chevrons' middle lies lower than their arms.
    EXPECT_GT(meanOpaqueRow(icon(IDI_EXPAND_DIALOG), 16), meanOpaqueRow(icon(IDI_EXPAND_DIALOG), 8) + 3);
    EXPECT_LT(meanOpaqueRow(icon(IDI_CONTRACT_DIALOG), 16), meanOpaqueRow(icon(IDI_CONTRACT_DIALOG), 8) - 3);
}
