#pragma once
// The report-style list view: columns, items with sub-items, check boxes,
// item data and sorting with a compare callback.
#include "toolkit/collection.h"
#include "toolkit/win_control.h"

#include <memory>
#include <vector>

class TListView;
class TListItem;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TPersistent {
    VELMORA_CLASS()
public:
    explicit TListColumn(TListView* owner) : owner_(owner) {}
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    int Width() const { return width_; }
    void SetWidth(int v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v) { maxWidth_ = v; }
    // The column takes the width the other columns leave.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

private:
    TListView* owner_;
    std::wstring caption_;
    int width_ = 50;
    int maxWidth_ = 0;
    bool autoSize_ = false;
};

class TListColumns : public TCollection {
    VELMORA_CLASS()
public:
    explicit TListColumns(TListView* owner) : owner_(owner) {}
    int Count() const override { return static_cast<int>(columns_.size()); }
    TListColumn* Items(int index) const { return columns_.at(index).get(); }
    TListColumn* Add();
    TPersistent* ItemAt(int index) override { return Items(index); }
    TPersistent* AddItem() override { return Add(); }
    void ClearItems() override;

private:
    TListView* owner_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

// The texts of an item's columns after the first.
class TSubItems {
public:
    explicit TSubItems(TListItem* item) : item_(item) {}
    int Count() const { return static_cast<int>(strings_.size()); }
    // Throws std::out_of_range for a missing sub-item.
    const std::wstring& Strings(int index) const { return strings_.at(index); }
    const std::wstring& operator[](int index) const { return Strings(index); }
    void Add(const std::wstring& s);
    void Set(int index, const std::wstring& s);

private:
    TListItem* item_;
    std::vector<std::wstring> strings_;
};

class TListItem {
public:
    explicit TListItem(TListView* owner) : owner_(owner), subItems_(this) {}
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    TListView* Owner() const { return owner_; }
    int Index() const;
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    TSubItems& SubItems() { return subItems_; }
    const TSubItems& SubItems() const { return subItems_; }
    bool Checked() const;
    void SetChecked(bool v);
    bool Selected() const;
    void SetSelected(bool v);
    void* Data() const { return data_; }
    void SetData(void* v) { data_ = v; }
    // Top-left of the item in the list's client coordinates.
    POINT Position() const;

private:
    friend class TSubItems;
    TListView* owner_;
    std::wstring caption_;
    TSubItems subItems_;
    void* data_ = nullptr;
};

class TListItems {
public:
    explicit TListItems(TListView* owner) : owner_(owner) {}
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const { return items_.at(index).get(); }
    TListItem* operator[](int index) const { return Item(index); }
    TListItem* Add();
    void Clear();
    int IndexOf(const TListItem* item) const;

private:
    friend class TListView;
    TListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

using TLVCompare = int (*)(TListItem* item1, TListItem* item2, LPARAM data);

class TListView : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TListView(TComponent* owner);

    int ViewStyle() const { return viewStyle_; }
    void SetViewStyle(int v) { viewStyle_ = v; }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v);
    TListColumns* Columns() { return &columns_; }
    TListItems& Items() { return items_; }
    // The first selected item, or nullptr.
    TListItem* Selected() const;

    // Sorts the items with `compare`, which gets `data` as its third argument.
    bool CustomSort(TLVCompare compare, LPARAM data);

    // The header's sort arrow on `column` (up for ascending); -1 shows none.
    void SetSortArrow(int column, bool ascending);

    // Between BeginUpdate and the matching EndUpdate the list is not drawn:
    // a rebuild shows neither the emptied list nor half of its rows, only
    // the result, in one repaint at the end. Calls nest.
    void BeginUpdate();
    void EndUpdate();

    TColumnClickEvent OnColumnClick;

    void WndProc(TMessage& m) override;
    // Recomputes the width of auto-sized columns from the client width.
    void UpdateColumns();

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void ApplyExtendedStyle();
    void ApplySortArrow();
    void ColumnsRebuild();
    friend class TListColumns;
    friend class TListColumn;

    int viewStyle_ = vsIcon;
    bool checkboxes_ = false;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool updatingColumns_ = false;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    int updateCount_ = 0;
    bool redrawSuspended_ = false;
    TListColumns columns_;
    TListItems items_;
};

// BeginUpdate for a scope: the list is drawn again however the scope ends.
class TListUpdate {
public:
    explicit TListUpdate(TListView& list) : list_(list) { list_.BeginUpdate(); }
    ~TListUpdate() { list_.EndUpdate(); }
    TListUpdate(const TListUpdate&) = delete;
    TListUpdate& operator=(const TListUpdate&) = delete;

private:
    TListView& list_;
};
