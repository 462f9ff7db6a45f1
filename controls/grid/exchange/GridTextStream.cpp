// The UTF-16 stream of a grid's lines: written without a mark, read up to the first line that is not the
// grid's, with strict numbers.
#include "controls/grid/exchange/GridTextStream.h"

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"
#include "toolkit/system/SysUtils.h"

namespace {

void StreamAppendLine(QByteArray& out, const String& line) {
    for (QChar c : line) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    out.append("\r\0\n\0", 4);
}

// A whole decimal number, nothing around it.
int StreamStrictNumber(const String& Field) {
    Integer value = 0;
    if (Field.isEmpty() || Field.trimmed() != Field || !TryStrToInt(Field, value))
        throw EQvGridError(
            QStringLiteral("Cell data damaged: '%1' is not a valid integer value").arg(Field.left(40)));
    return value;
}

} // namespace

QByteArray GridTextStream::Write(int CountCols, int CountRows,
                                 const std::vector<GridTextContent::Width>& Widths, int FirstCol,
                                 const GridTextSource& Source) {
    QByteArray out;
    StreamAppendLine(out, QString::number(CountCols) + QLatin1Char(',') + QString::number(CountRows));
    for (const GridTextContent::Width& w : Widths)
        StreamAppendLine(out, QStringLiteral("cw ") + QString::number(w.Col) + QLatin1Char(',') +
                                  QString::number(w.Value));
    for (int r = Source.FirstRow; r <= Source.LastRow; ++r) {
        if (Source.OnRow) Source.OnRow(r);
        for (const GridTextSource::Column& c : Source.Columns) {
            const String text = Source.SavedText(c.RealCol, r);
            if (text.isEmpty()) continue;
            StreamAppendLine(out, QString::number(c.Index - FirstCol) + QLatin1Char(',') +
                                      QString::number(r - Source.FirstRow) + QLatin1Char(',') +
                                      EncodeCellLineBreaks(text));
        }
    }
    return out;
}

GridTextContent GridTextStream::Read(const QByteArray& Bytes, bool MultiLine, qsizetype& Consumed,
                                     const GridExchangeLimits& Limits) {
    GridTextContent content;
    const qsizetype units = Bytes.size() / 2;
    auto unit = [&](qsizetype i) {
        return QChar(char16_t(static_cast<unsigned char>(Bytes[2 * i]) |
                              (static_cast<unsigned char>(Bytes[2 * i + 1]) << 8)));
    };
    qsizetype pos = 0;
    Consumed = 0;
    bool first = true;
    while (pos < units) {
        const qsizetype start = pos;
        String line;
        while (pos < units && unit(pos) != QChar(13))
            line += unit(pos++);
        // The unit after the line's CR (its LF) goes with it.
        pos = std::min(pos + 2, units);
        if (first) {
            first = false;
            Consumed = pos * 2;
            if (line.isEmpty()) continue;
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            content.Cols = StreamStrictNumber(comma < 0 ? line : line.left(comma));
            content.Rows = StreamStrictNumber(comma < 0 ? String() : line.mid(comma + 1));
            if (!Limits.Fits(content.Cols, content.Rows))
                throw EQvGridError(QStringLiteral("Cell data damaged: a grid of %1 x %2 cells")
                                       .arg(content.Cols)
                                       .arg(content.Rows));
            content.HasCounts = true;
            continue;
        }
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            if (comma < 0)
                throw EQvGridError(QStringLiteral("Cell data damaged: a width line without a width"));
            content.Widths.push_back({StreamStrictNumber(line.mid(2, comma - 2).trimmed()),
                                      StreamStrictNumber(line.mid(comma + 1))});
            Consumed = pos * 2;
            continue;
        }
        const qsizetype c1 = line.indexOf(QLatin1Char(','));
        const qsizetype c2 = c1 < 0 ? -1 : line.indexOf(QLatin1Char(','), c1 + 1);
        if (c2 < 0) {
            Consumed = start * 2;
            break;
        }
        content.Cells.push_back({StreamStrictNumber(line.left(c1)),
                                 StreamStrictNumber(line.mid(c1 + 1, c2 - c1 - 1)),
                                 DecodeCellLineBreaks(line.mid(c2 + 1), MultiLine)});
        Consumed = pos * 2;
    }
    return content;
}
