#include "window_mockup.h"

#include "label_font.h"

#include "core/element_layout.h"
#include "core/nine_slice.h"

namespace {

// One border record composed at the size the frame painter gives it, in
// its active look.
TPixelBitmap ComposeBorder(const TSkinModel& skin, const TDataSkinBorder& border, int width,
                           int height) {
    return BuildSkinBitmap(width, height, border.Frame(border.BorderFrame(true)), border.Margins(),
                           StripAxisOf(skin, border), CentreFillOf(skin, border));
}

// The visibility codes a sizeable, active, not maximized window with
// minimize and maximize boxes meets.
bool ShownOnPlainWindow(std::int32_t visibility) {
    return visibility == cvAlways || visibility == cvNotMaximized || visibility == cvActive ||
           visibility == cvMinMaxBox || visibility == cvMinMaxBoxToo ||
           (visibility >= cvAlwaysFrom && visibility <= cvAlwaysTo);
}

void DrawCaptionButtons(TPixelBitmap& window, const TSkinModel& skin) {
    for (const auto& owned : skin.SysButtonRecords) {
        const TDataSkinSysButton& b = *owned;
        if (b.Bitmap.Empty() || !ShownOnPlainWindow(b.Visibility) ||
            !ShownOnPlainWindow(b.Visibility1))
            continue;
        int x = 0;
        if (b.Align == calLeftEdge)
            x = b.XCoord;
        else if (b.Align == calRightEdge)
            x = window.Width() - b.XCoord;
        else
            continue; // placed against the caption text, which the mock-up does not lay out
        const TPixelBitmap face =
            CropBitmap(b.Bitmap, FrameRect(b.Frame(1), TStripAxis::Horizontal));
        DrawTransparent(window, x, b.YCoord, face);
    }
}

} // namespace

TMockupFrame MockupFrameOf(const TSkinModel& skin) {
    TMockupFrame f;
    f.Top = skin.Top.Bitmap.Height() / skin.Top.Frames();
    f.Left = skin.Left.Bitmap.Width() / skin.Left.Frames();
    f.Right = skin.Right.Bitmap.Width() / skin.Right.Frames();
    f.Bottom = skin.Bottom.Bitmap.Height() / skin.Bottom.Frames();
    if (skin.MenuBarImage)
        f.Menu = skin.MenuBarImage->Bitmap.Height() / skin.MenuBarImage->Frames();
    return f;
}

TPixelBitmap ComposeWindowMockup(const TSkinModel& skin) {
    const int w = kMockupWidth, h = kMockupHeight;
    const TMockupFrame f = MockupFrameOf(skin);
    TPixelBitmap window(w, h, skin.Colour(sciButtonFace));
    CopyBitmap(window, 0, 0, ComposeBorder(skin, skin.Left, f.Left, h));
    CopyBitmap(window, w - f.Right, 0, ComposeBorder(skin, skin.Right, f.Right, h));
    CopyBitmap(window, f.Left, h - f.Bottom,
               ComposeBorder(skin, skin.Bottom, w - f.Left - f.Right, f.Bottom));
    CopyBitmap(window, f.Left, 0, ComposeBorder(skin, skin.Top, w - f.Left - f.Right, f.Top));
    const TDataSkinTitle& title = skin.Title;
    DrawLabel(window, f.Left + title.LeftWidth, (f.Top - kLabelHeight) / 2 + title.TopHeight,
              "VELMORA", skin.Colour(sciTitleTextActive));
    DrawCaptionButtons(window, skin);
    if (const TDataSkinObject* bar = skin.MenuBarImage.get()) {
        // The bar's side fields are tile flags, not margins: stretched whole.
        const TPixelBitmap strip = BuildSkinBitmap(w - f.Left - f.Right, f.Menu, bar->Frame(1), {},
                                                   StripAxisOf(skin, *bar), TCentreFill::Stretch);
        CopyBitmap(window, f.Left, f.Top, strip);
        DrawLabel(window, f.Left + 8, f.Top + (f.Menu - kLabelHeight) / 2, "FILE  EDIT  VIEW",
                  skin.Colour(sciMenuBarText));
    }
    return window;
}
