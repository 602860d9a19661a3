#include "engine/menus/menu_bar_layout.h"

#include "core/skin_elements.h"

#include <cwctype>

namespace {
constexpr int kButtonMargin = 10;
}

int BarStartOffset(const TDataSkinObject* barImage, bool rightToLeft, int barWidth) {
    if (!barImage) return 6;
    const int offset = rightToLeft ? barImage->RightWidth + 8 : barImage->LeftWidth + 4;
    return offset > barWidth ? 12 : offset;
}

int BarButtonWidth(HDC dc, const std::wstring& caption) {
    if (caption.empty()) return 0;
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int width = r.right - r.left;
    return width > 0 ? width + kButtonMargin : 0;
}

std::vector<RECT> LayoutBarButtons(HDC dc, const RECT& bar,
                                   const std::vector<TBarButtonFacts>& buttons, int startOffset,
                                   bool rightToLeft) {
    std::vector<RECT> rects;
    int x = rightToLeft ? (bar.right - bar.left) - startOffset : startOffset;
    for (const TBarButtonFacts& button : buttons) {
        if (!button.Visible) {
            rects.push_back(RECT{0, 0, 0, 0});
            continue;
        }
        const int width = BarButtonWidth(dc, button.Caption);
        const int left = rightToLeft ? x - width : x;
        rects.push_back(RECT{bar.left + left, bar.top, bar.left + left + width, bar.bottom - 1});
        x += rightToLeft ? -width : width;
    }
    return rects;
}

int AcceleratorButton(const std::vector<TBarButtonFacts>& buttons, wchar_t character) {
    const wchar_t wanted = static_cast<wchar_t>(std::towupper(character));
    for (size_t i = 0; i < buttons.size(); ++i) {
        const std::wstring& c = buttons[i].Caption;
        for (size_t k = 0; k + 1 < c.size(); ++k) {
            if (c[k] != L'&') continue;
            if (c[k + 1] == L'&') {
                ++k;
                continue;
            }
            if (buttons[i].Visible && std::towupper(c[k + 1]) == wanted) return static_cast<int>(i);
            break;
        }
    }
    return -1;
}
