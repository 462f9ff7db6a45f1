// The search footer's strip: the Enter keys of its edit box, its children's places and its face.
#include "controls/grid/SearchPanel.h"

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/grid/paint/GraphicPainter.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

namespace {

void LoadPanelGlyph(TBitmap* Target, const char* Name) {
    LoadGridBitmap(Target, QString::fromLatin1(Name));
}

void PlaceButton(TQvGridButton* B, int Left, int Top, int Width, int Height, const String& Caption,
                 const String& Hint) {
    B->SetBounds(Left, Top, Width, Height);
    B->SetCaption(Caption);
    B->SetHint(Hint);
    B->SetShowHint(!Hint.isEmpty());
}

} // namespace

// The edit box
// --------------------------------------------------------------------------------------------

void TRetEdit::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_RETURN) {
        Key = 0;
        if (Shift & ssCtrl) {
            if (OnCtrlReturn) OnCtrlReturn(this);
        } else if (OnReturn) {
            OnReturn(this);
        }
        return;
    }
    TEdit::KeyDown(Key, Shift);
}

// A line break has no place in a search text: the key's character is shown to OnKeyPress and dropped.
void TRetEdit::KeyPress(QChar& Key) {
    if (Key == QChar('\r') || Key == QChar('\n')) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = QChar();
        return;
    }
    TEdit::KeyPress(Key);
}

// The panel
// --------------------------------------------------------------------------------------------

TSearchPanel::TSearchPanel(TComponent* AOwner) : TPanel(AOwner) {
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    FEdit = new TRetEdit(this);
    FForward = new TQvGridButton(this);
    FBackward = new TQvGridButton(this);
    FExit = new TQvGridButton(this);
    FHilite = new TQvGridButton(this);
    FMatchCase = new TQvCheckBox(this);
    for (TControl* c :
         std::initializer_list<TControl*>{FEdit, FForward, FBackward, FExit, FHilite, FMatchCase})
        c->SetParent(this);
    FEdit->OnChange = [this](TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FEdit->OnKeyDown = [](TObject*, Word&, TShiftState) {};
    FForward->OnClick = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FBackward->OnClick = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FExit->OnClick = [this](TObject*) {
        if (OnExitClick) OnExitClick(this);
    };
    FHilite->OnClick = [this](TObject*) {
        if (OnHighlightClick) OnHighlightClick(this);
    };
    LoadPanelGlyph(FForward->Glyph(), "QSGARDOWN");
    LoadPanelGlyph(FForward->GlyphDisabled(), "QSGARDOWND");
    LoadPanelGlyph(FBackward->Glyph(), "QSGARUP");
    LoadPanelGlyph(FBackward->GlyphDisabled(), "QSGARUPD");
    LoadPanelGlyph(FExit->Glyph(), "QSGCLOSE");
    LoadPanelGlyph(FExit->GlyphHot(), "QSGCLOSEH");
    LoadPanelGlyph(FExit->GlyphDown(), "QSGCLOSED");
    LoadPanelGlyph(FHilite->Glyph(), "QSGHI");
    LoadPanelGlyph(FHilite->GlyphDisabled(), "QSGHID");
    FHilite->SetStyle(tasCheck);
    FMatchCase->SetTransparent(true);
    LayoutControls();
}

void TSearchPanel::SetColorTo(TColor Value) {
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::EditChanged() {
    const bool any = !FEdit->Text().isEmpty();
    FForward->SetEnabled(any);
    FBackward->SetEnabled(any);
    FHilite->SetEnabled(any);
    if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::LayoutControls() {
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    PlaceButton(FForward, 140, 5, 90, 23, FindNextCaption, HintFindNext);
    PlaceButton(FBackward, 235, 5, 90, 23, FindPrevCaption, HintFindPrev);
    PlaceButton(FExit, 5, 7, 14, 14, String(), HintClose);
    PlaceButton(FHilite, 330, 5, 90, 23, HighLightCaption, HintHighlight);
    FMatchCase->SetCaption(MatchCaseCaption);
    const int boxWidth = std::max(FMatchCase->Width(), 100);
    FMatchCase->SetBounds(FHilite->Visible() ? 425 : 330, 8, boxWidth, 18);
    const bool any = !FEdit->Text().isEmpty();
    FForward->SetEnabled(any);
    FBackward->SetEnabled(any);
    FHilite->SetEnabled(any);
    for (TQvGridButton* b : {FForward, FBackward, FHilite})
        b->SetFont(Font());
    if (UseRightToLeftReading())
        for (TControl* c :
             std::initializer_list<TControl*>{FEdit, FForward, FBackward, FExit, FHilite, FMatchCase})
            c->SetLeft(Width() - c->Width() - c->Left());
}

void TSearchPanel::CreateWnd() {
    TPanel::CreateWnd();
    LayoutControls();
    if (OnCreated) OnCreated(this);
}

void TSearchPanel::Paint() {
    TPanel::Paint();
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    if (FColorTo == clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(r);
    } else {
        DrawGradient(canvas, Color(), FColorTo, 32, r, false);
    }
    canvas->Pen()->SetColor(FLineColor);
    canvas->MoveTo(r.Left, r.Top);
    canvas->LineTo(r.Right, r.Top);
}
