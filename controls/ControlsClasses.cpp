// The grid and control library's component classes and identifiers that window designs may name.
#include "controls/ControlsClasses.h"

#include "controls/buttons/SbButton.h"
#include "controls/editors/QsgCombo.h"
#include "controls/editors/qsgspin.h"
#include "controls/grid/BaseGrid.h"
#include "controls/grid/HTMLHintWindow.h"
#include "controls/grid/QvCGrid.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/dropdown/QvColGrid.h"
#include "toolkit/designs/DesignFile.h"

void RegisterControlsClasses() {
    // The grid dropdown's popup grid, which the dropdown (never including the grid) asks for.
    SetDropDownGridFactory(&QvCustomGridDropDown::CreateDropDownColGrid);
    // The hint window a grid names for a markup cell hint.
    RegisterHintWindowClass("THTMLHintWindow", &CreateHTMLHintWindow);
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
    // The flat combo's label positions and the spin edit's kinds, button directions and alignments.
    RegisterDesignIdents({{"lpLeftTop", lpLeftTop},
                          {"lpLeftCenter", lpLeftCenter},
                          {"lpLeftBottom", lpLeftBottom},
                          {"lpTopLeft", lpTopLeft},
                          {"lpBottomLeft", lpBottomLeft},
                          {"lpLeftTopLeft", lpLeftTopLeft},
                          {"lpLeftCenterLeft", lpLeftCenterLeft},
                          {"lpLeftBottomLeft", lpLeftBottomLeft},
                          {"lpTopCenter", lpTopCenter},
                          {"lpBottomCenter", lpBottomCenter},
                          {"lpRightTop", lpRightTop},
                          {"lpRightCenter", lpRightCenter},
                          {"lpRighBottom", lpRighBottom}});
    RegisterDesignIdents(
        {{"sptNormal", sptNormal}, {"sptFloat", sptFloat}, {"sptDate", sptDate}, {"sptTime", sptTime}});
    RegisterDesignIdents({{"spVertical", spVertical}, {"spHorizontal", spHorizontal}});
    RegisterDesignIdents({{"eaLeft", eaLeft}, {"eaRight", eaRight}, {"eaCenter", eaCenter}});
    RegisterComponentClass("TQsgComboBox",
                           [](TComponent* owner) -> TComponent* { return new TQsgComboBox(owner); });
    RegisterComponentClass("TQsgSpinEdit",
                           [](TComponent* owner) -> TComponent* { return new TQsgSpinEdit(owner); });
    RegisterQvGridDesignIdents();
    RegisterQvColumnGridDesignIdents();
    RegisterComponentClass("TQvStringGrid",
                           [](TComponent* owner) -> TComponent* { return new TQvStringGrid(owner); });
    RegisterComponentClass("TQvColumnGrid",
                           [](TComponent* owner) -> TComponent* { return new TQvColumnGrid(owner); });
    RegisterComponentClass("TSbButton",
                           [](TComponent* owner) -> TComponent* { return new TSbButton(owner); });
}
