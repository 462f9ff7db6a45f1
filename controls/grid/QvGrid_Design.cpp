// Reading the string grid's stored properties from a window design.
#include "controls/grid/QvGrid.h"

#include "toolkit/system/DesignValue.h"

#include <map>

namespace {

using GridPropertyReader = void (*)(TQvStringGrid&, const TDesignValue&);

void SetDesignLines(TStringList* list, const TDesignValue& v) {
    list->Clear();
    for (const QString& line : v.AsStrings())
        list->Add(line);
}


#define QV_READ_BOOL(Name)                                                                                   \
    {                                                                                                        \
#Name, [](TQvStringGrid & g, const TDesignValue& v) { g.Set##Name(v.AsBool()); }                     \
    }
#define QV_READ_INT(Name)                                                                                    \
    {                                                                                                        \
#Name, [](TQvStringGrid & g, const TDesignValue& v) { g.Set##Name(v.AsInt()); }                      \
    }
#define QV_READ_COLOR(Name)                                                                                  \
    {                                                                                                        \
#Name, [](TQvStringGrid & g, const TDesignValue& v) { g.Set##Name(DesignColor(v)); }                 \
    }
#define QV_READ_TEXT(Name)                                                                                   \
    {                                                                                                        \
#Name, [](TQvStringGrid & g, const TDesignValue& v) { g.Set##Name(v.AsString()); }                   \
    }
#define QV_READ_ENUM(Name, Type)                                                                             \
    {                                                                                                        \
#Name, [](TQvStringGrid & g,                                                                         \
                  const TDesignValue&                                                                        \
                      v) { g.Set##Name(static_cast<Type>(DesignEnum(v, static_cast<int>(g.Name())))); }      \
    }

const std::map<QString, GridPropertyReader>& GridPropertyReaders() {
    static const std::map<QString, GridPropertyReader> readers = [] {
        const std::pair<const char*, GridPropertyReader> table[] = {
            QV_READ_INT(RowCount),
            QV_READ_INT(ColCount),
            QV_READ_INT(FixedRows),
            QV_READ_INT(FixedCols),
            QV_READ_INT(DefaultRowHeight),
            QV_READ_INT(FixedRowHeight),
            QV_READ_INT(FixedColWidth),
            QV_READ_INT(FixedFooters),
            QV_READ_INT(FixedRightCols),
            QV_READ_BOOL(FixedRowAlways),
            QV_READ_BOOL(FixedColAlways),
            QV_READ_BOOL(FixedAsButtons),
            QV_READ_BOOL(ActiveCellShow),
            QV_READ_COLOR(ActiveCellColor),
            QV_READ_COLOR(ActiveCellColorTo),
            QV_READ_BOOL(AnchorHint),
            QV_READ_BOOL(AutoNumAlign),
            QV_READ_BOOL(AutoThemeAdapt),
            QV_READ_BOOL(AutoFilterUpdate),
            QV_READ_COLOR(BorderColor),
            QV_READ_ENUM(DefaultAlignment, TAlignment),
            QV_READ_ENUM(DefaultEditor, TEditorType),
            QV_READ_COLOR(DisabledFontColor),
            QV_READ_BOOL(EditWithTags),
            QV_READ_BOOL(EnableBlink),
            QV_READ_BOOL(EnableHTML),
            QV_READ_BOOL(EnableWheel),
            QV_READ_BOOL(EnhTextSize),
            QV_READ_BOOL(EnhRowColMove),
            QV_READ_BOOL(ExcelStyleDecimalSeparator),
            QV_READ_BOOL(FilterActive),
            QV_READ_BOOL(FilterDropDownAuto),
            QV_READ_TEXT(FilterDropDownClear),
            QV_READ_BOOL(FilterDropDownCheck),
            QV_READ_ENUM(FilterDropDownColumns, TFilterDropDownColumns),
            QV_READ_INT(FilterDropDownRow),
            QV_READ_BOOL(FilterNormalCellsOnly),
            QV_READ_BOOL(Flat),
            QV_READ_TEXT(FloatFormat),
            QV_READ_COLOR(HighlightColor),
            QV_READ_COLOR(HighlightTextColor),
            QV_READ_COLOR(HintColor),
            QV_READ_BOOL(HintShowCells),
            QV_READ_BOOL(HintShowLargeText),
            QV_READ_ENUM(HintShowLargeTextPos, THintShowLargeTextPos),
            QV_READ_BOOL(HintShowSizing),
            QV_READ_BOOL(HTMLHint),
            QV_READ_BOOL(HideFocusRect),
            QV_READ_BOOL(Hovering),
            QV_READ_ENUM(HoverFixedCells, THoverFixedCells),
            QV_READ_BOOL(IntegralHeight),
            QV_READ_ENUM(IntelliPan, TIntelliPan),
            QV_READ_BOOL(IntelliZoom),
            QV_READ_TEXT(InvalidEntryTitle),
            QV_READ_ENUM(InvalidEntryIcon, TInvalidEntryIcon),
            QV_READ_TEXT(InvalidEntryText),
            QV_READ_ENUM(Look, TGridLook),
            QV_READ_BOOL(Lookup),
            QV_READ_BOOL(LookupCaseSensitive),
            QV_READ_BOOL(LookupHistory),
            QV_READ_INT(MaxEditLength),
            QV_READ_INT(MaxComboLength),
            QV_READ_BOOL(Multilinecells),
            QV_READ_BOOL(OemConvert),
            QV_READ_ENUM(ScrollBarAlways, TScrollBarAlways),
            QV_READ_COLOR(ScrollColor),
            QV_READ_BOOL(ScrollProportional),
            QV_READ_BOOL(ScrollSynch),
            QV_READ_ENUM(ScrollType, TScrollType),
            QV_READ_INT(ScrollWidth),
            QV_READ_ENUM(ScrollHints, TScrollHintType),
            QV_READ_COLOR(SelectionColor),
            QV_READ_COLOR(SelectionColorTo),
            QV_READ_BOOL(SelectionColorMixer),
            QV_READ_INT(SelectionColorMixerFactor),
            QV_READ_COLOR(SelectionMirrorColor),
            QV_READ_COLOR(SelectionMirrorColorTo),
            QV_READ_BOOL(SelectionRectangle),
            QV_READ_BOOL(SelectionResizer),
            QV_READ_BOOL(SelectionRTFKeep),
            QV_READ_COLOR(SelectionTextColor),
            QV_READ_BOOL(ShowSelection),
            QV_READ_BOOL(ShowDesignHelper),
            QV_READ_BOOL(SizeWithForm),
            QV_READ_COLOR(URLColor),
            QV_READ_BOOL(URLShow),
            QV_READ_BOOL(URLShowInText),
            QV_READ_BOOL(URLUnderlineOnHover),
            QV_READ_BOOL(URLFull),
            QV_READ_BOOL(URLEdit),
            QV_READ_BOOL(UseInternalHintClass),
            QV_READ_TEXT(ValidChars),
            QV_READ_ENUM(VAlignment, TVAlignment),
            QV_READ_BOOL(WordWrap),
            {"Version", [](TQvStringGrid&, const TDesignValue&) {}},
            {"ColumnHeaders.Strings",
             [](TQvStringGrid& g, const TDesignValue& v) { SetDesignLines(g.ColumnHeaders(), v); }},
            {"RowHeaders.Strings",
             [](TQvStringGrid& g, const TDesignValue& v) { SetDesignLines(g.RowHeaders(), v); }},
        };
        std::map<QString, GridPropertyReader> map;
        for (const auto& [name, reader] : table)
            map.emplace(QString::fromLatin1(name).toLower(), reader);
        return map;
    }();
    return readers;
}

#undef QV_READ_BOOL
#undef QV_READ_INT
#undef QV_READ_COLOR
#undef QV_READ_TEXT
#undef QV_READ_ENUM

} // namespace

bool TQvStringGrid::ReadProperty(const String& name, const TDesignValue& value) {
    const auto& readers = GridPropertyReaders();
    const auto it = readers.find(name.toLower());
    if (it == readers.end()) return TBaseGrid::ReadProperty(name, value);
    it->second(*this, value);
    return true;
}

void RegisterQvGridDesignIdents() {
    RegisterDesignIdents({{"glStandard", glStandard},
                          {"glSoft", glSoft},
                          {"glClassic", glClassic},
                          {"glVUR", glVUR},
                          {"glXP", glXP},
                          {"glListView", glListView},
                          {"glVista", glVista},
                          {"glWin7", glWin7},
                          {"glOffice2007", glOffice2007},
                          {"glCustom", glCustom},
                          {"ieNone", ieNone},
                          {"ieInfo", ieInfo},
                          {"ieWarning", ieWarning},
                          {"ieError", ieError},
                          {"hfNone", hfNone},
                          {"hfAll", hfAll},
                          {"hfFixedRows", hfFixedRows},
                          {"hfFixedColumns", hfFixedColumns},
                          {"hpCell", hpCell},
                          {"hpCursor", hpCursor},
                          {"saNone", saNone},
                          {"saVert", saVert},
                          {"saHorz", saHorz},
                          {"saBoth", saBoth},
                          {"ssNormal", ssNormal},
                          {"ssFlat", ssFlat},
                          {"ssEncarta", ssEncarta},
                          {"ssMetro", ssMetro},
                          {"shNone", shNone},
                          {"shVertical", shVertical},
                          {"shHorizontal", shHorizontal},
                          {"shBoth", shBoth},
                          {"ipVertical", ipVertical},
                          {"ipHorizontal", ipHorizontal},
                          {"ipBoth", ipBoth},
                          {"ipNone", ipNone},
                          {"fdNormal", fdNormal},
                          {"fdAll", fdAll},
                          {"vtaTop", vtaTop},
                          {"vtaCenter", vtaCenter},
                          {"vtaBottom", vtaBottom}});
}
