#include "stored_skin_source.h"

#include "app/main_form.h"
#include "engine/skin_data.h"
#include "toolkit/form_reader.h"

std::unique_ptr<TComponent> ReadStoredSkins(TSkinData*& data) {
    auto form = std::make_unique<TFrmMain>(nullptr);
    ReadComponentResource(*form, L"TFRMMAIN");
    data = form->Find<TSkinData>(L"SkinData");
    return form;
}
