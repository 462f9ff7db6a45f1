// The engineering unit picker: shows the unit number it is given and lets the user choose another by
// category and name; the opener takes the edit's text on OK.
#pragma once

#include "toolkit/controls/Forms.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSbButton;
class TShape;

class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner);
    ~TFBACnet_Eng_Unit() override;
    String ClassName() const override { return "TFBACnet_Eng_Unit"; }

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void FormShow(TObject* Sender);
    void CB_Select_TypeSelect(TObject* Sender);
    void Btn_Select_Eng_UnitClick(TObject* Sender);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* E_Selected_EU = nullptr;
    TLabel* Label5 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* CB_Select_Type = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* CB_Select_Unit = nullptr;
    TButton* Btn_Select_Eng_Unit = nullptr;
    TShape* Shape2 = nullptr;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
