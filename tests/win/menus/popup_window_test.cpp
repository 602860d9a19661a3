// A toolkit popup menu shown over the skinned main window: the popup window
// is skinned (its frame from the skin's menu background, its hot item from
// the menu-item strip), it leaks nothing however its frame is asked to
// paint, and it keeps the platform's look when the skin does not take
// popup menus.
#include "controls_fixture.h"
#include "menu_records.h"

#include "core/nine_slice.h"
#include "core/skin_model.h"
#include "engine/menus/popup_background.h"
#include "engine/engine_messages.h"
#include "support/gdi_handles.h"
#include "support/menu_driver.h"
#include "toolkit/menus.h"

#include <memory>

namespace {

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 1 | (LPARAM{3} << 30));
}

class PopupMenuTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        SkinOn();
        menu_ = new TPopupMenu(form_.get());
        for (const wchar_t* caption : {L"卸载: 主题", L"使用: 主题", L"-", L"发给朋友炫一下!"}) {
            auto* item = new TMenuItem(form_.get());
            item->SetCaption(caption);
            menu_->Items()->Add(item);
        }
        SetForegroundWindow(main_);
        Pump();
    }
    // Pops the menu over the main window and runs `step` inside its loop.
    void PopupWith(const TMenuDriver::TStep& step) {
        RECT r{};
        GetWindowRect(main_, &r);
        TMenuDriver driver(step);
        menu_->Popup(r.left + 60, r.top + 80);
        EXPECT_TRUE(driver.Done());
        EXPECT_FALSE(driver.TimedOut());
    }
    TPopupMenu* menu_ = nullptr;
};

COLORREF AsColorRef(TColour c) {
    return RGB(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

TEST_F(PopupMenuTest, ThePopupShowsTheSkinsBackgroundAndHotItem) {
    const TSkinModel& skin = data_->Skin();
    ASSERT_TRUE(skin.MenuBackground && skin.MenuItem);
    int phase = 0;
    PopupWith([&](HWND open) {
        if (!open) return false;
        if (phase++ == 0) {
            EXPECT_EQ(SendMessageW(open, SKINMSG_QUERY, 0, 0), 1);
            PostKey(open, VK_DOWN); // the first item becomes hot
            return false;
        }
        if (phase < 4) return false; // a few ticks for the repaint
        RECT w{};
        GetWindowRect(open, &w);
        const int width = w.right - w.left, height = w.bottom - w.top;
        const std::vector<COLORREF> pixels = WindowPixels(open);
        const TPixelBitmap background = BuildSkinBitmap(
            width, height, skin.MenuBackground->Frame(1), skin.MenuBackground->Margins(),
            TStripAxis::Horizontal, skin.MenuBackground->Fill());
        for (POINT p : {POINT{1, 1}, POINT{width - 2, height - 2}, POINT{1, height / 2}})
            EXPECT_EQ(pixels[p.y * width + p.x], AsColorRef(background.Pixel(p.x, p.y)))
                << p.x << "," << p.y;
        // The hot item: the selected frame of the strip, nine-sliced.
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(open, MN_GETHMENU, 0, 0));
        RECT item{};
        EXPECT_TRUE(GetMenuItemRect(nullptr, menu, 0, &item));
        OffsetRect(&item, -w.left, -w.top);
        const int iw = item.right - item.left, ih = item.bottom - item.top;
        const TPixelBitmap hot =
            BuildSkinBitmap(iw, ih, skin.MenuItem->Frame(4), skin.MenuItem->Margins(),
                            TStripAxis::Horizontal, skin.MenuItem->Fill());
        int matching = 0, probed = 0;
        for (int x = iw - 12; x < iw - 2; ++x) {
            const TColour want = hot.Pixel(x, ih / 2);
            if (want == kKeyColour) continue;
            ++probed;
            matching += pixels[(item.top + ih / 2) * width + item.left + x] == AsColorRef(want);
        }
        EXPECT_GT(probed, 0);
        EXPECT_EQ(matching, probed);
        PostKey(open, VK_ESCAPE);
        return true;
    });
}

TEST_F(PopupMenuTest, ThePlatformsLookStaysWhenTheSkinTakesNoPopupMenus) {
    data_->SetSkinControls(data_->SkinControls() & ~SetOf({xcPopupMenu}));
    PopupWith([&](HWND open) {
        if (!open) return false;
        EXPECT_NE(SendMessageW(open, SKINMSG_QUERY, 0, 0), 1);
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(open, MN_GETHMENU, 0, 0));
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        EXPECT_TRUE(GetMenuItemInfoW(menu, 0, TRUE, &info));
        EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u);
        PostKey(open, VK_ESCAPE);
        return true;
    });
}

TEST_F(PopupMenuTest, OpeningAndFramePaintsLeakNothing) {
    // Fewer handles than the openings would lose if any of them kept one.
    THandleFiller filler(300);
    for (int i = 0; i < 500; ++i) {
        bool regionKept = true;
        PopupWith([&](HWND open) {
            if (!open) return false;
            SendMessageW(open, WM_NCPAINT, 1, 0);
            HRGN region = CreateRectRgn(0, 0, 40, 40);
            SendMessageW(open, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
            // Still ours to free: the frame paint must not have given it away.
            regionKept = DeleteObject(region) != FALSE;
            PostKey(open, VK_ESCAPE);
            return true;
        });
        ASSERT_TRUE(regionKept) << "opening " << i;
        if (HasFailure()) return;
    }
    EXPECT_TRUE(RoomFor(250));
}

TEST_F(SkinFormTest, ARawWindowsOwnMenuIsSkinnedWhileOpenAndReadsAsBeforeAfter) {
    TRawWindow raw(L"VelmoraRawProbe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300);
    SetForegroundWindow(raw.Handle());
    Pump();
    ASSERT_NE(SkinNow(raw.Handle()), nullptr);
    TMenuHandle menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 1, L"复制(&C)\tCtrl+C");
    AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.Get(), MF_STRING | MF_GRAYED, 2, L"粘贴(&P)");
    const std::vector<TItemRecord> before = MenuItems(menu.Get());
    bool ownerDrawn = false, skinned = false;
    TMenuDriver driver([&](HWND open) {
        if (!open) return false;
        ownerDrawn = OwnerDrawn(menu.Get(), 0);
        skinned = SendMessageW(open, SKINMSG_QUERY, 0, 0) == 1;
        PostKey(open, VK_ESCAPE);
        return true;
    });
    RECT r{};
    GetWindowRect(raw.Handle(), &r);
    TrackPopupMenuEx(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, r.left + 40, r.top + 60,
                     raw.Handle(), nullptr);
    EXPECT_TRUE(driver.Done());
    EXPECT_TRUE(ownerDrawn);
    EXPECT_TRUE(skinned);
    EXPECT_EQ(MenuItems(menu.Get()), before);
}

TEST(KeptMenuBackgrounds, AMenuShownAgainReusesItsPictureButNeverAnotherSkins) {
    TKeptMenuBackgrounds kept;
    auto skin = std::make_shared<TSkinModel>();
    TDataSkinObject element("menuBackground");
    element.Bitmap = TPixelBitmap(12, 12);
    element.Bitmap.FillRect(0, 0, 12, 12, MakeColour(10, 120, 30));
    std::shared_ptr<const TSkinModel> loaded = skin;

    const auto first = kept.Get(loaded, element, 80, 120);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 80);
    EXPECT_EQ(kept.Get(loaded, element, 80, 120), first) << "the same menu was composed again";
    EXPECT_NE(kept.Get(loaded, element, 90, 120), first) << "another size got the kept picture";
    // A skin loaded in its place may sit at the same address: only the
    // living skin's pictures are handed out.
    loaded.reset();
    skin.reset();
    auto next = std::make_shared<const TSkinModel>();
    EXPECT_NE(kept.Get(next, element, 80, 120), first);
    TDataSkinObject empty("menuBackground");
    EXPECT_EQ(kept.Get(next, empty, 80, 120), nullptr);
}
