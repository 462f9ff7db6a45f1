// Word breaks and mixed case, shared by the grid's cell editors and the dropdown edits.
#pragma once

#include "toolkit/system/Types.h"

// ' ' '\'' ',' '-' '.' end a word.
bool IsWordBreakChar(QChar Ch);
// Each word's first letter upper case, the rest lower case; "Mc" and a closing roman "I" or "II" keep the
// next letter's capital.
String ToMixedCase(const String& Text);
