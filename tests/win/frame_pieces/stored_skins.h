#pragma once
#include "engine/skin_data.h"

// Item `index` of the main form's skin store: 0 the blue skin, 1 the yellow.
TSkinBytes StoredSkin(int index);
