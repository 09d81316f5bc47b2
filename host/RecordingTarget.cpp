#include "host/RecordingTarget.hpp"

#include "vantor/automation/TextFunctions.hpp"

#include <vector>

namespace vantor::host {

namespace {

// The model knows its own objects only: what a page hands back to it (a
// range given to "Styles.Add") goes unwrapped.
std::vector<Variant> Unwrapped(std::span<const Variant> args) {
    std::vector<Variant> plain(args.begin(), args.end());
    for (Variant& arg : plain) {
        if (arg.IsObject()) {
            if (const auto recording = arg.ToObject().As<RecordingTarget>()) {
                arg = Variant(recording->Inner());
            }
        }
    }
    return plain;
}

// The kind of a written value: "Long", "Boolean", "Null", "Object", ...
std::string KindOf(const Variant& value) {
    switch (value.Type()) {
    case VarType::Boolean:
        return "Boolean";
    case VarType::Object:
        return value.ToObject().IsNothing() ? "Nothing" : "Object";
    default: {
        const std::string described = value.Describe();
        return described.substr(0, described.find('('));
    }
    }
}

} // namespace

RecordingTarget::RecordingTarget(ObjectRef inner, std::string path, std::shared_ptr<MemberUses> uses,
                                 std::string nulled)
    : TracingObject(std::move(inner), std::make_shared<TraceLog>()), m_strPath(std::move(path)),
      m_pUses(std::move(uses)), m_strNulled(std::move(nulled)) {}

Variant RecordingTarget::Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) {
    const std::string path = m_strPath.empty() ? std::string(member) : m_strPath + "." + std::string(member);
    MemberUse& use = (*m_pUses)[ToLower(path)];
    if (use.path.empty()) {
        use.path = path;
    }
    use.read |= kind == InvokeKind::Get;
    use.written |= kind == InvokeKind::Put;
    use.called |= kind == InvokeKind::Call;
    if (kind == InvokeKind::Put && !args.empty()) {
        use.kinds.insert(KindOf(args.back()));
    }
    if (kind == InvokeKind::Get && EqualsIgnoreCase(path, m_strNulled)) {
        return Variant::Null();
    }
    const std::vector<Variant> plain = Unwrapped(args);
    return Wrapped(Inner().Invoke(member, kind, plain), path);
}

Variant RecordingTarget::InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) {
    const std::vector<Variant> plain = Unwrapped(args);
    return Wrapped(Inner().InvokeId(dispId, kind, plain), m_strPath + ".#" + std::to_string(dispId));
}

std::vector<Variant> RecordingTarget::Enumerate() {
    std::vector<Variant> items = Inner().Enumerate();
    for (Variant& item : items) {
        item = Wrapped(item, m_strPath + ".(each)");
    }
    return items;
}

Variant RecordingTarget::Wrapped(const Variant& result, const std::string& path) const {
    if (!result.IsObject() || result.ToObject().IsNothing()) {
        return result;
    }
    return Variant(ObjectRef(std::make_shared<RecordingTarget>(result.ToObject(), path, m_pUses, m_strNulled)));
}

} // namespace vantor::host
