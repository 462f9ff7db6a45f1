// Delimiter-separated text: fields as written, delimiter detection, the record parser and the placement.
#include "controls/grid/exchange/CsvFormat.h"

#include "controls/grid/QvUtil.h"
#include "toolkit/system/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

constexpr char16_t kCsvQuote = u'"';

bool IsCsvLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Past the line break at P (CR LF counts once).
const QChar* SkipCsvLineBreak(const QChar* P, const QChar* End) {
    if (P < End && P->unicode() == u'\r') ++P;
    if (P < End && P->unicode() == u'\n') ++P;
    return P;
}

int CsvPercent(qint64 Done, qint64 Total) {
    return static_cast<int>(std::lround(100.0 * double(Done) / double(std::max<qint64>(1, Total))));
}

} // namespace

// --- Writer ---

CsvWriter::CsvWriter(const CsvSettings& Settings)
    : FSettings(Settings), FSep(Settings.Delimiter.isNull() ? QChar(u',') : Settings.Delimiter) {}

String CsvWriter::Field(const String& Text) const {
    bool hasSep = false, hasQuote = false, multiLine = false;
    for (QChar c : Text) {
        if (c == FSep)
            hasSep = true;
        else if (c.unicode() == kCsvQuote)
            hasQuote = true;
        else if (IsCsvLineBreak(c.unicode()))
            multiLine = true;
    }
    String t = hasQuote ? DoubleQuotes(Text) : Text;
    // A leading blank is quoted too, as the reader takes blanks before a field for padding.
    const bool quoted = FSettings.AlwaysQuotes || (hasQuote && !hasSep) || t.startsWith(QLatin1Char(' '));
    if (quoted) t = QLatin1Char('"') + t + QLatin1Char('"');
    if (t.isEmpty()) {
        if (FSettings.JavaCSV) return QStringLiteral("^");
        return FSettings.QuoteEmptyCells ? QStringLiteral("\"\"") : String();
    }
    if (!hasSep && !multiLine) return t;
    if (FSettings.JavaCSV) {
        // Bare line breaks too, so that no line break of a cell ends the file's line.
        t.replace(QLatin1String("\r\n"), QLatin1String("~"));
        t.replace(QLatin1Char('\r'), QLatin1Char('~')).replace(QLatin1Char('\n'), QLatin1Char('~'));
        // The convention leaves line breaks unquoted, but a delimiter in the text still needs the quotes.
        if (hasSep && !quoted) t = QLatin1Char('"') + t + QLatin1Char('"');
    } else if (!quoted) {
        QuoteWithVTBreaks(t);
    }
    // A quoted text keeps its line breaks as they are: the reader takes a quoted field over lines.
    return t;
}

namespace {

// The two texts a writer builds: UTF-16 for callers that go on with text, UTF-8 bytes for files.
void Put(String& Out, QStringView Text) {
    Out += Text;
}
void Put(TUtf8Writer& Out, QStringView Text) {
    Out.Append(Text);
}
qsizetype Length(const String& Out) {
    return Out.size();
}
qsizetype Length(const TUtf8Writer& Out) {
    return Out.Size();
}
void Reserve(String& Out, qsizetype Size) {
    Out.reserve(Size);
}
void Reserve(TUtf8Writer& Out, qsizetype Size) {
    Out.Reserve(Size);
}

} // namespace

// Nearly every cell of a table needs neither quotes nor escapes: it goes into the file as it stands, with
// no field text built in between.
template <class Out> void CsvWriter::AppendField(Out& Text, const String& Field) const {
    if (!FSettings.AlwaysQuotes && !Field.isEmpty() && Field.front() != QLatin1Char(' ')) {
        const char16_t sep = FSep.unicode();
        const auto special = [sep](char16_t c) { return c == sep || c == kCsvQuote || IsCsvLineBreak(c); };
        if constexpr (std::is_same_v<Out, TUtf8Writer>) {
            // Bytes are written as the text is scanned; a special character undoes them.
            if (Text.AppendUntil(Field, special)) return;
        } else if (std::none_of(Field.utf16(), Field.utf16() + Field.size(), special)) {
            Put(Text, Field);
            return;
        }
    }
    Put(Text, this->Field(Field));
}

template <class Out> void CsvWriter::WriteRows(ExchangeGrid& Grid, Out& Text) const {
    const std::vector<int> cols = Grid.SaveColumns();
    const int first = Grid.SaveStartRow();
    const int last = Grid.SaveEndRow();
    const int rowCount = Grid.RowCount();
    const QStringView sep(&FSep, 1);
    const auto appendRow = [&](Out& Into, int Row) {
        for (size_t k = 0; k < cols.size(); ++k) {
            if (k > 0) Put(Into, sep);
            AppendField(Into, Grid.SavedText(cols[k], Row));
        }
        Put(Into, u"\r\n");
    };
    if (last > first) {
        // The longer of the first and last rows tells roughly how long the text gets (numbered texts grow
        // towards the end), so it is allocated once instead of copied as it grows.
        Out probe;
        appendRow(probe, first);
        const qsizetype firstLen = Length(probe);
        Out lastRow;
        appendRow(lastRow, last);
        const qsizetype rowLen = std::max(firstLen, Length(lastRow));
        Reserve(Text, Length(Text) + rowLen * (qsizetype(last) - first + 1) * 9 / 8 + 16);
    }
    Grid.ResetProgress();
    Grid.ExportNotification(esExportStart, first);
    for (int r = first; r <= last; ++r) {
        Grid.ExportNotification(esExportNextRow, r);
        appendRow(Text, r);
        Grid.Progress(CsvPercent(r, rowCount - 1));
    }
    Grid.ExportNotification(esExportDone, -1);
}

String CsvWriter::Write(ExchangeGrid& Grid) const {
    String out;
    WriteRows(Grid, out);
    return out;
}

QByteArray CsvWriter::WriteUtf8(ExchangeGrid& Grid, bool Mark) const {
    TUtf8Writer out;
    if (Mark) out.AppendAscii("\xEF\xBB\xBF", 3);
    WriteRows(Grid, out);
    return out.Take();
}

// --- Reader ---

CsvReader::CsvReader(const CsvSettings& Settings) : FSettings(Settings) {}

QChar CsvReader::DetectDelimiter(const String& Text) {
    static const char16_t kCandidates[] = {u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};
    const QChar* begin = Text.constData();
    const QChar* end = begin + Text.size();
    const QChar* p = begin;
    while (p < end && !IsCsvLineBreak(p->unicode()))
        ++p;
    const String l1(begin, p - begin);
    const QChar* q = SkipCsvLineBreak(p, end);
    p = q;
    while (p < end && !IsCsvLineBreak(p->unicode()))
        ++p;
    const String l2(q, p - q);

    QChar found(0);
    int best = 0;
    for (char16_t c : kCandidates) {
        const int n = CountClosingQuotes(QChar(c), l1);
        if (n > best && n == CountClosingQuotes(QChar(c), l2)) {
            best = n;
            found = QChar(c);
        }
    }
    if (!found.isNull()) return found;
    for (char16_t c : kCandidates) {
        const int n = CountChar(QChar(c), l1);
        if (n > best && n == CountChar(QChar(c), l2)) {
            best = n;
            found = QChar(c);
        }
    }
    if (!found.isNull()) return found;
    for (char16_t c : kCandidates) {
        const int n1 = CountChar(QChar(c), l1);
        const int n2 = CountChar(QChar(c), l2);
        if (n1 > best || n2 > best) {
            best = std::max(n1, n2);
            found = QChar(c);
        }
    }
    return found;
}

String CsvReader::Decode(const QChar* From, const QChar* To) const {
    String field(From, To - From);
    if (FSettings.JavaCSV)
        TildeToCRLF(field);
    else
        VTToCRLF(field);
    return field;
}

CsvRecords CsvReader::Parse(const String& Text, QChar Delimiter, int MaxRows) const {
    CsvRecords records;
    const bool hasSep = !Delimiter.isNull();
    const char16_t sep = Delimiter.unicode();
    // Blanks before a field are padding, unless the blank is the delimiter itself.
    const bool skipBlanks = sep != u' ';
    const auto isStop = [&](char16_t c) { return (hasSep && c == sep) || IsCsvLineBreak(c); };
    const QChar* p = Text.constData();
    const QChar* end = p + Text.size();
    bool skip = !FSettings.LoadFirstRow;
    while (p < end && (MaxRows <= 0 || records.Count() < MaxRows)) {
        const size_t recordStart = records.Fields.size();
        if (IsCsvLineBreak(p->unicode())) {
            p = SkipCsvLineBreak(p, end);
        } else {
            for (;;) {
                const QChar* q = p;
                if (skipBlanks)
                    while (q < end && q->unicode() == u' ')
                        ++q;
                if (q < end && q->unicode() == kCsvQuote) {
                    // The field ends at a single quote; a doubled one stands for one quote.
                    String raw;
                    const QChar* s = ++q;
                    bool closed = false;
                    while (q < end) {
                        if (q->unicode() != kCsvQuote) {
                            ++q;
                            continue;
                        }
                        if (q + 1 < end && q[1].unicode() == kCsvQuote) {
                            raw.append(s, q + 1 - s);
                            q += 2;
                            s = q;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    raw.append(s, q - s);
                    if (closed) ++q;
                    // What stands between the closing quote and the delimiter belongs to no field.
                    while (q < end && !isStop(q->unicode()))
                        ++q;
                    records.Fields.push_back(Decode(raw.constData(), raw.constData() + raw.size()));
                } else {
                    const QChar* s = q;
                    while (q < end && !isStop(q->unicode()))
                        ++q;
                    records.Fields.push_back(Decode(s, q));
                }
                p = q;
                if (p < end && hasSep && p->unicode() == sep) {
                    ++p;
                    if (p == end) break;
                    if (IsCsvLineBreak(p->unicode())) {
                        p = SkipCsvLineBreak(p, end);
                        break;
                    }
                    continue;
                }
                p = SkipCsvLineBreak(p, end);
                break;
            }
        }
        if (skip) {
            records.Fields.resize(recordStart);
            skip = false;
            continue;
        }
        records.Ends.push_back(records.Fields.size());
    }
    return records;
}

void CsvReader::Load(ExchangeGrid& Grid, const String& Text, int StartRow, int MaxRows,
                     const String& Source) const {
    if (Text.isEmpty()) throw Exception(QStringLiteral("File is empty"));
    const QChar sep = FSettings.Delimiter.isNull() ? DetectDelimiter(Text) : FSettings.Delimiter;
    const CsvRecords records = Parse(Text, sep, MaxRows);
    size_t widest = 0;
    for (int r = 0; r < records.Count(); ++r)
        widest = std::max(widest, records.Ends[static_cast<size_t>(r)] - records.Begin(r));
    const int startCol = Grid.SaveStartCol();
    const qint64 needCols = std::max<qint64>(Grid.ColCount(), qint64(startCol) + qint64(widest));
    const qint64 rows = qint64(StartRow) + records.Count() + Grid.Layout().FixedFooters;
    CheckExchangeSize(Source, needCols + Grid.HiddenColCount(), rows);
    const int cols = std::max(Grid.ColCount(), Grid.ColCountFor(startCol, static_cast<int>(widest)));
    Grid.SetSize(cols, static_cast<int>(rows));
    Grid.ResetProgress();
    for (int r = 0; r < records.Count(); ++r) {
        const size_t begin = records.Begin(r);
        const size_t end = records.Ends[static_cast<size_t>(r)];
        for (size_t k = begin; k < end; ++k)
            Grid.LoadText(Grid.LoadColumn(startCol, static_cast<int>(k - begin)), StartRow + r,
                          records.Fields[k]);
        Grid.Progress(CsvPercent(r + 1, records.Count()));
    }
    Grid.CellsChanged();
}
