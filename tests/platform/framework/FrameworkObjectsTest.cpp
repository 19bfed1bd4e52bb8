// The framework's objects: run-time classes, menus, the application object, walking the window
// tree the way painting and inspection do.

#include <gtest/gtest.h>

#include <memory>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/WindowManager.h"

using namespace test;

// Outside an anonymous namespace, as run-time classes are meant to be found by name.
class CPanel : public CDialog {
    DECLARE_DYNCREATE(CPanel)
};
IMPLEMENT_DYNCREATE(CPanel, CDialog)

class CSheetLike : public CWnd {
    DECLARE_DYNAMIC(CSheetLike)
};
IMPLEMENT_DYNAMIC(CSheetLike, CWnd)

TEST(RuntimeClasses, NameBaseAndFactory)
{
    CPanel panel;
    CWnd* asWnd = &panel;
    EXPECT_STREQ(asWnd->GetRuntimeClass()->m_lpszClassName, "CPanel");
    EXPECT_TRUE(asWnd->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(asWnd->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(asWnd->IsKindOf(RUNTIME_CLASS(CSheetLike)));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CDialog, asWnd), &panel);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CSheetLike, asWnd), nullptr);

    std::unique_ptr<CObject> made(RUNTIME_CLASS(CPanel)->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CPanel)));
    EXPECT_EQ(RUNTIME_CLASS(CSheetLike)->CreateObject(), nullptr); // not creatable by name

    // By name: found, made when creatable, nothing for unknown names.
    EXPECT_EQ(CRuntimeClass::FromName("CPanel"), RUNTIME_CLASS(CPanel));
    EXPECT_TRUE(RUNTIME_CLASS(CPanel)->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CPanel"));
    ASSERT_NE(byName, nullptr);
    EXPECT_STREQ(byName->GetRuntimeClass()->m_lpszClassName, "CPanel");
    EXPECT_EQ(CRuntimeClass::FromName("CSheetLike"), RUNTIME_CLASS(CSheetLike));
    EXPECT_EQ(CRuntimeClass::CreateObject("CSheetLike"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(Menus, ItemsByCommandAndByPosition)
{
    AutomationSession session;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 10, "&Open");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 11, "&Save");
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuItemID(2), 11u);
    EXPECT_EQ(menu.GetMenuState(11, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(99, MF_BYCOMMAND), 0xFFFFFFFF);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&Open");
    EXPECT_TRUE(menu.ModifyMenu(10, MF_BYCOMMAND | MF_CHECKED, 12, "&Open..."));
    EXPECT_EQ(menu.GetMenuItemID(0), 12u);
    EXPECT_TRUE(menu.DeleteMenu(1, MF_BYPOSITION));
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_FALSE(menu.DeleteMenu(5, MF_BYPOSITION));
    HMENU h = menu.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(h));
    EXPECT_EQ(CMenu::FromHandle(h), nullptr);

    // A window's system menu is one object, dies with the window, and reverting gives back the
    // default one. EnableMenuItem answers the previous state (0xFFFFFFFF for no such item).
    CWnd wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 50, 50, nullptr, nullptr);
    CMenu* system = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system, wnd.GetSystemMenu(FALSE));
    EXPECT_EQ(system->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(system->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_GRAYED);
    EXPECT_EQ(system->EnableMenuItem(0x1234, MF_BYCOMMAND | MF_GRAYED), 0xFFFFFFFF);
    EXPECT_EQ(wnd.GetSystemMenu(TRUE), nullptr);
    EXPECT_TRUE(session->CloseBoxEnabled(wnd));
    HMENU sys = wnd.GetSystemMenu(FALSE)->m_hMenu;
    wnd.DestroyWindow();
    EXPECT_FALSE(::IsMenu(sys));
    // A window without a system menu has no close box at all.
    CWnd plain;
    plain.CreateEx(0, nullptr, "p", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr);
    EXPECT_EQ(plain.GetSystemMenu(FALSE), nullptr);
    EXPECT_FALSE(session->PressCloseBox(plain));
}

TEST(Application, NameCaptionsFrameworkBoxesAndFallsBackWhenThereIsNoHost)
{
    AutomationSession session;
    session->AnswerMessageBox(IDOK);
    AfxMessageBox("no host yet");
    EXPECT_EQ(session->MessageBoxes().back().caption, "Application");
    {
        CWinApp host("Host Application");
        EXPECT_EQ(AfxGetApp(), &host);
        session->AnswerMessageBox(IDOK);
        AfxMessageBox("hosted");
        EXPECT_EQ(session->MessageBoxes().back().caption, "Host Application");
    }
    EXPECT_STREQ(AfxGetAppName(), "Application");
    CString s;
    AfxFormatString2(s, AFX_IDP_PARSE_REAL_RANGE, "1", "2");
    EXPECT_EQ(s, "Please enter a number between 1 and 2.");
}

TEST(WindowTree, ChildrenAreListedInTemplateOrderAndTheTreeCanBeWalked)
{
    AutomationSession session;
    CDialog dialog;
    DialogTemplate t = settingsTemplate("Tree", 550);
    ASSERT_TRUE(dialog.CreateIndirect(t, nullptr));
    std::vector<int> ids;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) ids.push_back(::GetDlgCtrlID(c));
    ASSERT_EQ(ids.size(), t.items.size());
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], t.items[i].id);
    const WindowRecord* rec = WindowManager::Get().Find(dialog);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->children.size(), t.items.size());
    EXPECT_EQ(rec->text, "Tree");
    const WindowRecord* ok = WindowManager::Get().Find(session->Find(dialog, IDOK));
    EXPECT_EQ(ok->parent, dialog.m_hWnd);
    EXPECT_TRUE(rec->rect.PtInRect(ok->rect.TopLeft()));
    EXPECT_EQ(::GetAncestor(ok->handle, GA_ROOT), dialog.m_hWnd);
    EXPECT_EQ(::GetWindow(ok->handle, GW_HWNDLAST), session->Find(dialog, IDCANCEL));
}
