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

// Loads the skin file image into `model`. False when the archive is refused
// (`readerResult`, when given, says why; the previous records stay and
// SkinNotLoaded stays true). Decoder errors propagate, leaving SkinNotLoaded
// true.
bool LoadSkin(TSkinModel& model, const std::uint8_t* image, std::size_t size,
              TSkinLoadResult* readerResult = nullptr);
inline bool LoadSkin(TSkinModel& model, const std::vector<std::uint8_t>& image,
                     TSkinLoadResult* readerResult = nullptr) {
    return LoadSkin(model, image.data(), image.size(), readerResult);
}

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
