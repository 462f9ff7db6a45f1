// The dropdown edit's number routines: what kind of number a text is, hexadecimal digits, and the fixed,
// grouped and general number formats its values are shown in. Pure: the separators are passed in (the
// locale's are read at each use by the callers).
#pragma once

#include "toolkit/system/Types.h"

#include <QChar>

// The locale's separators, read at each call.
QChar DecimalSeparatorChar();
QChar ThousandSeparatorChar();

// ',' '-' ';' separate the parts of a range list.
bool IsRangeSeparator(QChar c);

// 0: only digits and '-'; 1: digits, ',', '-' and '.', the thousand separators each more than two places
// after the one before and none first; 5: digits, '-' and hexadecimal letters; 2: anything else, an empty
// text, more than one '-' or more than one decimal separator.
int NumberKindOf(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator);
String StripThousandSeparators(const String& Text, QChar ThousandSeparator);
// 0 for a character that is no hexadecimal digit.
int HexDigitValue(QChar c);
// The digits' value, the last the lowest; other characters count 0. A value beyond the 32-bit range stays
// at its largest value instead of wrapping round.
int HexToInt(const String& Text);

// The text without its thousand separators read with the decimal separator; 0 when it is no number.
double ParseFloatText(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator);
// "%.<Decimals>f": fixed decimals, no grouping.
String FormatFixed(double Value, int Decimals, QChar DecimalSeparator);
// "%.<Decimals>n": fixed decimals, the integer part grouped by threes.
String FormatGrouped(double Value, int Decimals, QChar DecimalSeparator, QChar ThousandSeparator);
// "%g": the shortest exact form, up to 15 significant digits.
String FormatGeneral(double Value, QChar DecimalSeparator);
// Hexadecimal without leading zeros of the value cut to an integer (a negative one as its 32-bit pattern).
String FormatHex(double Value);

// The place (from 1) of the decimal separator in the text without its thousand separators, or its length
// + 1 without one; one less for a signed number holding '-': the integer digits are this count - 1.
int IntegerDigitCount(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator, bool SignedNumber);
