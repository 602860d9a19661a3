#pragma once
// The parsed form of a skin's elements: one record per element, holding its
// image strip, the margins drawn unscaled, the drawing mode and the state
// colours. The skin loader fills them; painting only reads them.

#include "core/caption_button_codes.h"
#include "core/colour.h"
#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"

#include <cstdint>
#include <string>
#include <utility>

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    // The number of frames in the strip; a count below 1 reads as one frame.
    std::int32_t Frames() const { return FrameCount < 1 ? 1 : FrameCount; }
    // Frame `index` of the strip, as the drawing routines take it.
    TSkinFrame Frame(std::int32_t index) const { return {&Bitmap, index, FrameCount}; }
    // How an element's nine-slice middle is filled (its Tile key; borders
    // read it the other way round, see BorderFill).
    TCentreFill Fill() const { return Tile == 1 ? TCentreFill::Tile : TCentreFill::Stretch; }
    TSkinMargins Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
    void SetMargins(const TSkinMargins& margins) {
        LeftWidth = margins.Left;
        TopHeight = margins.Top;
        RightWidth = margins.Right;
        BottomHeight = margins.Bottom;
    }

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    TPixelBitmap Bitmap;
    std::int32_t Trans = 0;
    std::int32_t Tile = 0; // 0: centre stretched, 1: tiled
    std::string Name;
    std::int32_t FrameCount = 0;
    std::int32_t Style = 0;
    // -1 means "not given"; the loader sets that, the constructor leaves 0.
    TColour NormalColour = 0;
    TColour MouseOverColour = 0;
    TColour PressedColour = 0;
    TColour NormalColour2 = 0;
    TColour MouseOverColour2 = 0;
    TColour PressedColour2 = 0;
};

// Window-frame borders and elements with a second image.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    // The frame a window border shows: the second one while inactive, when
    // the strip has one.
    std::int32_t BorderFrame(bool active) const { return (active || Frames() == 1) ? 1 : 2; }
    // A border's Tile holds its Stretch key: 1 stretches the middle.
    TCentreFill BorderFill() const { return Tile != 1 ? TCentreFill::Tile : TCentreFill::Stretch; }
    TPixelBitmap Bitmap2;
};

// The caption text area. The base margins are reused: LeftWidth and
// TopHeight shift the text, RightWidth clips it on the right.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextAlignment = 0;
    std::int32_t TextBackground = 0;
    std::int32_t FontHeight = 0;
    std::int32_t TextBackLeft = 0;
    std::int32_t TextBackRight = 0;
    TColour ActiveTextColour = 0;   // 0x1FFFFFFF: not given
    TColour InactiveTextColour = 0; // 0x1FFFFFFF: not given
};

constexpr TColour kTitleColourNotGiven = 0x1FFFFFFF;

// The push-button element, which also carries the check and radio marks.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TPixelBitmap CheckBitmap;
    TPixelBitmap RadioBitmap;
    std::int32_t RadioFrameCount = 0;
    std::int32_t CheckFrameCount = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// One caption button of the skinned frame (or of a maximized MDI child).
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0; // TCaptionAction
    std::int32_t Align = 0;  // TCaptionAlign
    std::int32_t XCoord = 0;
    std::int32_t YCoord = 0;
    std::int32_t CombineOp = 0;  // -1: none
    std::int32_t Visibility = 0; // TCaptionVisibility, both must hold
    std::int32_t Visibility1 = 0;
};

// The group-box caption element.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;
};
