// Other libraries' controls that draw themselves from pictures the skin
// hands them: check and radio controls taking a glyph strip laid out in
// their slots, and a page control taking two tab backgrounds. Stand-ins of
// this test publish what those controls publish; the application's own
// pictures must come back when the skin goes.
#include "own_form_fixture.h"

#include "core/skin_model.h"
#include "engine/controls/adv_page.h"
#include "engine/controls/obj_image.h"
#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"
#include "toolkit/page_control.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

// A check box drawing itself from CustomGlyphs while UseCustomGlyphs is on.
class TRzCheckBox : public TCustomControl {
    VELMORA_CLASS()
public:
    using TCustomControl::TCustomControl;
    TBitmap* CustomGlyphs() { return &glyphs_; }
    bool UseCustomGlyphs() const { return use_; }
    void SetUseCustomGlyphs(bool v) { use_ = v; }
    int TransparentColor() const { return transparent_; }
    void SetTransparentColor(int v) { transparent_ = v; }

private:
    TBitmap glyphs_;
    bool use_ = false;
    int transparent_ = 0x008080;
};

class TRzRadioButton : public TRzCheckBox {
    VELMORA_CLASS()
public:
    using TRzCheckBox::TRzCheckBox;
};

class TcxCheckBoxProperties : public TPersistent {
    VELMORA_CLASS()
public:
    TBitmap* Glyph() { return &glyph_; }

private:
    TBitmap glyph_;
};

// A check box whose glyph lives in its Properties object.
class TcxCheckBox : public TCustomControl {
    VELMORA_CLASS()
public:
    using TCustomControl::TCustomControl;
    TcxCheckBoxProperties* Properties() { return &properties_; }

private:
    TcxCheckBoxProperties properties_;
};

// A page control drawing its tabs on two background pictures.
class TAdvPageControl : public TPageControl {
    VELMORA_CLASS()
public:
    using TPageControl::TPageControl;
    TBitmap* TabBackGround() { return &normal_; }
    TBitmap* TabBackGroundActive() { return &active_; }

private:
    TBitmap normal_;
    TBitmap active_;
};

} // namespace

const TClassInfo& TRzCheckBox::StaticClass() {
    static const TClassInfo info(L"TRzCheckBox", &TCustomControl::StaticClass(), [](TClassInfo& c) {
        c.Obj<TRzCheckBox, TBitmap>(L"CustomGlyphs", &TRzCheckBox::CustomGlyphs);
        c.Bool<TRzCheckBox>(L"UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs,
                            &TRzCheckBox::SetUseCustomGlyphs);
        c.Int<TRzCheckBox>(L"TransparentColor", &TRzCheckBox::TransparentColor,
                           &TRzCheckBox::SetTransparentColor);
    });
    return info;
}

const TClassInfo& TRzRadioButton::StaticClass() {
    static const TClassInfo info(L"TRzRadioButton", &TRzCheckBox::StaticClass());
    return info;
}

const TClassInfo& TcxCheckBoxProperties::StaticClass() {
    static const TClassInfo info(
        L"TcxCheckBoxProperties", &TPersistent::StaticClass(), [](TClassInfo& c) {
            c.Obj<TcxCheckBoxProperties, TBitmap>(L"Glyph", &TcxCheckBoxProperties::Glyph);
        });
    return info;
}

const TClassInfo& TcxCheckBox::StaticClass() {
    static const TClassInfo info(L"TcxCheckBox", &TCustomControl::StaticClass(), [](TClassInfo& c) {
        c.Obj<TcxCheckBox, TcxCheckBoxProperties>(L"Properties", &TcxCheckBox::Properties);
    });
    return info;
}

const TClassInfo& TAdvPageControl::StaticClass() {
    static const TClassInfo info(
        L"TAdvPageControl", &TPageControl::StaticClass(), [](TClassInfo& c) {
            c.Obj<TAdvPageControl, TBitmap>(L"TabBackGround", &TAdvPageControl::TabBackGround);
            c.Obj<TAdvPageControl, TBitmap>(L"TabBackGroundActive",
                                            &TAdvPageControl::TabBackGroundActive);
        });
    return info;
}

TEST(GlyphHandOver, EachKindFillsItsSlotsFromTheSkinsFrames) {
    using G = TGlyphHandOver;
    struct TRow {
        G Kind;
        int Frames;
        std::vector<int> Slots;
    } rows[] = {
        {G::CheckItem, 5, {1, 2, 5, 1, 2, 5, 3, 4, 5}},
        {G::CheckItem, 4, {1, 2, 0, 1, 2, 0, 3, 4, 0}},
        {G::CheckItem, 12, {1, 2, 0, 1, 2, 0, 3, 4, 0}},
        {G::RadioItem, 4, {1, 2, 1, 2, 3, 4}},
        {G::RadioItem, 8, {1, 2, 1, 2, 3, 4}},
        // A strip too short leaves the slots it has no frame for empty.
        {G::RadioItem, 2, {1, 2, 1, 2, 0, 0}},
        {G::PropertiesGlyph, 5, {1, 2, 5, 1, 2, 5}},
        {G::PropertiesGlyph, 4, {1, 2, 0, 1, 2, 0}},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(GlyphSlots(row.Kind, row.Frames), row.Slots)
            << "kind " << static_cast<int>(row.Kind) << ", " << row.Frames << " frames";
}

// A 4-frame check strip: the empty slots 3, 6 and 9 are see-through.
TEST(GlyphHandOver, TheStripCopiesFramesAndLeavesEmptySlotsInTheKeyColour) {
    const TColour colours[] = {0x0000C0, 0x00C000, 0xC00000, 0x404040};
    TPixelBitmap source(4 * 3, 2);
    for (int f = 0; f < 4; ++f)
        source.FillRect(f * 3, 0, f * 3 + 3, 2, colours[f]);
    const TPixelBitmap strip = BuildGlyphStrip(TGlyphHandOver::CheckItem, source, 4);
    ASSERT_EQ(strip.Width(), 9 * 3);
    ASSERT_EQ(strip.Height(), 2);
    const int frames[] = {1, 2, 0, 1, 2, 0, 3, 4, 0};
    for (int slot = 0; slot < 9; ++slot)
        for (int x = slot * 3; x < slot * 3 + 3; ++x)
            EXPECT_EQ(strip.Pixel(x, 1), frames[slot] ? colours[frames[slot] - 1] : kKeyColour)
                << "slot " << slot + 1;
    EXPECT_TRUE(BuildGlyphStrip(TGlyphHandOver::RadioItem, TPixelBitmap(), 4).Empty());
}

namespace {

std::vector<std::uint8_t> PictureOf(TBitmap& bitmap) {
    return bitmap.Empty() ? std::vector<std::uint8_t>{} : bitmap.SaveToBmpBytes();
}

// A small picture of the application's own.
void PaintOwn(TBitmap& bitmap, COLORREF colour) {
    bitmap.SetSize(5, 3);
    TBrushHandle brush(CreateSolidBrush(colour));
    RECT all{0, 0, 5, 3};
    FillRect(bitmap.DC(), &all, brush.Get());
}

// Slot by slot, the strip holds the frames the slot table names.
void ExpectSlots(const TBitmap& strip, TGlyphHandOver kind, const TPixelBitmap& source,
                 int frames) {
    const std::vector<int> slots = GlyphSlots(kind, frames);
    const int w = source.Width() / frames, h = source.Height();
    ASSERT_EQ(strip.Width(), w * static_cast<int>(slots.size()));
    ASSERT_EQ(strip.Height(), h);
    for (int i = 0; i < static_cast<int>(slots.size()); ++i) {
        const COLORREF expected =
            slots[i] ? static_cast<COLORREF>(source.Pixel((slots[i] - 1) * w + w / 2, h / 2))
                     : kSkinKeyColour;
        EXPECT_EQ(strip.Pixel(i * w + w / 2, h / 2), expected) << "slot " << i + 1;
    }
}

class OtherLibrariesTest : public OwnFormTest {};

} // namespace

TEST_F(OtherLibrariesTest, GlyphsAreHandedOverAndTheApplicationsOwnComeBack) {
    auto* check = Add<TRzCheckBox>(RECT{10, 10, 150, 30});
    auto* radio = Add<TRzRadioButton>(RECT{10, 40, 150, 60});
    auto* cx = Add<TcxCheckBox>(RECT{10, 70, 150, 90});
    PaintOwn(*check->CustomGlyphs(), RGB(1, 2, 3));
    check->SetUseCustomGlyphs(true);
    PaintOwn(*cx->Properties()->Glyph(), RGB(4, 5, 6));
    const std::vector<std::uint8_t> ownCheck = PictureOf(*check->CustomGlyphs());
    const std::vector<std::uint8_t> ownCx = PictureOf(*cx->Properties()->Glyph());
    for (TWinControl* control : std::initializer_list<TWinControl*>{check, radio, cx})
        control->HandleNeeded();
    const TControlsLook before = TControlsLook::Of(*own_);

    ASSERT_NE(SkinOwn(), nullptr);
    // Each stored skin in turn: a skin change hands its glyphs over again.
    for (int stored : {0, 1}) {
        SelectSkin(stored);
        const TDataSkinButton& buttons = data_->Skin().Buttons;
        ASSERT_FALSE(buttons.CheckBitmap.Empty());
        ASSERT_FALSE(buttons.RadioBitmap.Empty());
        ExpectSlots(*check->CustomGlyphs(), TGlyphHandOver::CheckItem, buttons.CheckBitmap,
                    buttons.CheckFrameCount);
        ExpectSlots(*radio->CustomGlyphs(), TGlyphHandOver::RadioItem, buttons.RadioBitmap,
                    buttons.RadioFrameCount);
        ExpectSlots(*cx->Properties()->Glyph(), TGlyphHandOver::PropertiesGlyph,
                    buttons.CheckBitmap, buttons.CheckFrameCount);
        for (TRzCheckBox* box : {check, static_cast<TRzCheckBox*>(radio)}) {
            EXPECT_TRUE(box->UseCustomGlyphs());
            EXPECT_EQ(box->TransparentColor(), 0xFF00FF);
        }
    }

    SkinOff();
    EXPECT_EQ(PictureOf(*check->CustomGlyphs()), ownCheck);
    EXPECT_TRUE(check->UseCustomGlyphs());
    EXPECT_TRUE(radio->CustomGlyphs()->Empty());
    EXPECT_FALSE(radio->UseCustomGlyphs());
    EXPECT_EQ(radio->TransparentColor(), 0x008080);
    EXPECT_EQ(PictureOf(*cx->Properties()->Glyph()), ownCx);
    EXPECT_EQ(TControlsLook::Of(*own_), before);
}

TEST_F(OtherLibrariesTest, TabBackgroundsAreHandedOverAndTheApplicationsOwnComeBack) {
    auto* pages = Add<TAdvPageControl>(RECT{10, 100, 300, 200});
    PaintOwn(*pages->TabBackGround(), RGB(7, 8, 9));
    pages->HandleNeeded();
    const std::vector<std::uint8_t> own = PictureOf(*pages->TabBackGround());
    const TControlsLook before = TControlsLook::Of(*own_);

    // Only the class map names such a control: without the line it would be
    // skinned as the page control it derives from.
    data_->SetSkin3rd({L"TAdvPageControl=advpagecontrol"});
    ASSERT_NE(SkinOwn(), nullptr);
    ASSERT_TRUE(data_->Skin().Tabs);
    for (auto [picture, frame] :
         {std::pair{pages->TabBackGround(), 1}, std::pair{pages->TabBackGroundActive(), 2}}) {
        ASSERT_EQ(picture->Width(), kTabPictureWidth);
        ASSERT_EQ(picture->Height(), kTabPictureHeight);
        const TPixelBitmap expected = TabPicture(data_->Skin(), frame);
        for (int x : {1, 50, 98})
            EXPECT_EQ(picture->Pixel(x, 10), static_cast<COLORREF>(expected.Pixel(x, 10)))
                << "frame " << frame << " at " << x;
    }

    SkinOff();
    EXPECT_EQ(PictureOf(*pages->TabBackGround()), own);
    EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
    EXPECT_EQ(TControlsLook::Of(*own_), before);
}
