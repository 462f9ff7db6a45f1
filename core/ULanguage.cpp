// The interface text table and the reading of language files.
//
// The built-in texts are the resource ":/texts/english.txt", UTF-8, one line per text number:
// the number, a TAB, then the text exactly as shown (blanks at either end belong to it). Inside the
// text a backslash starts an escape: "\\" is a backslash, "\t" a TAB, "\n" a line feed, "\r" a
// carriage return. Numbers missing from the resource hold a single blank.
#include "core/ULanguage.h"

#include "core/UComon.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"
#include "toolkit/system/TextCodec.h"

namespace {
constexpr Integer kBuiltInTextCount = 4200;
// A language file holds one short line per text: a file or a line far beyond that is not a language file,
// and is refused whole before any of its texts is used.
constexpr qint64 kLangFileMaxBytes = 8 << 20;
constexpr qsizetype kLangLineMaxChars = 8192;

TLangTexts langTextsInstance;

String unescapeBuiltInText(QStringView s) {
    String out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\' || i + 1 == s.size()) {
            out.append(s[i]);
            continue;
        }
        const QChar c = s[++i];
        out.append(c == u't' ? QChar(u'\t') : c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c);
    }
    return out;
}

const QStringList& builtInTexts() {
    static const QStringList texts = [] {
        QStringList list(kBuiltInTextCount, String(" "));
        QByteArray bytes;
        if (!ReadWholeFile(":/texts/english.txt", bytes)) return list;
        const String content = String::fromUtf8(bytes);
        for (QStringView line : QStringView(content).split(u'\n')) {
            const qsizetype tab = line.indexOf(u'\t');
            if (tab <= 0) continue;
            bool ok = false;
            const int n = line.left(tab).toInt(&ok);
            if (ok && n >= 0 && n < kBuiltInTextCount) list[n] = unescapeBuiltInText(line.mid(tab + 1));
        }
        return list;
    }();
    return texts;
}

// Line ends CR, LF or CR LF.
QStringList splitTextLines(const String& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

// One line "STR<n> = <text>" over the table. The number is whatever stands between "STR" and the
// first "=", blanks trimmed, so "STR12=Hello" sets text 12 like "STR12 = Hello" does.
void applyLanguageLine(const String& line) {
    const String s = Trim(line);
    if (!s.startsWith(u"STR")) return;
    const qsizetype eq = s.indexOf(u'=');
    if (eq < 0) return;
    const Integer n = StrToIntDef(Trim(s.mid(3, eq - 3)), -1);
    if (n < 0 || n >= Num_Lang_Texts) return;
    String t = Trim(s.mid(eq + 1));
    if (t.isEmpty()) return;
    const qsizetype comment = t.indexOf(u"/#/");
    if (comment >= 0) {
        t = Trim(t.left(comment));
        if (t.isEmpty()) return;
    }
    // The pilcrow quotes a text with blanks at either end: "¶ / ¶" is " / ".
    constexpr char16_t pilcrow = u'\u00B6';
    if (t.startsWith(QChar(pilcrow))) t.remove(0, 1);
    const qsizetype closing = t.indexOf(QChar(pilcrow));
    if (closing >= 0) t.truncate(closing);
    Lang_Texts->SetStrings(n, t);
}
} // namespace

TLangTexts* const Lang_Texts = &langTextsInstance;
Integer Num_Lang_Texts = 0;

String TLangTexts::Strings(Integer n) const {
    if (n < 0 || n >= Count()) throw EListError(QString("List index out of bounds (%1)").arg(n));
    return FItems[n];
}

void TLangTexts::SetStrings(Integer n, const String& text) {
    if (n < 0 || n >= Count()) throw EListError(QString("List index out of bounds (%1)").arg(n));
    FItems[n] = text;
}

void Load_Default_Lang() {
    Lang_Texts->Clear();
    for (const String& text : builtInTexts())
        Lang_Texts->Add(text);
    Num_Lang_Texts = kBuiltInTextCount;
}

void Load_Lang_File(const String& path) {
    // An unreadable file (locked, no permission), or one far too large, leaves the texts loaded so far.
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes, nullptr, kLangFileMaxBytes)) return;
    const QStringList lines = splitTextLines(DecodeText(bytes));
    for (const String& line : lines)
        if (line.size() > kLangLineMaxChars) return;
    for (const String& line : lines)
        applyLanguageLine(line);
}

void Load_Lang(const String& Dir_Language, String& Language) {
    Load_Default_Lang();
    const auto fileOf = [&](const String& language) { return Dir_Language + "/" + language + ".lng"; };
    // The stored name is a plain file name in "LANGUAGE", checked like a stored configuration name.
    if (Is_Safe_Project_Name(Language) && FileExists(fileOf(Language))) {
        Load_Lang_File(fileOf(Language));
        return;
    }
    Language = "English";
    if (FileExists(fileOf(Language))) Load_Lang_File(fileOf(Language));
}

QByteArray Default_Lang_File() {
    constexpr char16_t pilcrow = u'\u00B6';
    const QStringList& texts = builtInTexts();
    String out;
    for (int n = 0; n < texts.size(); ++n) {
        const String& t = texts[n];
        // A single blank is a number without a text of its own.
        if (t.isEmpty() || t == QLatin1String(" ")) continue;
        if (t.contains(u'\r') || t.contains(u'\n') || t.contains(u"/#/") || t.contains(QChar(pilcrow)))
            continue;
        // The reader trims the text, so blanks at either end travel between pilcrows.
        const bool quote = t.front() <= u' ' || t.back() <= u' ';
        out += QStringLiteral("STR%1 = ").arg(n);
        out += quote ? QChar(pilcrow) + t + QChar(pilcrow) : t;
        out += QStringLiteral("\r\n");
    }
    return EncodeText(out, TTextEncoding::UTF8BOM);
}

void Install_English_Lang(const String& languageFolder) {
    if (languageFolder.isEmpty() || !DirectoryExists(languageFolder)) return;
    const String target = languageFolder + "/English.lng";
    if (FileExists(target)) return;
    // A folder the program may not write to keeps working without it: English stays the built-in texts.
    SaveFileAtomically(target, Default_Lang_File());
}
