#include "host/MemberPath.hpp"

#include "model/Range.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor::host {

namespace {

Variant Access(const ObjectRef& object, const std::string& member, InvokeKind kind,
               std::span<const Variant> args) {
    try {
        return object.Invoke(member, kind, args);
    } catch (const AutomationError& e) {
        if (e.Number() == err::NotSupported) {
            throw ScriptError("no member " + member);
        }
        throw;
    }
}

// The object one segment leads to: the member, then its item for arguments.
Variant Step(const ObjectRef& object, const PathSegment& segment) {
    Variant value = Access(object, segment.first, InvokeKind::Get, {});
    if (!segment.second.empty()) {
        value = Access(value.ToObject(), "Item", InvokeKind::Get, segment.second);
    }
    return value;
}

} // namespace

Variant ReadPath(const ObjectRef& root, const std::string& path) {
    const std::vector<PathSegment> segments = ParsePath(path);
    ObjectRef object = root;
    Variant value;
    for (size_t i = 0; i < segments.size(); ++i) {
        value = Step(object, segments[i]);
        if (i + 1 < segments.size()) {
            object = value.ToObject();
        }
    }
    return value;
}

void WritePath(const ObjectRef& root, const std::string& path, const Variant& value) {
    const std::vector<PathSegment> segments = ParsePath(path);
    ObjectRef object = root;
    for (size_t i = 0; i + 1 < segments.size(); ++i) {
        Variant next = Step(object, segments[i]);
        if (next.IsNothing() && EqualsIgnoreCase(segments[i].first, "Comment") &&
            object.As<model::Range>()) {
            Access(object, "AddComment", InvokeKind::Call, std::vector<Variant>{Variant("")});
            next = Step(object, segments[i]);
        }
        object = next.ToObject();
    }
    std::vector<Variant> args = segments.back().second;
    args.push_back(value);
    Access(object, segments.back().first, InvokeKind::Put, args);
}

} // namespace vantor::host
