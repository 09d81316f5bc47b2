#include "model/numfmt/SerialDate.hpp"

#include <cmath>

namespace vantor::numfmt {
namespace {

constexpr long long SecondsPerDay = 86400;
// Days from 1970-01-01 back to the day before serial 1 in the real calendar (1899-12-30 for
// serials from 61 on, where the nonexistent 1900-02-29 has been passed).
constexpr long long UnixDaysOfSerialZero = -25569;

// Proleptic Gregorian date of a day count since 1970-01-01.
void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

bool SplitSerial(double serial, int subSecondDigits, DateTimeFields& fields) {
    if (!(serial >= 0.0) || serial >= MaxSerialDate + 1.0)
        return false;
    long long unitsPerSecond = 1;
    for (int i = 0; i < subSecondDigits; ++i)
        unitsPerSecond *= 10;
    const long long unitsPerDay = SecondsPerDay * unitsPerSecond;
    const long long units = std::llround(serial * static_cast<double>(unitsPerDay));
    const long long days = units / unitsPerDay;
    if (days > static_cast<long long>(MaxSerialDate))
        return false;
    const long long unitsOfDay = units % unitsPerDay;
    const long long secondOfDay = unitsOfDay / unitsPerSecond;

    fields.m_subSecond = static_cast<int>(unitsOfDay % unitsPerSecond);
    fields.m_hour = static_cast<int>(secondOfDay / 3600);
    fields.m_minute = static_cast<int>(secondOfDay / 60 % 60);
    fields.m_second = static_cast<int>(secondOfDay % 60);
    fields.m_totalSeconds = units / unitsPerSecond;
    // Serial 1 was a Sunday by the spreadsheet calendar; from serial 61 on this is the real one.
    fields.m_weekday = static_cast<int>((days + 6) % 7);

    if (days == 0) {
        fields.m_year = 1900;
        fields.m_month = 1;
        fields.m_day = 0;
    } else if (days == 60) {
        fields.m_year = 1900;
        fields.m_month = 2;
        fields.m_day = 29;
    } else if (days < 60) {
        CivilFromDays(UnixDaysOfSerialZero + 1 + days, fields.m_year, fields.m_month, fields.m_day);
    } else {
        CivilFromDays(UnixDaysOfSerialZero + days, fields.m_year, fields.m_month, fields.m_day);
    }
    return true;
}

} // namespace vantor::numfmt
