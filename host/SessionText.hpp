#pragma once
#include "vantor/automation/Variant.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How session scripts write values and split their lines.
namespace vantor::host {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a script line at blanks; "text" is one token, "" a quote inside it.
// Nothing for a quote left open.
std::optional<std::vector<Token>> SplitLine(std::string_view line);

// null, empty, true, false, a whole number (Long), a number with a point or
// an exponent (Double), "text", date:YYYY-MM-DDThh:mm:ss. Nothing when the
// token is none of these.
std::optional<Variant> ParseValue(const Token& token);

// Null, Empty, True, False, whole numbers as they are, Doubles as the
// shortest text that reads back the same, date:..., "text" with "" inside,
// objects by their display name.
std::string FormatValue(const Variant& value);

// "text" with "" for a quote inside.
std::string Quote(std::string_view text);

} // namespace vantor::host
