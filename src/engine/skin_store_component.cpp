#include "engine/skin_store_component.h"

#include "engine/skin_data.h"
#include "toolkit/class_registry.h"

#include <windows.h>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

} // namespace

const TClassInfo& TSkinStoreItem::StaticClass() {
    static const TClassInfo info(
        L"TSkinCollectionItem", &TPersistent::StaticClass(), [](TClassInfo& c) {
            c.Str(L"Name", &TSkinStoreItem::Name, &TSkinStoreItem::SetName);
            c.Str(L"SkinData", &TSkinStoreItem::SkinData, &TSkinStoreItem::SetSkinData);
            c.Int<TSkinStoreItem>(L"DataSize", &TSkinStoreItem::DataSize, nullptr);
            c.Binary(L"DataStream", &TSkinStoreItem::DataStream, &TSkinStoreItem::SetDataStream);
        });
    return info;
}

std::wstring TSkinStoreItem::Name() const {
    return Wide(item_.Name());
}

void TSkinStoreItem::SetName(const std::wstring& name) {
    item_.SetName(Utf8(name));
}

void TSkinStoreItem::SetDataStream(const std::vector<std::uint8_t>& value) {
    item_.ReadDataStream(value.data(), value.size());
}

const TClassInfo& TSkinStoreCollection::StaticClass() {
    static const TClassInfo info(L"TSkinCollection", &TCollection::StaticClass());
    return info;
}

TPersistent* TSkinStoreCollection::AddItem() {
    wrappers_.push_back(std::make_unique<TSkinStoreItem>(items_.Add()));
    return wrappers_.back().get();
}

void TSkinStoreCollection::ClearItems() {
    wrappers_.clear();
    items_.Clear();
}

void TSkinStoreCollection::Assign(const TSkinCollection& source) {
    wrappers_.clear();
    items_.Assign(source);
    for (int i = 0; i < items_.Count(); ++i)
        wrappers_.push_back(std::make_unique<TSkinStoreItem>(items_.Item(i)));
}

const TClassInfo& TSkinStore::StaticClass() {
    static const TClassInfo info(
        L"TSkinStore", &TComponent::StaticClass(),
        [](TClassInfo& c) {
            c.Obj<TSkinStore, TSkinStoreCollection>(L"Store", &TSkinStore::Store);
        },
        [](TComponent* owner) -> TComponent* { return new TSkinStore(owner); });
    return info;
}

void TSkinStore::SetStore(const TSkinCollection* source) {
    if (source) store_.Assign(*source);
}

void RegisterSkinComponents() {
    RegisterComponentClass(TSkinStore::StaticClass());
    RegisterComponentClass(TSkinData::StaticClass());
}

void SwitchToStoredSkin(TComponent& owner, int index) {
    auto* skinData = owner.Find<TSkinData>(L"SkinData");
    auto* store = owner.Find<TSkinStore>(L"SkinStore");
    if (!skinData || !store) return;
    skinData->SelectStoredSkin(store->Items(), index);
    skinData->SetActive(true);
}

void SwitchSkinOff(TComponent& owner) {
    if (auto* skinData = owner.Find<TSkinData>(L"SkinData")) skinData->SetActive(false);
}
