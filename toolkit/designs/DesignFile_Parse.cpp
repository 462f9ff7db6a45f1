// The design text: tokens and the parser that turns them into a tree of objects and properties.
#include "toolkit/designs/DesignFile.h"

#include <QFile>

namespace {

// Designs nest a few levels (form, panel, group, control); far deeper nesting is a damaged or hostile file,
// refused before the recursion could exhaust the stack.
constexpr int kDesignMaxDepth = 64;

struct DesignToken {
    enum Kind { End, Ident, Integer, Float, Text, Symbol } kind = End;
    String text; // identifier, joined string, or the symbol
    qint64 integer = 0;
    double number = 0;
    int line = 1;
};

class DesignLexer {
public:
    DesignLexer(const String& text, const String& source) : FText(text), FSource(source) {}

    DesignToken Next() {
        SkipBlanks();
        DesignToken t;
        t.line = FLine;
        if (FPos >= FText.size()) return t;
        QChar c = FText[FPos];
        if (c.isLetter() || c == u'_') return ReadIdent(t);
        if (c.isDigit() || c == u'$' ||
            (c == u'-' && FPos + 1 < FText.size() && (FText[FPos + 1].isDigit() || FText[FPos + 1] == u'$')))
            return ReadNumber(t);
        if (c == u'\'' || c == u'#') return ReadString(t);
        if (QString("=:[](),<>+").contains(c)) {
            t.kind = DesignToken::Symbol;
            t.text = c;
            ++FPos;
            return t;
        }
        Fail(FLine, QString("unexpected character '%1'").arg(c));
    }

    [[noreturn]] void Fail(int line, const String& message) const {
        throw EDesignError(QString("%1:%2: %3").arg(FSource).arg(line).arg(message));
    }

private:
    void SkipBlanks() {
        while (FPos < FText.size()) {
            QChar c = FText[FPos];
            if (c == u'\n') {
                ++FLine;
                ++FPos;
            } else if (c.isSpace()) {
                ++FPos;
            } else if (c == u'/' && FPos + 1 < FText.size() && FText[FPos + 1] == u'/') {
                while (FPos < FText.size() && FText[FPos] != u'\n')
                    ++FPos;
            } else {
                break;
            }
        }
    }

    DesignToken& ReadIdent(DesignToken& t) {
        qsizetype start = FPos;
        while (FPos < FText.size()) {
            QChar c = FText[FPos];
            bool dotted = c == u'.' && FPos + 1 < FText.size() &&
                          (FText[FPos + 1].isLetter() || FText[FPos + 1] == u'_');
            if (!(c.isLetterOrNumber() || c == u'_' || dotted)) break;
            ++FPos;
        }
        t.kind = DesignToken::Ident;
        t.text = FText.mid(start, FPos - start);
        return t;
    }

    DesignToken& ReadNumber(DesignToken& t) {
        qsizetype start = FPos;
        bool negative = FText[FPos] == u'-';
        if (negative) ++FPos;
        if (FPos < FText.size() && FText[FPos] == u'$') {
            ++FPos;
            qsizetype digits = FPos;
            while (FPos < FText.size() && isxdigit(FText[FPos].toLatin1()))
                ++FPos;
            bool ok = false;
            qint64 v = FText.mid(digits, FPos - digits).toLongLong(&ok, 16);
            if (!ok) Fail(t.line, "bad hexadecimal number");
            t.kind = DesignToken::Integer;
            t.integer = negative ? -v : v;
            return t;
        }
        bool isFloat = false;
        while (FPos < FText.size()) {
            QChar c = FText[FPos];
            if (c.isDigit()) {
                ++FPos;
            } else if (c == u'.' && FPos + 1 < FText.size() && FText[FPos + 1].isDigit()) {
                isFloat = true;
                ++FPos;
            } else if ((c == u'e' || c == u'E') && FPos + 1 < FText.size() &&
                       (FText[FPos + 1].isDigit() || FText[FPos + 1] == u'-' || FText[FPos + 1] == u'+')) {
                isFloat = true;
                FPos += 2;
            } else {
                break;
            }
        }
        String s = FText.mid(start, FPos - start);
        bool ok = false;
        if (isFloat) {
            t.kind = DesignToken::Float;
            t.number = s.toDouble(&ok);
        } else {
            t.kind = DesignToken::Integer;
            t.integer = s.toLongLong(&ok);
        }
        if (!ok) Fail(t.line, QString("bad number '%1'").arg(s));
        return t;
    }

    // Quoted parts ('' is a quote) and character codes (#13, #$0D) written without a gap form one string.
    DesignToken& ReadString(DesignToken& t) {
        t.kind = DesignToken::Text;
        while (FPos < FText.size()) {
            QChar c = FText[FPos];
            if (c == u'\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == u'\n') Fail(t.line, "unterminated string");
                    if (FText[FPos] == u'\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == u'\'') {
                            t.text += u'\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    t.text += FText[FPos++];
                }
            } else if (c == u'#') {
                ++FPos;
                int base = 10;
                if (FPos < FText.size() && FText[FPos] == u'$') {
                    base = 16;
                    ++FPos;
                }
                qsizetype digits = FPos;
                while (FPos < FText.size() &&
                       (base == 16 ? isxdigit(FText[FPos].toLatin1()) : FText[FPos].isDigit()))
                    ++FPos;
                bool ok = false;
                uint code = FText.mid(digits, FPos - digits).toUInt(&ok, base);
                if (!ok || code > 0xFFFF) Fail(t.line, "bad character code");
                t.text += QChar(char16_t(code));
            } else {
                break;
            }
        }
        return t;
    }

    const String FText;
    const String FSource;
    qsizetype FPos = 0;
    int FLine = 1;
};

class DesignParser {
public:
    DesignParser(const String& text, const String& source) : FLexer(text, source) { Advance(); }

    TDesignObject ParseFile() {
        TDesignObject root = ParseObject();
        if (FTok.kind != DesignToken::End) FLexer.Fail(FTok.line, "text after the end of the design");
        return root;
    }

private:
    void Advance() { FTok = FLexer.Next(); }
    bool IsKeyword(const char* word) const {
        return FTok.kind == DesignToken::Ident &&
               FTok.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(const char* s) const {
        return FTok.kind == DesignToken::Symbol && FTok.text == QLatin1String(s);
    }
    bool IsObjectStart() const {
        return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
    }

    String ExpectIdent(const char* what) {
        if (FTok.kind != DesignToken::Ident) FLexer.Fail(FTok.line, QString("%1 expected").arg(what));
        String s = FTok.text;
        Advance();
        return s;
    }
    // Counts one level of nesting for the lifetime of the guard.
    struct DepthGuard {
        DesignParser* parser;
        DepthGuard(DesignParser* p, int line) : parser(p) {
            if (++parser->FDepth > kDesignMaxDepth)
                parser->FLexer.Fail(line, QString("nested more than %1 levels deep").arg(kDesignMaxDepth));
        }
        ~DepthGuard() { --parser->FDepth; }
    };

    void ExpectSymbol(const char* s) {
        if (!IsSymbol(s)) FLexer.Fail(FTok.line, QString("'%1' expected").arg(s));
        Advance();
    }

    TDesignObject ParseObject() {
        if (!IsObjectStart()) FLexer.Fail(FTok.line, "'object' expected");
        TDesignObject o;
        o.Line = FTok.line;
        const DepthGuard depth(this, o.Line);
        Advance();
        o.Name = ExpectIdent("component name");
        ExpectSymbol(":");
        o.ClassName = ExpectIdent("class name");
        for (;;) {
            if (FTok.kind == DesignToken::End)
                FLexer.Fail(FTok.line, QString("'end' of %1 missing").arg(o.Name));
            if (IsKeyword("end")) {
                Advance();
                return o;
            }
            if (IsObjectStart()) {
                o.Children.push_back(ParseObject());
                continue;
            }
            TDesignProperty p;
            p.Line = FTok.line;
            p.Name = ExpectIdent("property name");
            ExpectSymbol("=");
            p.Value = ParseValue();
            o.Properties.push_back(std::move(p));
        }
    }

    TDesignValue ParseValue() {
        TDesignValue v;
        switch (FTok.kind) {
        case DesignToken::Integer:
            v.kind = TDesignValue::Integer;
            v.integer = FTok.integer;
            Advance();
            return v;
        case DesignToken::Float:
            v.kind = TDesignValue::Float;
            v.number = FTok.number;
            Advance();
            return v;
        case DesignToken::Text:
            v.kind = TDesignValue::Text;
            v.text = FTok.text;
            Advance();
            // Long texts are split with '+', over several lines.
            while (IsSymbol("+")) {
                Advance();
                if (FTok.kind != DesignToken::Text) FLexer.Fail(FTok.line, "string expected after '+'");
                v.text += FTok.text;
                Advance();
            }
            return v;
        case DesignToken::Ident:
            v.kind = TDesignValue::Ident;
            v.text = FTok.text;
            Advance();
            return v;
        case DesignToken::Symbol:
            if (IsSymbol("[")) return ParseSet();
            if (IsSymbol("(")) return ParseList();
            if (IsSymbol("<")) return ParseCollection();
            break;
        default:
            break;
        }
        FLexer.Fail(FTok.line, "value expected");
    }

    TDesignValue ParseSet() {
        TDesignValue v;
        v.kind = TDesignValue::Set;
        Advance();
        while (!IsSymbol("]")) {
            if (FTok.kind == DesignToken::Integer)
                v.members << QString::number(FTok.integer);
            else if (FTok.kind == DesignToken::Ident)
                v.members << FTok.text;
            else
                FLexer.Fail(FTok.line, "set member expected");
            Advance();
            if (IsSymbol(","))
                Advance();
            else if (!IsSymbol("]"))
                FLexer.Fail(FTok.line, "',' or ']' expected");
        }
        Advance();
        return v;
    }

    TDesignValue ParseList() {
        TDesignValue v;
        v.kind = TDesignValue::List;
        int line = FTok.line;
        const DepthGuard depth(this, line);
        Advance();
        while (!IsSymbol(")")) {
            if (FTok.kind == DesignToken::End) FLexer.Fail(line, "')' missing");
            v.items.push_back(ParseValue());
        }
        Advance();
        return v;
    }

    TDesignValue ParseCollection() {
        TDesignValue v;
        v.kind = TDesignValue::Collection;
        const DepthGuard depth(this, FTok.line);
        Advance();
        while (!IsSymbol(">")) {
            if (!IsKeyword("item")) FLexer.Fail(FTok.line, "'item' or '>' expected");
            Advance();
            TDesignProperties entry;
            while (!IsKeyword("end")) {
                if (FTok.kind == DesignToken::End) FLexer.Fail(FTok.line, "'end' of item missing");
                String name = ExpectIdent("property name");
                ExpectSymbol("=");
                entry.emplace_back(name, ParseValue());
            }
            Advance();
            v.entries.push_back(std::move(entry));
        }
        Advance();
        return v;
    }

    DesignLexer FLexer;
    DesignToken FTok;
    int FDepth = 0;
};

} // namespace

TDesignObject ParseDesign(const String& text, const String& source) {
    return DesignParser(text, source).ParseFile();
}

TDesignObject ReadDesignFile(const String& resourceOrPath) {
    QFile f(resourceOrPath);
    if (!f.open(QIODevice::ReadOnly))
        throw EDesignError(QString("Cannot read the design %1: %2").arg(resourceOrPath, f.errorString()));
    return ParseDesign(QString::fromUtf8(f.readAll()), resourceOrPath);
}

String FormDesignPath(const String& unitName) {
    return ":/forms/" + unitName + ".form";
}
