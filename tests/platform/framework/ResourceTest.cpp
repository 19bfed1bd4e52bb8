// Resources: the chain of modules, templates becoming windows, dialog units.

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
    ResourceModule library("library", {simpleTemplate(14146, "Swap Source")}, {{1, "Fire Laser"}, {19, "Expand Dialog"}},
                           {});
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

        char buffer[6];
        EXPECT_EQ(::LoadString(library.Handle(), 19, buffer, sizeof buffer), 5); // cut to the buffer
        EXPECT_STREQ(buffer, "Expan");
    }
    // Registrars gone: nothing of either module is found.
    EXPECT_FALSE(ResourceChain::Get().IsRegistered(library));
    EXPECT_EQ(ResourceChain::Get().FindDialog(12552), nullptr);
    CString s;
    EXPECT_FALSE(s.LoadString(23023));
}

TEST(ResourceChain, TemplatesAreFoundByNumberOrByNameWithoutRegardToCase)
{
    AutomationSession session;
    DialogTemplate named = simpleTemplate(ResourceId("Maldi MS Scan"), "Maldi MS");
    named.items[0] = {IDOK, "Button", "OK", kButton, 0, 5, 5, 40, 14};
    ResourceModule module("named", {named}, {}, {});
    ResourceRegistrar registrar(module);
    EXPECT_NE(ResourceChain::Get().FindDialog(ResourceId("maldi ms scan")), nullptr);
    EXPECT_EQ(ResourceChain::Get().FindDialog(ResourceId("Maldi MSMS Scan")), nullptr);
    CDialog dialog("MALDI MS SCAN");
    session->OnNextModal([](CWnd& d, Automation& a) { a.Click(d, IDOK); }, "Maldi MS");
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(ResourceChain, IconsKeepTheirHandles)
{
    ResourceModule module("icons", {}, {}, {{14181, IconImage::Solid(32, 32, 0xFF00FF00)}});
    ResourceRegistrar registrar(module);
    HICON icon = AfxGetApp()->LoadIcon(14181);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->Pixel(31, 31), 0xFF00FF00u);
    EXPECT_EQ(icon->Pixel(32, 0), 0u); // outside: nothing, not a stray read
    EXPECT_EQ(::LoadIcon(module.Handle(), MAKEINTRESOURCE(14181)), icon);
    EXPECT_EQ(AfxGetApp()->LoadIcon(125), nullptr);
    // Replacing the picture keeps the handle that windows may hold.
    EXPECT_EQ(module.AddIcon(14181, IconImage::Solid(16, 16, 0xFFFF0000)), icon);
    EXPECT_EQ(icon->width, 16);
    // Standard icons come from the framework itself.
    EXPECT_NE(::LoadIcon(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(::LoadIcon(nullptr, MAKEINTRESOURCE(14181)), nullptr);
}

TEST(DialogUnits, TemplateSizesConvertWithTheDialogFontBaseUnits)
{
    AutomationSession session;
    ResourceModule module("units", {simpleTemplate(300, "Units")}, {}, {});
    ResourceRegistrar registrar(module);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(300u, CWnd::GetDesktopWindow()));
    EXPECT_EQ(session->ClientRect(dialog), CRect(0, 0, 150, 81));
    // Window = client + 3-pixel modal frame on each side + 19-pixel caption; placed in screen pixels.
    EXPECT_EQ(session->WindowRect(dialog), CRect(15, 33, 15 + 156, 33 + 106));
    // A control converts its position and size separately (MulDiv rounding).
    CRect control = session->WindowRect(session->Find(dialog, IDOK));
    dialog.ScreenToClient(&control);
    EXPECT_EQ(control, CRect(11, 205, 11 + 155, 205 + 112));
    CRect r(4, 8, 8, 16);
    dialog.MapDialogRect(&r);
    EXPECT_EQ(r, CRect(6, 13, 12, 26));

    EXPECT_EQ(DialogManager::BaseUnits("MS Sans Serif", 8), CSize(6, 13));
    EXPECT_EQ(DialogManager::BaseUnits("Arial", 10), CSize(8, 16));
}

TEST(DialogUnits, CentredAndChildDialogsArePlacedByTheirParents)
{
    AutomationSession session;
    DialogTemplate centred = simpleTemplate(301, "Centred", 100, 50, kDialogStyle | DS_CENTER);
    DialogTemplate page = simpleTemplate(302, "Page", 40, 16, DS_CONTROL | WS_CHILD | WS_VISIBLE);
    page.x = 4;
    page.y = 8;
    ResourceModule module("placing", {centred, page}, {}, {});
    ResourceRegistrar registrar(module);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(301u, nullptr));
    CRect r = session->WindowRect(dialog);
    EXPECT_EQ(r.left, (1280 - 156) / 2);
    EXPECT_EQ(r.top, (1024 - 106) / 2);
    CDialog child;
    ASSERT_TRUE(child.Create(302u, &dialog));
    EXPECT_EQ(child.GetParent(), &dialog);
    CRect c = session->WindowRect(child);
    dialog.ScreenToClient(&c);
    EXPECT_EQ(c, CRect(6, 13, 6 + 60, 13 + 26)); // no frame: window = client
    EXPECT_TRUE(child.GetExStyle() & WS_EX_CONTROLPARENT);
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
