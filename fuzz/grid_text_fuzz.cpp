// Fuzz target: the grid library's text, number, date and filter routines and the sort settings' text. The
// input is two texts split at the first zero byte (a pattern or delimiter, then the text it works on).
#include "FuzzSupport.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/data/RowSorter.h"

#include <cstring>

namespace {
QString fuzzGridText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t split = zero ? size_t(zero - data) : 0;
    const QString a = fuzzGridText(data, split);
    const QString b = zero ? fuzzGridText(zero + 1, size - split - 1) : fuzzGridText(data, size);
    try {
        // Searching and splitting.
        int p = 1;
        (void)PosToVar(a, b, p);
        p = 1;
        if (!a.isEmpty()) (void)CharPosToVar(a[0], b, p);
        (void)UpperCasePos(a, b);
        (void)WidePos(a, b);
        String rest = b;
        (void)TakeToDelimiter(rest, a);
        // Encodings, both ways.
        String s = b;
        QuoteWithVTBreaks(s);
        VTToCRLF(s);
        s = b;
        CRToTilde(s);
        TildeToCRLF(s);
        s = b;
        CRLFToLF(s);
        (void)UndoubleChar(QChar('"'), DoubleQuotes(b));
        (void)EscapedNewlineToCR(CRToEscapedNewline(b));
        (void)CRToBR(b);
        (void)DecodeCellLineBreaks(EncodeCellLineBreaks(b), true);
        (void)DecodeCellLineBreaks(b, false);
        String line, first = b;
        ExtractFirstLine(first, true, line);
        (void)LineCount(b, true);
        (void)LineCount(b, false);
        s = b;
        StringToOem(s);
        OemToString(s);
        (void)ToMixedCase(b);
        (void)DecodeWideCellText(EncodeWideCellText(b));
        (void)DecodeWideCellText(b);
        // Quotes and delimiters.
        p = 1;
        (void)FindClosingQuote(QChar('"'), b, p);
        (void)CountClosingQuotes(QChar('\''), b);
        p = 1;
        (void)FindDelimiterOutsideQuotes(a.isEmpty() ? QString(",;") : a, b, p);
        (void)RemoveBlanksOutsideQuotes(b);
        (void)FindClosingParen(b);
        // Numbers and kinds.
        (void)CleanNumberText(b);
        (void)NormalizeNumberText(b);
        (void)TextNumberKind(b);
        (void)CellTextKind(b, true);
        (void)IsURL(b);
        s = b;
        StripURLProtocol(s);
        TPoint cell;
        (void)ParseCellReference(b, cell);
        String anchored;
        (void)InsertURLAnchor(b, a.toUpper(), anchored);
        s = b;
        WriteHtmlClipboard(s);
        // Dates.
        (void)HasDateSeparators(b);
        TDateTime when = 0;
        (void)ParseLocaleDateTime(b, when);
        try {
            (void)ParseShortDateUS(b);
        } catch (const EConvertError&) {
        }
        try {
            (void)ParseShortDateEU(b);
        } catch (const EConvertError&) {
        }
        if (size >= 3 * sizeof(qint16) + sizeof(double)) {
            qint16 steps[3];
            double base = 0;
            std::memcpy(steps, data, sizeof steps);
            std::memcpy(&base, data + sizeof steps, sizeof base);
            try {
                (void)AdvanceDate(steps[0], steps[1], steps[2], base, 1.0);
            } catch (const EConvertError&) {
            }
        }
        // Filters.
        (void)MatchFilterExpression(a, b, true);
        (void)MatchFilterExpression(a, b, false);
        (void)MatchFilterTerm(a, b, false);
        (void)MatchFilterPattern(a, b);
        // The sort settings as text, read and written back.
        try {
            const SortSpecifier spec = ReadSortSpecifier(b);
            (void)WriteSortSpecifier(spec.Indexed, spec.Ascending, spec.Column, spec.Indexes);
        } catch (const EQvGridError&) {
        }
    } catch (const EConvertError&) {
    }
    return 0;
}
