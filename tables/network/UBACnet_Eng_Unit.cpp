// The engineering unit picker: categories and their units from the unit table, the chosen unit into the
// edit and its name into the label.
#include "tables/network/UBACnet_Eng_Unit.h"

#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/network/UBACnet_Eng_Units.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UBACnet_Eng_Unit"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "Label1", Label1);
    Bind(this, "E_Selected_EU", E_Selected_EU);
    Bind(this, "Label5", Label5);
    Bind(this, "Shape1", Shape1);
    Bind(this, "Label2", Label2);
    Bind(this, "Label3", Label3);
    Bind(this, "CB_Select_Type", CB_Select_Type);
    Bind(this, "Label4", Label4);
    Bind(this, "CB_Select_Unit", CB_Select_Unit);
    Bind(this, "Btn_Select_Eng_Unit", Btn_Select_Eng_Unit);
    Bind(this, "Shape2", Shape2);
    for (Integer i = 0; i < Num_BACnet_Unit_Categories; ++i)
        CB_Select_Type->Items()->Add(QLatin1String(BACnet_Unit_Category(i).Name));
    CB_Select_Type->SetItemIndex(0);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    CB_Select_Type->OnSelect = [this](TObject* Sender) { CB_Select_TypeSelect(Sender); };
    Btn_Select_Eng_Unit->OnClick = [this](TObject* Sender) { Btn_Select_Eng_UnitClick(Sender); };
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit() {
    SetDestroying();
    DestroyComponents();
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(548, 306);
    Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() {
    auto t = [](Integer n) { return Lang_Texts->Strings(n); };
    SetCaption(t(1800));
    L_SW_Desc->SetCaption(t(1801));
    Btn_OK->SetCaption(t(1802));
    Btn_Cancel->SetCaption(t(1803));
    Label1->SetCaption(t(1804));
    Label2->SetCaption(t(1805));
    Label3->SetCaption(t(1806));
    Label4->SetCaption(t(1807));
    Btn_Select_Eng_Unit->SetCaption(t(1808));
}

void TFBACnet_Eng_Unit::FormShow(TObject* Sender) {
    CB_Select_TypeSelect(Sender);
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
    const TBACnetUnitCategory& category = BACnet_Unit_Category(CB_Select_Type->ItemIndex());
    CB_Select_Unit->Items()->Clear();
    for (Integer unit : category.Units)
        CB_Select_Unit->Items()->Add(Unit_List_Name(unit));
    CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
    const TBACnetUnitCategory& category = BACnet_Unit_Category(CB_Select_Type->ItemIndex());
    const int index = CB_Select_Unit->ItemIndex();
    if (index < 0 || index >= int(category.Units.size())) return;
    const Integer unit = category.Units[size_t(index)];
    E_Selected_EU->SetText(IntToStr(unit));
    Label5->SetCaption("-> " + Desc_Unit(unit));
}
