// What the library's one-line editors with a button inside share: the lowest height that shows their font.
#pragma once

#include "toolkit/graphics/Graphics.h"

// The font's character height and a quarter of the smaller of it and the system font's, with the edit's
// single border: an editor made lower is raised to it.
int EditMinHeight(const TFont* Font);
