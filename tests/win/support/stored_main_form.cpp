#include "support/stored_main_form.h"

#include "toolkit/form_reader.h"

void StoredMainFormTest::SetUp() {
    form_ = std::make_unique<TFrmMain>(nullptr);
    ReadComponentResource(*form_, L"TFRMMAIN");
    data_ = form_->Find<TSkinData>(L"SkinData");
    store_ = form_->Find<TSkinStore>(L"SkinStore");
    manager_ = SkinManager();
    ASSERT_NE(data_, nullptr);
    ASSERT_NE(store_, nullptr);
    ASSERT_NE(manager_, nullptr);
}

void StoredMainFormTest::TearDown() {
    if (form_ && form_->Handle()) form_->BeforeDestruction();
    form_.reset();
    FreeSkinManager();
}
