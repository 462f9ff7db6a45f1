// The string grid's drag-and-drop rules.
#include "controls/grid/exchange/GridDropRules.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/system/RegisteredNames.h"

#include <QtEndian>
#include <cstdlib>

namespace GridDrop {

UINT ColumnFormat() {
    static const UINT id = RegisterClipboardFormat(QStringLiteral("Grid Column"));
    return id;
}

QByteArray ColumnBytes(int Col) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(Col, bytes.data());
    return bytes;
}

int ColumnOfBytes(const QByteArray& Bytes) {
    if (Bytes.size() != 4) return -1;
    const qint32 col = qFromLittleEndian<qint32>(Bytes.constData());
    return col >= 0 ? col : -1;
}

TDropFormats FormatsOf(const TClipData& Data) {
    TDropFormats f = 0;
    if (Data.HasFormat(CF_UNICODETEXT)) f |= dfText;
    if (Data.HasFormat(CF_HDROP)) f |= dfFile;
    if (Data.HasFormat(ColumnFormat())) f |= dfCol;
    if (Data.HasFormat(CF_RTF())) f |= dfRTF;
    if (Data.HasFormat(CF_URL())) f |= dfURL;
    if (Data.HasFormat(QvGrid::GridCellsClipboardFormat)) f |= dfGridCells;
    return f;
}

int EffectOf(TShiftState Shift, int Allowed) {
    if (Shift & ssCtrl) return DROPEFFECT_COPY;
    return (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

bool Accepted(TDropFormats Formats, const Accepts& A) {
    return ((Formats & dfText) && A.Text) || ((Formats & dfFile) && A.Files) ||
           ((Formats & dfRTF) && A.RichText && A.Text) || ((Formats & dfCol) && A.Text) ||
           ((Formats & dfURL) && A.URLs) || (Formats & dfGridCells);
}

Payload MainPayload(TDropFormats Formats, bool AcceptRichText) {
    if (Formats & dfCol) return Payload::Column;
    if (Formats & dfGridCells) return Payload::Cells;
    if ((Formats & dfRTF) && AcceptRichText) return Payload::RichText;
    if (Formats & dfText) return Payload::Text;
    return Payload::None;
}

Landing Land(const View& V, const Over& O, TDropFormats Formats) {
    Landing l;
    l.Col = O.Col;
    l.Row = O.Row;
    const bool colDrag = Formats & dfCol;
    if (O.Row == -1 && !colDrag && V.EntireRows && V.AppendRows && O.BelowLastRow && V.RowCount > 0) {
        l.Col = V.FixedCols;
        l.Row = V.RowCount - 1;
        l.Append = true;
    }
    bool allow = l.Valid();
    if (!colDrag) {
        if (l.Row >= 0 && l.Row < V.FixedRows && !(V.RowCount == 1 && V.FixedRowAlways)) allow = false;
    } else if (O.Col < 0) {
        // Right of the last column: the column goes to the end.
        l.Col = V.ColCount;
        l.Row = 0;
        allow = true;
    } else {
        allow = l.Row >= 0 && l.Row < V.FixedRows && l.Col >= V.FixedCols;
    }
    l.Allow = allow || (Formats & (dfFile | dfGridCells));
    return l;
}

bool AllowAfterEvent(const Landing& L, TDropFormats Formats, bool Allow) {
    return Allow && (L.Valid() || (Formats & dfFile));
}

Scroll AutoScroll(const View& V, const Over& O, bool SidewaysTick) {
    Scroll s;
    if ((O.Row == 0 && V.TopRow > V.FixedRows) || (V.FixedRows == 0 && O.Y < 8 && V.TopRow > 0))
        s.Rows = -1;
    else if (O.Row >= 0 && O.Row == V.TopRow + V.VisibleRowCount)
        s.Rows = 1;
    if (SidewaysTick) {
        if (O.Col == 0 && V.LeftCol > V.FixedCols)
            s.Cols = -1;
        else if (O.Col >= 0 && O.Col == V.LeftCol + V.VisibleColCount)
            s.Cols = 1;
    }
    return s;
}

Arrows ArrowsFor(const View& V, const Landing& L, TDropFormats Formats, bool Allowed) {
    Arrows a;
    if (!Allowed) return a;
    if (Formats & dfCol) {
        a.Kind = ArrowKind::Column;
        a.Col = L.Col;
        a.Row = L.Row;
        return a;
    }
    if (!L.Valid()) return a;
    a.Kind = ArrowKind::Row;
    a.Col = V.EntireRows ? V.FixedCols : L.Col;
    a.Row = L.Row;
    if (L.Append)
        a.BelowRow = true;
    else if (L.Row == 0 && V.FixedRowAlways)
        a.BelowRow = true;
    return a;
}

TextDrop TextDropStart(const View& V, const Landing& L, bool RowSelect) {
    TextDrop t{L.Col, L.Row};
    if (RowSelect) t.Col = V.EntireRows ? 0 : V.FixedCols;
    // The fixed row of a grid that has no other row takes no text: the text goes below it.
    if (t.Row == 0 && V.RowCount == 1 && V.FixedRowAlways) t.Row = 1;
    return t;
}

TRect DroppedTextSelection(const View& V, int Col, int Row, int Cols, int Rows, bool RowSelect) {
    const int left = std::max(Col, V.FixedCols);
    const int right = RowSelect ? left + Cols - V.FixedCols : left + std::max(Cols, 1) - 1;
    return TRect(left, Row, std::max(left, right), Row + std::max(Rows, 0));
}

bool DragStarts(const TPoint& Press, const TPoint& Now) {
    return std::abs(Now.X - Press.X) > 3 || std::abs(Now.Y - Press.Y) > 3;
}

DroppedFile KindOfDroppedFile(const String& Name) {
    if (Name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) return DroppedFile::Csv;
    if (Name.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ||
        Name.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return DroppedFile::Workbook;
    return DroppedFile::Other;
}

} // namespace GridDrop
