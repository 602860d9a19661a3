#pragma once
// The status bar: the platform's status window with panels (or one simple
// text), a size grip when the bar's parent is sizeable, and a draw event for
// owner-drawn panels. Its parent passes WM_SIZE on so it follows the bottom.
#include "toolkit/alignment.h"
#include "toolkit/collection.h"
#include "toolkit/win_control.h"

#include <functional>
#include <memory>
#include <vector>

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TPersistent {
    VELMORA_CLASS()
public:
    explicit TStatusPanel(TStatusBar* owner) : owner_(owner) {}
    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& v);
    int Width() const { return width_; }
    void SetWidth(int v);
    int Alignment() const { return alignment_; }
    void SetAlignment(int v);
    int Bevel() const { return bevel_; }
    void SetBevel(int v);
    int Style() const { return style_; }
    void SetStyle(int v);

private:
    TStatusBar* owner_;
    std::wstring text_;
    int width_ = 50;
    int alignment_ = taLeftJustify;
    int bevel_ = pbLowered;
    int style_ = psText;
};

class TStatusPanels : public TCollection {
    VELMORA_CLASS()
public:
    explicit TStatusPanels(TStatusBar* owner) : owner_(owner) {}
    int Count() const override { return static_cast<int>(panels_.size()); }
    TStatusPanel* Items(int index) const { return panels_.at(index).get(); }
    TStatusPanel* Add();
    TPersistent* ItemAt(int index) override { return Items(index); }
    TPersistent* AddItem() override { return Add(); }
    void ClearItems() override;

private:
    TStatusBar* owner_;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

using TDrawPanelEvent =
    std::function<void(TStatusBar* sender, TStatusPanel* panel, HDC dc, const RECT& rect)>;

class TStatusBar : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TStatusBar(TComponent* owner);
    TStatusPanels* Panels() { return &panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    std::wstring SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::wstring& v);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    TDrawPanelEvent OnDrawPanel;

    // The panels changed: the window shows them anew.
    void PanelsChanged();
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void ApplyPanels();
    void DrawPanel(const DRAWITEMSTRUCT& item);

    TStatusPanels panels_;
    bool simplePanel_ = false;
    std::wstring simpleText_;
    bool sizeGrip_ = true;
};
