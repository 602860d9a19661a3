#pragma once
// Popup menus and their items. The native menu is built afresh each time the
// menu pops up, from the items' current captions and states.
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/gdi_objects.h"

#include <functional>
#include <memory>
#include <vector>

class TMenuItem : public TComponent {
    VELMORA_CLASS()
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    ~TMenuItem() override;

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v) { caption_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v) { radioItem_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    // Index into the menu's Images, -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }
    bool IsLine() const { return caption_ == L"-"; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* ParentItem() const { return parentItem_; }

    void SetParentComponent(TComponent* parent) override;
    virtual void Click();
    TNotifyEvent OnClick;

    // Appends this item's children to `menu`; commands are numbered from
    // `nextId`, recorded in `byId`.
    void BuildInto(HMENU menu, UINT& nextId, std::vector<TMenuItem*>& byId) const;

private:
    std::wstring caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    bool visible_ = true;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TMenuItem* parentItem_ = nullptr;
    std::vector<TMenuItem*> items_;
};

enum TMenuAutoFlag { maAutomatic, maManual, maParent };

// A form's menu bar. Read from a form description it becomes its form's
// Menu; the form shows it while its window lives and passes the bar's
// commands back to run the chosen item's OnClick.
class TMainMenu : public TComponent {
    VELMORA_CLASS()
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    TMenuItem* Items() { return &root_; }
    // The bar's menu, built at the first call from the items; owned.
    HMENU Handle();
    // Runs the OnClick of the item with command `id`; false for none.
    bool DispatchCommand(UINT id);
    void SetParentComponent(TComponent* parent) override;

private:
    TMenuItem root_;
    TMenuHandle handle_;
    std::vector<TMenuItem*> byId_;
};

class TPopupMenu : public TComponent {
    VELMORA_CLASS()
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TMenuItem* Items() { return &root_; }
    int AutoHotkeys() const { return autoHotkeys_; }
    void SetAutoHotkeys(int v) { autoHotkeys_ = v; }
    // The images items show by ImageIndex; not owned.
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST v) { images_ = v; }
    // Where the menu last popped up, in screen coordinates.
    POINT PopupPoint() const { return popupPoint_; }

    // Builds the native menu, shows it at a screen point, waits for the
    // choice and runs the chosen item's OnClick.
    void Popup(int x, int y);

    // Shows the built menu and returns the chosen command (0 for none).
    // Replaceable so that a test can read the menu instead of showing it.
    std::function<UINT(HMENU menu, int x, int y)> Track;

    TNotifyEvent OnPopup;

    // Called with each built menu just before it is shown; what it returns
    // is kept until the menu is closed. Program-wide: a skin engine uses it
    // to draw the items itself.
    using TShowHook = std::function<std::shared_ptr<void>(TPopupMenu& menu, HMENU built)>;
    static void SetShowHook(TShowHook hook);

private:
    TMenuItem root_;
    HIMAGELIST images_ = nullptr;
    int autoHotkeys_ = maAutomatic;
    POINT popupPoint_{0, 0};
};
