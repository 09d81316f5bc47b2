#include "model/CellEntry.hpp"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace vantor::model {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A number as typed, with whether it had decimals; nothing when the text is
// no number. Thousands separators must stand between groups of three digits.
std::optional<double> ParseNumber(std::string_view text, bool& hasDecimals) {
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        plain += text[i++];
    }
    size_t groupDigits = 0;
    size_t integerDigits = 0;
    bool grouped = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (integerDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3)) {
                return std::nullopt;
            }
            grouped = true;
            groupDigits = 0;
            continue;
        }
        plain += text[i];
        ++groupDigits;
        ++integerDigits;
    }
    if (grouped && groupDigits != 3) {
        return std::nullopt;
    }
    size_t decimals = 0;
    if (i < text.size() && text[i] == '.') {
        plain += text[i++];
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            plain += text[i];
            ++decimals;
        }
    }
    if (integerDigits + decimals == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            plain += text[i++];
        }
        const size_t start = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            plain += text[i];
        }
        if (i == start) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    hasDecimals = decimals > 0;
    return value;
}

// Digits at text[pos, pos + count) as a number, or -1.
int DigitsAt(std::string_view text, size_t pos, size_t count) {
    if (pos + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (!IsDigit(text[i])) {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// yyyy-mm-dd as a date serial (days since 1899-12-30), for a real calendar day.
std::optional<double> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const int year = DigitsAt(text, 0, 4);
    const int month = DigitsAt(text, 5, 2);
    const int day = DigitsAt(text, 8, 2);
    if (year < 1900 || month < 0 || day < 0) {
        return std::nullopt;
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    const year_month_day epoch{std::chrono::year(1899), December, std::chrono::day(30)};
    return static_cast<double>((sys_days(date) - sys_days(epoch)).count());
}

// h:mm or hh:mm:ss as a fraction of a day, with whether seconds were typed.
std::optional<double> ParseTime(std::string_view text, bool& hasSeconds) {
    const size_t colon = text.find(':');
    if (colon != 1 && colon != 2) {
        return std::nullopt;
    }
    const int hours = DigitsAt(text, 0, colon);
    const int minutes = DigitsAt(text, colon + 1, 2);
    int seconds = 0;
    hasSeconds = text.size() == colon + 6 && text[colon + 3] == ':';
    if (hasSeconds) {
        seconds = DigitsAt(text, colon + 4, 2);
    } else if (text.size() != colon + 3) {
        return std::nullopt;
    }
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
        return std::nullopt;
    }
    return (hours * 3600.0 + minutes * 60.0 + seconds) / 86400.0;
}

bool EqualsNoCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        if (c != upper[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

CellEntry CellEntry::Recognize(std::string_view typed, std::optional<int32_t> fixedPlaces) {
    if (!typed.empty() && typed.front() == '\'') {
        return CellEntry(Variant(std::string(typed.substr(1))), "");
    }
    const std::string_view text = Trimmed(typed);
    if (text.empty()) {
        return CellEntry(Variant(), "");
    }
    bool decimals = false;
    if (const auto number = ParseNumber(text, decimals)) {
        if (fixedPlaces && *fixedPlaces != 0 && text.find('.') == std::string_view::npos) {
            // Divided by a power of ten, not multiplied by its inverse, so that
            // 1234 with 2 places is the 12.34 a user types.
            const double scale = std::pow(10.0, std::abs(*fixedPlaces));
            const double value = *fixedPlaces > 0 ? *number / scale : *number * scale;
            // Too large a number once scaled stays the text typed, not infinity.
            return std::isfinite(value) ? CellEntry(Variant(value), "")
                                        : CellEntry(Variant(std::string(typed)), "");
        }
        return CellEntry(Variant(*number), "");
    }
    if (text.back() == '%') {
        if (const auto number = ParseNumber(Trimmed(text.substr(0, text.size() - 1)), decimals)) {
            return CellEntry(Variant(*number / 100.0), decimals ? "0.00%" : "0%");
        }
    }
    if (const auto date = ParseDate(text)) {
        return CellEntry(Variant::Date(*date), "yyyy-mm-dd");
    }
    bool seconds = false;
    if (const auto time = ParseTime(text, seconds)) {
        return CellEntry(Variant::Date(*time), seconds ? "hh:mm:ss" : "hh:mm");
    }
    if (EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "FALSE")) {
        return CellEntry(Variant(text.size() == 4), "");
    }
    return CellEntry(Variant(std::string(typed)), "");
}

} // namespace vantor::model
