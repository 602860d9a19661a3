#pragma once
// Lets a control's parent paint what lies under the control (its background
// and its other content) into a DC whose origin is the control's top-left,
// so a control with see-through parts can show its parent.
#include "toolkit/control.h"

void PaintControlInto(TControl* control, HDC dc);
