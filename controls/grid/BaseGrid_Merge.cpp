// Merged cell areas: merging, splitting and the queries that map a cell to its area.
#include "controls/grid/BaseGrid.h"

#include <algorithm>

// The spans kept in the base cell, (0, 0) when it keeps none.
TPoint TBaseGrid::AreaSpan(const TPoint& Base) const {
    const TCellProperties* props = PropsAt(Base.X, Base.Y);
    if (!props) return TPoint(0, 0);
    return TPoint(props->CellSpanX(), props->CellSpanY());
}

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
    ++FMergeCount;
    if (spanx < 1 || spany < 1) return;
    // Only cells of the grid can carry merge information.
    const int right = std::min(c + spanx - 1, TotalColCount() - 1);
    const int bottom = std::min(r + spany - 1, RowCount() - 1);
    c = std::max(c, 0);
    r = std::max(r, 0);
    if (c > right || r > bottom) return;
    for (int i = c; i <= right; ++i)
        for (int j = r; j <= bottom; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? right - c : i - c);
            props->SetCellSpanY(base ? bottom - r : j - r);
        }
    for (int i = c; i <= right; ++i)
        for (int j = r; j <= bottom; ++j)
            RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r) {
    const TCellProperties* props = GetCellProperties(c, r);
    if (props) {
        const TPoint base = props->GetBaseCell(c, r);
        const TCellProperties* baseProps = PropsAt(base.X, base.Y);
        const int sx = baseProps ? baseProps->CellSpanX() : -1;
        const int sy = baseProps ? baseProps->CellSpanY() : -1;
        // The rectangle the base cell records, whatever other areas now hold some of its cells.
        for (int i = base.X; i <= base.X + sx; ++i)
            for (int j = base.Y; j <= base.Y + sy; ++j)
                if (TCellProperties* p = PropsAt(i, j)) {
                    p->SetIsBaseCell(true);
                    p->SetCellSpanX(-1);
                    p->SetCellSpanY(-1);
                }
        for (int i = base.X; i <= base.X + sx; ++i)
            for (int j = base.Y; j <= base.Y + sy; ++j)
                RepaintCell(i, j);
    }
    --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GetBaseCell(ACol, ARow) : TPoint(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return !props || props->IsBaseCell();
}

bool TBaseGrid::CheckBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) {
    const TPoint base = BaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) {
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) {
    return PropsAt(ACol, ARow) && AreaSpan(BaseCell(ACol, ARow)).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) {
    return PropsAt(ACol, ARow) && AreaSpan(BaseCell(ACol, ARow)).Y > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return TPoint(0, 0);
    return AreaSpan(props->GetBaseCell(ACol, ARow));
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return TPoint(0, 0);
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TPoint span = AreaSpan(base);
    return TPoint(base.X + span.X - ACol, base.Y + span.Y - ARow);
}

TRect TBaseGrid::FullCell(int c, int r) {
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return TRect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
}

int TBaseGrid::MinRowSpan(int ARow) {
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0) result = std::min(result, span);
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) {
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) {
    bool found = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            found = true;
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
        }
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) {
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int s1 = CellSpan(ACol1, r).X;
        const int s2 = CellSpan(ACol2, r).X;
        if (s1 > 0 && s2 > 0) {
            found = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
        } else if (s1 != s2) {
            return false;
        }
    }
    return found;
}
