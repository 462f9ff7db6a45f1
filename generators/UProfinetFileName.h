// The GSDML file-name dialog: the user completes the file name between its fixed parts.
#pragma once

#include "toolkit/controls/Forms.h"

class TPanel;
class TLabel;
class TEdit;
class TSbButton;

// The fixed first part of every GSDML file name (GSDML version and maker).
inline const String Profinet_File_Fix1 = QStringLiteral("GSDML-V2.25-Orvane-");
// The fixed last part for today: "-" YYYYMMDD ".xml".
String Profinet_File_Fix2();
// The name composed from the user part as typed; empty when the user part could leave the folder.
String Compose_Profinet_File_Name(const String& userPart);

class TFProfinetFileName : public TForm {
public:
    explicit TFProfinetFileName(TComponent* AOwner);
    String ClassName() const override { return "TFProfinetFileName"; }

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* L_Select_Name = nullptr;
    TLabel* L_FixPart_1 = nullptr;
    TLabel* L_FixPart_2 = nullptr;
    TLabel* L_UsedPart = nullptr;
    TLabel* L_XML_Fix1 = nullptr;
    TLabel* L_XML_Fix2 = nullptr;
    TEdit* E_XML_User = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

    // The composed file name, set by OK.
    String Name_File_XML;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OK_Click(TObject* Sender);
    // Takes its texts only at creation: a later language change does not reach this window.
    void Set_Lang();
};

extern TFProfinetFileName* FProfinetFileName;
