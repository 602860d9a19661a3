#pragma once
// Where text sits in its box; check boxes and radio buttons use the first
// two values to say on which side of the box their caption stands.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
