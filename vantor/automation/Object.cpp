#include "vantor/automation/Object.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor {

const char* InvokeKindName(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::Get: return "Get";
    case InvokeKind::Put: return "Put";
    case InvokeKind::Call: return "Call";
    }
    return "?";
}

Variant Object::InvokeId(int32_t, InvokeKind, std::span<const Variant>) {
    throw AutomationError(err::NotSupported);
}

std::vector<Variant> Object::Enumerate() { throw AutomationError(err::NotSupported); }

Object& ObjectRef::Checked() const {
    if (m_pObject == nullptr) {
        throw AutomationError(err::ObjectNotSet);
    }
    return *m_pObject;
}

Variant ObjectRef::Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) const {
    return Checked().Invoke(member, kind, args);
}

Variant ObjectRef::InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) const {
    return Checked().InvokeId(dispId, kind, args);
}

std::vector<Variant> ObjectRef::Enumerate() const { return Checked().Enumerate(); }

} // namespace vantor
