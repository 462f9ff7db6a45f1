// The TFMQTT_Set_Topic window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFMQTT_Set_Topic : public TFStandInWindow {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFMQTT_Set_Topic"; }
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
