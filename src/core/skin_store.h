// Named stored skins and the byte layouts of the two binary properties that
// carry skin file images in a form description ("DataStream" of a store item,
// "SkinStream" of the skin data component).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using TSkinBytes = std::vector<std::uint8_t>;

// Raised when an item is renamed to a name another item already has.
class ESkinNameInUse : public std::runtime_error {
public:
    explicit ESkinNameInUse(const std::string& name)
        : std::runtime_error("The name " + name + " is already used.") {}
};

class TSkinCollection;

class TSkinCollectionItem {
public:
    int Id() const { return id_; }
    int Index() const;

    const std::string& Name() const { return name_; }
    // Exact, case-sensitive uniqueness within the collection; throws
    // ESkinNameInUse and keeps the old name on a clash.
    void SetName(const std::string& value);
    std::string DisplayName() const { return name_; }

    // Always "Load Skin"; a design-time button caption, not data.
    std::string SkinData() const { return "Load Skin"; }
    int DataSize() const { return static_cast<int>(data_.size()); }

    const TSkinBytes& Data() const { return data_; }
    void SetData(TSkinBytes data) { data_ = std::move(data); }

    // Copies the name (no uniqueness check) and all of the data.
    void Assign(const TSkinCollectionItem& source);
    // Appends all of the data to `target`.
    void SaveToStream(TSkinBytes& target) const;

    // "DataStream": the property value is the whole item data, nothing added.
    void ReadDataStream(const std::uint8_t* value, std::size_t size);
    TSkinBytes WriteDataStream() const { return data_; }

private:
    friend class TSkinCollection;
    TSkinCollectionItem(TSkinCollection& owner, int id);

    TSkinCollection& owner_;
    int id_;
    std::string name_;
    TSkinBytes data_;
};

// Ordered skins; selected by 0-based position. Ids are never reused.
class TSkinCollection {
public:
    TSkinCollection() = default;
    TSkinCollection(const TSkinCollection&) = delete;
    TSkinCollection& operator=(const TSkinCollection&) = delete;

    // A new item at the end, named "SkinItem" + its id.
    TSkinCollectionItem& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TSkinCollectionItem& Item(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TSkinCollectionItem& Item(int index) const {
        return *items_.at(static_cast<std::size_t>(index));
    }
    // Null when index is outside 0..Count()-1.
    const TSkinCollectionItem* Find(int index) const;
    void Clear() { items_.clear(); }
    void Delete(int index);

    // Replaces the items with copies of the source's (names and data).
    void Assign(const TSkinCollection& source);

private:
    friend class TSkinCollectionItem;
    std::vector<std::unique_ptr<TSkinCollectionItem>> items_;
    int nextId_ = 0;
};

// A binary property value in a form description: 4-byte little-endian count,
// then that many bytes.
TSkinBytes EncodeBinaryValue(const TSkinBytes& bytes);
// Reads one framed value at `data`; false when the count is negative or runs
// past `size`. `consumed` receives the framed length.
bool DecodeBinaryValue(const std::uint8_t* data, std::size_t size, TSkinBytes& bytes,
                       std::size_t& consumed);

// "SkinStream": signed 32-bit little-endian length L of the skin file image,
// then the image when L > 0.
TSkinBytes WriteSkinStream(const TSkinBytes& image);

enum class TSkinStreamRead {
    Empty,     // L <= 0: the component keeps what it held
    Loaded,    // `image` replaced by the L bytes
    Truncated, // fewer than 4 bytes, or fewer than L bytes follow: nothing changed
};
TSkinStreamRead ReadSkinStream(const std::uint8_t* value, std::size_t size, TSkinBytes& image);
