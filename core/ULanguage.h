// The interface text table: every caption, hint, header and message by number, built-in English
// texts overwritten from the chosen language file.
#pragma once

#include "toolkit/system/Types.h"

// The process-wide list of interface texts; text number n is item n.
class TLangTexts {
public:
    Integer Count() const { return Integer(FItems.size()); }
    // Raises EListError for a number outside 0 .. Count() - 1.
    String Strings(Integer n) const;
    void SetStrings(Integer n, const String& text);
    String operator[](Integer n) const { return Strings(n); }
    void Clear() { FItems.clear(); }
    void Add(const String& text) { FItems.append(text); }

private:
    QStringList FItems;
};

// Empty until the first load; from then on it always holds Num_Lang_Texts entries.
extern TLangTexts* const Lang_Texts;
// The number of text slots (4200) once the built-in texts are loaded, 0 before.
extern Integer Num_Lang_Texts;

// Replaces the whole table by the built-in English texts.
void Load_Default_Lang();
// Overwrites entries of the table from one language file; a file that cannot be read changes nothing.
void Load_Lang_File(const String& path);
// The whole load: built-in texts, then "<Language>.lng" from `Dir_Language`. When that file is missing
// `Language` becomes "English" and "English.lng" is read if present.
void Load_Lang(const String& Dir_Language, String& Language);

// The built-in texts as a language file ("STR<n> = <text>" lines, UTF-8 with its mark), so that English
// can be chosen again like any other language and serves as the model for a translation. Texts the
// file cannot hold (line breaks, the comment mark, the pilcrow) are left out: the built-in ones stand
// under every file anyway.
QByteArray Default_Lang_File();
// Writes "English.lng" into `languageFolder` when the folder exists and the file does not.
void Install_English_Lang(const String& languageFolder);
