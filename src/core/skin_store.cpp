#include "core/skin_store.h"

#include <algorithm>

namespace {

void AppendInt32(TSkinBytes& target, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        target.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::int32_t ReadInt32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

TSkinCollectionItem::TSkinCollectionItem(TSkinCollection& owner, int id)
    : owner_(owner), id_(id), name_("SkinItem" + std::to_string(id)) {}

int TSkinCollectionItem::Index() const {
    const auto& items = owner_.items_;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == this) return static_cast<int>(i);
    return -1;
}

void TSkinCollectionItem::SetName(const std::string& value) {
    if (value == name_) return;
    for (const auto& other : owner_.items_)
        if (other.get() != this && other->name_ == value) throw ESkinNameInUse(value);
    name_ = value;
}

void TSkinCollectionItem::Assign(const TSkinCollectionItem& source) {
    if (&source == this) return;
    name_ = source.name_;
    data_ = source.data_;
}

void TSkinCollectionItem::SaveToStream(TSkinBytes& target) const {
    target.insert(target.end(), data_.begin(), data_.end());
}

void TSkinCollectionItem::ReadDataStream(const std::uint8_t* value, std::size_t size) {
    data_.assign(value, value + size);
}

TSkinCollectionItem& TSkinCollection::Add() {
    items_.push_back(
        std::unique_ptr<TSkinCollectionItem>(new TSkinCollectionItem(*this, nextId_++)));
    return *items_.back();
}

const TSkinCollectionItem* TSkinCollection::Find(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

void TSkinCollection::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

void TSkinCollection::Assign(const TSkinCollection& source) {
    if (&source == this) return;
    items_.clear();
    for (const auto& item : source.items_)
        Add().Assign(*item);
}

TSkinBytes EncodeBinaryValue(const TSkinBytes& bytes) {
    TSkinBytes framed;
    framed.reserve(bytes.size() + 4);
    AppendInt32(framed, static_cast<std::int32_t>(bytes.size()));
    framed.insert(framed.end(), bytes.begin(), bytes.end());
    return framed;
}

bool DecodeBinaryValue(const std::uint8_t* data, std::size_t size, TSkinBytes& bytes,
                       std::size_t& consumed) {
    if (size < 4) return false;
    const std::int32_t count = ReadInt32(data);
    if (count < 0 || static_cast<std::size_t>(count) > size - 4) return false;
    bytes.assign(data + 4, data + 4 + count);
    consumed = 4 + static_cast<std::size_t>(count);
    return true;
}

TSkinBytes WriteSkinStream(const TSkinBytes& image) {
    return EncodeBinaryValue(image);
}

TSkinStreamRead ReadSkinStream(const std::uint8_t* value, std::size_t size, TSkinBytes& image) {
    if (size < 4) return TSkinStreamRead::Truncated;
    const std::int32_t length = ReadInt32(value);
    if (length <= 0) return TSkinStreamRead::Empty;
    if (static_cast<std::size_t>(length) > size - 4) return TSkinStreamRead::Truncated;
    image.assign(value + 4, value + 4 + length);
    return TSkinStreamRead::Loaded;
}
