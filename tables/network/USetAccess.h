// The serial Modbus master rule tables ("ModbusM_SetAccess.xml"): read and write rules by slave ID.
#pragma once

#include "tables/network/UModbus_Master_Window.h"

class TFSetAccess : public TFModbusMasterWindow {
public:
    explicit TFSetAccess(TComponent* AOwner);
    String ClassName() const override { return "TFSetAccess"; }
    // This window's names of the frame's OK and Insert Row handlers.
    void bitbtn1Click(TObject* Sender) { Btn_OKClick(Sender); }
    void Btn_InsertRowClick(TObject* Sender) { Btn_InsRowClick(Sender); }
};

extern TFSetAccess* FSetAccess;
