// The small symbols of the skins, as shapes centred on (cx, cy).
#pragma once

#include "shapes.h"

namespace skinart {

enum class Direction { Left, Right, Up, Down };

Shape CloseGlyph(double cx, double cy, double size, double stroke);
Shape MinimizeGlyph(double cx, double cy, double size, double stroke);
Shape MaximizeGlyph(double cx, double cy, double size, double stroke);
Shape RestoreGlyph(double cx, double cy, double size, double stroke);
Shape HelpGlyph(double cx, double cy, double size, double stroke);
Shape CheckGlyph(double cx, double cy, double size, double stroke);
Shape DashGlyph(double cx, double cy, double size, double stroke);
// An open chevron pointing in the direction.
Shape Chevron(double cx, double cy, double size, double stroke, Direction direction);
// A solid triangle pointing in the direction.
Shape Arrowhead(double cx, double cy, double size, Direction direction);
// Diagonal rows of dots: the size grip.
Shape GripDots(double right, double bottom);
// Three short parallel bars: the grip on a scrollbar thumb.
Shape ThumbGrip(double cx, double cy, bool vertical);

} // namespace skinart
