// The binary cell stream: writing a rectangle of a grid's cells, reading and checking a stream whole, and
// writing a block into the cells at a place.
#include "controls/grid/exchange/GridBinaryStream.h"

#include "controls/grid/exchange/GridBinaryPayload.h"
#include "controls/grid/exchange/GridByteCodec.h"

#include <unordered_map>

namespace {

const QByteArray kBinStreamMark("QVGC");
constexpr uint32_t kBinStreamVersion = 1;
enum BinRecordKind : unsigned {
    rkBinBlock = 1,
    rkBinCell = 2,
    rkBinProperties = 3,
    rkBinGraphic = 4,
    rkBinPayload = 5
};
// No width or height of a column or row exceeds this.
constexpr int kBinMaxExtent = 1 << 16;

[[noreturn]] void BinStreamDamaged(const QString& What) {
    throw EQvGridError(QStringLiteral("Cell data damaged: ") + What);
}

void BinWriteProperties(GridByteWriter& W, const TCellProperties& p, bool HasGraphic) {
    W.Bool(p.IsBaseCell());
    W.I32(p.CellSpanX());
    W.I32(p.CellSpanY());
    W.U8(p.Alignment());
    W.I32(p.BorderColor());
    W.I32(p.BorderWidth());
    W.I32(p.BrushColor());
    W.I32(p.BrushColorTo());
    W.U8(p.BrushStyle());
    W.I32(p.FontColor());
    W.Str(p.FontName());
    W.I32(p.FontSize());
    W.U8(p.FontStyle());
    W.U8(p.Editor());
    W.U8(p.GradientDirection());
    W.Bool(p.ReadOnly());
    W.U8(p.VAlignment());
    W.Bool(p.WordWrap());
    W.I32(p.NodeLevel());
    W.Bool(HasGraphic);
}

template <class T> T BinStreamEnum(unsigned Value, unsigned Last, const char* What) {
    if (Value > Last) BinStreamDamaged(QLatin1String(What));
    return static_cast<T>(Value);
}

int BinStreamRanged(int Value, int Min, int Max, const char* What) {
    if (Value < Min || Value > Max) BinStreamDamaged(QLatin1String(What));
    return Value;
}

std::unique_ptr<TCellProperties> BinReadProperties(GridByteReader& R, bool& HasGraphic) {
    auto p = std::make_unique<TCellProperties>(nullptr, 0, 0);
    p->SetIsBaseCell(R.Bool());
    p->SetCellSpanX(BinStreamRanged(R.I32(), -1, kBinMaxExtent, "a merge span out of range"));
    p->SetCellSpanY(BinStreamRanged(R.I32(), -1, 1 << 24, "a merge span out of range"));
    p->SetAlignment(BinStreamEnum<TAlignment>(R.U8(), taCenter, "an unknown alignment"));
    p->SetBorderColor(R.I32());
    p->SetBorderWidth(BinStreamRanged(R.I32(), 0, 1024, "a border width out of range"));
    p->SetBrushColor(R.I32());
    p->SetBrushColorTo(R.I32());
    p->SetBrushStyle(BinStreamEnum<TBrushStyle>(R.U8(), bsDiagCross, "an unknown brush style"));
    p->SetFontColor(R.I32());
    p->SetFontName(R.Str());
    p->SetFontSize(BinStreamRanged(R.I32(), -4096, 4096, "a font size out of range"));
    p->SetFontStyle(BinStreamRanged(int(R.U8()), 0, fsBold | fsItalic | fsUnderline | fsStrikeOut,
                                    "an unknown font style"));
    p->SetEditor(BinStreamEnum<TEditorType>(R.U8(), edMaskEditBtn, "an unknown editor"));
    p->SetGradientDirection(
        BinStreamEnum<TCellGradientDirection>(R.U8(), GradientHorizontal, "an unknown gradient direction"));
    p->SetReadOnly(R.Bool());
    p->SetVAlignment(BinStreamEnum<TVAlignment>(R.U8(), vtaBottom, "an unknown vertical alignment"));
    p->SetWordWrap(R.Bool());
    p->SetNodeLevel(BinStreamRanged(R.I32(), 0, 1 << 16, "a node level out of range"));
    HasGraphic = R.Bool();
    return p;
}

// The streamed settings over a cell's own: what the stream does not carry (the cell's object, its
// control, calculations, the paint mark) stays the target's.
void BinCopyStreamedProperties(const TCellProperties& from, TCellProperties& to) {
    to.SetIsBaseCell(from.IsBaseCell());
    to.SetCellSpanX(from.CellSpanX());
    to.SetCellSpanY(from.CellSpanY());
    to.SetAlignment(from.Alignment());
    to.SetBorderColor(from.BorderColor());
    to.SetBorderWidth(from.BorderWidth());
    to.SetBrushColor(from.BrushColor());
    to.SetBrushColorTo(from.BrushColorTo());
    to.SetBrushStyle(from.BrushStyle());
    to.SetFontColor(from.FontColor());
    to.SetFontName(from.FontName());
    to.SetFontSize(from.FontSize());
    to.SetFontStyle(from.FontStyle());
    to.SetEditor(from.Editor());
    to.SetGradientDirection(from.GradientDirection());
    to.SetReadOnly(from.ReadOnly());
    to.SetVAlignment(from.VAlignment());
    to.SetWordWrap(from.WordWrap());
    to.SetNodeLevel(from.NodeLevel());
}

void BinUnmerge(TCellProperties& p) {
    p.SetIsBaseCell(true);
    p.SetCellSpanX(-1);
    p.SetCellSpanY(-1);
}

qint64 BinCellKey(int Col, int Row) {
    return (qint64(Row) << 32) | uint32_t(Col);
}

constexpr TRect kBinNoArea(0, 0, -1, -1);

// The merge areas of a block by their base cell, in block coordinates, edges included.
using BinMergeAreas = std::unordered_map<qint64, TRect>;

BinMergeAreas BinBaseAreas(const GridBlock& block) {
    BinMergeAreas areas;
    for (const GridBlockCell& cell : block.Cells) {
        const TCellProperties* p = cell.Props.get();
        if (p && p->IsBaseCell() && p->CellSpanX() >= 0 && p->CellSpanY() >= 0 &&
            (p->CellSpanX() > 0 || p->CellSpanY() > 0))
            areas.emplace(BinCellKey(cell.Col, cell.Row),
                          TRect(cell.Col, cell.Row, cell.Col + p->CellSpanX(), cell.Row + p->CellSpanY()));
    }
    return areas;
}

// The area a cell belongs to; kBinNoArea for a cell in none.
TRect BinAreaOf(const GridBlockCell& cell, const BinMergeAreas& areas) {
    const TCellProperties* p = cell.Props.get();
    if (!p || (p->IsBaseCell() && p->CellSpanX() <= 0 && p->CellSpanY() <= 0)) return kBinNoArea;
    const qint64 base = p->IsBaseCell() ? BinCellKey(cell.Col, cell.Row)
                        : p->CellSpanX() >= 0 && p->CellSpanY() >= 0
                            ? BinCellKey(cell.Col - p->CellSpanX(), cell.Row - p->CellSpanY())
                            : -1;
    const auto it = areas.find(base);
    return it == areas.end() ? kBinNoArea : it->second;
}

// Areas must lie whole in the block with their base cell in it and hold the cells that point to it; the
// cells of any other area keep their looks but are merged no more.
void BinCheckMergeAreas(GridBlock& block) {
    const BinMergeAreas areas = BinBaseAreas(block);
    for (GridBlockCell& cell : block.Cells) {
        if (!cell.Props) continue;
        TCellProperties& p = *cell.Props;
        const TRect area = BinAreaOf(cell, areas);
        const bool inArea = area.Right >= area.Left && cell.Col >= area.Left && cell.Col <= area.Right &&
                            cell.Row >= area.Top && cell.Row <= area.Bottom;
        const bool areaInBlock = area.Right < block.ColCount && area.Bottom < block.RowCount;
        if (!(inArea && areaInBlock) && (!p.IsBaseCell() || p.CellSpanX() != -1 || p.CellSpanY() != -1))
            BinUnmerge(p);
    }
}

} // namespace

// Writing
// --------------------------------------------------------------------------------------------

QByteArray GridBinaryStream::Write(const IGridCells& Cells, const Header& H,
                                   const std::function<void(int Row)>& OnRow) {
    const TRect& r = H.Cells;
    QByteArray out;
    GridByteWriter w(out);
    out.append(kBinStreamMark);
    w.U32(kBinStreamVersion);
    const qsizetype block = w.BeginRecord(rkBinBlock);
    w.I32(r.Left);
    w.I32(r.Top);
    w.I32(std::max(r.Right - r.Left + 1, 0));
    w.I32(std::max(r.Bottom - r.Top + 1, 0));
    w.U32(static_cast<uint32_t>(H.ColWidths.size()));
    for (int width : H.ColWidths)
        w.I32(width);
    w.U32(static_cast<uint32_t>(H.RowHeights.size()));
    for (int height : H.RowHeights)
        w.I32(height);
    w.Bool(H.FullGrid);
    w.U64(H.SourceId);
    w.EndRecord(block);
    for (int row = r.Top; row <= r.Bottom; ++row) {
        if (OnRow) OnRow(row);
        const int realRow = Cells.RealRow(row);
        for (int col = r.Left; col <= r.Right; ++col) {
            const int realCol = Cells.RealColumn(col);
            const TCellProperties* props = Cells.Properties(realCol, realRow);
            const auto* graphic = props ? dynamic_cast<const TCellGraphic*>(props->GraphicObject()) : nullptr;
            const bool hasGraphic = graphic && gridstream::GraphicTravels(*graphic);
            const qsizetype cell = w.BeginRecord(rkBinCell);
            w.I32(col);
            w.I32(row);
            w.Str(Cells.Text(realCol, realRow));
            w.Bool(props != nullptr);
            w.EndRecord(cell);
            if (!props) continue;
            const qsizetype at = w.BeginRecord(rkBinProperties);
            BinWriteProperties(w, *props, hasGraphic);
            w.EndRecord(at);
            if (!hasGraphic) continue;
            const qsizetype g = w.BeginRecord(rkBinGraphic);
            gridstream::WriteGraphic(w, *graphic);
            w.EndRecord(g);
            if (!gridstream::HasPayload(*graphic)) continue;
            const qsizetype payload = w.BeginRecord(rkBinPayload);
            gridstream::WritePayload(w, *graphic);
            w.EndRecord(payload);
        }
    }
    return out;
}

// Reading
// --------------------------------------------------------------------------------------------

namespace {

// The body of the next record, which must be of the kind expected.
GridByteReader BinExpectRecord(GridByteReader& R, unsigned Kind, const char* What) {
    unsigned kind = 0;
    GridByteReader body = R.Record(kind);
    if (kind != Kind) BinStreamDamaged(QStringLiteral("%1 is missing").arg(QLatin1String(What)));
    return body;
}

std::vector<int> BinReadExtents(GridByteReader& R, int Expected) {
    const uint32_t n = R.U32();
    if (n != uint32_t(Expected)) BinStreamDamaged(QStringLiteral("the sizes do not match the block"));
    if (n > uint64_t(R.Remaining()) / 4) BinStreamDamaged(QStringLiteral("the sizes run past the end"));
    std::vector<int> sizes(n);
    for (int& s : sizes)
        s = BinStreamRanged(R.I32(), 0, kBinMaxExtent, "a column width or row height out of range");
    return sizes;
}

} // namespace

GridBlock GridBinaryStream::Read(const QByteArray& Bytes, const GridExchangeLimits& Limits) {
    if (!Bytes.startsWith(kBinStreamMark)) BinStreamDamaged(QStringLiteral("this is no grid cell data"));
    GridByteReader in(Bytes.constData() + kBinStreamMark.size(), Bytes.size() - kBinStreamMark.size());
    if (in.U32() != kBinStreamVersion) BinStreamDamaged(QStringLiteral("written by another version"));

    GridBlock block;
    GridByteReader head = BinExpectRecord(in, rkBinBlock, "the block");
    block.Left = head.I32();
    block.Top = head.I32();
    block.ColCount = head.I32();
    block.RowCount = head.I32();
    if (block.Left < 0 || block.Top < 0 || !Limits.Fits(qint64(block.Left) + block.ColCount, 1) ||
        !Limits.Fits(1, qint64(block.Top) + block.RowCount) || !Limits.Fits(block.ColCount, block.RowCount))
        BinStreamDamaged(QStringLiteral("a block of %1 x %2 cells").arg(block.ColCount).arg(block.RowCount));
    block.ColWidths = BinReadExtents(head, block.ColCount);
    block.RowHeights = BinReadExtents(head, block.RowCount);
    block.FullGrid = head.Bool();
    block.SourceId = head.U64();
    if (block.FullGrid && (block.ColCount == 0 || block.RowCount == 0))
        BinStreamDamaged(QStringLiteral("a whole grid without cells"));

    // Each cell of the block at most once.
    std::vector<bool> seen(size_t(block.ColCount) * size_t(block.RowCount));
    // No cell record is shorter than 18 bytes, so the room asked for never outgrows the stream.
    block.Cells.reserve(std::min(seen.size(), size_t(in.Remaining()) / 18));
    while (!in.AtEnd()) {
        GridByteReader cellRecord = BinExpectRecord(in, rkBinCell, "a cell");
        GridBlockCell cell;
        const qint64 col = qint64(cellRecord.I32()) - block.Left;
        const qint64 row = qint64(cellRecord.I32()) - block.Top;
        if (col < 0 || row < 0 || col >= block.ColCount || row >= block.RowCount)
            BinStreamDamaged(QStringLiteral("a cell outside its block"));
        cell.Col = int(col);
        cell.Row = int(row);
        const size_t key = size_t(cell.Row) * size_t(block.ColCount) + size_t(cell.Col);
        if (seen[key]) BinStreamDamaged(QStringLiteral("a cell given twice"));
        seen[key] = true;
        cell.Text = cellRecord.Str();
        if (cellRecord.Bool()) {
            GridByteReader propRecord = BinExpectRecord(in, rkBinProperties, "the properties of a cell");
            bool hasGraphic = false;
            cell.Props = BinReadProperties(propRecord, hasGraphic);
            if (hasGraphic) {
                GridByteReader graphicRecord = BinExpectRecord(in, rkBinGraphic, "the graphic of a cell");
                cell.Graphic = gridstream::ReadGraphic(graphicRecord);
                if (gridstream::HasPayload(*cell.Graphic)) {
                    GridByteReader payload = BinExpectRecord(in, rkBinPayload, "the payload of a graphic");
                    gridstream::ReadPayload(payload, *cell.Graphic);
                }
            }
        }
        block.Cells.push_back(std::move(cell));
    }
    // The writer gives every cell of the block, so a stream cut between two records is found as well.
    if (block.Cells.size() != seen.size()) BinStreamDamaged(QStringLiteral("cells are missing"));
    BinCheckMergeAreas(block);
    return block;
}

// Writing a block into cells
// --------------------------------------------------------------------------------------------

namespace {

// The grid owns the graphics of its own class, except the boxes it shares between cells.
void BinDisposeCellGraphic(TObject* graphic) {
    auto* g = dynamic_cast<TCellGraphic*>(graphic);
    if (g && g->CellType != ctVirtCheckBox && g->CellType != ctRowCheckBox) delete g;
}

} // namespace

TRect GridBinaryStream::Apply(IGridCells& Cells, GridBlock& Block, int AtCol, int AtRow,
                              const ApplyHooks& Hooks) {
    const int cols = Cells.DisplayColumnCount();
    const int rows = Cells.DisplayRowCount();
    auto lands = [&](int c, int r) {
        const qint64 col = qint64(AtCol) + c, row = qint64(AtRow) + r;
        return col >= 0 && row >= 0 && col < cols && row < rows &&
               (!Hooks.MayWrite || Hooks.MayWrite(int(col), int(row)));
    };
    // Whether each merge area lands whole, asked once an area.
    const BinMergeAreas areas = BinBaseAreas(Block);
    std::unordered_map<qint64, bool> areaLands;
    auto areaLandsWhole = [&](const TRect& area) {
        const qint64 key = BinCellKey(area.Left, area.Top);
        if (auto it = areaLands.find(key); it != areaLands.end()) return it->second;
        bool whole = true;
        for (int r = area.Top; whole && r <= area.Bottom; ++r)
            for (int c = area.Left; whole && c <= area.Right; ++c)
                whole = lands(c, r);
        areaLands.emplace(key, whole);
        return whole;
    };

    TRect written(0, 0, -1, -1);
    int lastRow = -1;
    for (GridBlockCell& cell : Block.Cells) {
        if (!lands(cell.Col, cell.Row)) continue;
        const int col = AtCol + cell.Col, row = AtRow + cell.Row;
        if (row != lastRow) {
            lastRow = row;
            if (Hooks.OnRow) Hooks.OnRow(row);
        }
        if (Hooks.BeforeWrite) Hooks.BeforeWrite(col, row, cell.Text);
        const int realCol = Cells.RealColumn(col), realRow = Cells.RealRow(row);
        Cells.SetText(realCol, realRow, cell.Text);
        if (cell.Props) {
            const TRect area = BinAreaOf(cell, areas);
            if (area.Right >= area.Left && !areaLandsWhole(area)) BinUnmerge(*cell.Props);
            if (TCellProperties* target = Cells.MakeProperties(realCol, realRow)) {
                BinCopyStreamedProperties(*cell.Props, *target);
                if (cell.Graphic) {
                    BinDisposeCellGraphic(target->GraphicObject());
                    target->SetGraphicObject(cell.Graphic.release());
                }
            }
        }
        if (written.Right < written.Left) {
            written = TRect(col, row, col, row);
        } else {
            written.Left = std::min(written.Left, col);
            written.Top = std::min(written.Top, row);
            written.Right = std::max(written.Right, col);
            written.Bottom = std::max(written.Bottom, row);
        }
    }
    return written;
}
