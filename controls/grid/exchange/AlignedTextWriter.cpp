// Column-aligned plain text: widths, alignment within a column and the lines of multi-line cells.
#include "controls/grid/exchange/AlignedTextWriter.h"

#include <algorithm>

namespace {

// The piece placed in a column of Width characters: right-aligned ones after blanks, centred ones between.
String AlignInColumn(const String& Piece, int Width, TAlignment Alignment) {
    const qsizetype width = Width;
    if (Piece.size() >= width || Alignment == taLeftJustify) return Piece;
    if (Alignment == taRightJustify) return String(width - Piece.size(), QLatin1Char(' ')) + Piece;
    const qsizetype before = (width - Piece.size() + 1) / 2;
    const qsizetype after = width - Piece.size() - before;
    return String(before, QLatin1Char(' ')) + Piece + String(after, QLatin1Char(' '));
}

} // namespace

String AlignedTextWriter::Write(ExchangeGrid& Grid) const {
    const std::vector<int> cols = Grid.WriteColumns(Grid.SaveStartCol(), Grid.ColCount() - 1);
    const int first = Grid.SaveStartRow();
    const int last = Grid.RowCount() - 1;
    const bool multiLine = Grid.Layout().Multilinecells;
    std::vector<int> widths(cols.size(), 0);
    for (size_t k = 0; k < cols.size(); ++k)
        for (int r = first; r <= last; ++r)
            widths[k] = std::max(widths[k], CellTextWidth(Grid.SavedText(cols[k], r), multiLine));

    String out;
    Grid.ExportNotification(esExportStart, first);
    for (int r = first; r <= last; ++r) {
        Grid.ExportNotification(esExportNextRow, r);
        String line;
        std::vector<String> further;
        qsizetype columnStart = 0;
        for (size_t k = 0; k < cols.size(); ++k) {
            const QStringList pieces = CellTextLines(Grid.SavedText(cols[k], r));
            const TAlignment alignment = Grid.Alignment(cols[k], r);
            const String piece = AlignInColumn(pieces.first(), widths[k], alignment);
            line += piece;
            line += String(std::max<qsizetype>(0, widths[k] - piece.size()) + 1, QLatin1Char(' '));
            if (multiLine) {
                if (further.size() < size_t(pieces.size() - 1)) further.resize(size_t(pieces.size() - 1));
                for (qsizetype i = 1; i < pieces.size(); ++i) {
                    String& next = further[size_t(i - 1)];
                    if (next.size() < columnStart)
                        next += String(columnStart - next.size(), QLatin1Char(' '));
                    next += AlignInColumn(pieces[i], widths[k], alignment);
                }
            }
            columnStart += widths[k] + 1;
        }
        out += line + QLatin1String("\r\n");
        for (const String& next : further)
            out += next + QLatin1String("\r\n");
    }
    Grid.ExportNotification(esExportDone, -1);
    return out;
}
