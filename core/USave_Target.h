// The question before a window writes one of its files through a link.
#pragma once

#include "toolkit/system/Types.h"

// Asked before every save of a window or step: when the name is a link to a file (or to nothing yet),
// the person is asked first, naming the file it leads to, which the save replaces. Anything else passes
// without a word (a name that is no regular file is refused by the save itself, with its reason). True
// when the save may go on.
bool Confirm_Save_Through_Link(const String& path);

// The question before writing through a link ("%s" the link, "%s" the file it leads to).
constexpr int Text_Save_Through_Link = 1320;
// The communication settings window's question before OK replaces a file it could not read whole, and the
// main window's report of a settings file it could not read (followed by the path and the reason).
constexpr int Text_Overwrite_Unread_Settings = 1321;
constexpr int Text_Program_Settings_Not_Read = 1322;
