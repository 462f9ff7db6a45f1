// The string grid: a compact text and an object per cell in rows made on first write, moved by pointer.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

#include <algorithm>

namespace {
template <class T> void RotateEntry(std::vector<T>& v, int from, int to) {
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}
} // namespace

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() {
    SetDestroying();
    DestroyComponents();
}

TStringGrid::RowData* TStringGrid::EnsureRow(int ARow, int ACol) {
    if (size_t(ARow) >= FData.size()) FData.resize(size_t(ARow) + 1);
    std::unique_ptr<RowData>& row = FData[size_t(ARow)];
    if (!row) row = std::make_unique<RowData>();
    size_t need = size_t(std::max(ACol + 1, ColCount()));
    if (row->texts.size() < need) row->texts.resize(need);
    return row.get();
}

String TStringGrid::Cells(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || size_t(ARow) >= FData.size()) return String();
    const RowData* row = FData[size_t(ARow)].get();
    if (!row || size_t(ACol) >= row->texts.size()) return String();
    return CellOf(*row, size_t(ACol));
}

QStringView TStringGrid::CellView(int ACol, int ARow, char16_t* Scratch) const {
    if (ACol < 0 || ARow < 0 || size_t(ARow) >= FData.size()) return QStringView();
    const RowData* row = FData[size_t(ARow)].get();
    if (!row || size_t(ACol) >= row->texts.size()) return QStringView();
    const TCellText& t = row->texts[size_t(ACol)];
    if (t.IsLong()) return QStringView(row->longTexts[size_t(ACol)]);
    return QStringView(Scratch, t.Read(Scratch));
}

String TStringGrid::CellOf(const RowData& row, size_t ACol) {
    return row.Text(static_cast<int>(ACol));
}

String TStringGridRow::Text(int ACol) const {
    if (ACol < 0 || ACol >= Count()) return String();
    const TCellText& t = texts[size_t(ACol)];
    return t.IsLong() ? longTexts[size_t(ACol)] : t.Get();
}

TObject* TStringGridRow::Object(int ACol) const {
    return ACol >= 0 && size_t(ACol) < objects.size() ? objects[size_t(ACol)] : nullptr;
}

std::unique_ptr<TStringGridRow> TStringGrid::TakeRow(int ARow) {
    if (ARow < 0 || size_t(ARow) >= FData.size()) return nullptr;
    return std::move(FData[size_t(ARow)]);
}

void TStringGrid::PutRow(int ARow, std::unique_ptr<TStringGridRow> Row) {
    if (ARow < 0) return;
    if (size_t(ARow) >= FData.size()) {
        if (!Row) return;
        FData.resize(size_t(ARow) + 1);
    }
    // A row narrower than the grid reads empty beyond its texts, as a row made by a write does.
    FData[size_t(ARow)] = std::move(Row);
}

bool TStringGrid::CellIsEmpty(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || size_t(ARow) >= FData.size()) return true;
    const RowData* row = FData[size_t(ARow)].get();
    return !row || size_t(ACol) >= row->texts.size() || row->texts[size_t(ACol)].IsEmpty();
}

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) {
    if (ACol < 0 || ARow < 0) return;
    // Clearing a cell that holds nothing must not make its row.
    if (Value.isEmpty() && CellIsEmpty(ACol, ARow)) return;
    RowData* row = EnsureRow(ARow, ACol);
    const size_t c = size_t(ACol);
    TCellText& t = row->texts[c];
    if (t.IsLong() && Value.size() > 0) {
        row->longTexts[c] = Value;
    } else {
        if (t.IsLong()) row->longTexts[c] = String();
        if (!t.SetShort(Value)) {
            if (row->longTexts.size() < row->texts.size()) row->longTexts.resize(row->texts.size());
            row->longTexts[c] = Value;
            t.SetLong();
        }
    }
    InvalidateCell(ACol, ARow);
    if (!FEditUpdate && EditorMode() && ACol == Col() && ARow == Row() && InplaceEditor() &&
        InplaceEditor()->Visible())
        InplaceEditor()->UpdateContents();
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || size_t(ARow) >= FData.size()) return nullptr;
    const RowData* row = FData[size_t(ARow)].get();
    if (!row || size_t(ACol) >= row->objects.size()) return nullptr;
    return row->objects[size_t(ACol)];
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    if (!Value && !Objects(ACol, ARow)) return;
    RowData* row = EnsureRow(ARow, ACol);
    if (row->objects.size() < row->texts.size()) row->objects.resize(row->texts.size(), nullptr);
    row->objects[size_t(ACol)] = Value;
}

int TStringGrid::StoredObjectCount(int ARow) const {
    if (ARow < 0 || size_t(ARow) >= FData.size() || !FData[size_t(ARow)]) return 0;
    return static_cast<int>(FData[size_t(ARow)]->objects.size());
}

QStringList TStringGrid::Cols(int ACol) const {
    QStringList out;
    out.reserve(RowCount());
    for (int r = 0; r < RowCount(); ++r)
        out.append(Cells(ACol, r));
    return out;
}

void TStringGrid::SetCols(int ACol, const QStringList& Value) {
    for (int r = 0; r < int(Value.size()); ++r)
        SetCells(ACol, r, Value[r]);
}

QStringList TStringGrid::Rows(int ARow) const {
    QStringList out;
    out.reserve(ColCount());
    for (int c = 0; c < ColCount(); ++c)
        out.append(Cells(c, ARow));
    return out;
}

void TStringGrid::SetRows(int ARow, const QStringList& Value) {
    for (int c = 0; c < int(Value.size()); ++c)
        SetCells(c, ARow, Value[c]);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (DefaultDrawing()) {
        String text = Cells(ACol, ARow);
        if (!text.isEmpty()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    size_t need = size_t(std::max(FromIndex, ToIndex)) + 1;
    for (size_t i = 0; i < FData.size(); ++i) {
        std::unique_ptr<RowData>& row = FData[i];
        if (!row) continue;
        if (row->texts.size() < need) row->texts.resize(need);
        RotateEntry(row->texts, FromIndex, ToIndex);
        if (!row->longTexts.empty()) {
            if (row->longTexts.size() < need) row->longTexts.resize(need);
            RotateEntry(row->longTexts, FromIndex, ToIndex);
        }
        if (!row->objects.empty()) {
            if (row->objects.size() < need) row->objects.resize(need, nullptr);
            RotateEntry(row->objects, FromIndex, ToIndex);
        }
    }
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    size_t need = size_t(std::max(FromIndex, ToIndex)) + 1;
    if (FData.size() < need) FData.resize(need);
    RotateEntry(FData.Contiguous(), FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    // Rows that leave the grid go with their cells; columns keep theirs, where hidden columns live.
    if (FData.size() > size_t(RowCount())) FData.resize(size_t(RowCount()));
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

String TStringGrid::GetEditText(int ACol, int ARow) {
    String text = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
    FEditUpdate = true;
    if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
    FEditUpdate = false;
    TDrawGrid::SetEditText(ACol, ARow, Value);
}
