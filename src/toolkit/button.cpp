#include "toolkit/button.h"

#include <commctrl.h>

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info(L"TButton", &TWinControl::StaticClass(), {},
                                 [](TComponent* o) { return new TButton(o); });
    return info;
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = WC_BUTTONW;
    p.SystemClass = true;
    p.Style |= BS_PUSHBUTTON | WS_TABSTOP;
    p.Style &= ~WS_CLIPCHILDREN;
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
        [](TClassInfo& c) {
            c.Obj<TBitBtn, TBitmap>(L"Glyph", &TBitBtn::Glyph);
            c.Int<TBitBtn>(L"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
        },
        [](TComponent* o) { return new TBitBtn(o); });
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::Loaded() {
    TButton::Loaded();
    ApplyGlyph();
}

void TBitBtn::CreateWnd() {
    TButton::CreateWnd();
    ApplyGlyph();
}

void TBitBtn::ApplyGlyph() {
    if (!HandleAllocated() || glyph_.Empty()) return;
    images_.Reset(ImageList_Create(glyph_.Width(), glyph_.Height(), ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!images_) return;
    // The image list takes its own copy of the pixels.
    TBitmapHandle copy(
        static_cast<HBITMAP>(CopyImage(glyph_.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ImageList_AddMasked(images_.Get(), copy.Get(), glyph_.TransparentColor());
    BUTTON_IMAGELIST bil{};
    bil.himl = images_.Get();
    bil.margin = RECT{4, 0, 2, 0};
    bil.uAlign = text_.empty() ? BUTTON_IMAGELIST_ALIGN_CENTER : BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil));
}
