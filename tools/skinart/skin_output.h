// Collects what one skin consists of: the INI text, section by section, the
// pictures it names, and the text-contrast checks made along the way.
#pragma once

#include "image.h"
#include "palette.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace skinart {

// "R G B", the colour notation of the skin INI.
std::string IniColour(Rgb c);

class SkinOutput {
public:
    // Adds (or continues) a section; keys keep the order they are set in.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    void Set(const std::string& section, const std::string& key, int value);
    void Set(const std::string& section, const std::string& key, Rgb colour);
    // Stores the picture under the file name and returns the name for the INI.
    std::string AddImage(const std::string& fileName, const Image& image);
    void CheckContrast(const std::string& what, double ratio);

    std::string IniText() const;
    const std::map<std::string, Image>& Images() const { return images_; }
    const std::vector<std::pair<std::string, double>>& Contrasts() const { return contrasts_; }

private:
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
    std::map<std::string, Image> images_;
    std::vector<std::pair<std::string, double>> contrasts_;
};

} // namespace skinart
