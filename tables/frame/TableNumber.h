// How the table windows read a whole number from a cell.
#pragma once

#include "toolkit/system/Types.h"

// Leading blanks, an optional sign, then decimal digits or a hexadecimal number after "$", "x", "X", "0x"
// or "0X"; anything else (empty, trailing blanks or characters, out of 32-bit range) gives `def`.
Integer Read_Table_Int(const String& text, Integer def = -1);
