// The MQTT topic tables: the frame with the MQTT sheet, and the way to the template dialog.
#include "tables/network/UMQTT_Set_Topic.h"

#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "tables/network/UMQTT_Topic_Tables.h"
#include "tables/network/UTopicTemplate.h"
#include "toolkit/stdctrls/StdCtrls.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {
TTableSheet mqttWindowSheet() {
    TTableSheet sheet = MQTT_Set_Topic_Sheet();
    sheet.FilePath = &File_MQTT_Set_Topic;
    return sheet;
}
} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FMQTT_Set_Topic"), mqttWindowSheet()) {
    TS_MQTT_Publish = Page(0);
    TS_MQTT_Subscribe = Page(1);
    ACG_Pub = Grid(0);
    ACG_Sub = Grid(1);
}

void TFMQTT_Set_Topic::GridDblClickCell(int grid, int, int) {
    TQvColumnGrid* g = Grid(grid);
    const int col = g->RealCol();
    if (col == (grid == 0 ? Integer(mpTemplate) : Integer(msTemplate))) Show_Form_Topic(g, g->RealRow(), col);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TQvColumnGrid* grid, int row, int col) {
    if (!FTopicTemplate) return;
    const Integer templateCol = grid == ACG_Pub ? Integer(mpTemplate) : Integer(msTemplate);
    FTopicTemplate->TopicTemplate = col == templateCol;
    FTopicTemplate->RE_TopicTemplate->Clear();
    FTopicTemplate->RE_TopicTemplate->SetText(grid->GetCellEx(col, row));
    if (FTopicTemplate->ShowModal() == mrOk)
        grid->SetCellEx(col, row, FTopicTemplate->RE_TopicTemplate->Text());
}
