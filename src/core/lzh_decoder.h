// Expansion of LZHUF-compressed skin images (4 KB window, 60-byte matches,
// adaptive Huffman coding of literals and lengths).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

// Upper 6 position bits and total code length (3..8 bits) for the first 8
// bits of a coded match position; the encoder derives its codes from these.
extern const std::array<std::uint8_t, 256> kLzhPositionCode;
extern const std::array<std::uint8_t, 256> kLzhPositionLength;

// Ring of the match window, its initial space fill and the match lengths.
constexpr int kLzhWindowSize = 4096;
constexpr int kLzhMaxMatch = 60;
constexpr int kLzhMinMatch = 3;
constexpr int kLzhRingStart = kLzhWindowSize - kLzhMaxMatch;

// No skin comes near this: the stored ones expand to about 215 KB.
constexpr std::size_t kLzhMaxExpandedSize = std::size_t{64} << 20;

// The most bytes a bit stream of `streamSize` bytes can expand to, and so the
// largest size Decode accepts for it: a code is at least one bit and a match
// of at most 60 bytes at least 10, so 48 bytes per stream byte (480 more for
// the zero bits read past its end), and never beyond kLzhMaxExpandedSize.
std::size_t LzhMaxExpandedSize(std::size_t streamSize);

extern const char* const kLzhNoMemoryMessage;     // "LZH : Cannot get memory for dictionary tables"
extern const char* const kLzhSizeTooLargeMessage; // a size beyond LzhMaxExpandedSize

// One decoder per expansion. The input is borrowed; bytes past its end read as
// zero bits. Expanded bytes are appended to the output as they are produced.
class TLZH {
public:
    TLZH(const std::uint8_t* input, std::size_t inputSize, std::vector<std::uint8_t>& output)
        : input_(input), inputSize_(inputSize), output_(output) {}

    // Appends at least `size` bytes (a final match is copied whole, so up to 59
    // more); nothing when size <= 0. Throws ElzhException, before writing
    // anything, for a size beyond LzhMaxExpandedSize of the input and when
    // the tables cannot be allocated; a failure to allocate the output
    // propagates as std::bad_alloc.
    void Decode(std::int32_t size);

private:
    const std::uint8_t* input_;
    std::size_t inputSize_;
    std::vector<std::uint8_t>& output_;
};

// Expands a whole skin file image (signed 32-bit little-endian expanded size,
// then the bit stream); throws like TLZH::Decode.
std::vector<std::uint8_t> LzhExpandImage(const std::uint8_t* image, std::size_t size);
