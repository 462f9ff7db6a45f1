// The TFTopicTemplate window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFTopicTemplate : public TFStandInWindow {
public:
    explicit TFTopicTemplate(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFTopicTemplate"; }
};

extern TFTopicTemplate* FTopicTemplate;
