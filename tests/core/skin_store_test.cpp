#include "core/skin_store.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinCollection, NamesNewItemsByIdWhichIsNeverReused) {
    TSkinCollection store;
    EXPECT_EQ(store.Add().Name(), "SkinItem0");
    EXPECT_EQ(store.Add().Name(), "SkinItem1");
    store.Delete(1);
    const TSkinCollectionItem& third = store.Add();
    EXPECT_EQ(third.Name(), "SkinItem2");
    EXPECT_EQ(third.Index(), 1);
    EXPECT_EQ(third.SkinData(), "Load Skin");
    EXPECT_EQ(third.DataSize(), 0);
    EXPECT_EQ(store.Find(2), nullptr);
    EXPECT_EQ(store.Find(-1), nullptr);
}

TEST(SkinCollection, RenamingEnforcesExactUniqueness) {
    TSkinCollection store;
    TSkinCollectionItem& first = store.Add();
    TSkinCollectionItem& second = store.Add();
    try {
        second.SetName("SkinItem0");
        FAIL() << "duplicate name accepted";
    } catch (const ESkinNameInUse& e) {
        EXPECT_STREQ(e.what(), "The name SkinItem0 is already used.");
    }
    EXPECT_EQ(second.Name(), "SkinItem1");

    second.SetName("skinitem0"); // case makes a different name
    EXPECT_EQ(second.Name(), "skinitem0");
    second.SetName("");
    EXPECT_EQ(second.Name(), "");

    // After a copy two items may share a name; renaming to it stays a no-op.
    second.Assign(first);
    EXPECT_EQ(second.Name(), "SkinItem0");
    EXPECT_NO_THROW(second.SetName("SkinItem0"));
}

TEST(SkinCollection, CopiesNameAndAllData) {
    TSkinCollection store;
    TSkinCollectionItem& source = store.Add();
    source.SetData({1, 2, 3});
    TSkinCollectionItem& target = store.Add();
    target.Assign(source);
    EXPECT_EQ(target.Data(), (TSkinBytes{1, 2, 3}));
    EXPECT_EQ(target.DataSize(), 3);

    TSkinCollection copy;
    copy.Add();
    copy.Assign(store);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Item(1).Name(), "SkinItem0");
    EXPECT_EQ(copy.Item(1).Data(), (TSkinBytes{1, 2, 3}));

    TSkinBytes saved = {9};
    source.SaveToStream(saved);
    EXPECT_EQ(saved, (TSkinBytes{9, 1, 2, 3}));
}

TEST(SkinStoreStreams, DataStreamIsTheItemDataFramedByItsCount) {
    TSkinCollection store;
    TSkinCollectionItem& item = store.Add();
    EXPECT_EQ(EncodeBinaryValue(item.WriteDataStream()), (TSkinBytes{0, 0, 0, 0}));

    const TSkinBytes value = {0xAA, 0xBB, 0xCC};
    item.ReadDataStream(value.data(), value.size());
    EXPECT_EQ(item.DataSize(), 3);
    EXPECT_EQ(EncodeBinaryValue(item.WriteDataStream()),
              (TSkinBytes{3, 0, 0, 0, 0xAA, 0xBB, 0xCC}));
    item.ReadDataStream(nullptr, 0);
    EXPECT_EQ(item.DataSize(), 0);
}

TEST(SkinStoreStreams, DecodesFramedValuesOnlyWithinBounds) {
    struct Case {
        TSkinBytes framed;
        bool ok;
        TSkinBytes bytes;
    };
    const Case cases[] = {
        {{2, 0, 0, 0, 7, 8, 9}, true, {7, 8}},
        {{0, 0, 0, 0}, true, {}},
        {{3, 0, 0, 0, 7, 8}, false, {}},
        {{0xFF, 0xFF, 0xFF, 0xFF, 1}, false, {}},
        {{1, 0, 0}, false, {}},
    };
    for (const auto& c : cases) {
        TSkinBytes bytes;
        std::size_t consumed = 0;
        EXPECT_EQ(DecodeBinaryValue(c.framed.data(), c.framed.size(), bytes, consumed), c.ok);
        if (c.ok) {
            EXPECT_EQ(bytes, c.bytes);
            EXPECT_EQ(consumed, c.bytes.size() + 4);
        }
    }
}

TEST(SkinStoreStreams, SkinStreamIsLengthThenImage) {
    EXPECT_EQ(WriteSkinStream({}), (TSkinBytes{0, 0, 0, 0}));
    EXPECT_EQ(WriteSkinStream({5, 6}), (TSkinBytes{2, 0, 0, 0, 5, 6}));

    struct Case {
        TSkinBytes value;
        TSkinStreamRead result;
        TSkinBytes image; // afterwards; starts as {1}
    };
    const Case cases[] = {
        {{2, 0, 0, 0, 5, 6}, TSkinStreamRead::Loaded, {5, 6}},
        {{2, 0, 0, 0, 5, 6, 7}, TSkinStreamRead::Loaded, {5, 6}},
        {{0, 0, 0, 0}, TSkinStreamRead::Empty, {1}},
        {{0xFE, 0xFF, 0xFF, 0xFF, 5}, TSkinStreamRead::Empty, {1}},
        {{3, 0, 0, 0, 5, 6}, TSkinStreamRead::Truncated, {1}},
        {{3, 0}, TSkinStreamRead::Truncated, {1}},
    };
    for (const auto& c : cases) {
        TSkinBytes image = {1};
        EXPECT_EQ(ReadSkinStream(c.value.data(), c.value.size(), image), c.result);
        EXPECT_EQ(image, c.image);
    }
}

} // namespace
