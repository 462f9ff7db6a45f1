// Text, number and file-system routines of the toolkit: parsing and formatting, 1-based string
// helpers, paths, folder listing, the program's folder, tick count and the locale's decimal separator.
#pragma once

#include "toolkit/system/Types.h"

#include <QChar>
#include <QVariant>
#include <cstdint>
#include <initializer_list>
#include <vector>

// ---- integers ----

// The one parser for numbers typed into table cells and fields. Accepts an optional run of leading
// blanks, an optional sign, then decimal digits, or "$" / "0x" / "0X" followed by hexadecimal digits.
// Hexadecimal texts may use all 32 bits ("$FFFFFFFF" is -1, as the platform reads them); decimal
// texts must fit a signed 32-bit integer. Anything else (empty, only blanks, trailing characters,
// a bare prefix, overflow) answers -1, which every range check then refuses.
Integer ParseCellInt(const String& s);

// The same grammar as ParseCellInt; false (value untouched) when the text does not parse.
bool TryStrToInt(const String& s, Integer& value);
// Raises EConvertError "'<s>' is not a valid integer value" when the text does not parse.
Integer StrToInt(const String& s);
Integer StrToIntDef(const String& s, Integer def);
// 64-bit variants with the same grammar (hexadecimal may use all 64 bits).
bool TryStrToInt64(const String& s, int64_t& value);
int64_t StrToInt64Def(const String& s, int64_t def);

String IntToStr(int64_t value);
// Upper-case hexadecimal, at least `digits` digits (zero-padded); negative values show their 32-bit pattern.
String IntToHex(int64_t value, int digits);

// ---- floating point ----

// The locale's decimal separator (first character of QLocale::system()'s), unless a test set an override.
QChar DecimalSeparator();
// A null QChar removes the override.
void SetDecimalSeparatorOverride(QChar separator);
// The rest of the user's format settings (the program's locale).
QChar ThousandSeparator();
QChar DateSeparator();
QChar TimeSeparator();
String ShortDateFormat();
String ShortTimeFormat();

// Plain decimal notation with `separator` as the only accepted decimal point; optional sign and
// exponent, blanks around the number allowed, no thousands separators.
bool TryStrToFloat(const String& s, double& value, QChar separator);
bool TryStrToFloat(const String& s, double& value);  // with DecimalSeparator()
double StrToFloat(const String& s, QChar separator); // raises EConvertError
double StrToFloat(const String& s);
// Up to 15 significant digits, no trailing zeros, the given separator; exponent form "1E20" / "1E-7".
String FloatToStr(double value, QChar separator);
String FloatToStr(double value);

// ---- Format ----

// The argument of Format: an integer, a real or a text.
using TVarRec = QVariant;

// Printf-style formatting of the toolkit: %d %u %x %X %s %f %e %g and %%, each with optional
// "-" (left justify), width and ".precision"; "*" is not supported. A directive that does not match
// its argument, or a missing argument, raises EConvertError (texts from language files may be wrong;
// they must never crash the program).
String Format(const String& format, std::initializer_list<TVarRec> args);

// ---- strings (positions count from 1, 0 means not found) ----

// Removes blanks and control characters (everything up to U+0020) from the ends.
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);
String UpperCase(const String& s);
String LowerCase(const String& s);
bool SameText(const String& a, const String& b);
// Case-insensitive, ordinal after case folding: < 0, 0, > 0.
int CompareText(const String& a, const String& b);
int CompareStr(const String& a, const String& b);
// 1-based position of `sub` in `s`, 0 when absent (also when `sub` is empty).
int Pos(const String& sub, const String& s);
// Characters index1 .. index1 + count - 1 (1-based); an index below 1 counts as 1, a count past the end stops
// there.
String Copy(const String& s, int index1, int count);

enum TReplaceFlag : unsigned { rfReplaceAll = 1u << 0, rfIgnoreCase = 1u << 1 };
using TReplaceFlags = unsigned;
String StringReplace(const String& s, const String& oldPattern, const String& newPattern,
                     TReplaceFlags flags);
// 'text' with embedded quotes doubled.
String QuotedStr(const String& s);

// ---- files and folders ----

constexpr QChar PathDelim = u'/';

bool FileExists(const String& path);      // a regular file (or a link to one), not a folder
bool DirectoryExists(const String& path); // a folder
// Anything at all stands at this name: a file, a folder, a device, a pipe, a link (one that leads
// nowhere too). With FileExists false, such a name is not a file that may be read or replaced.
bool PathExists(const String& path);
// Where a symbolic link at `path` finally leads (every link on the way followed); empty when `path`
// is no link. The target need not exist.
String LinkTarget(const String& path);
bool CreateDir(const String& path); // the parent must exist
// The same, giving the system's reason ("Permission denied", "Not a directory" ...) when it fails.
bool CreateDir(const String& path, String& reason);
bool ForceDirectories(const String& path); // creates missing parents too
bool DeleteFile(const String& path);
// Fails when the target already exists.
bool RenameFile(const String& oldName, const String& newName);
// Copies a file (a ":/" resource too); with `failIfExists` an existing target is left alone and false
// returned. The copy may be written by its owner even when the source (a resource) may not.
bool CopyFile(const String& source, const String& target, bool failIfExists);

// Paths use the platform separator "/" only; every other character, "\" included, belongs to a name.
String ExtractFilePath(const String& path); // folder part with its trailing separator, "" when none
String ExtractFileName(const String& path);
String ExtractFileExt(const String& path); // ".ext" including the dot, "" when none
String ChangeFileExt(const String& path, const String& ext);
String IncludeTrailingPathDelimiter(const String& path);
// The path from the root, a relative one taken from the current folder ("." and ".." resolved, links
// kept).
String ExpandFileName(const String& path);
String ExcludeTrailingPathDelimiter(const String& path);

// Entry attributes as the file listing reports them.
enum TFileAttr : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
    faAnyFile = 0xFF,
};

struct TSearchRec {
    String Name; // name only, no folder
    int64_t Size = 0;
    int Attr = 0;
    bool IsDirectory() const { return Attr & faDirectory; }
};

// Entries of `folder` whose names match `pattern` ("*", "*.lng", "Pro?ect*"; matched ignoring case,
// as the platform does). Plain files are always listed; folders only when `attributes` holds
// faDirectory, hidden entries (names starting with ".") only when it holds faHidden. "." and ".."
// are never listed. Sorted by name ignoring case. A folder that does not exist gives no entries.
std::vector<TSearchRec> FindFiles(const String& folder, const String& pattern, int attributes = faAnyFile);
// Only the sub-folders of `folder` matching `pattern` (hidden ones too when `withHidden`).
std::vector<TSearchRec> FindFolders(const String& folder, const String& pattern = "*",
                                    bool withHidden = false);

// ---- process and system ----

// The system's text for an error number ("No space left on device" ...).
String SysErrorMessage(int code);

// The program's folder, without a trailing separator. Tests put it elsewhere with the override.
String ExeDir();
// The program file's full path (in the overriding folder when there is one).
String ExeName();
// Places the program's folder elsewhere (tests); an empty path removes the override.
void SetExeDirOverride(const String& path);

// Milliseconds since an arbitrary fixed point, monotonic, wrapping at 32 bits like the platform's.
DWORD GetTickCount();
void Sleep(unsigned milliseconds);
