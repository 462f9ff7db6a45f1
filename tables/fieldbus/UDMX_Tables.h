// The DMX default-value table as a sheet: one row per channel, the channel count taken from the
// communication settings at each showing.
#pragma once

#include "tables/frame/TableSheet.h"

constexpr Integer DMX_Max_Channels = 512;

enum TDMXColumn : Integer { dmDefault_Value = 1, dmMnemonic };

// The channel count of the settings file at `parGenPath` ("DMX_Num_Channels"): within 1 .. 512, and 512
// when the file, the element or a number is missing.
Integer DMX_Channel_Count(const String& parGenPath);

// The sheet of TFDMXDefVal: every channel row is checked and written, as "Row" elements.
TTableSheet DMX_Default_Values_Sheet();
