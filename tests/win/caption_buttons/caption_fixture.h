#pragma once
// A real top-level window skinned the way the manager skins one, with a
// small skin made for the case at hand: solid borders and the caption-button
// records the test adds. Messages reach the object through the window.
#include "core/skin_elements.h"
#include "engine/skin_data.h"
#include "engine/win_skin_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct TPostedMessage {
    UINT Msg;
    WPARAM WParam;
};

// Frame colours of the synthetic strips: frame k (1-based) is kFrameColour[k].
constexpr COLORREF kFrameColour[] = {0, RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200),
                                     RGB(90, 90, 90)};
// The synthetic skin's borders: a caption strip this tall, sides this wide.
constexpr int kCaptionHeight = 24;
constexpr int kSideWidth = 4;

class CaptionFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A caption-button record with a strip of `frames` frames, each w x h in
    // its own colour. Records are added before the window is made.
    void AddButton(int action, int align, int x, int y, int visibility = 0, int visibility1 = 0,
                   int frames = 4, int w = 10, int h = 10);
    // A window at (100, 100) of the given size (with the menu bar `menu`,
    // which it then owns), skinned and painted once, active.
    void MakeWindow(DWORD style, int width = 300, int height = 120, HMENU menu = nullptr);
    // The form skin object's caption button made from record `index`.
    TWinSysButton& Button(int index) const;
    // Runs the window's queue and returns the commands that reached the
    // window's own procedure.
    std::vector<TPostedMessage> Pump();
    // Screen point of a window point.
    POINT ScreenOf(POINT windowPoint) const;
    // Sends a non-client mouse message at a window point.
    LRESULT Mouse(UINT msg, POINT windowPoint, WPARAM hit = HTCAPTION) const;
    // A click (down, then up) at a window point; returns what was posted.
    std::vector<TPostedMessage> Click(POINT windowPoint);
    // The whole frame painted again.
    void PaintFrame() const;

    std::unique_ptr<TSkinData> data_;
    HWND window_ = nullptr;
    std::unique_ptr<TWinSkinForm> form_;
};

// What the test window answers to SKINMSG_BUTTONVISIBLE, and what it saw.
extern int gButtonVisibleAnswerFor;
extern LPARAM gButtonVisibleAction;
// Non-client mouse moves that reached the window's own procedure.
extern int gMouseMovesPassedOn;
// The window takes SC_RESTORE (see the window procedure).
extern bool gRestoreAllowed;
