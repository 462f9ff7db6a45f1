// The frame of every table window: one modal window editing one XML table file in one grid per page,
// built from the window's sheet; showing reloads the file, OK checks, asks where data would be lost,
// writes and closes; the row buttons work on the grid of the active page.
#pragma once

#include "tables/frame/ColumnGridCells.h"
#include "tables/frame/TableSheet.h"
#include "toolkit/controls/Forms.h"

#include <memory>
#include <vector>

class TLabel;
class TPanel;
class TPageControl;
class TTabSheet;
class TSbButton;
class TXMLDocument;
class TQvColumnGrid;

class TFTableWindow : public TForm {
public:
    // `name` is the window's component name ("FSetAccess"); the sheet gives everything else.
    TFTableWindow(TComponent* AOwner, const String& name, TTableSheet sheet);
    ~TFTableWindow() override;

    void FormCreate(TObject* Sender);
    virtual void Set_Lang();
    void FormShow(TObject* Sender);
    // The data check: true when every row passes; else the one message has been shown.
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);

    const TTableSheet& Sheet() const { return FSheet; }
    TQvColumnGrid* Grid(int index) const { return FGrids[size_t(index)]; }
    TTabSheet* Page(int index) const { return FPages[size_t(index)]; }
    int GridCount() const { return int(FGrids.size()); }
    // The grid of the active page.
    int ActiveGridIndex() const;
    // True when the last row copy of this showing came from that grid.
    bool Copied(int grid) const { return FCopied[size_t(grid)]; }
    // False after a showing whose table file could not be read whole: OK then asks before replacing it.
    bool LoadComplete() const { return FLoadComplete; }

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_DelRow = nullptr;
    TSbButton* Btn_InsRow = nullptr;
    TSbButton* Btn_CopyRow = nullptr;
    TSbButton* Btn_PasteRow = nullptr;
    TPageControl* PageControl1 = nullptr;
    TXMLDocument* XML1 = nullptr;

protected:
    // Before the table file is read at a showing, after the grids are cleared.
    virtual void BeforeTableLoad() {}
    // After the table file is read at a showing (also when there is none).
    virtual void AfterTableLoad() {}
    // After Insert, Delete or Paste Row changed rows of that grid.
    virtual void AfterRowChange(int /*grid*/) {}
    // After the frame's own double-click handling (the column sizing).
    virtual void GridDblClickCell(int /*grid*/, int /*row*/, int /*col*/) {}
    // A combo-list cell's choice changed.
    virtual void GridComboChange(int /*grid*/, int /*col*/, int /*row*/, int /*itemIndex*/) {}
    std::vector<ITableCells*> CellViews();
    std::vector<const ITableCells*> ConstCellViews() const;

private:
    void buildGrid(size_t index);
    String filePath() const;
    String text(Integer n) const;

    TTableSheet FSheet;
    std::vector<TTabSheet*> FPages;
    std::vector<TQvColumnGrid*> FGrids;
    std::vector<std::unique_ptr<TColumnGridCells>> FCells;
    std::vector<bool> FCopied;
    bool FLoadComplete = true;
};
