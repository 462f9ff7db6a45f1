// The page control and its tab sheets.
#pragma once

#include "toolkit/controls/Controls.h"

#include <vector>

class QTabBar;
class TPageControl;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// One page of a page control: a container whose caption is its tab's text. Only the active page shows.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    String ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return FPageControl; }
    // Puts the sheet on `control` as its last page (the sheet's parent becomes the page control).
    void SetPageControl(TPageControl* control);
    void SetParent(TWinControl* AParent) override;
    int PageIndex() const;
    void SetPageIndex(int v);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool v);
    // Position among the visible tabs, -1 when the tab is hidden.
    int TabIndex() const;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

// Tabs along the top and the active sheet below them.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    String ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The next or previous page with a visible tab after `current`, wrapping round.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    // Height of the tab row; the sheets fill the rest.
    int TabHeight() const;
    void SetTabHeight(int v);
    // Where the sheets go, in the page control's client coordinates.
    TRect DisplayRect() const;
    void AlignControls(TControl* AControl, TRect& Rect) override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void Loaded() override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    friend class TTabSheet;
    virtual bool CanChange();
    virtual void Change();
    // A tab chosen by the person: asks OnChanging, switches, then tells OnChange.
    void ChangeActivePage(TTabSheet* page);
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void UpdateTabs();
    void ShowActiveOnly();
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncWidget() override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    String FActivePageName;
    int FTabHeight = 0;
    QPointer<QTabBar> FTabBar;
    bool FSyncing = false;
};
