// The whole gallery, a control of every family on one form: a thousand
// rounds of skinning, changing the skin and unskinning leave no GDI object,
// window subclass or skin form behind, and give the window and every
// control back exactly as they were.
#include "gallery_form.h"

#include "support/gdi_handles.h"
#include "support/skin_form_fixture.h"
#include "toolkit/form_reader.h"
#include "toolkit/window_subclass.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class GalleryTest : public testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TGalleryForm>(nullptr);
        ReadComponentResource(*form_, L"TGALLERYFORM");
        steps_.Data = form_->Find<TSkinData>(L"SkinData");
        steps_.Store = form_->Find<TSkinStore>(L"SkinStore");
        steps_.Manager = SkinManager();
        ASSERT_NE(steps_.Data, nullptr);
        ASSERT_NE(steps_.Store, nullptr);
        ASSERT_NE(steps_.Manager, nullptr);
        steps_.Manager->ActivityState = ActivityStarted;
        // Shown unskinned first, so that its own look is known.
        steps_.Manager->SkinningOn = false;
        form_->AfterConstruction();
        form_->Show();
        Pump();
    }
    void TearDown() override {
        if (form_ && form_->Handle()) form_->BeforeDestruction();
        form_.reset();
        Pump();
        FreeSkinManager();
    }
    bool Skinned() const { return SendMessageW(form_->Handle(), SKINMSG_QUERY, 0, 0) == 1; }

    std::unique_ptr<TGalleryForm> form_;
    TSkinSteps steps_;
};

} // namespace

TEST_F(GalleryTest, AThousandSkinCyclesLeaveNothingBehindAndEveryControlAsItWas) {
    // Off the screen the repaints find nothing visible to paint, which keeps
    // the rounds fast; attaching, detaching and restoring are the same.
    const HWND window = form_->Handle();
    SetWindowPos(window, nullptr, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    const TWindowLook before = TWindowLook::Of(window);
    const TControlsLook controlsBefore = TControlsLook::Of(*form_);
    const int subclassesBefore = TWindowSubclass::LiveCount();
    steps_.On(); // the first round may set up lasting system state
    steps_.Off();
    THandleFiller filler(300);
    ASSERT_TRUE(RoomFor(200));
    for (int i = 0; i < 1000; ++i) {
        steps_.On();
        ASSERT_TRUE(Skinned()) << "round " << i;
        // A change of skin re-fits every control: one round in ten, each
        // skin in turn, keeps the thousand rounds within minutes.
        if (i % 10 == 0) {
            steps_.Select((i / 10) % 2);
            ASSERT_TRUE(Skinned()) << "round " << i;
        }
        steps_.Off();
        ASSERT_FALSE(Skinned()) << "round " << i;
        ASSERT_EQ(TWindowSubclass::LiveCount(), subclassesBefore) << "round " << i;
    }
    EXPECT_TRUE(RoomFor(200));
    EXPECT_TRUE(steps_.Manager->SkinForms().empty());
    EXPECT_EQ(TWindowLook::Of(window), before);
    EXPECT_EQ(TControlsLook::Of(*form_), controlsBefore);
}
