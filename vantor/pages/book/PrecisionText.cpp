#include "vantor/pages/book/PrecisionText.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"
#include "vantor/ui/TextBox.hpp"

#include <charconv>
#include <cmath>

namespace vantor {

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

bool AcceptedMaxChange(const std::string& text) {
    const double value = LeadingNumber(text);
    return std::isfinite(value) && value >= 0;
}

int32_t ValidateMaxChange(const TextBox& box, const std::string& caption) noexcept {
    ErrorTrap trap;
    int32_t result = 0;
    trap([&] {
        if (box.ChangedFromSaved() && !AcceptedMaxChange(box.Text())) {
            Environment::Current().MessageBox(MaxChangeRefused, msgbox::OkOnly | msgbox::Exclamation,
                                              caption);
            result = 1;
        }
    });
    CheckError("", trap);
    return result;
}

} // namespace vantor
