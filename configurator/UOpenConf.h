// The open-configuration dialog: lists the configurations in "PROJECTS" and returns the one chosen.
#pragma once

#include "toolkit/controls/Forms.h"

#include <memory>

class TPanel;
class TLabel;
class TListBox;
class TSbButton;
class TStringList;

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner);
    ~TFOpenConf() override;
    String ClassName() const override { return "TFOpenConf"; }

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

    // The configuration folder names, sorted ignoring case.
    std::unique_ptr<TStringList> SL;
    // The configuration chosen when the window closed with OK (empty: none).
    String Name_Conf;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    void Load_Existing_Configuration();
    // Index in SL of the first name equal to `name` ignoring case, -1 when none.
    int Search_Open_Conf(const String& name) const;
    void Set_Lang();
};

extern TFOpenConf* FOpenConf;
