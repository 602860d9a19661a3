#pragma once
// TSkinStore: the form component that carries named skins, each a packed
// skin file image. Its collection "Store" is read from the form
// description (items with a Name and a binary "DataStream").
#include "core/skin_store.h"
#include "toolkit/collection.h"
#include "toolkit/component.h"

#include <memory>
#include <vector>

// One stored skin as the form reader sees it; the bytes live in the core item.
class TSkinStoreItem : public TPersistent {
    VELMORA_CLASS()
public:
    explicit TSkinStoreItem(TSkinCollectionItem& item) : item_(item) {}
    TSkinCollectionItem& Item() const { return item_; }

    std::wstring Name() const;
    void SetName(const std::wstring& name); // ESkinNameInUse on a clash
    std::wstring SkinData() const { return L"Load Skin"; }
    void SetSkinData(const std::wstring&) {}
    int DataSize() const { return item_.DataSize(); }
    std::vector<std::uint8_t> DataStream() const { return item_.WriteDataStream(); }
    void SetDataStream(const std::vector<std::uint8_t>& value);

private:
    TSkinCollectionItem& item_;
};

class TSkinStoreCollection : public TCollection {
    VELMORA_CLASS()
public:
    int Count() const override { return items_.Count(); }
    TPersistent* ItemAt(int index) override { return wrappers_.at(index).get(); }
    TPersistent* AddItem() override;
    void ClearItems() override;

    const TSkinCollection& Items() const { return items_; }
    // Replaces the items with copies of the source's.
    void Assign(const TSkinCollection& source);

private:
    TSkinCollection items_;
    std::vector<std::unique_ptr<TSkinStoreItem>> wrappers_;
};

class TSkinStore : public TComponent {
    VELMORA_CLASS()
public:
    explicit TSkinStore(TComponent* owner) : TComponent(owner) {}
    TSkinStoreCollection* Store() { return &store_; }
    const TSkinCollection& Items() const { return store_.Items(); }
    // Copies the given skins in; nothing happens for nullptr.
    void SetStore(const TSkinCollection* source);

private:
    TSkinStoreCollection store_;
};

// Makes TSkinStore and TSkinData known to the form reader.
void RegisterSkinComponents();

// Puts stored skin `index` of the owner's "SkinStore" into its "SkinData" and
// switches skinning on; nothing happens when either component is missing.
void SwitchToStoredSkin(TComponent& owner, int index);
// Switches the owner's "SkinData" off: the windows get their own look back.
void SwitchSkinOff(TComponent& owner);
