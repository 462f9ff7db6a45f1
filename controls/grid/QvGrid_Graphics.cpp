// The string grid's cell graphics: creating, looking up and removing them, and the operations per kind.
#include "controls/grid/QvGrid.h"

#include "toolkit/graphics/ImgList.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TCellTypes kInCellControlKinds = CellTypeFlag(ctCheckBox) | CellTypeFlag(ctDataCheckBox) |
                                           CellTypeFlag(ctRadio) | CellTypeFlag(ctButton) |
                                           CellTypeFlag(ctVirtCheckBox) | CellTypeFlag(ctRowCheckBox) |
                                           CellTypeFlag(ctRadioButton) | CellTypeFlag(ctTriStateCheckBox);
constexpr TCellTypes kDataDrivenKinds = CellTypeFlag(ctDataCheckBox) | CellTypeFlag(ctDataImage) |
                                        CellTypeFlag(ctVirtCheckBox) | CellTypeFlag(ctRowCheckBox);

// The shared row and virtual check boxes belong to their grid, never to a cell.
bool GraphicIsSharedBox(const TCellGraphic* g) {
    return g->CellType == ctVirtCheckBox || g->CellType == ctRowCheckBox;
}

} // namespace

// Lookup and life
// --------------------------------------------------------------------------------------------

TCellGraphic* TQvStringGrid::CreateCellGraphic(int ACol, int ARow) {
    auto* old = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (old) {
        SetGraphicObjectEx(ACol, ARow, nullptr);
        if (!GraphicIsSharedBox(old) && old != FSharedCellGraphic.get()) delete old;
    }
    auto* graphic = new TCellGraphic();
    SetGraphicObjectEx(ACol, ARow, graphic);
    if (FNumHiddenColumns > 0 && DisplColIndex(ACol) != ACol) RepaintCell(DisplColIndex(ACol), ARow);
    return graphic;
}

bool TQvStringGrid::RemoveCellGraphic(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    auto* graphic = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (!graphic) return false;
    SetGraphicObjectEx(ACol, ARow, nullptr);
    if (!GraphicIsSharedBox(graphic) && graphic != FSharedCellGraphic.get()) delete graphic;
    if (!IsDestroying()) RepaintCell(ACol, ARow);
    return true;
}

bool TQvStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind) {
    if (GetCellType(ACol, ARow) != Kind) return false;
    return RemoveCellGraphic(ACol, ARow);
}

bool TQvStringGrid::HasCellGraphicType(int ACol, int ARow, TCellTypes Kinds) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && (Kinds & CellTypeFlag(graphic->CellType)) != 0;
}

bool TQvStringGrid::HasInCellControl(int ACol, int ARow) {
    return HasCellGraphicType(ACol, ARow, kInCellControlKinds);
}

bool TQvStringGrid::HasDataDrivenGraphic(int ACol, int ARow) {
    return HasCellGraphicType(ACol, ARow, kDataDrivenKinds);
}

// Images
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                              TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TQvStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    auto* bmp = new TBitmap();
    graphic->SetBitmap(bmp, Transparent, hal, val);
    graphic->CellCreated = true;
    return bmp;
}

TBitmap* TQvStringGrid::GetBitmap(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctBitmap ? dynamic_cast<TBitmap*>(graphic->CellBitmap) : nullptr;
}

void TQvStringGrid::AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

// Icons carry an alpha channel, which a PNG image keeps.
TGraphic* TQvStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    auto* icon = new TPngImage();
    graphic->SetIcon(icon, hal, val);
    graphic->CellCreated = true;
    return icon;
}

void TQvStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent,
                               TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TQvStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                       int Padding, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    auto* picture = new TPicture();
    graphic->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    graphic->CellCreated = true;
    return picture;
}

TPicture* TQvStringGrid::GetPicture(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctPicture ? dynamic_cast<TPicture*>(graphic->CellBitmap) : nullptr;
}

void TQvStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TQvStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    auto* picture = new TFilePicture();
    graphic->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    graphic->CellCreated = true;
    return picture;
}

TFilePicture* TQvStringGrid::GetFilePicture(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctFilePicture ? dynamic_cast<TFilePicture*>(graphic->CellBitmap)
                                                         : nullptr;
}

void TQvStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TQvStringGrid::GetImageIdx(int ACol, int ARow, int& idx) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!FGridImages || !graphic || graphic->CellType != ctImageList) return false;
    idx = graphic->CellIndex;
    return true;
}

bool TQvStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!FGridImages || !graphic || graphic->CellType != ctImageList) return false;
    graphic->CellIndex = Idx;
    return true;
}

void TQvStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty()) SetCells(ACol, ARow, IntToStr(Aidx));
}

bool TQvStringGrid::HasDataImage(int ACol, int ARow) {
    return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctDataImage));
}

void TQvStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
    if (!FGridImages) return;
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int c, int r) {
        RepaintCell(c, r);
    });
}

TIntList* TQvStringGrid::CellImages(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctImages ? dynamic_cast<TIntList*>(graphic->CellBitmap) : nullptr;
}

// Rotated text
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddRotated(int ACol, int ARow, int AAngle, const String& s) {
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TQvStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) graphic = CreateCellGraphic(ACol, ARow);
    graphic->SetAngle(AAngle);
    RepaintCell(ACol, ARow);
}

bool TQvStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRotated) return false;
    aAngle = graphic->CellAngle;
    return true;
}

// Progress, pies, ranges, shapes and ratings
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctProgress;
    graphic->CellBitmapColor = FGColor;
    graphic->CellIconColor = BKColor;
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 100;
    graphic->CellBoolean = false;
    graphic->CellText.clear();
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    if (AutoNumAlign()) GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

void TQvStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor) {
    AddProgress(ACol, ARow, FGColor, BKColor);
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    graphic->CellIndex = FGTextColor;
    graphic->CellAngle = BKTextColor;
    graphic->CellBoolean = true;
}

void TQvStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                         TColor BKColor, TColor BKTextColor, const String& Fmt, int Min,
                                         int Max) {
    AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
    graphic->CellText = Fmt;
}

void TQvStringGrid::AddQvProgress(int ACol, int ARow, int Min, int Max) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctXPProgress;
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
}

void TQvStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctProgressPie;
    graphic->CellBitmapColor = Color;
    graphic->CellAngle = Value;
    graphic->CellHAlign = haBeforeText;
    graphic->CellVAlign = vaTop;
}

void TQvStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctProgressPie) return;
    graphic->CellAngle = Value;
    RepaintCell(ACol, ARow);
}

void TQvStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                      bool ShowValue) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctRangeIndicator;
    graphic->CellIndex = Range;
    graphic->CellBitmapColor = NegColor;
    graphic->CellIconColor = PosColor;
    graphic->CellBoolean = ShowValue;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
}

void TQvStringGrid::AddShape(int ACol, int ARow, int Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctShape;
    graphic->CellAngle = Shape;
    graphic->CellIndex = FillColor;
    graphic->CellBitmapColor = LineColor;
    graphic->CellHAlign = hal;
    graphic->CellVAlign = val;
}

void TQvStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow); graphic && graphic->CellType == ctShape)
        graphic->CellIndex = FillColor;
}

TColor TQvStringGrid::GetShapeColor(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctShape ? graphic->CellIndex : clNone;
}

void TQvStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctRating;
    graphic->CellAngle = Scale;
    graphic->CellIndex = FillColor;
    graphic->CellBitmapColor = EmptyColor;
    graphic->CellHAlign = haFull;
}

// Comments
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddComment(int ACol, int ARow, const String& Comment) {
    AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TQvStringGrid::AddColorComment(int ACol, int ARow, const String& Comment, TColor Color) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctComment;
    graphic->CellText = Comment;
    graphic->CellIndex = Color;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
}

String TQvStringGrid::CellComment(int ACol, int ARow) {
    String comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TQvStringGrid::SetCellComment(int ACol, int ARow, const String& Comment) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) {
        AddComment(ACol, ARow, Comment);
    } else if (graphic->CellType == ctComment) {
        graphic->CellText = Comment;
        RepaintCell(ACol, ARow);
    }
}

bool TQvStringGrid::IsComment(int ACol, int ARow, String& comment) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctComment) return false;
    comment = graphic->CellText;
    return true;
}

void TQvStringGrid::RemoveAllComments() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveComment(c, r);
}

// Scroll bars
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctScrollbar;
    graphic->CellAngle = 0;
    graphic->CellErrFrom = 100;
    graphic->CellBoolean = AutoRange;
    if (AutoRange) CellTextChanged(ACol, ARow);
}

void TQvStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType != ctScrollbar) return;
    graphic->CellIndex = Pos;
    RepaintCell(base.X, base.Y);
}

int TQvStringGrid::GetScrollPosition(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType == ctScrollbar ? graphic->CellIndex : -1;
}

void TQvStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType != ctScrollbar) return;
    graphic->CellAngle = Prop.PageSize;
    graphic->CellErrFrom = Prop.Range;
}

TScrollProp TQvStringGrid::GetScrollProp(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType != ctScrollbar) return TScrollProp{-1, -1};
    return TScrollProp{graphic->CellAngle, graphic->CellErrFrom};
}

bool TQvStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType == ctScrollbar && graphic->CellBoolean;
}

// Buttons
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const String& Caption, TCellHAlign hal,
                              TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TQvStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const String& Caption, TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TQvStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const String& Caption,
                                        TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    auto* glyph = new TBitmap();
    graphic->SetBitButton(bw, bh, Caption, glyph, hal, val);
    graphic->CellCreated = true;
    return glyph;
}

// A caption written into another kind would become its comment, format or radio text.
bool TQvStringGrid::SetButtonText(int ACol, int ARow, const String& Caption) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || (graphic->CellType != ctButton && graphic->CellType != ctBitButton)) return false;
    graphic->CellText = Caption;
    RepaintCell(ACol, ARow);
    return true;
}

String TQvStringGrid::GetButtonText(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellText : String();
}

void TQvStringGrid::PushButton(int ACol, int ARow, bool Push) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType != ctNode) graphic->CellBoolean = Push;
    RepaintCell(ACol, ARow);
}

bool TQvStringGrid::RemoveButton(int ACol, int ARow) {
    const TCellType kind = GetCellType(ACol, ARow);
    return (kind == ctButton || kind == ctBitButton) && RemoveCellGraphic(ACol, ARow);
}

void TQvStringGrid::RemoveAllButtons() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveButton(c, r);
}

// Balloons
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddBalloon(int ACol, int ARow, const String& Title, const String& Text,
                               TBalloonIcon Icon) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic) {
        if (graphic->CellType != ctCheckBox && graphic->CellType != ctDataCheckBox &&
            graphic->CellType != ctRadioButton)
            return;
        if (graphic->CellAngle == 1) delete graphic->CellBitmap;
    } else {
        graphic = CreateCellGraphic(ACol, ARow);
        graphic->CellType = ctBalloon;
    }
    auto* texts = new TStringList();
    texts->Add(Title);
    texts->Add(Text);
    graphic->CellBitmap = texts;
    graphic->CellIndex = Icon;
    graphic->CellAngle = graphic->CellType == ctBalloon ? 0 : 1;
}

bool TQvStringGrid::IsBalloon(int ACol, int ARow, String& Title, String& Text, TBalloonIcon& Icon) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    const bool attached = (graphic->CellType == ctCheckBox || graphic->CellType == ctDataCheckBox ||
                           graphic->CellType == ctRadioButton) &&
                          graphic->CellAngle == 1;
    if (graphic->CellType != ctBalloon && !attached) return false;
    const auto* texts = dynamic_cast<const TStrings*>(graphic->CellBitmap);
    if (!texts || texts->Count() < 2) return false;
    Title = texts->Strings(0);
    Text = texts->Strings(1);
    Icon = static_cast<TBalloonIcon>(graphic->CellIndex);
    return true;
}

void TQvStringGrid::RemoveBalloon(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType == ctBalloon) {
        RemoveCellGraphic(ACol, ARow);
    } else if ((graphic->CellType == ctCheckBox || graphic->CellType == ctDataCheckBox ||
                graphic->CellType == ctRadioButton) &&
               graphic->CellAngle == 1) {
        delete graphic->CellBitmap;
        graphic->CellBitmap = nullptr;
        graphic->CellAngle = 0;
    }
}

// Interfaced objects and markers
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject) {
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TObject* TQvStringGrid::GetInterfacedCell(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctInterface ? graphic->CellBitmap : nullptr;
}

void TQvStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        graphic->CellType = ctEmpty;
    }
    graphic->CellErrFrom = ErrPos;
    graphic->CellErrLen = ErrLen;
    RepaintCell(ACol, ARow);
}

void TQvStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    ErrPos = graphic ? graphic->CellErrFrom : 0;
    ErrLen = graphic ? graphic->CellErrLen : 0;
}

void TQvStringGrid::RemoveMarker(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 0;
    RepaintCell(ACol, ARow);
}

void TQvStringGrid::RemoveAllMarkers() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveMarker(c, r);
}

// Sizes
// --------------------------------------------------------------------------------------------

TPoint TQvStringGrid::CalcCellGraphicSize(int ACol, int ARow, int ExtraMargin) {
    TPoint size(0, 0);
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return size;
    const bool hasText = !Cells(ACol, ARow).isEmpty();
    const bool besideText =
        graphic->CellHAlign == haBeforeText || graphic->CellHAlign == haAfterText || !hasText;
    const bool aboveText =
        graphic->CellVAlign == vaUnderText || graphic->CellVAlign == vaAboveText || !hasText;
    const TRect rect = CellRect(DisplColIndex(ACol), ARow);
    const int rectW = rect.Right - rect.Left;
    const int rectH = rect.Bottom - rect.Top;
    TCanvas* canvas = Canvas();
    switch (graphic->CellType) {
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TGraphic*>(graphic->CellIcon))
            size = TPoint(besideText ? icon->Width() : 0, icon->Height());
        break;
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const TGraphic*>(graphic->CellBitmap))
            size = TPoint(besideText ? bmp->Width() : 0, aboveText ? bmp->Height() : 0);
        break;
    case ctImageList:
    case ctDataImage:
        if (const TImageList* images = GetCellImageList(ACol, ARow))
            size = TPoint(besideText ? images->Width() : 0, aboveText ? images->Height() : 0);
        break;
    case ctPicture:
    case ctFilePicture:
        graphic->GetPictureSize(rectW - XYOffset().X - 1, rectH - XYOffset().Y - ExtraMargin - 1, hasText,
                                size);
        break;
    case ctButton:
    case ctBitButton: {
        const int bw = graphic->CellIndex & 0xFFFF;
        const int bh = static_cast<int>(static_cast<unsigned>(graphic->CellIndex) >> 16);
        const bool textPlace = graphic->CellVAlign == vaUnderText || graphic->CellVAlign == vaAboveText;
        if (graphic->CellHAlign == haFull && !hasText) canvas->Font()->Assign(Font());
        const int captionW = canvas->TextWidth(graphic->CellText) + 4;
        if (!hasText) {
            size = TPoint(graphic->CellHAlign == haFull ? captionW : bw, bh);
        } else {
            int w = bw;
            if (graphic->CellHAlign == haCenter || textPlace) w = 0;
            if (graphic->CellHAlign == haFull) w = captionW;
            size = TPoint(w, textPlace ? bh : 0);
        }
        break;
    }
    case ctInterface: {
        auto* drawn = dynamic_cast<ICellGraphic*>(graphic->CellBitmap);
        const int w = drawn ? drawn->GetWidth() : 0;
        const int h = drawn ? drawn->GetHeight() : 0;
        size = w == 0 || h == 0 ? TPoint(rectW, rectH) : TPoint(w, h);
        break;
    }
    case ctProgressPie:
        size = TPoint(20, 20);
        break;
    case ctRadioButton:
        size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize());
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
        break;
    case ctRadio:
        if (const auto* items = dynamic_cast<const TStrings*>(graphic->CellBitmap)) {
            const int th = canvas->TextHeight("gh");
            if (graphic->CellBoolean) {
                for (int i = 0; i < items->Count(); ++i)
                    size.X += canvas->TextWidth(items->Strings(i)) + 12;
                size.Y = th;
            } else {
                size.X = 12;
                for (int i = 0; i < items->Count(); ++i)
                    size.X = std::max(size.X, canvas->TextWidth(items->Strings(i)) + 12);
                size.Y = std::max(16, th) * items->Count();
            }
        }
        break;
    case ctRating:
        size = TPoint(graphic->CellAngle * 18, 16);
        break;
    case ctImages: {
        const auto* list = dynamic_cast<const TIntList*>(graphic->CellBitmap);
        const TImageList* images = GetCellImageList(ACol, ARow);
        if (list && images)
            size = graphic->CellBoolean ? TPoint(list->Count() * images->Width(), images->Height())
                                        : TPoint(images->Width(), list->Count() * images->Height());
        break;
    }
    default:
        break;
    }
    if (graphic->CellVAlign == vaFull) {
        size.Y = rectH;
        if (graphic->CellHAlign == haFull) size.X = rectW;
    } else if (graphic->CellHAlign == haFull) {
        const bool keepsWidth = graphic->CellType == ctRating ||
                                ((graphic->CellType == ctButton || graphic->CellType == ctBitButton) &&
                                 !hasText && !graphic->CellText.isEmpty());
        if (!keepsWidth) size.X = rectW;
    }
    return size;
}

TPoint TQvStringGrid::CalcPrintCellGraphicSize(int ACol, int ARow, int CellWidth, int CellHeight,
                                               double Scale) {
    TPoint size(0, 0);
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return size;
    const bool hasText = !Cells(ACol, ARow).isEmpty();
    const TImageList* images = GetCellImageList(ACol, ARow);
    switch (graphic->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const TGraphic*>(graphic->CellBitmap))
            size = TPoint(bmp->Width(), bmp->Height());
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TGraphic*>(graphic->CellIcon))
            size = TPoint(icon->Width(), icon->Height());
        break;
    case ctImageList:
        if (images) {
            const bool beside =
                graphic->CellHAlign == haBeforeText || graphic->CellHAlign == haAfterText || !hasText;
            size = TPoint(beside ? images->Width() : 0, images->Height());
        }
        break;
    case ctDataImage:
        if (images) size = TPoint(images->Width(), images->Height());
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
        break;
    case ctNode:
    case ctProgressPie:
        size = TPoint(20, 20);
        break;
    case ctRadio:
    case ctImages:
        size = CalcCellGraphicSize(ACol, ARow);
        if (graphic->CellType == ctRadio && !graphic->CellBoolean) {
            if (const auto* items = dynamic_cast<const TStrings*>(graphic->CellBitmap))
                size.Y = Canvas()->TextHeight("gh") * items->Count();
        }
        break;
    case ctPicture:
    case ctFilePicture:
        if (Scale > 0) {
            graphic->GetPictureSize(CellWidth, CellHeight, hasText, size);
            size = TPoint(static_cast<int>(std::lround(size.X / Scale)),
                          static_cast<int>(std::lround(size.Y / Scale)));
        }
        break;
    case ctProgress:
    case ctXPProgress:
        size = TPoint(ColWidths(DisplColIndex(ACol)), RowHeights(ARow));
        break;
    case ctButton:
    case ctBitButton:
        size = TPoint(graphic->CellIndex & 0xFFFF,
                      static_cast<int>(static_cast<unsigned>(graphic->CellIndex) >> 16));
        break;
    case ctInterface:
        if (auto* drawn = dynamic_cast<ICellGraphic*>(graphic->CellBitmap)) {
            const TRect rect = CellRect(DisplColIndex(ACol), ARow);
            size = TPoint(drawn->GetWidth(), drawn->GetHeight());
            if (size.X == 0) size.X = rect.Right - rect.Left;
            if (size.Y == 0) size.Y = rect.Bottom - rect.Top;
        }
        break;
    case ctRadioButton:
        size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize());
        break;
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset().Y;
        size = TPoint(side, side);
        break;
    }
    default:
        break;
    }
    return size;
}

// Geometry and sort keys
// --------------------------------------------------------------------------------------------

TRect TQvStringGrid::GetExpandButtonRect(int ACol, int ARow) {
    if (GetCellType(ACol, ARow) != ctExpand) return TRect();
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    return TRect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13);
}

TRect TQvStringGrid::GetCellButtonRect(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return TRect();
    const TRect cell = CellRect(ACol, ARow);
    const auto offset = static_cast<unsigned>(static_cast<int>(graphic->CellValue));
    const int left = cell.Left + static_cast<int>(offset & 0xFFFFu);
    const int top = cell.Top + static_cast<int>(offset >> 16);
    TRect r(left, top, left + (graphic->CellIndex & 0xFFFF),
            top + static_cast<int>(static_cast<unsigned>(graphic->CellIndex) >> 16));
    if (graphic->CellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (graphic->CellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

qintptr TQvStringGrid::GetCellImageRef(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return -1;
    switch (graphic->CellType) {
    case ctBitmap:
        return reinterpret_cast<qintptr>(graphic->CellBitmap);
    case ctIcon:
        return reinterpret_cast<qintptr>(graphic->CellIcon);
    case ctImageList:
        return graphic->CellIndex;
    default:
        return -1;
    }
}

bool TQvStringGrid::IsSortRow(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    int row = ARow;
    if (const TCellProperties* props = PropsAt(base.X, base.Y); props && props->CellSpanY() > 0)
        row = base.Y + props->CellSpanY();
    return row == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

void TQvStringGrid::CellTextChanged(int ACol, int ARow) {
    TBaseGrid::CellTextChanged(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctScrollbar || !graphic->CellBoolean) return;
    graphic->CellAngle = RowHeights(ARow);
    const int lines = static_cast<int>(Cells(ACol, ARow).count('\n')) + 1;
    graphic->CellErrFrom = Canvas()->TextHeight("gh") * lines;
}
