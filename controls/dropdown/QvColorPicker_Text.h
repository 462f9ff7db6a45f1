// The colour picker's colour texts: a colour written as its stored hexadecimal value, its web colour name,
// its red, green and blue in decimal or as an HTML colour, and the reading of any of these texts back.
#pragma once

#include "toolkit/system/Types.h"

enum TColorValueText { cvtNone, cvtHex, cvtRGB, cvtHTML, cvtWebName };

// cvtHex: at least six upper-case hexadecimal digits of the value as stored (red in the low byte);
// cvtWebName: the web colour's name, else as cvtHTML; cvtRGB: "Red:r,Green:g,Blue:b"; cvtHTML: "#RRGGBB";
// cvtNone: "". System colours are resolved to their RGB value first, except for cvtHex.
String ColorValueTextOf(TColor Color, TColorValueText Kind);

// Reads a colour text of any of those forms, a colour identifier or a number as window designs write
// them ("$00BBGGRR", "0x...", decimal). False, with Color untouched, for anything else.
bool ReadColorValueText(const String& Text, TColor& Color);
