// Resources: the chain of modules, and templates becoming windows.

#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/DialogManager.h"

using namespace test;

namespace {

DialogTemplate simpleTemplate(ResourceId id, const char* caption, short cx = 100, short cy = 50, DWORD style = kDialogStyle)
{
    return DialogTemplate{id, caption, style, 0, 10, 20, cx, cy, "MS Sans Serif", 8,
                          {{IDOK, "Button", "OK", kButton, 0, 7, 126, 103, 69}}};
}

} // namespace

TEST(ResourceChain, LibraryModuleComesFirstAndTheHostSuppliesWhatItLacks)
{
    ResourceModule library("library", {simpleTemplate(14146, "Swap Source")}, {{1, "Fire Laser"}}, {});
    ResourceModule host("host", {simpleTemplate(14146, "Host's own"), simpleTemplate(12552, "Host MSMS")},
                        {{1, "host text"}, {23023, "LDI+"}, {23028, "Continuum"}}, {});
    {
        ResourceRegistrar libraryLoaded(library);
        ResourceRegistrar hostStarted(host);
        CString s("unchanged");
        EXPECT_TRUE(s.LoadString(1));
        EXPECT_EQ(s, "Fire Laser");
        EXPECT_TRUE(s.LoadString(23023));
        EXPECT_EQ(s, "LDI+");
        s = "unchanged";
        EXPECT_FALSE(s.LoadString(4242));
        EXPECT_EQ(s, "unchanged");

        ResourceModule* from = nullptr;
        const DialogTemplate* t = ResourceChain::Get().FindDialog(14146, &from);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->caption, "Swap Source");
        EXPECT_EQ(from, &library);
        t = ResourceChain::Get().FindDialog(12552, &from);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(from, &host);

        // A module put in front wins.
        ResourceChain::Get().Register(host, ResourceChain::Placement::Front);
        EXPECT_EQ(ResourceChain::Get().FindDialog(14146)->caption, "Host's own");
        EXPECT_EQ(ResourceChain::Get().Modules().size(), 2u); // moved, not added twice
    }
    // Registrars gone: nothing of either module is found.
    EXPECT_FALSE(ResourceChain::Get().IsRegistered(library));
    EXPECT_EQ(ResourceChain::Get().FindDialog(12552), nullptr);
    CString s;
    EXPECT_FALSE(s.LoadString(23023));
}

TEST(DialogTemplates, AControlThatCannotBeMadeFailsTheDialog)
{
    AutomationSession session;
    DialogTemplate broken = simpleTemplate(303, "Broken");
    broken.items.push_back({77, "NoSuchControl", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 10, 10});
    ResourceModule module("broken", {broken}, {}, {});
    ResourceRegistrar registrar(module);
    CDialog modeless;
    EXPECT_FALSE(modeless.Create(303u, nullptr));
    EXPECT_EQ(modeless.m_hWnd, nullptr);
    EXPECT_TRUE(session->TopLevelWindows().empty());
    ASSERT_FALSE(session->Diagnostics().empty());
    EXPECT_NE(session->Diagnostics().back().Find("303"), -1);

    // A modal run of it, or of a template no module holds, returns -1 without a script.
    CDialog modal(303u);
    EXPECT_EQ(modal.DoModal(), -1);
    CDialog missing(999u);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_NE(session->Diagnostics().back().Find("999"), -1);
    EXPECT_EQ(session->PendingModalScripts(), 0u);
}

TEST(ResourceModule, AnIconGivenAsItsDrawingIsDrawnOnceWhenFirstFound)
{
    int drawn = 0;
    bool fail = false;
    auto solid = [&](std::uint32_t argb) {
        return [&, argb] {
            if (fail) throw std::runtime_error("no pen");
            return ++drawn, IconImage::Solid(4, 4, argb);
        };
    };
    ResourceModule module("module", {}, {}, {{7, solid(0xFF112233)}, {8, solid(0xFF445566)}});
    EXPECT_EQ(module.IconCount(), 2u);
    fail = true; // a drawing that fails leaves the icon to be drawn at the next attempt
    EXPECT_THROW(module.FindIcon(7), std::runtime_error);
    fail = false;
    HICON seven = module.FindIcon(7);
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(module.FindIcon(7), seven);
    EXPECT_EQ(seven->Pixel(0, 0), 0xFF112233u);
    // Replaced: a drawn icon is drawn again under its handle; an undrawn one never runs its old drawing.
    module.AddIcon(7, solid(0xFF778899));
    module.AddIcon(8, IconImage::Solid(2, 2, 0xFF000001));
    EXPECT_EQ(module.FindIcon(7), seven);
    EXPECT_EQ(seven->Pixel(3, 3), 0xFF778899u);
    EXPECT_EQ(module.FindIcon(8)->Pixel(1, 1), 0xFF000001u);
    EXPECT_EQ(drawn, 2);
    EXPECT_EQ(module.IconCount(), 2u);
}
