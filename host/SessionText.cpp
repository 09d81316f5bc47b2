#include "host/SessionText.hpp"

#include "vantor/automation/Object.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>

namespace vantor::host {

LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    int c = std::char_traits<char>::eof();
    while ((c = buffer->sbumpc()) != std::char_traits<char>::eof() && c != '\n') {
        // One byte over the bound may be the CR of a CRLF.
        if (line.size() <= MaxLineBytes) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (c == std::char_traits<char>::eof()) {
        in.setstate(std::ios::eofbit);
        if (line.empty() && !tooLong) {
            return LineRead::End;
        }
    }
    if (!tooLong && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (tooLong || line.size() > MaxLineBytes) {
        line.clear();
        return LineRead::TooLong;
    }
    return LineRead::Line;
}

std::optional<std::vector<Token>> SplitLine(std::string_view line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        token.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                token.text += line[i++];
            }
            if (!closed) {
                return std::nullopt;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::optional<Variant> ParseValue(const Token& token) {
    if (token.quoted) {
        return Variant(token.text);
    }
    const std::string& t = token.text;
    if (t == "null") {
        return Variant::Null();
    }
    if (t == "empty") {
        return Variant();
    }
    if (t == "true" || t == "false") {
        return Variant(t == "true");
    }
    if (t.rfind("date:", 0) == 0) {
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, n = 0;
        const std::string rest = t.substr(5);
        const bool full = std::sscanf(rest.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &y, &mo, &d, &h,
                                      &mi, &s, &n) == 6 &&
                          static_cast<size_t>(n) == rest.size();
        n = 0;
        const bool dateOnly = !full &&
                              std::sscanf(rest.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &n) == 3 &&
                              static_cast<size_t>(n) == rest.size();
        if ((!full && !dateOnly) || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 ||
            s > 59) {
            return std::nullopt;
        }
        return Variant::Date(DateSerial(y, mo, d) + TimeSerial(h, mi, s));
    }
    const bool whole = !t.empty() && t.find_first_not_of("+-0123456789") == std::string::npos;
    if (whole) {
        long long v = 0;
        const char* begin = t.data() + (t[0] == '+' ? 1 : 0);
        const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), v);
        if (ec == std::errc() && end == t.data() + t.size() && v >= INT32_MIN && v <= INT32_MAX) {
            return Variant(static_cast<int32_t>(v));
        }
        return std::nullopt;
    }
    double v = 0;
    const char* begin = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), v);
    if (ec == std::errc() && end == t.data() + t.size() && std::isfinite(v)) {
        return Variant(v);
    }
    return std::nullopt;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

namespace {

// The shortest text that reads back to the same number, exponent as "E-11".
template <typename Number> std::string Shortest(Number v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, ec == std::errc() ? end : buf);
    const size_t e = s.find('e');
    if (e != std::string::npos) {
        std::string exponent = s.substr(e + 1);
        const char sign = exponent[0] == '-' ? '-' : '+';
        if (exponent[0] == '-' || exponent[0] == '+') {
            exponent.erase(0, 1);
        }
        s = s.substr(0, e) + "E" + sign + exponent;
    }
    return s;
}

std::string Two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

} // namespace

std::string FormatValue(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
        return "Empty";
    case VarType::Null:
        return "Null";
    case VarType::Boolean:
        return value.ToBool() ? "True" : "False";
    case VarType::Integer:
    case VarType::Long:
        return std::to_string(value.ToLong());
    case VarType::Single:
        return Shortest(value.ToSingle());
    case VarType::Double:
        return Shortest(value.ToDouble());
    case VarType::Date: {
        const DateParts p = SplitDate(value.ToDouble());
        return "date:" + std::to_string(p.year) + "-" + Two(p.month) + "-" + Two(p.day) + "T" +
               Two(p.hour) + ":" + Two(p.minute) + ":" + Two(p.second);
    }
    case VarType::String:
        return Quote(value.ToString());
    case VarType::Object:
        return value.IsNothing() ? "Nothing" : value.ToObject().get()->DisplayName();
    case VarType::Error:
        return value.Describe();
    }
    return value.Describe();
}

Variant ValueOf(const Token& token) {
    const auto value = ParseValue(token);
    if (!value) {
        throw ScriptError("not a value: " + token.text);
    }
    return *value;
}

int32_t NumberOf(const Token& token) {
    const auto value = ParseValue(token);
    if (!value || !value->IsNumber()) {
        throw ScriptError("not a number: " + token.text);
    }
    return value->ToLong();
}

std::vector<PathSegment> ParsePath(const std::string& path) {
    std::vector<PathSegment> segments;
    size_t i = 0;
    while (i <= path.size()) {
        PathSegment segment;
        while (i < path.size() && path[i] != '.' && path[i] != '(') {
            segment.first += path[i++];
        }
        if (segment.first.empty()) {
            throw ScriptError("bad member path " + path);
        }
        if (i < path.size() && path[i] == '(') {
            const size_t close = path.find(')', i);
            if (close == std::string::npos) {
                throw ScriptError("bad member path " + path);
            }
            const std::string inner = path.substr(i + 1, close - i - 1);
            size_t start = 0;
            while (start <= inner.size() && !inner.empty()) {
                const size_t comma = std::min(inner.find(',', start), inner.size());
                const auto argTokens = SplitLine(inner.substr(start, comma - start));
                if (!argTokens || argTokens->size() != 1) {
                    throw ScriptError("bad member path " + path);
                }
                const auto value = ParseValue((*argTokens)[0]);
                if (!value) {
                    throw ScriptError("bad value in " + path);
                }
                segment.second.push_back(*value);
                start = comma + 1;
            }
            i = close + 1;
        }
        segments.push_back(std::move(segment));
        if (i < path.size() && path[i] != '.') {
            throw ScriptError("bad member path " + path);
        }
        if (i >= path.size()) {
            break;
        }
        ++i;
    }
    return segments;
}

std::string TraceLine(const TraceEntry& e) {
    const size_t indexCount =
        e.kind == InvokeKind::Put && !e.args.empty() ? e.args.size() - 1 : e.args.size();
    std::string args;
    for (size_t i = 0; i < indexCount; ++i) {
        args += (i ? "," : "") + FormatValue(e.args[i]);
    }
    std::string line;
    switch (e.kind) {
    case InvokeKind::Get:
        line = "get " + e.path + (indexCount ? "(" + args + ")" : "");
        return line + " -> " +
               (e.error ? "error " + std::to_string(e.error) : FormatValue(e.result));
    case InvokeKind::Put:
        line = "put " + e.path + (indexCount ? "(" + args + ")" : "") + " = " +
               (e.args.empty() ? std::string("Empty") : FormatValue(e.args.back()));
        break;
    case InvokeKind::Call:
        line = "call " + e.path + "(" + args + ")";
        break;
    }
    return e.error ? line + " -> error " + std::to_string(e.error) : line;
}

std::string ErrorLine(const AutomationError& e) {
    return "error " + std::to_string(e.Number()) + ": " + e.Description();
}

} // namespace vantor::host
