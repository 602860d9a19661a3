#include "engine/controls/tab.h"

#include "core/skin_model.h"
#include "engine/skin_draw.h"
#include "engine/win_skin_form.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/page_control.h"
#include "toolkit/win_control.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr int kPaneMostMargin = 4;
constexpr TSkinMargins kBorderPaneMargins{4, 5, 4, 4};

void DrawCloseBox(HDC dc, const RECT& box, COLORREF colour) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    TSelectObject selected(dc, pen.Get());
    const POINT corners[] = {{box.left, box.top},
                             {box.right, box.top},
                             {box.right, box.bottom},
                             {box.left, box.bottom},
                             {box.left, box.top}};
    Polyline(dc, corners, 5);
    MoveToEx(dc, box.left, box.top, nullptr);
    LineTo(dc, box.right, box.bottom);
    MoveToEx(dc, box.right, box.top, nullptr);
    LineTo(dc, box.left, box.bottom);
}

// The tabs drawn lying down into `buffer`; the close boxes' places (client
// coordinates) come back.
std::vector<RECT> DrawTabs(HDC buffer, const RECT& strip, const TTabLook& look) {
    const TTabItems& tabs = look.Tabs;
    std::vector<RECT> closes(tabs.Items.size(), RECT{});
    TSelectObject font(buffer, tabs.Font);
    for (size_t i = 0; i < tabs.Items.size() && i < tabs.Rects.size(); ++i) {
        if (IsRectEmpty(&tabs.Rects[i])) continue;
        const RECT r = TabRectInStrip(tabs.Rects[i], look.Side, strip);
        const int frame = static_cast<int>(i) == tabs.Focus ? 2 : 1;
        DrawTabFace(buffer, r, *look.TabImage, look.TabMargins, *look.Element, frame);
        const COLORREF text = TabTextColour(frame == 1 ? look.Element->NormalColour2
                                                       : look.Element->MouseOverColour2);
        if (look.CloseBoxes) {
            const RECT box = TabCloseBox(r);
            DrawCloseBox(buffer, box, text);
            closes[i] = StripRectToClient(RECT{box.left, box.top, box.right + 1, box.bottom + 1},
                                          look.Side, strip);
        }
        SetTextColor(buffer, text);
        DrawTabItem(buffer, r, TTabAlign::Centre, tabs.Items[i], tabs.Images, tabs.Enabled,
                    tabs.RightToLeft);
    }
    return closes;
}

// The strip composed lying down, turned to its side and put on `dc`.
std::vector<RECT> PaintStrip(HDC dc, const RECT& rect, const TTabLook& look) {
    const RECT strip = TabStripRect(rect, look.Display, look.Side);
    const SIZE size = TabStripBufferSize(strip, look.Side);
    TBitmap buffer;
    if (size.cx <= 0 || size.cy <= 0 || !buffer.SetSize(size.cx, size.cy)) return {};
    TBrushHandle background(CreateSolidBrush(look.Background));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(buffer.DC(), &all, background.Get());
    std::vector<RECT> closes = DrawTabs(buffer.DC(), strip, look);
    const TBitmap* shown = &buffer;
    std::unique_ptr<TBitmap> turned;
    if (look.Side == TTabSide::Left || look.Side == TTabSide::Right) {
        TPixelBitmap pixels = PixelsOf(buffer);
        TurnStripBack(pixels, look.Side);
        turned = ToBitmap(pixels);
        if (!turned) return closes;
        shown = turned.get();
    }
    BitBlt(dc, strip.left, strip.top, shown->Width(), shown->Height(), shown->DC(), 0, 0, SRCCOPY);
    return closes;
}

} // namespace

std::vector<RECT> PaintTabControl(HDC dc, const RECT& rect, const TTabLook& look) {
    TBrushHandle background(CreateSolidBrush(look.Background));
    FillRect(dc, &rect, background.Get());
    std::vector<RECT> closes(look.Tabs.Items.size(), RECT{});
    if (look.Element && look.TabImage && !look.TabImage->Empty())
        closes = PaintStrip(dc, rect, look);
    if (look.PaneImage && !look.PaneImage->Empty())
        DrawSkinRect(dc, look.Display, TSkinFrame{look.PaneImage, 1, 1}, look.PaneMargins,
                     TStripAxis::Horizontal, TCentreFill::Stretch, TKeyColour::Opaque);
    return closes;
}

const TClassInfo& TSkinTab::StaticClass() {
    static const TClassInfo info(L"TSkinTab", &TSkinTabBase::StaticClass());
    return info;
}

void TSkinTab::OnAttach() {
    Enabled = IsWindowEnabled(Handle()) != FALSE;
    closeBoxes_ = WantsCloseBoxes();
    BuildImages();
    AttachScroller(FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr));
}

void TSkinTab::OnRestore() {
    TSkinTabBase::OnRestore();
    closeRects_.clear();
}

// Close boxes are asked for by the tag and allowed by the page control's
// own switch; plain tab controls have no pages to close.
bool TSkinTab::WantsCloseBoxes() const {
    const auto* pages = dynamic_cast<const TPageControl*>(Control());
    return pages && pages->Tag() == kCloseBoxTag && pages->ShowCloseBoxes();
}

void TSkinTab::BuildImages() {
    side_ = TabSideOf(static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)));
    tabImage_.Clear();
    paneImage_.Clear();
    const TDataSkinBorder* tabs = Skin().Tabs.get();
    if (!tabs) return;
    tabImage_ = tabs->Bitmap;
    tabMargins_ = tabs->Margins();
    TurnTabImage(tabImage_, tabMargins_, side_);
    const TDataSkinObject* pane = Skin().TabPane.get();
    if (tabs->Style == 0) {
        paneImage_ = tabs->Bitmap2;
        paneMargins_ = kBorderPaneMargins;
    } else if (tabs->Style == 1 && pane) {
        paneImage_ = pane->Bitmap;
        const TSkinMargins m = pane->Margins();
        paneMargins_ = {std::min(m.Left, kPaneMostMargin), std::min(m.Top, kPaneMostMargin),
                        std::min(m.Right, kPaneMostMargin), std::min(m.Bottom, kPaneMostMargin)};
    }
    TurnPaneImage(paneImage_, paneMargins_, side_);
}

bool TSkinTab::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN && closeBoxes_ &&
        ClickCloseBox(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)})) {
        m.Result = 0;
        return false;
    }
    return TSkinTabBase::BeforeMessage(m);
}

void TSkinTab::AfterMessage(TMessage& m) {
    if (m.Msg == WM_STYLECHANGED) {
        BuildImages();
        Repaint();
    }
    TSkinControl::AfterMessage(m);
}

// The form is asked first; the page goes only when it answers 0. The form
// may unskin everything while it answers, so nothing of this object is
// touched after that unless it is still there.
bool TSkinTab::ClickCloseBox(POINT at) {
    for (size_t i = 0; i < closeRects_.size(); ++i) {
        if (!PtInRect(&closeRects_[i], at)) continue;
        const HWND self = Handle();
        auto* pages = dynamic_cast<TPageControl*>(Control());
        const std::shared_ptr<const bool> alive = AliveFlag();
        const LRESULT answer = SendMessageW(Form().Handle(), kCloseTabQuestion,
                                            reinterpret_cast<WPARAM>(self), static_cast<LPARAM>(i));
        if (answer == 0 && pages && IsWindow(self)) pages->ClosePage(static_cast<int>(i));
        if (*alive) closeRects_.clear();
        return true;
    }
    return false;
}

TTabLook TSkinTab::Look(const RECT& rect) const {
    const HWND h = Handle();
    TTabLook look;
    look.Side = side_;
    look.Element = Skin().Tabs.get();
    look.TabImage = &tabImage_;
    look.TabMargins = tabMargins_;
    look.PaneImage = &paneImage_;
    look.PaneMargins = paneMargins_;
    look.Display =
        TabDisplayArea(TabAdjustedRect(h, rect.right - rect.left, rect.bottom - rect.top), side_);
    look.Tabs = ReadTabItems(h);
    look.CloseBoxes = closeBoxes_;
    return look;
}

// The whole control is composed off-screen; the pages and the scroll arrows
// stay out of the copy, so they are neither blanked nor painted over.
void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
    // The control makes its scroll arrows only once its tabs overflow.
    if (!Scroller()) AttachScroller(FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr));
    TTabLook look = Look(rect);
    TSavedDC saved(dc);
    ExcludeChildWindows(dc, Handle());
    look.Background = ParentColour();
    PaintBuffered(dc, rect, [&](HDC buffer) {
        closeRects_ = PaintTabControl(buffer, rect, look);
        if (Control()) Control()->PaintControls(buffer);
    });
}
