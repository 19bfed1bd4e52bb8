// The library's resource module as the windows and the host find it: through the resource chain.

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace

TEST(MaldiResources, LoadingRegistersTheModuleOnceSoNoWindowMissesItsTexts)
{
    // Nothing in this test touches the module first: loading registered it.
    const auto& modules = ResourceChain::Get().Modules();
    EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), isLibraryModule));
    // Asking for it neither adds it twice nor moves it.
    size_t count = modules.size();
    MaldiResources::Module();
    EXPECT_EQ(ResourceChain::Get().Modules().size(), count);
    for (UINT id = IDS_FIRST; id <= IDS_LAST; ++id) {
        ResourceModule* from = nullptr;
        const CString* text = ResourceChain::Get().FindString(id, &from);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_TRUE(isLibraryModule(from)) << id;
        EXPECT_FALSE(text->IsEmpty()) << id;
    }
    HICON icon = ResourceChain::Get().FindIcon(IDI_HOME, nullptr);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 32);
}

TEST(MaldiResources, TheHostSuppliesWhatTheLibraryLacksWithoutShadowingIt)
{
    // The library holds nothing outside its range: the host's strings are not shadowed.
    for (UINT id : {0u, 51u, 23023u, 23028u}) EXPECT_EQ(MaldiResources::Module().FindString(id), nullptr) << id;
    ResourceModule host("host", {}, {{19, "host's own 19"}, {23023, "LDI+"}}, {});
    ResourceRegistrar started(host);
    CString text;
    EXPECT_TRUE(text.LoadString(19));
    EXPECT_EQ(text, "Expand Dialog");
    EXPECT_TRUE(text.LoadString(23023));
    EXPECT_EQ(text, "LDI+");
}
