#pragma once
// The real main form, read from its stored description and shown, with the
// skin manager started but skinning off. The timing programs carry out skin
// actions at once instead of waiting for the manager's timer.
#include "app/main_form.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"

#include <memory>

class TBenchMainForm {
public:
    // False (with a message printed) when the form has no skin component.
    bool Open();
    // Runs a skin action (ActionSkinAll, ActionUnskinAll, ...) now.
    void Carry(TSkinAction action);
    void Close();

    TFrmMain& Form() { return *form_; }
    HWND Window() const { return form_->Handle(); }
    TSkinManage& Manager() { return *manager_; }

private:
    std::unique_ptr<TFrmMain> form_;
    TSkinData* data_ = nullptr;
    TSkinManage* manager_ = nullptr;
};
