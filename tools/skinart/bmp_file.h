// Writes an Image as an uncompressed 24-bit Windows bitmap file.
#pragma once

#include "image.h"

#include <string>
#include <vector>

namespace skinart {

std::vector<unsigned char> EncodeBmp(const Image& image);
bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

} // namespace skinart
