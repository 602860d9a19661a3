#include "caption_fixture.h"

#include "engine/engine_messages.h"
#include "engine/skin_manager.h"

int gButtonVisibleAnswerFor = -1;
LPARAM gButtonVisibleAction = -1;
int gMouseMovesPassedOn = 0;
bool gRestoreAllowed = false;

namespace {

// Everything recorded since the last Pump: the commands that reached the
// window (the default procedure runs the size commands; close is only
// recorded) and the WM_CLOSE that SC_CLOSE becomes.
std::vector<TPostedMessage> gPosted;

LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        // Without a window manager Wine sends SC_RESTORE to a maximized
        // window by itself; only the test's own restores count.
        if ((wParam & 0xFFF0) == SC_RESTORE && !gRestoreAllowed) return 0;
        gPosted.push_back({msg, wParam});
        if ((wParam & 0xFFF0) == SC_CLOSE || (wParam & 0xFFF0) == SC_CONTEXTHELP) return 0;
        break;
    case WM_CLOSE:
    case SKINMSG_ACTION:
        gPosted.push_back({msg, wParam});
        return 0; // nothing really closes
    case WM_NCMOUSEMOVE:
        ++gMouseMovesPassedOn;
        break;
    case SKINMSG_BUTTONVISIBLE:
        gButtonVisibleAction = lParam;
        return static_cast<int>(wParam) == gButtonVisibleAnswerFor ? 1 : 0;
    default:
        break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t* WindowClass() {
    static const wchar_t* name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"VelmoraCaptionTest";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

TPixelBitmap Solid(int w, int h, TColour colour) {
    TPixelBitmap strip(w, h);
    strip.FillRect(0, 0, w, h, colour);
    return strip;
}

} // namespace

void CaptionFixture::SetUp() {
    data_ = std::make_unique<TSkinData>(nullptr);
    auto& skin = const_cast<TSkinModel&>(data_->Skin());
    skin.SkinNotLoaded = false;
    const TColour face = MakeColour(236, 224, 190);
    skin.Top.Bitmap = Solid(20, kCaptionHeight, face);
    skin.Bottom.Bitmap = Solid(20, kSideWidth, face);
    skin.Left.Bitmap = Solid(kSideWidth, 20, face);
    skin.Right.Bitmap = Solid(kSideWidth, 20, face);
    for (TDataSkinBorder* part : {&skin.Top, &skin.Bottom, &skin.Left, &skin.Right})
        part->FrameCount = 1;
    skin.Title.Bitmap = TPixelBitmap();
    skin.SysButtonRecords.clear();
    gButtonVisibleAnswerFor = -1;
    gButtonVisibleAction = -1;
    gMouseMovesPassedOn = 0;
    gRestoreAllowed = false;
}

void CaptionFixture::TearDown() {
    form_.reset();
    if (window_) DestroyWindow(window_);
    Pump();
    data_.reset();
    FreeSkinManager();
}

void CaptionFixture::AddButton(int action, int align, int x, int y, int visibility, int visibility1,
                               int frames, int w, int h) {
    auto record = std::make_unique<TDataSkinSysButton>("Button");
    record->Action = action;
    record->Align = align;
    record->XCoord = x;
    record->YCoord = y;
    record->Visibility = visibility;
    record->Visibility1 = visibility1;
    record->FrameCount = frames;
    record->Bitmap = TPixelBitmap(w * frames, h);
    for (int f = 0; f < frames; ++f)
        record->Bitmap.FillRect(f * w, 0, (f + 1) * w, h,
                                static_cast<TColour>(kFrameColour[f < 4 ? f + 1 : 4]));
    const_cast<TSkinModel&>(data_->Skin()).SysButtonRecords.push_back(std::move(record));
}

void CaptionFixture::MakeWindow(DWORD style, int width, int height, HMENU menu) {
    window_ = CreateWindowExW(0, WindowClass(), L"Caption", style, 100, 100, width, height, nullptr,
                              menu, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    form_ = std::make_unique<TWinSkinForm>(nullptr, window_);
    form_->AttachWindow(data_.get());
    SendMessageW(window_, SKINMSG_START, 0, 1000);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
    PaintFrame();
    Pump();
}

TWinSysButton& CaptionFixture::Button(int index) const {
    return *form_->CaptionButtons().at(static_cast<size_t>(index));
}

std::vector<TPostedMessage> CaptionFixture::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    std::vector<TPostedMessage> posted;
    posted.swap(gPosted);
    return posted;
}

POINT CaptionFixture::ScreenOf(POINT p) const {
    RECT r{};
    GetWindowRect(window_, &r);
    return POINT{r.left + p.x, r.top + p.y};
}

LRESULT CaptionFixture::Mouse(UINT msg, POINT windowPoint, WPARAM hit) const {
    const POINT s = ScreenOf(windowPoint);
    return SendMessageW(window_, msg, hit, MAKELPARAM(s.x, s.y));
}

std::vector<TPostedMessage> CaptionFixture::Click(POINT p) {
    Mouse(WM_NCLBUTTONDOWN, p);
    Mouse(WM_NCLBUTTONUP, p);
    return Pump();
}

void CaptionFixture::PaintFrame() const {
    SendMessageW(window_, SKINMSG_PAINTFRAME, 0, 0);
}
