// The string grid as created: every setting at its initial value, the owned objects in place,
// the window and its timer, and the unit's registrations.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/SystemLook.h"

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

namespace {

// Every value compared as text so that one table holds settings of all types.
String V(bool b) {
    return b ? "true" : "false";
}
String V(const String& s) {
    return '"' + s + '"';
}
String V(const char* s) {
    return V(String(s));
}
String V(const void*) = delete;
template <class T>
requires(std::is_enum_v<T> || std::is_integral_v<T>) String V(T x) {
    return String::number(static_cast<qlonglong>(x));
}

struct DefaultCase {
    const char* name;
    std::function<String(TQvStringGrid&)> actual;
    String expected;
};

} // namespace

TEST(QvGridConstruction, EverySettingStartsAtItsInitialValue) {
    TQvStringGrid g(nullptr);
    const DefaultCase cases[] = {
        {"HighlightColor", [](TQvStringGrid& g) { return V(g.HighlightColor()); }, V(clHighlight)},
        {"HighlightTextColor", [](TQvStringGrid& g) { return V(g.HighlightTextColor()); },
         V(clHighlightText)},
        {"HintColor", [](TQvStringGrid& g) { return V(g.HintColor()); }, V(clInfoBk)},
        {"HintShowCells", [](TQvStringGrid& g) { return V(g.HintShowCells()); }, V(false)},
        {"HintShowLargeText", [](TQvStringGrid& g) { return V(g.HintShowLargeText()); }, V(false)},
        {"HintShowLargeTextPos", [](TQvStringGrid& g) { return V(g.HintShowLargeTextPos()); }, V(hpCell)},
        {"HintShowSizing", [](TQvStringGrid& g) { return V(g.HintShowSizing()); }, V(false)},
        {"HTMLHint", [](TQvStringGrid& g) { return V(g.HTMLHint()); }, V(false)},
        {"OemConvert", [](TQvStringGrid& g) { return V(g.OemConvert()); }, V(false)},
        {"AnchorHint", [](TQvStringGrid& g) { return V(g.AnchorHint()); }, V(false)},
        {"ActiveCellShow", [](TQvStringGrid& g) { return V(g.ActiveCellShow()); }, V(false)},
        {"ActiveCellColor", [](TQvStringGrid& g) { return V(g.ActiveCellColor()); }, V(clGray)},
        {"ActiveCellColorTo", [](TQvStringGrid& g) { return V(g.ActiveCellColorTo()); }, V(clNone)},
        {"AutoNumAlign", [](TQvStringGrid& g) { return V(g.AutoNumAlign()); }, V(false)},
        {"AutoSize", [](TQvStringGrid& g) { return V(g.AutoSize()); }, V(false)},
        {"AutoThemeAdapt", [](TQvStringGrid& g) { return V(g.AutoThemeAdapt()); }, V(false)},
        {"AutoFilterUpdate", [](TQvStringGrid& g) { return V(g.AutoFilterUpdate()); }, V(true)},
        {"BorderColor", [](TQvStringGrid& g) { return V(g.BorderColor()); }, V(0xB99D7F)},
        {"ColCount", [](TQvStringGrid& g) { return V(g.ColCount()); }, V(5)},
        {"Cursor", [](TQvStringGrid& g) { return V(g.Cursor()); }, V(crDefault)},
        {"DefaultRowHeight", [](TQvStringGrid& g) { return V(g.DefaultRowHeight()); }, V(22)},
        {"DefaultAlignment", [](TQvStringGrid& g) { return V(g.DefaultAlignment()); }, V(taLeftJustify)},
        {"DefaultEditor", [](TQvStringGrid& g) { return V(g.DefaultEditor()); }, V(edNormal)},
        {"DisabledFontColor", [](TQvStringGrid& g) { return V(g.DisabledFontColor()); }, V(clSilver)},
        {"EditWithTags", [](TQvStringGrid& g) { return V(g.EditWithTags()); }, V(false)},
        {"EnableBlink", [](TQvStringGrid& g) { return V(g.EnableBlink()); }, V(false)},
        {"EnableHTML", [](TQvStringGrid& g) { return V(g.EnableHTML()); }, V(true)},
        {"EnableWheel", [](TQvStringGrid& g) { return V(g.EnableWheel()); }, V(true)},
        {"EnhTextSize", [](TQvStringGrid& g) { return V(g.EnhTextSize()); }, V(false)},
        {"EnhRowColMove", [](TQvStringGrid& g) { return V(g.EnhRowColMove()); }, V(true)},
        {"ExcelStyleDecimalSeparator", [](TQvStringGrid& g) { return V(g.ExcelStyleDecimalSeparator()); },
         V(false)},
        {"FilterActive", [](TQvStringGrid& g) { return V(g.FilterActive()); }, V(false)},
        {"FilterDropDownAuto", [](TQvStringGrid& g) { return V(g.FilterDropDownAuto()); }, V(false)},
        {"FilterDropDownClear", [](TQvStringGrid& g) { return V(g.FilterDropDownClear()); }, V("(All)")},
        {"FilterDropDownCheck", [](TQvStringGrid& g) { return V(g.FilterDropDownCheck()); }, V(false)},
        {"FilterDropDownColumns", [](TQvStringGrid& g) { return V(g.FilterDropDownColumns()); }, V(fdNormal)},
        {"FilterDropDownRow", [](TQvStringGrid& g) { return V(g.FilterDropDownRow()); }, V(0)},
        {"FilterNormalCellsOnly", [](TQvStringGrid& g) { return V(g.FilterNormalCellsOnly()); }, V(true)},
        {"FixedCols", [](TQvStringGrid& g) { return V(g.FixedCols()); }, V(1)},
        {"FixedAsButtons", [](TQvStringGrid& g) { return V(g.FixedAsButtons()); }, V(false)},
        {"FixedFooters", [](TQvStringGrid& g) { return V(g.FixedFooters()); }, V(0)},
        {"FixedRightCols", [](TQvStringGrid& g) { return V(g.FixedRightCols()); }, V(0)},
        {"FixedColWidth", [](TQvStringGrid& g) { return V(g.FixedColWidth()); }, V(64)},
        {"FixedRowHeight", [](TQvStringGrid& g) { return V(g.FixedRowHeight()); }, V(22)},
        {"FixedRowAlways", [](TQvStringGrid& g) { return V(g.FixedRowAlways()); }, V(false)},
        {"FixedRows", [](TQvStringGrid& g) { return V(g.FixedRows()); }, V(1)},
        {"FixedColAlways", [](TQvStringGrid& g) { return V(g.FixedColAlways()); }, V(false)},
        {"Flat", [](TQvStringGrid& g) { return V(g.Flat()); }, V(false)},
        {"FloatFormat", [](TQvStringGrid& g) { return V(g.FloatFormat()); }, V("%.2f")},
        {"HideFocusRect", [](TQvStringGrid& g) { return V(g.HideFocusRect()); }, V(false)},
        {"Hovering", [](TQvStringGrid& g) { return V(g.Hovering()); }, V(false)},
        {"HoverFixedCells", [](TQvStringGrid& g) { return V(g.HoverFixedCells()); }, V(hfNone)},
        {"IntegralHeight", [](TQvStringGrid& g) { return V(g.IntegralHeight()); }, V(false)},
        {"IntelliPan", [](TQvStringGrid& g) { return V(g.IntelliPan()); }, V(ipVertical)},
        {"IntelliZoom", [](TQvStringGrid& g) { return V(g.IntelliZoom()); }, V(true)},
        {"InvalidEntryTitle", [](TQvStringGrid& g) { return V(g.InvalidEntryTitle()); }, V(String())},
        {"InvalidEntryIcon", [](TQvStringGrid& g) { return V(g.InvalidEntryIcon()); }, V(ieWarning)},
        {"InvalidEntryText", [](TQvStringGrid& g) { return V(g.InvalidEntryText()); }, V(String())},
        {"Look", [](TQvStringGrid& g) { return V(g.Look()); }, V(glXP)},
        {"Lookup", [](TQvStringGrid& g) { return V(g.Lookup()); }, V(false)},
        {"LookupCaseSensitive", [](TQvStringGrid& g) { return V(g.LookupCaseSensitive()); }, V(false)},
        {"LookupHistory", [](TQvStringGrid& g) { return V(g.LookupHistory()); }, V(false)},
        {"MaxEditLength", [](TQvStringGrid& g) { return V(g.MaxEditLength()); }, V(0)},
        {"MaxComboLength", [](TQvStringGrid& g) { return V(g.MaxComboLength()); }, V(0)},
        {"Multilinecells", [](TQvStringGrid& g) { return V(g.Multilinecells()); }, V(false)},
        {"RowCount", [](TQvStringGrid& g) { return V(g.RowCount()); }, V(10)},
        {"ScrollBarAlways", [](TQvStringGrid& g) { return V(g.ScrollBarAlways()); }, V(saNone)},
        {"ScrollBars", [](TQvStringGrid& g) { return V(g.ScrollBars()); }, V(ssBoth)},
        {"ScrollColor", [](TQvStringGrid& g) { return V(g.ScrollColor()); }, V(clNone)},
        {"ScrollProportional", [](TQvStringGrid& g) { return V(g.ScrollProportional()); }, V(false)},
        {"ScrollSynch", [](TQvStringGrid& g) { return V(g.ScrollSynch()); }, V(false)},
        {"ScrollType", [](TQvStringGrid& g) { return V(g.ScrollType()); }, V(ssNormal)},
        {"ScrollWidth", [](TQvStringGrid& g) { return V(g.ScrollWidth()); }, V(SystemScrollBarWidth())},
        {"ScrollHints", [](TQvStringGrid& g) { return V(g.ScrollHints()); }, V(shNone)},
        {"SelectionColor", [](TQvStringGrid& g) { return V(g.SelectionColor()); }, V(0xEACAB6)},
        {"SelectionColorTo", [](TQvStringGrid& g) { return V(g.SelectionColorTo()); }, V(clNone)},
        {"SelectionColorMixer", [](TQvStringGrid& g) { return V(g.SelectionColorMixer()); }, V(false)},
        {"SelectionColorMixerFactor", [](TQvStringGrid& g) { return V(g.SelectionColorMixerFactor()); },
         V(50)},
        {"SelectionMirrorColor", [](TQvStringGrid& g) { return V(g.SelectionMirrorColor()); }, V(clNone)},
        {"SelectionMirrorColorTo", [](TQvStringGrid& g) { return V(g.SelectionMirrorColorTo()); }, V(clNone)},
        {"SelectionRectangle", [](TQvStringGrid& g) { return V(g.SelectionRectangle()); }, V(false)},
        {"SelectionResizer", [](TQvStringGrid& g) { return V(g.SelectionResizer()); }, V(false)},
        {"SelectionRTFKeep", [](TQvStringGrid& g) { return V(g.SelectionRTFKeep()); }, V(false)},
        {"SelectionTextColor", [](TQvStringGrid& g) { return V(g.SelectionTextColor()); }, V(clBlack)},
        {"ShowSelection", [](TQvStringGrid& g) { return V(g.ShowSelection()); }, V(true)},
        {"ShowDesignHelper", [](TQvStringGrid& g) { return V(g.ShowDesignHelper()); }, V(true)},
        {"SizeWithForm", [](TQvStringGrid& g) { return V(g.SizeWithForm()); }, V(false)},
        {"URLColor", [](TQvStringGrid& g) { return V(g.URLColor()); }, V(clBlue)},
        {"URLShow", [](TQvStringGrid& g) { return V(g.URLShow()); }, V(false)},
        {"URLShowInText", [](TQvStringGrid& g) { return V(g.URLShowInText()); }, V(false)},
        {"URLUnderlineOnHover", [](TQvStringGrid& g) { return V(g.URLUnderlineOnHover()); }, V(false)},
        {"URLFull", [](TQvStringGrid& g) { return V(g.URLFull()); }, V(false)},
        {"URLEdit", [](TQvStringGrid& g) { return V(g.URLEdit()); }, V(false)},
        {"UseInternalHintClass", [](TQvStringGrid& g) { return V(g.UseInternalHintClass()); }, V(true)},
        {"ValidChars", [](TQvStringGrid& g) { return V(g.ValidChars()); }, V(String())},
        {"VAlignment", [](TQvStringGrid& g) { return V(g.VAlignment()); }, V(vtaTop)},
        {"WordWrap", [](TQvStringGrid& g) { return V(g.WordWrap()); }, V(true)},
        {"look.CheckSize", [](TQvStringGrid& g) { return V(g.ControlLook()->CheckSize()); }, V(15)},
        {"look.RadioSize", [](TQvStringGrid& g) { return V(g.ControlLook()->RadioSize()); }, V(10)},
        {"look.ControlStyle", [](TQvStringGrid& g) { return V(g.ControlLook()->ControlStyle()); },
         V(csTheme)},
        {"look.Color", [](TQvStringGrid& g) { return V(g.ControlLook()->Color()); }, V(clBlack)},
        {"look.CommentColor", [](TQvStringGrid& g) { return V(g.ControlLook()->CommentColor()); }, V(clRed)},
        {"look.FlatButton", [](TQvStringGrid& g) { return V(g.ControlLook()->FlatButton()); }, V(false)},
        {"look.NoDisabledCheckRadioLook",
         [](TQvStringGrid& g) { return V(g.ControlLook()->NoDisabledCheckRadioLook()); }, V(false)},
        {"look.NoDisabledButtonLook",
         [](TQvStringGrid& g) { return V(g.ControlLook()->NoDisabledButtonLook()); }, V(false)},
        {"look.CheckAlwaysActive", [](TQvStringGrid& g) { return V(g.ControlLook()->CheckAlwaysActive()); },
         V(false)},
        {"look.RadioAlwaysActive", [](TQvStringGrid& g) { return V(g.ControlLook()->RadioAlwaysActive()); },
         V(false)},
        {"look.DropDownAlwaysVisible",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownAlwaysVisible()); }, V(false)},
        {"look.SpinButtonsAlwaysVisible",
         [](TQvStringGrid& g) { return V(g.ControlLook()->SpinButtonsAlwaysVisible()); }, V(false)},
        {"look.DropDownCount", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownCount()); }, V(8)},
        {"look.HintMaxWidth", [](TQvStringGrid& g) { return V(g.ControlLook()->HintMaxWidth()); }, V(0)},
        {"look.ProgressBorderColor",
         [](TQvStringGrid& g) { return V(g.ControlLook()->ProgressBorderColor()); }, V(clGray)},
        {"look.ProgressMarginX", [](TQvStringGrid& g) { return V(g.ControlLook()->ProgressMarginX()); },
         V(2)},
        {"look.ProgressMarginY", [](TQvStringGrid& g) { return V(g.ControlLook()->ProgressMarginY()); },
         V(2)},
        {"look.ProgressXP", [](TQvStringGrid& g) { return V(g.ControlLook()->ProgressXP()); }, V(false)},
        {"look.FixedDropDownButton",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedDropDownButton()); }, V(false)},
        {"look.FixedGradientFrom", [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientFrom()); },
         V(clNone)},
        {"look.FixedGradientTo", [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientTo()); },
         V(clNone)},
        {"look.FixedGradientMirrorFrom",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientMirrorFrom()); }, V(clNone)},
        {"look.FixedGradientMirrorTo",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientMirrorTo()); }, V(clNone)},
        {"look.FixedGradientHoverFrom",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientHoverFrom()); }, V(clGray)},
        {"look.FixedGradientHoverTo",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientHoverTo()); }, V(clWhite)},
        {"look.FixedGradientHoverMirrorFrom",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientHoverMirrorFrom()); }, V(clNone)},
        {"look.FixedGradientHoverMirrorTo",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientHoverMirrorTo()); }, V(clNone)},
        {"look.FixedGradientHoverBorder",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientHoverBorder()); }, V(clSilver)},
        {"look.FixedGradientDownFrom",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientDownFrom()); }, V(clGray)},
        {"look.FixedGradientDownTo",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientDownTo()); }, V(clSilver)},
        {"look.FixedGradientDownMirrorFrom",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientDownMirrorFrom()); }, V(clNone)},
        {"look.FixedGradientDownMirrorTo",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientDownMirrorTo()); }, V(clNone)},
        {"look.FixedGradientDownBorder",
         [](TQvStringGrid& g) { return V(g.ControlLook()->FixedGradientDownBorder()); }, V(clGray)},
        {"background.Top", [](TQvStringGrid& g) { return V(g.BackGround()->Top()); }, V(0)},
        {"background.Left", [](TQvStringGrid& g) { return V(g.BackGround()->Left()); }, V(0)},
        {"background.Display", [](TQvStringGrid& g) { return V(g.BackGround()->Display()); }, V(bdTile)},
        {"background.Cells", [](TQvStringGrid& g) { return V(g.BackGround()->Cells()); }, V(bcNormal)},
        {"background.Color", [](TQvStringGrid& g) { return V(g.BackGround()->Color()); }, V(clWindow)},
        {"background.ColorTo", [](TQvStringGrid& g) { return V(g.BackGround()->ColorTo()); }, V(clBtnFace)},
        {"balloon.Enable", [](TQvStringGrid& g) { return V(g.Balloon()->Enable()); }, V(false)},
        {"balloon.AutoHideDelay", [](TQvStringGrid& g) { return V(g.Balloon()->AutoHideDelay()); }, V(-1)},
        {"balloon.InitialDelay", [](TQvStringGrid& g) { return V(g.Balloon()->InitialDelay()); }, V(-1)},
        {"balloon.ReshowDelay", [](TQvStringGrid& g) { return V(g.Balloon()->ReshowDelay()); }, V(-1)},
        {"balloon.BackgroundColor", [](TQvStringGrid& g) { return V(g.Balloon()->BackgroundColor()); },
         V(clNone)},
        {"balloon.TextColor", [](TQvStringGrid& g) { return V(g.Balloon()->TextColor()); }, V(clNone)},
        {"balloon.Transparency", [](TQvStringGrid& g) { return V(g.Balloon()->Transparency()); }, V(0)},
        {"progress.CompleteColor",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->CompleteColor()); }, V(clRed)},
        {"progress.CompleteFontColor",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->CompleteFontColor()); }, V(clBlue)},
        {"progress.UnCompleteColor",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->UnCompleteColor()); }, V(clNone)},
        {"progress.UnCompleteFontColor",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->UnCompleteFontColor()); }, V(clWindowText)},
        {"progress.Level0Color", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level0Color()); },
         V(clLime)},
        {"progress.Level0ColorTo",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level0ColorTo()); }, V(0xE1FFE1)},
        {"progress.Level1Color", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level1Color()); },
         V(clYellow)},
        {"progress.Level1ColorTo",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level1ColorTo()); }, V(0xCAFFFF)},
        {"progress.Level2Color", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level2Color()); },
         V(0x53A9FF)},
        {"progress.Level2ColorTo",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level2ColorTo()); }, V(0xA8D3FF)},
        {"progress.Level3Color", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level3Color()); },
         V(clRed)},
        {"progress.Level3ColorTo",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level3ColorTo()); }, V(0xCACAFF)},
        {"progress.Level1Perc", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level1Perc()); },
         V(70)},
        {"progress.Level2Perc", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Level2Perc()); },
         V(90)},
        {"progress.BorderColor", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->BorderColor()); },
         V(clBlack)},
        {"progress.ShowBorder", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->ShowBorder()); },
         V(false)},
        {"progress.Stacked", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Stacked()); }, V(false)},
        {"progress.ShowPercentage",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->ShowPercentage()); }, V(true)},
        {"progress.CompletionSmooth",
         [](TQvStringGrid& g) { return V(g.ProgressAppearance()->CompletionSmooth()); }, V(true)},
        {"progress.ShowGradient", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->ShowGradient()); },
         V(true)},
        {"progress.Steps", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Steps()); }, V(11)},
        {"progress.Style", [](TQvStringGrid& g) { return V(g.ProgressAppearance()->Style()); }, V(psXP)},
        {"columnsize.Save", [](TQvStringGrid& g) { return V(g.ColumnSize()->Save()); }, V(false)},
        {"columnsize.Key", [](TQvStringGrid& g) { return V(g.ColumnSize()->Key()); }, V(String())},
        {"columnsize.Section", [](TQvStringGrid& g) { return V(g.ColumnSize()->Section()); }, V(String())},
        {"columnsize.Location", [](TQvStringGrid& g) { return V(g.ColumnSize()->Location()); },
         V(clRegistry)},
        {"columnsize.Stretch", [](TQvStringGrid& g) { return V(g.ColumnSize()->Stretch()); }, V(false)},
        {"columnsize.StretchColumn", [](TQvStringGrid& g) { return V(g.ColumnSize()->StretchColumn()); },
         V(-1)},
        {"columnsize.SynchWithGrid", [](TQvStringGrid& g) { return V(g.ColumnSize()->SynchWithGrid()); },
         V(false)},
        {"columnsize.SynchNormalCellsOnly",
         [](TQvStringGrid& g) { return V(g.ColumnSize()->SynchNormalCellsOnly()); }, V(false)},
        {"columnsize.Rows", [](TQvStringGrid& g) { return V(g.ColumnSize()->Rows()); }, V(arAll)},
        {"cellnode.Color", [](TQvStringGrid& g) { return V(g.CellNode()->Color()); }, V(clSilver)},
        {"cellnode.ExpandOne", [](TQvStringGrid& g) { return V(g.CellNode()->ExpandOne()); }, V(false)},
        {"cellnode.NodeType", [](TQvStringGrid& g) { return V(g.CellNode()->NodeType()); }, V(cnXP)},
        {"cellnode.NodeColor", [](TQvStringGrid& g) { return V(g.CellNode()->NodeColor()); }, V(clBlack)},
        {"cellnode.NodeIndent", [](TQvStringGrid& g) { return V(g.CellNode()->NodeIndent()); }, V(12)},
        {"cellnode.ShowTree", [](TQvStringGrid& g) { return V(g.CellNode()->ShowTree()); }, V(true)},
        {"cellnode.ShowTreeFull", [](TQvStringGrid& g) { return V(g.CellNode()->ShowTreeFull()); }, V(true)},
        {"cellnode.TreeColor", [](TQvStringGrid& g) { return V(g.CellNode()->TreeColor()); }, V(clGray)},
        {"html.AutoPreview", [](TQvStringGrid& g) { return V(g.HTMLSettings()->AutoPreview()); }, V(false)},
        {"html.BorderSize", [](TQvStringGrid& g) { return V(g.HTMLSettings()->BorderSize()); }, V(1)},
        {"html.CellSpacing", [](TQvStringGrid& g) { return V(g.HTMLSettings()->CellSpacing()); }, V(0)},
        {"html.CellPadding", [](TQvStringGrid& g) { return V(g.HTMLSettings()->CellPadding()); }, V(0)},
        {"html.ConvertSpecialChars",
         [](TQvStringGrid& g) { return V(g.HTMLSettings()->ConvertSpecialChars()); }, V(false)},
        {"html.ExportImages", [](TQvStringGrid& g) { return V(g.HTMLSettings()->ExportImages()); }, V(true)},
        {"html.FooterFile", [](TQvStringGrid& g) { return V(g.HTMLSettings()->FooterFile()); }, V(String())},
        {"html.HeaderFile", [](TQvStringGrid& g) { return V(g.HTMLSettings()->HeaderFile()); }, V(String())},
        {"html.NonBreakingText", [](TQvStringGrid& g) { return V(g.HTMLSettings()->NonBreakingText()); },
         V(false)},
        {"html.PrefixTag", [](TQvStringGrid& g) { return V(g.HTMLSettings()->PrefixTag()); }, V(String())},
        {"html.SaveColor", [](TQvStringGrid& g) { return V(g.HTMLSettings()->SaveColor()); }, V(true)},
        {"html.SaveFonts", [](TQvStringGrid& g) { return V(g.HTMLSettings()->SaveFonts()); }, V(true)},
        {"html.SuffixTag", [](TQvStringGrid& g) { return V(g.HTMLSettings()->SuffixTag()); }, V(String())},
        {"html.Summary", [](TQvStringGrid& g) { return V(g.HTMLSettings()->Summary()); }, V(String())},
        {"html.TableStyle", [](TQvStringGrid& g) { return V(g.HTMLSettings()->TableStyle()); }, V(String())},
        {"html.Width", [](TQvStringGrid& g) { return V(g.HTMLSettings()->Width()); }, V(100)},
        {"html.XHTML", [](TQvStringGrid& g) { return V(g.HTMLSettings()->XHTML()); }, V(false)},
        {"print.FooterSize", [](TQvStringGrid& g) { return V(g.PrintSettings()->FooterSize()); }, V(0)},
        {"print.HeaderSize", [](TQvStringGrid& g) { return V(g.PrintSettings()->HeaderSize()); }, V(0)},
        {"print.Time", [](TQvStringGrid& g) { return V(g.PrintSettings()->Time()); }, V(ppNone)},
        {"print.Date", [](TQvStringGrid& g) { return V(g.PrintSettings()->Date()); }, V(ppNone)},
        {"print.DateFormat", [](TQvStringGrid& g) { return V(g.PrintSettings()->DateFormat()); },
         V("dd/mm/yyyy")},
        {"print.PageNr", [](TQvStringGrid& g) { return V(g.PrintSettings()->PageNr()); }, V(ppNone)},
        {"print.Title", [](TQvStringGrid& g) { return V(g.PrintSettings()->Title()); }, V(ppNone)},
        {"print.TitleText", [](TQvStringGrid& g) { return V(g.PrintSettings()->TitleText()); }, V(String())},
        {"print.Borders", [](TQvStringGrid& g) { return V(g.PrintSettings()->Borders()); }, V(pbSingle)},
        {"print.BorderStyle", [](TQvStringGrid& g) { return V(g.PrintSettings()->BorderStyle()); },
         V(psSolid)},
        {"print.BorderColor", [](TQvStringGrid& g) { return V(g.PrintSettings()->BorderColor()); },
         V(clBlack)},
        {"print.Centered", [](TQvStringGrid& g) { return V(g.PrintSettings()->Centered()); }, V(true)},
        {"print.RepeatFixedRows", [](TQvStringGrid& g) { return V(g.PrintSettings()->RepeatFixedRows()); },
         V(false)},
        {"print.RepeatFixedCols", [](TQvStringGrid& g) { return V(g.PrintSettings()->RepeatFixedCols()); },
         V(false)},
        {"print.LeftSize", [](TQvStringGrid& g) { return V(g.PrintSettings()->LeftSize()); }, V(0)},
        {"print.RightSize", [](TQvStringGrid& g) { return V(g.PrintSettings()->RightSize()); }, V(0)},
        {"print.ColumnSpacing", [](TQvStringGrid& g) { return V(g.PrintSettings()->ColumnSpacing()); }, V(0)},
        {"print.RowSpacing", [](TQvStringGrid& g) { return V(g.PrintSettings()->RowSpacing()); }, V(0)},
        {"print.TitleSpacing", [](TQvStringGrid& g) { return V(g.PrintSettings()->TitleSpacing()); }, V(0)},
        {"print.Orientation", [](TQvStringGrid& g) { return V(g.PrintSettings()->Orientation()); },
         V(poPortrait)},
        {"print.PagePrefix", [](TQvStringGrid& g) { return V(g.PrintSettings()->PagePrefix()); },
         V(String())},
        {"print.PageSuffix", [](TQvStringGrid& g) { return V(g.PrintSettings()->PageSuffix()); },
         V(String())},
        {"print.PageNumberOffset", [](TQvStringGrid& g) { return V(g.PrintSettings()->PageNumberOffset()); },
         V(0)},
        {"print.MaxPagesOffset", [](TQvStringGrid& g) { return V(g.PrintSettings()->MaxPagesOffset()); },
         V(0)},
        {"print.FixedWidth", [](TQvStringGrid& g) { return V(g.PrintSettings()->FixedWidth()); }, V(0)},
        {"print.FixedHeight", [](TQvStringGrid& g) { return V(g.PrintSettings()->FixedHeight()); }, V(0)},
        {"print.UseFixedHeight", [](TQvStringGrid& g) { return V(g.PrintSettings()->UseFixedHeight()); },
         V(false)},
        {"print.UseFixedWidth", [](TQvStringGrid& g) { return V(g.PrintSettings()->UseFixedWidth()); },
         V(false)},
        {"print.FitToPage", [](TQvStringGrid& g) { return V(g.PrintSettings()->FitToPage()); }, V(fpNever)},
        {"print.JobName", [](TQvStringGrid& g) { return V(g.PrintSettings()->JobName()); }, V(String())},
        {"print.PageNumSep", [](TQvStringGrid& g) { return V(g.PrintSettings()->PageNumSep()); }, V("/")},
        {"print.NoAutoSize", [](TQvStringGrid& g) { return V(g.PrintSettings()->NoAutoSize()); }, V(false)},
        {"print.NoAutoSizeRow", [](TQvStringGrid& g) { return V(g.PrintSettings()->NoAutoSizeRow()); },
         V(false)},
        {"print.PrintGraphics", [](TQvStringGrid& g) { return V(g.PrintSettings()->PrintGraphics()); },
         V(false)},
        {"print.UseDisplayFont", [](TQvStringGrid& g) { return V(g.PrintSettings()->UseDisplayFont()); },
         V(true)},
        {"print.UseDefaultOrientation",
         [](TQvStringGrid& g) { return V(g.PrintSettings()->UseDefaultOrientation()); }, V(false)},
        {"print.FixedCellsAlways", [](TQvStringGrid& g) { return V(g.PrintSettings()->FixedCellsAlways()); },
         V(false)},
        {"sort.AutoSortForGrouping",
         [](TQvStringGrid& g) { return V(g.SortSettings()->AutoSortForGrouping()); }, V(true)},
        {"sort.AutoColumnMerge", [](TQvStringGrid& g) { return V(g.SortSettings()->AutoColumnMerge()); },
         V(false)},
        {"sort.Column", [](TQvStringGrid& g) { return V(g.SortSettings()->Column()); }, V(-1)},
        {"sort.Show", [](TQvStringGrid& g) { return V(g.SortSettings()->Show()); }, V(false)},
        {"sort.IndexShow", [](TQvStringGrid& g) { return V(g.SortSettings()->IndexShow()); }, V(false)},
        {"sort.IndexColor", [](TQvStringGrid& g) { return V(g.SortSettings()->IndexColor()); }, V(clYellow)},
        {"sort.IndexSortKey", [](TQvStringGrid& g) { return V(g.SortSettings()->IndexSortKey()); },
         V(ikShift)},
        {"sort.Full", [](TQvStringGrid& g) { return V(g.SortSettings()->Full()); }, V(true)},
        {"sort.SingleColumn", [](TQvStringGrid& g) { return V(g.SortSettings()->SingleColumn()); }, V(false)},
        {"sort.IgnoreBlanks", [](TQvStringGrid& g) { return V(g.SortSettings()->IgnoreBlanks()); }, V(false)},
        {"sort.BlankPos", [](TQvStringGrid& g) { return V(g.SortSettings()->BlankPos()); }, V(blFirst)},
        {"sort.AutoFormat", [](TQvStringGrid& g) { return V(g.SortSettings()->AutoFormat()); }, V(true)},
        {"sort.Direction", [](TQvStringGrid& g) { return V(g.SortSettings()->Direction()); }, V(sdAscending)},
        {"sort.IgnoreCase", [](TQvStringGrid& g) { return V(g.SortSettings()->IgnoreCase()); }, V(false)},
        {"sort.InitSortDirection", [](TQvStringGrid& g) { return V(g.SortSettings()->InitSortDirection()); },
         V(sdAscending)},
        {"sort.FixedCols", [](TQvStringGrid& g) { return V(g.SortSettings()->FixedCols()); }, V(false)},
        {"sort.NormalCellsOnly", [](TQvStringGrid& g) { return V(g.SortSettings()->NormalCellsOnly()); },
         V(false)},
        {"sort.Row", [](TQvStringGrid& g) { return V(g.SortSettings()->Row()); }, V(0)},
        {"sort.UndoSort", [](TQvStringGrid& g) { return V(g.SortSettings()->UndoSort()); }, V(false)},
        {"sort.SortOnVirtualCells",
         [](TQvStringGrid& g) { return V(g.SortSettings()->SortOnVirtualCells()); }, V(true)},
        {"sort.HeaderColor", [](TQvStringGrid& g) { return V(g.SortSettings()->HeaderColor()); }, V(clNone)},
        {"sort.HeaderColorTo", [](TQvStringGrid& g) { return V(g.SortSettings()->HeaderColorTo()); },
         V(clNone)},
        {"sort.HeaderMirrorColor", [](TQvStringGrid& g) { return V(g.SortSettings()->HeaderMirrorColor()); },
         V(clNone)},
        {"sort.HeaderMirrorColorTo",
         [](TQvStringGrid& g) { return V(g.SortSettings()->HeaderMirrorColorTo()); }, V(clNone)},
        {"grouping.AutoSelectGroup", [](TQvStringGrid& g) { return V(g.Grouping()->AutoSelectGroup()); },
         V(false)},
        {"grouping.AutoCheckGroup", [](TQvStringGrid& g) { return V(g.Grouping()->AutoCheckGroup()); },
         V(false)},
        {"grouping.GroupCountFormat", [](TQvStringGrid& g) { return V(g.Grouping()->GroupCountFormat()); },
         V(String())},
        {"grouping.HeaderColor", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderColor()); }, V(clNone)},
        {"grouping.HeaderColorTo", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderColorTo()); },
         V(clNone)},
        {"grouping.HeaderTextColor", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderTextColor()); },
         V(clNone)},
        {"grouping.HeaderUnderline", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderUnderline()); },
         V(false)},
        {"grouping.HeaderLineColor", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderLineColor()); },
         V(clBlue)},
        {"grouping.HeaderLineWidth", [](TQvStringGrid& g) { return V(g.Grouping()->HeaderLineWidth()); },
         V(2)},
        {"grouping.MergeHeader", [](TQvStringGrid& g) { return V(g.Grouping()->MergeHeader()); }, V(false)},
        {"grouping.MergeSummary", [](TQvStringGrid& g) { return V(g.Grouping()->MergeSummary()); }, V(false)},
        {"grouping.ShowGroupCount", [](TQvStringGrid& g) { return V(g.Grouping()->ShowGroupCount()); },
         V(false)},
        {"grouping.Summary", [](TQvStringGrid& g) { return V(g.Grouping()->Summary()); }, V(false)},
        {"grouping.SummaryColor", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryColor()); },
         V(clNone)},
        {"grouping.SummaryColorTo", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryColorTo()); },
         V(clNone)},
        {"grouping.SummaryTextColor", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryTextColor()); },
         V(clNone)},
        {"grouping.SummaryLine", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryLine()); }, V(false)},
        {"grouping.SummaryLineColor", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryLineColor()); },
         V(clBlue)},
        {"grouping.SummaryLineWidth", [](TQvStringGrid& g) { return V(g.Grouping()->SummaryLineWidth()); },
         V(2)},
        {"dragdrop.ShowCells", [](TQvStringGrid& g) { return V(g.DragDropSettings()->ShowCells()); },
         V(true)},
        {"dragdrop.OleAcceptFiles",
         [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleAcceptFiles()); }, V(true)},
        {"dragdrop.OleAcceptText", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleAcceptText()); },
         V(true)},
        {"dragdrop.OleAcceptURLs", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleAcceptURLs()); },
         V(true)},
        {"dragdrop.OleAppendRows", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleAppendRows()); },
         V(false)},
        {"dragdrop.OleColumnDragDrop",
         [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleColumnDragDrop()); }, V(false)},
        {"dragdrop.OleColumnReorder",
         [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleColumnReorder()); }, V(false)},
        {"dragdrop.OleColumnsOnly",
         [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleColumnsOnly()); }, V(false)},
        {"dragdrop.OleCopyAlways", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleCopyAlways()); },
         V(false)},
        {"dragdrop.OleDropTarget", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleDropTarget()); },
         V(false)},
        {"dragdrop.OleDropSource", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleDropSource()); },
         V(false)},
        {"dragdrop.OleEntireRows", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleEntireRows()); },
         V(false)},
        {"dragdrop.OleInsertRows", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleInsertRows()); },
         V(false)},
        {"dragdrop.OleRemoveRows", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleRemoveRows()); },
         V(false)},
        {"dragdrop.OleDropRTF", [](TQvStringGrid& g) { return V(g.DragDropSettings()->OleDropRTF()); },
         V(false)},
        {"filterdropdown.AutoSize", [](TQvStringGrid& g) { return V(g.FilterDropDown()->AutoSize()); },
         V(false)},
        {"filterdropdown.Color", [](TQvStringGrid& g) { return V(g.FilterDropDown()->Color()); },
         V(clWindow)},
        {"filterdropdown.ColumnWidth", [](TQvStringGrid& g) { return V(g.FilterDropDown()->ColumnWidth()); },
         V(false)},
        {"filterdropdown.Height", [](TQvStringGrid& g) { return V(g.FilterDropDown()->Height()); }, V(150)},
        {"filterdropdown.Width", [](TQvStringGrid& g) { return V(g.FilterDropDown()->Width()); }, V(150)},
        {"header.Color", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->Color()); },
         V(0xC0C0C0)},
        {"header.ColorTo", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->ColorTo()); },
         V(0xFFFFFF)},
        {"header.GradientDirection",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->GradientDirection()); },
         V(gdVertical)},
        {"header.Height", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->Height()); },
         V(22)},
        {"header.BorderColor",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->BorderColor()); }, V(0)},
        {"header.BorderWidth",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->BorderWidth()); }, V(1)},
        {"header.ImageIndex",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->ImageIndex()); }, V(-1)},
        {"header.ButtonAlignment",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownHeader()->ButtonAlignment()); },
         V(baRight)},
        {"footer.Color", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->Color()); },
         V(0xC0C0C0)},
        {"footer.ColorTo", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->ColorTo()); },
         V(0xFFFFFF)},
        {"footer.GradientDirection",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->GradientDirection()); },
         V(gdVertical)},
        {"footer.Height", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->Height()); },
         V(22)},
        {"footer.BorderColor",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->BorderColor()); }, V(0)},
        {"footer.BorderWidth",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->BorderWidth()); }, V(1)},
        {"footer.ImageIndex",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->ImageIndex()); }, V(-1)},
        {"footer.ButtonAlignment",
         [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->ButtonAlignment()); },
         V(baRight)},
        {"footer.SizeGrip", [](TQvStringGrid& g) { return V(g.ControlLook()->DropDownFooter()->SizeGrip()); },
         V(true)},
    };
    for (const DefaultCase& c : cases)
        EXPECT_EQ(c.actual(g), c.expected) << c.name;
}

TEST(QvGridConstruction, CountsSizesAndLooksOfANewGrid) {
    TQvStringGrid g(nullptr);
    EXPECT_EQ(g.Width(), 400);
    EXPECT_EQ(g.Height(), 250);
    EXPECT_EQ(g.RowHeights(0), 22);
    EXPECT_EQ(g.RowHeights(9), 22);
    EXPECT_EQ(g.FixedColWidth(), g.DefaultColWidth());
    EXPECT_EQ(g.FixedFont()->Name(), "Tahoma");
    EXPECT_EQ(g.FixedFont()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(g.ActiveCellFont()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(g.CheckTrue(), "Y");
    EXPECT_EQ(g.CheckFalse(), "N");
    EXPECT_EQ(g.PasswordChar(), QChar('*'));
    EXPECT_EQ(g.IgnoreColumns()->Count(), 1);
    EXPECT_EQ(g.IgnoreColumns()->Items(0), -1);
    EXPECT_EQ(g.InitialColSizes()->Items(0), -1);
    EXPECT_EQ(g.FloatingFooter()->Height(), 22);
    EXPECT_EQ(g.ZoomFactor(), 0);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_FALSE(g.IsHiddenColumn(0));
    EXPECT_FALSE(g.IsLoaded());
    // The fixed cells of the gradient looks run from white to the button face.
    EXPECT_EQ(g.FixedGradientColors().From, clWhite);
    EXPECT_EQ(g.FixedGradientColors().To, ColorToRGB(clBtnFace));
    EXPECT_EQ(g.FixedGradientColors().HoverMirrorFrom, clNone);
    EXPECT_EQ(g.ControlLook()->DropDownHeader()->Font()->Name(), "Tahoma");
    EXPECT_TRUE(g.ControlLook()->CheckedGlyph()->Empty());
    EXPECT_TRUE(g.SortSettings()->UpGlyph()->Empty());
    EXPECT_EQ(g.Filter()->Count(), 0);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(g.Version(), "6.2.1.3");
    EXPECT_EQ(g.GetVersionString(), "6.2.1.3 Sep, 2012");
    EXPECT_EQ(QvGrid::LinkCursor, crHandPoint);
}

TEST(QvGridConstruction, ChildControlsAreHiddenAndEmpty) {
    TQvStringGrid g(nullptr);
    ASSERT_NE(g.FooterPanel(), nullptr);
    ASSERT_NE(g.SearchPanel(), nullptr);
    EXPECT_EQ(g.FooterPanel()->Align(), alBottom);
    EXPECT_EQ(g.FooterPanel()->Height(), 0);
    EXPECT_EQ(g.SearchPanel()->Height(), 0);
    ASSERT_NE(g.FilterList(), nullptr);
    EXPECT_EQ(g.FilterList()->Parent(), &g);
    EXPECT_FALSE(g.FilterList()->Visible());
    EXPECT_EQ(g.FilterList()->Width(), 0);
    EXPECT_FALSE(g.FilterCheckList()->Visible());
    // Freed by the grid, not left to the component owner's sweep.
    EXPECT_EQ(g.FilterList()->Owner(), &g);
}

TEST(QvGridUnit, RegistersItsClipboardFormatAndMessagesOnce) {
    EXPECT_GE(QvGrid::GridCellsClipboardFormat, 0xC000u);
    EXPECT_EQ(QvGrid::GridCellsClipboardFormat, RegisterClipboardFormat("TQvStringGrid Cells"));
    EXPECT_EQ(QvGrid::GridEditDoneMessage, RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(QvGrid::DTPShiftFocusMessage, RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_NE(QvGrid::GridEditDoneMessage, QvGrid::DTPShiftFocusMessage);
    const UINT before = QvGrid::GridEditDoneMessage;
    InitQvGridUnit();
    FinalizeQvGridUnit();
    EXPECT_EQ(QvGrid::GridEditDoneMessage, before);
    EXPECT_TRUE(QvGrid::DateTimePickerSupported);
}

TEST(QvGridWindow, CreatingTheWindowStartsTheGridTimerAndParentsThePanels) {
    TForm form(nullptr);
    auto* g = new TQvStringGrid(&form);
    g->SetParent(&form);
    EXPECT_FALSE(g->GridTimerActive());
    EXPECT_EQ(g->FooterPanel()->Parent(), nullptr);
    g->HandleNeeded();
    EXPECT_TRUE(g->GridTimerActive());
    EXPECT_EQ(g->FooterPanel()->Parent(), g);
    EXPECT_FALSE(g->FooterPanel()->Visible());
    EXPECT_FALSE(g->SearchPanel()->Visible());
    // Timer 111 reaches the window procedure as WM_TIMER; other timers do not count.
    SendMessage(g, WM_TIMER, kGridTimerID, 0);
    SendMessage(g, WM_TIMER, 7, 0);
    EXPECT_EQ(g->GridTimerTicks(), 1);
}

TEST(QvGridWindow, FollowsItsFormAndGivesBackTheFormsResizeHandler) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 500);
    int formHandlerCalls = 0;
    form.OnResize = [&](TObject*) { ++formHandlerCalls; };
    {
        TQvStringGrid g(&form);
        g.SetSizeWithForm(true);
        form.SetBounds(0, 0, 650, 520);
        EXPECT_EQ(formHandlerCalls, 1);
        EXPECT_EQ(g.Width(), 450);
        EXPECT_EQ(g.Height(), 270);
        g.SetSizeWithForm(false);
        form.SetBounds(0, 0, 700, 560);
        EXPECT_EQ(formHandlerCalls, 2);
        EXPECT_EQ(g.Width(), 450);
    }
    form.SetBounds(0, 0, 600, 500);
    EXPECT_EQ(formHandlerCalls, 3);
}
