#include "core/skin_reader.h"

#include "core/lzh_decoder.h"

#include "allocation_ceiling.h"
#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

void AppendInt32(Bytes& target, std::int32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        target.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
}

// A version-20000 archive (no version block) from its raw parts, so that
// malformed header fields can be written directly.
Bytes RawArchive(std::int32_t nameListLength, const std::string& names,
                 const std::vector<std::int32_t>& sizes, const std::string& data) {
    Bytes archive;
    AppendInt32(archive, 20000);
    AppendInt32(archive, nameListLength);
    AppendInt32(archive, 0);
    AppendInt32(archive, 0);
    archive.insert(archive.end(), names.begin(), names.end());
    for (std::int32_t size : sizes)
        AppendInt32(archive, size);
    archive.insert(archive.end(), data.begin(), data.end());
    return archive;
}

Bytes RawArchive(const std::string& names, const std::vector<std::int32_t>& sizes,
                 const std::string& data) {
    return RawArchive(static_cast<std::int32_t>(names.size()), names, sizes, data);
}

TSkinReader Loaded(const Bytes& archive) {
    TSkinReader reader;
    EXPECT_TRUE(reader.Load(LzhCompressImage(archive))) << SkinLoadResultText(reader.LastResult());
    return reader;
}

std::string FileText(const TSkinReader& reader, const std::string& name) {
    Bytes out = {'x'};
    reader.GetFileByName(name, out);
    return std::string(out.begin(), out.end());
}

TEST(SkinReader, ReadsEveryVersionWithItsBlockLength) {
    const struct {
        std::int32_t version;
        std::size_t firstNameAt;
    } cases[] = {{20000, 16}, {30000, 272}, {40000, 96}, {50000, 64}, {60000, 133}};
    for (const auto& c : cases) {
        const Bytes archive = BuildSkinArchive(
            {{"Skin.INI", ToBytes("[a]")}, {"frame.bmp", ToBytes("BM12")}}, c.version);
        ASSERT_GT(archive.size(), c.firstNameAt + 8);
        EXPECT_EQ(std::string(archive.begin() + c.firstNameAt, archive.begin() + c.firstNameAt + 8),
                  "Skin.INI");
        const TSkinReader reader = Loaded(archive);
        EXPECT_EQ(reader.VersionCode(), c.version);
        EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "frame.bmp"}));
        EXPECT_EQ(FileText(reader, "skin.ini"), "[a]");
        EXPECT_EQ(FileText(reader, "frame.bmp"), "BM12");
    }
}

TEST(SkinReader, RefusesUnknownVersionsWithTheUserMessage) {
    EXPECT_STREQ(kOlderSkinFileMessage, "This is Older Skin File\rPlease update to new version !");
    for (std::int32_t version : {0, 10000, 40001, 70000, -40000}) {
        Bytes archive = RawArchive("a.ini", {0}, "");
        archive[0] = static_cast<std::uint8_t>(version);
        archive[1] = static_cast<std::uint8_t>(version >> 8);
        archive[2] = static_cast<std::uint8_t>(version >> 16);
        archive[3] = static_cast<std::uint8_t>(version >> 24);
        TSkinReader reader;
        EXPECT_FALSE(reader.Load(LzhCompressImage(archive)));
        EXPECT_TRUE(reader.IsVersionRefusal()) << version;
        EXPECT_EQ(reader.Count(), 0);
    }
}

TEST(SkinReader, SplitsNameListsLikeText) {
    const struct {
        const char* list;
        std::vector<std::string> names;
    } cases[] = {
        {"A.ini\r\nB.bmp", {"a.ini", "b.bmp"}},
        {"A.ini\r\nB.bmp\r\n", {"a.ini", "b.bmp"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nc\n", {"a", "", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {" Spaced Name.BMP \n", {" spaced name.bmp "}},
        {"", {}},
        {"\n", {""}},
    };
    for (const auto& c : cases) {
        const std::string list = c.list;
        EXPECT_EQ(
            SplitSkinNameList(reinterpret_cast<const std::uint8_t*>(list.data()), list.size()),
            c.names)
            << c.list;
    }
    const std::string withZero("a\nb\0c\nd", 7);
    EXPECT_EQ(
        SplitSkinNameList(reinterpret_cast<const std::uint8_t*>(withZero.data()), withZero.size()),
        (std::vector<std::string>{"a", "b"}));
}

TEST(SkinReader, LooksUpByNameAndByNamePart) {
    const TSkinReader reader = Loaded(RawArchive(
        "a.ini.bmp\r\nButtons.bmp\r\nskin.ini\r\nbuttons.bmp", {2, 3, 4, 1}, "AABBBIIIIX"));
    EXPECT_EQ(FileText(reader, "Buttons.BMP"), "BBB");
    EXPECT_EQ(FileText(reader, "skins\\buttons.bmp"), "");
    EXPECT_EQ(FileText(reader, "missing.bmp"), "");

    Bytes out;
    std::string name = "unchanged";
    EXPECT_TRUE(reader.FindFileByNamePart(".ini", out, name));
    EXPECT_EQ(name, "a.ini.bmp");
    EXPECT_EQ(std::string(out.begin(), out.end()), "AA");
    EXPECT_TRUE(reader.FindFileByNamePart("skin", out, name));
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(std::string(out.begin(), out.end()), "IIII");

    name = "unchanged";
    EXPECT_FALSE(reader.FindFileByNamePart(".INI", out, name)); // the part is not lower-cased
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
}

TEST(SkinReader, LoadsAnEmptyArchive) {
    const TSkinReader reader = Loaded(RawArchive("", {}, ""));
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_EQ(FileText(reader, "skin.ini"), "");
}

TEST(SkinReader, RefusesMalformedArchivesWithoutReadingPastThem) {
    std::string manyNames;
    for (int i = 0; i < 1002; ++i)
        manyNames += "f\n";
    const struct {
        const char* what;
        Bytes archive;
        TSkinLoadResult result;
    } cases[] = {
        {"short header", Bytes{0x20, 0x4E, 0, 0, 0, 0}, TSkinLoadResult::HeaderTruncated},
        {"version block past the end", Bytes{0x30, 0x75, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         TSkinLoadResult::HeaderTruncated},
        {"negative name list", RawArchive(-1, "a", {1}, "x"), TSkinLoadResult::BadNameListLength},
        {"name list past the end", RawArchive(100, "a", {}, ""),
         TSkinLoadResult::BadNameListLength},
        {"more than 1001 names", RawArchive(manyNames, std::vector<std::int32_t>(1002, 0), ""),
         TSkinLoadResult::TooManyNames},
        {"size table cut short", RawArchive("a\nb", {1}, ""), TSkinLoadResult::SizeTableTruncated},
        {"negative size", RawArchive("a\nb", {-1, 2}, "x"), TSkinLoadResult::NegativeFileSize},
        {"sizes past the data", RawArchive("a\nb", {2, 2}, "xyz"), TSkinLoadResult::FilesPastData},
        {"sizes overflowing 32 bits", RawArchive("a\nb", {INT32_MAX, INT32_MAX}, "xyz"),
         TSkinLoadResult::FilesPastData},
    };
    for (const auto& c : cases) {
        TSkinReader reader;
        EXPECT_FALSE(reader.Load(LzhCompressImage(c.archive))) << c.what;
        EXPECT_EQ(reader.LastResult(), c.result) << c.what;
        EXPECT_EQ(reader.Count(), 0) << c.what;
        EXPECT_EQ(FileText(reader, "a"), "") << c.what;
    }
}

Bytes ImageDeclaring(std::size_t declared, std::size_t streamSize) {
    Bytes image;
    AppendInt32(image, static_cast<std::int32_t>(declared));
    image.resize(4 + streamSize, 0);
    return image;
}

TEST(SkinReader, RefusesExpandedSizesBeyondTheDecodersBound) {
    // Refused at once, before anything is decoded or grown: a size one past
    // what the stream can code, 2 GB in front of a 6-byte stream, and a size
    // the stream could code but no skin needs.
    const struct {
        std::size_t streamSize;
        std::size_t declared;
    } refused[] = {
        {6, LzhMaxExpandedSize(6) + 1},
        {1000, LzhMaxExpandedSize(1000) + 1},
        {6, INT32_MAX},
        {2'000'000, kLzhMaxExpandedSize + 1},
    };
    TSkinReader reader;
    for (const auto& c : refused) {
        EXPECT_FALSE(reader.Load(ImageDeclaring(c.declared, c.streamSize))) << c.declared;
        EXPECT_EQ(reader.LastResult(), TSkinLoadResult::ExpandedSizeTooLarge) << c.declared;
    }

    // Exactly at the bound is decoded (the zero-bit tail makes garbage, which
    // the archive checks then refuse).
    EXPECT_FALSE(reader.Load(ImageDeclaring(LzhMaxExpandedSize(2), 2)));
    EXPECT_NE(reader.LastResult(), TSkinLoadResult::ExpandedSizeTooLarge);

    for (const Bytes& tiny : {Bytes{}, Bytes{1, 0, 0}}) {
        EXPECT_FALSE(reader.Load(tiny));
        EXPECT_EQ(reader.LastResult(), TSkinLoadResult::ImageTooShort);
    }
    const Bytes empty = {0, 0, 0, 0};
    EXPECT_FALSE(reader.Load(empty));
    EXPECT_EQ(reader.LastResult(), TSkinLoadResult::HeaderTruncated);
}

TEST(SkinReader, StopsSplittingNamesPastTheFileLimit) {
    // Four million line breaks are refused without a string for each: the
    // list would need 128 MB, the ceiling allows single blocks of 1 MB.
    const Bytes archive = RawArchive(std::string(4'000'000, '\n'), {}, "");
    TSkinReader reader;
    bool loaded = true;
    {
        const TAllocationCeiling ceiling(1 << 20);
        EXPECT_NO_THROW(loaded = reader.LoadArchive(archive.data(), archive.size()));
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(reader.LastResult(), TSkinLoadResult::TooManyNames);
    EXPECT_EQ(reader.Count(), 0);
    // One name past the limit is enough to tell.
    const std::string list = "a\nb\nc\nd\n";
    EXPECT_EQ(SplitSkinNameList(reinterpret_cast<const std::uint8_t*>(list.data()), list.size(), 2),
              (std::vector<std::string>{"a", "b", "c"}));
}

} // namespace
