// The EDS connection chooser: reads the connections of the EDS file it is given, shows them one a row and
// lets the user choose one; with nothing to choose it says so and closes itself.
#pragma once

#include "tables/network/UEtherNetIP_EDS_Reader.h"
#include "toolkit/controls/Forms.h"

#include <vector>

class TLabel;
class TPanel;
class TQvColumnGrid;
class TSbButton;
class TTimer;

class TFEtherNEtIP_EDS : public TForm {
public:
    explicit TFEtherNEtIP_EDS(TComponent* AOwner);
    ~TFEtherNEtIP_EDS() override;
    String ClassName() const override { return "TFEtherNEtIP_EDS"; }

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void FormShow(TObject* Sender);
    // Decodes one entry text into List_Conn when it is usable.
    void DecodeConnStr(const String& ConnStr);
    void ShowDatainGrid();
    void TCloseTimer(TObject* Sender);

    // The file to read at the next showing; the opener sets it.
    String EDS_FileName;
    std::vector<TConnData> List_Conn;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TQvColumnGrid* ACG = nullptr;
    TTimer* TClose = nullptr;
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
