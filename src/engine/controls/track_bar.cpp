#include "engine/controls/track_bar.h"

#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/skin_draw.h"
#include "toolkit/gdi_objects.h"

#include <algorithm>

namespace {

constexpr int kThumbFrame = 2; // of the thumb strip's five

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

bool HasImage(const TDataSkinObject* element) {
    return element && !element->Bitmap.Empty();
}

} // namespace

TCustomDrawAnswer TrackBarCustomDraw(DWORD stage, DWORD_PTR item) {
    if (stage == CDDS_PREPAINT) return {CDRF_NOTIFYITEMDRAW, TTrackPart::None};
    if (stage != CDDS_ITEMPREPAINT) return {};
    switch (item) {
    case TBCD_THUMB:
        return {CDRF_SKIPDEFAULT, TTrackPart::Thumb};
    case TBCD_CHANNEL:
        return {CDRF_SKIPDEFAULT, TTrackPart::Channel};
    default:
        return {};
    }
}

// The image keeps its own breadth and its caps; only the middle is
// stretched along the channel. Across a wider channel a vertical image is
// centred, a horizontal one starts half-way down.
void PaintTrackChannel(HDC dc, const RECT& channel, const TTrackLook& look) {
    if (!HasImage(look.Channel)) return;
    const TDataSkinObject& image = *look.Channel;
    const int w = image.Bitmap.Width(), h = image.Bitmap.Height();
    RECT dest = channel;
    TSkinMargins margins = image.Margins();
    if (look.Vertical) {
        if (w < Width(channel)) dest.left += (Width(channel) - w) / 2;
        dest.right = dest.left + w;
        margins.Left = margins.Right = 0;
    } else {
        if (h < Height(channel)) dest.top += Height(channel) / 2;
        dest.bottom = dest.top + h;
        margins.Top = margins.Bottom = 0;
    }
    DrawSkinRect(dc, dest, image.Frame(1), margins, TStripAxis::Horizontal, TCentreFill::Stretch,
                 TKeyColour::Opaque);
}

void PaintTrackThumb(HDC dc, const RECT& thumb, const TTrackLook& look) {
    if (HasImage(look.Thumb)) {
        StretchSkinFrame(dc, thumb, look.Thumb->Frame(kThumbFrame), TKeyColour::Transparent);
        return;
    }
    TSavedDC saved(dc);
    TPenHandle pen(CreatePen(PS_SOLID, 1, look.Shadow));
    TBrushHandle face(CreateSolidBrush(look.Face));
    SelectObject(dc, pen.Get());
    SelectObject(dc, face.Get());
    Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

const TClassInfo& TSkinTrackBar::StaticClass() {
    static const TClassInfo info(L"TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

void TSkinTrackBar::OnAttach() {
    const HWND parent = GetParent(Handle());
    if (!parent) return;
    auto hook = std::make_unique<TWindowSubclass>(parent, this, &ParentHandler);
    if (hook->Installed()) parentHook_ = std::move(hook);
}

void TSkinTrackBar::OnRestore() {
    parentHook_.reset();
}

// A window that reflects notifications sends them back to the bar, as
// WM_NOTIFY or as the reflected notification, whose number the engine also
// uses (with its magic value) to announce a finished skinning.
bool TSkinTrackBar::BeforeMessage(TMessage& m) {
    const bool notify = m.Msg == WM_NOTIFY || (m.Msg == CN_NOTIFY && m.LParam != kSkinMagic);
    if (notify && m.LParam && CustomDraw(m.LParam, m.Result)) return false;
    return TSkinControl::BeforeMessage(m);
}

LRESULT TSkinTrackBar::ParentHandler(void* object, HWND window, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    auto* self = static_cast<TSkinTrackBar*>(object);
    LRESULT result = 0;
    if (msg == WM_NOTIFY && lParam && self->SkinEnabled()) {
        try {
            if (self->CustomDraw(lParam, result)) return result;
        } catch (...) {
            return CDRF_DODEFAULT; // the platform draws what the skin could not
        }
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

bool TSkinTrackBar::CustomDraw(LPARAM notification, LRESULT& result) {
    const auto* header = reinterpret_cast<const NMHDR*>(notification);
    if (header->hwndFrom != Handle() || header->code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(notification);
    const TCustomDrawAnswer answer = TrackBarCustomDraw(draw->dwDrawStage, draw->dwItemSpec);
    const TTrackLook look = Look();
    RECT r{};
    if (answer.Draw == TTrackPart::Channel) {
        SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
        // The platform answers a vertical bar's channel lying down.
        if (look.Vertical && Width(r) > Height(r)) r = RECT{r.top, r.left, r.bottom, r.right};
        PaintTrackChannel(draw->hdc, r, look);
    } else if (answer.Draw == TTrackPart::Thumb) {
        SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        PaintTrackThumb(draw->hdc, r, look);
    }
    result = answer.Result;
    return true;
}

TTrackLook TSkinTrackBar::Look() const {
    TTrackLook look;
    look.Vertical = (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBS_VERT) != 0;
    const TSkinModel& skin = Skin();
    look.Channel = look.Vertical ? skin.TrackVert.get() : skin.Track.get();
    look.Thumb = look.Vertical && HasImage(skin.TrackbarThumbVert.get())
                     ? skin.TrackbarThumbVert.get()
                     : skin.TrackbarThumbHorz.get();
    look.Face = FaceColour();
    look.Shadow = ShadowColour();
    return look;
}
