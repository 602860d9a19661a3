#include "toolkit/list_view.h"

#include "toolkit/caught_errors.h"

#include <commctrl.h>

#include <stdexcept>

namespace {
const TEnumInfo kViewStyles{{L"vsIcon", L"vsSmallIcon", L"vsList", L"vsReport"}};

struct TSortContext {
    TLVCompare Compare;
    LPARAM Data;
};

int CALLBACK SortThunk(LPARAM a, LPARAM b, LPARAM context) {
    auto* c = reinterpret_cast<TSortContext*>(context);
    // An exception may not cross the list view's sort.
    try {
        return c->Compare(reinterpret_cast<TListItem*>(a), reinterpret_cast<TListItem*>(b),
                          c->Data);
    } catch (...) {
        RecordCaughtError("list view sort");
        return -1;
    }
}
} // namespace

// Columns.

const TClassInfo& TListColumn::StaticClass() {
    static const TClassInfo info(L"TListColumn", &TPersistent::StaticClass(), [](TClassInfo& c) {
        c.Str<TListColumn>(L"Caption", &TListColumn::Caption, &TListColumn::SetCaption);
        c.Int<TListColumn>(L"Width", &TListColumn::Width, &TListColumn::SetWidth);
        c.Int<TListColumn>(L"MaxWidth", &TListColumn::MaxWidth, &TListColumn::SetMaxWidth);
        c.Bool<TListColumn>(L"AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize);
    });
    return info;
}

void TListColumn::SetCaption(const std::wstring& v) {
    caption_ = v;
    owner_->ColumnsRebuild();
}
void TListColumn::SetWidth(int v) {
    width_ = v;
    owner_->ColumnsRebuild();
}
void TListColumn::SetAutoSize(bool v) {
    autoSize_ = v;
    owner_->UpdateColumns();
}

const TClassInfo& TListColumns::StaticClass() {
    static const TClassInfo info(L"TListColumns", &TCollection::StaticClass());
    return info;
}

TListColumn* TListColumns::Add() {
    columns_.push_back(std::make_unique<TListColumn>(owner_));
    owner_->ColumnsRebuild();
    return columns_.back().get();
}

void TListColumns::ClearItems() {
    columns_.clear();
    owner_->ColumnsRebuild();
}

// Items.

void TSubItems::Add(const std::wstring& s) {
    strings_.push_back(s);
    Set(Count() - 1, s);
}

void TSubItems::Set(int index, const std::wstring& s) {
    strings_.at(index) = s;
    TListView* lv = item_->Owner();
    int row = item_->Index();
    if (lv->HandleAllocated() && row >= 0)
        ListView_SetItemText(lv->Handle(), row, index + 1, const_cast<wchar_t*>(s.c_str()));
}

int TListItem::Index() const {
    return owner_->Items().IndexOf(this);
}

void TListItem::SetCaption(const std::wstring& v) {
    caption_ = v;
    int row = Index();
    if (owner_->HandleAllocated() && row >= 0)
        ListView_SetItemText(owner_->Handle(), row, 0, const_cast<wchar_t*>(v.c_str()));
}

bool TListItem::Checked() const {
    return owner_->HandleAllocated() && ListView_GetCheckState(owner_->Handle(), Index());
}

void TListItem::SetChecked(bool v) {
    if (owner_->HandleAllocated()) ListView_SetCheckState(owner_->Handle(), Index(), v);
}

bool TListItem::Selected() const {
    return owner_->HandleAllocated() &&
           ListView_GetItemState(owner_->Handle(), Index(), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool v) {
    if (owner_->HandleAllocated())
        ListView_SetItemState(owner_->Handle(), Index(), v ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

POINT TListItem::Position() const {
    POINT p{0, 0};
    if (owner_->HandleAllocated()) ListView_GetItemPosition(owner_->Handle(), Index(), &p);
    return p;
}

int TListItems::IndexOf(const TListItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

TListItem* TListItems::Add() {
    owner_->HandleNeeded();
    items_.push_back(std::make_unique<TListItem>(owner_));
    TListItem* item = items_.back().get();
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT | LVIF_PARAM;
    lvi.iItem = Count() - 1;
    lvi.pszText = const_cast<wchar_t*>(L"");
    lvi.lParam = reinterpret_cast<LPARAM>(item);
    if (ListView_InsertItem(owner_->Handle(), &lvi) < 0) {
        items_.pop_back();
        throw std::runtime_error("list view refused an item");
    }
    return item;
}

void TListItems::Clear() {
    if (owner_->HandleAllocated()) ListView_DeleteAllItems(owner_->Handle());
    items_.clear();
}

// The list view.

const TClassInfo& TListView::StaticClass() {
    static const TClassInfo info(
        L"TListView", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Enum<TListView>(L"ViewStyle", kViewStyles, &TListView::ViewStyle,
                              &TListView::SetViewStyle);
            c.Bool<TListView>(L"Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes);
            c.Bool<TListView>(L"ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly);
            c.Bool<TListView>(L"RowSelect", &TListView::RowSelect, &TListView::SetRowSelect);
            c.Obj<TListView, TListColumns>(L"Columns", &TListView::Columns);
            c.Event(L"OnColumnClick", &TListView::OnColumnClick);
        },
        [](TComponent* o) { return new TListView(o); });
    return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner), columns_(this), items_(this) {
    color_ = clWindow;
}

void TListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = WC_LISTVIEWW;
    p.SystemClass = true;
    static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= styles[viewStyle_ & 3] | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
               WS_TABSTOP;
    if (!readOnly_) p.Style |= LVS_EDITLABELS;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
    ApplyExtendedStyle();
    COLORREF bk = ColorToRGB(color_);
    ListView_SetBkColor(Handle(), bk);
    ListView_SetTextBkColor(Handle(), bk);
    ListView_SetTextColor(Handle(), ColorToRGB(font_.Color()));
    ColumnsRebuild();
}

void TListView::ApplyExtendedStyle() {
    if (!HandleAllocated()) return;
    DWORD ex = (checkboxes_ ? LVS_EX_CHECKBOXES : 0) | (rowSelect_ ? LVS_EX_FULLROWSELECT : 0);
    ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT, ex);
}

void TListView::SetCheckboxes(bool v) {
    checkboxes_ = v;
    ApplyExtendedStyle();
}

void TListView::SetRowSelect(bool v) {
    rowSelect_ = v;
    ApplyExtendedStyle();
}

void TListView::ColumnsRebuild() {
    if (!HandleAllocated() || Loading()) return;
    HWND h = Handle();
    while (ListView_DeleteColumn(h, 0)) {
    }
    for (int i = 0; i < columns_.Count(); ++i) {
        TListColumn* c = columns_.Items(i);
        std::wstring caption = c->Caption();
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = caption.data();
        col.cx = c->Width();
        col.iSubItem = i;
        ListView_InsertColumn(h, i, &col);
    }
    ApplySortArrow();
    UpdateColumns();
}

void TListView::UpdateColumns() {
    if (!HandleAllocated() || updatingColumns_) return;
    updatingColumns_ = true;
    RECT r;
    GetClientRect(Handle(), &r);
    int fixed = 0, autoIndex = -1;
    for (int i = 0; i < columns_.Count(); ++i) {
        if (columns_.Items(i)->AutoSize())
            autoIndex = i;
        else
            fixed += ListView_GetColumnWidth(Handle(), i);
    }
    if (autoIndex >= 0) {
        int w = r.right - fixed;
        if (w < 0) w = 0;
        if (ListView_GetColumnWidth(Handle(), autoIndex) != w)
            ListView_SetColumnWidth(Handle(), autoIndex, w);
    }
    updatingColumns_ = false;
}

TListItem* TListView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    int i = ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
    return i >= 0 && i < items_.Count() ? items_.Item(i) : nullptr;
}

bool TListView::CustomSort(TLVCompare compare, LPARAM data) {
    if (!HandleAllocated() || !compare) return false;
    TSortContext context{compare, data};
    if (!ListView_SortItems(Handle(), SortThunk, reinterpret_cast<LPARAM>(&context))) return false;
    // Follow the control's new order.
    std::vector<std::unique_ptr<TListItem>> ordered;
    for (int i = 0; i < items_.Count(); ++i) {
        LVITEMW lvi{};
        lvi.mask = LVIF_PARAM;
        lvi.iItem = i;
        ListView_GetItem(Handle(), &lvi);
        auto* item = reinterpret_cast<TListItem*>(lvi.lParam);
        for (auto& owned : items_.items_)
            if (owned.get() == item) ordered.push_back(std::move(owned));
    }
    if (ordered.size() == items_.items_.size()) items_.items_ = std::move(ordered);
    return true;
}

void TListView::SetSortArrow(int column, bool ascending) {
    sortColumn_ = column;
    sortAscending_ = ascending;
    ApplySortArrow();
}

void TListView::ApplySortArrow() {
    HWND header = HandleAllocated() ? ListView_GetHeader(Handle()) : nullptr;
    if (!header) return;
    for (int i = 0; i < Header_GetItemCount(header); ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        if (!Header_GetItem(header, i, &item)) continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == sortColumn_) item.fmt |= sortAscending_ ? HDF_SORTUP : HDF_SORTDOWN;
        Header_SetItem(header, i, &item);
    }
}

void TListView::BeginUpdate() {
    if (updateCount_++ != 0 || !HandleAllocated()) return;
    // Turning redrawing back on shows a hidden window: suspend only a shown one.
    redrawSuspended_ = (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (redrawSuspended_) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ != 0 || !redrawSuspended_) return;
    redrawSuspended_ = false;
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    // Redrawing came back without a paint: draw the outcome once, frame and
    // scroll bar included (their size may have changed meanwhile).
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TListView::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr->code == LVN_COLUMNCLICK) {
            if (OnColumnClick) OnColumnClick(this, reinterpret_cast<NMLISTVIEW*>(hdr)->iSubItem);
            return;
        }
        break;
    }
    case WM_NOTIFY: {
        // The header's own notifications: keep columns within their maximum.
        auto* hdr = reinterpret_cast<NMHEADERW*>(m.LParam);
        if ((hdr->hdr.code == HDN_ITEMCHANGINGW || hdr->hdr.code == HDN_ITEMCHANGINGA) &&
            hdr->pitem && (hdr->pitem->mask & HDI_WIDTH) && hdr->iItem >= 0 &&
            hdr->iItem < columns_.Count()) {
            int max = columns_.Items(hdr->iItem)->MaxWidth();
            if (max > 0 && hdr->pitem->cxy > max) {
                m.Result = TRUE;
                return;
            }
        }
        break;
    }
    case WM_SIZE:
        TWinControl::WndProc(m);
        UpdateColumns();
        return;
    }
    TWinControl::WndProc(m);
}
