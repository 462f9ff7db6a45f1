// The settings a string grid keeps outside itself: the column states as one line of text, column widths
// and positions in an INI file or the per-user registry, the look file and the print settings.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/ColumnStates.h"
#include "controls/grid/exchange/ExchangeGrid.h"
#include "controls/grid/exchange/GridLookFile.h"
#include "controls/grid/exchange/PrintSettingsFile.h"
#include "toolkit/services/Registry.h"
#include "toolkit/system/IniFiles.h"
#include "toolkit/system/Streams.h"

#include <functional>
#include <variant>

namespace {

// Runs Work on the column store of the grid's ColumnSize settings: the INI file named by Key, or the
// current user's registry key Key, read as INI sections. Nothing happens without a key or a section.
template <class Work> void WithColumnStore(const TColumnSize& Size, bool Designing, Work&& work) {
    if (Designing || Size.Key().isEmpty() || Size.Section().isEmpty()) return;
    if (Size.Location() == clIniFile) {
        TMemIniFile ini(Size.Key());
        if (work(ini)) ini.UpdateFile();
    } else {
        TRegistryIniFile ini(Size.Key());
        work(ini);
    }
}

// One setting of the look file.
struct LookSetting {
    enum Kind { Color, Bool, Int, Name, Font };
    const char* Key;
    Kind Type;
    std::function<int(TQvStringGrid&)> Get;
    std::function<void(TQvStringGrid&, int)> Set;
    std::vector<const char*> Names; // Name: the values by ordinal
    int Min = INT_MIN, Max = INT_MAX;
    std::function<TFont*(TQvStringGrid&)> FontOf;
};

#define QV_LOOK_GET(Path, Prop) [](TQvStringGrid& g) { return static_cast<int>(g Path Prop()); }
#define QV_LOOK_SET(Path, Prop)                                                                              \
    [](TQvStringGrid& g, int v) { g Path Set##Prop(static_cast<decltype(g Path Prop())>(v)); }
#define QV_LOOK(Key, Type, Path, Prop)                                                                       \
    LookSetting {                                                                                            \
        Key, LookSetting::Type, QV_LOOK_GET(Path, Prop), QV_LOOK_SET(Path, Prop), {}, INT_MIN, INT_MAX,      \
            nullptr                                                                                          \
    }
#define QV_LOOK_RANGE(Key, Path, Prop, Lo, Hi)                                                               \
    LookSetting {                                                                                            \
        Key, LookSetting::Int, QV_LOOK_GET(Path, Prop), QV_LOOK_SET(Path, Prop), {}, Lo, Hi, nullptr         \
    }
#define QV_LOOK_NAMES(Key, Path, Prop, ...)                                                                  \
    LookSetting {                                                                                            \
        Key, LookSetting::Name, QV_LOOK_GET(Path, Prop), QV_LOOK_SET(Path, Prop), {__VA_ARGS__}, INT_MIN,    \
            INT_MAX, nullptr                                                                                 \
    }
#define QV_LOOK_FONT(Key, Getter)                                                                            \
    LookSetting {                                                                                            \
        Key, LookSetting::Font, nullptr, nullptr, {}, 0, 0, [](TQvStringGrid& g) { return g.Getter(); }      \
    }

const std::vector<LookSetting>& LookSettings() {
    static const std::vector<LookSetting> table{
        QV_LOOK("Color", Color, ., Color),
        QV_LOOK("HintColor", Color, ., HintColor),
        QV_LOOK("SelectionColor", Color, ., SelectionColor),
        QV_LOOK("SelectionColorTo", Color, ., SelectionColorTo),
        QV_LOOK("SelectionMirrorColor", Color, ., SelectionMirrorColor),
        QV_LOOK("SelectionMirrorColorTo", Color, ., SelectionMirrorColorTo),
        QV_LOOK("SelectionTextColor", Color, ., SelectionTextColor),
        QV_LOOK("URLColor", Color, ., URLColor),
        QV_LOOK("URLShow", Bool, ., URLShow),
        QV_LOOK("URLShowInText", Bool, ., URLShowInText),
        QV_LOOK("ScrollColor", Color, ., ScrollColor),
        QV_LOOK("ActiveRowColor", Color, ., ActiveRowColor),
        QV_LOOK("ActiveRowShow", Bool, ., ActiveRowShow),
        QV_LOOK("ActiveCellShow", Bool, ., ActiveCellShow),
        QV_LOOK_FONT("Font", Font),
        QV_LOOK("ActiveCellColor", Color, ., ActiveCellColor),
        QV_LOOK("ActiveCellColorTo", Color, ., ActiveCellColorTo),
        QV_LOOK_FONT("ActiveCellFont", ActiveCellFont),
        QV_LOOK_FONT("FixedFont", FixedFont),
        QV_LOOK("Balloon.BackgroundColor", Color, .Balloon()->, BackgroundColor),
        QV_LOOK("Balloon.TextColor", Color, .Balloon()->, TextColor),
        QV_LOOK_RANGE("Balloon.Transparency", .Balloon()->, Transparency, 0, 255),
        QV_LOOK("Bands.PrimaryColor", Color, .Bands()->, PrimaryColor),
        QV_LOOK("Bands.SecondaryColor", Color, .Bands()->, SecondaryColor),
        QV_LOOK("Bands.Active", Bool, .Bands()->, Active),
        QV_LOOK("SortSettings.IndexColor", Color, .SortSettings()->, IndexColor),
        QV_LOOK("FloatingFooter.Color", Color, .FloatingFooter()->, Color),
        QV_LOOK_RANGE("ControlLook.CheckSize", .ControlLook()->, CheckSize, 0, 1000),
        QV_LOOK("ControlLook.Color", Color, .ControlLook()->, Color),
        QV_LOOK("ControlLook.CommentColor", Color, .ControlLook()->, CommentColor),
        QV_LOOK_NAMES("ControlLook.ControlStyle", .ControlLook()->, ControlStyle, "csClassic", "csFlat",
                      "csWinXP", "csBorland", "csVUR", "csGlyph", "csTheme"),
        QV_LOOK("ControlLook.FixedGradientFrom", Color, .ControlLook()->, FixedGradientFrom),
        QV_LOOK("ControlLook.FixedGradientTo", Color, .ControlLook()->, FixedGradientTo),
        QV_LOOK_RANGE("ControlLook.RadioSize", .ControlLook()->, RadioSize, 0, 1000),
        QV_LOOK("ControlLook.FlatButton", Bool, .ControlLook()->, FlatButton),
        QV_LOOK("ControlLook.ProgressBorderColor", Color, .ControlLook()->, ProgressBorderColor),
        QV_LOOK("ControlLook.ProgressXP", Bool, .ControlLook()->, ProgressXP),
        QV_LOOK_NAMES("Look", ., Look, "glStandard", "glSoft", "glClassic", "glVUR", "glXP", "glListView",
                      "glVista", "glWin7", "glOffice2007"),
        QV_LOOK("SearchFooter.Color", Color, .SearchFooter()->, Color),
        QV_LOOK("SearchFooter.ColorTo", Color, .SearchFooter()->, ColorTo),
        QV_LOOK("Grouping.HeaderColor", Color, .Grouping()->, HeaderColor),
        QV_LOOK("Grouping.HeaderColorTo", Color, .Grouping()->, HeaderColorTo),
        QV_LOOK("Grouping.HeaderTextColor", Color, .Grouping()->, HeaderTextColor),
        QV_LOOK("Grouping.HeaderUnderline", Bool, .Grouping()->, HeaderUnderline),
        QV_LOOK("Grouping.HeaderLineColor", Color, .Grouping()->, HeaderLineColor),
        QV_LOOK_RANGE("Grouping.HeaderLineWidth", .Grouping()->, HeaderLineWidth, 0, 1000),
        QV_LOOK("Grouping.SummaryColor", Color, .Grouping()->, SummaryColor),
        QV_LOOK("Grouping.SummaryColorTo", Color, .Grouping()->, SummaryColorTo),
        QV_LOOK("Grouping.SummaryTextColor", Color, .Grouping()->, SummaryTextColor),
        QV_LOOK("Grouping.SummaryLine", Bool, .Grouping()->, SummaryLine),
        QV_LOOK("Grouping.SummaryLineColor", Color, .Grouping()->, SummaryLineColor),
        QV_LOOK_RANGE("Grouping.SummaryLineWidth", .Grouping()->, SummaryLineWidth, 0, 1000),
        QV_LOOK("GridLineColor", Color, ., GridLineColor),
        QV_LOOK("GridFixedLineColor", Color, ., GridFixedLineColor),
        QV_LOOK_RANGE("BackGround.Top", .BackGround()->, Top, -100000, 100000),
        QV_LOOK_RANGE("BackGround.Left", .BackGround()->, Left, -100000, 100000),
        QV_LOOK_NAMES("BackGround.Display", .BackGround()->, Display, "bdTile", "bdFixed", "bdGradientHorz",
                      "bdGradientVert"),
        QV_LOOK_NAMES("BackGround.Cells", .BackGround()->, Cells, "bcNormal", "bcFixed", "bcAll"),
        QV_LOOK("BackGround.Color", Color, .BackGround()->, Color),
        QV_LOOK("BackGround.ColorTo", Color, .BackGround()->, ColorTo),
    };
    return table;
}

#undef QV_LOOK_GET
#undef QV_LOOK_SET
#undef QV_LOOK
#undef QV_LOOK_RANGE
#undef QV_LOOK_NAMES
#undef QV_LOOK_FONT

struct FontValue {
    TColor Color;
    TFontStyles Style;
    int Size;
    String Name;
};

} // namespace

// Column states
// --------------------------------------------------------------------------------------------

String TQvStringGrid::ColumnStatesToString() {
    ColumnStates s;
    s.Count = AllColCount();
    for (int d = 0; d < s.Count; ++d)
        s.Widths.push_back(d < ColCount() ? ColWidths(d) : DefaultColWidth());
    for (int i = 0; i < FColumnOrder->Count(); ++i)
        s.Order.push_back(FColumnOrder->Items(i));
    if (s.Order.empty())
        for (int c = 0; c < s.Count; ++c)
            s.Order.push_back(c);
    for (int c = 0; c < s.Count; ++c)
        s.Visible.push_back(!IsHiddenColumn(c));
    return FormatColumnStates(s);
}

void TQvStringGrid::ArrangeColumns(const std::vector<int>& Order) {
    // The reset sorts the columns by their entries: the inverse places column Order[p] at p.
    std::vector<int> inverse(Order.size());
    for (size_t p = 0; p < Order.size(); ++p)
        inverse[static_cast<size_t>(Order[p])] = static_cast<int>(p);
    FColumnOrder->Clear();
    for (const int v : inverse)
        FColumnOrder->Add(v);
    ResetColumnOrder();
    FColumnOrder->Clear();
    for (const int v : Order)
        FColumnOrder->Add(v);
}

void TQvStringGrid::StringToColumnStates(const String& Value) {
    const std::optional<ColumnStates> parsed = ParseColumnStates(Value, kExchangeMaxColumns);
    if (!parsed) return;
    const ColumnStates& s = *parsed;
    BeginUpdate();
    FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(s.Count);
    if (!s.Order.empty()) ArrangeColumns(s.Order);
    // Descending, so that hiding does not shift the columns still to be looked at.
    for (int c = s.Count - 1; c >= 0; --c)
        if (!s.Visible[static_cast<size_t>(c)]) HideColumn(c);
    const bool stretch = FColumnSize->Stretch();
    if (stretch) {
        const int sc = FColumnSize->StretchColumn();
        const int col = sc < 0 || sc >= ColCount() ? ColCount() - 1 : sc;
        SetDefaultColWidth(ColWidths(col));
    }
    FColumnSize->SetStretch(false);
    for (int d = 0; d < ColCount() && d < static_cast<int>(s.Widths.size()); ++d)
        SetColWidths(d, s.Widths[static_cast<size_t>(d)]);
    FColumnSize->SetStretch(stretch);
    EndUpdate();
}

// Column widths and positions
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SaveColSizes() {
    WithColumnStore(*FColumnSize, IsDesigning(), [&](auto& ini) {
        for (int i = 0; i < ColCount(); ++i)
            ini.WriteInteger(FColumnSize->Section(), QStringLiteral("Col%1").arg(i), ColWidths(i));
        return true;
    });
}

void TQvStringGrid::LoadColSizes() {
    WithColumnStore(*FColumnSize, IsDesigning(), [&](auto& ini) {
        const int count = ColCount();
        std::vector<int> widths(static_cast<size_t>(count));
        // Read whole first: a damaged store leaves every width as it was.
        for (int i = 0; i < count; ++i) {
            const int w =
                ini.ReadInteger(FColumnSize->Section(), QStringLiteral("Col%1").arg(i), ColWidths(i));
            if (w < 0 || w > 100000) return false;
            widths[static_cast<size_t>(i)] = w;
        }
        for (int i = 0; i < count; ++i)
            if (widths[static_cast<size_t>(i)] != ColWidths(i))
                SetColWidths(i, widths[static_cast<size_t>(i)]);
        return false;
    });
}

void TQvStringGrid::SaveColPositions() {
    WithColumnStore(*FColumnSize, IsDesigning(), [&](auto& ini) {
        for (int i = 0; i < FColumnOrder->Count(); ++i)
            ini.WriteInteger(FColumnSize->Section(), QStringLiteral("Pos%1").arg(i), FColumnOrder->Items(i));
        return true;
    });
}

void TQvStringGrid::LoadColPositions() {
    WithColumnStore(*FColumnSize, IsDesigning(), [&](auto& ini) {
        const String& section = FColumnSize->Section();
        if (ini.ReadInteger(section, QStringLiteral("Pos0"), -1) == -1) return false;
        const int n = AllColCount();
        // The stored positions must name every column once; anything else leaves the order as it is.
        std::vector<int> order;
        std::vector<bool> seen(static_cast<size_t>(n), false);
        for (int i = 0; i < n; ++i) {
            const int p = ini.ReadInteger(section, QStringLiteral("Pos%1").arg(i), -1);
            if (p == -1) continue;
            if (p < 0 || p >= n || seen[static_cast<size_t>(p)]) return false;
            seen[static_cast<size_t>(p)] = true;
            order.push_back(p);
        }
        if (static_cast<int>(order.size()) != n) return false;
        std::vector<int> hidden;
        for (int c = 0; c < n; ++c)
            if (IsHiddenColumn(c)) hidden.push_back(c);
        BeginUpdate();
        UnHideColumnsAll();
        ArrangeColumns(order);
        for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
            HideColumn(*it);
        EndUpdate();
        return false;
    });
}

// The look file
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SaveVisualProps(const String& FileName) {
    std::vector<std::pair<String, String>> lines;
    for (const LookSetting& s : LookSettings()) {
        const String key = QLatin1String(s.Key);
        switch (s.Type) {
        case LookSetting::Color:
            lines.emplace_back(key, GridLookFile::ColorText(s.Get(*this)));
            break;
        case LookSetting::Bool:
            lines.emplace_back(key, GridLookFile::BoolText(s.Get(*this) != 0));
            break;
        case LookSetting::Int:
            lines.emplace_back(key, QString::number(s.Get(*this)));
            break;
        case LookSetting::Name: {
            const int v = s.Get(*this);
            // A custom look has no name.
            if (v >= 0 && v < static_cast<int>(s.Names.size()))
                lines.emplace_back(key, QLatin1String(s.Names[static_cast<size_t>(v)]));
            break;
        }
        case LookSetting::Font: {
            const TFont* f = s.FontOf(*this);
            lines.emplace_back(key + QLatin1String(".Color"), GridLookFile::ColorText(f->Color()));
            lines.emplace_back(key + QLatin1String(".Style"), GridLookFile::FontStyleText(f->Style()));
            lines.emplace_back(key + QLatin1String(".Size"), QString::number(f->Size()));
            lines.emplace_back(key + QLatin1String(".Name"), f->Name());
            break;
        }
        }
    }
    if (!SaveFileAtomically(FileName, GridLookFile::Write(lines).toUtf8()))
        throw Exception(QStringLiteral("Cannot Create ") + FileName);
}

void TQvStringGrid::LoadVisualProps(const String& FileName) {
    QByteArray bytes;
    if (!ReadWholeFile(FileName, bytes, nullptr, GridLookFile::MaxBytes))
        throw Exception(QStringLiteral("Cannot open file ") + FileName);
    const GridLookFile file = GridLookFile::Parse(DecodeTextDetect(bytes));
    // Every value is converted before any is applied: a damaged file changes nothing.
    std::vector<std::variant<int, FontValue>> values;
    const std::vector<LookSetting>& table = LookSettings();
    for (const LookSetting& s : table) {
        const String key = QLatin1String(s.Key);
        const String v = file.Value(key);
        switch (s.Type) {
        case LookSetting::Color:
            values.emplace_back(GridLookFile::ReadColor(v));
            break;
        case LookSetting::Bool:
            values.emplace_back(GridLookFile::ReadBool(v) ? 1 : 0);
            break;
        case LookSetting::Int:
            values.emplace_back(GridLookFile::ReadInt(key, v, s.Min, s.Max));
            break;
        case LookSetting::Name: {
            values.emplace_back(GridLookFile::ReadName(v, s.Names, s.Get(*this)));
            break;
        }
        case LookSetting::Font:
            values.emplace_back(
                FontValue{GridLookFile::ReadColor(file.Value(key + QLatin1String(".Color"))),
                          GridLookFile::ReadFontStyle(file.Value(key + QLatin1String(".Style"))),
                          GridLookFile::ReadInt(key + QLatin1String(".Size"),
                                                file.Value(key + QLatin1String(".Size")), 1, 1000),
                          file.Value(key + QLatin1String(".Name"))});
            break;
        }
    }
    BeginUpdate();
    // The look is a preset of colours: set first, so that the colours the file names stay.
    const auto isLook = [](const LookSetting& s) { return qstrcmp(s.Key, "Look") == 0; };
    for (size_t i = 0; i < table.size(); ++i)
        if (isLook(table[i])) table[i].Set(*this, std::get<int>(values[i]));
    for (size_t i = 0; i < table.size(); ++i) {
        const LookSetting& s = table[i];
        if (isLook(s)) continue;
        if (s.Type == LookSetting::Font) {
            const FontValue& fv = std::get<FontValue>(values[i]);
            TFont* f = s.FontOf(*this);
            f->SetColor(fv.Color);
            f->SetStyle(fv.Style);
            f->SetSize(fv.Size);
            f->SetName(fv.Name);
        } else {
            s.Set(*this, std::get<int>(values[i]));
        }
    }
    EndUpdate();
}

// Print settings
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SavePrintSettings(const String& Key, const String& Section) {
    TMemIniFile ini(Key);
    PrintSettingsFile::Save(*FPrintSettings, ini, Section);
    ini.UpdateFile();
}

void TQvStringGrid::LoadPrintSettings(const String& Key, const String& Section) {
    const TMemIniFile ini(Key);
    PrintSettingsFile::Load(*FPrintSettings, ini, Section);
}
