#pragma once
// The gallery's window: a sizeable form with a few controls and one button
// per look (yellow skin, blue skin, the system's own).
#include "toolkit/button.h"
#include "toolkit/form.h"

class TGalleryForm : public TForm {
    VELMORA_CLASS()
public:
    explicit TGalleryForm(TComponent* owner) : TForm(owner) {}

    void BtnYellowClick(TObject* sender);
    void BtnBlueClick(TObject* sender);
    void BtnSystemClick(TObject* sender);
    std::any MethodAddress(const std::wstring& name) override;
};
