#pragma once
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TracingObject.hpp"
#include "vantor/automation/Variant.hpp"

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How session scripts write values and split their lines, and how a session
// prints what happened.
namespace vantor::host {

// A fault of the script itself: the session prints "line N: WHAT" and ends.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Token {
    std::string text;
    bool quoted = false;
};

// What reading one line of input gave.
enum class LineRead { Line, End, TooLong };
// The longest line a script or a numfmt input may have.
constexpr size_t MaxLineBytes = size_t{1} << 20;
// Reads one line without its end (LF or CRLF). A line over MaxLineBytes is
// skipped to its end and answered TooLong, so that memory stays bounded.
LineRead ReadLine(std::istream& in, std::string& line);

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

// The value of a token; "not a value: X" when it is none.
Variant ValueOf(const Token& token);
// A number as a Long; "not a number: X" for any other token.
int32_t NumberOf(const Token& token);

// A member path, "Borders(8).LineStyle", as its members with their arguments.
using PathSegment = std::pair<std::string, std::vector<Variant>>;
std::vector<PathSegment> ParsePath(const std::string& path);

// One traced access: "get PATH(ARGS) -> VALUE", "put PATH = VALUE",
// "call PATH(ARGS)", with " -> error N" when it failed.
std::string TraceLine(const TraceEntry& entry);
// "error N: DESCRIPTION".
std::string ErrorLine(const AutomationError& error);

} // namespace vantor::host
