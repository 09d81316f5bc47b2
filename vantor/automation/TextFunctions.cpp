#include "vantor/automation/TextFunctions.hpp"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vantor {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string ToUtf8(const icu::UnicodeString& u) {
    std::string out;
    u.toUTF8String(out);
    return out;
}

icu::UnicodeString FromUtf8(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

} // namespace

std::string FoldCase(std::string_view text) {
    // Member names and most texts are ASCII, where full folding is plain lowering.
    if (IsAscii(text)) {
        std::string out(text);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return out;
    }
    return ToUtf8(FromUtf8(text).foldCase());
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (IsAscii(a) && IsAscii(b)) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return (x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x) == (y >= 'A' && y <= 'Z' ? y - 'A' + 'a' : y);
               });
    }
    return FromUtf8(a).caseCompare(FromUtf8(b), U_FOLD_CASE_DEFAULT) == 0;
}

std::string ToUpper(std::string_view text) { return ToUtf8(FromUtf8(text).toUpper(icu::Locale::getRoot())); }

std::string ToLower(std::string_view text) { return ToUtf8(FromUtf8(text).toLower(icu::Locale::getRoot())); }

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "";
    }
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

size_t CharCount(std::string_view text) {
    size_t count = 0;
    int32_t i = 0;
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        (void)c;
        ++count;
    }
    return count;
}

std::string LeftChars(std::string_view text, size_t count) {
    int32_t i = 0;
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (size_t n = 0; n < count && i < length; ++n) {
        U8_FWD_1(s, i, length);
    }
    return std::string(text.substr(0, static_cast<size_t>(i)));
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
