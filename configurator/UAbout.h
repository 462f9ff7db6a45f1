// The about box: the program's identity and the link to the maker's home page. It has no texts of its own.
#pragma once

#include "toolkit/controls/Forms.h"

class TImage;
class TLabel;
class TSbButton;

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);
    String ClassName() const override { return "TFAbout"; }

    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label4 = nullptr;
    TSbButton* SbButton1 = nullptr;

    void FormShow(TObject* Sender);
    // Shared by the web address and the logo.
    void Label4Click(TObject* Sender);
};

extern TFAbout* FAbout;
