#include "support/DateTime.h"

#include "support/Exceptions.h"
#include "support/Format.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <mutex>

namespace g20seq {

namespace {

constexpr Int64 MSecsPerDay = 24 * 60 * 60 * 1000;
// Days from 1899-12-30 to 1970-01-01, the epoch of the civil day count below.
constexpr Int64 UnixDateDelta = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date.
Int64 DaysFromCivil(Int64 year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const Int64 era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<Int64>(doe) - 719468;
}

void CivilFromDays(Int64 days, Int64& year, unsigned& month, unsigned& day) {
    days += 719468;
    const Int64 era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<Int64>(yoe) + era * 400 + (month <= 2 ? 1 : 0);
}

// Splits a moment into whole days and milliseconds of the day, the way the system reads
// it: the day is the integer part, the time the absolute fraction.
void Split(TDateTime value, Int64& days, Int64& msecs) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        throw EConvertError(Format("Invalid date/time value %g", value));
    double whole = 0.0;
    const double fraction = std::modf(value, &whole);
    days = static_cast<Int64>(whole);
    msecs = static_cast<Int64>(std::llround(std::fabs(fraction) * MSecsPerDay));
    if (msecs >= MSecsPerDay) {
        msecs -= MSecsPerDay;
        days += value < 0 ? -1 : 1;
    }
}

} // namespace

bool IsLeapYear(Word year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

Word DaysInMonth(Word year, Word month) {
    static constexpr Word Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
        return false;
    date = static_cast<TDateTime>(DaysFromCivil(year, month, day) + UnixDateDelta);
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
    TDateTime date = 0.0;
    if (!TryEncodeDate(year, month, day, date))
        throw EConvertError("Invalid argument to date encode");
    return date;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) {
    if (hour > 23 || min > 59 || sec > 59 || msec > 999)
        return false;
    const Int64 msecs = ((hour * 60 + min) * 60 + sec) * 1000 + msec;
    time = static_cast<double>(msecs) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
    TDateTime time = 0.0;
    if (!TryEncodeTime(hour, min, sec, msec, time))
        throw EConvertError("Invalid argument to time encode");
    return time;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
    Int64 days = 0;
    Int64 msecs = 0;
    Split(date, days, msecs);
    Int64 civilYear = 0;
    unsigned civilMonth = 0;
    unsigned civilDay = 0;
    CivilFromDays(days - UnixDateDelta, civilYear, civilMonth, civilDay);
    year = static_cast<Word>(civilYear);
    month = static_cast<Word>(civilMonth);
    day = static_cast<Word>(civilDay);
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec) {
    Int64 days = 0;
    Int64 msecs = 0;
    Split(time, days, msecs);
    msec = static_cast<Word>(msecs % 1000);
    sec = static_cast<Word>(msecs / 1000 % 60);
    min = static_cast<Word>(msecs / 60000 % 60);
    hour = static_cast<Word>(msecs / 3600000);
}

TDateTime Now() {
    using namespace std::chrono;
    const auto moment = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(moment);
    const auto msec = duration_cast<milliseconds>(moment.time_since_epoch()).count() % 1000;
    std::tm local{};
    {
        // localtime answers a shared buffer: copy it out under a lock.
        static std::mutex guard;
        const std::lock_guard<std::mutex> lock(guard);
        local = *std::localtime(&seconds);
    }
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
           EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec),
                      static_cast<Word>(msec));
}

std::string FormatDate(TDateTime date) {
    Word year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return Format("%.2d/%.2d/%.4d", day, month, year);
}

std::string FormatTime(TDateTime time) {
    Word hour = 0, min = 0, sec = 0, msec = 0;
    DecodeTime(time, hour, min, sec, msec);
    return Format("%.2d:%.2d:%.2d", hour, min, sec);
}

} // namespace g20seq
