#include "engine/controls/button_rules.h"

#include "core/ascii_text.h"

int PushButtonFrame(const TButtonFacts& facts) {
    if (!facts.Enabled) return bfDisabled;
    if (facts.Pressed) return bfPressed;
    if (facts.Hot) return bfHot;
    if (facts.Focused || facts.Default) return bfFocused;
    return bfNormal;
}

int MenuButtonFrame(const TButtonFacts& facts) {
    if (!facts.Enabled) return bfDisabled;
    if (facts.Pressed) return bfPressed;
    if (facts.Hot || facts.Focused) return bfHot;
    return bfNormal;
}

int SpeedButtonFrame(const TButtonFacts& facts) {
    if (!facts.Enabled) return bfDisabled;
    if (facts.Pressed || facts.Down) return bfPressed;
    if (facts.Hot) return bfHot;
    return bfNormal;
}

int GlyphCount(int numGlyphs) {
    return numGlyphs < 1 ? 1 : numGlyphs;
}

namespace {

int PieceOrFirst(int piece, int numGlyphs) {
    return piece > GlyphCount(numGlyphs) ? 1 : piece;
}

int GlyphForFrame(int frame) {
    if (frame == bfPressed) return 3;
    if (frame == bfDisabled) return 2;
    return 1;
}

} // namespace

int BitButtonGlyph(int frame, int numGlyphs) {
    return PieceOrFirst(GlyphForFrame(frame), numGlyphs);
}

int SpeedButtonGlyph(int frame, bool down, int numGlyphs) {
    return PieceOrFirst(down ? 4 : GlyphForFrame(frame), numGlyphs);
}

std::wstring SplitCaptionLines(const std::wstring& caption) {
    std::wstring text = caption;
    const auto bars = text.find(L"||");
    if (bars != std::wstring::npos) text.replace(bars, 2, L"\r\n");
    return text;
}

TGlyphLayout GlyphLayoutFromName(const std::wstring& name) {
    const std::wstring lower = LowerAscii(name);
    if (lower == L"blglyphright") return TGlyphLayout::Right;
    if (lower == L"blglyphtop") return TGlyphLayout::Top;
    if (lower == L"blglyphbottom") return TGlyphLayout::Bottom;
    return TGlyphLayout::Left;
}

namespace {

bool Across(TGlyphLayout layout) {
    return layout == TGlyphLayout::Left || layout == TGlyphLayout::Right;
}

// Margin and Spacing once the automatic values (-1) are worked out along
// the layout axis.
struct TGaps {
    int Margin;
    int Spacing;
};

TGaps WorkOutGaps(const TGlyphPlacementIn& in, int client, int glyph, int text) {
    TGaps gaps{in.Margin, in.Spacing};
    if (text == 0 || glyph == 0) gaps.Spacing = 0;
    if (in.Margin == -1 || in.Centre) {
        if (gaps.Spacing == -1) {
            gaps.Margin = gaps.Spacing = (client - (glyph + text)) / 3;
        } else {
            gaps.Margin = (client - (glyph + gaps.Spacing + text)) / 2 + in.CentreNudge;
        }
    } else if (gaps.Spacing == -1) {
        gaps.Spacing = (client - gaps.Margin - glyph - text) / 2;
    }
    return gaps;
}

} // namespace

TGlyphPlacement PlaceGlyphAndText(const TGlyphPlacementIn& in) {
    TGlyphPlacement out;
    const bool across = Across(in.Layout);
    const SIZE& c = in.Client;
    const SIZE& g = in.Glyph;
    const SIZE& t = in.Text;
    // Centred on the other axis.
    if (across) {
        out.Glyph.y = (c.cy - g.cy + 1) / 2;
        out.Text.y = (c.cy - t.cy + 1) / 2;
    } else {
        out.Glyph.x = (c.cx - g.cx + 1) / 2;
        out.Text.x = (c.cx - t.cx + 1) / 2;
    }
    const TGaps gaps =
        across ? WorkOutGaps(in, c.cx, g.cx, t.cx) : WorkOutGaps(in, c.cy, g.cy, t.cy);
    switch (in.Layout) {
    case TGlyphLayout::Left:
        out.Glyph.x = gaps.Margin;
        out.Text.x = out.Glyph.x + g.cx + gaps.Spacing;
        out.TextFlags = DT_WORDBREAK;
        break;
    case TGlyphLayout::Right:
        out.Glyph.x = c.cx - gaps.Margin - g.cx;
        out.Text.x = out.Glyph.x - gaps.Spacing - t.cx;
        out.TextFlags = DT_WORDBREAK | DT_RIGHT;
        break;
    case TGlyphLayout::Top:
        out.Glyph.y = gaps.Margin;
        out.Text.y = out.Glyph.y + g.cy + gaps.Spacing;
        out.TextFlags = DT_WORDBREAK | DT_CENTER;
        break;
    case TGlyphLayout::Bottom:
        out.Glyph.y = c.cy - gaps.Margin - g.cy;
        out.Text.y = out.Glyph.y - gaps.Spacing - t.cy;
        out.TextFlags = DT_WORDBREAK | DT_CENTER;
        break;
    }
    return out;
}
