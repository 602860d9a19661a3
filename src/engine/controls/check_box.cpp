#include "engine/controls/check_box.h"

#include "core/skin_model.h"
#include "engine/controls/control_props.h"
#include "engine/paint_control_into.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/published_properties.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <algorithm>
#include <array>

namespace {

// Frames by state (unchecked, checked, indeterminate), enabled and disabled.
struct TFrameRow {
    int Enabled, Disabled;
};
using TFrameTable = std::array<TFrameRow, 3>;
constexpr TFrameTable kCheckFrames{{{1, 3}, {2, 4}, {4, 4}}};
constexpr TFrameTable kCheckFrames12{{{1, 4}, {5, 8}, {9, 12}}};
constexpr TFrameTable kRadioFrames{{{1, 3}, {2, 4}, {1, 3}}};
constexpr TFrameTable kRadioFrames8{{{1, 4}, {5, 8}, {1, 4}}};

const TFrameTable& FrameTable(TToggleKind kind, int frameCount) {
    if (kind == TToggleKind::CheckBox) return frameCount == 12 ? kCheckFrames12 : kCheckFrames;
    return frameCount == 8 ? kRadioFrames8 : kRadioFrames;
}

// Between the box and its caption.
constexpr int kTextGap = 2;
// A toolkit control with this Tag shows its parent around the box.
constexpr int kTransparentTag = 5555;

UINT TextFlags(const TToggleLook& look) {
    UINT flags = DT_EXPANDTABS | DT_WORDBREAK;
    if (look.RightToLeft) flags |= DT_RTLREADING;
    if (look.RightToLeft && look.RightButton) flags |= DT_RIGHT;
    if (look.HidePrefix) flags |= DT_HIDEPREFIX;
    return flags;
}

// One pixel around the text, so that it neither touches the box nor cuts
// into the glyphs; never outside the control.
void DrawFocus(HDC dc, const RECT& control, RECT text) {
    InflateRect(&text, 1, 1);
    RECT clipped{};
    if (IntersectRect(&clipped, &text, &control)) DrawFocusRect(dc, &clipped);
}

// Centred vertically in the area beside the box.
void DrawCaption(HDC dc, const RECT& control, RECT area, const TToggleLook& look) {
    if (look.Font) SelectObject(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, look.Face);
    SetTextColor(dc, look.TextColour);
    const UINT flags = TextFlags(look);
    const int length = static_cast<int>(look.Caption.size());
    RECT measured = area;
    DrawTextW(dc, look.Caption.c_str(), length, &measured, flags | DT_CALCRECT | DT_NOCLIP);
    const int width = measured.right - measured.left, height = measured.bottom - measured.top;
    area.top += ((area.bottom - area.top) - height) / 2;
    if (look.ShowFocus && !look.Caption.empty()) {
        const int left = (flags & DT_RIGHT) ? area.right - width : area.left;
        DrawFocus(dc, control, RECT{left, area.top, left + width, area.top + height});
    }
    DrawTextW(dc, look.Caption.c_str(), length, &area, flags);
}

bool IsSpaceKey(const TMessage& m) {
    return (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP) && m.WParam == VK_SPACE;
}

// The messages after which the platform's BUTTON has painted itself
// without a WM_PAINT (directly, or through a BM_SETSTATE or BM_SETCHECK it
// sends itself). The toolkit's enabled change ends in a WM_ENABLE.
bool PaintsOutsideWmPaint(const TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
        return true;
    default:
        return IsSpaceKey(m);
    }
}

// Counts one level of nesting for as long as it lives.
class TNesting {
public:
    explicit TNesting(int& depth) : depth_(depth) { ++depth_; }
    ~TNesting() { --depth_; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

private:
    int& depth_;
};

} // namespace

int ToggleFrame(TToggleKind kind, TCheckState state, bool disabled, int frameCount) {
    const TFrameRow& row = FrameTable(kind, frameCount)[static_cast<size_t>(state)];
    return std::clamp(disabled ? row.Disabled : row.Enabled, 1, std::max(frameCount, 1));
}

TCheckState StateOfSetCheck(WPARAM state) {
    return static_cast<TCheckState>(std::min<WPARAM>(state, BST_INDETERMINATE));
}

TCheckState ShownState(const TToggleSources& s) {
    TCheckState state =
        (s.ButtonState & BST_CHECKED) ? TCheckState::Checked : TCheckState::Unchecked;
    if (!s.StateText.empty()) {
        if (ContainsNoCase(s.StateText, L"uncheck"))
            state = TCheckState::Unchecked;
        else if (ContainsNoCase(s.StateText, L"check"))
            state = TCheckState::Checked;
        else if (ContainsNoCase(s.StateText, L"gray"))
            state = TCheckState::Indeterminate;
    } else if (!s.CheckedText.empty()) {
        state =
            SameTextNoCase(s.CheckedText, L"True") ? TCheckState::Checked : TCheckState::Unchecked;
    }
    if (s.SourceState > 0) state = StateOfSetCheck(static_cast<WPARAM>(s.SourceState - 1));
    if (s.DataBinding) state = TCheckState::Unchecked;
    if (s.ButtonState & BST_INDETERMINATE) state = TCheckState::Indeterminate;
    return state;
}

RECT ToggleBoxRect(const RECT& rect, const TToggleLook& look) {
    const int width = look.Strip ? look.Strip->Width() / std::max(look.FrameCount, 1) : 0;
    const int height = look.Strip ? look.Strip->Height() : 0;
    const int top = rect.top + ((rect.bottom - rect.top) - height) / 2;
    if (!look.RightButton) return RECT{rect.left, top, rect.left + width, top + height};
    const int right = rect.right - look.RightGap;
    return RECT{right - width, top, right, top + height};
}

void PaintToggle(HDC dc, const RECT& rect, const TToggleLook& look) {
    TSavedDC saved(dc);
    if (look.FillFace) {
        TBrushHandle face(CreateSolidBrush(look.Face));
        FillRect(dc, &rect, face.Get());
    }
    const RECT box = ToggleBoxRect(rect, look);
    StretchSkinFrame(dc, box, TSkinFrame{look.Strip, look.Frame, look.FrameCount},
                     TKeyColour::Transparent);
    if (!look.ShowCaption) return;
    RECT area = rect;
    if (look.RightButton)
        area.right = box.left - kTextGap;
    else
        area.left = box.right + kTextGap;
    DrawCaption(dc, rect, area, look);
}

const TClassInfo& TSkinToggleButton::StaticClass() {
    static const TClassInfo info(L"TSkinToggleButton", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinCheckBox::StaticClass() {
    static const TClassInfo info(L"TSkinCheckBox", &TSkinToggleButton::StaticClass());
    return info;
}

const TClassInfo& TSkinRadioButton::StaticClass() {
    static const TClassInfo info(L"TSkinRadioButton", &TSkinToggleButton::StaticClass());
    return info;
}

const TPixelBitmap& TSkinToggleButton::Strip() const {
    const TDataSkinButton& buttons = Skin().Buttons;
    return kind_ == TToggleKind::CheckBox ? buttons.CheckBitmap : buttons.RadioBitmap;
}

int TSkinToggleButton::FrameCount() const {
    const TDataSkinButton& buttons = Skin().Buttons;
    return kind_ == TToggleKind::CheckBox ? buttons.CheckFrameCount : buttons.RadioFrameCount;
}

// A toolkit control is painted whole by the skin when the skin has its
// strip; a raw window always paints itself.
void TSkinToggleButton::ReadSkinOptions() {
    TWinControl* control = Control();
    mode_ = control && !Strip().Empty() ? 1 : 0;
    transparent_ = (control && control->Tag() == kTransparentTag) ||
                   InSet(SkinData().Options(), xoTransparent);
}

void TSkinToggleButton::OnAttach() {
    sourceState_ = 0;
    ReadSkinOptions();
}

void TSkinToggleButton::SkinChanged() {
    if (AttachState() == TControlAttach::Attached) ReadSkinOptions();
    TSkinControl::SkinChanged();
}

bool TSkinToggleButton::BeforeMessage(TMessage& m) {
    if (!TSkinControl::BeforeMessage(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (mode_ != 1) return true;
        PaintMessage(m);
        return false;
    case WM_ERASEBKGND:
        if (mode_ == 1) {
            m.Result = 1; // the paint covers everything, the parent's part included
            return false;
        }
        if (!transparent_) return true;
        EraseToParent(m);
        return false;
    default:
        if (!PaintsOutsideWmPaint(m)) return true;
        PassOnAndDrawOver(m);
        return false;
    }
}

// Drawn when the outermost such message returns: a click's BM_SETSTATE and
// BM_SETCHECK inside its WM_LBUTTONUP cost one picture, not three.
void TSkinToggleButton::PassOnAndDrawOver(TMessage& m) {
    {
        TNesting inside(platformPaints_);
        CallPrevious(m);
    }
    // The control's own handling may have destroyed it or switched its skin off.
    if (AttachState() != TControlAttach::Attached || !SkinEnabled()) return;
    Notice(m);
    if (platformPaints_ == 0) PaintWindow(nullptr);
}

void TSkinToggleButton::Notice(const TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        Text = ReadWindowText(Handle());
        break;
    case WM_ENABLE:
        Enabled = m.WParam != 0;
        break;
    case BM_SETCHECK:
        sourceState_ = static_cast<int>(StateOfSetCheck(m.WParam)) + 1;
        break;
    default:
        break;
    }
}

// A print request the platform answered: the box goes over its picture.
void TSkinToggleButton::AfterMessage(TMessage& m) {
    if (m.Msg == WM_PRINTCLIENT) {
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TSkinControl::AfterMessage(m);
}

TCheckState TSkinToggleButton::State() const {
    TToggleSources sources;
    TWinControl* control = Control();
    if (kind_ == TToggleKind::RadioButton) {
        sources.ButtonState =
            static_cast<UINT>(SendMessageW(Handle(), BM_GETCHECK, 0, 0)) & BST_CHECKED;
        sources.CheckedText = GetEnumPropByName(control, L"Checked");
        return ShownState(sources);
    }
    sources.ButtonState = static_cast<UINT>(SendMessageW(Handle(), BM_GETSTATE, 0, 0));
    if (control) {
        sources.StateText = GetEnumPropByName(control, L"State");
        sources.CheckedText = GetEnumPropByName(control, L"Checked");
        if (IsPublishedProp(*control, L"DataField")) sources.SourceState = sourceState_;
        sources.DataBinding = IsPublishedProp(*control, L"DataBinding");
    }
    return ShownState(sources);
}

TToggleLook TSkinToggleButton::Look() const {
    TToggleLook look;
    look.Strip = &Strip();
    look.FrameCount = FrameCount();
    const auto style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const bool enabled = (style & WS_DISABLED) == 0;
    look.Frame = ToggleFrame(kind_, State(), !enabled, look.FrameCount);
    look.RightButton = (style & BS_RIGHTBUTTON) != 0;
    look.RightGap = kind_ == TToggleKind::RadioButton ? 1 : 0;
    look.RightToLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    TWinControl* control = Control();
    if (mode_ != 1 || !control) return look;
    look.FillFace = !transparent_;
    look.ShowCaption = true;
    const std::wstring caption = GetTextPropByName(control, L"Caption");
    look.Caption = caption.empty() ? Text : caption;
    look.Font = control->Font()->Handle();
    look.TextColour = enabled ? ColorToRGB(control->Font()->Color()) : GetSysColor(COLOR_BTNSHADOW);
    look.Face = FaceColour();
    const auto cues = static_cast<UINT>(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0));
    look.HidePrefix = (cues & UISF_HIDEACCEL) != 0;
    look.ShowFocus = GetFocus() == Handle() && !(cues & UISF_HIDEFOCUS);
    return look;
}

void TSkinToggleButton::DrawSkin(HDC dc, const RECT& rect) {
    if (Strip().Empty()) {
        // A skin without the strip leaves the control to the platform.
        if (mode_ == 1) InvalidateRect(Handle(), nullptr, TRUE);
        mode_ = 0;
        return;
    }
    const TToggleLook look = Look();
    if (mode_ != 1) {
        PaintToggle(dc, rect, look);
        return;
    }
    PaintBuffered(dc, rect, [&](HDC target) {
        if (transparent_) PaintControlInto(Control(), target);
        PaintToggle(target, rect, look);
    });
}
