// Writing a generated description file whole, with its failure shown to the user.
#include "generators/UDescription_Files.h"

#include "core/USave_Target.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/system/Streams.h"

bool Save_Generated_File(const String& path, const QStringList& lines, TTextEncoding encoding) {
    String text;
    for (const String& line : lines)
        text += line + QStringLiteral("\r\n");
    if (!Confirm_Save_Through_Link(path)) return false;
    String error;
    if (SaveFileAtomically(path, EncodeText(text, encoding), &error)) return true;
    MessageDlg(QStringLiteral("The file \"%1\" could not be written.%2")
                   .arg(path, error.isEmpty() ? String() : " " + error),
               mtError, mbOK);
    return false;
}
