// The Modbus master windows' shared part: the frame with the Modbus sheet, and the topic link.
#include "tables/network/UModbus_Master_Window.h"

TFModbusMasterWindow::TFModbusMasterWindow(TComponent* AOwner, const String& name, bool tcp,
                                           const String* filePath)
    : TModbusTopicHolder(tcp), TFTableWindow(AOwner, name, [&] {
          TTableSheet sheet = Modbus_Master_Sheet(Topics);
          sheet.FilePath = filePath;
          return sheet;
      }()) {
    TS_Modbus_Read = Page(0);
    TS_Modbus_Write = Page(1);
    ACG_Modbus_Read = Grid(0);
    ACG_Modbus_Write = Grid(1);
}

void TFModbusMasterWindow::BeforeTableLoad() {
    if (!Topics.Tcp) Topics.ComboItem_Topic.assign(size_t(Modbus_Data_Rows), -1);
}

void TFModbusMasterWindow::GridComboChange(int grid, int col, int row, int itemIndex) {
    // Only the serial window remembers the item picked in a read rule's Topic column.
    if (Topics.Tcp || grid != 0 || col != mrTopic) return;
    if (row >= 1 && row <= Integer(Topics.ComboItem_Topic.size()))
        Topics.ComboItem_Topic[size_t(row - 1)] = itemIndex;
}
