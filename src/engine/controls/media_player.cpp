#include "engine/controls/media_player.h"

#include "core/skin_model.h"
#include "engine/controls/control_props.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

#include <cwctype>

namespace {

constexpr wchar_t kBarClass[] = L"VelmoraMediaBar";

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

} // namespace

TMPButtonSet ButtonSetFromText(const std::wstring& text) {
    const std::wstring lower = Lower(text);
    TMPButtonSet set = 0;
    for (int b = 0; b < kMediaButtonCount; ++b)
        if (lower.find(Lower(MediaButtonTypes().NameOf(b))) != std::wstring::npos) set |= 1 << b;
    return set;
}

int MediaButtonFrame(bool enabled, bool pressed) {
    if (!enabled) return 3;
    return pressed ? 2 : 1;
}

void PaintMediaBar(HDC dc, const TMediaBarLook& look, const TMediaGlyphs& glyphs) {
    const RECT all{0, 0, look.Width, look.Height};
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &all, face.Get());
    for (int b = 0; b < kMediaButtonCount; ++b) {
        const RECT r = MediaButtonRect(look.Visible, look.Width, look.Height, b);
        if (IsRectEmpty(&r)) continue;
        const bool enabled = InButtonSet(look.Enabled, b);
        const int frame = MediaButtonFrame(enabled, b == look.Pressed);
        if (look.Buttons && !look.Buttons->Bitmap.Empty())
            DrawElementFrame(dc, r, *look.Buttons, frame);
        const HBITMAP glyph = glyphs.Glyph(GlyphSetOf(enabled, InButtonSet(look.Coloured, b)), b);
        DrawMediaGlyph(dc, r, glyph, frame == 2 ? 1 : 0);
        if (b == look.Focused) DrawMediaFocus(dc, r);
    }
}

TWMediaPlayer::TWMediaPlayer(TSkinData& data, TWinControl& player)
    : TSiblingOverlay(kBarClass, player.Handle()), data_(&data), player_(&player) {
    SyncPosition();
}

void TWMediaPlayer::Discard(std::unique_ptr<TWMediaPlayer> bar) {
    if (!bar) return;
    if (bar->Handle()) ShowWindow(bar->Handle(), SW_HIDE);
    bar->data_ = nullptr;
    bar->player_ = nullptr;
    TDispatchTarget::Release(std::move(bar));
}

void TWMediaPlayer::OnMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(m);
        return;
    case WM_LBUTTONUP:
        ButtonUp(m);
        return;
    case WM_CAPTURECHANGED:
        if (pressed_) EndPress();
        return;
    default:
        PassOn(m);
    }
}

// The bar covers the player exactly and shows when it shows.
void TWMediaPlayer::SyncPosition() {
    if (!Handle()) return;
    RECT bounds{};
    const bool visible = (GetWindowLongPtrW(host_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!visible || !GetWindowRect(host_, &bounds)) {
        shown_ = false;
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    MapWindowPoints(nullptr, GetParent(host_), reinterpret_cast<POINT*>(&bounds), 2);
    const HWND above = GetWindow(host_, GW_HWNDPREV);
    const bool inPlace = above == Handle();
    if (shown_ && inPlace && SameRect(bounds, placed_)) return;
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (inPlace) flags |= SWP_NOZORDER;
    SetWindowPos(Handle(), above ? above : HWND_TOP, bounds.left, bounds.top,
                 bounds.right - bounds.left, bounds.bottom - bounds.top, flags);
    placed_ = bounds;
    shown_ = true;
}

void TWMediaPlayer::Refresh() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

TMediaBarLook TWMediaPlayer::CurrentLook() const {
    TMediaBarLook look;
    RECT client{};
    if (!data_ || !player_ || !GetClientRect(Handle(), &client)) return look;
    look.Width = client.right;
    look.Height = client.bottom;
    look.Visible = ButtonSetFromText(GetPropText(player_, L"VisibleButtons"));
    look.Enabled =
        IsWindowEnabled(host_) ? ButtonSetFromText(GetPropText(player_, L"EnabledButtons")) : 0;
    look.Coloured = ButtonSetFromText(GetPropText(player_, L"ColoredButtons"));
    look.Pressed = pressed_ ? pressedIndex_ : -1;
    // Only the toolkit's own player says which button the keyboard is on.
    const auto* own = dynamic_cast<const TMediaPlayer*>(player_);
    look.Focused = own && GetFocus() == host_ ? own->FocusedButton() : -1;
    look.Face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    look.Buttons = &data_->Skin().Buttons;
    return look;
}

void TWMediaPlayer::Paint() {
    TPaintDC paint(Handle());
    const TMediaBarLook look = CurrentLook();
    if (look.Width <= 0 || look.Height <= 0) return;
    if ((buffer_.Width() != look.Width || buffer_.Height() != look.Height) &&
        !buffer_.SetSize(look.Width, look.Height)) {
        PaintMediaBar(paint.Get(), look, glyphs_);
        return;
    }
    PaintMediaBar(buffer_.DC(), look, glyphs_);
    BitBlt(paint.Get(), 0, 0, look.Width, look.Height, buffer_.DC(), 0, 0, SRCCOPY);
}

int TWMediaPlayer::ButtonAt(LPARAM point) const {
    const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!PtInRect(&client, at)) return -1;
    return MediaButtonAt(ButtonSetFromText(GetPropText(player_, L"VisibleButtons")), client.right,
                         at.x);
}

// The player sees the press (the bar covers it exactly, so the point is
// the same in both); the bar keeps the mouse until the release, so a
// release anywhere ends the press.
void TWMediaPlayer::ButtonDown(TMessage& m) {
    PassOn(m);
    if (!player_) return;
    const auto alive = AliveFlag();
    player_->Perform(WM_LBUTTONDOWN, m.WParam, m.LParam);
    if (!*alive || !player_) return;
    pressedIndex_ = ButtonAt(m.LParam);
    pressed_ = true;
    SetCapture(Handle());
    Refresh();
}

// Only a release over the pressed button reaches the player, which then
// clicks that button; a release anywhere else cancels the press.
void TWMediaPlayer::ButtonUp(TMessage& m) {
    PassOn(m);
    const int hit = ButtonAt(m.LParam);
    const bool click = pressed_ && hit >= 0 && hit == pressedIndex_;
    pressedIndex_ = hit;
    EndPress();
    if (click && player_) player_->Perform(WM_LBUTTONUP, m.WParam, m.LParam);
}

void TWMediaPlayer::EndPress() {
    pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    Refresh();
}

const TClassInfo& TSkinMP::StaticClass() {
    static const TClassInfo info(L"TSkinMP", &TSkinControl::StaticClass());
    return info;
}

// The bar goes with the skin even when the base's restore already ran.
TSkinMP::~TSkinMP() {
    RestoreControl();
    TWMediaPlayer::Discard(std::move(player_));
}

void TSkinMP::OnAttach() {
    if (!Control()) return;
    clipSiblings_.Add(Handle());
    player_ = std::make_unique<TWMediaPlayer>(SkinData(), *Control());
}

void TSkinMP::OnRestore() {
    TWMediaPlayer::Discard(std::move(player_));
    clipSiblings_.Remove();
}

void TSkinMP::SkinChanged() {
    if (AttachState() != TControlAttach::Attached || !player_) return;
    player_->Refresh();
}

// The player itself paints unseen under the bar: the bar follows its
// place and visibility, and shows what its sets say now.
void TSkinMP::AfterMessage(TMessage& m) {
    if (!player_) return;
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
        player_->SyncPosition();
        break;
    case WM_PAINT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
        player_->Refresh();
        break;
    default:
        break;
    }
}
