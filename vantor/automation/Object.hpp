#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class InvokeKind { Get, Put, Call };

VANTOR_API const char* InvokeKindName(InvokeKind kind);

// The late-bound interface. Member names match without regard to case; an
// unknown member raises 438. For Put the value is the last argument.
class VANTOR_API Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    virtual Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) = 0;

    // Access by dispatch identifier, for objects that publish identifiers.
    virtual Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args);

    // The elements of a collection, for for-each; 438 when the object is none.
    virtual std::vector<Variant> Enumerate();

    // The object's type name, for traces.
    virtual std::string TypeName() const { return "Object"; }
    // The name a trace gives this object, such as "Range(Sheet1!A1:C3)".
    virtual std::string DisplayName() const { return TypeName(); }
};

// A reference to an object, or Nothing. Every access to Nothing raises 91.
class VANTOR_API ObjectRef {
public:
    ObjectRef() = default;
    ObjectRef(std::nullptr_t) {}
    ObjectRef(std::shared_ptr<Object> object) : m_pObject(std::move(object)) {}
    template <typename T>
    ObjectRef(std::shared_ptr<T> object) : m_pObject(std::static_pointer_cast<Object>(std::move(object))) {}

    bool IsNothing() const { return m_pObject == nullptr; }
    explicit operator bool() const { return m_pObject != nullptr; }

    template <typename... Args> Variant Get(std::string_view member, const Args&... args) const {
        const Variant argv[] = {Variant(), Variant(args)...};
        return Invoke(member, InvokeKind::Get, std::span(argv).subspan(1));
    }
    // Put with index arguments before the value: Put("Item", index, value).
    template <typename... Args> void Put(std::string_view member, const Args&... args) const {
        const Variant argv[] = {Variant(), Variant(args)...};
        Invoke(member, InvokeKind::Put, std::span(argv).subspan(1));
    }
    template <typename... Args> Variant Call(std::string_view member, const Args&... args) const {
        const Variant argv[] = {Variant(), Variant(args)...};
        return Invoke(member, InvokeKind::Call, std::span(argv).subspan(1));
    }

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) const;
    Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) const;

    // for (const Variant& item : list.Enumerate())
    std::vector<Variant> Enumerate() const;

    Object* get() const { return m_pObject.get(); }
    const std::shared_ptr<Object>& Shared() const { return m_pObject; }
    // The typed interface behind the reference, or null.
    template <typename T> std::shared_ptr<T> As() const { return std::dynamic_pointer_cast<T>(m_pObject); }

    friend bool operator==(const ObjectRef& a, const ObjectRef& b) { return a.m_pObject == b.m_pObject; }

private:
    Object& Checked() const;

    std::shared_ptr<Object> m_pObject;
};

template <typename... Args> Variant Variant::Get(std::string_view member, const Args&... args) const {
    return ToObject().Get(member, args...);
}
template <typename... Args> Variant Variant::Call(std::string_view member, const Args&... args) const {
    return ToObject().Call(member, args...);
}

} // namespace vantor
