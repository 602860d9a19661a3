// Text colours against what they are drawn on: the caption on the title
// bar, button text on each button look, menu and menu-bar text. Each figure
// is printed; one below 4.5:1 (the WCAG rule the stored skins meet) is a
// finding.
#include "check_context.h"

#include "core/element_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kMinimumContrast = 4.5;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(TColour c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

double Contrast(TColour a, TColour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The worst contrast of `text` over the band where text sits in `frame`:
// inside its fixed edges, the middle half of its height; key-colour pixels
// are not drawn and do not count. 0 when nothing of the frame is drawn.
double WorstOver(TColour text, const TSkinFrame& frame, TStripAxis axis,
                 const TSkinMargins& margins) {
    const TPixelRect r = FrameRect(frame, axis);
    if (r.Width() <= 0 || r.Height() <= 0) return 0;
    const int left = r.Left + std::min(margins.Left, r.Width() / 2);
    const int right = std::max(left + 1, r.Right - margins.Right);
    double worst = 0;
    for (int y = r.Top + r.Height() / 4; y < r.Bottom - r.Height() / 4 || y == r.Top; ++y)
        for (int x = left; x < right; ++x) {
            const TColour pixel = frame.Strip->Pixel(x, y);
            if (pixel == kKeyColour) continue;
            const double ratio = Contrast(text, pixel);
            worst = worst == 0 ? ratio : std::min(worst, ratio);
        }
    return worst;
}

class TContrastFigures {
public:
    explicit TContrastFigures(TCheckContext& c) : c_(c) {}

    void OnElement(const std::string& what, const std::string& section, TSkinColourIndex text,
                   const TDataSkinObject& element, int frame) {
        if (element.Bitmap.Empty() || !Given(text)) return;
        const TSkinModel& m = c_.Model;
        Add(what, section, Key(text),
            WorstOver(m.Colours[text], TSkinFrame{&element.Bitmap, frame, element.Frames()},
                      StripAxisOf(m, element), element.Margins()));
    }

    void OnColour(const std::string& what, TSkinColourIndex text, TSkinColourIndex back) {
        if (!Given(text) || !Given(back)) return;
        Add(what, "Colours", Key(text), Contrast(c_.Model.Colours[text], c_.Model.Colours[back]));
    }

private:
    bool Given(TSkinColourIndex index) const { return c_.Model.ColourGiven[index]; }

    static std::string Key(TSkinColourIndex index) {
        switch (index) {
        case sciTitleTextActive:
            return "TitleTextActive";
        case sciTitleTextNoActive:
            return "TitleTextNoActive";
        case sciButtonText:
            return "ButtonText";
        case sciMenuBarText:
            return "MenuBarText";
        case sciMenuText:
            return "MenuText";
        case sciHilightText:
            return "HilightText";
        default:
            return "WindowText";
        }
    }

    void Add(const std::string& what, const std::string& section, const std::string& key,
             double ratio) {
        if (ratio <= 0) return;
        char figure[96];
        std::snprintf(figure, sizeof figure, "%-40s %5.2f:1", what.c_str(), ratio);
        c_.Result.ContrastFigures.push_back(figure);
        if (ratio >= kMinimumContrast) return;
        std::snprintf(figure, sizeof figure, "%.2f:1", ratio);
        c_.Report(TSeverity::Warning, c_.IniName(), section, key,
                  what + " has a contrast of only " + figure +
                      " (at least 4.5:1 reads well); "
                      "darken or lighten one of them");
    }

    TCheckContext& c_;
};

} // namespace

void CheckTextContrast(TCheckContext& c) {
    if (!c.Ini) return;
    const TSkinModel& m = c.Model;
    TContrastFigures figures(c);
    figures.OnElement("caption text on the title bar", "Personality", sciTitleTextActive, m.Top, 1);
    figures.OnElement("inactive caption text on the title bar", "Personality", sciTitleTextNoActive,
                      m.Top, 2);
    for (int frame : {1, 2, 4, 5})
        figures.OnElement("button text on button frame " + std::to_string(frame), "Buttons",
                          sciButtonText, m.Buttons, frame);
    if (m.MenuBarImage)
        figures.OnElement("menu-bar text on the menu bar", "Personality", sciMenuBarText,
                          *m.MenuBarImage, 1);
    figures.OnColour("menu-bar text on Menubar", sciMenuBarText, sciMenubar);
    figures.OnColour("menu text on Menu", sciMenuText, sciMenu);
    figures.OnColour("selected text on Hilight", sciHilightText, sciHilight);
    figures.OnColour("window text on ButtonFace", sciWindowText, sciButtonFace);
}
