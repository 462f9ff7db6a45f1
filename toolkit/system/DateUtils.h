// Dates and times as the platform's date-time numbers (days since 30 December 1899, the time of day as
// the fraction), written and read with the user's format settings.
#pragma once

#include "toolkit/system/Types.h"

using TDateTime = double;

TDateTime Now();
bool TryDateFromParts(int year, int month, int day, TDateTime& value);
void DatePartsOf(TDateTime value, int& year, int& month, int& day);
bool TryTimeFromParts(int hour, int minute, int second, TDateTime& value);
void TimePartsOf(TDateTime value, int& hour, int& minute, int& second);
int DaysInAMonth(int year, int month);

// The short date format as the platform writes it ("dd/MM/yyyy" style letters) and the long time format.
String LongTimeFormat();
// The date in the short date format; a two-digit year format is written with four digits, so that the
// text reads back as the same date.
String DateToStr(TDateTime value);
// Three numbers in the order of the short date format, separated by the date separator; a year below 100
// counts in the century window around today. False for anything else or an impossible date.
bool TryStrToDate(const String& text, TDateTime& value);
// The time of day with the long time format ("h:mm:ss" style), or with `format` ("h:nn").
String TimeToStr(TDateTime value);
String FormatTimeHN(TDateTime value);
// "h<sep>m" or "h<sep>m<sep>s", with an optional AM/PM marker; false for anything else.
bool TryStrToTime(const String& text, TDateTime& value);
