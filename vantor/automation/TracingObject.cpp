#include "vantor/automation/TracingObject.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <functional>

namespace vantor {

std::string TraceEntry::Text() const {
    std::string out = std::string(InvokeKindName(kind)) + " " + path;
    const size_t indexCount = kind == InvokeKind::Put && !args.empty() ? args.size() - 1 : args.size();
    if (kind == InvokeKind::Call || indexCount > 0) {
        out += "(";
        for (size_t i = 0; i < indexCount; ++i) {
            out += (i ? ", " : "") + args[i].Describe();
        }
        out += ")";
    }
    if (kind == InvokeKind::Put && !args.empty()) {
        out += " = " + args.back().Describe();
    } else if (error == 0 && !result.IsEmpty()) {
        out += " -> " + result.Describe();
    }
    if (error != 0) {
        out += " !" + std::to_string(error);
    }
    return out;
}

TracingObject::TracingObject(ObjectRef inner, std::shared_ptr<TraceLog> log)
    : m_oInner(std::move(inner)), m_pLog(std::move(log)) {}

ObjectRef TracingObject::Wrap(ObjectRef inner, std::shared_ptr<TraceLog> log) {
    if (inner.IsNothing()) {
        return inner;
    }
    return ObjectRef(std::make_shared<TracingObject>(std::move(inner), std::move(log)));
}

Variant TracingObject::Record(const std::string& member, InvokeKind kind, std::span<const Variant> args,
                              const std::function<Variant()>& access) {
    TraceEntry entry{kind, DisplayName() + "." + member, std::vector<Variant>(args.begin(), args.end()), Variant(),
                     0};
    try {
        entry.result = access();
    } catch (const AutomationError& e) {
        entry.error = e.Number();
        m_pLog->push_back(std::move(entry));
        throw;
    }
    Variant result = entry.result;
    m_pLog->push_back(std::move(entry));
    if (result.IsObject() && !result.IsNothing()) {
        return Variant(Wrap(result.ToObject(), m_pLog));
    }
    return result;
}

Variant TracingObject::Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) {
    return Record(std::string(member), kind, args, [&] { return m_oInner.Invoke(member, kind, args); });
}

Variant TracingObject::InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) {
    return Record("#" + std::to_string(dispId), kind, args, [&] { return m_oInner.InvokeId(dispId, kind, args); });
}

std::vector<Variant> TracingObject::Enumerate() {
    std::vector<Variant> items = m_oInner.Enumerate();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].IsObject() && !items[i].IsNothing()) {
            items[i] = Variant(Wrap(items[i].ToObject(), m_pLog));
        }
    }
    return items;
}

std::string TracingObject::TypeName() const { return m_oInner.get()->TypeName(); }

std::string TracingObject::DisplayName() const { return m_oInner.get()->DisplayName(); }

} // namespace vantor
