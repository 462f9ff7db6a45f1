// The common part of the windows whose editors are not built yet: each exists under its own class,
// is created at start in its place, shows the program code and follows language changes.
#pragma once

#include "toolkit/controls/Forms.h"

class TLabel;

class TFStandInWindow : public TForm {
public:
    explicit TFStandInWindow(TComponent* AOwner);
    String ClassName() const override { return "TFStandInWindow"; }
    // Applies the window's texts; these windows have none of their own yet.
    virtual void Set_Lang() {}
    void FormCreate(TObject* Sender);

    TLabel* L_SW_Code = nullptr;
};
