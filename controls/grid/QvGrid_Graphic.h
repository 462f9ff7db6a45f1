// The kinds of cell graphics and the graphic record a cell carries besides its text.
#pragma once

#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Classes.h"

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

// The general record of a cell graphic; each kind reads the fields its own way. Only what the grid's
// hooks read is here; the kinds' payloads arrive with the cell graphics themselves.
class TCellGraphic : public TPersistent {
public:
    String ClassName() const override { return "TCellGraphic"; }

    TCellType CellType = ctNone;
    bool CellBoolean = false;
    String CellText;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
};
