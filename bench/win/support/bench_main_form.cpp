#include "bench_main_form.h"

#include "bench_timing.h"
#include "toolkit/form_reader.h"

#include <cstdio>
#include <utility>

bool TBenchForm::Open(std::unique_ptr<TForm> form, const wchar_t* resource) {
    form_ = std::move(form);
    ReadComponentResource(*form_, resource);
    data_ = form_->Find<TSkinData>(L"SkinData");
    manager_ = SkinManager();
    if (!data_ || !manager_) {
        std::printf("no skin component\n");
        return false;
    }
    manager_->ActivityState = ActivityStarted;
    manager_->SkinningOn = false;
    form_->AfterConstruction();
    form_->Show();
    Pump();
    return true;
}

void TBenchForm::Carry(TSkinAction action) {
    manager_->SetPendingSkinData(data_);
    manager_->Schedule(action);
    manager_->TimerTick();
    Pump();
}

void TBenchForm::Close() {
    if (form_) form_->BeforeDestruction();
    form_.reset();
    FreeSkinManager();
}
