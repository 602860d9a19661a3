// A control's parent paints what lies under the control, in the control's
// own coordinates and only inside its area.
#include "draw_fixture.h"
#include "engine/paint_control_into.h"
#include "toolkit/button.h"
#include "toolkit/form.h"

#include <gtest/gtest.h>

namespace {

class TSwatch : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void Paint(HDC dc) override {
        RECT r{0, 0, Width(), Height()};
        TBrushHandle brush(CreateSolidBrush(Letter('b')));
        FillRect(dc, &r, brush.Get());
    }
};

struct TFormWithChildren {
    TComponent root{nullptr};
    TForm* form = new TForm(&root);
    TButton* button = new TButton(&root);
    TFormWithChildren() {
        form->SetBounds(0, 0, 200, 150);
        form->SetColor(static_cast<int>(Letter('g')));
        auto* swatch = new TSwatch(&root);
        swatch->SetParent(form);
        swatch->SetBounds(30, 10, 10, 10);
        button->SetParent(form);
        button->SetBounds(25, 5, 20, 20);
        form->HandleNeeded();
    }
    ~TFormWithChildren() { FreeForm(form); }
};

} // namespace

TEST(PaintControlInto, ParentPaintsUnderTheControlInItsCoordinates) {
    TFormWithChildren f;
    TTarget t(24, 24);
    PaintControlInto(f.button, t.DC());
    // The form's colour, with the swatch at its place relative to the button.
    EXPECT_EQ(t.Row(0, 0, 20), std::string(20, 'g'));
    EXPECT_EQ(t.Row(5, 0, 20), "gggggbbbbbbbbbbggggg");
    EXPECT_EQ(t.Row(14, 0, 20), "gggggbbbbbbbbbbggggg");
    EXPECT_EQ(t.Row(15, 0, 20), std::string(20, 'g'));
    // Nothing outside the button's area, and the DC is as it was.
    EXPECT_EQ(t.Row(5, 20, 24), "....");
    EXPECT_EQ(t.Row(21), std::string(24, '.'));
    POINT origin;
    GetViewportOrgEx(t.DC(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST(PaintControlInto, ControlWithoutParentPaintsNothing) {
    TComponent root(nullptr);
    auto* orphan = new TButton(&root);
    orphan->SetBounds(0, 0, 10, 10);
    TTarget t(10, 10);
    PaintControlInto(orphan, t.DC());
    PaintControlInto(nullptr, t.DC());
    EXPECT_EQ(t.Row(3), "..........");
}
