#include "caption_fixture.h"

#include "engine/engine_messages.h"

int gButtonVisibleAnswerFor = -1;
LPARAM gButtonVisibleAction = -1;

namespace {

// Everything recorded since the last Pump: posted messages and the ones the
// default procedure sends (WM_CLOSE from SC_CLOSE).
std::vector<TPostedMessage> gPosted;

bool Recorded(UINT msg) {
    return msg == WM_SYSCOMMAND || msg == WM_CLOSE || msg == SKINMSG_ACTION;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Recorded(msg)) {
        gPosted.push_back({msg, wParam});
        return 0; // nothing really closes or maximizes
    }
    if (msg == SKINMSG_BUTTONVISIBLE) {
        gButtonVisibleAction = lParam;
        return static_cast<int>(wParam) == gButtonVisibleAnswerFor ? 1 : 0;
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

} // namespace

void CaptionFixture::SetUp() {
    form_ = std::make_unique<TWinSkinForm>(nullptr);
    form_->SkinState = ssSkinned;
    form_->Traits.BorderIcons = biMaximizeBit | biMinimizeBit | biSystemMenuBit;
    form_->DoubleClickTime = 500;
    gButtonVisibleAnswerFor = -1;
    gButtonVisibleAction = -1;
}

void CaptionFixture::TearDown() {
    if (form_) form_->SetHoverTimer(false);
    form_.reset();
    if (window_) DestroyWindow(window_);
    Pump();
}

void CaptionFixture::MakeWindow(DWORD style, int width, int height) {
    window_ = CreateWindowExW(0, WindowClass(), L"Caption", style, 100, 100, width, height, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    form_->Handle = window_;
    RECT r{};
    GetWindowRect(window_, &r);
    form_->WindowRect = RECT{0, 0, r.right - r.left, r.bottom - r.top};
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    form_->BorderLeft = origin.x - r.left;
    form_->BorderTop = origin.y - r.top;
    form_->BorderRight = form_->BorderLeft;
    form_->BorderBottom = form_->BorderLeft;
    Pump();
}

TWinSysButton& CaptionFixture::AddButton(int action, int align, int x, int y, int visibility,
                                         int visibility1, int frames, int w, int h) {
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
        record->Bitmap.FillRect(f * w, 0, (f + 1) * w, h, kFrameColour[f < 4 ? f + 1 : 4]);
    form_->SysButtons.push_back(std::make_unique<TWinSysButton>(form_.get(), *record));
    records_.push_back(std::move(record));
    return *form_->SysButtons.back();
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

TMessage CaptionFixture::Mouse(UINT msg, POINT windowPoint, WPARAM hit) const {
    const POINT s = ScreenOf(windowPoint);
    TMessage m;
    m.Msg = msg;
    m.WParam = hit;
    m.LParam = MAKELPARAM(s.x, s.y);
    return m;
}
