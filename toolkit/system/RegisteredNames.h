// Numbers handed out for names, one table for the whole run: registered window messages and clipboard
// formats share it, as on the platform the program was written for.
#pragma once

#include "toolkit/system/Types.h"

// The number of a message known by name; the same name gives the same number for the whole run.
UINT RegisterWindowMessage(const String& name);
// The number of a clipboard format known by name; formats and registered messages share one table.
UINT RegisterClipboardFormat(const String& name);
// The name a registered format (or message) number was first registered under; empty for other numbers.
String GetClipboardFormatName(UINT format);
