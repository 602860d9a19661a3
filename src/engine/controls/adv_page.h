#pragma once
// Page controls of another library that draw their tabs from two
// background pictures: the skin hands them pictures made from its tab
// image (the normal and the active frame) and puts the application's own
// back when it goes. The control paints itself; the skin only skins the
// up-down that scrolls its tabs.
#include "core/pixel_bitmap.h"
#include "engine/controls/picture_hand_over.h"

struct TSkinModel;

// The size of the tab pictures handed over.
constexpr int kTabPictureWidth = 100;
constexpr int kTabPictureHeight = 21;

// Frame `frame` of the skin's tab image at the handed-over size; empty when
// the skin has no tab image.
TPixelBitmap TabPicture(const TSkinModel& skin, int frame);

class TSkinAdvPage : public TSkinPictureHandOver {
    VELMORA_CLASS()
protected:
    void HandOver() override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void SkinTabScroller();

    bool scrollerSkinned_ = false;
};
