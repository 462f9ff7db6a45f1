// Text, number and date routines of the grid library, the cell text encodings and the filter matcher.
// Positions count from 1; 0 means "not found".
#pragma once

#include "controls/QvTextCase.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Types.h"

#include <QStringList>

#include <memory>
#include <vector>

// Days since 30 December 1899, the time of day as the fraction.
using TDateTime = double;

// The running system's format settings.
QChar LocaleTimeSeparator();
QChar LocaleDateSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDecimalSeparator();
String LocaleShortDateFormat();

// Positions, limits and lists.
int ApplySizeLimits(int Value, int Min, int Max);
inline int IntMax(int A, int B) {
    return A > B ? A : B;
}
inline int IntMin(int A, int B) {
    return A < B ? A : B;
}
bool CellInGridRect(const TRect& Rect, int Col, int Row);
int CharPos(QChar Ch, const String& Text);
int CharPosToVar(QChar Ch, const String& Text, int& P);
int PosToVar(const String& SubStr, const String& Text, int& P);
int UpperCasePos(const String& SubStr, const String& Text);
int WidePos(const String& SubStr, const String& Text);
int CountChar(QChar Ch, const String& Text);
String TakeToDelimiter(String& S, const String& Delimiter);
String JoinStrings(const QStringList& Lines);
void FillWithChar(String& S, QChar Ch);

// Character tests.
bool IsDigitChar(QChar Ch);
bool IsDigitOrMinus(QChar Ch);
bool IsNumberChar(QChar Ch);
bool IsFloatChar(QChar Ch);
bool IsSignedNumberChar(QChar Ch);

// Conversions for CSV, clipboard, HTML and the grid's text files.
String DoubleQuotes(const String& Text);
String UndoubleChar(QChar Ch, const String& Text);
void QuoteWithVTBreaks(String& S);
void VTToCRLF(String& S);
void CRLFToLF(String& S);
void CRToTilde(String& S);
void TildeToCRLF(String& S);
String RemoveCR(const String& Text);
String CRToLF(const String& Text);
String CRToBR(const String& Text);
String CRToEscapedNewline(const String& Text);
String EscapedNewlineToCR(const String& Text);
String EncodeCellLineBreaks(const String& Text);
String DecodeCellLineBreaks(const String& Text, bool MultiLine);
void ExtractFirstLine(String& S, bool KeepRest, String& Line);
int LineCount(const String& Text, bool MultiLine);
String CleanNumberText(const String& Text);
// A cell text as the grid's float accessors read it: blank, empty and "-" are 0; false when the text holds
// no number.
bool CellTextToNumber(const String& Text, double& Value);
String NormalizeNumberText(const String& Text);
// With the separators given, for callers that read many texts with one set.
String NormalizeNumberText(const String& Text, QChar Thousand, QChar Decimal);
String ColorToHex(TColor Color);
// OEM code page 437; characters it lacks become "?".
void StringToOem(String& S);
void OemToString(String& S);
String EncodeWideCellText(const String& Wide);
String DecodeWideCellText(const String& Text);
// Whether the text holds a wide text, which DecodeWideCellText turns back.
inline bool IsWideCellText(QStringView Text) {
    return Text.startsWith(QLatin1String("|\\"));
}

// Quoted CSV fields.
int FindClosingQuote(QChar Quote, const String& Text, int& P);
int CountClosingQuotes(QChar Quote, const String& Text);
// Character 0 and P = -1 when no delimiter stands outside quotes.
QChar FindDelimiterOutsideQuotes(const QString& Chars, const String& Text, int& P);

// Classification and detection.
enum : int { nkInteger = 0, nkFloat = 1, nkNoNumber = 2, nkExponent = 5 };
int TextNumberKind(const String& Text);
int TextNumberKind(const String& Text, QChar Thousand, QChar Decimal);
enum : int { ctkPlain = 0, ctkHTML = 1, ctkRTF = 2, ctkFormula = 3, ctkWide = 5 };
int CellTextKind(const String& Text, bool CheckHTML);
bool IsURL(const String& Text);
void StripURLProtocol(String& S);
bool ParseCellReference(const String& Text, TPoint& Point);
bool HasDateSeparators(const String& Text);

// Dates.
bool ParseLocaleDateTime(const String& Text, TDateTime& Value);
// 0 when the text is not three numbers; raises EConvertError for an impossible date.
TDateTime ParseShortDateUS(const String& Text);
TDateTime ParseShortDateEU(const String& Text);
TDateTime AdvanceDate(int YearStep, int MonthStep, int DayStep, TDateTime Date, TDateTime Delta);

// HTML. The clipboard text's offsets count the bytes of its UTF-8 form: put it on the clipboard as UTF-8.
void WriteHtmlClipboard(String& Html);
bool InsertURLAnchor(const String& Text, const String& Prefix, String& Dest);

// Filter expressions: "&" and, "|" ";" "^" or, "(...)" groups, evaluated strictly left to right;
// terms are wildcard patterns ("*", "?", "!" negation) or comparisons (">", ">=", "<", "<=").
bool MatchFilterExpression(const String& Expression, const String& Text, bool CaseSensitive);
// An expression read once: its terms split, their operands read as numbers and dates and their patterns
// cut at the stars, so that matching a text costs the tests alone. Matches as MatchFilterExpression does.
class TFilterExpression {
public:
    TFilterExpression(const String& Expression, bool CaseSensitive);
    TFilterExpression(TFilterExpression&&) noexcept;
    TFilterExpression& operator=(TFilterExpression&&) noexcept;
    ~TFilterExpression();
    bool Matches(QStringView Text) const;

    struct Facts;
    struct Term;

private:
    struct Step;
    bool MatchPrepared(QStringView Text, Facts& F) const;

    bool FCaseSensitive;
    std::vector<Step> FSteps;
    std::unique_ptr<Term> FLast;
};
bool MatchFilterTerm(const String& Term, const String& Text, bool CaseSensitive);
bool MatchFilterPattern(const String& Pattern, const String& Text);
String RemoveBlanksOutsideQuotes(const String& Text);
int FindClosingParen(const String& Text);
