#include "vantor/automation/Variant.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vantor {

namespace {

// Parses a text as a number the way the classic conversions do: blanks
// around it, a sign, digits with a decimal point and an exponent, or &H / &O.
bool ParseNumber(std::string_view text, double& out) {
    const std::string s = Trim(text);
    if (s.empty()) {
        return false;
    }
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        errno = 0;
        char* end = nullptr;
        const unsigned long long v = std::strtoull(s.c_str() + 2, &end, base);
        if (errno != 0 || *end != '\0' || v > 0xFFFFFFFFull) {
            return false;
        }
        // Hex literals of 32 bits are signed, as &HFFFFFFFF is -1.
        out = v > 0x7FFFFFFFull ? static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)))
                                : static_cast<double>(v);
        return true;
    }
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        ++i;
    }
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ++j, ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
        i = j;
    }
    if (i != s.size()) {
        return false;
    }
    // from_chars reads "." whatever the process locale is; it takes no '+'.
    const char* begin = s.c_str() + (s[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, s.c_str() + s.size(), out);
    return ec == std::errc() && end == s.c_str() + s.size() && std::isfinite(out);
}

// Dates in texts: "yyyy-mm-dd", "yyyy-mm-dd hh:mm[:ss]" or "hh:mm[:ss]".
bool ParseDate(std::string_view text, double& out) {
    const std::string s = Trim(text);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0, n = 0;
    auto valid = [&](bool hasDate) {
        return (!hasDate || (mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && y >= 100 && y <= 9999)) &&
               h >= 0 && h < 24 && mi >= 0 && mi < 60 && se >= 0 && se < 60;
    };
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d%n", &y, &mo, &d, &h, &mi, &se, &n) == 6 &&
        static_cast<size_t>(n) == s.size() && valid(true)) {
        out = DateSerial(y, mo, d) + TimeSerial(h, mi, se);
        return true;
    }
    h = mi = se = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d%n", &y, &mo, &d, &h, &mi, &n) == 5 &&
        static_cast<size_t>(n) == s.size() && valid(true)) {
        out = DateSerial(y, mo, d) + TimeSerial(h, mi, 0);
        return true;
    }
    h = mi = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d%n", &y, &mo, &d, &n) == 3 && static_cast<size_t>(n) == s.size() &&
        valid(true)) {
        out = DateSerial(y, mo, d);
        return true;
    }
    if (std::sscanf(s.c_str(), "%d:%d:%d%n", &h, &mi, &se, &n) == 3 && static_cast<size_t>(n) == s.size() &&
        valid(false)) {
        out = TimeSerial(h, mi, se);
        return true;
    }
    se = 0;
    if (std::sscanf(s.c_str(), "%d:%d%n", &h, &mi, &n) == 2 && static_cast<size_t>(n) == s.size() &&
        valid(false)) {
        out = TimeSerial(h, mi, 0);
        return true;
    }
    return false;
}

// Halves to the even neighbour, as the classic integer conversions round.
double RoundHalfEven(double v) {
    const double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) {
        return 2.0 * std::round(v / 2.0);
    }
    return r;
}

std::string FormatFloat(double v, int significant) {
    if (v == 0) {
        return "0";
    }
    // to_chars writes "." whatever the process locale is.
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, significant);
    std::string s(buf, ec == std::errc() ? end : buf);
    for (char& c : s) {
        c = c == 'e' ? 'E' : c;
    }
    // "1E+020" style exponents are trimmed to two digits at least: "1E+20", "1E-05".
    const size_t e = s.find('E');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        std::string exp = s.substr(e + 1);
        const char sign = exp[0];
        exp = exp.substr(1);
        while (exp.size() > 2 && exp[0] == '0') {
            exp.erase(0, 1);
        }
        s = mant + "E" + sign + exp;
    }
    return s;
}

std::string Pad2(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string FormatDate(double serial) {
    const DateParts p = SplitDate(serial);
    const bool hasDate = std::floor(serial) != 0;
    const bool hasTime = p.hour != 0 || p.minute != 0 || p.second != 0;
    std::string out;
    if (hasDate || !hasTime) {
        out = std::to_string(p.year) + "-" + Pad2(p.month) + "-" + Pad2(p.day);
    }
    if (hasTime) {
        if (!out.empty()) {
            out += " ";
        }
        out += Pad2(p.hour) + ":" + Pad2(p.minute) + ":" + Pad2(p.second);
    }
    return out;
}

[[noreturn]] void Raise(int number) { throw AutomationError(number); }

} // namespace

Variant::Variant(const ObjectRef& v) : m_value(ObjectBox{v.Shared()}) {}

bool Variant::IsNothing() const {
    const auto* box = std::get_if<ObjectBox>(&m_value);
    return box != nullptr && box->object == nullptr;
}

bool Variant::IsNumber() const {
    switch (Type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Date: return true;
    default: return false;
    }
}

double Variant::ToDouble() const {
    switch (Type()) {
    case VarType::Empty: return 0;
    case VarType::Null: Raise(err::InvalidUseOfNull);
    case VarType::Integer: return std::get<int16_t>(m_value);
    case VarType::Long: return std::get<int32_t>(m_value);
    case VarType::Single: return std::get<float>(m_value);
    case VarType::Double: return std::get<double>(m_value);
    case VarType::Date: return std::get<DateBox>(m_value).serial;
    case VarType::Boolean: return std::get<bool>(m_value) ? VbTrue : VbFalse;
    case VarType::String: {
        double v = 0;
        if (!ParseNumber(std::get<std::string>(m_value), v)) {
            Raise(err::TypeMismatch);
        }
        return v;
    }
    case VarType::Object:
    case VarType::Error: break;
    }
    Raise(err::TypeMismatch);
}

int32_t Variant::ToLong() const {
    switch (Type()) {
    case VarType::Long: return std::get<int32_t>(m_value);
    case VarType::Integer: return std::get<int16_t>(m_value);
    case VarType::Boolean: return std::get<bool>(m_value) ? VbTrue : VbFalse;
    default: break;
    }
    const double v = RoundHalfEven(ToDouble());
    if (!(v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())) {
        Raise(err::Overflow);
    }
    return static_cast<int32_t>(v);
}

int16_t Variant::ToInteger() const {
    const double v = Type() == VarType::Long ? std::get<int32_t>(m_value) : RoundHalfEven(ToDouble());
    if (!(v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max())) {
        Raise(err::Overflow);
    }
    return static_cast<int16_t>(v);
}

float Variant::ToSingle() const {
    const double v = ToDouble();
    if (std::fabs(v) > std::numeric_limits<float>::max()) {
        Raise(err::Overflow);
    }
    return static_cast<float>(v);
}

double Variant::ToDate() const {
    if (Type() == VarType::String) {
        double v = 0;
        if (ParseDate(std::get<std::string>(m_value), v) || ParseNumber(std::get<std::string>(m_value), v)) {
            return v;
        }
        Raise(err::TypeMismatch);
    }
    return ToDouble();
}

bool Variant::ToBool() const {
    switch (Type()) {
    case VarType::Boolean: return std::get<bool>(m_value);
    case VarType::String: {
        const std::string& s = std::get<std::string>(m_value);
        if (EqualsIgnoreCase(Trim(s), "True")) {
            return true;
        }
        if (EqualsIgnoreCase(Trim(s), "False")) {
            return false;
        }
        return ToDouble() != 0;
    }
    default: return ToDouble() != 0;
    }
}

std::string Variant::ToString() const {
    switch (Type()) {
    case VarType::Empty: return "";
    case VarType::Null: Raise(err::InvalidUseOfNull);
    case VarType::Integer: return std::to_string(std::get<int16_t>(m_value));
    case VarType::Long: return std::to_string(std::get<int32_t>(m_value));
    case VarType::Single: return FormatFloat(std::get<float>(m_value), 7);
    case VarType::Double: return FormatFloat(std::get<double>(m_value), 15);
    case VarType::Date: return FormatDate(std::get<DateBox>(m_value).serial);
    case VarType::String: return std::get<std::string>(m_value);
    case VarType::Boolean: return std::get<bool>(m_value) ? "True" : "False";
    case VarType::Error: return "Error " + std::to_string(std::get<ErrorBox>(m_value).code);
    case VarType::Object: break;
    }
    Raise(err::TypeMismatch);
}

ObjectRef Variant::ToObject() const {
    const auto* box = std::get_if<ObjectBox>(&m_value);
    if (box == nullptr) {
        Raise(err::ObjectRequired);
    }
    return ObjectRef(box->object);
}

Variant Variant::ChangeType(VarType type) const {
    if (IsEmpty() || IsNull() || type == Type()) {
        return *this;
    }
    switch (type) {
    case VarType::Integer: return Variant(ToInteger());
    case VarType::Long: return Variant(ToLong());
    case VarType::Single: return Variant(ToSingle());
    case VarType::Double: return Variant(ToDouble());
    case VarType::Date: return Variant::Date(ToDate());
    case VarType::String: return Variant(ToString());
    case VarType::Boolean: return Variant(ToBool());
    case VarType::Object: return Variant(ToObject());
    default: Raise(err::TypeMismatch);
    }
}

void Variant::Put(std::string_view member, const Variant& value) const { ToObject().Put(member, value); }

bool operator==(const Variant& a, const Variant& b) { return a.m_value == b.m_value; }

std::string Variant::Describe() const {
    switch (Type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer(" + ToString() + ")";
    case VarType::Long: return "Long(" + ToString() + ")";
    case VarType::Single: return "Single(" + ToString() + ")";
    case VarType::Double: return "Double(" + ToString() + ")";
    case VarType::Date: return "Date(" + ToString() + ")";
    case VarType::String: return "String(\"" + ToString() + "\")";
    case VarType::Boolean: return ToString();
    case VarType::Error: return "Error(" + std::to_string(std::get<ErrorBox>(m_value).code) + ")";
    case VarType::Object: {
        const auto& object = std::get<ObjectBox>(m_value).object;
        return object ? "Object(" + object->TypeName() + ")" : "Nothing";
    }
    }
    return "?";
}

// Days from 1899-12-30 by the proleptic Gregorian calendar.
double DateSerial(int year, int month, int day) {
    // Month overflow carries into the year, as the classic DateSerial does.
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
    if (month <= 0) {
        month += 12;
        year -= 1;
    }
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = static_cast<long>(era) * 146097 + doe - 719468; // days since 1970-01-01
    return static_cast<double>(days + 25569);
}

double TimeSerial(int hour, int minute, int second) { return (hour * 3600.0 + minute * 60.0 + second) / 86400.0; }

DateParts SplitDate(double serial) {
    // Round to the second first so that 18:55:59.9999 shows as 18:56:00.
    const double totalSeconds = std::round(serial * 86400.0);
    const long days = static_cast<long>(std::floor(totalSeconds / 86400.0));
    const long secs = static_cast<long>(totalSeconds - days * 86400.0);
    const long z = days - 25569 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day, static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60),
            static_cast<int>(secs % 60)};
}

Variant PlusOne(const Variant& value) {
    switch (value.Type()) {
    case VarType::Null:
        return value;
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean: {
        const int64_t next = static_cast<int64_t>(value.ToLong()) + 1;
        if (next > INT32_MAX) {
            throw AutomationError(err::Overflow);
        }
        return Variant(static_cast<int32_t>(next));
    }
    default:
        return Variant(value.ToDouble() + 1);
    }
}

} // namespace vantor
