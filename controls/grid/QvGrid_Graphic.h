// The kinds of cell graphics and the graphic record a cell carries besides its text.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Classes.h"

#include "toolkit/system/SysUtils.h"

#include <functional>

class TBitmap;
class TGraphic;
class TPicture;
class TIntList;

// Stored in one byte with the cells: never reorder.
enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};
// A set of cell kinds, one bit per kind.
using TCellTypes = unsigned long long;
constexpr TCellTypes CellTypeFlag(TCellType t) {
    return 1ULL << static_cast<unsigned>(t);
}

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

// An in-cell scroll bar's page size and range.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

// A picture referenced by its file; only the name and the recorded size are kept in the cell.
class TFilePicture : public TPersistent {
public:
    String ClassName() const override { return "TFilePicture"; }
    String Filename;
    int Width = 0;
    int Height = 0;
};

// The general record of a cell graphic; each kind reads the fields its own way. Kinds that carry
// colours instead of objects keep them in CellBitmapColor and CellIconColor.
class TCellGraphic : public TPersistent {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;
    String ClassName() const override { return "TCellGraphic"; }
    // Copies the kind and the plain fields; the payloads, CellVar and the tri-state stay.
    void Assign(const TPersistent* Source) override;

    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val);
    // The graphic owns the list; Notifier gets the list's changes.
    void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                       std::function<void(TObject*, int, int)> Notifier);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const String& Caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const String& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    // Brings the angle into 0 .. 360.
    void SetAngle(int AAngle);
    void SetInterfacedCell(TObject* AObject);
    // The drawn size of a picture or file picture; any other kind leaves Size as it is.
    void GetPictureSize(int cw, int rh, bool HasText, TPoint& Size) const;

    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;
    TObject* CellIcon = nullptr;
    TColor CellBitmapColor = clNone;
    TColor CellIconColor = clNone;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    String CellText;
    TVarRec CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;

private:
    void FreePayload();
};

// An object that draws itself in a cell: the grid-cell interface.
class ICellGraphic {
public:
    virtual ~ICellGraphic() = default;
    virtual void Draw(class TCanvas* Canvas, const TRect& R, int Col, int Row, bool Selected) = 0;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
};
