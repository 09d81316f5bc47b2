#include "model/ErrorValues.hpp"

#include <array>
#include <utility>

namespace vantor::model::errorvalues {

namespace {

constexpr std::array<std::pair<int32_t, std::string_view>, 8> kErrors = {{
    {2000, "#NULL!"},
    {2007, "#DIV/0!"},
    {2015, "#VALUE!"},
    {2023, "#REF!"},
    {2029, "#NAME?"},
    {2036, "#NUM!"},
    {2042, "#N/A"},
    {2043, "#GETTING_DATA"},
}};

} // namespace

std::string_view NameOf(int32_t code) {
    for (const auto& [c, name] : kErrors) {
        if (c == code) {
            return name;
        }
    }
    return {};
}

std::string_view NameOf(const Variant& value) {
    for (const auto& [code, name] : kErrors) {
        if (value == Variant::Error(code)) {
            return name;
        }
    }
    return "#VALUE!";
}

int32_t CodeOf(std::string_view name) {
    for (const auto& [code, n] : kErrors) {
        if (n == name) {
            return code;
        }
    }
    return 0;
}

} // namespace vantor::model::errorvalues
