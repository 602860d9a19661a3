// A skinned sizeable window maximized and restored: the frame follows the
// new size, the whole window is visible while maximized, the caption shows
// the restore button instead of the maximize one, and restoring gives back
// the first rectangle, shape and client position. The same for a window
// that was already maximized or minimized when the skin took it over.
#include "support/skin_form_fixture.h"

#include "engine/nc_object.h"

namespace {

// A sizeable top-level window that takes SC_RESTORE only when the test sends
// it. Without a window manager on the test display, Wine reads every X
// configure event of a maximized window as "no longer maximized" and sends
// SC_RESTORE itself; a real desktop does not. Refusing that command also
// shows that the skin follows what the window did, not what was asked.
class TZoomWindow {
public:
    TZoomWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraZoomProbe";
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
        handle_ = CreateWindowExW(0, wc.lpszClassName, L"zoom", WS_OVERLAPPEDWINDOW, 50, 50, 320,
                                  240, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~TZoomWindow() { DestroyWindow(handle_); }
    TZoomWindow(const TZoomWindow&) = delete;
    TZoomWindow& operator=(const TZoomWindow&) = delete;
    HWND Handle() const { return handle_; }

    void Command(UINT command) {
        restoreAllowed_ = command == SC_RESTORE;
        SendMessageW(handle_, WM_SYSCOMMAND, command, 0);
        restoreAllowed_ = false;
        Pump();
    }

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_RESTORE && !restoreAllowed_) return 0;
        return DefWindowProcW(w, msg, wp, lp);
    }
    static inline bool restoreAllowed_ = false;
    HWND handle_ = nullptr;
};

// Visible caption buttons by their visibility rule: 1 shows only while
// maximized (restore), 2 only while not (maximize).
bool ButtonShown(const TWinSkinForm& form, int visibility) {
    for (const auto& button : form.CaptionButtons())
        if (button->Element->Visibility == visibility && button->Visible) return true;
    return false;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window's region as a box relative to the window, or an empty box
// when it has none.
RECT RegionBox(HWND window) {
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (GetWindowRgn(window, region.Get()) != ERROR) GetRgnBox(region.Get(), &box);
    return box;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

} // namespace

TEST_F(SkinFormTest, MaximizeAndRestoreKeepTheSkinnedFrameRight) {
    TZoomWindow zoom;
    const HWND window = zoom.Handle();
    ShowWindow(window, SW_SHOW);
    TWinSkinForm* form = SkinNow(window);
    ASSERT_NE(form, nullptr);

    const RECT normal = WindowRect(window);
    const RECT normalShape = RegionBox(window);
    POINT normalClient{};
    ClientToScreen(window, &normalClient);
    const COLORREF caption = PaintedFrame(
        window)[static_cast<size_t>(form->FrameWidths().Top / 2) * (normal.right - normal.left) +
                (normal.right - normal.left) / 2];
    EXPECT_TRUE(ButtonShown(*form, 2)) << "maximize button while normal";
    EXPECT_FALSE(ButtonShown(*form, 1)) << "restore button while normal";

    zoom.Command(SC_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window));
    const RECT zoomed = WindowRect(window);
    const int zw = zoomed.right - zoomed.left, zh = zoomed.bottom - zoomed.top;
    EXPECT_GT(zw, normal.right - normal.left);
    EXPECT_GT(zh, normal.bottom - normal.top);
    // Nothing of the grown window is cut away by a region of the old size.
    const RECT shape = RegionBox(window);
    if (!IsRectEmpty(&shape)) {
        EXPECT_GE(shape.right - shape.left, zw) << "region of the old size clips the window";
        EXPECT_GE(shape.bottom - shape.top, zh) << "region of the old size clips the window";
    }
    // The frame is painted at the new size: the caption's middle shows the
    // caption image there too, and the client area lies inside the frame.
    const auto pixels = PaintedFrame(window);
    EXPECT_EQ(pixels[static_cast<size_t>(form->FrameWidths().Top / 2) * zw + zw / 2], caption);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, zw - form->FrameWidths().Left - form->FrameWidths().Right);
    EXPECT_EQ(client.bottom, zh - form->FrameWidths().Top - form->FrameWidths().Bottom);
    EXPECT_TRUE(ButtonShown(*form, 1)) << "restore button while maximized";
    EXPECT_FALSE(ButtonShown(*form, 2)) << "maximize button while maximized";

    zoom.Command(SC_RESTORE);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_TRUE(SameRect(WindowRect(window), normal));
    EXPECT_TRUE(SameRect(RegionBox(window), normalShape)) << "shape of the normal window back";
    POINT restoredClient{};
    ClientToScreen(window, &restoredClient);
    EXPECT_EQ(restoredClient.x, normalClient.x);
    EXPECT_EQ(restoredClient.y, normalClient.y);
    EXPECT_TRUE(ButtonShown(*form, 2)) << "maximize button after restoring";
    EXPECT_FALSE(ButtonShown(*form, 1)) << "restore button after restoring";
}

// A window that is already maximized, or already minimized, when the skin
// takes it over keeps its state and place: maximized it wears the skin's
// frame around the whole screen with the restore button, minimized it gets
// no shape of the skin's. Restored either way, it comes back to the normal
// rectangle it had before, shaped, laid out and painted exactly like a
// window skinned in the normal state and put there.
TEST_F(SkinFormTest, AWindowSkinnedMaximizedOrMinimizedRestoresToItsNormalRectangle) {
    RECT normal{};
    std::vector<COLORREF> normalFrame;
    {
        TZoomWindow fresh;
        ShowWindow(fresh.Handle(), SW_SHOW);
        normal = WindowRect(fresh.Handle());
        ASSERT_NE(SkinNow(fresh.Handle()), nullptr);
        SetWindowPos(fresh.Handle(), nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        normalFrame = PaintedFrame(fresh.Handle());
        SkinOff();
    }
    const int normalWidth = normal.right - normal.left;
    for (UINT state : {SC_MAXIMIZE, SC_MINIMIZE}) {
        SCOPED_TRACE(state == SC_MAXIMIZE ? "maximized" : "minimized");
        TZoomWindow zoom;
        const HWND window = zoom.Handle();
        ShowWindow(window, SW_SHOW);
        ASSERT_TRUE(SameRect(WindowRect(window), normal));
        zoom.Command(state);
        const RECT before = WindowRect(window);
        TWinSkinForm* form = SkinNow(window);
        ASSERT_NE(form, nullptr);
        const TFrameWidths frame = form->FrameWidths();

        EXPECT_EQ(IsZoomed(window) != FALSE, state == SC_MAXIMIZE);
        EXPECT_EQ(IsIconic(window) != FALSE, state == SC_MINIMIZE);
        EXPECT_TRUE(SameRect(WindowRect(window), before)) << "the skin moved the window";
        if (state == SC_MAXIMIZE) {
            const int w = before.right - before.left, h = before.bottom - before.top;
            RECT client{};
            GetClientRect(window, &client);
            EXPECT_EQ(client.right, w - frame.Left - frame.Right);
            EXPECT_EQ(client.bottom, h - frame.Top - frame.Bottom);
            const RECT shape = RegionBox(window);
            EXPECT_TRUE(IsRectEmpty(&shape) ||
                        (shape.right - shape.left >= w && shape.bottom - shape.top >= h))
                << "a region cuts the maximized window";
            EXPECT_TRUE(ButtonShown(*form, 1)) << "restore button while maximized";
            EXPECT_FALSE(ButtonShown(*form, 2)) << "maximize button while maximized";
            const size_t row = static_cast<size_t>(frame.Top / 2);
            EXPECT_EQ(PaintedFrame(window)[row * w + w / 2],
                      normalFrame[row * normalWidth + normalWidth / 2])
                << "the caption is not the skin's";
        } else {
            EXPECT_FALSE(form->HasRegion()) << "a minimized window took a region";
        }

        zoom.Command(SC_RESTORE);
        ASSERT_FALSE(IsZoomed(window) || IsIconic(window));
        EXPECT_TRUE(SameRect(WindowRect(window), normal));
        EXPECT_TRUE(form->HasRegion());
        EXPECT_TRUE(
            SameRect(RegionBox(window), RECT{0, 0, normalWidth, normal.bottom - normal.top}))
            << "the shape of the normal size";
        POINT origin{};
        ClientToScreen(window, &origin);
        EXPECT_EQ(origin.x, normal.left + frame.Left);
        EXPECT_EQ(origin.y, normal.top + frame.Top);
        EXPECT_TRUE(ButtonShown(*form, 2)) << "maximize button after restoring";
        EXPECT_FALSE(ButtonShown(*form, 1)) << "restore button after restoring";
        EXPECT_TRUE(PaintedFrame(window) == normalFrame) << "not framed as a normal skinned window";
        SkinOff();
    }
}
