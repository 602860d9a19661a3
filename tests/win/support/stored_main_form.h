#pragma once
// A fixture with the main form read from the program's stored description
// (its skin store and skin data component), without its windows or theme
// catalogue. The skin manager the skin data creates is freed with it.
#include "app/main_form.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"

#include <gtest/gtest.h>

#include <memory>

class StoredMainFormTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TFrmMain> form_;
    TSkinData* data_ = nullptr;
    TSkinStore* store_ = nullptr;
    TSkinManage* manager_ = nullptr;
};
