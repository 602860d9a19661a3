// Skin objects outlive every message that runs through them, and go away
// with their windows without double frees or dangling list entries.
#include "skin_form_fixture.h"

#include "toolkit/caught_errors.h"
#include "toolkit/form.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// The form owns a skin object (a freed one has left its owner's list).
bool OwnsSkinObject(TComponent& owner) {
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (dynamic_cast<TWinSkinForm*>(owner.Components(i))) return true;
    return false;
}

LRESULT CALLBACK CountingSubclass(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                  DWORD_PTR counter) {
    ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(w, msg, wp, lp);
}

} // namespace

TEST_F(SkinFormTest, WindowDestroyedWhileSkinnedIsFreedOnTheNextPurge) {
    SkinOn();
    const int live = TWindowSubclass::LiveCount();
    auto raw = std::make_unique<TRawWindow>();
    ASSERT_TRUE(manager_->SkinWindow(raw->Handle()));
    Pump();
    EXPECT_TRUE(Skinned(raw->Handle()));
    EXPECT_EQ(TWindowSubclass::LiveCount(), live + 1);
    raw.reset();
    EXPECT_EQ(TWindowSubclass::LiveCount(), live);
    manager_->Purge();
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
}

TEST_F(SkinFormTest, DialogClosedDuringItsOwnSkinning) {
    SkinOn();
    auto raw = std::make_unique<TRawWindow>();
    HWND w = raw->Handle();
    data_->OnAfterSkinForm = [&](TObject*, HWND skinned, const std::wstring&) {
        if (skinned == w) DestroyWindow(skinned);
    };
    ASSERT_TRUE(manager_->SkinWindow(w));
    Pump(); // SKINMSG_START runs the event, which destroys the window
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(manager_->FindSkinForm(w), nullptr);
    manager_->Purge();
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
}

TEST_F(SkinFormTest, SkinSwitchedOffAndOnInsideTheWindowsOwnModalLoop) {
    SkinOn();
    TRawWindow raw;
    const TWindowLook rawBefore = TWindowLook::Of(raw.Handle());
    ASSERT_TRUE(manager_->SkinWindow(raw.Handle()));
    Pump();
    bool ran = false;
    raw.OnMessage = [&](HWND, UINT msg) {
        if (msg != WM_APP) return;
        // The window's procedure is on the stack, as in a message box's
        // modal loop when the manager's timer fires.
        SkinOff();
        EXPECT_FALSE(Skinned(raw.Handle()));
        SkinOn();
        manager_->SkinWindow(raw.Handle());
        Pump();
        EXPECT_TRUE(Skinned(raw.Handle()));
        ran = true;
    };
    SendMessageW(raw.Handle(), WM_APP, 0, 0);
    ASSERT_TRUE(ran);
    raw.OnMessage = nullptr;
    EXPECT_TRUE(Skinned(raw.Handle()));
    SkinOff();
    EXPECT_EQ(TWindowLook::Of(raw.Handle()), rawBefore);
    EXPECT_EQ(TWindowLook::Of(main_), original_) << "the main window switched off too";
}

TEST_F(SkinFormTest, AnotherSubclasserAfterOursSurvivesEitherRemovalOrder) {
    for (bool theirsFirst : {false, true}) {
        SCOPED_TRACE(theirsFirst ? "theirs removed first" : "ours removed first");
        SkinOn();
        ASSERT_TRUE(Skinned(main_));
        int seen = 0;
        ASSERT_TRUE(
            SetWindowSubclass(main_, &CountingSubclass, 7, reinterpret_cast<DWORD_PTR>(&seen)));
        if (theirsFirst) RemoveWindowSubclass(main_, &CountingSubclass, 7);
        SkinOff();
        if (!theirsFirst) {
            seen = 0;
            SendMessageW(main_, WM_NULL, 0, 0);
            EXPECT_EQ(seen, 1); // still in the chain after ours left
            RemoveWindowSubclass(main_, &CountingSubclass, 7);
        }
        EXPECT_EQ(TWindowLook::Of(main_), original_);
    }
}

TEST_F(SkinFormTest, ToolkitFormFreedWhileSkinned) {
    SkinOn();
    auto other = std::make_unique<TForm>(nullptr);
    other->SetBounds(100, 100, 300, 200);
    other->AfterConstruction();
    other->Show();
    Pump(); // activation skins it
    ASSERT_TRUE(Skinned(other->Handle()));
    ASSERT_EQ(manager_->SkinForms().size(), 2u);
    other.reset(); // owns its skin object, which leaves the manager's list
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
    SkinOff();
    EXPECT_TRUE(manager_->SkinForms().empty());
}

TEST_F(SkinFormTest, ActivationArrivingWhileASkinnedDialogIsDestroyed) {
    SkinOn();
    TRawWindow next;
    auto dying = std::make_unique<TRawWindow>();
    ASSERT_TRUE(manager_->SkinWindow(dying->Handle()));
    Pump();
    dying->OnMessage = [&](HWND, UINT msg) {
        // Activation runs the hook, which skins and purges, while the
        // skinned window is being destroyed.
        if (msg == WM_DESTROY || msg == WM_NCDESTROY) SetActiveWindow(next.Handle());
    };
    dying.reset();
    Pump();
    EXPECT_TRUE(Skinned(next.Handle()));
    manager_->Purge();
    EXPECT_EQ(manager_->SkinForms().size(), 2u);
}

namespace {

// Frees the form handed in `data` when the window gets WM_APP.
LRESULT CALLBACK FreeingSubclass(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_APP) {
        reinterpret_cast<std::unique_ptr<TForm>*>(data)->reset();
        return 7;
    }
    return DefSubclassProc(w, msg, wp, lp);
}

} // namespace

TEST_F(SkinFormTest, ToolkitFormFreedInsideItsOwnMessage) {
    SkinOn();
    auto other = std::make_unique<TForm>(nullptr);
    other->SetBounds(100, 100, 300, 200);
    other->AfterConstruction();
    HWND w = other->Handle();
    // Installed before the engine's, so it runs after it, inside its handler.
    ASSERT_TRUE(SetWindowSubclass(w, &FreeingSubclass, 9, reinterpret_cast<DWORD_PTR>(&other)));
    other->Show();
    Pump();
    ASSERT_TRUE(Skinned(w));
    EXPECT_EQ(SendMessageW(w, WM_APP, 0, 0), 7);
    EXPECT_EQ(other, nullptr);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
    SkinOff();
    SkinOn();
    EXPECT_TRUE(Skinned(main_));
}

namespace {

constexpr UINT kFailingMessage = WM_APP + 7;

// A handler of the toolkit form's chain below the engine's hook that fails
// on one message, after running `Before`.
struct TFailingHandler {
    TWndMethod Next;
    std::function<void()> Before;
    void WindowProc(TMessage& m) {
        if (m.Msg != kFailingMessage) {
            Next(m);
            return;
        }
        if (Before) Before();
        throw std::runtime_error("handler failing on purpose");
    }
};

} // namespace

TEST_F(SkinFormTest, FailingFormHandlerStillFreesTheObjectTheManagerLetGo) {
    auto other = std::make_unique<TForm>(nullptr);
    other->SetBounds(100, 100, 300, 200);
    other->AfterConstruction();
    TFailingHandler failing;
    failing.Next = other->WindowProc;
    other->WindowProc = MakeWndMethod<&TFailingHandler::WindowProc>(&failing);
    other->Show();
    const HWND w = other->Handle();
    // Switched off in the middle of the message, the object is only marked;
    // the failure must not skip freeing it on the way out.
    failing.Before = [this] { SkinOff(); };
    const std::pair<const char*, std::function<void()>> paths[] = {
        // The engine's form hook is then the outermost handler.
        {"performed on the form", [&] { other->Perform(kFailingMessage); }},
        {"sent to the window", [&] { SendMessageW(w, kFailingMessage, 0, 0); }},
    };
    for (const auto& [name, deliver] : paths) {
        SCOPED_TRACE(name);
        SkinOn();
        Pump();
        ASSERT_TRUE(manager_->FindSkinForm(w));
        ASSERT_TRUE(OwnsSkinObject(*other));
        const int caught = CaughtErrors().Count;
        deliver();
        // A freed skin object leaves its owner's components.
        EXPECT_FALSE(OwnsSkinObject(*other)) << "freed when the message was done";
        EXPECT_EQ(CaughtErrors().Count, caught + 1);
        EXPECT_EQ(CaughtErrors().LastWhat, "handler failing on purpose");
        EXPECT_FALSE(Skinned(w));
        EXPECT_EQ(other->Perform(WM_NULL), 0);
    }
    // The program goes on: both windows take the skin again.
    SkinOn();
    Pump();
    EXPECT_TRUE(Skinned(main_));
    EXPECT_TRUE(Skinned(w));
    SkinOff();
    other->WindowProc = failing.Next;
}

TEST_F(SkinFormTest, FindControlFindsTheToolkitControlBehindAWindow) {
    EXPECT_EQ(TWinControl::FindControl(main_), form_.get());
    EXPECT_EQ(TWinControl::FindControl(nullptr), nullptr);
    TRawWindow raw;
    EXPECT_EQ(TWinControl::FindControl(raw.Handle()), nullptr);
    // The module handle and thread id read back whole from the name, in
    // either build (the 64-bit module handle lies above 4 GB).
    const std::wstring& name = TWinControl::ControlAtomName();
    ASSERT_EQ(name.rfind(L"ControlOfs", 0), 0u);
    ASSERT_GE(name.size(), 10u + 16u);
    const std::wstring module = name.substr(10, name.size() - 18);
    EXPECT_EQ(std::stoull(module, nullptr, 16),
              reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr)));
    EXPECT_EQ(std::stoul(name.substr(name.size() - 8), nullptr, 16), GetCurrentThreadId());
}
