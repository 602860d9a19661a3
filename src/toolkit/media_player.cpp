#include "toolkit/media_player.h"

#include <string>

namespace {

const wchar_t* const kGlyphNames[kMediaButtonCount] = {L"MPPLAY", L"MPPAUSE",  L"MPSTOP",
                                                       L"MPNEXT", L"MPPREV",   L"MPSTEP",
                                                       L"MPBACK", L"MPRECORD", L"MPEJECT"};
const wchar_t* const kGlyphPrefixes[] = {L"EN_", L"DI_", L"CL_"};

int VisibleCount(TMPButtonSet visible) {
    int count = 0;
    for (int b = 0; b < kMediaButtonCount; ++b)
        count += InButtonSet(visible, b) ? 1 : 0;
    return count;
}

} // namespace

const TEnumInfo& MediaButtonTypes() {
    static const TEnumInfo types{{L"btPlay", L"btPause", L"btStop", L"btNext", L"btPrev", L"btStep",
                                  L"btBack", L"btRecord", L"btEject"}};
    return types;
}

int MediaButtonAt(TMPButtonSet visible, int width, int x) {
    const int count = VisibleCount(visible);
    if (count == 0 || x < 0) return -1;
    const int buttonWidth = width / count;
    if (buttonWidth <= 0) return -1;
    int slot = x / buttonWidth;
    for (int b = 0; b < kMediaButtonCount; ++b) {
        if (!InButtonSet(visible, b)) continue;
        if (slot-- == 0) return b;
    }
    return -1;
}

RECT MediaButtonRect(TMPButtonSet visible, int width, int height, int button) {
    const int count = VisibleCount(visible);
    if (count == 0 || !InButtonSet(visible, button)) return RECT{};
    const int buttonWidth = width / count;
    int slot = 0;
    for (int b = 0; b < button; ++b)
        slot += InButtonSet(visible, b) ? 1 : 0;
    return RECT{slot * buttonWidth, 0, (slot + 1) * buttonWidth, height};
}

TMPGlyphSet GlyphSetOf(bool enabled, bool coloured) {
    if (!enabled) return TMPGlyphSet::Disabled;
    return coloured ? TMPGlyphSet::Coloured : TMPGlyphSet::Enabled;
}

TMediaGlyphs::TMediaGlyphs() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    for (int set = 0; set < 3; ++set)
        for (int b = 0; b < kMediaButtonCount; ++b) {
            const std::wstring name = std::wstring(kGlyphPrefixes[set]) + kGlyphNames[b];
            glyphs_[set][b].Reset(static_cast<HBITMAP>(
                LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        }
}

HBITMAP TMediaGlyphs::Glyph(TMPGlyphSet set, int button) const {
    if (button < 0 || button >= kMediaButtonCount) return nullptr;
    return glyphs_[static_cast<int>(set)][button].Get();
}

void DrawMediaGlyph(HDC dc, const RECT& rect, HBITMAP glyph, int shift) {
    BITMAP info{};
    if (!glyph || !GetObjectW(glyph, sizeof(info), &info)) return;
    TMemoryDC source(CreateCompatibleDC(dc));
    if (!source) return;
    TSelectObject selected(source.Get(), glyph);
    const int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2 + shift;
    const int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2 + shift;
    GdiTransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth,
                      info.bmHeight, kMediaGlyphKey);
}

const TClassInfo& TMediaPlayer::StaticClass() {
    static const TClassInfo info(
        L"TMediaPlayer", &TCustomControl::StaticClass(),
        [](TClassInfo& c) {
            c.Set<TMediaPlayer>(L"VisibleButtons", MediaButtonTypes(),
                                &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons);
            c.Set<TMediaPlayer>(L"EnabledButtons", MediaButtonTypes(),
                                &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons);
            c.Set<TMediaPlayer>(L"ColoredButtons", MediaButtonTypes(),
                                &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons);
            c.Event(L"OnClick", &TMediaPlayer::OnButtonClick);
        },
        [](TComponent* o) { return new TMediaPlayer(o); });
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {}

void TMediaPlayer::SetVisibleButtons(int v) {
    visible_ = v & kAllMediaButtons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(int v) {
    enabled_ = v & kAllMediaButtons;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(int v) {
    coloured_ = v & kAllMediaButtons;
    Invalidate();
}

void TMediaPlayer::ButtonClick(TMPBtnType button) {
    if (OnButtonClick) OnButtonClick(this, button);
}

void DrawMediaFocus(HDC dc, const RECT& rect) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
}

void TMediaPlayer::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style |= WS_CLIPSIBLINGS | WS_TABSTOP;
}

bool TMediaPlayer::ButtonUsable(int button) const {
    return button >= 0 && InButtonSet(visible_, button) && InButtonSet(enabled_, button) &&
           Enabled();
}

// To the next usable button in `step`'s direction; the focus stays put at
// either end. With no usable focused button yet, the first usable one.
void TMediaPlayer::MoveFocus(int step) {
    const int first =
        ButtonUsable(focused_) ? focused_ + step : (step > 0 ? 0 : kMediaButtonCount - 1);
    for (int b = first; b >= 0 && b < kMediaButtonCount; b += step)
        if (ButtonUsable(b)) {
            focused_ = b;
            break;
        }
    Invalidate();
}

bool TMediaPlayer::KeyPressed(WORD key) {
    switch (key) {
    case VK_LEFT:
        MoveFocus(-1);
        return true;
    case VK_RIGHT:
        MoveFocus(1);
        return true;
    case VK_SPACE:
    case VK_RETURN:
        if (ButtonUsable(focused_)) ButtonClick(static_cast<TMPBtnType>(focused_));
        return true;
    default:
        return false;
    }
}

// A click is a press and a release over the same enabled button; moving
// off the button before letting go cancels it, as with any push button. The
// keyboard reaches every usable button.
// Losing the mouse to a window laid over the player (a skin's bar hands
// presses on) only ends the pressed look.
void TMediaPlayer::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(static_cast<short>(LOWORD(m.LParam)));
        break;
    case WM_LBUTTONUP:
        ButtonUp(static_cast<short>(LOWORD(m.LParam)));
        break;
    case WM_CAPTURECHANGED:
        Invalidate();
        break;
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
        if (!ButtonUsable(focused_)) MoveFocus(1);
        break;
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case WM_KEYDOWN:
        if (KeyPressed(static_cast<WORD>(m.WParam))) return;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TMediaPlayer::ButtonDown(int x) {
    const int button = MediaButtonAt(visible_, Width(), x);
    if (!ButtonUsable(button)) return;
    pressed_ = button;
    focused_ = button;
    SetFocus();
    SetCapture(Handle());
    Invalidate();
}

void TMediaPlayer::ButtonUp(int x) {
    const int pressed = pressed_;
    pressed_ = -1;
    if (GetCapture() == Handle()) ReleaseCapture();
    Invalidate();
    if (pressed >= 0 && MediaButtonAt(visible_, Width(), x) == pressed)
        ButtonClick(static_cast<TMPBtnType>(pressed));
}

// The platform's push buttons, the glyph on each.
void TMediaPlayer::Paint(HDC dc) {
    for (int b = 0; b < kMediaButtonCount; ++b) {
        RECT r = MediaButtonRect(visible_, Width(), Height(), b);
        if (IsRectEmpty(&r)) continue;
        const bool enabled = ButtonUsable(b);
        const bool down = b == pressed_ && GetCapture() == Handle();
        DrawFrameControl(dc, &r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0) |
                             (enabled ? 0 : DFCS_INACTIVE));
        DrawMediaGlyph(dc, r, glyphs_.Glyph(GlyphSetOf(enabled, InButtonSet(coloured_, b)), b),
                       down ? 1 : 0);
        if (b == focused_ && GetFocus() == Handle()) DrawMediaFocus(dc, r);
    }
}
