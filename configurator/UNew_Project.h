// The new-configuration dialog: asks for a name and makes the configuration's folder the open one.
#pragma once

#include "toolkit/controls/Forms.h"

class TPanel;
class TLabel;
class TEdit;
class TSbButton;

// A name the new-configuration dialog accepts (after the empty name, which has its own message): one
// folder name inside "PROJECTS" that every platform can hold and reopen. No path separator, none of
// <>:"/\|?* or control characters, not "." or "..", no leading or trailing blank.
bool Is_Valid_New_Project_Name(const String& name);

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner);
    String ClassName() const override { return "TFNew_Project"; }

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
    // Checks the name and creates the configuration; the dialog closes with OK only when its folder exists.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang();
};

extern TFNew_Project* FNew_Project;
