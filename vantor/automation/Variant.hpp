#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace vantor {

class Object;
class ObjectRef;

// Automation type codes, as reported by Variant::TypeCode.
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
};

// True and False of the automation world.
constexpr int32_t VbTrue = -1;
constexpr int32_t VbFalse = 0;

// A value of the automation world with its classic conversion rules:
// to Long rounds halves to even and raises 6 out of range, 13 for a text that
// is no number, 94 for Null. Strings are UTF-8.
class VANTOR_API Variant {
public:
    Variant() = default; // Empty
    Variant(int16_t v) : m_value(v) {}
    Variant(int32_t v) : m_value(v) {}
    Variant(float v) : m_value(v) {}
    Variant(double v) : m_value(v) {}
    Variant(bool v) : m_value(v) {}
    Variant(std::string v) : m_value(std::move(v)) {}
    Variant(std::string_view v) : m_value(std::string(v)) {}
    Variant(const char* v) : m_value(std::string(v)) {}
    Variant(const ObjectRef& v);
    template <typename T>
        requires std::is_convertible_v<T*, Object*>
    Variant(std::shared_ptr<T> v) : m_value(ObjectBox{std::move(v)}) {}

    static Variant Null() { return Variant(NullTag{}); }
    static Variant Date(double serial) { return Variant(DateBox{serial}); }
    static Variant Error(int32_t code) { return Variant(ErrorBox{code}); }
    static Variant Nothing() { return Variant(ObjectBox{}); }

    VarType Type() const { return static_cast<VarType>(kTypes[m_value.index()]); }
    int TypeCode() const { return static_cast<int>(Type()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsNull() const { return Type() == VarType::Null; }
    bool IsString() const { return Type() == VarType::String; }
    bool IsBoolean() const { return Type() == VarType::Boolean; }
    bool IsObject() const { return Type() == VarType::Object; }
    // An Object variant holding no object.
    bool IsNothing() const;
    // Integer, Long, Single, Double or Date.
    bool IsNumber() const;

    // Conversions (CInt, CLng, CSng, CDbl, CBool, CStr, CDate); each raises the
    // automation error of the classic rules when the value does not convert.
    int16_t ToInteger() const;
    int32_t ToLong() const;
    float ToSingle() const;
    double ToDouble() const;
    bool ToBool() const;
    std::string ToString() const;
    double ToDate() const;
    // The object held; Nothing for an empty object variant; 424 for a non-object.
    ObjectRef ToObject() const;

    // The same value converted to another type code (2, 3, 4, 5, 7, 8, 9, 11),
    // Empty and Null as they are.
    Variant ChangeType(VarType type) const;

    // Late-bound access through the object held (424 when it holds none).
    template <typename... Args> Variant Get(std::string_view member, const Args&... args) const;
    void Put(std::string_view member, const Variant& value) const;
    template <typename... Args> Variant Call(std::string_view member, const Args&... args) const;

    // Strict identity of type and value (objects by identity). Null equals Null
    // here; the comparison rules of the pages live in SafeCompare.
    friend VANTOR_API bool operator==(const Variant& a, const Variant& b);

    // A readable form for traces and test messages: Long(5), String("a"), Null.
    std::string Describe() const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct DateBox {
        double serial;
        bool operator==(const DateBox&) const = default;
    };
    struct ErrorBox {
        int32_t code;
        bool operator==(const ErrorBox&) const = default;
    };
    struct ObjectBox {
        std::shared_ptr<Object> object;
        bool operator==(const ObjectBox& o) const { return object == o.object; }
    };
    using Storage = std::variant<std::monostate, NullTag, int16_t, int32_t, float, double, DateBox,
                                 std::string, ObjectBox, ErrorBox, bool>;
    static constexpr int kTypes[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11};

    explicit Variant(NullTag t) : m_value(t) {}
    explicit Variant(DateBox d) : m_value(d) {}
    explicit Variant(ErrorBox e) : m_value(e) {}
    explicit Variant(ObjectBox o) : m_value(std::move(o)) {}

    Storage m_value;
};

// Date serials of the automation world: days since 1899-12-30, the time as
// the fraction of a day.
VANTOR_API double DateSerial(int year, int month, int day);
VANTOR_API double TimeSerial(int hour, int minute, int second);
struct VANTOR_API DateParts {
    int year, month, day, hour, minute, second;
};
VANTOR_API DateParts SplitDate(double serial);

// The value plus 1, as the automation addition gives it (Null stays Null;
// a whole number past the Long range raises 6).
VANTOR_API Variant PlusOne(const Variant& value);

} // namespace vantor

// Variant's late-bound templates need ObjectRef complete.
#include "vantor/automation/Object.hpp"
