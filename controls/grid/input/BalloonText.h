// The texts of the grid's balloons: what a cell's text becomes before the hooks see it, and the cuts that
// keep the text and the title within their buffers.
#pragma once

#include "toolkit/system/Types.h"

// The longest cell text a balloon starts from, and the longest title it shows.
constexpr int kBalloonCellTextMax = 2048;
constexpr int kBalloonTitleMax = 100;

// Text cut to Limit characters: a longer one keeps its first Limit - 3 and ends in "...", never splitting a
// character that takes two UTF-16 units.
String CutWithEllipsis(const String& Text, int Limit);
// A cell's text for its balloon: tabs become blanks, the line breaks and tabs it starts with go, and it is
// cut to 2048 characters.
String BalloonCellText(const String& Text);
