#include "toolkit/image.h"

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo info(
        L"TImage", &TGraphicControl::StaticClass(),
        [](TClassInfo& c) {
            c.Obj<TImage, TBitmap>(L"Picture", &TImage::Picture);
            c.Bool<TImage>(L"Transparent", &TImage::Transparent, &TImage::SetTransparent);
        },
        [](TComponent* o) { return new TImage(o); });
    return info;
}

void TImage::Paint(HDC dc) {
    TCanvas(dc).Draw(0, 0, picture_, transparent_);
}
