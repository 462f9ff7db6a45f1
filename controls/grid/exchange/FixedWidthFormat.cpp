// Fixed-width text: the writer that cuts and fills fields to their widths and the reader of field positions.
#include "controls/grid/exchange/FixedWidthFormat.h"

#include "toolkit/system/StringList.h"

#include <algorithm>

namespace {

// The text cut to Width characters or filled with blanks to it; a character of two code units is never cut
// in half.
String FitFixedField(const String& Text, int Width) {
    const qsizetype width = std::max(Width, 0);
    String field = Text.left(width);
    if (field.size() == width && width > 0 && field[width - 1].isHighSurrogate()) field.chop(1);
    if (field.size() < width) field += String(width - field.size(), QLatin1Char(' '));
    return field;
}

} // namespace

String FixedWidthWriter::Write(ExchangeGrid& Grid, std::vector<int>& Widths) const {
    const std::vector<int> cols = Grid.SaveColumns();
    const int first = Grid.SaveStartRow();
    const int last = Grid.SaveEndRow();
    const bool multiLine = Grid.Layout().Multilinecells;
    for (size_t k = Widths.size(); k < cols.size(); ++k) {
        int widest = 0;
        for (int r = first; r <= last; ++r)
            widest = std::max(widest, CellTextWidth(Grid.SavedText(cols[k], r), multiLine));
        Widths.push_back(widest + 1);
    }
    String out;
    for (int r = first; r <= last; ++r) {
        for (size_t k = 0; k < cols.size(); ++k)
            out += FitFixedField(CellTextLines(Grid.SavedText(cols[k], r)).first(), Widths[k]);
        out += QLatin1String("\r\n");
    }
    return out;
}

void FixedWidthReader::Load(ExchangeGrid& Grid, const String& Text, std::vector<int>& Positions, bool Trim,
                            int MaxRows, const String& Source) const {
    std::sort(Positions.begin(), Positions.end());
    if (Positions.size() < 2)
        throw EQvGridError(
            QStringLiteral("Fixed-width fields need a start and an end position (%1)").arg(Source));
    TStringList lines;
    lines.SetText(Text);
    const int fields = static_cast<int>(Positions.size()) - 1;
    const int count = MaxRows == -1 ? lines.Count() : std::min(lines.Count(), std::max(1, MaxRows));
    const int startCol = Grid.SaveStartCol();
    const int startRow = Grid.SaveStartRow();
    const qint64 cols = qint64(Grid.Layout().FixedCols) + fields;
    const qint64 rows = std::max<qint64>(Grid.RowCount(), qint64(startRow) + count);
    CheckExchangeSize(Source, std::max<qint64>(cols, startCol + fields) + Grid.HiddenColCount(), rows);
    Grid.SetSize(std::max(Grid.ColCountFor(startCol, fields), static_cast<int>(cols)),
                 static_cast<int>(rows));
    for (int i = 0; i < count; ++i) {
        const String line = lines.Strings(i);
        for (int k = 0; k < fields; ++k) {
            const qsizetype from = std::max(Positions[size_t(k)], 1) - 1;
            const qsizetype to = std::max(Positions[size_t(k) + 1], 1) - 1;
            String field = line.mid(from, to - from);
            if (Trim) field = field.trimmed();
            Grid.LoadText(Grid.LoadColumn(startCol, k), startRow + i, field);
        }
    }
    Grid.CellsChanged();
}
