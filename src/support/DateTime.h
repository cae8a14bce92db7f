#pragma once

#include "support/G20SeqExport.h"
#include "support/Types.h"

#include <string>

namespace g20seq {

// A moment as days since 1899-12-30 00:00 (0.0); the fraction is the time of day. Days
// before that date are negative and their fraction still counts forwards from midnight
// (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

bool IsLeapYear(Word year);
// Days of the month in that year; 0 for a month outside 1..12.
Word DaysInMonth(Word year, Word month);

// Date of year 1..9999, month 1..12, day 1..days of the month. The Try forms answer false
// and leave `date` unchanged for an impossible date; Encode raises EConvertError.
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
TDateTime EncodeDate(Word year, Word month, Word day);
// Time of day: hour 0..23, minute 0..59, second 0..59, millisecond 0..999.
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
// The time of day, to the nearest millisecond.
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);

// The local date and time of the computer.
TDateTime Now();

// "DD/MM/YYYY" and "hh:nn:ss" (24-hour clock); hosts show dates the module's way.
G20SEQ_EXPORT std::string FormatDate(TDateTime date);
G20SEQ_EXPORT std::string FormatTime(TDateTime time);

} // namespace g20seq
