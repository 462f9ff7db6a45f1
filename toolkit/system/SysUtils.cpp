// Text, number and file-system routines of the toolkit.
#include "toolkit/system/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QThread>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <sys/stat.h>

namespace {

// Shared grammar of the integer parsers; `bits` is 32 or 64.
bool parseIntegerText(const String& s, int bits, int64_t& out) {
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && s[i] == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;
    const uint64_t hexLimit = bits == 32 ? 0xFFFFFFFFull : std::numeric_limits<uint64_t>::max();
    const uint64_t decLimit = negative ? (uint64_t(1) << (bits - 1)) : (uint64_t(1) << (bits - 1)) - 1;
    uint64_t acc = 0;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        unsigned d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        const unsigned base = hex ? 16 : 10;
        const uint64_t limit = hex ? hexLimit : decLimit;
        if (acc > (limit - d) / base) return false;
        acc = acc * base + d;
    }
    if (hex && bits == 32)
        acc = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(acc))));
    // Two's complement negation in unsigned arithmetic: exact for the whole range, wrapping for hex.
    if (negative) acc = ~acc + 1;
    out = static_cast<int64_t>(acc);
    return true;
}

QChar gDecimalSeparatorOverride;
String gExeDirOverride;

bool isBlankChar(QChar c) {
    return c.unicode() <= 0x20;
}

String convertError(const String& format) {
    return QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format);
}

bool isIntegerVariant(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool isRealVariant(const QVariant& v) {
    const int id = v.metaType().id();
    return id == QMetaType::Double || id == QMetaType::Float || isIntegerVariant(v);
}

// Exponent in the platform's form: "E+003" style for %e.
String scientificText(double v, int precision, QChar separator) {
    String t = QString::number(v, 'E', std::max(precision - 1, 0));
    const qsizetype e = t.indexOf(u'E');
    if (e >= 0) {
        String mant = t.left(e);
        String exp = t.mid(e + 1);
        QChar sign = exp.isEmpty() ? u'+' : exp[0];
        String digits = exp.mid(1);
        while (digits.size() < 3)
            digits.prepend(u'0');
        t = mant + u'E' + sign + digits;
    }
    return t.replace(u'.', separator);
}

} // namespace

// ---- integers ----

Integer ParseCellInt(const String& s) {
    int64_t v;
    return parseIntegerText(s, 32, v) ? static_cast<Integer>(v) : -1;
}

bool TryStrToInt(const String& s, Integer& value) {
    int64_t v;
    if (!parseIntegerText(s, 32, v)) return false;
    value = static_cast<Integer>(v);
    return true;
}

Integer StrToInt(const String& s) {
    Integer v;
    if (!TryStrToInt(s, v)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return v;
}

Integer StrToIntDef(const String& s, Integer def) {
    Integer v;
    return TryStrToInt(s, v) ? v : def;
}

bool TryStrToInt64(const String& s, int64_t& value) {
    return parseIntegerText(s, 64, value);
}

int64_t StrToInt64Def(const String& s, int64_t def) {
    int64_t v;
    return parseIntegerText(s, 64, v) ? v : def;
}

String IntToStr(int64_t value) {
    return QString::number(value);
}

String IntToHex(int64_t value, int digits) {
    const uint64_t bits = (value < 0 && value >= std::numeric_limits<int32_t>::min())
                              ? static_cast<uint32_t>(value)
                              : static_cast<uint64_t>(value);
    return QString::number(bits, 16).toUpper().rightJustified(std::max(digits, 0), u'0');
}

// ---- floating point ----

QChar DecimalSeparator() {
    if (!gDecimalSeparatorOverride.isNull()) return gDecimalSeparatorOverride;
    const String point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point[0];
}

namespace {
// The first character of a date or time format that is not a field letter or a quote.
QChar formatSeparator(const QString& format, QChar fallback) {
    for (QChar c : format)
        if (!c.isLetter() && c != u'\'') return c;
    return fallback;
}
} // namespace

QChar ThousandSeparator() {
    const String s = QLocale().groupSeparator();
    return s.isEmpty() ? QChar(u',') : s[0];
}

QChar DateSeparator() {
    return formatSeparator(ShortDateFormat(), u'/');
}

QChar TimeSeparator() {
    return formatSeparator(QLocale().timeFormat(QLocale::ShortFormat), u':');
}

// A short date is numbers only, as the system's own is: some locales (the C locale among them) name the month
// and separate the fields by blanks, which no date reader of this program could read back.
String ShortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("MMM"))) return format;
    format.replace(QLatin1String("MMMM"), QLatin1String("MM"))
        .replace(QLatin1String("MMM"), QLatin1String("MM"));
    if (formatSeparator(format, u'/').isSpace()) format.replace(u' ', u'/');
    return format;
}
String ShortTimeFormat() {
    return QLocale().timeFormat(QLocale::ShortFormat);
}

void SetDecimalSeparatorOverride(QChar separator) {
    gDecimalSeparatorOverride = separator;
}

bool TryStrToFloat(const String& s, double& value, QChar separator) {
    const String t = Trim(s);
    const String sep = QRegularExpression::escape(String(separator));
    const QRegularExpression re(
        QStringLiteral("^[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)?$").arg(sep));
    if (!re.match(t).hasMatch()) return false;
    String c = t;
    c.replace(separator, u'.');
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool TryStrToFloat(const String& s, double& value) {
    return TryStrToFloat(s, value, DecimalSeparator());
}

double StrToFloat(const String& s, QChar separator) {
    double v;
    if (!TryStrToFloat(s, v, separator))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
    return v;
}

double StrToFloat(const String& s) {
    return StrToFloat(s, DecimalSeparator());
}

String FloatToStr(double value, QChar separator) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    String t = QString::number(value, 'g', 15);
    const qsizetype e = t.indexOf(u'e');
    if (e >= 0) {
        String exp = t.mid(e + 1);
        const bool negative = exp.startsWith(u'-');
        exp.remove(0, 1); // sign
        while (exp.size() > 1 && exp[0] == u'0')
            exp.remove(0, 1);
        t = t.left(e) + u'E' + (negative ? QStringLiteral("-") : String()) + exp;
    }
    return t.replace(u'.', separator);
}

String FloatToStr(double value) {
    return FloatToStr(value, DecimalSeparator());
}

// ---- Format ----

String Format(const String& format, std::initializer_list<TVarRec> args) {
    String out;
    auto arg = args.begin();
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format[i];
        if (c != u'%') {
            out += c;
            continue;
        }
        if (i + 1 < n && format[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        bool left = false;
        if (j < n && format[j] == u'-') {
            left = true;
            ++j;
        }
        int width = 0;
        while (j < n && format[j].isDigit() && format[j].unicode() < 128)
            width = width * 10 + (format[j++].unicode() - u'0');
        int precision = -1;
        if (j < n && format[j] == u'.') {
            ++j;
            precision = 0;
            while (j < n && format[j].isDigit() && format[j].unicode() < 128)
                precision = precision * 10 + (format[j++].unicode() - u'0');
        }
        if (j >= n || arg == args.end()) throw EConvertError(convertError(format));
        const QVariant& a = *arg++;
        const char16_t type = format[j].toLower().unicode();
        String text;
        switch (type) {
        case u'd':
        case u'u':
        case u'x': {
            if (!isIntegerVariant(a)) throw EConvertError(convertError(format));
            const qlonglong v = a.toLongLong();
            if (type == u'd')
                text = QString::number(v < 0 ? 0 - static_cast<qulonglong>(v) : static_cast<qulonglong>(v));
            else if (type == u'u')
                text = QString::number(static_cast<uint32_t>(v));
            else
                text = IntToHex(v, 0);
            if (precision > 0) text = text.rightJustified(precision, u'0');
            if (type == u'd' && v < 0) text.prepend(u'-');
            break;
        }
        case u's':
            if (a.metaType().id() != QMetaType::QString) throw EConvertError(convertError(format));
            text = a.toString();
            if (precision >= 0) text.truncate(precision);
            break;
        case u'f':
        case u'e':
        case u'g': {
            if (!isRealVariant(a)) throw EConvertError(convertError(format));
            const double v = a.toDouble();
            if (type == u'f')
                text =
                    QString::number(v, 'f', precision < 0 ? 2 : precision).replace(u'.', DecimalSeparator());
            else if (type == u'e')
                text = scientificText(v, precision < 0 ? 15 : precision, DecimalSeparator());
            else
                text = FloatToStr(v);
            break;
        }
        default:
            throw EConvertError(convertError(format));
        }
        if (text.size() < width) text = left ? text.leftJustified(width) : text.rightJustified(width);
        out += text;
        i = j;
    }
    return out;
}

// ---- strings ----

String Trim(const String& s) {
    return TrimRight(TrimLeft(s));
}

String TrimLeft(const String& s) {
    qsizetype i = 0;
    while (i < s.size() && isBlankChar(s[i]))
        ++i;
    return s.mid(i);
}

String TrimRight(const String& s) {
    qsizetype n = s.size();
    while (n > 0 && isBlankChar(s[n - 1]))
        --n;
    return s.left(n);
}

String UpperCase(const String& s) {
    return s.toUpper();
}
String LowerCase(const String& s) {
    return s.toLower();
}
bool SameText(const String& a, const String& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
int CompareText(const String& a, const String& b) {
    return a.compare(b, Qt::CaseInsensitive);
}
int CompareStr(const String& a, const String& b) {
    return a.compare(b, Qt::CaseSensitive);
}

int Pos(const String& sub, const String& s) {
    if (sub.isEmpty()) return 0;
    return static_cast<int>(s.indexOf(sub)) + 1;
}

String Copy(const String& s, int index1, int count) {
    if (index1 < 1) index1 = 1;
    if (count <= 0 || index1 > s.size()) return String();
    return s.mid(index1 - 1, count);
}

String StringReplace(const String& s, const String& oldPattern, const String& newPattern,
                     TReplaceFlags flags) {
    if (oldPattern.isEmpty()) return s;
    const Qt::CaseSensitivity cs = (flags & rfIgnoreCase) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    String result = s;
    if (flags & rfReplaceAll) return result.replace(oldPattern, newPattern, cs);
    const qsizetype at = result.indexOf(oldPattern, 0, cs);
    if (at >= 0) result.replace(at, oldPattern.size(), newPattern);
    return result;
}

String QuotedStr(const String& s) {
    String t = s;
    return u'\'' + t.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// ---- files and folders ----

bool FileExists(const String& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}
bool DirectoryExists(const String& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool PathExists(const String& path) {
    struct stat st;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

String SysErrorMessage(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

String LinkTarget(const String& path) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.isSymLink()) return String();
    // Bounded, so that a loop of links ends.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

bool CreateDir(const String& path) {
    return !path.isEmpty() && QDir().mkdir(path);
}
bool CreateDir(const String& path, String& reason) {
    reason.clear();
    if (path.isEmpty()) {
        reason = QStringLiteral("No folder name");
        return false;
    }
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) return true;
    reason = SysErrorMessage(errno);
    return false;
}

bool ForceDirectories(const String& path) {
    return !path.isEmpty() && QDir().mkpath(path);
}

bool DeleteFile(const String& path) {
    return FileExists(path) && QFile::remove(path);
}

bool RenameFile(const String& oldName, const String& newName) {
    if (oldName.isEmpty() || newName.isEmpty() || QFileInfo::exists(newName)) return false;
    return QDir().rename(oldName, newName);
}

bool CopyFile(const String& source, const String& target, bool failIfExists) {
    if (source.isEmpty() || target.isEmpty() || DirectoryExists(target)) return false;
    if (QFileInfo::exists(target)) {
        if (failIfExists || !QFile::remove(target)) return false;
    }
    if (!QFile::copy(source, target)) return false;
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    return true;
}

String ExtractFilePath(const String& path) {
    return path.left(path.lastIndexOf(PathDelim) + 1);
}

String ExpandFileName(const String& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

String ExtractFileName(const String& path) {
    return path.mid(path.lastIndexOf(PathDelim) + 1);
}

String ExtractFileExt(const String& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(PathDelim) ? path.mid(dot) : String();
}

String ChangeFileExt(const String& path, const String& ext) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return (dot > path.lastIndexOf(PathDelim) ? path.left(dot) : path) + ext;
}

String IncludeTrailingPathDelimiter(const String& path) {
    return path.endsWith(PathDelim) ? path : path + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& path) {
    return (path.endsWith(PathDelim) && path.size() > 1) ? path.left(path.size() - 1) : path;
}

namespace {
std::vector<TSearchRec> listFolder(const String& folder, const String& pattern, bool files, bool dirs,
                                   bool hidden) {
    std::vector<TSearchRec> out;
    if (!DirectoryExists(folder)) return out;
    QDir dir(folder);
    // "*.*" means every entry on the platform, dotted or not.
    dir.setNameFilters({pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern});
    QDir::Filters filters = QDir::NoDotAndDotDot;
    if (files) filters |= QDir::Files;
    if (dirs) filters |= QDir::Dirs;
    if (hidden) filters |= QDir::Hidden;
    dir.setFilter(filters);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QFileInfoList entries = dir.entryInfoList();
    out.reserve(static_cast<size_t>(entries.size()));
    for (const QFileInfo& fi : entries) {
        TSearchRec rec;
        rec.Name = fi.fileName();
        rec.Attr = 0;
        if (fi.isDir())
            rec.Attr |= faDirectory;
        else
            rec.Size = fi.size();
        if (fi.isHidden()) rec.Attr |= faHidden;
        if (!fi.isWritable()) rec.Attr |= faReadOnly;
        out.push_back(rec);
    }
    return out;
}
} // namespace

std::vector<TSearchRec> FindFiles(const String& folder, const String& pattern, int attributes) {
    return listFolder(folder, pattern, true, attributes & faDirectory, attributes & faHidden);
}

std::vector<TSearchRec> FindFolders(const String& folder, const String& pattern, bool withHidden) {
    return listFolder(folder, pattern, false, true, withHidden);
}

// ---- process and system ----

String ExeName() {
    String real = QCoreApplication::instance()
                      ? QCoreApplication::applicationFilePath()
                      : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!gExeDirOverride.isEmpty()) return gExeDirOverride + PathDelim + ExtractFileName(real);
    return real;
}

String ExeDir() {
    if (!gExeDirOverride.isEmpty()) return gExeDirOverride;
    return ExcludeTrailingPathDelimiter(ExtractFilePath(ExeName()));
}

void SetExeDirOverride(const String& path) {
    gExeDirOverride = ExcludeTrailingPathDelimiter(path);
}

DWORD GetTickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ms =
        static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<DWORD>(ms);
}

void Sleep(unsigned milliseconds) {
    QThread::msleep(milliseconds);
}
