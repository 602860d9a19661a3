// The skins stored in the main form's description, for painting real frames.
#include "stored_skins.h"

#include "app/main_form.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"
#include "toolkit/form_reader.h"

TSkinBytes StoredSkin(int index) {
    TFrmMain form(nullptr);
    ReadComponentResource(form, L"TFRMMAIN");
    TSkinBytes bytes = form.Find<TSkinStore>(L"SkinStore")->Items().Item(index).Data();
    return bytes;
}
