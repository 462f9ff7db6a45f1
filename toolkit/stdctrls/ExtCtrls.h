// More controls: panel, shape, bevel, image, link label, and the scrolling box with its scroll bars.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/graphics/Picture.h"

#include <vector>

class QScrollArea;

enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TSysLinkType { sltURL, sltID };

using TSysLinkEvent = std::function<void(TObject* Sender, const String& Link, TSysLinkType LinkType)>;

// A plain container that paints its bevels and, unless ShowCaption is off, its caption.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    String ClassName() const override { return "TPanel"; }

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel v);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    // bsNone or bsSingle (a one-pixel frame).
    int BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(int v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment v);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool v);
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool v) { FParentBackground = v; }

    // Aligned children stay inside the border and the bevels.
    TRect AdjustedClientRect() const override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Paint() override;
    void TextChanged() override;

private:
    void Changed();
    TPanelBevel FBevelOuter = bvRaised;
    TPanelBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    int FBorderStyle = 0;
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    bool FShowCaption = true;
    bool FParentBackground = true;
};

// A shape drawn with its pen and filled with its brush; it paints nothing else.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    String ClassName() const override { return "TShape"; }

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType v);
    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Paint() override;
    void SyncWidget() override;

private:
    TShapeType FShape = stRectangle;
    TPen FPen;
    TBrush FBrush;
};

// Etched lines or frames in the platform's 3-D colours.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);
    String ClassName() const override { return "TBevel"; }

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape v);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle v);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Paint() override;
    void SyncWidget() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

// Shows a picture: as it is, centred, stretched, or stretched keeping its proportions.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    String ClassName() const override { return "TImage"; }

    TPicture* Picture() { return &FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);
    bool Center() const { return FCenter; }
    void SetCenter(bool v);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    void SetAutoSize(bool v) override;
    // Where the picture goes in the client area.
    TRect DestRect() const;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Paint() override;
    void SyncWidget() override;

private:
    void PictureChanged();
    TPicture FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
};

// Text with links written as anchors: 'Get <a href="https://...">the new version</a>'. The links are drawn
// underlined in the link colour; a click on one passes its target to OnLinkClick.
class TLinkLabel : public TCustomControl {
public:
    explicit TLinkLabel(TComponent* AOwner);
    String ClassName() const override { return "TLinkLabel"; }

    struct Segment {
        String Text;
        bool IsLink = false;
        String Link;
        TSysLinkType LinkType = sltURL;
        int X = 0; // left edge in the client area, from the current font
        int Width = 0;
    };
    // The caption cut into plain parts and links, measured with the current font.
    std::vector<Segment> Segments() const;
    // The link under the point, -1 when none; an index into Segments().
    int LinkAt(int X, int Y) const;
    void AdjustBounds();

    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void Loaded() override;

    TSysLinkEvent OnLinkClick;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void DoOnLinkClick(const String& link, TSysLinkType linkType);
};

// A scroll bar of a scrolling control (not a control of its own).
class TControlScrollBar {
public:
    int Position() const { return FPosition; }
    void SetPosition(int v);
    // The extent of the content along this bar.
    int Range() const { return FRange; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int v) { FIncrement = std::max(1, v); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    // Position can run from 0 to Range - the visible extent.
    int MaxPosition() const;

private:
    friend class TScrollingWinControl;
    class TScrollingWinControl* FControl = nullptr;
    bool FVertical = false;
    int FPosition = 0;
    int FRange = 0;
    int FIncrement = 8;
    bool FVisible = true;
};

// A control whose children sit on a content area larger than the control, scrolled by its bars.
// Children's positions count from the content's top-left corner, whatever the scroll position.
class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;
    String ClassName() const override { return "TScrollingWinControl"; }

    TControlScrollBar* VertScrollBar() { return &FVert; }
    TControlScrollBar* HorzScrollBar() { return &FHorz; }
    // Width and height of the visible part of the content (the client less the bars shown).
    int ViewportWidth() const;
    int ViewportHeight() const;
    void ScrollInView(TControl* control);
    void AutoScrollInView(TControl* control) override { ScrollInView(control); }
    QWidget* ChildContainer() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    // Recomputes the content extent from the children and brings the bars up to date.
    void UpdateScrollRange();

protected:
    friend class TControlScrollBar;
    void Dispatch(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    void Resize() override;
    void ColorChanged() override;
    // The content's width and height; by default the far edges of the visible children.
    virtual TSize ContentExtent() const;
    virtual int FrameSize() const { return 0; }
    void ScrollTo(bool vertical, int pos);
    void PushScroll();
    void SetRange(bool vertical, int range) { (vertical ? FVert : FHorz).FRange = range; }

    QScrollArea* Area() const;
    TControlScrollBar FVert;
    TControlScrollBar FHorz;
    QPointer<QWidget> FContent;
    bool FSyncing = false;
};

// A scrolling box for any controls; with BorderStyle bsSingle it has a sunken frame.
class TScrollBox : public TScrollingWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
    String ClassName() const override { return "TScrollBox"; }
    int BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(int v);
    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    int FrameSize() const override { return FBorderStyle ? 2 : 0; }
    void SyncWidget() override;

private:
    int FBorderStyle = 1;
};
