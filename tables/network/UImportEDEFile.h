// The EDE selection window: lists the objects of an EDE file that the client tables take, lets the user
// mark them for the read and the write table and asks for the device's address.
#pragma once

#include "tables/network/UImportEDE_Reader.h"
#include "toolkit/controls/Forms.h"

#include <vector>

class TEdit;
class TLabel;
class TPanel;
class TQvColumnGrid;
class TSbButton;

class TFImportEDEFile : public TForm {
public:
    explicit TFImportEDEFile(TComponent* AOwner);
    ~TFImportEDEFile() override;
    String ClassName() const override { return "TFImportEDEFile"; }

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void FormShow(TObject* Sender);
    void Cancel_EDE_List_Vars() { List_EDE_Var.clear(); }
    // False when the file could not be read (the reason has been shown); the list is then empty.
    bool Load_EDE_File();
    void Show_Data_in_Grid();
    void ACGCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
    void Btn_Select_AllClick(TObject* Sender);
    void Btn_Unselect_AllClick(TObject* Sender);
    void Btn_OKClick(TObject* Sender);

    String EDE_File;
    std::vector<TBACnet_Var> List_EDE_Var;
    Integer App_BACnet_Type = 0;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_ID_IP = nullptr;
    TLabel* LID_IP = nullptr;
    TEdit* E_ID_IP = nullptr;
    TQvColumnGrid* ACG = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_Select_All = nullptr;
    TSbButton* Btn_Unselect_All = nullptr;

private:
    void setImportAll(bool import);
};

extern TFImportEDEFile* FImportEDEFile;
