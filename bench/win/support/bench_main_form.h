#pragma once
// A form read from its stored description and shown, with the skin manager
// started but skinning off: the real main form, or the gallery's. The timing
// programs carry out skin actions at once instead of waiting for the
// manager's timer.
#include "app/main_form.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"

#include <memory>

class TBenchForm {
public:
    // False (with a message printed) when the form has no skin component.
    bool Open(std::unique_ptr<TForm> form, const wchar_t* resource);
    // Runs a skin action (ActionSkinAll, ActionUnskinAll, ...) now.
    void Carry(TSkinAction action);
    void Close();

    HWND Window() const { return form_->Handle(); }
    TSkinManage& Manager() { return *manager_; }

protected:
    std::unique_ptr<TForm> form_;
    TSkinData* data_ = nullptr;
    TSkinManage* manager_ = nullptr;
};

class TBenchMainForm : public TBenchForm {
public:
    bool Open() { return TBenchForm::Open(std::make_unique<TFrmMain>(nullptr), L"TFRMMAIN"); }
    TFrmMain& Form() { return static_cast<TFrmMain&>(*form_); }
};
