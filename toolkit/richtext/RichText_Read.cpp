// The RTF reader: a single pass over the bytes with a bounded stack of group states.
#include "toolkit/richtext/RichText.h"
#include "toolkit/system/TextCodec.h"

#include <QStringDecoder>

#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

namespace {

enum class RtfDest { Text, FontTable, ColorTable, Skip };

struct RtfCharState {
    int Font = -1; // font number; -1: the document's default font
    int HalfPoints = 24;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    TRichScript Script = rsNormal;
    int ColorIndex = 0;   // 0: automatic
    int FallbackSkip = 1; // \ucN: characters of fallback after each \uN
};

struct RtfGroupState {
    RtfCharState Chr;
    TRichAlignment Align = raLeft;
    RtfDest Dest = RtfDest::Text;
};

struct RtfFontEntry {
    String Name;
    int CodePage = 0; // 0: the document's
};

// Tables hostile input might grow without end are capped; real documents stay far below.
constexpr int kRtfMaxTableEntries = 4096;
constexpr int kRtfMaxFontName = 256;
constexpr int kRtfMaxKeyword = 32;
constexpr int kRtfMaxFallbackSkip = 16;

int rtfCodePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0; // default, symbol, OEM ...: the document's code page
    }
}

class RtfReader {
public:
    explicit RtfReader(const QByteArray& bytes) : FIn(bytes) {}

    TRichText Read() {
        FDoc.Paragraphs.emplace_back();
        FStack.reserve(16);
        FStack.push_back(RtfGroupState());
        const qsizetype n = FIn.size();
        while (FPos < n) {
            const char ch = FIn[FPos];
            if (ch == '{') {
                ++FPos;
                OpenGroup();
            } else if (ch == '}') {
                ++FPos;
                CloseGroup();
            } else if (ch == '\\') {
                ++FPos;
                ControlSequence();
            } else if (ch == '\r' || ch == '\n') {
                ++FPos; // line ends in RTF source are not text
            } else {
                ++FPos;
                FDestinationPending = false;
                if (FOverflow > 0) continue;
                if (Skipping()) continue;
                if (Dest() == RtfDest::FontTable) {
                    FontTableChar(QChar(QLatin1Char(ch)));
                } else if (Dest() == RtfDest::ColorTable) {
                    if (ch == ';') EndColor();
                } else if (Dest() == RtfDest::Text) {
                    // Plain bytes are in the code page of the current font as well.
                    FPending.append(ch);
                }
            }
        }
        FlushBytes();
        FlushText();
        // A \par closing the last paragraph ends it; it opens no empty one.
        if (FSawPar && FDoc.Paragraphs.size() > 1 && FDoc.Paragraphs.back().Runs.empty())
            FDoc.Paragraphs.pop_back();
        return std::move(FDoc);
    }

private:
    RtfGroupState& Top() { return FStack.back(); }
    RtfDest Dest() const { return FStack.back().Dest; }
    bool Skipping() {
        if (FSkipFallback <= 0) return false;
        --FSkipFallback;
        return true;
    }

    void OpenGroup() {
        FlushBytes();
        FSkipFallback = 0;
        if (FOverflow > 0 || static_cast<int>(FStack.size()) >= kRtfMaxGroupDepth) {
            ++FOverflow;
            return;
        }
        FlushTextIfFormatMayChange();
        FStack.push_back(FStack.back());
        FDestinationPending = true; // a destination keyword counts only as the group's first token
    }

    void CloseGroup() {
        FlushBytes();
        FSkipFallback = 0;
        FDestinationPending = false;
        if (FOverflow > 0) {
            --FOverflow;
            return;
        }
        if (FStack.size() <= 1) return;
        FlushText();
        if (Dest() == RtfDest::FontTable) EndFontEntry();
        FStack.pop_back();
        // What follows the document's outermost group is not part of it.
        if (FStack.size() == 1) FPos = FIn.size();
    }

    // Text is collected under the format in effect; any change of state flushes it first.
    void FlushTextIfFormatMayChange() {
        FlushBytes();
        FlushText();
    }

    void ControlSequence() {
        const qsizetype n = FIn.size();
        if (FPos >= n) return;
        const char ch = FIn[FPos];
        if (!std::isalpha(static_cast<unsigned char>(ch))) {
            ++FPos;
            ControlSymbol(ch);
            return;
        }
        const qsizetype start = FPos;
        while (FPos < n && std::isalpha(static_cast<unsigned char>(FIn[FPos])))
            ++FPos;
        const bool tooLong = FPos - start > kRtfMaxKeyword;
        const QByteArray word = tooLong ? QByteArray() : FIn.mid(start, FPos - start);
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (FPos < n && FIn[FPos] == '-' && FPos + 1 < n &&
            std::isdigit(static_cast<unsigned char>(FIn[FPos + 1]))) {
            negative = true;
            ++FPos;
        }
        while (FPos < n && std::isdigit(static_cast<unsigned char>(FIn[FPos]))) {
            hasParam = true;
            // Digits past what any keyword takes are read and dropped: the value saturates.
            if (param < 1000000000LL) param = param * 10 + (FIn[FPos] - '0');
            ++FPos;
        }
        if (FPos < n && FIn[FPos] == ' ') ++FPos;
        if (tooLong || FOverflow > 0) return;
        const int value =
            static_cast<int>(std::clamp(negative ? -param : param, -1000000000LL, 1000000000LL));
        Keyword(word, hasParam, value);
    }

    void ControlSymbol(char ch) {
        if (FOverflow > 0) {
            if (ch == '\'') SkipHex();
            return;
        }
        switch (ch) {
        case '\'': {
            const int b = SkipHex();
            if (b < 0 || Skipping() || Dest() == RtfDest::Skip) return;
            if (Dest() == RtfDest::Text) {
                FPending.append(static_cast<char>(b));
            } else if (Dest() == RtfDest::FontTable) {
                FontTableChar(DecodeWindows1252(QByteArray(1, static_cast<char>(b)))[0]);
            }
            return;
        }
        case '*':
            // An ignorable destination: skipped unless it is one we read, which {\*...} never is here.
            if (FDestinationPending) Top().Dest = RtfDest::Skip;
            return;
        case '\\':
        case '{':
        case '}':
            if (Skipping()) return;
            Literal(QChar(QLatin1Char(ch)));
            return;
        case '~':
            if (Skipping()) return;
            Literal(QChar(0x00A0));
            return;
        case '_':
            if (Skipping()) return;
            Literal(QChar(0x2011));
            return;
        case '\r':
        case '\n':
            if (Skipping()) return;
            Paragraph();
            return;
        case '-': // optional hyphen: nothing to show
        default:
            Skipping();
            return;
        }
    }

    // Two hex digits after \'; -1 when they are missing or malformed (what is there is consumed).
    int SkipHex() {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            if (FPos >= FIn.size()) return -1;
            const char c = FIn[FPos];
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0) return -1;
            ++FPos;
            value = value * 16 + d;
        }
        return value;
    }

    void Literal(QChar c) {
        FlushBytes();
        if (Dest() == RtfDest::Text)
            FText.append(c);
        else if (Dest() == RtfDest::FontTable)
            FontTableChar(c);
    }

    void Paragraph() {
        if (Dest() != RtfDest::Text) return;
        FlushTextIfFormatMayChange();
        FDoc.Paragraphs.back().Alignment = Top().Align;
        FDoc.Paragraphs.emplace_back();
        FSawPar = true;
    }

    void Keyword(const QByteArray& w, bool hasParam, int value) {
        FDestinationPending = false;
        if (w.isEmpty()) return;
        if (Dest() == RtfDest::Skip) return;
        // Fallback characters after \uN: a control word counts as one.
        if (w != "u" && Skipping()) return;

        RtfGroupState& g = Top();
        const bool on = !hasParam || value != 0;
        if (w == "uc" && hasParam) {
            g.Chr.FallbackSkip = std::clamp(value, 0, kRtfMaxFallbackSkip);
            return;
        }
        if (w == "u" && hasParam) {
            if (Skipping()) return;
            int code = value;
            if (code < 0) code += 65536;
            if (code >= 0 && code <= 0xFFFF) Literal(QChar(char16_t(code)));
            FSkipFallback = g.Chr.FallbackSkip;
            return;
        }
        // Destinations.
        if (w == "fonttbl") {
            g.Dest = RtfDest::FontTable;
            return;
        }
        if (w == "colortbl") {
            g.Dest = RtfDest::ColorTable;
            FColorOpen = false;
            return;
        }
        static const char* const kSkipped[] = {"stylesheet",   "info",
                                               "pict",         "object",
                                               "header",       "headerl",
                                               "headerr",      "headerf",
                                               "footer",       "footerl",
                                               "footerr",      "footerf",
                                               "footnote",     "annotation",
                                               "listtable",    "listoverridetable",
                                               "revtbl",       "rsidtbl",
                                               "filetbl",      "xmlnstbl",
                                               "themedata",    "colorschememapping",
                                               "latentstyles", "datastore",
                                               "fldinst",      "bkmkstart",
                                               "bkmkend",      "txe",
                                               "xe",           "tc",
                                               "template",     "nonshppict",
                                               "shppict",      "shp",
                                               "generator",    "mmathPr",
                                               "pgdsctbl"};
        for (const char* s : kSkipped) {
            if (w == s) {
                g.Dest = RtfDest::Skip;
                return;
            }
        }

        if (g.Dest == RtfDest::FontTable) {
            if (w == "f" && hasParam) {
                EndFontEntry();
                FFontNumber = value;
                FFontEntryOpen = true;
            } else if (w == "fcharset" && hasParam) {
                FFontCharset = value;
            } else if (w == "cpg" && hasParam) {
                FFontCodePage = value;
            }
            return;
        }
        if (g.Dest == RtfDest::ColorTable) {
            const int c = std::clamp(value, 0, 255);
            if (w == "red")
                FColor = (FColor & ~0xFF) | c;
            else if (w == "green")
                FColor = (FColor & ~0xFF00) | (c << 8);
            else if (w == "blue")
                FColor = (FColor & ~0xFF0000) | (c << 16);
            else
                return;
            FColorOpen = true;
            return;
        }

        // Document settings.
        if (w == "ansicpg" && hasParam) {
            FCodePage = value;
            return;
        }
        if (w == "deff" && hasParam) {
            FDefaultFont = value;
            return;
        }

        // Text.
        if (w == "par" || w == "sect" || w == "page") {
            Paragraph();
            return;
        }
        if (w == "line") {
            Literal(QChar(QChar::LineSeparator));
            return;
        }
        if (w == "tab") {
            Literal(QChar('\t'));
            return;
        }
        struct Special {
            const char* Word;
            char16_t Code;
        };
        static const Special kSpecials[] = {{"emdash", 0x2014},    {"endash", 0x2013},  {"bullet", 0x2022},
                                            {"lquote", 0x2018},    {"rquote", 0x2019},  {"ldblquote", 0x201C},
                                            {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}};
        for (const Special& s : kSpecials) {
            if (w == s.Word) {
                Literal(QChar(s.Code));
                return;
            }
        }

        // Paragraph formats.
        if (w == "pard" || w == "ql" || w == "qr" || w == "qc" || w == "qj") {
            g.Align = w == "qr" ? raRight : w == "qc" ? raCenter : w == "qj" ? raJustify : raLeft;
            // The paragraph being read takes its format at once; a \par takes the one then in effect.
            FDoc.Paragraphs.back().Alignment = g.Align;
            return;
        }

        // Character formats.
        RtfCharState next = g.Chr;
        if (w == "plain") {
            const int skip = next.FallbackSkip;
            next = RtfCharState();
            next.FallbackSkip = skip;
        } else if (w == "b")
            next.Bold = on;
        else if (w == "i")
            next.Italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulwave" ||
                 w == "ulth")
            next.Underline = on;
        else if (w == "ulnone")
            next.Underline = false;
        else if (w == "strike")
            next.StrikeOut = on;
        else if (w == "sub")
            next.Script = rsSubscript;
        else if (w == "super")
            next.Script = rsSuperscript;
        else if (w == "nosupersub")
            next.Script = rsNormal;
        else if (w == "fs" && hasParam)
            next.HalfPoints = value > 0 ? std::min(value, 3276) : 24;
        else if (w == "f" && hasParam)
            next.Font = value;
        else if (w == "cf" && hasParam)
            next.ColorIndex = std::max(value, 0);
        else
            return;
        SetChar(next);
    }

    void SetChar(const RtfCharState& next) {
        FlushBytes();
        if (Format(next) != Format(Top().Chr)) FlushText();
        Top().Chr = next;
    }

    // Font table -----------------------------------------------------------------------------------

    void FontTableChar(QChar c) {
        if (!FFontEntryOpen) return;
        if (c == QLatin1Char(';')) {
            EndFontEntry();
            return;
        }
        // Control characters and line breaks are no part of a font name.
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) return;
        if (FFontName.size() < kRtfMaxFontName) FFontName.append(c);
    }

    void EndFontEntry() {
        if (!FFontEntryOpen) return;
        FFontEntryOpen = false;
        if (static_cast<int>(FFonts.size()) < kRtfMaxTableEntries || FFonts.count(FFontNumber)) {
            RtfFontEntry& e = FFonts[FFontNumber];
            e.Name = FFontName.trimmed();
            e.CodePage = FFontCodePage > 0 ? FFontCodePage : rtfCodePageOfCharset(FFontCharset);
        }
        FFontName.clear();
        FFontCharset = 1;
        FFontCodePage = 0;
    }

    void EndColor() {
        if (static_cast<int>(FColors.size()) < kRtfMaxTableEntries)
            FColors.push_back(FColorOpen ? FColor : clNone);
        FColor = 0;
        FColorOpen = false;
    }

    // Text -----------------------------------------------------------------------------------------

    const RtfFontEntry* FontOf(const RtfCharState& c) const {
        auto it = FFonts.find(c.Font >= 0 ? c.Font : FDefaultFont);
        return it == FFonts.end() ? nullptr : &it->second;
    }

    TRichFormat Format(const RtfCharState& c) const {
        TRichFormat f;
        if (const RtfFontEntry* e = FontOf(c)) f.FontName = e->Name;
        f.HalfPoints = c.HalfPoints;
        f.Bold = c.Bold;
        f.Italic = c.Italic;
        f.Underline = c.Underline;
        f.StrikeOut = c.StrikeOut;
        f.Script = c.Script;
        if (c.ColorIndex > 0 && c.ColorIndex < static_cast<int>(FColors.size()))
            f.Color = FColors[c.ColorIndex];
        return f;
    }

    // Bytes of the current font's code page, decoded together so that double-byte pages read whole.
    void FlushBytes() {
        if (FPending.isEmpty()) return;
        const RtfFontEntry* e = FontOf(Top().Chr);
        const int cp = e && e->CodePage > 0 ? e->CodePage : FCodePage;
        FText.append(Decode(cp, FPending));
        FPending.clear();
    }

    String Decode(int cp, const QByteArray& bytes) {
        if (cp == 1252 || cp <= 0) return DecodeWindows1252(bytes);
        auto it = FDecoders.find(cp);
        if (it == FDecoders.end()) {
            auto dec = std::make_unique<QStringDecoder>(QByteArray("windows-") + QByteArray::number(cp));
            if (!dec->isValid())
                dec = std::make_unique<QStringDecoder>(QByteArray("cp") + QByteArray::number(cp));
            if (!dec->isValid()) dec.reset();
            it = FDecoders.emplace(cp, std::move(dec)).first;
        }
        if (!it->second) return DecodeWindows1252(bytes);
        String s = it->second->decode(bytes);
        it->second->resetState();
        return s;
    }

    void FlushText() {
        if (FText.isEmpty()) return;
        // Lone surrogates (a \uN half without its partner) would make the text invalid UTF-16. Paragraphs
        // end only by \par: other paragraph characters break the line; the characters a text document
        // keeps for its own structure (objects, frames) are not text.
        String clean;
        clean.reserve(FText.size());
        for (qsizetype i = 0; i < FText.size(); ++i) {
            const QChar c = FText[i];
            const char16_t u = c.unicode();
            if (u == '\n' || u == QChar::ParagraphSeparator) {
                clean += QChar(QChar::LineSeparator);
            } else if (u == '\r' || u == QChar::ObjectReplacementCharacter || u == 0xFDD0 || u == 0xFDD1) {
                continue;
            } else if (c.isHighSurrogate() && i + 1 < FText.size() && FText[i + 1].isLowSurrogate()) {
                clean += c;
                clean += FText[++i];
            } else {
                clean += c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c;
            }
        }
        FText.clear();
        if (clean.isEmpty()) return;
        const TRichFormat f = Format(Top().Chr);
        FDoc.Paragraphs.back().Alignment = Top().Align;
        std::vector<TRichRun>& runs = FDoc.Paragraphs.back().Runs;
        if (!runs.empty() && runs.back().Format == f)
            runs.back().Text += clean;
        else
            runs.push_back(TRichRun{clean, f});
    }

    const QByteArray& FIn;
    qsizetype FPos = 0;
    std::vector<RtfGroupState> FStack;
    int FOverflow = 0; // groups opened past the depth limit and not yet closed
    bool FDestinationPending = false;
    int FSkipFallback = 0;
    bool FSawPar = false;

    int FCodePage = 1252;
    int FDefaultFont = 0;
    std::map<int, RtfFontEntry> FFonts;
    bool FFontEntryOpen = false;
    int FFontNumber = 0;
    int FFontCharset = 1;
    int FFontCodePage = 0;
    String FFontName;
    std::vector<TColor> FColors;
    TColor FColor = 0;
    bool FColorOpen = false;
    std::map<int, std::unique_ptr<QStringDecoder>> FDecoders;

    QByteArray FPending; // undecoded bytes of the text
    String FText;        // decoded text not yet in a run
    TRichText FDoc;
};

} // namespace

bool IsRtf(const QByteArray& Bytes) {
    qsizetype i = 0;
    while (i < Bytes.size() && (Bytes[i] == ' ' || Bytes[i] == '\t' || Bytes[i] == '\r' || Bytes[i] == '\n'))
        ++i;
    return Bytes.mid(i, 5) == "{\\rtf";
}

TRichText ReadRtf(const QByteArray& Bytes) {
    if (!IsRtf(Bytes)) {
        // Not RTF: one paragraph per line of plain text, as a rich edit loads text.
        TRichText plain;
        const String text = DecodeWindows1252(Bytes);
        const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        for (const String& line : lines) {
            TRichParagraph p;
            if (!line.isEmpty()) p.Runs.push_back(TRichRun{line, TRichFormat()});
            plain.Paragraphs.push_back(std::move(p));
        }
        return plain;
    }
    return RtfReader(Bytes).Read();
}

String RtfToPlainText(const QByteArray& Bytes) {
    return ReadRtf(Bytes).PlainText();
}

String TRichText::PlainText() const {
    String out;
    for (size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i > 0) out += QLatin1String("\r\n");
        for (const TRichRun& r : Paragraphs[i].Runs)
            out += r.Text;
    }
    out.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    return out;
}

QByteArray RtfBytesOfCellText(const String& CellText) {
    QByteArray bytes(CellText.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < CellText.size(); ++i)
        bytes[i] = static_cast<char>(CellText[i].unicode() & 0xFF);
    return bytes;
}

String CellTextOfRtfBytes(const QByteArray& Bytes) {
    return String::fromLatin1(Bytes);
}
