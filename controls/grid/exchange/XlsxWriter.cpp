#include "controls/grid/exchange/XlsxWriter.h"

#include "controls/grid/QvGrid_Types.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>
#include <xlsxwriter.h>

namespace {

// Only a text the number gives back unchanged is written as one, so a code such as "007" stays text.
bool AsNumber(const String& Text, double& Value) {
    if (Text.isEmpty() || Text.size() > 24) return false;
    bool ok = false;
    Value = Text.toDouble(&ok);
    return ok && std::isfinite(Value) && QString::number(Value, 'g', 15) == Text;
}

[[noreturn]] void Fail(lxw_error Error) {
    throw EQvGridError(
        QStringLiteral("The workbook was not written: %1").arg(QString::fromUtf8(lxw_strerror(Error))));
}

} // namespace

namespace XlsxWriter {

QByteArray Write(const std::vector<SheetCells>& Sheets, int Active, const String& ScratchPath) {
    for (const SheetCells& s : Sheets)
        if (!IsValidSheetName(s.Name))
            throw EQvGridError(QStringLiteral("Invalid worksheet name: %1").arg(s.Name));
    const QByteArray path = ScratchPath.toLocal8Bit();
    lxw_workbook* wb = workbook_new(path.constData());
    if (!wb) throw EQvGridError(QStringLiteral("The workbook was not written: no memory"));
    lxw_error error = LXW_NO_ERROR;
    for (size_t i = 0; i < Sheets.size() && error == LXW_NO_ERROR; ++i) {
        const SheetCells& s = Sheets[i];
        const QByteArray name = s.Name.toUtf8();
        lxw_worksheet* ws = workbook_add_worksheet(wb, name.constData());
        if (!ws) {
            error = LXW_ERROR_SHEETNAME_ALREADY_USED;
            break;
        }
        if (static_cast<int>(i) == Active) worksheet_activate(ws);
        for (const auto& [cell, text] : s.Values) {
            const auto row = static_cast<lxw_row_t>(cell.first - 1);
            const auto col = static_cast<lxw_col_t>(cell.second - 1);
            double number = 0;
            if (text.isEmpty()) continue;
            error = AsNumber(text, number)
                        ? worksheet_write_number(ws, row, col, number, nullptr)
                        : worksheet_write_string(ws, row, col, text.toUtf8().constData(), nullptr);
            if (error != LXW_NO_ERROR) break;
        }
    }
    const lxw_error closed = workbook_close(wb);
    if (error == LXW_NO_ERROR) error = closed;
    QByteArray bytes;
    const bool read = error == LXW_NO_ERROR && ReadWholeFile(ScratchPath, bytes);
    DeleteFile(ScratchPath);
    if (error != LXW_NO_ERROR) Fail(error);
    if (!read)
        throw EQvGridError(
            QStringLiteral("The workbook was not written: %1 could not be read").arg(ScratchPath));
    return bytes;
}

} // namespace XlsxWriter
