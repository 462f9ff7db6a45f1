#include "controls/grid/exchange/ColumnStates.h"

namespace {

String JoinInts(const std::vector<int>& Values) {
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(Values.size()));
    for (const int v : Values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

std::vector<int> SplitInts(const String& Field) {
    std::vector<int> out;
    if (Field.isEmpty()) return out;
    for (const QStringView part : QStringView(Field).split(QLatin1Char(','))) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(part));
        out.push_back(v);
    }
    return out;
}

[[noreturn]] void Damaged(const QString& Why) {
    throw EListError(QStringLiteral("Column states: %1").arg(Why));
}

} // namespace

String FormatColumnStates(const ColumnStates& States) {
    std::vector<int> visible;
    visible.reserve(States.Visible.size());
    for (const bool v : States.Visible)
        visible.push_back(v ? 1 : 0);
    return QStringLiteral("%1#%2#%3#%4")
        .arg(States.Count)
        .arg(JoinInts(States.Widths), JoinInts(States.Order), JoinInts(visible));
}

std::optional<ColumnStates> ParseColumnStates(const String& Text, int MaxColumns) {
    if (!Text.contains(QLatin1Char('#'))) return std::nullopt;
    const QStringList fields = Text.split(QLatin1Char('#'));
    if (fields.size() > 4) Damaged(QStringLiteral("more than four fields"));
    const std::vector<int> count = SplitInts(fields[0]);
    if (count.size() != 1) Damaged(QStringLiteral("no column count"));
    ColumnStates s;
    s.Count = count[0];
    if (s.Count < 1 || s.Count > MaxColumns) Damaged(QStringLiteral("%1 columns").arg(s.Count));
    const auto n = static_cast<size_t>(s.Count);

    const std::vector<int> visible = fields.size() > 3 ? SplitInts(fields[3]) : std::vector<int>();
    if (visible.empty()) {
        s.Visible.assign(n, true);
    } else {
        if (visible.size() != n) Damaged(QStringLiteral("%1 visibility flags").arg(visible.size()));
        for (const int v : visible) {
            if (v != 0 && v != 1) Damaged(QStringLiteral("visibility flag %1").arg(v));
            s.Visible.push_back(v == 1);
        }
    }
    size_t shown = 0;
    for (const bool v : s.Visible)
        shown += v ? 1 : 0;
    // A grid keeps at least one column shown.
    if (shown == 0) Damaged(QStringLiteral("no visible column"));

    s.Widths = fields.size() > 1 ? SplitInts(fields[1]) : std::vector<int>();
    if (s.Widths.size() < shown)
        Damaged(QStringLiteral("%1 widths for %2 columns").arg(s.Widths.size()).arg(shown));
    if (s.Widths.size() > n) s.Widths.resize(n);
    for (const int w : s.Widths)
        if (w < 0) Damaged(QStringLiteral("width %1").arg(w));

    const std::vector<int> order = fields.size() > 2 ? SplitInts(fields[2]) : std::vector<int>();
    if (!order.empty()) {
        std::vector<bool> seen(n, false);
        for (size_t i = 0; i < order.size() && i < n; ++i) {
            const int o = order[i];
            if (o == -1) continue;
            if (o < 0 || static_cast<size_t>(o) >= n || seen[static_cast<size_t>(o)])
                Damaged(QStringLiteral("order entry %1").arg(o));
            seen[static_cast<size_t>(o)] = true;
            s.Order.push_back(o);
        }
        for (size_t c = 0; c < n; ++c)
            if (!seen[c]) s.Order.push_back(static_cast<int>(c));
    }
    return s;
}
