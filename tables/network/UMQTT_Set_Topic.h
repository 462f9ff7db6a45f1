// The MQTT topic tables ("MQTT_Set_Topic.xml"): publish and subscribe rows; a double click on a
// Template cell opens the template dialog.
#pragma once

#include "tables/frame/UTableWindow.h"

class TFMQTT_Set_Topic : public TFTableWindow {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner);
    String ClassName() const override { return "TFMQTT_Set_Topic"; }

    // Edits the cell in the template dialog; an OK there writes the dialog's text back.
    void Show_Form_Topic(TQvColumnGrid* grid, int row, int col);

    TTabSheet* TS_MQTT_Publish = nullptr;
    TTabSheet* TS_MQTT_Subscribe = nullptr;
    TQvColumnGrid* ACG_Pub = nullptr;
    TQvColumnGrid* ACG_Sub = nullptr;
    bool Do_Copy_Pub() const { return Copied(0); }
    bool Do_Copy_Sub() const { return Copied(1); }

protected:
    void GridDblClickCell(int grid, int row, int col) override;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
