// The topic template dialog: edits one topic or template text, with the keyword list below it.
#pragma once

#include "toolkit/controls/Forms.h"

class TLabel;
class TMemo;
class TPanel;
class TQvStringGrid;
class TSbButton;
class TSplitter;

class TFTopicTemplate : public TForm {
public:
    explicit TFTopicTemplate(TComponent* AOwner);
    ~TFTopicTemplate() override;
    String ClassName() const override { return "TFTopicTemplate"; }

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void FormShow(TObject* Sender);
    // The keyword list: its header and one empty row, whose description cannot be edited.
    void Laod_Keywords();

    // True while a template (not a topic) is edited: it chooses the captions.
    bool TopicTemplate = false;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* Panel1 = nullptr;
    TMemo* RE_TopicTemplate = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* P_Legend = nullptr;
    TLabel* L_List_Keywords = nullptr;
    TQvStringGrid* QSG_Keywords = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
};

extern TFTopicTemplate* FTopicTemplate;
