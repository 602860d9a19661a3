#include "core/lzh_decoder.h"

#include "lzh_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Expand(const Bytes& stream, std::int32_t size) {
    Bytes out;
    TLZH(stream.data(), stream.size(), out).Decode(size);
    return std::string(out.begin(), out.end());
}

// Streams worked out bit by bit from the initial tree (every symbol has
// frequency 1; literal 'A' is the 9-bit code 111001101) and the position
// code tables; the expected bytes are what any LZHUF decoder with these
// parameters produces.
struct HandDerivedCase {
    const char* what;
    Bytes stream;
    std::int32_t size;
    std::string expected;
};

TEST(LzhDecoder, DecodesHandDerivedStreams) {
    const HandDerivedCase cases[] = {
        {"one literal", {0xE6, 0x80}, 1, "A"},
        {"match of 5 into the initial spaces", {0x8E, 0x05, 0x00}, 5, "     "},
        // 'x', then a 4-byte match from 2 back: one initial space, then the
        // copy overlaps its own output.
        {"literal then overlapping match", {0x04, 0x8D, 0x00, 0x80}, 5, "x x x"},
        {"a match is copied whole past the size", {0x8E, 0x05, 0x00}, 2, "     "},
        // Past the input every bit is 0: the all-zero path is 't' at first,
        // then the 60-byte match from 1 back.
        {"missing input reads as zero bits", {}, 3, std::string(61, 't')},
        {"last byte's missing bits are zeros", {0xE6}, 2, "@t"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Expand(c.stream, c.size), c.expected) << c.what;
}

TEST(LzhDecoder, WritesNothingForSizeZeroOrBelow) {
    for (std::int32_t size : {0, -1, INT32_MIN}) {
        Bytes out = {'k', 'e', 'e', 'p'};
        const Bytes stream = {0xE6, 0x80};
        TLZH(stream.data(), stream.size(), out).Decode(size);
        EXPECT_EQ(std::string(out.begin(), out.end()), "keep") << size;
    }
    const Bytes zeroSizedImage = {0, 0, 0, 0, 0xFF, 0xFF};
    EXPECT_TRUE(LzhExpandImage(zeroSizedImage.data(), zeroSizedImage.size()).empty());
}

// Past the end of the stream every bit reads as 0, so only the decoder's own
// bound stops a lying size: beyond it nothing is decoded or allocated.
TEST(LzhDecoder, RefusesSizesItsStreamCannotHold) {
    const struct {
        const char* what;
        std::size_t streamSize;
        std::int32_t size;
    } cases[] = {
        {"one past the bound", 6, static_cast<std::int32_t>(LzhMaxExpandedSize(6)) + 1},
        {"2 GB from 6 bytes", 6, INT32_MAX},
        {"past the absolute cap", 2'000'000, static_cast<std::int32_t>(kLzhMaxExpandedSize) + 1},
    };
    for (const auto& c : cases) {
        const Bytes stream(c.streamSize, 0);
        Bytes out = {'k'};
        EXPECT_THROW(TLZH(stream.data(), stream.size(), out).Decode(c.size), ElzhException)
            << c.what;
        EXPECT_EQ(out, Bytes{'k'}) << c.what;
    }
    EXPECT_EQ(LzhMaxExpandedSize(6), 480u);
    EXPECT_EQ(LzhMaxExpandedSize(1000), 48u * 1000 + 480);
    EXPECT_EQ(LzhMaxExpandedSize(2'000'000), kLzhMaxExpandedSize);
    EXPECT_EQ(LzhMaxExpandedSize(SIZE_MAX), kLzhMaxExpandedSize);
}

TEST(LzhDecoder, DecodesUpToItsBound) {
    for (std::size_t streamSize : {std::size_t{0}, std::size_t{6}, std::size_t{1000}}) {
        const Bytes stream(streamSize, 0);
        const auto bound = static_cast<std::int32_t>(LzhMaxExpandedSize(streamSize));
        Bytes out;
        TLZH(stream.data(), stream.size(), out).Decode(bound);
        EXPECT_GE(out.size(), static_cast<std::size_t>(bound)) << streamSize;
        EXPECT_LT(out.size(), static_cast<std::size_t>(bound) + kLzhMaxMatch) << streamSize;
    }
}

TEST(LzhDecoder, AppendsWithoutReachingIntoEarlierContent) {
    Bytes out = {'Z', 'Z', 'Z', 'Z'};
    const Bytes stream = {0x8E, 0x05, 0x00};
    TLZH(stream.data(), stream.size(), out).Decode(5);
    EXPECT_EQ(std::string(out.begin(), out.end()), "ZZZZ     ");
}

// 32,460 literal 'a', "Rebuilt!" and a 6-byte match coded by a reference
// LZHUF encoder: the 32,455th symbol rebuilds the tree (root count 0x8000),
// so the tail only comes out right if the rebuild is exact.
TEST(LzhDecoder, FollowsTheTreeRebuild) {
    std::ifstream in(VELMORA_SOURCE_DIR "/tests/core/data/lzh_rebuild.lzh", std::ios::binary);
    ASSERT_TRUE(in);
    const Bytes stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string expected = std::string(32460, 'a') + "Rebuilt!" + "Rebuil";
    EXPECT_EQ(Expand(stream, static_cast<std::int32_t>(expected.size())), expected);
}

Bytes MakeInput(int kind, std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) {
        switch (kind) {
        case 0:
            data[i] = static_cast<std::uint8_t>(rng());
            break; // incompressible
        case 1:
            data[i] = "skin \r\n=[]"[rng() % 10];
            break; // text-like
        case 2:
            data[i] = i % 5000 < 4000 ? 0xFF : static_cast<std::uint8_t>(i);
            break; // runs
        default:
            data[i] = i >= 4096 ? data[i - 4096] : static_cast<std::uint8_t>(rng()); // far repeats
        }
    }
    return data;
}

TEST(LzhDecoder, RoundTripsEncoderOutput) {
    const std::size_t sizes[] = {0, 1, 2, 3, 61, 4097, 90000};
    for (int kind = 0; kind < 4; ++kind) {
        for (std::size_t size : sizes) {
            const Bytes data = MakeInput(kind, size, static_cast<unsigned>(size) + kind);
            const Bytes image = LzhCompressImage(data);
            EXPECT_EQ(LzhExpandImage(image.data(), image.size()), data)
                << "kind " << kind << " size " << size;
        }
    }
}

TEST(LzhDecoder, PositionTablesHaveThePublishedShape) {
    // Each upper-bits value owns an aligned run of 2^(8 - length) first bytes.
    for (int v = 0; v < 256; ++v) {
        const int length = kLzhPositionLength[v];
        ASSERT_GE(length, 3);
        ASSERT_LE(length, 8);
        const int runStart = v & ~((1 << (8 - length)) - 1);
        EXPECT_EQ(kLzhPositionCode[v], kLzhPositionCode[runStart]) << v;
    }
    EXPECT_EQ(kLzhPositionCode[31], 0);
    EXPECT_EQ(kLzhPositionCode[32], 1);
    EXPECT_EQ(kLzhPositionCode[80], 4);
    EXPECT_EQ(kLzhPositionCode[144], 12);
    EXPECT_EQ(kLzhPositionCode[192], 24);
    EXPECT_EQ(kLzhPositionCode[240], 48);
    EXPECT_EQ(kLzhPositionCode[255], 63);
}

} // namespace
