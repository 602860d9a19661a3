#pragma once
// Turns a skin file image into a parsed skin: expands and indexes the
// archive, parses its INI description and fills the element records, the
// colour table and the caption-button list, then precomputes the derived
// images (combo-box strips, combo arrow, toolbar background).

#include "core/colour.h"
#include "core/skin_model.h"
#include "core/skin_reader.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TQuickIni;

// What one skin may hold. A skin file comes from anywhere: these keep a
// hostile one from exhausting memory or time, or from overflowing the
// painters' arithmetic. The stored skins stay far below every one.
constexpr std::size_t kMaxSkinIniBytes = 256 * 1024;
// Decoded pixels of all the skin's images together, each use counted.
constexpr std::int64_t kMaxSkinPixels = std::int64_t{1} << 24;
// Sections read as caption buttons, and as extra colours.
constexpr int kMaxSkinButtonSections = 64;
constexpr int kMaxSkinColourSections = 64;
// Every margin is clamped to 0..kMaxSkinMargin, every frame count to
// 1..kMaxSkinFrames and every offset to -kMaxSkinOffset..kMaxSkinOffset.
constexpr std::int32_t kMaxSkinMargin = 4096;
constexpr std::int32_t kMaxSkinFrames = 256;
constexpr std::int32_t kMaxSkinOffset = 4096;

// Loads the skin file image into `model`. False when the skin is refused
// (`readerResult`, when given, says why) and SkinNotLoaded stays true: a
// refused archive leaves the previous records, an error half-way (out of
// memory, a corrupt stream: any std::exception, which never escapes) a
// mixture that the caller must not show.
bool LoadSkin(TSkinModel& model, const std::uint8_t* image, std::size_t size,
              TSkinLoadResult* readerResult = nullptr);
inline bool LoadSkin(TSkinModel& model, const std::vector<std::uint8_t>& image,
                     TSkinLoadResult* readerResult = nullptr) {
    return LoadSkin(model, image.data(), image.size(), readerResult);
}
// The same from an archive that `reader` has already indexed.
bool LoadSkin(TSkinModel& model, const TSkinReader& reader, TSkinLoadResult* result = nullptr);

// Fetches one archive file by its bare name into `out` (left empty when the
// archive has no such file).
using TSkinFileSource =
    std::function<void(const std::string& name, std::vector<std::uint8_t>& out)>;

// Fills `model` from an already parsed INI, taking images from `files`.
void ParseSkin(TSkinModel& model, const TQuickIni& ini, const TSkinFileSource& files);

// "r g b" (three decimal numbers, any separators) to a colour; each channel
// modulo 256; an empty text gives black. ParseColourOr gives `def` for an
// empty text instead.
TColour ParseColour(const std::string& text);
TColour ParseColourOr(const std::string& text, TColour def);

// The colour sampled from the top border image, or the skin's ButtonFace.
TColour BaseColour(const TSkinModel& model);

// The frame count of a caption-button image given without a "frame" key.
int CaptionButtonFrameCount(int width, int height, int action);
