#pragma once
#include "vantor/Export.h"

namespace vantor::numfmt {

// The fields of a serial date-time in the 1900 date system: serial 1 is 1900-01-01, 60 is the
// nonexistent 1900-02-29 spreadsheets keep for compatibility, 0 shows as 1900-01-00.
struct VANTOR_API DateTimeFields {
    int m_year = 1900;
    int m_month = 1;
    int m_day = 0;
    int m_weekday = 0; // 0 Sunday .. 6 Saturday
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    int m_subSecond = 0;          // in units of 10^-subSecondDigits
    long long m_totalSeconds = 0; // whole seconds since serial 0, for elapsed times
};

// The largest serial that is still a date: 9999-12-31.
constexpr double MaxSerialDate = 2958465.0;

// Splits a serial, rounded to the nearest second (or to the shown fraction of a second).
// Returns false for values that are no date: negative or after 9999-12-31.
VANTOR_API bool SplitSerial(double serial, int subSecondDigits, DateTimeFields& fields);

} // namespace vantor::numfmt
