#include "controls/grid/data/FooterCalc.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// Calls Row(realRow) for every row of the range.
template <typename F> void ForEachFooterRow(const IGridCells& Cells, const FooterRange& Range, F&& Row) {
    if (!Range.HiddenRows) {
        for (int d = std::max(Range.FirstRow, 0); d < Range.FooterRow; ++d)
            Row(Cells.RealRow(d));
        return;
    }
    // Hidden rows sit anywhere between the shown ones: walk the real rows once.
    const int footer = Range.FooterRow >= 0 ? Cells.RealRow(Range.FooterRow) : -1;
    for (int r = 0, n = Cells.RowCount(); r < n; ++r) {
        if (r == footer) continue;
        const int d = Cells.DisplayRow(r);
        if (d < 0 ? r >= Range.FirstRow : d >= Range.FirstRow && d < Range.FooterRow) Row(r);
    }
}

bool CoveredByMerge(const IGridCells& Cells, int Col, int Row) {
    const TCellProperties* props = Cells.Properties(Col, Row);
    return props && !props->IsBaseCell();
}

} // namespace

FooterValue CalcFooterColumn(const IGridCells& Cells, int Col, int Type, const FooterRange& Range) {
    const int type = Type & 0x7F;
    switch (type) {
    case acCUSTOM:
        return {FooterValue::Custom, 0};
    case acSPREAD:
    case acNONE:
        return {};
    case acDISTINCT: {
        std::set<String> seen;
        ForEachFooterRow(Cells, Range, [&](int r) { seen.insert(Cells.Text(Col, r).toUpper()); });
        return {FooterValue::Float, double(seen.size())};
    }
    default:
        break;
    }
    int rows = 0, numbers = 0;
    double sum = 0, squares = 0, low = 0, high = 0;
    ForEachFooterRow(Cells, Range, [&](int r) {
        ++rows;
        if (CoveredByMerge(Cells, Col, r)) return;
        const std::optional<double> v = Cells.Number(Col, r);
        if (!v) return;
        low = numbers == 0 ? *v : std::min(low, *v);
        high = numbers == 0 ? *v : std::max(high, *v);
        ++numbers;
        sum += *v;
        squares += *v * *v;
    });
    switch (type) {
    case acSUM:
        return {FooterValue::Float, sum};
    case acAVG:
        return {FooterValue::Float, rows > 0 ? sum / rows : 0};
    case acCOUNT:
        return {FooterValue::Integer, double(rows)};
    case acMIN:
        return {FooterValue::Float, low};
    case acMAX:
        return {FooterValue::Float, high};
    case acSTDDEV: {
        if (rows == 0) return {FooterValue::Float, 0};
        const double mean = sum / rows;
        return {FooterValue::Float, std::sqrt(std::max(0.0, squares / rows - mean * mean))};
    }
    default:
        return {};
    }
}

String ExpandFooterTemplate(const String& Template, const std::function<String(int Col)>& CellText) {
    String out;
    int pos = 0;
    const int n = int(Template.size());
    while (pos < n) {
        const int open = int(Template.indexOf(QLatin1String("<#"), pos));
        if (open < 0) break;
        const int close = int(Template.indexOf(QChar('>'), open + 2));
        if (close < 0) break;
        out += Template.mid(pos, open - pos);
        bool ok = false;
        const int col = Template.mid(open + 2, close - open - 2).trimmed().toInt(&ok);
        if (ok) out += CellText(col);
        pos = close + 1;
    }
    out += Template.mid(pos);
    return out;
}
