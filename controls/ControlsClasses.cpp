// The grid and control library's component classes and identifiers that window designs may name.
#include "controls/ControlsClasses.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/BaseGrid.h"
#include "toolkit/designs/DesignFile.h"

void RegisterControlsClasses() {
    // The styled button's kinds, colour presets, glyph layouts and looks.
    RegisterDesignIdents({{"lcsCustom", lcsCustom},
                          {"lcsGold", lcsGold},
                          {"lcsChrome", lcsChrome},
                          {"lcsBlue", lcsBlue},
                          {"lcsRed", lcsRed},
                          {"lcsUltraFlat1", lcsUltraFlat1},
                          {"lcsUltraFlat2", lcsUltraFlat2},
                          {"lcsUltraFlatXP", lcsUltraFlatXP},
                          {"lcsAqua", lcsAqua},
                          {"lcsDefault", lcsDefault},
                          {"lcsQuicken", lcsQuicken}});
    RegisterDesignIdents({{"bkCustom", bkCustom},
                          {"bkOK", bkOK},
                          {"bkCancel", bkCancel},
                          {"bkHelp", bkHelp},
                          {"bkYes", bkYes},
                          {"bkNo", bkNo},
                          {"bkClose", bkClose},
                          {"bkAbort", bkAbort},
                          {"bkRetry", bkRetry},
                          {"bkIgnore", bkIgnore},
                          {"bkAll", bkAll}});
    RegisterDesignIdents({{"blGlyphLeft", blGlyphLeft},
                          {"blGlyphRight", blGlyphRight},
                          {"blGlyphTop", blGlyphTop},
                          {"blGlyphBottom", blGlyphBottom}});
    RegisterDesignIdents({{"bsNormal", bsNormal},
                          {"bsEncarta", bsEncarta},
                          {"bsModern", bsModern},
                          {"bsOld", bsOld},
                          {"bsShape", bsShape},
                          {"bsQuicken", bsQuicken}});
    // The base grid's hover-cell set.
    RegisterDesignIdents({{"hcNormal", int(HoverRowCellFlag(hcNormal))},
                          {"hcFixed", int(HoverRowCellFlag(hcFixed))},
                          {"hcSelected", int(HoverRowCellFlag(hcSelected))}});
    RegisterComponentClass("TSbButton",
                           [](TComponent* owner) -> TComponent* { return new TSbButton(owner); });
}
