#pragma once
// A parsed skin: the element records in their named slots, the skin colour
// table and the caption-button list. The skin loader fills it; the skin data
// component owns one and every painting routine reads it.

#include "core/colour.h"
#include "core/skin_elements.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// Indexes of the skin colour table.
enum TSkinColourIndex : int {
    sciWindowText = 0,
    sciTitleTextActive = 1,
    sciTitleTextNoActive = 2,
    sciButtonFace = 3,
    sciButtonText = 4,
    sciButtonHilight = 5,
    sciButtonlight = 6,
    sciButtonShadow = 7,
    sciButtonDkShadow = 8,
    sciHilightText = 11,
    sciHilight = 12,
    sciMenubar = 13,
    sciMenuBarText = 14,
    sciMenuText = 15,
    sciMenu = 16,
    sciBaseColour = 17,
    sciScrollbar = 18,
    sciCount = 19,
};

struct TSkinModel {
    // True before any load and while a load is under way or failed half-way.
    bool SkinNotLoaded = true;
    std::string SkinName;
    std::array<TColour, sciCount> Colours{};
    std::array<bool, sciCount> ColourGiven{};
    std::vector<TColour> ExtraColours;
    std::array<TColour, 10> CustomColours{};

    // A colour of the table as painters need it: a system-colour reference
    // (what a missing key defaults to) resolved to the system's colour now.
    TColour Colour(TSkinColourIndex index) const;

    // Fixed records, refilled by every load.
    TDataSkinBorder Left{"Left"};
    TDataSkinBorder Right{"Right"};
    TDataSkinBorder Top{"Top"};
    TDataSkinBorder Bottom{"Bottom"};
    TDataSkinButton Buttons{"Buttons"};
    TDataSkinTitle Title{"Title"};

    // Slots, empty when the skin does not describe the element.
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> MenuBarImage;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
    std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
    std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
    std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> Track;
    std::unique_ptr<TDataSkinObject> TrackVert;
    std::unique_ptr<TDataSkinObject> ComboArrow;        // built, named "ComboxArrow"
    std::unique_ptr<TDataSkinObject> ToolbarBackground; // built, named "Toolbar"

    // The skin's caption buttons followed by the three MDI-child buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtonRecords;
};

// Every element record the skin holds, for tools and diagnostics: the fixed
// records, then the filled slots in reading order, then the caption buttons.
std::vector<const TDataSkinObject*> SkinElements(const TSkinModel& model);
