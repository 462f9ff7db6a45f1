// The colours' identifiers ("clWindow") and their text form, as window designs and settings files write them.
#pragma once

#include "toolkit/system/Types.h"

#include <utility>
#include <vector>

// Every named colour with its value, the standard colours first, then the system colours.
const std::vector<std::pair<const char*, TColor>>& ColorIdents();
// The 138 named web colours ("clWebSnow"), one name per RGB value.
const std::vector<std::pair<const char*, TColor>>& WebColorIdents();
// The web colour's name of an RGB value, or "" when no web colour has it.
String WebColorName(TColor Color);
// The colour's identifier when it has one, else "$" and eight hexadecimal digits (00BBGGRR).
String ColorToString(TColor Color);
// An identifier or a web colour's name (without regard to case) or a number, decimal, "$" or "0x" hexadecimal;
// raises EConvertError for anything else.
TColor StringToColor(const String& Text);
