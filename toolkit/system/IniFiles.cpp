// INI files read whole into memory and written back whole.
#include "toolkit/system/IniFiles.h"

#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

TMemIniFile::TMemIniFile(const String& fileName) : FFileName(fileName) {
    QByteArray bytes;
    if (FileExists(fileName) && ReadWholeFile(fileName, bytes)) parse(DecodeTextDetect(bytes, &FEncoding));
}

void TMemIniFile::parse(const String& text) {
    TStringList lines;
    lines.SetText(text);
    std::vector<Line>* target = &FPreamble;
    for (int i = 0; i < lines.Count(); ++i) {
        const String raw = lines.Strings(i);
        const String t = Trim(raw);
        if (t.isEmpty()) continue; // blank lines are laid out anew on writing
        if (t.startsWith(u'[') && t.contains(u']')) {
            FSections.push_back(Section{Trim(t.mid(1, t.indexOf(u']') - 1)), {}});
            target = &FSections.back().Lines;
            continue;
        }
        const qsizetype eq = t.indexOf(u'=');
        if (!t.startsWith(u';') && eq > 0 && !Trim(t.left(eq)).isEmpty())
            target->push_back(Line{Trim(t.left(eq)), Trim(t.mid(eq + 1)), String()});
        else
            target->push_back(Line{String(), String(), raw});
    }
}

const TMemIniFile::Section* TMemIniFile::findSection(const String& name) const {
    for (const Section& s : FSections)
        if (SameText(s.Name, name)) return &s;
    return nullptr;
}

TMemIniFile::Section* TMemIniFile::findSection(const String& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const TMemIniFile::Line* TMemIniFile::findKey(const String& section, const String& key) const {
    const Section* s = findSection(section);
    if (!s) return nullptr;
    for (const Line& l : s->Lines)
        if (!l.Key.isEmpty() && SameText(l.Key, key)) return &l;
    return nullptr;
}

String TMemIniFile::ReadString(const String& section, const String& key, const String& def) const {
    const Line* l = findKey(section, key);
    return l ? l->Value : def;
}

void TMemIniFile::WriteString(const String& section, const String& key, const String& value) {
    Section* s = findSection(section);
    if (!s) {
        FSections.push_back(Section{section, {}});
        s = &FSections.back();
    }
    Line* line = const_cast<Line*>(findKey(section, key));
    if (line)
        line->Value = value;
    else
        s->Lines.push_back(Line{key, value, String()});
    Modified();
}

Integer TMemIniFile::ReadInteger(const String& section, const String& key, Integer def) const {
    const Line* l = findKey(section, key);
    return l ? StrToIntDef(l->Value, def) : def;
}

void TMemIniFile::WriteInteger(const String& section, const String& key, Integer value) {
    WriteString(section, key, IntToStr(value));
}

bool TMemIniFile::ReadBool(const String& section, const String& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMemIniFile::WriteBool(const String& section, const String& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TMemIniFile::SectionExists(const String& section) const {
    return findSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const String& section, const String& key) const {
    return findKey(section, key) != nullptr;
}

void TMemIniFile::ReadSections(TStrings& names) const {
    names.BeginUpdate();
    names.Clear();
    for (const Section& s : FSections)
        names.Add(s.Name);
    names.EndUpdate();
}

void TMemIniFile::ReadSection(const String& section, TStrings& keys) const {
    keys.BeginUpdate();
    keys.Clear();
    if (const Section* s = findSection(section))
        for (const Line& l : s->Lines)
            if (!l.Key.isEmpty()) keys.Add(l.Key);
    keys.EndUpdate();
}

void TMemIniFile::EraseSection(const String& section) {
    const auto before = FSections.size();
    std::erase_if(FSections, [&](const Section& s) { return SameText(s.Name, section); });
    if (FSections.size() != before) Modified();
}

void TMemIniFile::DeleteKey(const String& section, const String& key) {
    Section* s = findSection(section);
    if (!s) return;
    const auto before = s->Lines.size();
    std::erase_if(s->Lines, [&](const Line& l) { return !l.Key.isEmpty() && SameText(l.Key, key); });
    if (s->Lines.size() != before) Modified();
}

String TMemIniFile::Text() const {
    String out;
    auto writeLines = [&](const std::vector<Line>& lines) {
        for (const Line& l : lines)
            out += (l.Key.isEmpty() ? l.Raw : l.Key + u'=' + l.Value) + QStringLiteral("\r\n");
    };
    writeLines(FPreamble);
    for (size_t i = 0; i < FSections.size(); ++i) {
        if (i > 0 || !FPreamble.empty()) out += QStringLiteral("\r\n");
        out += u'[' + FSections[i].Name + QStringLiteral("]\r\n");
        writeLines(FSections[i].Lines);
    }
    return out;
}

void TMemIniFile::UpdateFile() {
    String error;
    if (!SaveFileAtomically(FFileName, EncodeText(Text(), FEncoding), &error))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(FFileName, error));
}
