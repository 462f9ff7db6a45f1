// The string grid's search footer: what typing, next, previous, highlight and close in its panel do, and the
// panel following the SearchFooter settings.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/CellSearch.h"

namespace {

constexpr int kSearchPanelHeight = 32;

TFindParameters With(TFindParameters P, TFindParameter F, bool On) {
    return On ? P | (1u << F) : P;
}

} // namespace

void TQvStringGrid::BindSearchPanel() {
    FSearchPanel->OnEditChange = [this](TObject*) { SearchFooterEditChanged(); };
    FSearchPanel->OnForwardClick = [this](TObject*) { SearchFooterStep(false); };
    FSearchPanel->OnBackwardClick = [this](TObject*) { SearchFooterStep(true); };
    FSearchPanel->OnExitClick = [this](TObject*) { SearchFooterClose(); };
    FSearchPanel->OnHighlightClick = [this](TObject*) { SearchFooterHighlight(); };
    FSearchPanel->OnCreated = [this](TObject*) {
        if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
    };
    FSearchFooter->OnChange = [this](TObject*) { SearchFooterChanged(); };
}

TFindParameters TQvStringGrid::SearchFooterParams(bool Backward) {
    const TSearchFooter* f = FSearchFooter.get();
    TFindParameters p = 1u << fnAutoGoto;
    p = With(p, fnIgnoreHTMLTags, FSearchPanel->HiliteButton()->Down());
    p = With(p, fnMatchCase, FSearchPanel->MatchCase()->Checked());
    p = With(p, fnFindInCurrentCol, f->SearchActiveColumnOnly());
    p = With(p, fnMatchStart, f->SearchMatchStart());
    p = With(p, fnIncludeFixed, f->SearchFixedCells());
    p = With(p, fnIncludeHiddenRows, f->SearchHiddenRows());
    p = With(p, fnDirectionLeftRight, f->SearchDirection() == sdLeftRight);
    p = With(p, fnBackward, Backward);
    if (f->SearchColumn() >= 0 && f->SearchColumn() < ColCount()) {
        SetFindCol(f->SearchColumn());
        p |= 1u << fnFindInPresetCol;
    }
    return p;
}

// Marks every occurrence of the edit's text, in the search column or the whole grid, or takes the marks off.
void TQvStringGrid::MarkSearchText(bool Mark) {
    const int col = FSearchFooter->SearchColumn();
    const bool matchCase = FSearchPanel->MatchCase()->Checked();
    const String text = FSearchPanel->EditControl()->Text();
    if (col >= 0) {
        if (Mark)
            HilightInCol(false, matchCase, col, text);
        else
            UnHilightInCol(false, col);
    } else if (Mark) {
        HilightInGrid(false, matchCase, text);
    } else {
        UnHilightInGrid(false);
    }
}

void TQvStringGrid::SearchFooterEditChanged() {
    TRetEdit* edit = FSearchPanel->EditControl();
    const String text = edit->Text();
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch()) return;
    const bool hilite = FSearchPanel->HiliteButton()->Down();
    const bool marks = hilite || FSearchFooter->AlwaysHighLight();
    const TFindParameters p = SearchFooterParams(false);
    if (marks) MarkSearchText(false);
    if (text.isEmpty()) {
        edit->SetColor(clWindow);
        return;
    }
    const TPoint found = Find(TPoint(-1, -1), text, p);
    FSearchCell = found;
    DoSearchFooterAction(text, found.X, found.Y, saFindFirst);
    if (found.X < 0) {
        edit->SetColor(clRed);
        return;
    }
    edit->SetColor(clWindow);
    ScrollInView(Col(), Row());
    if (marks) MarkSearchText(true);
}

void TQvStringGrid::SearchFooterStep(bool Backward) {
    const String text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        // A new text starts from the first cell (the last one backwards).
        if (text != FSearchFooter->LastSearch()) FSearchCell = TPoint(-1, -1);
        FSearchFooter->SetLastSearch(text);
    }
    if (text.isEmpty()) return;
    const TPoint found = Find(FSearchCell, text, SearchFooterParams(Backward));
    FSearchCell = found;
    if (found.X >= 0 && !Backward) ScrollInView(Col(), Row());
    // The found row stays clear of the footers at the bottom.
    const int v = FFloatingFooter->Visible() ? 1 : 0;
    if (Row() > TopRow() + VisibleRowCount() + (1 - v) - 3 &&
        v + VisibleRowCount() + FixedRows() < RowCount())
        SetTopRow(std::min(TopRow() + 2, RowCount() - 1));
    if (found.X >= 0 && Backward) ScrollInView(Col(), Row());
    DoSearchFooterAction(text, found.X, found.Y, Backward ? saFindPrevious : saFindNext);
    FSearchPanel->Invalidate();
}

void TQvStringGrid::SearchFooterClose() {
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
    if (CanFocus()) SetFocus();
}

void TQvStringGrid::SearchFooterHighlight() {
    MarkSearchText(FSearchPanel->HiliteButton()->Down());
}

void TQvStringGrid::SearchFooterChanged() {
    if (IsLoading()) return;
    const TSearchFooter* f = FSearchFooter.get();
    TSearchPanel* panel = FSearchPanel;
    if ((panel->HiliteButton()->Down() && panel->Visible() && !f->Visible()) || f->AlwaysHighLight())
        UnHilightInGrid(false);
    panel->SetColor(f->Color());
    panel->SetColorTo(f->ColorTo());
    panel->SetLineColor(GridLineColor());
    panel->Font()->Assign(f->Font());
    panel->FindNextCaption = f->FindNextCaption();
    panel->FindPrevCaption = f->FindPrevCaption();
    panel->MatchCaseCaption = f->MatchCaseCaption();
    panel->HighLightCaption = f->HighLightCaption();
    panel->HintClose = f->HintClose();
    panel->HintFindNext = f->HintFindNext();
    panel->HintFindPrev = f->HintFindPrev();
    panel->HintHighlight = f->HintHighlight();
    const TControlStyle style = FControlLook->ControlStyle();
    for (TQvGridButton* b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()}) {
        b->SetAutoXPStyle(style == csWinXP || (style == csTheme && !FAutoThemeAdapt));
        b->SetFlat(style == csFlat || FAutoThemeAdapt);
        b->SetAutoThemeAdapt(FAutoThemeAdapt);
    }
    const struct {
        TControl* Control;
        bool Shown;
        int Height;
    } parts[] = {
        {panel->HiliteButton(), f->ShowHighLight(), 23}, {panel->ExitButton(), f->ShowClose(), 14},
        {panel->MatchCase(), f->ShowMatchCase(), 18},    {panel->BackwardButton(), f->ShowFindPrev(), 23},
        {panel->ForwardButton(), f->ShowFindNext(), 23},
    };
    for (const auto& part : parts)
        part.Control->SetVisible(part.Shown);
    panel->LayoutControls();
    for (const auto& part : parts)
        part.Control->SetHeight(part.Shown ? part.Height : 0);
    panel->SetVisible(f->Visible());
    panel->SetHeight(f->Visible() ? kSearchPanelHeight : 0);
    if (f->Visible()) panel->SetTop(Height() - kSearchPanelHeight);
    panel->Invalidate();
}
