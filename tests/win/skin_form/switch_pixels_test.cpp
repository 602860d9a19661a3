// What the main window shows after every way of switching its look is, pixel
// for pixel, what a freshly started window of that look shows: no cache of
// a frame part, caption, region or control picture outlives the switch that
// should have dropped it.
#include "support/skin_form_fixture.h"

#include "support/temp_folder.h"
#include "toolkit/bitmap.h"

#include <array>
#include <functional>
#include <map>

namespace {

constexpr int kBlue = 0, kYellow = 1;
enum class TShownLook { Yellow, Blue, System };

const char* NameOf(TShownLook look) {
    return look == TShownLook::Yellow ? "yellow" : look == TShownLook::Blue ? "blue" : "system";
}

// What a window shows on the screen, frame and client area with its
// controls: the pixels of its window DC inside its region (outside it,
// whatever lies behind shows) and the region's rectangles.
struct TShownPicture {
    int Width = 0, Height = 0;
    std::vector<std::array<LONG, 4>> Region; // empty: the whole window shows
    std::vector<COLORREF> Pixels;            // row by row, 0 outside the region
    bool operator==(const TShownPicture& o) const {
        return Width == o.Width && Height == o.Height && Region == o.Region && Pixels == o.Pixels;
    }
};

std::vector<std::array<LONG, 4>> RectanglesOf(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    std::vector<std::array<LONG, 4>> out;
    if (!size || !GetRegionData(region, size, data)) return out;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
    return out;
}

TShownPicture Shown(HWND window) {
    TShownPicture p;
    const SIZE size = WindowSize(window);
    p.Width = size.cx;
    p.Height = size.cy;
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(window, region.Get()) != ERROR;
    if (shaped) p.Region = RectanglesOf(region.Get());
    TBitmap shot(p.Width, p.Height);
    {
        TWindowDC dc(window, true);
        BitBlt(shot.DC(), 0, 0, p.Width, p.Height, dc.Get(), 0, 0, SRCCOPY);
    }
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            p.Pixels.push_back(!shaped || PtInRegion(region.Get(), x, y) ? shot.Pixel(x, y) : 0);
    return p;
}

// Writes the picture as a .bmp file for a person to look at.
void SaveForLooking(const TShownPicture& p, const std::wstring& path) {
    TBitmap bitmap(p.Width, p.Height);
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            SetPixel(bitmap.DC(), x, y, p.Pixels[static_cast<size_t>(y) * p.Width + x]);
    const std::vector<std::uint8_t> bytes = bitmap.SaveToBmpBytes();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    TFileHandle file(h == INVALID_HANDLE_VALUE ? nullptr : h);
    DWORD written = 0;
    if (file) WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

// Equal, or where they first differ and how much, with both pictures kept
// in the temporary folder to look at.
testing::AssertionResult SamePicture(const TShownPicture& shown, const TShownPicture& fresh,
                                     const std::string& step) {
    if (shown == fresh) return testing::AssertionSuccess();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring stem = std::wstring(temp) + L"velmora-switch-" + Widen(step);
    SaveForLooking(shown, stem + L"-shown.bmp");
    SaveForLooking(fresh, stem + L"-fresh.bmp");
    auto result = testing::AssertionFailure();
    result << step << ": " << shown.Width << "x" << shown.Height << " against a fresh "
           << fresh.Width << "x" << fresh.Height << "; region "
           << (shown.Region == fresh.Region ? "the same" : "different");
    if (shown.Pixels.size() == fresh.Pixels.size()) {
        size_t differ = 0, first = shown.Pixels.size();
        for (size_t i = 0; i < shown.Pixels.size(); ++i)
            if (shown.Pixels[i] != fresh.Pixels[i] && differ++ == 0) first = i;
        if (differ)
            result << "; " << differ << " pixels differ, the first at (" << first % shown.Width
                   << ", " << first / shown.Width << "): " << std::hex << shown.Pixels[first]
                   << " instead of " << fresh.Pixels[first] << std::dec;
    }
    return result << "; pictures in " << Narrow(stem) << "-*.bmp";
}

class SwitchPixelsTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        Settle();
    }
    // A new main form and manager, as a fresh start of the program has.
    void Reopen() {
        SkinFormTest::TearDown();
        SkinFormTest::SetUp();
        Settle();
    }
    // Nothing that blinks or follows the pointer: the focus on the (empty)
    // list, which draws no caret, and the pointer away from the window.
    void Settle() {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        form_->LstThemes->SetFocus();
        Pump();
    }
    // A stored skin chosen as the skin menu chooses it: loaded, then the
    // skin switched on (both go to the manager's one slot; the last wins).
    void Choose(int skin) {
        data_->SelectStoredSkin(store_->Items(), skin);
        SkinOn();
    }
    // What a fresh window of each look shows.
    std::map<TShownLook, TShownPicture> FreshPictures() {
        std::map<TShownLook, TShownPicture> fresh;
        fresh[TShownLook::System] = Shown(main_);
        Choose(kYellow);
        fresh[TShownLook::Yellow] = Shown(main_);
        Reopen();
        Choose(kBlue);
        fresh[TShownLook::Blue] = Shown(main_);
        Reopen();
        return fresh;
    }
};

} // namespace

TEST_F(SwitchPixelsTest, EverySwitchShowsWhatAFreshWindowOfThatLookShows) {
    const std::map<TShownLook, TShownPicture> fresh = FreshPictures();
    ASSERT_FALSE(fresh.at(TShownLook::Yellow) == fresh.at(TShownLook::Blue))
        << "the looks cannot be told apart";
    const struct {
        const char* step;
        std::function<void()> act;
        TShownLook look;
    } walk[] = {
        {"yellow", [this] { Choose(kYellow); }, TShownLook::Yellow},
        {"blue", [this] { SelectSkin(kBlue); }, TShownLook::Blue},
        {"system", [this] { SkinOff(); }, TShownLook::System},
        {"yellow-after-system", [this] { Choose(kYellow); }, TShownLook::Yellow},
        {"yellow-again", [this] { SelectSkin(kYellow); }, TShownLook::Yellow},
        {"off", [this] { SkinOff(); }, TShownLook::System},
        {"on-again", [this] { SkinOn(); }, TShownLook::Yellow},
        {"blue-after-reskin", [this] { SelectSkin(kBlue); }, TShownLook::Blue},
        {"blue-again", [this] { SelectSkin(kBlue); }, TShownLook::Blue},
        {"yellow-from-blue", [this] { SelectSkin(kYellow); }, TShownLook::Yellow},
    };
    for (const auto& s : walk) {
        s.act();
        EXPECT_TRUE(SamePicture(Shown(main_), fresh.at(s.look), s.step)) << NameOf(s.look);
    }
}
