// libmaldi_ui.so as a host sees it: loading it registers its resources, and its windows work
// with the window system inside it.
#include <gtest/gtest.h>

#include "maldi/resources/MaldiResources.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CString.h"
#include "platform/framework/ResourceChain.h"

TEST(MaldiLibrary, LoadingRegistersTheResourceModule)
{
    // Nothing in this program refers to the module before this check: the registration happened
    // when the library was loaded.
    bool registered = false;
    for (const ResourceModule* module : ResourceChain::Get().Modules())
        registered = registered || module->Name() == MaldiResources::kModuleName;
    EXPECT_TRUE(registered);
    CString text;
    ASSERT_TRUE(text.LoadString(19));
    EXPECT_STREQ(text.GetString(), "Expand Dialog");
}
