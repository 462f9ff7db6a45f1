// The column grid in window designs: "Columns = <item Header = 'N' Width = 40 ... end ...>" makes one
// column per item, and the unit's identifiers.
#include "controls/grid/QvCGrid.h"

#include "toolkit/system/DesignValue.h"

#include <functional>
#include <map>

namespace {

// A design value made before any pair that holds one: clang completes the types in that order only.
[[maybe_unused]] TDesignValue cgEmptyValue() {
    return TDesignValue();
}

using ColumnReader = std::function<void(TGridColumnItem&, const TDesignValue&)>;

void cgReadFont(TFont* font, const String& sub, const TDesignValue& v) {
    if (sub == "name")
        font->SetName(v.AsString());
    else if (sub == "size")
        font->SetSize(v.AsInt());
    else if (sub == "height")
        font->SetHeight(v.AsInt());
    else if (sub == "color")
        font->SetColor(DesignColor(v));
    else if (sub == "style")
        font->SetStyle(DesignSet(v));
    else
        throw Exception("Unknown font property \"" + sub + "\"");
}

TStringList* cgStrings(const TDesignValue& v, TStringList& into) {
    into.Clear();
    for (const String& s : v.AsStrings())
        into.Add(s);
    return &into;
}

const std::map<String, ColumnReader>& cgReaders() {
    static const std::map<String, ColumnReader> readers = {
        {"header", [](TGridColumnItem& c, const TDesignValue& v) { c.SetHeader(v.AsString()); }},
        {"width", [](TGridColumnItem& c, const TDesignValue& v) { c.SetWidth(v.AsInt()); }},
        {"alignment",
         [](TGridColumnItem& c, const TDesignValue& v) {
             c.SetAlignment(DesignEnumOf<TAlignment>(v, taLeftJustify, taLeftJustify, taCenter));
         }},
        {"headeralignment",
         [](TGridColumnItem& c, const TDesignValue& v) {
             c.SetHeaderAlignment(DesignEnumOf<TAlignment>(v, taLeftJustify, taLeftJustify, taCenter));
         }},
        {"color", [](TGridColumnItem& c, const TDesignValue& v) { c.SetColor(DesignColor(v)); }},
        {"editor",
         [](TGridColumnItem& c, const TDesignValue& v) {
             c.SetEditor(DesignEnumOf<TEditorType>(v, edNormal, edNormal, edMaskEditBtn));
         }},
        {"comboitems.strings",
         [](TGridColumnItem& c, const TDesignValue& v) {
             TStringList lines;
             c.SetComboItems(cgStrings(v, lines));
         }},
        {"dropdowncount", [](TGridColumnItem& c, const TDesignValue& v) { c.SetDropDownCount(v.AsInt()); }},
        {"readonly", [](TGridColumnItem& c, const TDesignValue& v) { c.SetReadOnly(v.AsBool()); }},
        {"fixed", [](TGridColumnItem& c, const TDesignValue& v) { c.SetFixed(v.AsBool()); }},
        {"password", [](TGridColumnItem& c, const TDesignValue& v) { c.SetPassword(v.AsBool()); }},
        {"checktrue", [](TGridColumnItem& c, const TDesignValue& v) { c.SetCheckTrue(v.AsString()); }},
        {"checkfalse", [](TGridColumnItem& c, const TDesignValue& v) { c.SetCheckFalse(v.AsString()); }},
        {"editlength", [](TGridColumnItem& c, const TDesignValue& v) { c.SetEditLength(v.AsInt()); }},
        {"editmask", [](TGridColumnItem& c, const TDesignValue& v) { c.SetEditMask(v.AsString()); }},
        {"spinmin", [](TGridColumnItem& c, const TDesignValue& v) { c.SetSpinMin(v.AsInt()); }},
        {"spinmax", [](TGridColumnItem& c, const TDesignValue& v) { c.SetSpinMax(v.AsInt()); }},
        {"spinstep", [](TGridColumnItem& c, const TDesignValue& v) { c.SetSpinStep(v.AsInt()); }},
        {"floatformat", [](TGridColumnItem& c, const TDesignValue& v) { c.SetFloatFormat(v.AsString()); }},
        {"minsize", [](TGridColumnItem& c, const TDesignValue& v) { c.SetMinSize(v.AsInt()); }},
        {"maxsize", [](TGridColumnItem& c, const TDesignValue& v) { c.SetMaxSize(v.AsInt()); }},
        {"autominsize", [](TGridColumnItem& c, const TDesignValue& v) { c.SetAutoMinSize(v.AsInt()); }},
        {"automaxsize", [](TGridColumnItem& c, const TDesignValue& v) { c.SetAutoMaxSize(v.AsInt()); }},
        {"showbands", [](TGridColumnItem& c, const TDesignValue& v) { c.SetShowBands(v.AsBool()); }},
        {"name", [](TGridColumnItem& c, const TDesignValue& v) { c.SetName(v.AsString()); }},
        {"tag", [](TGridColumnItem& c, const TDesignValue& v) { c.SetTag(v.AsInt()); }},
    };
    return readers;
}

void cgReadColumn(TGridColumnItem& item, const TDesignProperties& properties) {
    for (const auto& [name, value] : properties) {
        const String n = name.toLower();
        if (n.startsWith("font.")) {
            cgReadFont(item.Font(), n.mid(5), value);
            continue;
        }
        if (n.startsWith("headerfont.")) {
            cgReadFont(item.HeaderFont(), n.mid(11), value);
            continue;
        }
        const auto it = cgReaders().find(n);
        if (it == cgReaders().end()) throw Exception("Unknown column property \"" + name + "\"");
        it->second(item, value);
    }
}

} // namespace

bool TQvColumnGrid::ReadProperty(const String& name, const TDesignValue& value) {
    if (name.compare("Columns", Qt::CaseInsensitive) != 0) return TQvStringGrid::ReadProperty(name, value);
    if (value.kind != TDesignValue::Collection) throw Exception("Columns needs a collection of items");
    // The grid takes as many columns as the design lists, so widths and headers land in place.
    FColumns->BeginNoRecursiveUpdate();
    try {
        FColumns->Clear();
        SetColCount(std::max(1, static_cast<int>(value.entries.size()) - NumHiddenColumns()));
        while (FColumns->Count() < static_cast<int>(value.entries.size()))
            FColumns->Add();
        for (size_t i = 0; i < value.entries.size(); ++i)
            cgReadColumn(*FColumns->Items(static_cast<int>(i)), value.entries[i]);
    } catch (...) {
        FColumns->EndNoRecursiveUpdate();
        throw;
    }
    FColumns->EndNoRecursiveUpdate();
    return true;
}

void RegisterQvColumnGridDesignIdents() {
    RegisterDesignIdents({
        {"edNormal", edNormal},
        {"edSpinEdit", edSpinEdit},
        {"edComboEdit", edComboEdit},
        {"edComboList", edComboList},
        {"edEditBtn", edEditBtn},
        {"edCheckBox", edCheckBox},
        {"edDateEdit", edDateEdit},
        {"edDateEditUpDown", edDateEditUpDown},
        {"edTimeEdit", edTimeEdit},
        {"edButton", edButton},
        {"edDataCheckBox", edDataCheckBox},
        {"edNumeric", edNumeric},
        {"edPositiveNumeric", edPositiveNumeric},
        {"edFloat", edFloat},
        {"edCapital", edCapital},
        {"edMixedCase", edMixedCase},
        {"edPassword", edPassword},
        {"edUnitEditBtn", edUnitEditBtn},
        {"edLowerCase", edLowerCase},
        {"edUpperCase", edUpperCase},
        {"edFloatSpinEdit", edFloatSpinEdit},
        {"edTimeSpinEdit", edTimeSpinEdit},
        {"edDateSpinEdit", edDateSpinEdit},
        {"edNumericEditBtn", edNumericEditBtn},
        {"edFloatEditBtn", edFloatEditBtn},
        {"edCustom", edCustom},
        {"edRichEdit", edRichEdit},
        {"edNone", edNone},
        {"edDateTimeEdit", edDateTimeEdit},
        {"edValidChars", edValidChars},
        {"edTrackbarDropDown", edTrackbarDropDown},
        {"edMemoDropDown", edMemoDropDown},
        {"edCalculatorDropDown", edCalculatorDropDown},
        {"edTimePickerDropDown", edTimePickerDropDown},
        {"edDetailDropDown", edDetailDropDown},
        {"edGridDropDown", edGridDropDown},
        {"edColorPickerDropDown", edColorPickerDropDown},
        {"edImagePickerDropDown", edImagePickerDropDown},
        {"edQvGridDropDown", edQvGridDropDown},
        {"edPositiveFloat", edPositiveFloat},
        {"edNumericUnitEditBtn", edNumericUnitEditBtn},
        {"edFloatUnitEditBtn", edFloatUnitEditBtn},
        {"edMaskEditBtn", edMaskEditBtn},
        {"cpFixedCellsRClick", cpFixedCellsRClick},
        {"cpFixedCellsLClick", cpFixedCellsLClick},
        {"cpNormalCellsRClick", cpNormalCellsRClick},
        {"cpNormalCellsLClick", cpNormalCellsLClick},
        {"cpAllCellsRClick", cpAllCellsRClick},
        {"cpAllCellsLClick", cpAllCellsLClick},
    });
}
