// Workbooks: column letters and cell names from tables, the used range placed in the grid with and
// without the fixed cells, workbooks written by the grid read back by openpyxl (sheet names, 30 columns
// reaching AD, other sheets kept), a file made by openpyxl read into the grid (an old .xls file is refused),
// and damaged files that change nothing. The Python cross-checks are skipped with a message where the modules
// are missing.
#include "PythonCheck.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/SpreadsheetCells.h"
#include "controls/grid/exchange/SpreadsheetExchange.h"
#include "controls/grid/exchange/XlsxReader.h"
#include "toolkit/system/StringList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using pythoncheck::HasModule;
using pythoncheck::RunPython;

TEST(SpreadsheetCells, ColumnLettersAndCellNames) {
    const std::pair<int, const char*> letters[] = {{1, "A"},    {26, "Z"},    {27, "AA"},
                                                   {30, "AD"},  {52, "AZ"},   {53, "BA"},
                                                   {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
    for (const auto& [n, text] : letters) {
        EXPECT_EQ(ColumnLetters(n), text);
        const auto cell = ParseCellName(QString(text) + "7");
        ASSERT_TRUE(cell) << text;
        EXPECT_EQ(cell->first, n);
        EXPECT_EQ(cell->second, 7);
    }
    for (const char* bad : {"", "A", "7", "A0", "XFE1", "A1048577", "1A", "A1B", "$A$1"})
        EXPECT_FALSE(ParseCellName(QString(bad))) << bad;
    EXPECT_TRUE(IsValidSheetName("Data 2"));
    for (const char* bad : {"", "a/b", "x[1]", "'q", "0123456789012345678901234567890123"})
        EXPECT_FALSE(IsValidSheetName(bad)) << bad;
}

TEST(QvGridSpreadsheets, WrittenWorkbookReadsBackWithOpenpyxlAndIntoTheGrid) {
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.xlsx");
    TQvStringGrid g(nullptr);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SetColCount(30);
    g.SetRowCount(3);
    for (int c = 0; c < 30; ++c) {
        g.SetCells(c, 0, QStringLiteral("h%1").arg(c));
        g.SetCells(c, 1, QString::number(c * 10));
    }
    g.SetCells(0, 2, "007");
    g.SetCells(1, 2, QString::fromUtf8("line\r\nbreak \u00e9"));
    g.SaveToXLSSheet(path, "Values");
    g.SetCells(0, 0, "other");
    g.SaveToXLSSheet(path, "Second");

    const auto sheets = g.GetXLSSheets(path);
    ASSERT_EQ(sheets->Count(), 2);
    EXPECT_EQ(sheets->Strings(0), "Values");
    EXPECT_EQ(sheets->Strings(1), "Second");

    TQvStringGrid h(nullptr);
    h.SetFixedCols(0);
    h.SetFixedRows(0);
    h.LoadFromXLSSheet(path, "Values");
    EXPECT_EQ(h.ColCount(), 30);
    EXPECT_EQ(h.RowCount(), 3);
    EXPECT_EQ(h.Cells(29, 0), "h29");
    EXPECT_EQ(h.Cells(29, 1), "290");
    EXPECT_EQ(h.Cells(0, 2), "007");
    EXPECT_EQ(h.Cells(1, 2), QString::fromUtf8("line\nbreak \u00e9"));
    try {
        h.LoadFromXLSSheet(path, "Nowhere");
        FAIL();
    } catch (const EQvGridError& e) {
        EXPECT_EQ(e.Message(), "Excel worksheet Nowhere not found");
    }

    const auto out = RunPython("openpyxl", QStringLiteral(R"(
wb = openpyxl.load_workbook(%1)
ws = wb["Values"]
print(wb.sheetnames, ws.dimensions, ws["AD1"].value, ws["AD2"].value, repr(ws["A3"].value), wb["Second"]["A1"].value)
)")
                                               .arg(QString("'%1'").arg(path)));
    if (!out) GTEST_SKIP() << "python3-openpyxl is not installed: the cross-check with it is skipped";
    EXPECT_EQ(out->trimmed(), "['Values', 'Second'] A1:AD3 h29 290 '007' other");
}

TEST(QvGridSpreadsheets, WritingASheetKeepsTheRestOfTheWorkbook) {
    if (!HasModule("openpyxl"))
        GTEST_SKIP() << "python3-openpyxl is not installed: the workbook is made with it";
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx");
    ASSERT_TRUE(RunPython("openpyxl", QStringLiteral(R"(
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Keep"
ws["C5"] = "kept"
t = wb.create_sheet("Target")
t["A1"] = "old"
t["F9"] = "outside"
wb.save('%1')
)")
                                          .arg(path)));
    TQvStringGrid g(nullptr);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(0, 0, "new");
    g.SaveToXLSSheet(path, "Target");
    const auto out = RunPython("openpyxl", QStringLiteral(R"(
wb = openpyxl.load_workbook('%1')
print(wb.sheetnames, wb["Keep"]["C5"].value, wb["Target"]["A1"].value, wb["Target"]["F9"].value)
)")
                                               .arg(path));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->trimmed(), "['Keep', 'Target'] kept new outside");
    // The old format is never written.
    EXPECT_THROW(g.SaveToXLS(dir.filePath("old.XLS")), EQvGridError);
    EXPECT_FALSE(QFile::exists(dir.filePath("old.XLS")));
}

TEST(QvGridSpreadsheets, UsedRangeFromAnOpenpyxlFileWithFixedCells) {
    QTemporaryDir dir;
    const QString xlsx = dir.filePath("range.xlsx");
    const bool openpyxl = RunPython("openpyxl", QStringLiteral(R"(
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "R"
for r in range(2, 41):
    for c in range(2, 6):
        ws.cell(row=r, column=c, value="%s%d" % (chr(64 + c), r))
ws["C3"] = 2.5
wb.save('%1')
)")
                                                    .arg(xlsx))
                              .has_value();
    if (!openpyxl) GTEST_SKIP() << "python3-openpyxl is not installed: the workbook is made with it";
    {
        const QString& path = xlsx;
        TQvStringGrid g(nullptr);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        g.SetSaveFixedCells(false);
        g.LoadFromXLS(path);
        EXPECT_EQ(g.ColCount(), 5);
        EXPECT_EQ(g.RowCount(), 40);
        EXPECT_EQ(g.Cells(1, 1), "B2");
        EXPECT_EQ(g.Cells(2, 2), "2.5");
        EXPECT_EQ(g.Cells(4, 39), "E40");
    }
}

TEST(QvGridSpreadsheets, DamagedWorkbooksChangeNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.xlsx");
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, "stays");
    for (const QByteArray& bytes : {QByteArray("not a workbook"), QByteArray("PK\x03\x04garbage"),
                                    QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 broken compound file")}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        try {
            g.LoadFromXLS(path);
            FAIL();
        } catch (const EQvGridError& e) {
            EXPECT_EQ(e.Message(), "Incorrect XLS file");
        }
        EXPECT_EQ(g.Cells(1, 1), "stays");
        EXPECT_EQ(g.ColCount(), 3);
    }
}
