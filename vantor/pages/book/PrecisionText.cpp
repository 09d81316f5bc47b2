#include "vantor/pages/book/PrecisionText.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vantor {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string ShortNumberText(double value) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, result.ptr);
    for (char& c : text) {
        c = c == 'e' ? 'E' : c;
    }
    const bool negative = !text.empty() && text[0] == '-';
    const size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0) {
        text.erase(digits, 1);
    }
    return negative ? text : " " + text;
}

std::string FixedNumberText(double value) {
    char buf[400];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 10);
    std::string text(buf, result.ptr);
    const size_t point = text.find('.');
    if (point == std::string::npos) {
        return text; // not finite
    }
    size_t end = text.size();
    while (end > point + 2 && text[end - 1] == '0') {
        --end;
    }
    return text.substr(0, end);
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i, ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
        }
        if (j > exponentStart) {
            end = j;
        }
    }
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small reads as 0; too large as infinity, which the target refuses.
        const size_t e = text.find_first_of("eE", start);
        value = e < end && text[e + 1] == '-' ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

} // namespace vantor
