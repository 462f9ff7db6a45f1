// The toolkit's component classes and identifiers that window designs may name.
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/graphics/ColorNames.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/Buttons.h"
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/stdctrls/RichEdit.h"
#include "toolkit/stdctrls/Splitter.h"
#include "toolkit/stdctrls/StdCtrls.h"

namespace {

template <class T> TComponentFactory ToolkitMaker() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

// Colours, alignment, anchors, cursors, fonts and the form's own enumerations.
void RegisterToolkitBaseIdents() {
    auto add = [](const char* n, int v) { RegisterDesignIdents({{n, v}}); };
    for (const auto& [name, value] : ColorIdents())
        add(name, value);
    // Alignment, anchors, cursors, fonts, forms.
    const char* const aligns[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
    for (int i = 0; i < int(std::size(aligns)); ++i)
        add(aligns[i], i);
    add("akLeft", akLeft);
    add("akTop", akTop);
    add("akRight", akRight);
    add("akBottom", akBottom);
    const char* const cursors[] = {"crDefault", "crNone",      "crArrow",   "crCross",    "crIBeam",
                                   nullptr,     "crSizeNESW",  "crSizeNS",  "crSizeNWSE", "crSizeWE",
                                   "crUpArrow", "crHourGlass", "crDrag",    "crNoDrop",   "crHSplit",
                                   "crVSplit",  "crMultiDrag", "crSQLWait", "crNo",       "crAppStart",
                                   "crHelp",    "crHandPoint", "crSizeAll"};
    for (int i = 0; i < int(std::size(cursors)); ++i)
        if (cursors[i]) add(cursors[i], -i);
    add("fsBold", fsBold);
    add("fsItalic", fsItalic);
    add("fsUnderline", fsUnderline);
    add("fsStrikeOut", fsStrikeOut);
    const char* const borders[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                   "bsDialog", "bsToolWindow", "bsSizeToolWin"};
    for (int i = 0; i < int(std::size(borders)); ++i)
        add(borders[i], i);
    add("biSystemMenu", biSystemMenu);
    add("biMinimize", biMinimize);
    add("biMaximize", biMaximize);
    add("biHelp", biHelp);
    const char* const positions[] = {"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                     "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                     "poMainFormCenter",  "poOwnerFormCenter"};
    for (int i = 0; i < int(std::size(positions)); ++i)
        add(positions[i], i);
    add("fsNormal", fsNormal);
    add("fsStayOnTop", fsStayOnTop);
    add("bdLeftToRight", bdLeftToRight);
    add("bdRightToLeft", bdRightToLeft);
    add("True", 1);
    add("False", 0);
}

} // namespace

void RegisterToolkitClasses() {
    RegisterToolkitBaseIdents();
    RegisterDesignIdents({
        {"taLeftJustify", taLeftJustify},
        {"taRightJustify", taRightJustify},
        {"taCenter", taCenter},
        {"tlTop", tlTop},
        {"tlCenter", tlCenter},
        {"tlBottom", tlBottom},
        {"taAlignTop", taAlignTop},
        {"taAlignBottom", taAlignBottom},
        {"taVerticalCenter", taVerticalCenter},
        {"ecNormal", ecNormal},
        {"ecUpperCase", ecUpperCase},
        {"ecLowerCase", ecLowerCase},
        {"ssNone", ssNone},
        {"ssHorizontal", ssHorizontal},
        {"ssVertical", ssVertical},
        {"ssBoth", ssBoth},
        {"cbUnchecked", cbUnchecked},
        {"cbChecked", cbChecked},
        {"cbGrayed", cbGrayed},
        {"csDropDown", csDropDown},
        {"csSimple", csSimple},
        {"csDropDownList", csDropDownList},
        {"csOwnerDrawFixed", csOwnerDrawFixed},
        {"csOwnerDrawVariable", csOwnerDrawVariable},
        {"sbHorizontal", sbHorizontal},
        {"sbVertical", sbVertical},
        {"bvNone", bvNone},
        {"bvLowered", bvLowered},
        {"bvRaised", bvRaised},
        {"bvSpace", bvSpace},
        {"bsBox", bsBox},
        {"bsFrame", bsFrame},
        {"bsTopLine", bsTopLine},
        {"bsBottomLine", bsBottomLine},
        {"bsLeftLine", bsLeftLine},
        {"bsRightLine", bsRightLine},
        {"bsSpacer", bsSpacer},
        {"bsLowered", bsLowered},
        {"bsRaised", bsRaised},
        {"stRectangle", stRectangle},
        {"stSquare", stSquare},
        {"stRoundRect", stRoundRect},
        {"stRoundSquare", stRoundSquare},
        {"stEllipse", stEllipse},
        {"stCircle", stCircle},
        {"psSolid", psSolid},
        {"psDash", psDash},
        {"psDot", psDot},
        {"psDashDot", psDashDot},
        {"psDashDotDot", psDashDotDot},
        {"psClear", psClear},
        {"psInsideFrame", psInsideFrame},
        {"bsSolid", bsSolid},
        {"bsClear", bsClear},
        {"bsHorizontal", bsHorizontal},
        {"bsVertical", bsVertical},
        {"bsFDiagonal", bsFDiagonal},
        {"bsBDiagonal", bsBDiagonal},
        {"bsCross", bsCross},
        {"bsDiagCross", bsDiagCross},
        {"mrNone", mrNone},
        {"mrOk", mrOk},
        {"mrCancel", mrCancel},
        {"mrAbort", mrAbort},
        {"mrRetry", mrRetry},
        {"mrIgnore", mrIgnore},
        {"mrYes", mrYes},
        {"mrNo", mrNo},
        {"mrClose", mrClose},
        {"mrAll", mrAll},
        {"ofReadOnly", ofReadOnly},
        {"ofOverwritePrompt", ofOverwritePrompt},
        {"ofHideReadOnly", ofHideReadOnly},
        {"ofAllowMultiSelect", ofAllowMultiSelect},
        {"ofPathMustExist", ofPathMustExist},
        {"ofFileMustExist", ofFileMustExist},
        {"ofEnableSizing", ofEnableSizing},
        {"wsNormal", wsNormal},
        {"wsMinimized", wsMinimized},
        {"wsMaximized", wsMaximized},
    });
    // The toolkit grid's options.
    RegisterDesignIdents({
        {"goFixedVertLine", goFixedVertLine},
        {"goFixedHorzLine", goFixedHorzLine},
        {"goVertLine", goVertLine},
        {"goHorzLine", goHorzLine},
        {"goRangeSelect", goRangeSelect},
        {"goDrawFocusSelected", goDrawFocusSelected},
        {"goRowSizing", goRowSizing},
        {"goColSizing", goColSizing},
        {"goRowMoving", goRowMoving},
        {"goColMoving", goColMoving},
        {"goEditing", goEditing},
        {"goTabs", goTabs},
        {"goRowSelect", goRowSelect},
        {"goAlwaysShowEditor", goAlwaysShowEditor},
        {"goThumbTracking", goThumbTracking},
        {"goFixedColClick", goFixedColClick},
        {"goFixedRowClick", goFixedRowClick},
        {"goFixedHotTrack", goFixedHotTrack},
    });
    // Glyph buttons, date-time pickers and trackbars.
    RegisterDesignIdents({
        {"blGlyphLeft", blGlyphLeft},
        {"blGlyphRight", blGlyphRight},
        {"blGlyphTop", blGlyphTop},
        {"blGlyphBottom", blGlyphBottom},
        {"dtkDate", dtkDate},
        {"dtkTime", dtkTime},
        {"dmComboBox", dmComboBox},
        {"dmUpDown", dmUpDown},
        {"trHorizontal", trHorizontal},
        {"trVertical", trVertical},
        {"tmBottomRight", tmBottomRight},
        {"tmTopLeft", tmTopLeft},
        {"tmBoth", tmBoth},
        {"tsNone", tsNone},
        {"tsAuto", tsAuto},
        {"tsManual", tsManual},
    });
    RegisterComponentClass("TLabel", ToolkitMaker<TLabel>());
    RegisterComponentClass("TLinkLabel", ToolkitMaker<TLinkLabel>());
    RegisterComponentClass("TEdit", ToolkitMaker<TEdit>());
    RegisterComponentClass("TMemo", ToolkitMaker<TMemo>());
    RegisterComponentClass("TRichEdit", ToolkitMaker<TRichEdit>());
    RegisterComponentClass("TComboBox", ToolkitMaker<TComboBox>());
    RegisterComponentClass("TListBox", ToolkitMaker<TListBox>());
    RegisterComponentClass("TButton", ToolkitMaker<TButton>());
    RegisterComponentClass("TCheckBox", ToolkitMaker<TCheckBox>());
    RegisterComponentClass("TRadioButton", ToolkitMaker<TRadioButton>());
    RegisterComponentClass("TGroupBox", ToolkitMaker<TGroupBox>());
    RegisterComponentClass("TScrollBar", ToolkitMaker<TScrollBar>());
    RegisterComponentClass("TPanel", ToolkitMaker<TPanel>());
    RegisterComponentClass("TShape", ToolkitMaker<TShape>());
    RegisterComponentClass("TBevel", ToolkitMaker<TBevel>());
    RegisterComponentClass("TSplitter", ToolkitMaker<TSplitter>());
    RegisterComponentClass("TImage", ToolkitMaker<TImage>());
    RegisterComponentClass("TScrollBox", ToolkitMaker<TScrollBox>());
    RegisterComponentClass("TCategoryPanelGroup", ToolkitMaker<TCategoryPanelGroup>());
    RegisterComponentClass("TCategoryPanel", ToolkitMaker<TCategoryPanel>());
    RegisterComponentClass("TPageControl", ToolkitMaker<TPageControl>());
    RegisterComponentClass("TTabSheet", ToolkitMaker<TTabSheet>());
    RegisterComponentClass("TTimer", ToolkitMaker<TTimer>());
    RegisterComponentClass("TOpenDialog", ToolkitMaker<TOpenDialog>());
    RegisterComponentClass("TSaveDialog", ToolkitMaker<TSaveDialog>());
    RegisterComponentClass("TImageList", ToolkitMaker<TImageList>());
    RegisterComponentClass("TXMLDocument", ToolkitMaker<TXMLDocument>());
    RegisterComponentClass("TMaskEdit", ToolkitMaker<TMaskEdit>());
    RegisterComponentClass("TSpeedButton", ToolkitMaker<TSpeedButton>());
    RegisterComponentClass("TDateTimePicker", ToolkitMaker<TDateTimePicker>());
    RegisterComponentClass("TTrackBar", ToolkitMaker<TTrackBar>());
    RegisterComponentClass("TPopupMenu", ToolkitMaker<TPopupMenu>());
    RegisterComponentClass("TMenuItem", ToolkitMaker<TMenuItem>());
}
