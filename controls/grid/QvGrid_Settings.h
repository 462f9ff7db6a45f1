// The string grid's own settings objects: control look, background, balloons, modified-cell marks,
// progress bars, column sizes, the floating footer settings, drag scrolling and sizing while typing.
#pragma once

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/grid/BaseGrid.h"
#include "controls/grid/PlainProperty.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"

#include <memory>

class TQvStringGrid;

// A look property whose change repaints the grid.
#define QV_LOOK_PROP(Type, Name, Init) QV_NOTIFY_PROP(Type, Name, Init, Repaint())

// The fourteen colours of the fixed cells in the gradient looks, as the grid paints them.
struct TFixedGradientColors {
    TColor From = clNone, To = clNone, MirrorFrom = clNone, MirrorTo = clNone;
    TColor HoverFrom = clNone, HoverTo = clNone, HoverMirrorFrom = clNone, HoverMirrorTo = clNone;
    TColor HoverBorder = clNone;
    TColor DownFrom = clNone, DownTo = clNone, DownMirrorFrom = clNone, DownMirrorTo = clNone;
    TColor DownBorder = clNone;
};

class TControlLook : public TPersistent {
public:
    explicit TControlLook(TQvStringGrid* AGrid);
    ~TControlLook() override;
    String ClassName() const override { return "TControlLook"; }
    // Copies without telling the grid; the flat-button and disabled-look switches stay.
    void Assign(const TPersistent* Source) override;
    void Init();

    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(const TBitmap* v);
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(const TBitmap* v);
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(const TBitmap* v);
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(const TBitmap* v);
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance* v) { FDropDownHeader->Assign(v); }
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance* v) { FDropDownFooter->Assign(v); }

    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor v);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor v);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor v);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor v);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor v);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor v);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor v);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor v);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor v);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor v);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor v);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor v);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor v);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor v);

    QV_LOOK_PROP(int, CheckSize, 15)
    QV_LOOK_PROP(int, RadioSize, 10)
    QV_LOOK_PROP(TControlStyle, ControlStyle, csTheme)
    QV_LOOK_PROP(TColor, Color, clBlack)
    QV_LOOK_PROP(TColor, CommentColor, clRed)
    QV_LOOK_PROP(bool, FlatButton, false)
    QV_LOOK_PROP(bool, NoDisabledCheckRadioLook, false)
    QV_LOOK_PROP(bool, NoDisabledButtonLook, false)
    QV_PLAIN_PROP(bool, CheckAlwaysActive, false)
    QV_PLAIN_PROP(bool, RadioAlwaysActive, false)
    QV_LOOK_PROP(bool, DropDownAlwaysVisible, false)
    QV_LOOK_PROP(bool, SpinButtonsAlwaysVisible, false)
    QV_PLAIN_PROP(int, DropDownCount, 8)
    QV_PLAIN_PROP(int, HintMaxWidth, 0)
    QV_PLAIN_PROP(TColor, ProgressBorderColor, clGray)
    QV_LOOK_PROP(int, ProgressMarginX, 2)
    QV_LOOK_PROP(int, ProgressMarginY, 2)
    QV_LOOK_PROP(bool, ProgressXP, false)
    QV_PLAIN_PROP(bool, FixedDropDownButton, false)

private:
    void Repaint();
    TFixedGradientColors* GridColors();

    TQvStringGrid* FGrid;
    std::unique_ptr<TBitmap> FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TColor FFixedGradientFrom = clNone, FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone, FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clNone, FFixedGradientHoverTo = clNone;
    TColor FFixedGradientHoverMirrorFrom = clNone, FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = clNone;
    TColor FFixedGradientDownFrom = clNone, FFixedGradientDownTo = clNone;
    TColor FFixedGradientDownMirrorFrom = clNone, FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = clNone;
};

class TBackGround : public TPersistent {
public:
    explicit TBackGround(TQvStringGrid* AGrid);
    ~TBackGround() override;
    String ClassName() const override { return "TBackGround"; }
    void Assign(const TPersistent* Source) override;

    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* v);
    bool IsGradient() const { return FDisplay == bdGradientHorz || FDisplay == bdGradientVert; }

    QV_LOOK_PROP(int, Top, 0)
    QV_LOOK_PROP(int, Left, 0)
    QV_LOOK_PROP(TBackGroundDisplay, Display, bdTile)
    QV_LOOK_PROP(TBackGroundCells, Cells, bcNormal)
    QV_LOOK_PROP(TColor, Color, clWindow)
    QV_LOOK_PROP(TColor, ColorTo, clBtnFace)

private:
    void Repaint();
    TQvStringGrid* FGrid;
    std::unique_ptr<TBitmap> FBitmap;
};

class TBalloonSettings : public TPersistent {
public:
    String ClassName() const override { return "TBalloonSettings"; }
    // Copies all but the transparency; Enable without the notification.
    void Assign(const TPersistent* Source) override;

    bool Enable() const { return FEnable; }
    void SetEnable(bool v);

    QV_PLAIN_PROP(int, AutoHideDelay, -1)
    QV_PLAIN_PROP(int, InitialDelay, -1)
    QV_PLAIN_PROP(int, ReshowDelay, -1)
    QV_PLAIN_PROP(TColor, BackgroundColor, clNone)
    QV_PLAIN_PROP(TColor, TextColor, clNone)
    QV_PLAIN_PROP(uint8_t, Transparency, 0)

public:
    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};

class TShowModified : public TPersistent {
public:
    String ClassName() const override { return "TShowModified"; }
    void Assign(const TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor v);

    QV_PLAIN_PROP(bool, Enabled, false)

public:
    TNotifyEvent OnChange;

private:
    TColor FColor = clYellow;
};

#define QV_CHANGE_PROP(Type, Name, Init) QV_NOTIFY_PROP(Type, Name, Init, Changed())

class TGridProgressAppearance : public TPersistent {
public:
    String ClassName() const override { return "TGridProgressAppearance"; }
    // Copies every value, then announces one change.
    void Assign(const TPersistent* Source) override;

    QV_CHANGE_PROP(TColor, CompleteColor, clRed)
    QV_CHANGE_PROP(TColor, CompleteFontColor, clBlue)
    QV_CHANGE_PROP(TColor, UnCompleteColor, clNone)
    QV_CHANGE_PROP(TColor, UnCompleteFontColor, clWindowText)
    QV_CHANGE_PROP(TColor, Level0Color, clLime)
    QV_CHANGE_PROP(TColor, Level0ColorTo, 0xE1FFE1)
    QV_CHANGE_PROP(TColor, Level1Color, clYellow)
    QV_CHANGE_PROP(TColor, Level1ColorTo, 0xCAFFFF)
    QV_CHANGE_PROP(TColor, Level2Color, 0x53A9FF)
    QV_CHANGE_PROP(TColor, Level2ColorTo, 0xA8D3FF)
    QV_CHANGE_PROP(TColor, Level3Color, clRed)
    QV_CHANGE_PROP(TColor, Level3ColorTo, 0xCACAFF)
    QV_CHANGE_PROP(int, Level1Perc, 70)
    QV_CHANGE_PROP(int, Level2Perc, 90)
    QV_CHANGE_PROP(TColor, BorderColor, clBlack)
    QV_CHANGE_PROP(bool, ShowBorder, false)
    QV_CHANGE_PROP(bool, Stacked, false)
    QV_CHANGE_PROP(bool, ShowPercentage, true)
    QV_CHANGE_PROP(bool, CompletionSmooth, true)
    QV_CHANGE_PROP(bool, ShowGradient, true)
    QV_CHANGE_PROP(int, Steps, 11)
    QV_CHANGE_PROP(TProgressStyle, Style, psXP)

public:
    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
};

class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TQvStringGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TColumnSize"; }
    void Assign(const TPersistent* Source) override;

    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);

    QV_PLAIN_PROP(bool, Save, false)
    QV_PLAIN_PROP(String, Key, String())
    QV_PLAIN_PROP(String, Section, String())
    QV_PLAIN_PROP(TColumnSizeLocation, Location, clRegistry)
    QV_PLAIN_PROP(int, StretchColumn, -1)
    QV_PLAIN_PROP(bool, SynchWithGrid, false)
    QV_PLAIN_PROP(bool, SynchNormalCellsOnly, false)
    QV_PLAIN_PROP(TAutoSizeRows, Rows, arAll)

private:
    TQvStringGrid* FGrid;
    bool FStretch = false;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;

// The settings of the strip below the rows; the strip itself is the grid's footer panel.
class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TQvStringGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TFloatingFooter"; }
    void Assign(const TPersistent* Source) override;
    // Repaints the footer panel.
    void Invalidate();

    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    int Column() const { return FColumn; }
    void SetColumn(int v);
    String CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const String& v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    int Height() const { return FHeight; }
    void SetHeight(int v);

    // A column's calculation, kept in the cell properties of the footer row (real column).
    TColumnCalcType ColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);

    QV_PLAIN_PROP(bool, CalculateHiddenRows, true)
    QV_PLAIN_PROP(bool, EnableCalculation, true)

public:
    TCalcFooterEvent OnCalcFooter;

private:
    TQvStringGrid* FGrid;
    bool FVisible = false;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    TColor FColor = clBtnFace;
    TColor FBorderColor = clNone;
    int FColumn = 0;
    String FCustomTemplate;
    bool FShowHint = false;
    int FHeight = 22;
};

class TDragScrollDelays : public TPersistent {
public:
    String ClassName() const override { return "TDragScrollDelays"; }
    void Assign(const TPersistent* Source) override;
    QV_PLAIN_PROP(int, InitialDelay, 1000)
    QV_PLAIN_PROP(int, RepeatDelay, 250)
};

class TDragScrollMargins : public TPersistent {
public:
    String ClassName() const override { return "TDragScrollMargins"; }
    void Assign(const TPersistent* Source) override;
    QV_PLAIN_PROP(int, TopMargin, 50)
    QV_PLAIN_PROP(int, BottomMargin, 50)
    QV_PLAIN_PROP(int, LeftMargin, 50)
    QV_PLAIN_PROP(int, RightMargin, 50)
};

class TDragScrollOptions : public TPersistent {
public:
    String ClassName() const override { return "TDragScrollOptions"; }
    void Assign(const TPersistent* Source) override;
    TDragScrollDelays* Delays() { return &FDelays; }
    TDragScrollMargins* Margins() { return &FMargins; }
    QV_PLAIN_PROP(bool, Active, false)

private:
    TDragScrollDelays FDelays;
    TDragScrollMargins FMargins;
};

class TSizeWhileTyping : public TPersistent {
public:
    String ClassName() const override { return "TSizeWhileTyping"; }
    void Assign(const TPersistent* Source) override;
    QV_PLAIN_PROP(bool, Height, false)
    QV_PLAIN_PROP(bool, Width, false)
};

#undef QV_LOOK_PROP
#undef QV_CHANGE_PROP
