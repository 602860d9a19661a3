#pragma once
// A real top-level window with a form skin object whose fields are set
// directly, and caption-button records made for the case at hand.
#include "core/skin_elements.h"
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

class CaptionFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window at (100, 100) of the given size; the form sees window
    // coordinates equal to client coordinates unless the style has a frame.
    void MakeWindow(DWORD style, int width = 300, int height = 120);
    // A record with a strip of `frames` frames, each w x h in its own colour.
    TWinSysButton& AddButton(int action, int align, int x, int y, int visibility = 0,
                             int visibility1 = 0, int frames = 4, int w = 10, int h = 10);
    // Runs the window's queue and returns what was posted to it.
    std::vector<TPostedMessage> Pump();
    // Screen point of a window point.
    POINT ScreenOf(POINT windowPoint) const;
    TMessage Mouse(UINT msg, POINT windowPoint, WPARAM hit = HTCAPTION) const;

    HWND window_ = nullptr;
    std::unique_ptr<TWinSkinForm> form_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> records_;
};

// What the test window answers to SKINMSG_BUTTONVISIBLE, and what it saw.
extern int gButtonVisibleAnswerFor;
extern LPARAM gButtonVisibleAction;
