// Menus are owner-drawn only while they are shown: marking keeps every
// item's text readable (Chinese captions whole), and lifting the marks
// gives back each item exactly as it was.
#include "menu_records.h"

#include "engine/menus/menu_item_text.h"
#include "engine/menus/owner_draw_marks.h"
#include "toolkit/gdi_objects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Append(HMENU menu, UINT type, UINT id, const wchar_t* text, ULONG_PTR data = 0,
            HMENU sub = nullptr, UINT state = 0) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | (text ? MIIM_STRING : 0) |
                 (sub ? MIIM_SUBMENU : 0);
    info.fType = type;
    info.fState = state;
    info.wID = id;
    info.dwItemData = data;
    info.hSubMenu = sub;
    info.dwTypeData = const_cast<wchar_t*>(text);
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

// A long Chinese caption: no fixed-size buffer may cut it.
const std::wstring kLong =
    L"查看这个主题的壁纸和它所带的全部图标、光标与声音方案的详细说明（很长）\tCtrl+W";

} // namespace

TEST(OwnerDrawMarks, MarkingKeepsTheTextAndLiftingGivesEveryItemBack) {
    TMenuHandle menu(CreatePopupMenu());
    HMENU sub = CreatePopupMenu(); // owned by `menu` once appended
    Append(sub, MFT_STRING, 21, L"子菜单项(&S)");
    Append(sub, MFT_STRING | MFT_RADIOCHECK, 22, L"Radio", 0, nullptr, MFS_CHECKED);
    Append(menu.Get(), MFT_STRING, 11, kLong.c_str(), 0x1234, nullptr, MFS_DEFAULT);
    Append(menu.Get(), MFT_SEPARATOR, 0, nullptr);
    Append(menu.Get(), MFT_STRING, 12, L"卸载: 主题", 0, nullptr, MFS_GRAYED);
    Append(menu.Get(), MFT_STRING, 13, L"更多", 0, sub);
    Append(menu.Get(), MFT_OWNERDRAW, 14, nullptr, 0xBEEF); // draws itself
    const std::vector<TItemRecord> before = MenuItems(menu.Get());
    ASSERT_EQ(before.size(), 7u);
    ASSERT_EQ(before[0].Text, kLong);

    {
        TOwnerDrawMarks marks;
        marks.Mark(menu.Get());
        const std::vector<TItemRecord> marked = MenuItems(menu.Get());
        ASSERT_EQ(marked.size(), before.size());
        for (size_t i = 0; i < marked.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_NE(marked[i].Type & MFT_OWNERDRAW, 0u);
            EXPECT_EQ(marked[i].Text, before[i].Text);
            EXPECT_EQ(marked[i].Data, before[i].Data);
            EXPECT_EQ(marked[i].State, before[i].State);
        }
        EXPECT_EQ(marks.MenuOf(22), sub);
        EXPECT_EQ(marks.MenuOf(11), menu.Get());
        EXPECT_EQ(marks.MenuOf(14), nullptr); // not ours to draw
        EXPECT_FALSE(marks.Marked(menu.Get(), 14));
        EXPECT_TRUE(marks.Marked(sub, 22));
        TMenuItemFacts facts;
        ASSERT_TRUE(ReadMenuItem(menu.Get(), 11, false, facts));
        EXPECT_EQ(facts.Text, kLong);
        EXPECT_TRUE(facts.Default());
    } // the marks are lifted here

    EXPECT_EQ(MenuItems(menu.Get()), before);
}

TEST(OwnerDrawMarks, ABitmapItemHasNoTextToRead) {
    TMenuHandle menu(CreatePopupMenu());
    TBitmapHandle bitmap(CreateBitmap(8, 8, 1, 1, nullptr));
    AppendMenuW(menu.Get(), MF_BITMAP, 5, reinterpret_cast<LPCWSTR>(bitmap.Get()));
    TMenuItemFacts facts;
    ASSERT_TRUE(ReadMenuItem(menu.Get(), 0, true, facts));
    EXPECT_TRUE(facts.Text.empty());
    EXPECT_EQ(facts.Id, 5u);
}
