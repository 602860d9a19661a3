#include "engine/controls/picture_hand_over.h"

#include "engine/controls/control_props.h"
#include "engine/skin_draw.h"
#include "toolkit/bitmap.h"
#include "toolkit/win_control.h"

#include <algorithm>

namespace {

TBitmap* BitmapProp(TPersistent* control, const std::wstring& name) {
    return dynamic_cast<TBitmap*>(GetObjectPropByName(control, name));
}

} // namespace

bool TKeptPictures::Replace(TPersistent* control, const std::wstring& name,
                            const TPixelBitmap& pixels) {
    TBitmap* target = BitmapProp(control, name);
    if (!target) return false;
    const bool kept =
        std::any_of(kept_.begin(), kept_.end(), [&](const TKept& k) { return k.Name == name; });
    if (!kept)
        kept_.push_back(
            {name, target->Empty() ? std::vector<std::uint8_t>{} : target->SaveToBmpBytes()});
    const std::unique_ptr<TBitmap> picture = ToBitmap(pixels);
    if (picture)
        target->LoadFromBmpBytes(picture->SaveToBmpBytes());
    else
        target->SetSize(0, 0);
    return true;
}

void TKeptPictures::PutBack(TPersistent* control) {
    for (const TKept& k : kept_) {
        TBitmap* target = BitmapProp(control, k.Name);
        if (!target) continue;
        if (k.Bytes.empty())
            target->SetSize(0, 0);
        else
            target->LoadFromBmpBytes(k.Bytes);
    }
    kept_.clear();
}

const TClassInfo& TSkinPictureHandOver::StaticClass() {
    static const TClassInfo info(L"TSkinPictureHandOver", &TSkinControl::StaticClass());
    return info;
}

void TSkinPictureHandOver::OnAttach() {
    HandOver();
}

void TSkinPictureHandOver::SkinChanged() {
    if (AttachState() != TControlAttach::Attached) return;
    HandOver();
    TSkinControl::SkinChanged();
}

bool TSkinPictureHandOver::Replace(const std::wstring& name, const TPixelBitmap& pixels) {
    return Control() && kept_.Replace(Control(), name, pixels);
}

// Runs before the base puts the properties it set back, so a control told
// to read its pictures again finds the application's.
void TSkinPictureHandOver::OnRestore() {
    if (Control()) kept_.PutBack(Control());
}
