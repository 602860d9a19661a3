#include "toolkit/button.h"

#include "toolkit/menus.h"

#include <commctrl.h>

namespace {

UINT ImageListAlign(int layout, bool captionEmpty) {
    if (captionEmpty) return BUTTON_IMAGELIST_ALIGN_CENTER;
    switch (layout) {
    case blGlyphRight:
        return BUTTON_IMAGELIST_ALIGN_RIGHT;
    case blGlyphTop:
        return BUTTON_IMAGELIST_ALIGN_TOP;
    case blGlyphBottom:
        return BUTTON_IMAGELIST_ALIGN_BOTTOM;
    default:
        return BUTTON_IMAGELIST_ALIGN_LEFT;
    }
}

} // namespace

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info(
        L"TButton", &TWinControl::StaticClass(),
        [](TClassInfo& c) { c.Bool<TButton>(L"Default", &TButton::Default, &TButton::SetDefault); },
        [](TComponent* o) { return new TButton(o); });
    return info;
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = WC_BUTTONW;
    p.SystemClass = true;
    p.Style |= (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    p.Style &= ~WS_CLIPCHILDREN;
}

void TButton::SetDefault(bool v) {
    default_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(m);
}

const TClassInfo& TBitBtn::StaticClass() {
    static const TClassInfo info(
        L"TBitBtn", &TButton::StaticClass(),
        [](TClassInfo& c) { TButtonGlyph::Publish<TBitBtn>(c); },
        [](TComponent* o) { return new TBitBtn(o); });
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::Loaded() {
    TButton::Loaded();
    GlyphChanged();
}

void TBitBtn::CreateWnd() {
    TButton::CreateWnd();
    GlyphChanged();
}

// The platform's button shows the first piece of the glyph from an image list.
void TBitBtn::GlyphChanged() {
    if (!HandleAllocated() || glyph_.Empty()) {
        Invalidate();
        return;
    }
    const int width = glyph_.Width() / numGlyphs_;
    images_.Reset(ImageList_Create(width, glyph_.Height(), ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!images_) return;
    TBitmap piece(width, glyph_.Height());
    BitBlt(piece.DC(), 0, 0, width, glyph_.Height(), glyph_.DC(), 0, 0, SRCCOPY);
    // The image list takes its own copy of the pixels.
    TBitmapHandle copy(
        static_cast<HBITMAP>(CopyImage(piece.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ImageList_AddMasked(images_.Get(), copy.Get(), glyph_.TransparentColor());
    BUTTON_IMAGELIST bil{};
    bil.himl = images_.Get();
    const int margin = margin_ < 0 ? 4 : margin_;
    bil.margin = RECT{margin, 0, 2, 0};
    bil.uAlign = ImageListAlign(layout_, text_.empty());
    SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil));
}

const TClassInfo& TMenuButton::StaticClass() {
    static const TClassInfo info(L"TMenuButton", &TButton::StaticClass(), {},
                                 [](TComponent* o) { return new TMenuButton(o); });
    return info;
}

void TMenuButton::Click() {
    TButton::Click();
    if (!dropdownMenu_ || !HandleAllocated()) return;
    RECT r{};
    GetWindowRect(Handle(), &r);
    dropdownMenu_->Popup(r.left, r.bottom);
}
