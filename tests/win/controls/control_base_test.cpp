// The shared control skin base on real windows: the three stages of a
// message, suspending and resuming one control, restoring exactly once when
// its window dies, and text passing through the hook unharmed.
#include "controls_fixture.h"

#include "engine/controls/skin_control.h"
#include "engine/engine_messages.h"

#include <memory>

namespace {

// A family that records what the base asks of it.
class TProbeSkin : public TSkinControl {
public:
    int Restores = 0;
    int Paints = 0;
    int AfterSetText = 0;
    UINT Swallow = 0; // a message BeforeMessage ends here
    const std::wstring& ShownText() const { return Text; }

protected:
    void OnRestore() override { ++Restores; }
    bool BeforeMessage(TMessage& m) override {
        if (Swallow && m.Msg == Swallow) {
            m.Result = 4242;
            return false;
        }
        return TSkinControl::BeforeMessage(m);
    }
    void AfterMessage(TMessage& m) override {
        if (m.Msg == WM_SETTEXT) ++AfterSetText;
        TSkinControl::AfterMessage(m);
    }
    void DrawSkin(HDC dc, const RECT& rect) override {
        ++Paints;
        if (!MarkClientCorner) return;
        // The whole window red, and the client area's first pixel blue.
        TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
        FillRect(dc, &rect, red.Get());
        POINT corner{0, 0};
        ClientToScreen(Handle(), &corner);
        const RECT mark{corner.x - WindowRect.left, corner.y - WindowRect.top,
                        corner.x - WindowRect.left + 1, corner.y - WindowRect.top + 1};
        FillRect(dc, &mark, blue.Get());
    }

public:
    bool MarkClientCorner = false;
    void PaintWhole(TMessage& m) { PaintMessage(m); }
};

} // namespace

class ControlBaseTest : public RawHostTest {};

TEST_F(ControlBaseTest, BeforeMessageCanEndAMessageAndAfterMessageSeesTheRest) {
    HWND edit = Child(L"EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER);
    auto probe = std::make_unique<TProbeSkin>();
    ASSERT_TRUE(probe->AttachWindow(*form_, *data_, edit));
    probe->Swallow = WM_GETTEXTLENGTH;
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 4242); // never reached the edit
    SetWindowTextW(edit, L"abc");
    EXPECT_EQ(probe->AfterSetText, 1);
    probe->Swallow = 0;
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(SendMessageW(edit, SKINMSG_QUERY, 0, 0), 1);
    probe->RestoreControl();
    EXPECT_EQ(SendMessageW(edit, SKINMSG_QUERY, 0, 0), 0);
}

TEST_F(ControlBaseTest, SkinEnableSuspendsAndResumesOneControl) {
    HWND edit = Child(L"EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER);
    auto probe = std::make_unique<TProbeSkin>();
    ASSERT_TRUE(probe->AttachWindow(*form_, *data_, edit));
    probe->Swallow = WM_GETTEXTLENGTH;
    struct TRow {
        WPARAM Value;
        bool Enabled;
    } rows[] = {{0, false}, {1, true}, {static_cast<WPARAM>(-1), false}, {7, true}};
    for (const TRow& row : rows) {
        SendMessageW(edit, SKINMSG_ENABLE, row.Value, 0);
        EXPECT_EQ(probe->SkinEnabled(), row.Enabled) << static_cast<long long>(row.Value);
        // Suspended, every message goes straight to the control.
        EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0) == 4242, row.Enabled);
    }
    // Resuming repaints at once.
    SendMessageW(edit, SKINMSG_ENABLE, 0, 0);
    const int before = probe->Paints;
    SendMessageW(edit, SKINMSG_ENABLE, 1, 0);
    EXPECT_GT(probe->Paints, before);
}

TEST_F(ControlBaseTest, DestroyRestoresOnceAndForgetsTheHandle) {
    HWND edit = Child(L"EDIT", WS_CHILD | WS_VISIBLE);
    auto probe = std::make_unique<TProbeSkin>();
    ASSERT_TRUE(probe->AttachWindow(*form_, *data_, edit));
    const int hooks = TWindowSubclass::LiveCount();
    DestroyWindow(edit);
    EXPECT_EQ(probe->Restores, 1);
    EXPECT_EQ(probe->AttachState(), TControlAttach::WindowGone);
    EXPECT_EQ(probe->Handle(), nullptr);
    EXPECT_EQ(TWindowSubclass::LiveCount(), hooks - 1);
    // A later unskin restores nothing more, and freeing the object touches
    // no window (another may have the old handle by now).
    probe->RestoreControl();
    EXPECT_EQ(probe->Restores, 1);
    HWND next = Child(L"EDIT", WS_CHILD | WS_VISIBLE);
    const LONG_PTR proc = GetWindowLongPtrW(next, GWLP_WNDPROC);
    probe.reset();
    EXPECT_EQ(GetWindowLongPtrW(next, GWLP_WNDPROC), proc);
    EXPECT_EQ(SendMessageW(next, SKINMSG_QUERY, 0, 0), 0);
}

TEST_F(ControlBaseTest, ChineseTextPassesThroughTheHookIntact) {
    const std::wstring text = L"我系统中的主题：皮肤一";
    for (const wchar_t* cls : {L"EDIT", L"BUTTON", L"STATIC"}) {
        HWND w = Child(cls, WS_CHILD | WS_VISIBLE);
        auto probe = std::make_unique<TProbeSkin>();
        ASSERT_TRUE(probe->AttachWindow(*form_, *data_, w));
        SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        wchar_t back[64] = {};
        SendMessageW(w, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(back));
        EXPECT_EQ(std::wstring(back), text) << static_cast<const void*>(cls);
        char narrow[64] = {};
        SendMessageA(w, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(narrow));
        wchar_t wide[64] = {};
        MultiByteToWideChar(CP_ACP, 0, narrow, -1, wide, 64);
        wchar_t expected[64] = {};
        char round[64] = {};
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, round, 64, nullptr, nullptr);
        MultiByteToWideChar(CP_ACP, 0, round, -1, expected, 64);
        EXPECT_EQ(std::wstring(wide), std::wstring(expected)); // as the platform converts
        EXPECT_EQ(probe->ShownText(), text);
    }
}

// A family paints the whole window from its top-left; a WM_PAINT's DC starts
// at the client area, so the picture must be moved back by the border.
TEST_F(ControlBaseTest, AWindowSizedPictureLandsWhereTheClientAreaIs) {
    HWND edit = Child(L"EDIT", WS_CHILD | WS_VISIBLE, L"", RECT{10, 10, 110, 50});
    SetWindowLongPtrW(edit, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    auto probe = std::make_unique<TProbeSkin>();
    ASSERT_TRUE(probe->AttachWindow(*form_, *data_, edit));
    probe->MarkClientCorner = true;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TBitmapHandle bitmap(CreateBitmap(100, 40, 1, 32, nullptr));
    {
        TSelectObject keep(dc.Get(), bitmap.Get());
        TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0, 0};
        probe->PaintWhole(m);
    }
    const auto pixels = BitmapPixels(dc.Get(), bitmap.Get(), 100, 40);
    EXPECT_EQ(pixels[0], RGB(0, 0, 255));
    EXPECT_EQ(pixels[5], RGB(255, 0, 0));
}

TEST_F(ControlBaseTest, AFamilyThatThrowsLeavesTheControlWorking) {
    class TThrowing : public TProbeSkin {
    protected:
        bool BeforeMessage(TMessage& m) override {
            if (m.Msg == WM_GETTEXTLENGTH) throw std::runtime_error("probe");
            return TProbeSkin::BeforeMessage(m);
        }
    };
    HWND edit = Child(L"EDIT", WS_CHILD | WS_VISIBLE);
    SetWindowTextW(edit, L"four");
    auto probe = std::make_unique<TThrowing>();
    ASSERT_TRUE(probe->AttachWindow(*form_, *data_, edit));
    const int caught = CaughtErrors().Count;
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 4); // the control answered
    EXPECT_EQ(CaughtErrors().Count, caught + 1);
    EXPECT_EQ(CaughtErrors().LastWhere, "control skin");
}
