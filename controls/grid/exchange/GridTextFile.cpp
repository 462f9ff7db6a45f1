// The native text file: writing the lines of a grid's save range and reading them back, leniently, with
// limits on the counts.
#include "controls/grid/exchange/GridTextFile.h"

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"

#include <climits>

namespace {

constexpr QChar kFileCR(13);
constexpr QChar kFileLF(10);
// The longest width text read.
constexpr int kFileMaxWidthText = 255;

String FileCellLine(int Col, int Row, const String& Encoded) {
    return QString::number(Col) + QLatin1Char(',') + QString::number(Row) + QLatin1Char(',') + Encoded;
}

int FileHexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

[[noreturn]] void FileCorruptCounts(const String& Line) {
    throw EQvGridError(QStringLiteral("The counts \"%1\" exceed what a grid can hold").arg(Line.left(40)));
}

} // namespace

String GridTextFile::EncodeCell(const String& Text) {
    if (Text.contains(kFileCR)) return EncodeCellLineBreaks(Text);
    if (!Text.contains(kFileLF)) return Text;
    String s = Text;
    s.replace(kFileLF, QChar(8)).replace(QChar(0), QChar(1));
    return s;
}

String GridTextFile::Write(int CountCols, int CountRows, const std::vector<GridTextContent::Width>& Widths,
                           const GridTextSource& Source) {
    const QString crlf = QStringLiteral("\r\n");
    String out = QString::number(CountCols) + QLatin1Char(',') + QString::number(CountRows) + crlf;
    for (const GridTextContent::Width& w : Widths)
        out += QStringLiteral("cw ") + QString::number(w.Col) + QLatin1Char(',') + QString::number(w.Value) +
               crlf;
    for (int r = Source.FirstRow; r <= Source.LastRow; ++r) {
        if (Source.OnRow) Source.OnRow(r);
        for (const GridTextSource::Column& c : Source.Columns) {
            const String text = Source.SavedText(c.RealCol, r);
            if (!text.isEmpty()) out += FileCellLine(c.Index, r, EncodeCell(text)) + crlf;
        }
    }
    return out;
}

int GridTextFile::LenientNumber(const String& Text) {
    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && Text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (Text[i] == QLatin1Char('-') || Text[i] == QLatin1Char('+')))
        negative = Text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < n && Text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && Text[i] == QLatin1Char('0') &&
               (Text[i + 1] == QLatin1Char('x') || Text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const int d = FileHexDigit(Text[i]);
        if (d < 0 || d >= base) break;
        value = std::min<qint64>(value * base + d, qint64(INT_MAX) + 1);
    }
    if (negative) return value > INT_MAX ? INT_MIN : -int(value);
    return value > INT_MAX ? INT_MAX : int(value);
}

GridTextContent GridTextFile::Read(const String& Text, bool MultiLine, const GridExchangeLimits& Limits) {
    GridTextContent content;
    qsizetype pos = 0;
    bool first = true;
    const qsizetype n = Text.size();
    while (pos < n || first) {
        qsizetype end = pos;
        while (end < n && Text[end] != kFileCR && Text[end] != kFileLF)
            ++end;
        const String line = Text.mid(pos, end - pos);
        pos = end;
        if (pos < n) pos += Text[pos] == kFileCR && pos + 1 < n && Text[pos + 1] == kFileLF ? 2 : 1;
        if (first) {
            first = false;
            if (line.isEmpty()) continue;
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            content.Cols = LenientNumber(line.left(comma < 0 ? line.size() : comma));
            content.Rows = comma < 0 ? 0 : LenientNumber(line.mid(comma + 1));
            if (!Limits.Fits(std::max(content.Cols, 0), std::max(content.Rows, 0))) FileCorruptCounts(line);
            content.HasCounts = true;
            continue;
        }
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            const int col = LenientNumber(line.mid(3, comma < 0 ? -1 : comma - 3));
            const int width = comma < 0 ? 0 : LenientNumber(line.mid(comma + 1, kFileMaxWidthText));
            content.Widths.push_back({col, width});
            continue;
        }
        const qsizetype c1 = line.indexOf(QLatin1Char(','));
        const qsizetype c2 = c1 < 0 ? -1 : line.indexOf(QLatin1Char(','), c1 + 1);
        if (c2 < 0) continue;
        content.Cells.push_back({LenientNumber(line.left(c1)), LenientNumber(line.mid(c1 + 1, c2 - c1 - 1)),
                                 DecodeCellLineBreaks(line.mid(c2 + 1), MultiLine)});
    }
    return content;
}
