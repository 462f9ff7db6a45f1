// The string grid's delimited, fixed-width and aligned text files: its settings handed to the formats, the
// files read and written whole.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/AlignedTextWriter.h"
#include "controls/grid/exchange/CsvFormat.h"
#include "controls/grid/exchange/FixedWidthFormat.h"
#include "controls/grid/exchange/HourGlassCursor.h"
#include "controls/grid/exchange/StringGridExchange.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/system/Streams.h"

namespace {

CsvSettings GridCsvSettings(const TQvStringGrid& Grid) {
    CsvSettings settings;
    settings.Delimiter = Grid.Delimiter();
    settings.AlwaysQuotes = Grid.AlwaysQuotes();
    settings.QuoteEmptyCells = Grid.QuoteEmptyCells();
    settings.JavaCSV = Grid.JavaCSV();
    settings.LoadFirstRow = Grid.LoadFirstRow();
    return settings;
}

std::vector<int> IntListValues(const TIntList& List) {
    std::vector<int> values;
    for (int i = 0; i < List.Count(); ++i)
        values.push_back(List.Items(i));
    return values;
}

void SetIntListValues(TIntList& List, const std::vector<int>& Values) {
    List.Clear();
    for (int v : Values)
        List.Add(v);
}

// The lines of an existing file, each ended by CR LF, to go in front of what is written after them.
String ExistingLines(const String& FileName, bool Oem) {
    TStringList lines;
    lines.SetText(DecodeExchangeText(ReadExchangeFile(FileName), Oem));
    return lines.Text();
}

} // namespace

void TQvStringGrid::SaveToCSV(const String& FileName, bool Unicode) {
    StringGridExchange grid(*this);
    const CsvWriter writer(GridCsvSettings(*this));
    if (Unicode && !OemConvert()) {
        WriteExchangeFile(FileName, writer.WriteUtf8(grid, true));
        return;
    }
    WriteExchangeFile(FileName, EncodeExchangeText(writer.Write(grid), TTextEncoding::ANSI, OemConvert()));
}

void TQvStringGrid::AppendToCSV(const String& FileName, bool Unicode) {
    const String before = ExistingLines(FileName, OemConvert());
    StringGridExchange grid(*this);
    const String text = before + CsvWriter(GridCsvSettings(*this)).Write(grid);
    WriteExchangeFile(
        FileName,
        EncodeExchangeText(text, Unicode ? TTextEncoding::UTF8BOM : TTextEncoding::ANSI, OemConvert()));
}

void TQvStringGrid::LoadFromCSV(const String& FileName, int MaxRows) {
    const QByteArray bytes = ReadExchangeFile(FileName);
    if (bytes.isEmpty()) return;
    StringGridExchange grid(*this);
    CsvReader(GridCsvSettings(*this))
        .Load(grid, DecodeExchangeText(bytes, OemConvert()), SaveStartRow(), MaxRows, FileName);
}

void TQvStringGrid::InsertFromCSV(const String& FileName, int MaxRows) {
    const QByteArray bytes = ReadExchangeFile(FileName);
    if (bytes.isEmpty()) return;
    const String text = DecodeExchangeText(bytes, OemConvert());
    // The footer row stays the last row: its texts and objects wait aside while the records go in its place.
    const bool footerRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
                           FixedFooters() > 0 && RowCount() > 0;
    std::vector<std::pair<String, TObject*>> footer;
    int start = RowCount();
    if (footerRow) {
        start = RowCount() - 1;
        for (int c = 0; c < TotalColCount(); ++c) {
            footer.emplace_back(GridCells(c, start), Objects(c, start));
            SetGridCells(c, start, String());
            SetObjects(c, start, nullptr);
        }
    }
    StringGridExchange grid(*this);
    try {
        CsvReader(GridCsvSettings(*this)).Load(grid, text, start, MaxRows, FileName);
    } catch (...) {
        for (int c = 0; c < static_cast<int>(footer.size()); ++c) {
            SetGridCells(c, start, footer[size_t(c)].first);
            SetObjects(c, start, footer[size_t(c)].second);
        }
        throw;
    }
    const int last = RowCount() - 1;
    for (int c = 0; c < static_cast<int>(footer.size()) && c < TotalColCount(); ++c) {
        SetGridCells(c, last, footer[size_t(c)].first);
        SetObjects(c, last, footer[size_t(c)].second);
    }
}

void TQvStringGrid::LoadFromCSVStream(TStream& AStream, int MaxRows) {
    const QByteArray bytes = AStream.ReadAll();
    StringGridExchange grid(*this);
    CsvReader(GridCsvSettings(*this))
        .Load(grid, DecodeExchangeText(bytes, OemConvert()), SaveStartRow(), MaxRows,
              QStringLiteral("The stream"));
}

void TQvStringGrid::SaveToFixed(const String& FileName, TIntList* Positions) {
    std::vector<int> widths = Positions ? IntListValues(*Positions) : std::vector<int>();
    StringGridExchange grid(*this);
    const String text = FixedWidthWriter().Write(grid, widths);
    WriteExchangeFile(FileName, EncodeText(text, TTextEncoding::ANSI));
    if (Positions) SetIntListValues(*Positions, widths);
}

void TQvStringGrid::LoadFromFixed(const String& FileName, TIntList* Positions, bool DoTrim, int MaxRows) {
    if (!FileExists(FileName)) throw EQvGridError(QStringLiteral("File %1 not found").arg(FileName));
    const String text = DecodeExchangeText(ReadExchangeFile(FileName), false);
    std::vector<int> positions = Positions ? IntListValues(*Positions) : std::vector<int>();
    StringGridExchange grid(*this);
    FixedWidthReader().Load(grid, text, positions, DoTrim, MaxRows, FileName);
    if (Positions) SetIntListValues(*Positions, positions);
}

void TQvStringGrid::SaveToASCII(const String& FileName, bool Unicode) {
    HourGlassCursor busy;
    StringGridExchange grid(*this);
    const String text = AlignedTextWriter().Write(grid);
    WriteExchangeFile(FileName, EncodeText(text, Unicode ? TTextEncoding::UTF16LE : TTextEncoding::ANSI));
}

void TQvStringGrid::AppendToASCII(const String& FileName, bool Unicode) {
    HourGlassCursor busy;
    // A file that is there but cannot be read is not replaced by one without its lines.
    const String before = PathExists(FileName) ? ExistingLines(FileName, false) : String();
    StringGridExchange grid(*this);
    const String text = before + AlignedTextWriter().Write(grid);
    WriteExchangeFile(FileName, EncodeText(text, Unicode ? TTextEncoding::UTF16LE : TTextEncoding::ANSI));
}
