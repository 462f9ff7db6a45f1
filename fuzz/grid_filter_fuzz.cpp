// Fuzz target: filter conditions over cells. The input is texts split at zero bytes: the first holds the
// conditions, one a line (its first three characters choose what the condition reads, how it joins the
// result and how it matches; the rest is the condition), the others fill a grid of 3 columns by row.
#include "FuzzSupport.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/RowFilter.h"

#include <QStringList>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QChar(0));
    std::vector<RowFilterCondition> conditions;
    for (const QString& line : parts[0].split(u'\n')) {
        if (line.size() < 3) continue;
        RowFilterCondition c;
        c.Col = line[0].unicode() % 4 - 1; // -1 .. 2: -1 and beyond the grid read nothing
        c.Data = static_cast<TFilterCells>(line[1].unicode() % 5);
        c.Operation = static_cast<TFilterOperation>(line[2].unicode() % 5);
        c.Method = line[2].unicode() & 0x10 ? fmLiteral : fmExpression;
        c.CaseSensitive = line[2].unicode() & 0x20;
        const QStringList fields = line.mid(3).split(u'\t');
        c.Condition = fields.value(0);
        c.Prefix = fields.value(1);
        c.Suffix = fields.value(2);
        conditions.push_back(c);
    }
    const int rows = static_cast<int>(std::min<qsizetype>((parts.size() - 1 + 2) / 3, 64));
    GridCellStore store(3, rows);
    for (qsizetype i = 1; i < parts.size() && (i - 1) / 3 < rows; ++i)
        store.SetText(static_cast<int>((i - 1) % 3), static_cast<int>((i - 1) / 3), parts[i]);
    if (rows > 1) store.HideRow(rows - 1);
    const RowFilter filter(store, conditions);
    (void)FailingRows(0, store.DisplayRowCount() - 1, [&](int r) { return filter.Matches(r); });
    FilterValueListOptions options;
    options.Col = 1;
    options.LastRow = store.DisplayRowCount() - 1;
    options.ClearEntry = QStringLiteral("(All)");
    for (const QString& entry : BuildFilterValues(store, options)) {
        const FilterListEntry split = SplitFilterListEntry(entry);
        const RowFilter chosen(store, {NarrowDownCondition(split.Condition, 0)});
        (void)chosen.Matches(0);
    }
    (void)NarrowDownStep(parts[0], parts.value(1));
    return 0;
}
