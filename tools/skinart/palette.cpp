#include "palette.h"

namespace skinart {

Palette BluePalette() {
    Palette p;
    p.folder = "blue";
    p.skinName = "Velmora Blue";
    p.captionTop = Hex(0x2F6BBE);
    p.captionBottom = Hex(0x1D4F98);
    p.captionGloss = Hex(0x6E9DDB);
    p.frameOutline = Hex(0x163C73);
    p.frameInner = Hex(0x214F8E);
    p.inactiveTop = Hex(0xD3DDEA);
    p.inactiveBottom = Hex(0xC2CFDF);
    p.inactiveGloss = Hex(0xE8EEF5);
    p.inactiveOutline = Hex(0x8D9DB3);
    p.inactiveInner = Hex(0xAEBDD0);
    p.titleText = Hex(0xFFFFFF);
    p.inactiveTitleText = Hex(0x3E4C60);
    p.captionHot = Hex(0xFFFFFF);
    p.captionHotAlpha = 0.20;
    p.captionPressed = Hex(0x0B2347);
    p.captionPressedAlpha = 0.30;
    p.closeHot = Hex(0xD8383F);
    p.closePressed = Hex(0xA3262C);
    p.closeGlyphHot = Hex(0xFFFFFF);

    p.face = Hex(0xEEF2F7);
    p.window = Hex(0xFFFFFF);
    p.windowText = Hex(0x1A2433);
    p.buttonText = Hex(0x1A2433);
    p.shadow = Hex(0x8795AA);
    p.darkShadow = Hex(0x4C5A70);
    p.light = Hex(0xFFFFFF);
    p.accent = Hex(0x2D6CC0);
    p.accentLight = Hex(0x6C9BDA);
    p.accentSoft = Hex(0xD6E5F8);
    p.selection = Hex(0x2D6CC0);
    p.selectionText = Hex(0xFFFFFF);
    p.menu = Hex(0xFBFCFE);
    p.menuText = Hex(0x1A2433);
    p.menuBar = Hex(0xE2EAF5);
    p.menuBarText = Hex(0x1A2433);
    p.menuBarLine = Hex(0xC3D0E2);
    p.menuGutter = Hex(0xEDF2F9);
    p.menuBorder = Hex(0x8FA6C6);

    p.buttonBorder = Hex(0x9AA9BE);
    p.buttonTop = Hex(0xFFFFFF);
    p.buttonBottom = Hex(0xE6ECF4);
    p.hotBorder = Hex(0x5E8FD3);
    p.hotTop = Hex(0xF3F8FF);
    p.hotBottom = Hex(0xD7E6FA);
    p.pressedBorder = Hex(0x2D6CC0);
    p.pressedTop = Hex(0xC9DBF3);
    p.pressedBottom = Hex(0xDCE8F8);
    p.disabledBorder = Hex(0xC5CEDA);
    p.disabledFill = Hex(0xF1F3F6);
    p.disabledText = Hex(0x9AA3AF);

    p.track = Hex(0xE6EBF2);
    p.thumb = Hex(0xB9C6D8);
    p.thumbHot = Hex(0x98ABC6);
    p.thumbPressed = Hex(0x6E8BB3);
    p.scrollGlyph = Hex(0x55657C);
    p.editBorder = Hex(0xA3B1C4);
    p.editBorderHot = Hex(0x2D6CC0);
    return p;
}

Palette YellowPalette() {
    Palette p;
    p.folder = "yellow";
    p.skinName = "Velmora Amber";
    p.captionTop = Hex(0xF7CF6A);
    p.captionBottom = Hex(0xE3A326);
    p.captionGloss = Hex(0xFCE7AE);
    p.frameOutline = Hex(0x9A6508);
    p.frameInner = Hex(0xC98A16);
    p.inactiveTop = Hex(0xF1E7D0);
    p.inactiveBottom = Hex(0xE4D6B6);
    p.inactiveGloss = Hex(0xF9F3E5);
    p.inactiveOutline = Hex(0xAE9C76);
    p.inactiveInner = Hex(0xD3C29C);
    p.titleText = Hex(0x3A2500);
    p.inactiveTitleText = Hex(0x6A5836);
    p.captionHot = Hex(0xFFFFFF);
    p.captionHotAlpha = 0.35;
    p.captionPressed = Hex(0x6B4300);
    p.captionPressedAlpha = 0.25;
    p.closeHot = Hex(0xD8383F);
    p.closePressed = Hex(0xA3262C);
    p.closeGlyphHot = Hex(0xFFFFFF);

    p.face = Hex(0xF8F3E8);
    p.window = Hex(0xFFFFFF);
    p.windowText = Hex(0x33260D);
    p.buttonText = Hex(0x33260D);
    p.shadow = Hex(0xA8966F);
    p.darkShadow = Hex(0x6B5A38);
    p.light = Hex(0xFFFFFF);
    p.accent = Hex(0xD08A0C);
    p.accentLight = Hex(0xE9B44C);
    p.accentSoft = Hex(0xFBE9C0);
    p.selection = Hex(0xF2BC45);
    p.selectionText = Hex(0x2B1B00);
    p.menu = Hex(0xFFFDF7);
    p.menuText = Hex(0x33260D);
    p.menuBar = Hex(0xF4E8CB);
    p.menuBarText = Hex(0x33260D);
    p.menuBarLine = Hex(0xDCC898);
    p.menuGutter = Hex(0xFAF2DE);
    p.menuBorder = Hex(0xC4A664);

    p.buttonBorder = Hex(0xC2AD80);
    p.buttonTop = Hex(0xFFFEFA);
    p.buttonBottom = Hex(0xF1E8D3);
    p.hotBorder = Hex(0xE0A42C);
    p.hotTop = Hex(0xFFF9EA);
    p.hotBottom = Hex(0xFCE6B3);
    p.pressedBorder = Hex(0xC07F08);
    p.pressedTop = Hex(0xF6D690);
    p.pressedBottom = Hex(0xFBE6B8);
    p.disabledBorder = Hex(0xDCD1BA);
    p.disabledFill = Hex(0xF6F2EA);
    p.disabledText = Hex(0xAFA38A);

    p.track = Hex(0xF1EADB);
    p.thumb = Hex(0xD9C7A0);
    p.thumbHot = Hex(0xCDB37C);
    p.thumbPressed = Hex(0xB8954E);
    p.scrollGlyph = Hex(0x6E5A33);
    p.editBorder = Hex(0xC6B48C);
    p.editBorderHot = Hex(0xD08A0C);
    return p;
}

} // namespace skinart
