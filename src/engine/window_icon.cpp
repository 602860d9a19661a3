#include "engine/skin_draw.h"
#include "engine/win_skin_form.h"

// The small window icon: drawn for icon buttons, and kept as an image on the
// skin's magenta key colour for icon buttons whose record has no image.
void TWinSkinForm::EnsureIconBitmap() {
    if (!iconBuilt_) BuildIconBitmap();
}

void TWinSkinForm::BuildIconBitmap() {
    iconBuilt_ = true;
    IconHandle = nullptr;
    if (handle_) {
        IconHandle = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_SMALL, 0));
        if (!IconHandle)
            IconHandle = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_BIG, 0));
    }
    IconSize = GetSystemMetrics(SM_CXSMICON);
    const int w = IconSize, h = GetSystemMetrics(SM_CYSMICON);
    IconPixels = TPixelBitmap(w, h, kKeyColour);
    if (!IconBitmap.SetSize(w, h)) return;
    HDC dc = IconBitmap.DC();
    TBrushHandle key(CreateSolidBrush(kSkinKeyColour));
    RECT all{0, 0, w, h};
    FillRect(dc, &all, key.Get());
    if (IconHandle) DrawIconEx(dc, 0, 0, IconHandle, w, h, 0, nullptr, DI_NORMAL);
    GdiFlush();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            IconPixels.SetPixel(x, y, IconBitmap.Pixel(x, y));
}

void TWinSkinForm::DrawWindowIcon(HDC dc, int x, int y) {
    if (!dc || !IconHandle) return;
    DrawIconEx(dc, x, y, IconHandle, IconSize, IconSize, 0, nullptr, DI_NORMAL);
}
