#include "skin_output.h"

#include <cmath>

namespace skinart {

std::string IniColour(Rgb c) {
    return std::to_string(std::lround(c.r)) + " " + std::to_string(std::lround(c.g)) + " " +
           std::to_string(std::lround(c.b));
}

void SkinOutput::Set(const std::string& section, const std::string& key, const std::string& value) {
    for (auto& s : sections_)
        if (s.first == section) {
            for (auto& kv : s.second)
                if (kv.first == key) {
                    kv.second = value;
                    return;
                }
            s.second.emplace_back(key, value);
            return;
        }
    sections_.push_back({section, {{key, value}}});
}

void SkinOutput::Set(const std::string& section, const std::string& key, int value) {
    Set(section, key, std::to_string(value));
}

void SkinOutput::Set(const std::string& section, const std::string& key, Rgb colour) {
    Set(section, key, IniColour(colour));
}

std::string SkinOutput::AddImage(const std::string& fileName, const Image& image) {
    images_[fileName] = image;
    return fileName;
}

void SkinOutput::CheckContrast(const std::string& what, double ratio) {
    contrasts_.emplace_back(what, ratio);
}

std::string SkinOutput::IniText() const {
    std::string text;
    for (const auto& s : sections_) {
        if (!text.empty()) text += "\r\n";
        text += "[" + s.first + "]\r\n";
        for (const auto& kv : s.second)
            text += kv.first + "=" + kv.second + "\r\n";
    }
    return text;
}

} // namespace skinart
