// The core's UTF-8 decoding, which the form reader and the .theme reader
// use, takes and refuses exactly what the platform's strict decoding does.
#include "core/utf16_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The platform's reading: false when it refuses the bytes.
bool PlatformUtf8(const std::string& bytes, std::wstring& out) {
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return false;
    out.assign(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                        out.data(), n);
    return true;
}

// Both readings of the bytes; the mismatch, or nothing.
std::string Mismatch(const std::string& bytes) {
    std::wstring platform;
    std::u16string core;
    const bool platformTakes = PlatformUtf8(bytes, platform);
    const bool coreTakes = Utf8ToUtf16(bytes, core);
    if (platformTakes == coreTakes &&
        (!coreTakes || std::wstring(core.begin(), core.end()) == platform))
        return {};
    std::string hex;
    for (unsigned char b : bytes) {
        const char digits[] = "0123456789ABCDEF";
        hex += {digits[b >> 4], digits[b & 15], ' '};
    }
    return hex + (platformTakes ? "platform takes" : "platform refuses") +
           (coreTakes ? ", core takes" : ", core refuses");
}

// Each prefix of the bytes read alike, or the mismatches, at most a few.
void ExpectSameReading(const std::string& bytes, int& mismatches) {
    for (size_t length = 1; length <= bytes.size() && mismatches < 10; ++length) {
        const std::string message = Mismatch(bytes.substr(0, length));
        if (message.empty()) continue;
        ADD_FAILURE() << message;
        ++mismatches;
    }
}

} // namespace

// Every pair of bytes, then every three- and four-byte lead with the
// continuation bytes at the edges of their ranges and bytes that cannot
// continue: every overlong form, surrogate, value past U+10FFFF and cut
// sequence is among them, with an ASCII byte after each so that a cut
// sequence also stands in the middle of the text.
TEST(Utf8Decoding, AgreesWithThePlatform) {
    const unsigned char edges[] = {0x41, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0};
    int mismatches = 0;
    for (int lead = 0; lead < 256; ++lead)
        for (int second = 0; second < 256; ++second)
            ExpectSameReading({char(lead), char(second), 'z'}, mismatches);
    for (int lead = 0xE0; lead <= 0xF7; ++lead)
        for (int second = 0x80; second <= 0xC0; ++second)
            for (unsigned char third : edges)
                for (unsigned char fourth : edges)
                    ExpectSameReading({char(lead), char(second), char(third), char(fourth), 'z'},
                                      mismatches);
}
