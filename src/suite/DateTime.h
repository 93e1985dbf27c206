// TDateTime: day count since 30 Dec 1899 with the time of day as fraction.
#pragma once

#include <string>
#include <string_view>

#include "suite/Types.h"

TDateTime qtx_Now();
TDateTime qtx_Date();

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond = 0);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
int DaysInMonth(TDateTime value);

int YearOf(TDateTime value);
int MonthOf(TDateTime value);
int DayOf(TDateTime value);

// Moves by whole months, keeping the time of day; a day beyond the end of the target
// month becomes its last day (31 Jan + 1 month = 28/29 Feb).
TDateTime IncMonth(TDateTime value, int months = 1);
// First and last day of value's month, without time of day.
TDateTime StartOfMonth(TDateTime value);
TDateTime EndOfMonth(TDateTime value);

// Date and time text after a pattern, letters case-insensitive: d dd m mm yy yyyy
// h hh n nn s ss z zzz ("n" minutes, "z" milliseconds; "m"/"mm" right after an hour
// stand for minutes, as in "hhmmss"). Text in '...' or "..." and every other
// character are copied.
std::string FormatDateTime(std::string_view pattern, TDateTime value);
// The date as "yyyymmdd", the suite's sortable date text.
std::string Date2JJJJMMTT(TDateTime value);
// The date in the short date format of the format settings ("dd.mm.yyyy").
std::string DateToStr(TDateTime value);
// Parses "dd.mm.yyyy" or "d.m.yy" (two-digit years within 50 years of this year);
// def when the text is no valid date.
TDateTime StrToDateDef(std::string_view text, TDateTime def);
