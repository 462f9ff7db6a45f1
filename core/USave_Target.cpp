// The question before a window writes one of its files through a link.
#include "core/USave_Target.h"

#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/system/SysUtils.h"

bool Confirm_Save_Through_Link(const String& path) {
    const String target = LinkTarget(path);
    if (target.isEmpty() || (PathExists(target) && !FileExists(target))) return true;
    return MessageDlg(Format(Lang_Texts->Strings(Text_Save_Through_Link), {path, target}), mtConfirmation,
                      mbYesNo) == mrYes;
}
