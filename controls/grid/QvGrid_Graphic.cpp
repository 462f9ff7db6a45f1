// The cell graphic record: its payload ownership, copying, the setters per kind and the picture size.
#include "controls/grid/QvGrid_Graphic.h"

#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Picture.h"

#include <cmath>

TCellGraphic::~TCellGraphic() {
    FreePayload();
}

void TCellGraphic::FreePayload() {
    switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated) delete CellBitmap;
        break;
    case ctImages:
    case ctBalloon:
        delete CellBitmap;
        break;
    case ctIcon:
        if (CellCreated) delete CellIcon;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (CellAngle == 1) delete CellBitmap;
        break;
    default:
        break;
    }
    CellBitmap = nullptr;
    CellIcon = nullptr;
}

void TCellGraphic::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TCellGraphic*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    CellType = src->CellType;
    CellHAlign = src->CellHAlign;
    CellVAlign = src->CellVAlign;
    CellIndex = src->CellIndex;
    CellTransparent = src->CellTransparent;
    CellValue = src->CellValue;
    CellAngle = src->CellAngle;
    CellBoolean = src->CellBoolean;
    CellErrFrom = src->CellErrFrom;
    CellErrLen = src->CellErrLen;
    CellText = src->CellText;
    CellCreated = src->CellCreated;
    CellBitmapColor = src->CellBitmapColor;
    CellIconColor = src->CellIconColor;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val) {
    CellType = ctIcon;
    CellIcon = AIcon;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val) {
    CellType = ctPicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = Padding;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                                  int Padding, TCellHAlign hal, TCellVAlign val) {
    SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    CellType = ctFilePicture;
    CellBitmap = APicture;
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val) {
    CellType = ctImageList;
    CellIndex = Idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val) {
    CellType = ctDataImage;
    CellIndex = Idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 std::function<void(TObject*, int, int)> Notifier) {
    CellType = ctImages;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    CellBitmap = list;
    CellCreated = true;
    CellBoolean = Dir == 0;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = Value;
    CellBoolean = false;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = ctRadioButton;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const String& Caption, TCellHAlign hal, TCellVAlign val) {
    CellType = ctButton;
    CellIndex = static_cast<int>((static_cast<unsigned>(bh) << 16) | (static_cast<unsigned>(bw) & 0xFFFFu));
    CellBoolean = false;
    CellText = Caption;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const String& Caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
    SetButton(bw, bh, Caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int AAngle) {
    CellType = ctRotated;
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    CellAngle = AAngle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject) {
    CellType = ctInterface;
    CellBitmap = AObject;
}

void TCellGraphic::GetPictureSize(int cw, int rh, bool, TPoint& Size) const {
    int w = 0, h = 0;
    if (CellType == ctPicture) {
        if (const auto* pic = dynamic_cast<const TPicture*>(CellBitmap)) {
            w = pic->Width();
            h = pic->Height();
        }
    } else if (CellType == ctFilePicture) {
        if (const auto* pic = dynamic_cast<const TFilePicture*>(CellBitmap)) {
            w = pic->Width;
            h = pic->Height;
        }
    } else {
        return;
    }
    cw -= CellIndex;
    rh -= CellIndex;
    const bool fits = w <= cw && h <= rh;
    double rx = w > 0 ? static_cast<double>(cw) / w : 1.0;
    double ry = h > 0 ? static_cast<double>(rh) / h : 1.0;
    auto byRatio = [&]() {
        if (rx >= ry)
            Size = TPoint(static_cast<int>(std::nearbyint(w * ry)), rh);
        else
            Size = TPoint(cw, static_cast<int>(std::nearbyint(h * rx)));
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case noStretch:
        Size = TPoint(w, h);
        break;
    case Stretch:
        Size = TPoint(cw, rh);
        break;
    case StretchWithAspectRatio:
        byRatio();
        break;
    case Shrink:
        Size = fits ? TPoint(w, h) : TPoint(cw, rh);
        break;
    case ShrinkWithAspectRatio:
        if (fits) {
            Size = TPoint(w, h);
        } else {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
            byRatio();
        }
        break;
    }
}
