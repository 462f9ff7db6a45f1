// Collapsible category panels stacked in a vertically scrolling group.
#pragma once

#include "toolkit/stdctrls/ExtCtrls.h"

class TCategoryPanelGroup;

// A panel with a caption header; a click on the header collapses it to the header or expands it again.
// Its controls sit below the header: their positions count from the header's lower edge.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    ~TCategoryPanel() override;
    String ClassName() const override { return "TCategoryPanel"; }

    TCategoryPanelGroup* PanelGroup() const;
    void SetPanelGroup(TCategoryPanelGroup* group);
    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool v);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The height the panel has when expanded (its Height while expanded).
    int ExpandedHeight() const { return FExpandedHeight; }
    // The group's header height, or the default one outside a group.
    int HeaderHeight() const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect AdjustedClientRect() const override;
    QWidget* ChildContainer() override { return FSurface.data(); }
    bool ChildrenShown() const override { return !FCollapsed; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    friend class TCategoryPanelGroup;
    void Paint() override;
    void TextChanged() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncGeometry() override;
    void ColorChanged() override;
    void PlaceSurface();

private:
    bool FCollapsed = false;
    bool FChangingCollapse = false;
    int FExpandedHeight = 200;
    QPointer<QWidget> FSurface;
};

// Holds category panels one below the other, in the order of their Top, each as wide as the group;
// scrolls vertically when they do not fit. Setting a panel's Top moves it before the panels at or below it.
class TCategoryPanelGroup : public TScrollingWinControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    ~TCategoryPanelGroup() override;
    String ClassName() const override { return "TCategoryPanelGroup"; }

    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int v);
    TFont* HeaderFont() { return &FHeaderFont; }
    // The panels in their stacking order (hidden ones included, where their Top puts them).
    std::vector<TCategoryPanel*> Panels() const;
    void CollapseAll();
    void ExpandAll();
    void AlignControls(TControl* AControl, TRect& Rect) override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void Loaded() override;

protected:
    friend class TCategoryPanel;
    TSize ContentExtent() const override;
    void PanelMoved(TCategoryPanel* panel) { FMovedPanel = panel; }
    void HeaderChanged();

private:
    int FHeaderHeight = 24;
    TFont FHeaderFont;
    TCategoryPanel* FMovedPanel = nullptr;
    bool FArranging = false;
};
