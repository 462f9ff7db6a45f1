// The print settings kept in a section of an INI file: Booleans as "Y" / "N", enumerations by their
// ordinal, font styles as the bits bold 1, italic 2, underline 4, strike-out 8.
#pragma once

#include "toolkit/system/Types.h"

class TMemIniFile;
class TPrintSettings;

namespace PrintSettingsFile {

void Save(const TPrintSettings& Settings, TMemIniFile& Ini, const String& Section);
// Missing keys give their defaults; out-of-range enumerations keep the current value (positions become
// none). The section is read whole before anything changes: a value that is not a number where one
// belongs, or a font size outside 1..1000, raises EConvertError and leaves the settings as they were.
void Load(TPrintSettings& Settings, const TMemIniFile& Ini, const String& Section);

} // namespace PrintSettingsFile
