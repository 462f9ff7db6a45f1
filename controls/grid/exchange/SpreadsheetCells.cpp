#include "controls/grid/exchange/SpreadsheetCells.h"

#include <algorithm>

namespace {
constexpr int kLastColumn = 16384;
constexpr int kLastRow = 1048576;
} // namespace

void SheetCells::Include(int Col, int Row) {
    if (Empty()) {
        FirstCol = LastCol = Col;
        FirstRow = LastRow = Row;
        return;
    }
    FirstCol = std::min(FirstCol, Col);
    LastCol = std::max(LastCol, Col);
    FirstRow = std::min(FirstRow, Row);
    LastRow = std::max(LastRow, Row);
}

String ColumnLetters(int N) {
    String out;
    while (N > 0) {
        const int d = (N - 1) % 26;
        out.prepend(QChar(u'A' + d));
        N = (N - 1) / 26;
    }
    return out;
}

std::optional<std::pair<int, int>> ParseCellName(QStringView Name) {
    qsizetype i = 0;
    qint64 col = 0, row = 0;
    while (i < Name.size() && Name[i].toUpper() >= u'A' && Name[i].toUpper() <= u'Z' && col <= kLastColumn) {
        col = col * 26 + (Name[i].toUpper().unicode() - u'A' + 1);
        ++i;
    }
    const qsizetype digits = i;
    while (i < Name.size() && Name[i] >= u'0' && Name[i] <= u'9' && row <= kLastRow) {
        row = row * 10 + (Name[i].unicode() - u'0');
        ++i;
    }
    if (i != Name.size() || digits == 0 || i == digits) return std::nullopt;
    if (col < 1 || col > kLastColumn || row < 1 || row > kLastRow) return std::nullopt;
    return std::make_pair(static_cast<int>(col), static_cast<int>(row));
}

bool IsValidSheetName(const String& Name) {
    if (Name.isEmpty() || Name.size() > 31) return false;
    if (Name.startsWith(QLatin1Char('\'')) || Name.endsWith(QLatin1Char('\''))) return false;
    for (const QChar c : Name)
        if (QStringView(u"[]:*?/\\").contains(c)) return false;
    return true;
}
