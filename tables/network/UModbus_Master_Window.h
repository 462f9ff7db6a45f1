// What the serial and TCP Modbus master windows share on top of the table frame: the topic link of
// read rules, rebuilt at every showing and followed when a Topic is picked.
#pragma once

#include "tables/frame/UTableWindow.h"
#include "tables/network/UModbus_Master_Rules.h"

// Made before the frame, whose sheet refers to it.
struct TModbusTopicHolder {
    explicit TModbusTopicHolder(bool tcp) { Topics.Tcp = tcp; }
    TModbusTopicLink Topics;
};

class TFModbusMasterWindow : protected TModbusTopicHolder, public TFTableWindow {
public:
    TFModbusMasterWindow(TComponent* AOwner, const String& name, bool tcp, const String* filePath);

    TTabSheet* TS_Modbus_Read = nullptr;
    TTabSheet* TS_Modbus_Write = nullptr;
    TQvColumnGrid* ACG_Modbus_Read = nullptr;
    TQvColumnGrid* ACG_Modbus_Write = nullptr;
    bool Do_Copy_In_Read() const { return Copied(0); }
    bool Do_Copy_In_Write() const { return Copied(1); }
    QStringList& List_Publish_Topic() { return Topics.List_Publish_Topic; }
    std::vector<Integer>& ComboItem_Topic() { return Topics.ComboItem_Topic; }
    String Get_Topic_From_Index(Integer index) const { return Topics.Get_Topic_From_Index(index); }

protected:
    void BeforeTableLoad() override;
    void GridComboChange(int grid, int col, int row, int itemIndex) override;
};
