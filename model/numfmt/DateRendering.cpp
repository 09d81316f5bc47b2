#include "model/numfmt/DateRendering.hpp"

#include "model/numfmt/SerialDate.hpp"

#include <string_view>

namespace vantor::numfmt {
namespace {

constexpr std::string_view MonthNames[] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};

constexpr std::string_view DayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

} // namespace

bool AppendDateSection(RenderTarget& target, const FormatSection& section, double serial) {
    DateTimeFields fields;
    if (!SplitSerial(serial, section.m_subSecondDigits, fields))
        return false;
    std::string& out = target.m_out;
    const std::string_view month = MonthNames[fields.m_month - 1];
    const std::string_view weekday = DayNames[fields.m_weekday];
    int hour = fields.m_hour;
    if (section.m_hasAmPm) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    for (const FormatToken& token : section.m_tokens) {
        switch (token.m_kind) {
        case TokenKind::Year2:
            AppendInteger(out, fields.m_year % 100, 2);
            break;
        case TokenKind::Year4:
            AppendInteger(out, fields.m_year, 4);
            break;
        case TokenKind::Month:
            AppendInteger(out, fields.m_month, 1);
            break;
        case TokenKind::Month2:
            AppendInteger(out, fields.m_month, 2);
            break;
        case TokenKind::MonthAbbr:
            out += month.substr(0, 3);
            break;
        case TokenKind::MonthName:
            out += month;
            break;
        case TokenKind::MonthLetter:
            out.push_back(month.front());
            break;
        case TokenKind::Day:
            AppendInteger(out, fields.m_day, 1);
            break;
        case TokenKind::Day2:
            AppendInteger(out, fields.m_day, 2);
            break;
        case TokenKind::DayAbbr:
            out += weekday.substr(0, 3);
            break;
        case TokenKind::DayName:
            out += weekday;
            break;
        case TokenKind::Hour:
            AppendInteger(out, hour, 1);
            break;
        case TokenKind::Hour2:
            AppendInteger(out, hour, 2);
            break;
        case TokenKind::Minute:
            AppendInteger(out, fields.m_minute, 1);
            break;
        case TokenKind::Minute2:
            AppendInteger(out, fields.m_minute, 2);
            break;
        case TokenKind::Second:
            AppendInteger(out, fields.m_second, 1);
            break;
        case TokenKind::Second2:
            AppendInteger(out, fields.m_second, 2);
            break;
        case TokenKind::ElapsedHours:
            AppendInteger(out, fields.m_totalSeconds / 3600, token.m_count);
            break;
        case TokenKind::ElapsedMinutes:
            AppendInteger(out, fields.m_totalSeconds / 60, token.m_count);
            break;
        case TokenKind::ElapsedSeconds:
            AppendInteger(out, fields.m_totalSeconds, token.m_count);
            break;
        case TokenKind::AmPm:
            out += fields.m_hour < 12 ? "AM" : "PM";
            break;
        case TokenKind::AP:
            out.push_back(token.m_text[fields.m_hour < 12 ? 0 : 1]);
            break;
        case TokenKind::SubSecond: {
            // The section is rounded to its finest fraction; a shorter one shows the leading
            // digits of it.
            char digits[4] = {'0', '0', '0', '0'};
            int value = fields.m_subSecond;
            for (int i = section.m_subSecondDigits - 1; i >= 0; --i) {
                digits[i] = static_cast<char>('0' + value % 10);
                value /= 10;
            }
            out.append(digits, static_cast<std::size_t>(token.m_count));
            break;
        }
        default:
            AppendPlainToken(target, token);
            break;
        }
    }
    return true;
}

} // namespace vantor::numfmt
