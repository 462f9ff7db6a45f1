// Nodes and expand buttons of the string grid: an outline whose node rows contract and expand the rows under
// them.
#include "controls/grid/QvGrid.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>

namespace {

// Rows a contracted node put into the general hiding carry this mark: expanding the node shows them again
// and leaves the rows HideRows hid where they are.
constexpr int kOutlineRow = -1;

// ExpandOne is switched off where a walk expands nodes one by one, and back on afterwards.
class ExpandOneOff {
public:
    explicit ExpandOneOff(TCellNode* Node) : FNode(Node), FOld(Node->ExpandOne()) {
        Node->SetExpandOne(false);
    }
    ~ExpandOneOff() { FNode->SetExpandOne(FOld); }
    ExpandOneOff(const ExpandOneOff&) = delete;
    ExpandOneOff& operator=(const ExpandOneOff&) = delete;

private:
    TCellNode* FNode;
    bool FOld;
};

} // namespace

// Expand buttons
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::HasExpand(int ACol, int ARow) {
    return GetCellType(ACol, ARow) == ctExpand;
}

void TQvStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
    if (ACol < 0 || ARow < 0 || ARow >= RowCount()) return;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctExpand;
    g->CellAngle = ExpandedHeight;
    g->CellIndex = RowHeights(ARow);
    g->CellVar = false;
    g->CellBoolean = false;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TQvStringGrid::RemoveExpand(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctExpand);
}

bool TQvStringGrid::ToggleExpand(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (!g) return false;
    g->CellVar = !g->CellVar.toBool();
    return g->CellVar.toBool();
}

bool TQvStringGrid::GetExpandState(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g && g->CellVar.toBool();
}

int TQvStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
    if (ACol < 0 || ARow < 0) return DefaultRowHeight();
    const TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (!g) return DefaultRowHeight();
    return Expanded ? g->CellAngle : g->CellIndex;
}

// Node data
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddNode(int ARow, int Span) {
    const int d = DisplRowIndex(ARow);
    if (ARow < 0 || d < 0 || d >= RowCount()) return;
    TCellGraphic* g = CreateCellGraphic(0, d);
    g->CellType = ctNode;
    g->CellBoolean = false;
    g->CellIndex = Span;
    g->CellErrFrom = 0;
    g->CellAngle = d;
    g->CellVar = -1;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaCenter;
    // The node row itself is always covered, also by a node that reaches up to the next one (span 0).
    const int last = std::min(d + std::max(Span, 1), RowCount()) - 1;
    for (int r = d; r <= last; ++r) {
        TCellProperties* props = GetCellProperties(0, r);
        props->SetNodeLevel(props->NodeLevel() + 1);
    }
    if (FNumNodes == 0) RepaintCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

// The node's rows lose one level and the node graphic goes; its rows are shown already.
void TQvStringGrid::DropNode(int D) {
    const int span = GetNodeSpan(D);
    const int last = std::min(D + std::max(span, 1), RowCount()) - 1;
    for (int r = D; r <= last; ++r)
        if (TCellProperties* props = PropsAt(0, r)) props->SetNodeLevel(std::max(props->NodeLevel() - 1, 0));
    RemoveCellGraphic(0, D);
    if (FNumNodes > 0) --FNumNodes;
}

void TQvStringGrid::RemoveNode(int ARow) {
    {
        ExpandOneOff off(FCellNode.get());
        ExpandNode(ARow);
    }
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount() || !IsNode(d)) return;
    DropNode(d);
}

void TQvStringGrid::RemoveAllNodes() {
    BeginUpdate();
    ExpandAll();
    for (int r = 0; r < RowCount(); ++r) {
        if (!IsNode(r)) continue;
        DropNode(r);
    }
    EndUpdate();
    Invalidate();
}

int TQvStringGrid::GetNodeLevel(int ARow) {
    if (!IsNode(ARow)) return -1;
    const TCellProperties* props = PropsAt(0, ARow);
    return props ? props->NodeLevel() : -1;
}

int TQvStringGrid::GetNodeSpan(int ARow) {
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex : -1;
}

void TQvStringGrid::SetNodeSpan(int ARow, int Span) {
    if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex = Span;
}

void TQvStringGrid::UpdateNodeSpan(int ARow, int Delta) {
    if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex += Delta;
}

int TQvStringGrid::GetSubNodeCount(int ARow) {
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom : 0;
}

void TQvStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
    if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellErrFrom += Delta;
}

bool TQvStringGrid::NodeState(int ARow) {
    return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean;
}

void TQvStringGrid::SetNodeState(int ARow, bool Contracted) {
    if (!IsNode(ARow) || NodeState(ARow) == Contracted) return;
    if (Contracted)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TQvStringGrid::GetParentRow(int ARow) {
    if (!HasNodes()) return -1;
    int level = 65535, result = -1;
    if (IsNode(ARow)) {
        level = GetNodeLevel(ARow);
        result = ARow;
    }
    // Contracted nodes on the way up hide their rows: the display rows after them move up by as many.
    int hiddenAbove = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= level) continue;
        const int span = GetNodeSpan(r);
        if (NodeState(r)) hiddenAbove += span - 1;
        if (ARow < r + span - hiddenAbove) return r;
    }
    return result;
}

int TQvStringGrid::GetNodeSpanType(int ARow) {
    if (IsNode(ARow)) return 0;
    if (ARow >= RowCount() - FFixedFooters - 1) return 1;
    const TCellProperties* next = PropsAt(0, ARow + 1);
    const TCellProperties* own = PropsAt(0, ARow);
    if (!next || next->NodeLevel() < (own ? own->NodeLevel() : 0)) return 1;
    return 2;
}

bool TQvStringGrid::IsOverNodeGlyph(int ARow, int X) {
    if (!FMouseActions->PreciseNodeClick()) return true;
    const int v = GetNodeLevel(ARow), i = FCellNode->NodeIndent();
    int b = 4, c = 4;
    switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP:
        break;
    case cn3D:
        b = 6;
        c = 0;
        break;
    case cnGlyph: {
        const TBitmap* glyph = FCellNode->ExpandGlyph();
        const bool empty = !glyph || glyph->Empty();
        b = empty ? 0 : glyph->Width() / 2;
        c = empty ? 0 : 2;
        break;
    }
    case cnLeaf:
        b = 8;
        c = 2;
        break;
    }
    if (BiDiMode() != bdRightToLeft) return c + (v - 1) * i < X && X < b + v * i;
    // Right to left the cells are shown mirrored and X arrives mirrored with them, counted from column 0's
    // edge. The reader sees the glyph at the right edge of the cells, X + 1 pixels in from it; the reach
    // measured from that edge leaves out the scroll bar, which is not part of the cells.
    const int fromRight = X + 1;
    return (v - 1) * i < fromRight && fromRight <= v * i + b + 2;
}

// Contracting and expanding
// --------------------------------------------------------------------------------------------

// The display row after the node's block. A span counts rows whether shown or not, so the block ends at the
// first row whose real index lies beyond it.
int TQvStringGrid::NodeBlockEnd(int ARow) {
    const int end = RowCount() - FFixedFooters;
    const int span = GetNodeSpan(ARow);
    int e = ARow + 1;
    if (span > 0) {
        const int past = RealRowIndex(ARow) + span;
        while (e < end && RealRowIndex(e) < past)
            ++e;
        return e;
    }
    while (e < end && !IsNode(e))
        ++e;
    return e;
}

void TQvStringGrid::ContractNode(int ARow) {
    if (EditorMode()) HideInplaceEdit();
    ScopedValue<bool> forced(FForceSel, true);
    const int d = DisplRowIndex(ARow);
    if (ARow < 0 || d < 0 || d >= RowCount() || RealRowIndex(d) != ARow || !IsNode(d) || NodeState(d)) return;
    GetCellGraphic(0, d)->CellBoolean = true;
    // A contracted node inside shows its row only, its own rows hidden already. It is marked expanded, so
    // that expanding this node brings back every row of both.
    std::vector<int> reals;
    for (int r = d + 1, e = NodeBlockEnd(d); r < e; ++r) {
        if (IsNode(r) && NodeState(r)) GetCellGraphic(0, r)->CellBoolean = false;
        reals.push_back(RealRowIndex(r));
    }
    if (!reals.empty()) {
        BeginUpdate();
        HideRows(reals.front(), reals.back());
        for (int real : reals)
            if (TGridItem* item = HiddenRowItem(real)) item->SetLevel(kOutlineRow);
        EndUpdate();
    }
    CalcFooter(-1);
}

// ContractAll's level took the rows of every node it contracted: it goes as a whole, and every other node
// still marked contracted hides its rows again on its own.
void TQvStringGrid::DissolveOutlineLevel(int KeepRow) {
    UnHideRowList();
    FFilterLevel = std::max(FFilterLevel - 1, 0);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        if (!IsNode(r) || !NodeState(r) || RealRowIndex(r) == KeepRow) continue;
        GetCellGraphic(0, r)->CellBoolean = false;
        ContractNode(RealRowIndex(r));
    }
}

// Shows the rows the node at display row ARow hid; false when a filter level applied on top of them keeps
// them hidden.
bool TQvStringGrid::ShowNodeRows(int ARow) {
    const int lo = RealRowIndex(ARow) + 1;
    const int hi = ARow + 1 < RowCount() ? RealRowIndex(ARow + 1) - 1 : TotalRowCount() - 1;
    if (lo > hi) return true;
    if (!FFilterRows.Empty()) {
        bool inLevel = false;
        for (int r = lo; r <= hi && !inLevel; ++r)
            inLevel = !FHiddenRows.IsHidden(r) && FFilterRows.HiddenItem(FHiddenRows.ToDisplay(r));
        if (inLevel) {
            if (!FFilterRows.Top().Outline) return false;
            DissolveOutlineLevel(RealRowIndex(ARow));
        }
    }
    // Runs of marked rows go back from the last one, so the earlier runs keep their places in the store.
    const int from = FHiddenRows.HiddenBefore(lo), to = FHiddenRows.HiddenBefore(hi + 1);
    int runEnd = -1;
    for (int i = to - 1; i >= from - 1; --i) {
        const bool marked = i >= from && FGridItems->Items(i)->Level() == kOutlineRow;
        if (marked && runEnd < 0) runEnd = i + 1;
        if (!marked && runEnd >= 0) {
            RestoreHiddenRows(i + 1, runEnd);
            runEnd = -1;
        }
    }
    return true;
}

void TQvStringGrid::ExpandNode(int ARow) {
    if (FCellNode->ExpandOne()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r) && !NodeState(r)) ContractNode(RealRowIndex(r));
    }
    const int d = DisplRowIndex(ARow);
    if (ARow < 0 || d < 0 || d >= RowCount() || RealRowIndex(d) != ARow || !NodeState(d)) return;
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    FMouseActions->SetDisjunctRowSelectDirect(false);
    const TGridOptions options = Options();
    const int row = Row(), top = TopRow();
    if (options & goRowSelect) SetOptions(options & ~goRowSelect);
    BeginUpdate();
    if (ShowNodeRows(d)) GetCellGraphic(0, d)->CellBoolean = false;
    EndUpdate();
    if (options & goRowSelect) {
        SetOptions(options);
        if (row < RowCount()) SetRow(row);
        if (top < RowCount()) SetTopRow(top);
    }
    FMouseActions->SetDisjunctRowSelectDirect(disjunct);
    CalcFooter(-1);
}

void TQvStringGrid::ExpandAll() {
    BeginUpdate();
    {
        ExpandOneOff off(FCellNode.get());
        while (!FFilterRows.Empty() && FFilterRows.Top().Outline) {
            UnHideRowList();
            FFilterLevel = std::max(FFilterLevel - 1, 0);
        }
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r) && NodeState(r)) ExpandNode(RealRowIndex(r));
    }
    EndUpdate();
    CalcFooter(-1);
}

void TQvStringGrid::ContractAll() {
    BeginUpdate();
    ExpandAll();
    TIntList rows(0, 0);
    const int end = RowCount() - FFixedFooters;
    for (int r = FixedRows(); r < end;) {
        if (!IsNode(r)) {
            ++r;
            continue;
        }
        GetCellGraphic(0, r)->CellBoolean = true;
        const int e = NodeBlockEnd(r);
        for (int k = r + 1; k < e; ++k)
            rows.Add(k);
        r = std::max(e, r + 1);
    }
    if (rows.Count() > 0) {
        HideRowList(&rows);
        FFilterRows.Top().Outline = true;
    }
    EndUpdate();
    CalcFooter(-1);
}

// Rows inside an outline
// --------------------------------------------------------------------------------------------

void TQvStringGrid::InsertNormalRow(int ARow) {
    InsertRows(DisplRowIndex(ARow), 1);
}

void TQvStringGrid::RemoveNormalRow(int ARow) {
    DoRemoveRows(ARow, 1);
}

// The node above a node, or -1 when none holds it.
static int EnclosingNode(TQvStringGrid& G, int ANode) {
    const int up = G.GetParentRow(ANode);
    return up == ANode || up < G.FixedRows() ? -1 : up;
}

// A row that a contracted node hides is shown first, expanding the nodes that hide it: the row's outline is
// read from its place among the shown rows. Answers its display row.
static int RevealRow(TQvStringGrid& G, int ARow) {
    for (;;) {
        const int d = G.DisplRowIndex(ARow);
        if (d >= G.RowCount() || G.RealRowIndex(d) == ARow) return d;
        int r = d - 1;
        while (r >= G.FixedRows() && !(G.NodeState(r) && G.RealRowIndex(r) + G.GetNodeSpan(r) > ARow))
            --r;
        if (r < G.FixedRows()) return d;
        G.ExpandNode(G.RealRowIndex(r));
        if (G.NodeState(r)) return d;
    }
}

void TQvStringGrid::InsertChildRow(int ARow, int InsertAt) {
    int d = RevealRow(*this, ARow);
    const int parent = GetParentRow(d);
    int level = 1, parentLevel = 0;
    if (parent != -1) {
        // Every enclosing node grows by the row and is expanded, so that the row lands among shown rows.
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        ExpandNode(RealRowIndex(parent));
        level = parentLevel = GetNodeLevel(parent);
        for (int a = EnclosingNode(*this, parent); a != -1 && level > 1; a = EnclosingNode(*this, a)) {
            UpdateNodeSpan(a, 1);
            UpdateSubNodeCount(a, 1);
            ExpandNode(RealRowIndex(a));
            level = GetNodeLevel(a);
        }
        d = DisplRowIndex(ARow);
    }
    const bool underNode = IsNode(d) && InsertAt == 0;
    const int at = underNode ? d + 1 : d + InsertAt;
    BeginUpdate();
    InsertRows(at, 1);
    if (parent != -1) GetCellProperties(0, at)->SetNodeLevel(parentLevel);
    if (underNode) {
        // The node row's contents move down into the new row; the node keeps its graphic in column 0.
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCells(c, d + 1, GridCells(c, d));
            SetGridCells(c, d, String());
            if (c == 0) continue;
            SetGridObjects(c, d + 1, GridObjects(c, d));
            SetGridObjects(c, d, nullptr);
        }
    }
    EndUpdate();
}

void TQvStringGrid::RemoveChildRow(int ARow) {
    int parent = GetParentRow(RevealRow(*this, ARow));
    if (parent != -1) {
        const int level0 = GetNodeLevel(parent);
        for (;;) {
            if (GetNodeSpan(parent) > 1) {
                UpdateNodeSpan(parent, -1);
                UpdateSubNodeCount(parent, -1);
            }
            ExpandNode(RealRowIndex(parent));
            if (GetNodeLevel(parent) <= 1) break;
            const int up = EnclosingNode(*this, parent);
            if (up == -1 || GetNodeLevel(up) >= level0) break;
            parent = up;
        }
    }
    const int d = DisplRowIndex(ARow);
    DropRowCellControls(d);
    DoRemoveRows(d, 1);
    CellControlsUpdate(false);
}

// The controls of a row about to go leave the grid's list and the view; those of the rows below move up
// with their rows. The controls belong to the application, which may place them again.
void TQvStringGrid::DropRowCellControls(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return;
    const int real = RealRowIndex(ARow);
    for (int c = 0; c < TotalColCount(); ++c)
        if (CellControls(c, ARow)) FNumCellControls = std::max(FNumCellControls - 1, 0);
    for (int i = FControlList->Count() - 1; i >= 0; --i) {
        TControlItem* item = FControlList->GetControl(i);
        if (item->Y == real) {
            if (item->Control) item->Control->Hide();
            FControlList->RemoveControl(i);
        } else if (item->Y > real) {
            --item->Y;
        }
    }
}

// Group auto-check
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AutoCheckGroupRows(int ACol, int ARow, bool State) {
    if (IsNode(ARow)) {
        const int span = GetNodeSpan(ARow);
        const bool contracted = NodeState(ARow);
        const int real = RealRowIndex(ARow);
        for (int k = 1; k < span; ++k) {
            if (!contracted && ARow + k >= RowCount()) break;
            SetCheckBoxState(ACol, contracted ? real + k : RealRowIndex(ARow + k), State);
        }
        return;
    }
    const int parent = GetParentRow(ARow);
    if (parent < 0 || parent == ARow) return;
    const int span = GetNodeSpan(parent);
    TCheckBoxState first = cbUnchecked;
    bool same = true, any = false;
    for (int k = 1; k < span && parent + k < RowCount(); ++k) {
        TCheckBoxState s = cbUnchecked;
        GetCheckBoxState(ACol, RealRowIndex(parent + k), s);
        if (!any) first = s;
        same = same && s == first;
        any = true;
    }
    if (!any) return;
    SetCheckBoxState(ACol, RealRowIndex(parent), same ? first : cbGrayed);
}
