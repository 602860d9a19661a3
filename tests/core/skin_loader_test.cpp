#include "allocation_ceiling.h"
#include "bmp_fixture.h"
#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include "core/colour_maths.h"
#include "core/colour_ramp.h"
#include "core/image_utils.h"
#include "core/quick_ini.h"
#include "core/skin_loader.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Archive files by lower-cased name, as the archive reader hands them out.
using TFiles = std::map<std::string, std::vector<std::uint8_t>>;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// `fetches`, when given, counts the requests for each lower-cased name.
std::unique_ptr<TSkinModel> Parse(const std::string& ini, const TFiles& files = {},
                                  std::map<std::string, int>* fetches = nullptr) {
    TQuickIni parsed;
    parsed.LoadFromText(ini);
    auto model = std::make_unique<TSkinModel>();
    ParseSkin(*model, parsed, [&](const std::string& name, std::vector<std::uint8_t>& out) {
        if (fetches) ++(*fetches)[Lower(name)];
        const auto it = files.find(Lower(name));
        if (it != files.end()) out = it->second;
    });
    return model;
}

std::vector<std::uint8_t> Bmp(int width, int height, TColour fill = MakeColour(1, 2, 3)) {
    return EncodeBmp24(TPixelBitmap(width, height, fill));
}

// A width x height run-length bitmap that sets no pixel: a few bytes of
// file for any number of decoded pixels.
std::vector<std::uint8_t> EmptyRleBmp(int width, int height) {
    TBmpFixture bmp;
    bmp.Width = width;
    bmp.Height = height;
    bmp.BitCount = 8;
    bmp.Compression = 1;
    bmp.Palette = {MakeColour(9, 9, 9)};
    bmp.Pixels = {0, 1};
    return bmp.Bytes();
}

std::vector<std::uint8_t> ToBytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> SkinImage(const std::vector<TSkinArchiveEntry>& files) {
    return LzhCompressImage(BuildSkinArchive(files));
}

std::int64_t Pixels(const TPixelBitmap& bitmap) {
    return std::int64_t{bitmap.Width()} * bitmap.Height();
}

TEST(SkinElements, ARecordCreatedByNameIsEmptyAndZero) {
    TDataSkinSysButton record("Close");
    EXPECT_EQ(record.Name, "Close");
    EXPECT_TRUE(record.Bitmap.Empty());
    EXPECT_EQ(record.LeftWidth | record.TopHeight | record.RightWidth | record.BottomHeight, 0);
    EXPECT_EQ(record.FrameCount, 0);
    EXPECT_EQ(record.NormalColour | record.MouseOverColour | record.PressedColour, 0);
    EXPECT_EQ(record.NormalColour2 | record.Action | record.CombineOp | record.Visibility1, 0);
    TDataSkinButton buttons("Buttons");
    EXPECT_TRUE(buttons.CheckBitmap.Empty() && buttons.RadioBitmap.Empty());
}

TEST(SkinLoader, ParseColourReadsThreeDecimalNumbers) {
    struct TCase {
        const char* Text;
        TColour Expected;
    };
    const TCase cases[] = {
        {"236 233 216", MakeColour(236, 233, 216)},
        {"  236,233;216  ", MakeColour(236, 233, 216)},
        {"300 0 0", MakeColour(44, 0, 0)},
        {"1 2 3 4", MakeColour(1, 2, 3)},
        {"12 34", MakeColour(12, 0, 0)}, // the last number counts only as the third
        {"5", kBlack},
        {"", kBlack},
        {"red", kBlack},
        {"99999999999 1 2 3", MakeColour(1, 2, 3)}, // an overlong run is skipped
        {"256 512 257", MakeColour(0, 0, 1)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ParseColour(c.Text), c.Expected) << c.Text;
    EXPECT_EQ(ParseColourOr("", 0x123), 0x123);
    EXPECT_EQ(ParseColourOr("0 0 9", 0x123), MakeColour(0, 0, 9));
}

TEST(SkinLoader, ColourTableTakesGivenColoursAndSystemDefaults) {
    const auto m = Parse("[Colours]\nButtonFace = 236 233 216\nWindowText=1 2 3\n"
                         "ButtonText=\n[Colour.Extra1]\ncolor=9 8 7\n[colour2]\n[Colours]\n"
                         "[Customcolors]\nColor3=4 5 6\n");
    EXPECT_EQ(m->Colours[sciButtonFace], 0x00D8E9EC);
    EXPECT_EQ(m->Colours[sciMenubar], 0x00D8E9EC);
    EXPECT_FALSE(m->ColourGiven[sciMenubar]);
    EXPECT_TRUE(m->ColourGiven[sciButtonFace]);
    EXPECT_EQ(m->Colours[sciWindowText], MakeColour(1, 2, 3));
    EXPECT_EQ(m->Colours[sciButtonText], SystemColour(18));
    EXPECT_FALSE(m->ColourGiven[sciButtonText]);
    const std::pair<int, TColour> defaults[] = {
        {sciTitleTextActive, SystemColour(9)},
        {sciTitleTextNoActive, SystemColour(19)},
        {sciButtonlight, SystemColour(20)},
        {sciButtonDkShadow, SystemColour(21)},
        {sciHilight, SystemColour(13)},
        {sciMenuBarText, SystemColour(7)},
        {sciMenu, SystemColour(4)},
        {sciScrollbar, SystemColour(0)},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(m->Colours[d.first], d.second) << d.first;
    EXPECT_EQ(m->ExtraColours, (std::vector<TColour>{MakeColour(9, 8, 7), SystemColour(8)}));
    EXPECT_EQ(m->CustomColours[3], MakeColour(4, 5, 6));
    EXPECT_EQ(m->CustomColours[0], kWhite);
    // Without a top border image the base colour is the face colour.
    EXPECT_EQ(m->Colours[sciBaseColour], 0x00D8E9EC);
}

TEST(SkinLoader, CaptionButtonsAreFilteredAnchoredAndGivenFrameCounts) {
    const TFiles files = {
        {"wide.bmp", Bmp(120, 19)}, {"square.bmp", Bmp(90, 30)}, {"mdi.bmp", Bmp(24, 2)}};
    const auto m = Parse("[Buttons]\nImage=x.bmp\n[Button]\nAction=1\n[Button.Radio]\n"
                         "[ButtonGone]\nAction=-1\n"
                         "[Button1]\nAction=1\nVisibility=2\nXcoord=30\nYcoord=5\n"
                         "ButtonImage=square.bmp\n"
                         "[Button3]\nAction=4\nXcoord=99\nYcoord=98\nButtonImage=wide.bmp\n"
                         "[ButtonHidden]\nAction=-1\nVisibility=0\nButtonImage=square.bmp\n"
                         "[buttonHelp]\nAction=3\nButtonImage=square.bmp\nframe=2\n"
                         "[ButtonMin]\nAction=11\nButtonImage=square.bmp\n"
                         "[MDICONTROLS]\nImage=mdi.bmp\n",
                         files);
    const auto& b = m->SysButtonRecords;
    ASSERT_EQ(b.size(), 8u);
    const char* names[] = {"BUTTON1", "BUTTON3", "BUTTONHIDDEN", "BUTTONHELP", "BUTTONMIN"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(b[i]->Name, names[i]);
    EXPECT_EQ(b[1]->XCoord, 30);
    EXPECT_EQ(b[1]->YCoord, 5);
    EXPECT_EQ(b[0]->FrameCount, 3); // 90 x 30
    EXPECT_EQ(b[1]->FrameCount, 6); // 120 x 19
    EXPECT_EQ(b[2]->FrameCount, 6); // negative action
    EXPECT_EQ(b[2]->Visibility1, -1);
    EXPECT_EQ(b[0]->Visibility1, 0);
    EXPECT_EQ(b[0]->CombineOp, -1);
    EXPECT_EQ(b[3]->FrameCount, 2);
    EXPECT_FALSE(b[3]->Bitmap.Empty()) << "a given frame count keeps the image";
    EXPECT_TRUE(b[4]->Bitmap.Empty()) << "action 11 without a frame count drops its image";
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& mdi = *b[5 + static_cast<std::size_t>(i)];
        EXPECT_EQ(mdi.Action, 7 + i);
        EXPECT_EQ(mdi.Align, 100);
        EXPECT_EQ(mdi.Visibility1, 100);
        EXPECT_EQ(mdi.FrameCount, 4);
        EXPECT_EQ(mdi.Bitmap.Width(), 8);
        EXPECT_EQ(mdi.Bitmap.Height(), 2);
        EXPECT_EQ(mdi.XCoord, 6 * (3 - i));
    }
}

TEST(SkinLoader, AnAction4ButtonWithoutAnAnchorKeepsItsOwnPosition) {
    const auto m = Parse("[Button3]\nAction=4\nXcoord=99\nYcoord=98\n"
                         "[Button1]\nAction=1\nVisibility=2\nXcoord=30\n");
    EXPECT_EQ(m->SysButtonRecords[0]->XCoord, 99);
    EXPECT_EQ(m->SysButtonRecords[0]->YCoord, 98);
    EXPECT_EQ(CaptionButtonFrameCount(0, 0, 1), 6);
    EXPECT_EQ(CaptionButtonFrameCount(38, 10, 1), 3);
    EXPECT_EQ(CaptionButtonFrameCount(39, 10, 1), 6);
    EXPECT_EQ(CaptionButtonFrameCount(30, 10, -2), 6);
}

TEST(SkinLoader, ElementSlotsFollowTheirFrameTileAndMarginRules) {
    const TFiles files = {{"a.bmp", Bmp(20, 10)}};
    const auto m = Parse("[Colours]\nButtonText=7 7 7\n"
                         "[Headerbar]\nImage=a.bmp\nFrame=4\nTile=2\nNormalColour=5\n"
                         "NormalColour2=1 1 1\n"
                         "[MenuItem]\nImage=a.bmp\n[Tab.Pane]\nImage=a.bmp\nLeftWidth=9\n"
                         "Rightwidth=3\nTopHeight=-2\n"
                         "[Progress]\nBitmap=a.bmp\nTile=2\nStyle=1\n"
                         "[Personality]\nmenuBar=a.bmp\nTileMenu=2\n"
                         "[HorzScrollThumb]\nImage=a.bmp\nFrame=9\nFrameCount=7\n"
                         "[VertScrollThumb]\nImage=a.bmp\n[Scrollbar]\nImage=a.bmp\nFrame=2\n"
                         "[GroupBox]\nImage=a.bmp\nBackgroundLeftShift=6\n[Tabs]\nImage=a.bmp\n"
                         "Border=a.bmp\n[Progress.Chunk]\nImage=a.bmp\nFrame=3\n",
                         files);
    EXPECT_EQ(m->Headerbar->FrameCount, 4);
    EXPECT_EQ(m->Headerbar->Tile, 0);
    EXPECT_EQ(m->Headerbar->NormalColour, 5);
    EXPECT_EQ(m->Headerbar->MouseOverColour, -1);
    EXPECT_EQ(m->Headerbar->NormalColour2, MakeColour(1, 1, 1));
    EXPECT_EQ(m->Headerbar->PressedColour2, MakeColour(7, 7, 7));
    EXPECT_EQ(m->Headerbar->Name, "Headerbar");
    EXPECT_EQ(m->MenuItem->FrameCount, 5);
    EXPECT_EQ(m->TabPane->LeftWidth, 4);
    EXPECT_EQ(m->TabPane->RightWidth, 3);
    EXPECT_EQ(m->TabPane->TopHeight, 0); // no margin is negative
    EXPECT_EQ(m->Progress->Tile, 1);
    EXPECT_EQ(m->Progress->FrameCount, 1);
    EXPECT_EQ(m->Progress->NormalColour, 0);
    EXPECT_EQ(m->MenuBarImage->Tile, 1);
    EXPECT_EQ(m->MenuBarImage->LeftWidth, 1);
    EXPECT_EQ(m->MenuBarImage->FrameCount, 2);
    EXPECT_EQ(m->HorzScrollThumb->FrameCount, 7);
    EXPECT_EQ(m->VertScrollThumb->FrameCount, 3);
    EXPECT_EQ(m->Scrollbar->FrameCount, 23);
    EXPECT_EQ(m->GroupBox->BackgroundLeftShift, 6);
    EXPECT_EQ(m->GroupBox->FrameCount, 1);
    EXPECT_EQ(m->Tabs->Bitmap2.Width(), 20);
    EXPECT_EQ(m->ProgressChunk->FrameCount, 3);
    EXPECT_EQ(m->Title.FrameCount, 2);
    EXPECT_FALSE(m->SunkEdge);
    EXPECT_FALSE(m->UpDownHorz);

    const auto plain = Parse("[Headerbar]\nImage=a.bmp\n", files);
    EXPECT_EQ(plain->Headerbar->FrameCount, 5);
}

TEST(SkinLoader, ImageNamesMustEndInLowerCaseBmp) {
    const TFiles files = {{"x.bmp", Bmp(4, 4)}};
    struct TCase {
        const char* Image;
        bool Loaded;
    };
    const TCase cases[] = {{"x.bmp", true},        {"X.bmp", true},  {"skins\\x.bmp", true},
                           {"a/b\\x.bmp", true},   {"x.BMP", false}, {"x.png", false},
                           {"missing.bmp", false}, {"x", false},     {"folder\\", false}};
    for (const TCase& c : cases) {
        const auto m = Parse(std::string("[MenuItem]\nImage=") + c.Image + "\n", files);
        ASSERT_TRUE(m->MenuItem) << c.Image;
        EXPECT_EQ(!m->MenuItem->Bitmap.Empty(), c.Loaded) << c.Image;
    }
    const auto broken = Parse("[MenuItem]\nImage=x.bmp\n", {{"x.bmp", {'B', 'M', 1, 2}}});
    EXPECT_TRUE(broken->MenuItem->Bitmap.Empty());
}

TEST(SkinLoader, MissingTrackImagesUseTheBuiltInOnes) {
    const auto m = Parse("[Track]\nLeftWidth=1\n");
    for (const auto* track : {m->Track.get(), m->TrackVert.get()}) {
        ASSERT_TRUE(track);
        EXPECT_EQ(track->LeftWidth, 3);
        EXPECT_EQ(track->BottomHeight, 3);
        EXPECT_EQ(track->Tile, 0);
        EXPECT_EQ(track->FrameCount, 1);
    }
    EXPECT_EQ(m->Track->Name, "TRACK");
    EXPECT_EQ(m->Track->Bitmap.Width(), 16);
    EXPECT_EQ(m->Track->Bitmap.Height(), 4);
    EXPECT_EQ(m->TrackVert->Bitmap.Width(), 4);
    EXPECT_EQ(m->TrackVert->Bitmap.Height(), 16);

    const auto given = Parse("[Track]\nImage=t.bmp\nFrame=2\n", {{"t.bmp", Bmp(8, 2)}});
    EXPECT_EQ(given->Track->Bitmap.Width(), 8);
    EXPECT_EQ(given->Track->FrameCount, 2);
    const auto missing = Parse("[Track]\nImage=gone.bmp\n");
    EXPECT_EQ(missing->Track->Bitmap.Width(), 16);
}

TEST(SkinLoader, BordersButtonsAndTitleFillTheFixedRecords) {
    TPixelBitmap top(9, 12, kBlack);
    top.SetPixel(3, 2, MakeColour(200, 10, 10)); // (9 div 3, (12 div 2) div 3)
    const TFiles files = {
        {"top.bmp", EncodeBmp24(top)}, {"radio.bmp", Bmp(26, 13)}, {"check.bmp", Bmp(96, 16)}};
    const auto m = Parse("[Personality]\nTop=top.bmp\nTopTopHeight=4\nTopBotHeight=5\nTopFrame=2\n"
                         "LeftTopHeight=6\nLeftBotHeight=7\nLeftStretch=3\nRightTrans=0\n"
                         "TextShift=11\nTextShiftVert=12\nTextRightClip=13\n"
                         "ActiveTextR=300\nActiveTextG=1\nActiveTextB=2\nInActiveTextR=5\n"
                         "[Buttons]\nRadioButton=radio.bmp\nCheckButton=check.bmp\nTile=5\n"
                         "PressedColour2=1 2 3\n",
                         files);
    EXPECT_EQ(m->Top.LeftWidth, 4);
    EXPECT_EQ(m->Top.RightWidth, 5);
    EXPECT_EQ(m->Top.TopHeight, 0);
    EXPECT_EQ(m->Top.FrameCount, 2);
    EXPECT_EQ(m->Left.TopHeight, 6);
    EXPECT_EQ(m->Left.BottomHeight, 7);
    EXPECT_EQ(m->Left.LeftWidth, 0);
    EXPECT_EQ(m->Left.Tile, 1);
    EXPECT_EQ(m->Left.Trans, 1);
    EXPECT_EQ(m->Right.Trans, 0);
    EXPECT_EQ(m->Bottom.FrameCount, 1);
    EXPECT_EQ(BaseColour(*m), MakeColour(200, 10, 10));
    EXPECT_EQ(m->Colours[sciBaseColour], MakeColour(200, 10, 10));

    EXPECT_EQ(m->Buttons.FrameCount, 5);
    EXPECT_EQ(m->Buttons.RadioFrameCount, 4); // 26 div 13 = 2, at least 4
    EXPECT_EQ(m->Buttons.CheckFrameCount, 6); // 96 div 16
    EXPECT_EQ(m->Buttons.Tile, 0);
    EXPECT_TRUE(m->Buttons.HasPressedColour2);
    EXPECT_FALSE(m->Buttons.HasNormalColour2);
    EXPECT_EQ(m->Buttons.PressedColour2, MakeColour(1, 2, 3));
    EXPECT_EQ(m->Buttons.NormalColour, -1);

    EXPECT_EQ(m->Title.LeftWidth, 11);
    EXPECT_EQ(m->Title.TopHeight, 12);
    EXPECT_EQ(m->Title.RightWidth, 13);
    EXPECT_EQ(m->Title.FontHeight, 14);
    EXPECT_EQ(m->Title.ActiveTextColour, MakeColour(44, 1, 2));
    EXPECT_EQ(m->Title.InactiveTextColour, kTitleColourNotGiven);
}

TEST(SkinLoader, ABorderFrameCountOfZeroDoesNotBreakTheBaseColour) {
    const auto m = Parse("[Personality]\nTop=top.bmp\nTopFrame=0\n",
                         {{"top.bmp", Bmp(9, 9, MakeColour(50, 60, 70))}});
    EXPECT_EQ(m->Colours[sciBaseColour], MakeColour(50, 60, 70));
}

TEST(SkinLoader, ComboArrowWithoutSunkEdgeIsTheButtonOnTheFaceColour) {
    TPixelBitmap button(8, 2, kKeyColour);
    button.SetPixel(0, 0, MakeColour(1, 1, 1));
    const auto m = Parse("[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=c.bmp\n",
                         {{"c.bmp", EncodeBmp24(button)}});
    ASSERT_TRUE(m->ComboArrow);
    EXPECT_EQ(m->ComboArrow->Name, "ComboxArrow");
    EXPECT_EQ(m->ComboArrow->FrameCount, 4);
    EXPECT_EQ(m->ComboArrow->Bitmap.Pixel(0, 0), MakeColour(1, 1, 1));
    EXPECT_EQ(m->ComboArrow->Bitmap.Pixel(5, 1), MakeColour(10, 20, 30));
    TPixelBitmap mirrored = button;
    MirrorBitmap(mirrored);
    EXPECT_EQ(m->ComboButton->Bitmap2, mirrored);
}

TEST(SkinLoader, ComboImagesJoinSunkEdgeAndButtonIntoOneStripPerState) {
    // Four 10 x 10 states of the edge, each its own colour; a 4-state button.
    TPixelBitmap edge(40, 10);
    TPixelBitmap button(40, 21);
    for (int k = 0; k < 4; ++k) {
        edge.FillRect(10 * k, 0, 10 * k + 10, 10, MakeColour(10 + k, 0, 0));
        button.FillRect(10 * k, 0, 10 * k + 10, 21, MakeColour(0, 10 + k, 0));
    }
    const auto m = Parse("[SunkEdge]\nImage=e.bmp\nLeftWidth=1\nTopHeight=1\n"
                         "[ComboButton]\nImage=b.bmp\n",
                         {{"e.bmp", EncodeBmp24(edge)}, {"b.bmp", EncodeBmp24(button)}});
    const int a = 16 + 2; // the default arrow width + 2
    const TDataSkinBorder& combo = *m->ComboButton;
    EXPECT_EQ(combo.Style, 2);
    EXPECT_EQ(combo.Bitmap.Width(), 200);
    EXPECT_EQ(combo.Bitmap.Height(), 21);
    EXPECT_EQ(combo.LeftWidth, 2);
    EXPECT_EQ(combo.RightWidth, a + 2);
    EXPECT_EQ(combo.TopHeight, 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(combo.Bitmap.Pixel(50 * k + 0, 0), MakeColour(10 + k, 0, 0)) << k;
        EXPECT_EQ(combo.Bitmap.Pixel(50 * k + 10, 10), kKeyColour) << k;
        EXPECT_EQ(combo.Bitmap.Pixel(50 * k + 49, 10), MakeColour(0, 10 + k, 0)) << k;
    }
    TPixelBitmap mirrored = combo.Bitmap;
    MirrorBitmap(mirrored);
    EXPECT_EQ(m->SunkEdge->Bitmap, mirrored);
    EXPECT_EQ(m->SunkEdge->LeftWidth, a + 2);
    EXPECT_EQ(m->SunkEdge->RightWidth, 2);

    const TDataSkinObject& arrow = *m->ComboArrow;
    EXPECT_EQ(arrow.FrameCount, 4);
    EXPECT_EQ(arrow.Bitmap.Width(), 68);
    EXPECT_EQ(arrow.Bitmap.Height(), 17);
    EXPECT_EQ(arrow.Bitmap.Pixel(17 * 2 + 16, 5), MakeColour(0, 12, 0));
}

// Both branches of the bottom colour's rule: a strong face (strength above
// 110) is lightened toward white, a weak one mixed with grey.
TEST(SkinLoader, ToolbarBackgroundIsAVerticalGradientFromTheLightenedFace) {
    const struct {
        const char* Face;
        TColour Top, Second, Middle, Bottom; // rows 0, 1, 20 and 39
    } cases[] = {
        {"200 100 50", MakeColour(247, 232, 224), MakeColour(247, 231, 223),
         MakeColour(236, 200, 182), MakeColour(225, 169, 141)},
        {"40 40 40", MakeColour(223, 223, 223), MakeColour(222, 222, 222),
         MakeColour(181, 181, 181), MakeColour(140, 140, 140)},
    };
    for (const auto& c : cases) {
        const auto m = Parse(std::string("[Colours]\nButtonFace=") + c.Face + "\n");
        const TDataSkinObject& toolbar = *m->ToolbarBackground;
        EXPECT_EQ(toolbar.Name, "Toolbar");
        EXPECT_EQ(toolbar.FrameCount, 1);
        ASSERT_EQ(toolbar.Bitmap.Width(), 10);
        ASSERT_EQ(toolbar.Bitmap.Height(), 40);
        for (int x : {0, 9}) {
            EXPECT_EQ(toolbar.Bitmap.Pixel(x, 0), c.Top) << c.Face;
            EXPECT_EQ(toolbar.Bitmap.Pixel(x, 1), c.Second) << c.Face;
            EXPECT_EQ(toolbar.Bitmap.Pixel(x, 20), c.Middle) << c.Face;
            EXPECT_EQ(toolbar.Bitmap.Pixel(x, 39), c.Bottom) << c.Face;
        }
    }
}

TEST(SkinLoader, RefusedArchiveLeavesTheSkinNotLoaded) {
    TSkinModel model;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    const std::vector<std::uint8_t> tooShort = {1, 2};
    EXPECT_FALSE(LoadSkin(model, tooShort, &result));
    EXPECT_EQ(result, TSkinLoadResult::ImageTooShort);
    EXPECT_TRUE(model.SkinNotLoaded);
}

TEST(SkinLoader, ALaterParseReplacesEverySlot) {
    const TFiles files = {{"a.bmp", Bmp(4, 4)}};
    TQuickIni first, second;
    first.LoadFromText("[Progress]\nBitmap=a.bmp\n[Button1]\nAction=1\n");
    second.LoadFromText("[MenuItem]\nImage=a.bmp\n");
    TSkinModel model;
    const TSkinFileSource source = [&files](const std::string& name,
                                            std::vector<std::uint8_t>& out) {
        const auto it = files.find(name);
        if (it != files.end()) out = it->second;
    };
    ParseSkin(model, first, source);
    ASSERT_TRUE(model.Progress);
    ASSERT_EQ(model.SysButtonRecords.size(), 4u);
    ParseSkin(model, second, source);
    EXPECT_FALSE(model.Progress);
    EXPECT_TRUE(model.MenuItem);
    EXPECT_EQ(model.SysButtonRecords.size(), 3u);
}

TEST(SkinLoader, AnErrorWhileLoadingIsARefusalNotAnException) {
    // A few bytes of bitmap ask for 3 MB of pixels; with single allocations
    // held to 1 MB the load runs out of memory half-way.
    const auto image = SkinImage({{"skin.ini", ToBytes("[MenuItem]\nImage=big.bmp\n")},
                                  {"big.bmp", EmptyRleBmp(1000, 1000)}});
    TSkinModel model;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    bool loaded = true;
    {
        const TAllocationCeiling ceiling(1 << 20);
        EXPECT_NO_THROW(loaded = LoadSkin(model, image, &result));
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(result, TSkinLoadResult::LoadFailed);
    EXPECT_TRUE(model.SkinNotLoaded);

    ASSERT_TRUE(LoadSkin(model, image, &result));
    EXPECT_FALSE(model.SkinNotLoaded);
    EXPECT_EQ(model.MenuItem->Bitmap.Width(), 1000);
}

TEST(SkinLoader, RefusesAnIniLongerThanAnySkinNeeds) {
    std::string ini = "[TitlebarSkin]\nSkinName=long\n;";
    ini.resize(kMaxSkinIniBytes + 1, ';');
    TSkinModel model;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    EXPECT_FALSE(LoadSkin(model, SkinImage({{"skin.ini", ToBytes(ini)}}), &result));
    EXPECT_EQ(result, TSkinLoadResult::IniTooLarge);
    EXPECT_TRUE(model.SkinNotLoaded);

    ini.resize(kMaxSkinIniBytes);
    EXPECT_TRUE(LoadSkin(model, SkinImage({{"skin.ini", ToBytes(ini)}}), &result));
    EXPECT_EQ(model.SkinName, "long");
}

TEST(SkinLoader, EachImageIsFetchedOnceHoweverManySectionsNameIt) {
    std::string ini = "[MenuItem]\nImage=b.bmp\n[Buttons]\nBitmap=skins\\B.bmp\n"
                      "[Scrollbar]\nImage=gone.bmp\n[Headerbar]\nImage=gone.bmp\n";
    for (int i = 0; i < 10; ++i)
        ini += "[Button" + std::to_string(i) + "]\nAction=1\nButtonImage=b.bmp\n";
    std::map<std::string, int> fetches;
    const auto m = Parse(ini, {{"b.bmp", Bmp(6, 2)}}, &fetches);
    EXPECT_EQ(fetches, (std::map<std::string, int>{{"b.bmp", 1}, {"gone.bmp", 1}}));
    EXPECT_EQ(m->MenuItem->Bitmap.Width(), 6);
    EXPECT_EQ(m->Buttons.Bitmap.Width(), 6);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(m->SysButtonRecords[static_cast<std::size_t>(i)]->Bitmap.Width(), 6) << i;
    EXPECT_TRUE(m->Headerbar->Bitmap.Empty());
}

TEST(SkinLoader, ReadsCaptionButtonAndColourSectionsUpToTheirLimit) {
    std::string ini;
    for (int i = 0; i < 1000; ++i) {
        const std::string n = std::to_string(i);
        ini += "[Button" + n + "]\nAction=1\n[Colour" + n + "]\ncolor=1 2 3\n";
    }
    const auto m = Parse(ini);
    ASSERT_EQ(m->SysButtonRecords.size(), static_cast<std::size_t>(kMaxSkinButtonSections) + 3);
    EXPECT_EQ(m->SysButtonRecords[kMaxSkinButtonSections - 1]->Name,
              "BUTTON" + std::to_string(kMaxSkinButtonSections - 1));
    EXPECT_EQ(m->SysButtonRecords[kMaxSkinButtonSections]->Action, 7); // the MDI buttons follow
    EXPECT_EQ(m->ExtraColours.size(), static_cast<std::size_t>(kMaxSkinColourSections));
}

TEST(SkinLoader, DecodedPixelsStayWithinTheSkinsBudget) {
    // Twenty elements, each with its own million-pixel image of a few bytes:
    // images are kept in reading order while the budget lasts.
    const char* const sections[] = {
        "Progress.Chunk",     "GroupBoxEdge",        "StatusBarEdges",     "Tab.Pane",
        "ToolBars",           "ExtraImages",         "Headerbar",          "MenuItem",
        "MenuBackground",     "Scrollbar",           "HorzScroll",         "VertScroll",
        "HorzScrollThumb",    "VertScrollThumb",     "Trackbar.ThumbHorz", "Trackbar.ThumbVert",
        "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown"};
    TFiles files;
    std::string ini;
    int i = 0;
    for (const char* section : sections) {
        const std::string name = std::to_string(i++) + ".bmp";
        files[name] = EmptyRleBmp(1000, 1000);
        ini += std::string("[") + section + "]\nImage=" + name + "\n";
    }
    const auto m = Parse(ini, files);
    std::int64_t total = 0;
    for (const TDataSkinObject* element : SkinElements(*m))
        total += Pixels(element->Bitmap);
    EXPECT_LE(total, kMaxSkinPixels);
    EXPECT_EQ(Pixels(m->ProgressChunk->Bitmap), 1'000'000);
    EXPECT_TRUE(m->TrackbarThumbDown->Bitmap.Empty());

    // Every use counts, shared or not: an image the size of the budget fits once.
    const auto shared = Parse("[MenuItem]\nImage=big.bmp\n[Scrollbar]\nImage=big.bmp\n",
                              {{"big.bmp", EmptyRleBmp(4096, 4096)}});
    EXPECT_EQ(Pixels(shared->MenuItem->Bitmap), kMaxSkinPixels);
    EXPECT_TRUE(shared->Scrollbar->Bitmap.Empty());
}

TEST(SkinLoader, MarginsFramesAndOffsetsAreClampedAtLoad) {
    const struct {
        const char* value;
        std::int32_t margin, frames, offset;
    } cases[] = {
        {"2147483647", 4096, 256, 4096},
        {"-2147483648", 0, 1, -4096},
        {"-5", 0, 1, -5},
        {"7", 7, 7, 7},
        {"300", 300, 256, 300},
        {"5000", 4096, 256, 4096},
    };
    const TFiles files = {{"a.bmp", Bmp(8, 4)}};
    for (const auto& c : cases) {
        const std::string v = c.value;
        const auto m = Parse(
            "[MenuItem]\nImage=a.bmp\nLeftWidth=" + v + "\nTopHeight=" + v + "\nRightWidth=" + v +
                "\nBottomHeight=" + v + "\n[Progress.Chunk]\nImage=a.bmp\nFrame=" + v +
                "\n[Personality]\nTop=a.bmp\nTopTopHeight=" + v + "\nTopFrame=" + v +
                "\nTextShift=" + v + "\nTextShiftVert=" + v + "\nTextRightClip=" + v +
                "\nTXTBackleft=" + v + "\nTXTBackRight=" + v + "\n[Buttons]\nLeftWidth=" + v +
                "\nRadioButtonFrame=" + v + "\n[GroupBox]\nImage=a.bmp\nBackgroundLeftShift=" + v +
                "\n[Button1]\nAction=1\nXcoord=" + v + "\nYcoord=" + v + "\nframe=" + v +
                // Extreme margins on the edge that the combo images are built from.
                "\n[SunkEdge]\nImage=a.bmp\nLeftWidth=" + v + "\nRightWidth=" + v +
                "\n[ComboButton]\nImage=a.bmp\n",
            files);
        const TDataSkinSysButton& button = *m->SysButtonRecords[0];
        const std::int32_t margins[] = {m->MenuItem->LeftWidth,  m->MenuItem->TopHeight,
                                        m->MenuItem->RightWidth, m->MenuItem->BottomHeight,
                                        m->Top.LeftWidth,        m->Buttons.LeftWidth,
                                        m->Title.TextBackLeft,   m->Title.TextBackRight};
        for (std::int32_t margin : margins)
            EXPECT_EQ(margin, c.margin) << v;
        const std::int32_t frames[] = {m->ProgressChunk->FrameCount, m->Top.FrameCount,
                                       m->Buttons.RadioFrameCount, button.FrameCount};
        for (std::int32_t count : frames)
            EXPECT_EQ(count, c.frames) << v;
        const std::int32_t offsets[] = {m->Title.LeftWidth,  m->Title.TopHeight,
                                        m->Title.RightWidth, m->GroupBox->BackgroundLeftShift,
                                        button.XCoord,       button.YCoord};
        for (std::int32_t offset : offsets)
            EXPECT_EQ(offset, c.offset) << v;
    }
    // A frame count of 0 where no rule derives one reads as one frame.
    EXPECT_EQ(Parse("[Progress.Chunk]\nImage=a.bmp\n", files)->ProgressChunk->FrameCount, 1);
}

// The MDI child's buttons take their places from their picture's width: a
// very wide picture must not place them beyond the offsets' range.
TEST(SkinLoader, MDIButtonPlacesFromAWidePictureStayInRange) {
    const auto m = Parse("[MDICONTROLS]\nImage=wide.bmp\n", {{"wide.bmp", EmptyRleBmp(20000, 1)}});
    ASSERT_EQ(m->SysButtonRecords.size(), 3u);
    for (const auto& button : m->SysButtonRecords) {
        EXPECT_FALSE(button->Bitmap.Empty());
        EXPECT_LE(button->XCoord, kMaxSkinOffset);
    }
    // A picture of ordinary width keeps the places it gives.
    const auto usual = Parse("[MDICONTROLS]\nImage=a.bmp\n", {{"a.bmp", Bmp(120, 10)}});
    EXPECT_EQ(usual->SysButtonRecords[0]->XCoord, (10 + 4) * 3);
}

} // namespace
