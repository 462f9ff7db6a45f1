// Workbooks: .xlsx read and written (exchange/XlsxReader.h, XlsxWriter.h).
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/HourGlassCursor.h"
#include "controls/grid/exchange/SpreadsheetExchange.h"
#include "controls/grid/exchange/StringGridExchange.h"
#include "controls/grid/exchange/XlsxReader.h"
#include "controls/grid/exchange/XlsxWriter.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <unistd.h>

namespace {

const String kIncorrectWorkbook = QStringLiteral("Incorrect XLS file");

// An .xlsx workbook on disk; anything else, the old binary format included, does not read.
class Workbook {
public:
    explicit Workbook(const String& FileName) {
        QByteArray bytes;
        try {
            bytes = ReadExchangeFile(FileName);
        } catch (const Exception&) {
            throw EQvGridError(kIncorrectWorkbook);
        }
        FXlsx = std::make_unique<XlsxReader>(bytes);
    }
    QStringList Names() const { return FXlsx->SheetNames(); }
    int Active() const { return FXlsx->ActiveSheet(); }
    int Index(const String& Name) const { return FXlsx->SheetIndex(Name); }
    SheetCells Sheet(int Index) const { return FXlsx->ReadSheet(Index, kExchangeMaxCells); }

private:
    std::unique_ptr<XlsxReader> FXlsx;
};

bool IsOldXls(const String& FileName) {
    return FileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive);
}

} // namespace

std::unique_ptr<TStringList> TQvStringGrid::GetXLSSheets(const String& FileName) {
    const HourGlassCursor busy;
    auto list = std::make_unique<TStringList>();
    for (const String& name : Workbook(FileName).Names())
        list->Add(name);
    return list;
}

void TQvStringGrid::ReadXLS(const String& FileName, const String* SheetName) {
    const HourGlassCursor busy;
    const Workbook book(FileName);
    int index = book.Active();
    if (SheetName) {
        index = book.Index(*SheetName);
        if (index < 0) throw EQvGridError(QStringLiteral("Excel worksheet %1 not found").arg(*SheetName));
    }
    const SheetCells sheet = book.Sheet(index);
    StringGridExchange grid(*this);
    SpreadsheetExchange::Load(grid, sheet, FileName);
}

void TQvStringGrid::LoadFromXLS(const String& FileName) {
    ReadXLS(FileName, nullptr);
}

void TQvStringGrid::LoadFromXLSSheet(const String& FileName, const String& SheetName) {
    ReadXLS(FileName, &SheetName);
}

void TQvStringGrid::WriteXLS(const String& FileName, const String* SheetName, bool CreateNew) {
    if (IsOldXls(FileName))
        throw EQvGridError(
            QStringLiteral("%1: the old .xls format is read only; save as .xlsx").arg(FileName));
    const HourGlassCursor busy;
    // An existing workbook keeps its other sheets and the cells outside the written range.
    std::vector<SheetCells> sheets;
    int active = 0;
    const bool reuse = FileExists(FileName) && (SheetName || !CreateNew);
    if (reuse) {
        const Workbook book(FileName);
        const QStringList names = book.Names();
        for (int i = 0; i < names.size(); ++i)
            sheets.push_back(book.Sheet(i));
        active = book.Active();
    }
    String name = SheetName ? *SheetName : String();
    if (!SheetName) name = reuse ? sheets[static_cast<size_t>(active)].Name : QStringLiteral("Sheet1");
    StringGridExchange grid(*this);
    const SheetCells written = SpreadsheetExchange::FromGrid(grid, name, 1);
    const int index = SpreadsheetExchange::Merge(sheets, written);
    if (SheetName) active = index;
    const String scratch = FileName + QStringLiteral(".%1.writing").arg(getpid());
    WriteExchangeFile(FileName, XlsxWriter::Write(sheets, active, scratch));
}

void TQvStringGrid::SaveToXLS(const String& FileName, bool CreateNewSheet) {
    WriteXLS(FileName, nullptr, CreateNewSheet);
}

void TQvStringGrid::SaveToXLSSheet(const String& FileName, const String& SheetName) {
    WriteXLS(FileName, &SheetName, false);
}
