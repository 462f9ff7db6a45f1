// The table-editor frame: the shared design, the grids built from the sheet, showing and loading, the
// data check with its one message, writing on OK and the row buttons.
#include "tables/frame/UTableWindow.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <optional>

namespace {

constexpr int kTableRowHeight = 22;
constexpr int kTableFixedColWidth = 40;

bool tableAskYes(const String& question) {
    return MessageDlg(question, mtConfirmation, mbYesNo) == mrYes;
}

} // namespace

TFTableWindow::TFTableWindow(TComponent* AOwner, const String& name, TTableSheet sheet)
    : TForm(AOwner), FSheet(std::move(sheet)) {
    SetName(name);
    LoadDesign(this, FormDesignPath("UTableWindow"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "Btn_DelRow", Btn_DelRow);
    Bind(this, "Btn_InsRow", Btn_InsRow);
    Bind(this, "Btn_CopyRow", Btn_CopyRow);
    Bind(this, "Btn_PasteRow", Btn_PasteRow);
    Bind(this, "PageControl1", PageControl1);
    Bind(this, "XML1", XML1);
    for (size_t g = 0; g < FSheet.Grids.size(); ++g)
        buildGrid(g);
    FCopied.assign(FGrids.size(), false);
    for (TSbButton* b : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow})
        b->SetVisible(FSheet.RowButtons);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
    Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };
    Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
    Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
}

TFTableWindow::~TFTableWindow() {
    SetDestroying();
    DestroyComponents();
}

void TFTableWindow::buildGrid(size_t index) {
    const TTableGrid& sheet = FSheet.Grids[index];
    auto* page = new TTabSheet(this);
    page->SetName(sheet.Page);
    page->SetPageControl(PageControl1);
    auto* grid = new TQvColumnGrid(this);
    grid->SetName(sheet.Name);
    grid->SetParent(page);
    grid->SetAlign(alClient);
    grid->SetDefaultRowHeight(kTableRowHeight);
    grid->SetColCount(int(sheet.Columns.size()));
    grid->SetRowCount(sheet.DataRows + 1);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                     (sheet.ColSizing ? goColSizing : 0u) | goEditing | sheet.ExtraOptions);
    grid->FixedFont()->SetName("Tahoma");
    grid->FixedFont()->SetHeight(-11);
    grid->FixedFont()->SetStyle(TFontStyles(fsBold));
    grid->Font()->SetName("Tahoma");
    grid->Font()->SetHeight(-11);
    grid->SetShowHint(sheet.ShowsHints);
    grid->SetHoverRow(sheet.HoverRow);
    for (int c = 0; c < int(sheet.Columns.size()); ++c) {
        const TTableColumn& column = sheet.Columns[size_t(c)];
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->SetWidth(c == 0 ? kTableFixedColWidth : column.Width);
        item->Font()->SetName("Tahoma");
        item->Font()->SetHeight(-11);
        if (c == 0) {
            item->SetFixed(true);
            continue;
        }
        item->SetEditor(column.Editor);
        item->SetColor(column.Tint);
        if (column.Editor == edDataCheckBox) item->SetAlignment(taCenter);
        item->SetCheckTrue("Y");
        item->SetCheckFalse("N");
        item->SetEditLength(column.MaxLength);
        SetStringsFromList(*item->ComboItems(), column.Items);
    }
    const int g = int(index);
    grid->OnClickCell = [this, g](TObject*, int ARow, int ACol) {
        if (FSheet.Grids[size_t(g)].ClickSelectsRow && ACol == 0 && ARow > 0)
            FGrids[size_t(g)]->SelectRows(ARow, 1);
    };
    grid->OnDblClickCell = [this, g](TObject*, int ARow, int ACol) {
        if (FSheet.Grids[size_t(g)].DblClickSizes) Grid_Auto_Size_Col(FGrids[size_t(g)], ARow, ACol);
        GridDblClickCell(g, ARow, ACol);
    };
    grid->OnKeyPress = [this, g](TObject*, QChar& Key) {
        if (FSheet.Grids[size_t(g)].EnterMovesOn) Grid_Enter_Next_Cell(FGrids[size_t(g)], Key);
    };
    grid->OnGridHint = [this, g](TObject*, int ARow, int ACol, String& hintstr) {
        if (ARow != 0 || !FSheet.Grids[size_t(g)].ShowsHints) return;
        const int c = FGrids[size_t(g)]->RealColIndex(ACol);
        const auto& columns = FSheet.Grids[size_t(g)].Columns;
        if (c >= 1 && c < int(columns.size()) && columns[size_t(c)].Hint)
            hintstr = text(columns[size_t(c)].Hint);
    };
    grid->OnComboChange = [this, g](TObject*, int ACol, int ARow, int AItemIndex, const String&) {
        GridComboChange(g, ACol, ARow, AItemIndex);
    };
    FPages.push_back(page);
    FGrids.push_back(grid);
    FCells.push_back(std::make_unique<TColumnGridCells>(grid));
}

String TFTableWindow::text(Integer n) const {
    return Lang_Texts->Strings(n);
}

String TFTableWindow::filePath() const {
    return FSheet.FilePath ? *FSheet.FilePath : String();
}

std::vector<ITableCells*> TFTableWindow::CellViews() {
    std::vector<ITableCells*> v;
    for (auto& c : FCells)
        v.push_back(c.get());
    return v;
}

std::vector<const ITableCells*> TFTableWindow::ConstCellViews() const {
    std::vector<const ITableCells*> v;
    for (auto& c : FCells)
        v.push_back(c.get());
    return v;
}

int TFTableWindow::ActiveGridIndex() const {
    const int page = PageControl1->ActivePageIndex();
    return page >= 0 && page < GridCount() ? page : 0;
}

void TFTableWindow::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    if (FSheet.ClientWidth && FSheet.ClientHeight)
        SetClientSize(FSheet.ClientWidth, FSheet.ClientHeight);
    else if (FSheet.ClientWidth)
        SetClientWidth(FSheet.ClientWidth);
    Set_Lang();
}

void TFTableWindow::Set_Lang() {
    const TTableTexts& t = FSheet.Texts;
    if (t.Caption) SetCaption(text(t.Caption));
    if (t.Description) L_SW_Desc->SetCaption(text(t.Description));
    TSbButton* buttons[6] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        if (t.Buttons[i]) buttons[i]->SetCaption(text(t.Buttons[i]));
        if (t.ButtonHints[i]) buttons[i]->SetHint(text(t.ButtonHints[i]));
    }
    for (size_t g = 0; g < FGrids.size(); ++g) {
        const TTableGrid& sheet = FSheet.Grids[g];
        if (sheet.PageCaption) FPages[g]->SetCaption(text(sheet.PageCaption));
        for (int c = 0; c < int(sheet.Columns.size()); ++c)
            if (sheet.Columns[size_t(c)].Header)
                FGrids[g]->Columns()->Items(c)->SetHeader(text(sheet.Columns[size_t(c)].Header));
        Grid_Fit_Header_Row(FGrids[g]);
    }
}

void TFTableWindow::FormShow(TObject*) {
    // Thousands of cells change: one repaint a grid at the end.
    struct UpdateBracket {
        std::vector<TQvColumnGrid*>& grids;
        explicit UpdateBracket(std::vector<TQvColumnGrid*>& g) : grids(g) {
            for (TQvColumnGrid* grid : grids)
                grid->BeginUpdate();
        }
        ~UpdateBracket() {
            for (TQvColumnGrid* grid : grids)
                grid->EndUpdate();
        }
    };
    std::optional<UpdateBracket> bracket(std::in_place, FGrids);
    for (size_t g = 0; g < FGrids.size(); ++g) {
        const TTableGrid& sheet = FSheet.Grids[g];
        TQvColumnGrid* grid = FGrids[g];
        FPages[g]->SetTabVisible(FGrids.size() > 1);
        for (int c = 1; c < int(sheet.Columns.size()); ++c) {
            if (sheet.Columns[size_t(c)].Shown)
                grid->UnHideColumn(c);
            else
                grid->HideColumn(c);
        }
        grid->SetRowCount((sheet.ShowRows ? sheet.ShowRows() : sheet.DataRows) + 1);
        if (sheet.PositionColumn > 0) {
            QStringList positions;
            for (Integer p = 0; p < sheet.Capacity; ++p)
                positions << IntToStr(p);
            SetStringsFromList(*grid->Columns()->Items(sheet.PositionColumn)->ComboItems(), positions);
        }
        Clear_Table_Grid(sheet, *FCells[g]);
    }
    if (FSheet.FirstPageOnShow) PageControl1->SetActivePageIndex(0);
    BeforeTableLoad();
    TTableLoad load;
    if (PathExists(filePath())) {
        if (XML1->LoadFromFile(filePath(), Max_Table_Window_File_Bytes, Max_Table_Window_Text))
            load = Load_Table_Document(*XML1, FSheet, CellViews());
        else
            load = {false, XML1->ErrorReason()}; // the message names the file
    }
    FLoadComplete = load.Complete;
    AfterTableLoad();
    FCopied.assign(FGrids.size(), false);
    bracket.reset();
    if (!load.Complete)
        MessageDlg(text(Text_Table_Not_Read) + filePath() + "\r\n" + load.Problem, mtError, mbOK);
    if (FSheet.FocusGridOnShow && !FGrids.empty() && FGrids[0]->CanFocus()) FGrids[0]->SetFocus();
}

bool TFTableWindow::Controllo_dati() {
    const TTableFault fault = Find_Table_Fault(FSheet, ConstCellViews());
    if (!fault) return true;
    MessageDlg(Table_Fault_Text(FSheet, fault), mtError, mbOK);
    return false;
}

void TFTableWindow::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    // Rows from the first row without a key on are not stored: say so before they are gone.
    for (size_t g = 0; g < FGrids.size(); ++g) {
        if (!Table_Has_Rows_After_End(FSheet.Grids[g], *FCells[g])) continue;
        if (!tableAskYes(text(FSheet.Texts.LostRowsQuestion))) return;
        break;
    }
    if (!Confirm_Save_Through_Link(filePath())) return;
    if (!FLoadComplete && FileExists(filePath()) && !tableAskYes(text(Text_Overwrite_Unread_Table))) return;
    Write_Table_Document(*XML1, FSheet, ConstCellViews());
    if (!XML1->SaveToFile(filePath())) {
        MessageDlg(XML1->ErrorText(), mtError, mbOK);
        return;
    }
    FLoadComplete = true;
    SetModalResult(mrOk);
}

void TFTableWindow::Btn_CopyRowClick(TObject*) {
    const int g = ActiveGridIndex();
    ColGrid_Copy_Row(FGrids[size_t(g)], FGrids[size_t(g)]->GetRowEx());
    FCopied.assign(FGrids.size(), false);
    FCopied[size_t(g)] = true;
}

void TFTableWindow::Btn_PasteRowClick(TObject*) {
    const int g = ActiveGridIndex();
    ColGrid_Paste_Row(FGrids[size_t(g)], FGrids[size_t(g)]->GetRowEx(), FCopied[size_t(g)]);
    AfterRowChange(g);
}

void TFTableWindow::Btn_DelRowClick(TObject*) {
    const int g = ActiveGridIndex();
    const int row = FGrids[size_t(g)]->GetRowEx();
    if (!tableAskYes(text(FSheet.Texts.DeleteQuestion) + IntToStr(row))) return;
    ColGrid_Del_Row(row, FGrids[size_t(g)]);
    AfterRowChange(g);
}

void TFTableWindow::Btn_InsRowClick(TObject*) {
    const int g = ActiveGridIndex();
    ColGrid_Ins_Row(FGrids[size_t(g)]->GetRowEx(), FGrids[size_t(g)],
                    FSheet.Grids[size_t(g)].InsertPutsEnable);
    AfterRowChange(g);
}
