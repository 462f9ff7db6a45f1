// INI files in the platform's format: "[Section]" headers and "key=value" lines, names ignoring case.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/Types.h"

#include <vector>

// The whole file is read when the object is made and kept in memory; UpdateFile writes it back whole
// (atomically). Sections and keys keep their order; new ones go at the end. Keys and values are
// trimmed of blanks when read; comment lines (";") and other lines are kept as they stand.
// Written form: "[Section]" CR LF, then "key=value" CR LF lines, a blank line between sections;
// UTF-8 unless the file was read in another encoding (see TTextEncoding).
// A file that is missing or cannot be read starts empty.
class TMemIniFile : public TObject {
public:
    explicit TMemIniFile(const String& fileName);
    String ClassName() const override { return "TMemIniFile"; }
    String FileName() const { return FFileName; }

    String ReadString(const String& section, const String& key, const String& def) const;
    void WriteString(const String& section, const String& key, const String& value);
    // Decimal or "$" / "0x" hexadecimal; `def` when absent or not a number.
    Integer ReadInteger(const String& section, const String& key, Integer def) const;
    void WriteInteger(const String& section, const String& key, Integer value);
    // True for a non-zero number, `def` when absent or not a number; written as "1" / "0".
    bool ReadBool(const String& section, const String& key, bool def) const;
    void WriteBool(const String& section, const String& key, bool value);

    bool SectionExists(const String& section) const;
    bool ValueExists(const String& section, const String& key) const;
    void ReadSections(TStrings& names) const;
    void ReadSection(const String& section, TStrings& keys) const;
    void EraseSection(const String& section);
    void DeleteKey(const String& section, const String& key);

    // The file's text as UpdateFile writes it.
    String Text() const;
    // Raises EFCreateError when the file cannot be written; the old file then stays as it was.
    virtual void UpdateFile();

protected:
    // Called after every change; the write-through variant saves here.
    virtual void Modified() {}

private:
    struct Line {
        String Key; // empty for a comment or other line kept as it stands
        String Value;
        String Raw;
    };
    struct Section {
        String Name;
        std::vector<Line> Lines;
    };
    const Section* findSection(const String& name) const;
    Section* findSection(const String& name);
    const Line* findKey(const String& section, const String& key) const;
    void parse(const String& text);

    String FFileName;
    std::vector<Line> FPreamble; // lines before the first section
    std::vector<Section> FSections;
    TTextEncoding FEncoding = TTextEncoding::UTF8;
};

// Writes the file after every change, as the platform's profile functions do.
class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    String ClassName() const override { return "TIniFile"; }

protected:
    void Modified() override { UpdateFile(); }
};
