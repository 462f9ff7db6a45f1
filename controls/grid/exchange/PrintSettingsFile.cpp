#include "controls/grid/exchange/PrintSettingsFile.h"

#include "controls/grid/options/GridOptions.h"
#include "toolkit/system/IniFiles.h"

namespace {

String YesNo(bool v) {
    return v ? QStringLiteral("Y") : QStringLiteral("N");
}

// The fonts in writing order, by their key prefix.
struct FontKey {
    const char* Prefix;
    TFont* (TPrintSettings::*Font)() const;
};
constexpr FontKey kFonts[] = {{"Font", &TPrintSettings::Font},
                              {"HeaderFont", &TPrintSettings::HeaderFont},
                              {"FooterFont", &TPrintSettings::FooterFont}};

class SectionReader {
public:
    SectionReader(const TMemIniFile& Ini, const String& Section) : FIni(Ini), FSection(Section) {}

    int Int(const char* Key, int Def) const {
        const String key = QLatin1String(Key);
        if (!FIni.ValueExists(FSection, key)) return Def;
        const String text = FIni.ReadString(FSection, key, String());
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value for %2").arg(text, key));
        return v;
    }
    bool Yes(const char* Key, bool Def) const {
        return FIni.ReadString(FSection, QLatin1String(Key), YesNo(Def)) == QLatin1String("Y");
    }
    String Text(const char* Key) const { return FIni.ReadString(FSection, QLatin1String(Key), String()); }
    // An enumeration outside [0, Last] keeps the current value.
    template <class E> E Enum(const char* Key, int Def, int Last, E Current) const {
        const int v = Int(Key, Def);
        return v >= 0 && v <= Last ? static_cast<E>(v) : Current;
    }
    TPrintPosition Position(const char* Key) const {
        const int v = Int(Key, 0);
        return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
    }

private:
    const TMemIniFile& FIni;
    const String& FSection;
};

} // namespace

namespace PrintSettingsFile {

void Save(const TPrintSettings& s, TMemIniFile& Ini, const String& Section) {
    auto integer = [&](const char* key, int v) { Ini.WriteInteger(Section, QLatin1String(key), v); };
    auto yes = [&](const char* key, bool v) { Ini.WriteString(Section, QLatin1String(key), YesNo(v)); };
    auto text = [&](const char* key, const String& v) { Ini.WriteString(Section, QLatin1String(key), v); };
    integer("ColumnSpacing", s.ColumnSpacing());
    integer("RowSpacing", s.RowSpacing());
    integer("TitleSpacing", s.TitleSpacing());
    integer("FixedHeight", s.FixedHeight());
    integer("FixedWidth", s.FixedWidth());
    yes("Centered", s.Centered());
    yes("NoAutoSize", s.NoAutoSize());
    yes("UseFixedHeight", s.UseFixedHeight());
    yes("UseFixedWidth", s.UseFixedWidth());
    yes("RepeatFixedRows", s.RepeatFixedRows());
    yes("RepeatFixedCols", s.RepeatFixedCols());
    yes("UseDisplFont", s.UseDisplayFont());
    yes("UseDefOrientation", s.UseDefaultOrientation());
    integer("Borders", s.Borders());
    integer("BorderColor", s.BorderColor());
    integer("BorderStyle", s.BorderStyle());
    integer("Date", s.Date());
    integer("PageNr", s.PageNr());
    integer("Title", s.Title());
    integer("Time", s.Time());
    text("DateFormat", s.DateFormat());
    text("TitleText", s.TitleText());
    integer("FooterSize", s.FooterSize());
    integer("HeaderSize", s.HeaderSize());
    integer("LeftSize", s.LeftSize());
    integer("RightSize", s.RightSize());
    integer("FitToPage", s.FitToPage());
    for (const FontKey& f : kFonts) {
        const TFont* font = (s.*f.Font)();
        const String p = QLatin1String(f.Prefix);
        Ini.WriteString(Section, p + QLatin1String("Name"), font->Name());
        Ini.WriteInteger(Section, p + QLatin1String("Size"), font->Size());
        Ini.WriteInteger(Section, p + QLatin1String("Style"), static_cast<int>(font->Style() & 15));
        Ini.WriteInteger(Section, p + QLatin1String("Color"), font->Color());
    }
    text("PageNumSep", s.PageNumSep());
    text("PageSuffix", s.PageSuffix());
    text("PagePrefix", s.PagePrefix());
    integer("Orientation", s.Orientation());
    // One line in the file: carriage returns become the two characters "\n", line feeds go.
    String lines = s.TitleLines()->Text();
    lines.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    lines.remove(QLatin1Char('\n'));
    text("TitleLines", lines);
    yes("PrintGraphics", s.PrintGraphics());
}

void Load(TPrintSettings& Settings, const TMemIniFile& Ini, const String& Section) {
    const SectionReader in(Ini, Section);
    TPrintSettings s(nullptr);
    s.Assign(&Settings);
    s.SetColumnSpacing(in.Int("ColumnSpacing", 20));
    s.SetRowSpacing(in.Int("RowSpacing", 20));
    s.SetTitleSpacing(in.Int("TitleSpacing", 20));
    s.SetFixedHeight(in.Int("FixedHeight", 0));
    s.SetFixedWidth(in.Int("FixedWidth", 0));
    s.SetCentered(in.Yes("Centered", true));
    s.SetNoAutoSize(in.Yes("NoAutoSize", false));
    s.SetUseFixedHeight(in.Yes("UseFixedHeight", false));
    s.SetUseFixedWidth(in.Yes("UseFixedWidth", false));
    s.SetRepeatFixedRows(in.Yes("RepeatFixedRows", false));
    s.SetRepeatFixedCols(in.Yes("RepeatFixedCols", false));
    s.SetUseDisplayFont(in.Yes("UseDisplFont", false));
    s.SetUseDefaultOrientation(in.Yes("UseDefOrientation", false));
    s.SetBorders(in.Enum("Borders", 0, pbCustom, s.Borders()));
    s.SetBorderColor(in.Int("BorderColor", 0));
    s.SetBorderStyle(in.Enum("BorderStyle", 0, psInsideFrame, s.BorderStyle()));
    s.SetDate(in.Position("Date"));
    s.SetPageNr(in.Position("PageNr"));
    s.SetTitle(in.Position("Title"));
    s.SetTime(in.Position("Time"));
    s.SetDateFormat(in.Text("DateFormat"));
    s.SetTitleText(in.Text("TitleText"));
    s.SetFooterSize(in.Int("FooterSize", 100));
    s.SetHeaderSize(in.Int("HeaderSize", 100));
    s.SetLeftSize(in.Int("LeftSize", 100));
    s.SetRightSize(in.Int("RightSize", 100));
    s.SetFitToPage(in.Enum("FitToPage", 0, fpCustom, s.FitToPage()));
    for (const FontKey& f : kFonts) {
        TFont* font = (s.*f.Font)();
        const QByteArray p(f.Prefix);
        const String name = Ini.ReadString(Section, QLatin1String(p + "Name"), QStringLiteral("Arial"));
        const int size = in.Int((p + "Size").constData(), 10);
        const int style = in.Int((p + "Style").constData(), 0);
        const int color = in.Int((p + "Color").constData(), 0);
        if (size < 1 || size > 1000)
            throw EConvertError(
                QStringLiteral("%1 is out of range for %2Size (1 to 1000)").arg(size).arg(f.Prefix));
        font->SetName(name);
        font->SetSize(size);
        // The style read is the style: saving and loading again gives the same font.
        font->SetStyle(static_cast<TFontStyles>(style & 15));
        font->SetColor(color);
    }
    s.SetPageNumSep(in.Text("PageNumSep"));
    s.SetPageSuffix(in.Text("PageSuffix"));
    s.SetPagePrefix(in.Text("PagePrefix"));
    s.SetOrientation(in.Enum("Orientation", 0, poLandscape, s.Orientation()));
    String lines = in.Text("TitleLines");
    lines.replace(QLatin1String("\\n"), QLatin1String("\r"));
    s.TitleLines()->SetText(lines);
    s.SetPrintGraphics(in.Yes("PrintGraphics", false));
    Settings.Assign(&s);
}

} // namespace PrintSettingsFile
