// TDateTime: day count since 30 Dec 1899 with the time of day as fraction.
#pragma once

#include "suite/Types.h"

TDateTime qtx_Now();
TDateTime qtx_Date();

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond = 0);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
