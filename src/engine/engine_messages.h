#pragma once
// The window messages of the skin engine. Their numbers are fixed: skinned
// windows answer them, and other programs may send them.
#include <windows.h>

// Repaint the skin frame now.
constexpr UINT SKINMSG_PAINTFRAME = 0x3502;
// Posted by the manager after it created a window's skin object (lParam 1000).
constexpr UINT SKINMSG_START = 0x3503;
// Posted when a caption button with an application-defined action is
// clicked; wParam = the action.
constexpr UINT SKINMSG_ACTION = 0x3514;
// Asks whether a caption button with a visibility of 1000..2000 is shown;
// wParam = visibility, lParam = action; a result > 0 means shown.
constexpr UINT SKINMSG_BUTTONVISIBLE = 0x3515;
// Redraw the MDI client with its frame and children.
constexpr UINT SKINMSG_REDRAW = 0x3516;
// A skinned control asks for a new scrollbar skin object; wParam = its window.
constexpr UINT SKINMSG_RESKINSCROLL = 0x3517;
// Open the menu-bar button at the screen point in lParam.
constexpr UINT SKINMSG_MENUAT = 0x3518;
// To a skinned control: wParam > 0 resumes its skin (and repaints), 0 or
// less suspends it; while suspended the control paints itself.
constexpr UINT SKINMSG_ENABLE = 0x3506;
// Is the window skinned? Skinned windows answer 1.
constexpr UINT SKINMSG_QUERY = 0x3523;
// To a skinned form's handler: apply the skin again.
constexpr UINT SKINMSG_SKINCHANGED = 0x3401;
// With lParam kSkinMagic: the control paints its content (not its skin)
// into the DC in wParam.
constexpr UINT SKINMSG_PAINTCONTENT = 0xBC4A;
// With lParam kSkinMagic: paint the skin frame into the DC in wParam.
constexpr UINT SKINMSG_PAINTNC = 0xBC4B;
// Answers kSkinMagic when lParam is kSkinMagic, else 1.
constexpr UINT SKINMSG_PING = 0xBC4D;
// Sent with wParam 0, lParam kSkinMagic when skinning is complete.
constexpr UINT SKINMSG_SKINNED = 0xBC4E;

// The value some engine messages carry and answer with.
constexpr LPARAM kSkinMagic = 0x41A2;
