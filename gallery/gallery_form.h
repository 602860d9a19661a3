#pragma once
// The gallery's window: a sizeable form with a few controls and one button
// per look (yellow skin, blue skin, the system's own), containers of every
// kind, buttons of every kind in every state, and a button that opens a raw
// dialog of the platform's controls.
#include "toolkit/button.h"
#include "toolkit/form.h"

class TGalleryForm : public TForm {
    VELMORA_CLASS()
public:
    explicit TGalleryForm(TComponent* owner) : TForm(owner) {}

    void BtnYellowClick(TObject* sender);
    void BtnBlueClick(TObject* sender);
    void BtnSystemClick(TObject* sender);
    void BtnRawDialogClick(TObject* sender);
    void FormCreate(TObject* sender);
    // The menu button drops the gallery's menu.
    void Loaded() override;
    // The status bar follows the window's bottom edge; a skin file dropped
    // on the window is tried at once; a tab's close box closes its page
    // unless the page is tagged 1.
    void WndProc(TMessage& m) override;
    std::any MethodAddress(const std::wstring& name) override;
};
